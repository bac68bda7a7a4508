#pragma once

#include <QColor>
#include <QLabel>

namespace ui {

// A caption on a screen. Text is always plain: a player's name is shown as typed, never read as
// markup.
class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(QWidget* parent);

    void setRect(int left, int top, int width, int height);
    void setCaption(const QString& caption);
    QString caption() const { return text(); }
    void setFontSize(int points);
    void setTextColor(const QColor& color);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace ui
