#pragma once

#include <QAbstractButton>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QWidget>

namespace ui {

// Starts reading pictures on a thread of their own while the program sets up its window. A
// control that asks for one finds it read, waits while it is being read, or reads it itself,
// the helper going on with another. The 1x files: a high-density screen reads its sharper
// copies when it asks. May be called before the application object exists, but not while one
// is being destroyed.
void readPicturesAhead(const QStringList& paths);

// A picture read from its GIF file when set, unless read before and unchanged since. Where the
// screen gives the control a size the picture is drawn into it; else the control takes its size.
// On a high-density screen (device pixel ratio above 1) the picture drawn at twice the size,
// "Name@2x.GIF" beside "Name.GIF", is read instead; without it the 1x picture is enlarged.
class PictureSource {
public:
    // Returns false when the file cannot be read; the picture is then blank. The ratio is that
    // of the screen the picture is meant for: the 2x file is read only when it is above 1.
    bool load(const QString& path, qreal ratio = 1.0);
    void clear();
    const QString& path() const { return path_; }
    bool isNull() const { return image_.isNull(); }
    // In device-independent pixels, whichever file was read.
    QSize naturalSize() const { return image_.deviceIndependentSize().toSize(); }
    // Reads the 2x picture first if the painter's device is denser than the picture read so far.
    void paint(QPainter& painter, const QRect& target);

private:
    bool loadSharp();

    QString path_;
    QImage image_;
    bool sharpTried_ = false;
};

// A picture that only decorates, or reports the pointer passing over it.
class Image : public QWidget {
    Q_OBJECT
public:
    explicit Image(QWidget* parent);

    // The spoken name is what a screen reader says of the picture ("Ace of Spades", "You win");
    // a picture without one is left out, as an empty card slot is. Setting a name again, even
    // the same one, announces it.
    void setPicture(const QString& path, const QString& spokenName = QString());
    void clearPicture();
    QString picturePath() const { return picture_.path(); }
    bool hasPicture() const { return !picture_.isNull(); }
    const QString& spokenName() const { return spokenName_; }

    // Fixes the control's rectangle; the picture is drawn into it from now on.
    void setRect(int left, int top, int width, int height);
    void setFixedPictureSize(int width, int height);
    // Places the control; it keeps the size of its picture unless a size was fixed.
    void setPosition(int left, int top);

signals:
    void pointerMoved();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    PictureSource picture_;
    QString spokenName_;
    bool sizeFixed_ = false;
};

// A picture that a player clicks: a real button, so it takes focus, reacts to Space and to Enter
// while it has the keyboard, and carries an accessible name. Its ring shows only while focused.
class ImageButton : public QAbstractButton {
    Q_OBJECT
public:
    ImageButton(QWidget* parent, const QString& accessibleName);

    void setPicture(const QString& path);
    QString picturePath() const { return picture_.path(); }
    bool hasPicture() const { return !picture_.isNull(); }

    void setRect(int left, int top, int width, int height);
    void setPosition(int left, int top);

    QSize sizeHint() const override;

signals:
    void pointerMoved();
    void focusEntered();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    PictureSource picture_;
    bool sizeFixed_ = false;
};

} // namespace ui
