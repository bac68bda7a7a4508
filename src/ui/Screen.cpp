#include "ui/Screen.h"

#include "ui/ScreenModel.h"

#include <QChildEvent>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>

namespace ui {

Screen::Screen(ScreenId id, ScreenModel& model, Kind kind, QSize size)
    : QWidget(model.window()), id_(id), kind_(kind), model_(model) {
    if (kind == Kind::Dialog) {
        setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowCloseButtonHint);
        setWindowTitle(QStringLiteral("Vantrell"));
    }
    setFixedSize(size);
    setMouseTracking(true);
    setAutoFillBackground(true);
    setObjectName(QString::fromLatin1(screenName(id)));
}

void Screen::setBackground(const QString& path) {
    background_.load(path, devicePixelRatioF());
    update();
}

void Screen::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    background_.paint(painter, rect());
}

void Screen::mouseMoveEvent(QMouseEvent* event) {
    // Decided by what lies under the pointer, not by which widget passed the event on: hidden
    // controls do not count, caption-less labels do.
    if (childAt(event->position().toPoint()) == nullptr) emit backgroundPointerMoved();
    event->accept();
}

void Screen::closeEvent(QCloseEvent* event) {
    // Only the dialog is a window of its own; the pages close through the game window.
    event->ignore();
    if (kind_ == Kind::Dialog) model_.closeButtonPressed(id_);
}

void Screen::childEvent(QChildEvent* event) {
    // Every control reports pointer movement, so that the screen can tell its background apart.
    if (event->polished())
        if (auto* widget = qobject_cast<QWidget*>(event->child())) widget->setMouseTracking(true);
    QWidget::childEvent(event);
}

} // namespace ui
