#include "ui/Picture.h"

#include "ui/Accessibility.h"

#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QSet>
#include <QThread>

#include <cstdio>
#include <condition_variable>
#include <future>
#include <mutex>

namespace ui {

namespace {

// A missing picture is reported once on the console; the game goes on with a blank control.
void warnMissing(const QString& path) {
    static QSet<QString> told;
    if (told.contains(path)) return;
    told.insert(path);
    std::fprintf(stderr, "Vantrell: the picture %s could not be read\n", qPrintable(path));
}

// "Graphics/Back.GIF" -> "Graphics/Back@2x.GIF": the name under which Qt's image reader
// gives the picture a device pixel ratio of 2.
QString sharpPath(const QString& path) {
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    return dot > slash ? path.left(dot) + QStringLiteral("@2x") + path.mid(dot)
                       : path + QStringLiteral("@2x");
}

struct Kept {
    QDateTime modified;
    qint64 size;
    QImage image;
};

// The last reading of each picture file, kept while the file stays as it was: a reset sets the
// same dozen pictures again, and decoding them anew each time would cost the click its frame.
// Pictures read ahead are shared out between a thread of their own and whichever thread asks
// for one: each is read once, by whoever comes to it first, and waited for while being read.
class PictureStore {
public:
    static PictureStore& instance() {
        static PictureStore store;
        return store;
    }

    void readAhead(const QStringList& paths) {
        finishReadingAhead();
        {
            const std::lock_guard lock(mutex_);
            // The helper reads the first picture, which is asked for first, then works from the
            // last towards the asker, who goes on from the second: they meet in the middle.
            for (qsizetype k = paths.size() - 1; k >= 0; --k) {
                if (reading_.contains(paths[k])) continue;
                reading_.insert(paths[k], Queued);
                k == 0 ? order_.prepend(paths[k]) : order_.append(paths[k]);
            }
        }
        helper_ = std::async(std::launch::async, [this] {
            while (readNextQueued()) {
            }
        });
    }

    QImage read(const QString& path) {
        std::unique_lock lock(mutex_);
        const auto ahead = reading_.find(path);
        if (ahead != reading_.end() && *ahead == Queued) {
            *ahead = Reading;
            lock.unlock();
            readTaken(path);
        } else {
            readingDone_.wait(lock, [&] { return !reading_.contains(path); });
            lock.unlock();
        }
        return decode(path);
    }

    ~PictureStore() { finishReadingAhead(); }

private:
    enum State { Queued, Reading };

    bool readNextQueued() {
        QString path;
        {
            const std::lock_guard lock(mutex_);
            while (!order_.isEmpty() && path.isEmpty()) {
                const QString next = order_.takeFirst();
                const auto state = reading_.find(next);
                if (state != reading_.end() && *state == Queued) *state = Reading, path = next;
            }
        }
        if (path.isEmpty()) return false;
        readTaken(path);
        return true;
    }

    // Reads a picture this thread has marked as being read, and tells whoever waits for it.
    void readTaken(const QString& path) {
        decode(path);
        const std::lock_guard lock(mutex_);
        reading_.remove(path);
        readingDone_.notify_all();
    }

    void finishReadingAhead() {
        if (helper_.valid()) helper_.get();
    }

    QImage decode(const QString& path) {
        const QFileInfo file(path);
        const QDateTime modified = file.lastModified();
        {
            const std::lock_guard lock(mutex_);
            const auto found = kept_.constFind(path);
            if (found != kept_.cend() && found->modified == modified &&
                found->size == file.size())
                return found->image;
        }
        QImage image(path);
        const std::lock_guard lock(mutex_);
        if (image.isNull()) {
            kept_.remove(path);
        } else {
            kept_.insert(path, Kept{modified, file.size(), image});
        }
        return image;
    }

    std::mutex mutex_;
    std::condition_variable readingDone_;
    QHash<QString, Kept> kept_;
    QHash<QString, State> reading_;
    QStringList order_; // the helper's turn
    std::future<void> helper_;
};

QImage readPicture(const QString& path) {
    return PictureStore::instance().read(path);
}

bool isEnterKey(const QKeyEvent* key) {
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
           (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

} // namespace

void readPicturesAhead(const QStringList& paths) {
    // The calling thread is the program's main one, also where nothing of Qt has run before.
    QThread::currentThread();
    PictureStore::instance().readAhead(paths);
}

bool PictureSource::load(const QString& path, qreal ratio) {
    path_ = path;
    image_ = QImage();
    sharpTried_ = false;
    if (ratio > 1.0 && loadSharp()) return true;
    image_ = readPicture(path);
    if (image_.isNull()) {
        warnMissing(path);
        return false;
    }
    return true;
}

bool PictureSource::loadSharp() {
    sharpTried_ = true;
    const QImage sharp = readPicture(sharpPath(path_));
    if (sharp.isNull()) return false;
    image_ = sharp;
    image_.setDevicePixelRatio(2.0); // already so, by the file's name
    return true;
}

void PictureSource::clear() {
    path_.clear();
    image_ = QImage();
    sharpTried_ = false;
}

void PictureSource::paint(QPainter& painter, const QRect& target) {
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    if (ratio > image_.devicePixelRatio() && !sharpTried_ && !path_.isEmpty()) loadSharp();
    if (image_.isNull()) return;
    if (naturalSize() == target.size() && qFuzzyCompare(ratio, image_.devicePixelRatio())) {
        painter.drawImage(target.topLeft(), image_);
        return;
    }
    // Scale once at the device's pixel density so a high-density screen gets the sharpest
    // result the picture allows.
    QImage scaled = image_.scaled(target.size() * ratio, Qt::IgnoreAspectRatio,
                                  Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    painter.drawImage(target.topLeft(), scaled);
}

Image::Image(QWidget* parent) : QWidget(parent) { setMouseTracking(true); }

void Image::setPicture(const QString& path, const QString& spokenName) {
    picture_.load(path, devicePixelRatioF());
    if (!sizeFixed_ && !picture_.isNull()) resize(picture_.naturalSize());
    update();
    spokenName_ = spokenName;
    if (!spokenName_.isEmpty()) announce(this);
}

void Image::clearPicture() {
    picture_.clear();
    spokenName_.clear();
    update();
}

void Image::setRect(int left, int top, int width, int height) {
    sizeFixed_ = true;
    setGeometry(left, top, width, height);
}

void Image::setFixedPictureSize(int width, int height) {
    sizeFixed_ = true;
    resize(width, height);
}

void Image::setPosition(int left, int top) { move(left, top); }

void Image::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    picture_.paint(painter, rect());
}

void Image::mouseMoveEvent(QMouseEvent* event) {
    emit pointerMoved();
    event->accept();
}

ImageButton::ImageButton(QWidget* parent, const QString& accessibleName)
    : QAbstractButton(parent) {
    setAccessibleName(accessibleName);
    setToolTip(accessibleName);
    // Tab brings the keyboard here, a click does not: a mouse player never sees the ring.
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
}

void ImageButton::setPicture(const QString& path) {
    picture_.load(path, devicePixelRatioF());
    if (!sizeFixed_ && !picture_.isNull()) resize(picture_.naturalSize());
    update();
}

void ImageButton::setRect(int left, int top, int width, int height) {
    sizeFixed_ = true;
    setGeometry(left, top, width, height);
}

void ImageButton::setPosition(int left, int top) { move(left, top); }

bool ImageButton::event(QEvent* event) {
    // Enter belongs to the focused button before any key of its screen.
    if (event->type() == QEvent::ShortcutOverride && isEnterKey(static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QAbstractButton::event(event);
}

void ImageButton::keyPressEvent(QKeyEvent* event) {
    if (isEnterKey(event)) {
        if (!event->isAutoRepeat()) click();
        event->accept();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void ImageButton::hideEvent(QHideEvent* event) {
    // A button that goes away with the keyboard hands it to its screen, whose keys then work,
    // rather than keeping it hidden or passing its ring to a neighbour the player did not pick.
    if (window()->focusWidget() == this && parentWidget())
        parentWidget()->setFocus(Qt::OtherFocusReason);
    QAbstractButton::hideEvent(event);
}

void ImageButton::focusInEvent(QFocusEvent* event) {
    QAbstractButton::focusInEvent(event);
    emit focusEntered();
}

QSize ImageButton::sizeHint() const {
    return picture_.isNull() ? QSize(80, 32) : picture_.naturalSize();
}

void ImageButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (picture_.isNull()) {
        // Without its picture the button still shows what it does, so the game stays playable.
        QPainterPath shape;
        shape.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
        painter.fillPath(shape, QColor(110, 24, 36));
        painter.setPen(QColor(240, 228, 200));
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, accessibleName());
    } else {
        picture_.paint(painter, rect());
    }
    if (isDown()) painter.fillRect(rect(), QColor(0, 0, 0, 60));
    if (!isEnabled()) painter.fillRect(rect(), QColor(40, 40, 40, 110));
    if (hasFocus()) {
        // Gold on a dark edge, so the ring reads on the felt, the wood and the night sky alike.
        // The small crosses get a finer ring, so that their cross still shows through.
        const qreal gold = qMin(width(), height()) < 30 ? 1.5 : 3;
        const QRectF ring = QRectF(rect()).adjusted(gold - 0.5, gold - 0.5, 0.5 - gold, 0.5 - gold);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 236, 170, 36));
        painter.drawRoundedRect(ring, gold + 2, gold + 2);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(20, 12, 8), gold + 2));
        painter.drawRoundedRect(ring, gold + 2, gold + 2);
        painter.setPen(QPen(QColor(255, 214, 80), gold));
        painter.drawRoundedRect(ring, gold + 2, gold + 2);
    }
}

void ImageButton::mouseMoveEvent(QMouseEvent* event) {
    emit pointerMoved();
    QAbstractButton::mouseMoveEvent(event);
    event->accept();
}

} // namespace ui
