#include "Controls.h"

#include "ui/GameTimer.h"
#include "ui/Label.h"
#include "ui/Picture.h"
#include "ui/Screen.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QGroupBox>
#include <QHash>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QTest>

namespace monkey {

namespace {

Control::Kind kindOf(QWidget* w) {
    if (qobject_cast<QListWidget*>(w)) return Control::Kind::List;
    if (qobject_cast<QLineEdit*>(w)) return Control::Kind::TextBox;
    if (qobject_cast<QAbstractButton*>(w)) return Control::Kind::Button;
    if (qobject_cast<ui::Label*>(w)) return Control::Kind::Label;
    if (qobject_cast<ui::Image*>(w)) return Control::Kind::Picture;
    return Control::Kind::Other;
}

// The inner parts of a list or a text box are not controls of their own.
bool insideCompound(QWidget* w, QWidget* screen) {
    for (QWidget* p = w->parentWidget(); p && p != screen; p = p->parentWidget())
        if (qobject_cast<QAbstractScrollArea*>(p) || qobject_cast<QLineEdit*>(p)) return true;
    return false;
}

QString baseName(QWidget* w) {
    if (!w->objectName().isEmpty()) return w->objectName();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        if (!button->text().isEmpty()) return button->text();
    if (!w->accessibleName().isEmpty()) return w->accessibleName();
    return QString::fromLatin1(w->metaObject()->className());
}

} // namespace

std::vector<Control> usableControls(ui::Screen* screen) {
    std::vector<Control> controls;
    if (!screen) return controls;
    QHash<QString, int> seen;
    for (QWidget* w : screen->findChildren<QWidget*>()) {
        const Control::Kind kind = kindOf(w);
        if (kind == Control::Kind::Other && !qobject_cast<QGroupBox*>(w)) continue;
        if (insideCompound(w, screen)) continue;
        // Named in build order, hidden ones counted too, so a name means the same control in
        // every state of the screen.
        QString name = baseName(w);
        const int n = seen.value(name, 0);
        seen.insert(name, n + 1);
        if (n > 0) name += QStringLiteral("#%1").arg(n);
        if (!w->isVisibleTo(screen) || !w->isEnabled()) continue;
        Control c{w, name, kind, 0};
        if (auto* list = qobject_cast<QListWidget*>(w)) c.rows = list->count();
        controls.push_back(c);
    }
    return controls;
}

const Control* findControl(const std::vector<Control>& controls, const QString& name) {
    for (const Control& c : controls)
        if (c.name == name) return &c;
    return nullptr;
}

std::vector<PendingTimer> pendingTimers(ui::Screen* screen) {
    std::vector<PendingTimer> timers;
    if (!screen) return timers;
    int n = 0;
    for (ui::GameTimer* timer : screen->findChildren<ui::GameTimer*>()) {
        const QString name =
            timer->objectName().isEmpty() ? QStringLiteral("timer#%1").arg(n) : timer->objectName();
        ++n;
        if (timer->isActive()) timers.push_back({name, timer});
    }
    return timers;
}

void clickControl(const Control& control, int row) {
    if (auto* list = qobject_cast<QListWidget*>(control.widget)) {
        QListWidgetItem* item = list->item(row);
        if (!item) return;
        const QPoint at = list->visualItemRect(item).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        return;
    }
    QTest::mouseClick(control.widget, Qt::LeftButton, Qt::NoModifier,
                      control.widget->rect().center());
}

void clickTwiceAtOnce(const Control& control, int row) {
    QWidget* target = control.widget;
    QPointF at = QRectF(target->rect()).center();
    if (auto* list = qobject_cast<QListWidget*>(control.widget)) {
        QListWidgetItem* item = list->item(row);
        if (!item) return;
        target = list->viewport();
        at = QRectF(list->visualItemRect(item)).center();
    }
    const QPointF global = target->mapToGlobal(at);
    for (int click = 0; click < 2; ++click) {
        QCoreApplication::postEvent(target, new QMouseEvent(QEvent::MouseButtonPress, at, global,
                                                            Qt::LeftButton, Qt::LeftButton,
                                                            Qt::NoModifier));
        QCoreApplication::postEvent(target,
                                    new QMouseEvent(QEvent::MouseButtonRelease, at, global,
                                                    Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
    }
    QCoreApplication::processEvents();
}

void movePointer(ui::Screen* screen, QPoint at) {
    QWidget* target = screen->childAt(at);
    if (!target) target = screen;
    QMouseEvent move(QEvent::MouseMove, target->mapFrom(screen, at), screen->mapToGlobal(at),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
}

void typeInto(QLineEdit* box, const QString& text, bool clearFirst) {
    if (clearFirst) {
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Backspace);
    }
    // Key by key, carrying the character itself, so letters of any script arrive as typed.
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &release);
    }
}

} // namespace monkey
