#include "ui/Label.h"

#include <QMouseEvent>

namespace ui {

Label::Label(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setMouseTracking(true);
}

void Label::setRect(int left, int top, int width, int height) {
    setGeometry(left, top, width, height);
}

void Label::setCaption(const QString& caption) { setText(caption); }

void Label::setFontSize(int points) {
    QFont f = font();
    f.setPointSize(points);
    setFont(f);
}

void Label::setTextColor(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

void Label::mousePressEvent(QMouseEvent* event) {
    // Taking the press makes the release, and so the click, come back to this label.
    if (event->button() == Qt::LeftButton) {
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
        event->accept();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

} // namespace ui
