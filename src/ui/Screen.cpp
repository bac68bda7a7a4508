// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "ui/Screen.h"

#include "ui/Accessibility.h"
#include "ui/ScreenModel.h"

#include <QAbstractButton>
#include <QChildEvent>
#include <QCoreApplication>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <algorithm>
#include <vector>

namespace ui {

namespace {

// What a screen reader calls each screen as it comes to the front.
QString spokenTitle(ScreenId id) {
    const char* title = nullptr;
    switch (id) {
    case ScreenId::Start:
        title = QT_TRANSLATE_NOOP("ScreenTitle", "Main menu");
        break;
    case ScreenId::NewGame:
        title = QT_TRANSLATE_NOOP("ScreenTitle", "New game");
        break;
    case ScreenId::ContinueGame:
        title = QT_TRANSLATE_NOOP("ScreenTitle", "Continue game");
        break;
    case ScreenId::Instructions:
        title = QT_TRANSLATE_NOOP("ScreenTitle", "Instructions");
        break;
    case ScreenId::Locations:
        title = QT_TRANSLATE_NOOP("ScreenTitle", "Town");
        break;
    case ScreenId::Home:
        title = QT_TRANSLATE_NOOP("ScreenTitle", "Home");
        break;
    case ScreenId::frmQuit:
        title = QT_TRANSLATE_NOOP("ScreenTitle", "Sleep");
        break;
    case ScreenId::Test:
        title = QT_TRANSLATE_NOOP("ScreenTitle", "Casino");
        break;
    case ScreenId::School:
        title = QT_TRANSLATE_NOOP("ScreenTitle", "School");
        break;
    case ScreenId::Tournament:
        title = QT_TRANSLATE_NOOP("ScreenTitle", "Tournament");
        break;
    case ScreenId::Bank:
        title = QT_TRANSLATE_NOOP("ScreenTitle", "Bank");
        break;
    }
    return title ? QCoreApplication::translate("ScreenTitle", title) : QString();
}

// The names of keys that are words, as a tooltip shows them; a letter, a digit and Alt+<letter>
// read the same in every language.
QString keyName(const QString& key) {
    static const char* const named[] = {
        QT_TRANSLATE_NOOP("Key", "Enter"),
        QT_TRANSLATE_NOOP("Key", "Esc"),
        QT_TRANSLATE_NOOP("Key", "Left"),
        QT_TRANSLATE_NOOP("Key", "Right"),
        QT_TRANSLATE_NOOP("Key", "Up"),
        QT_TRANSLATE_NOOP("Key", "Down"),
    };
    for (const char* name : named)
        if (key == QLatin1String(name)) return QCoreApplication::translate("Key", name);
    return key;
}

} // namespace

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
    // A click on the bare screen takes the keyboard from the control that had it.
    setFocusPolicy(Qt::ClickFocus);
    setObjectName(QString::fromLatin1(screenName(id)));
    setAccessibleName(spokenTitle(id));
}

void Screen::setBackground(const QString& path) {
    background_.load(path, devicePixelRatioF());
    update();
}

void Screen::bindKey(const QString& key, std::initializer_list<QAbstractButton*> controls) {
    const std::vector<QAbstractButton*> targets(controls);
    const bool enter = key == QLatin1String("Enter");
    const QList<QKeySequence> sequences =
        enter ? QList<QKeySequence>{QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}
              : QList<QKeySequence>{QKeySequence::fromString(key)};
    for (const QKeySequence& sequence : sequences) {
        auto* shortcut = new QShortcut(sequence, this);
        shortcut->setContext(Qt::WindowShortcut);
        shortcut->setAutoRepeat(false);
        connect(shortcut, &QShortcut::activated, this, [targets] {
            for (QAbstractButton* control : targets) {
                if (control->isVisible() && control->isEnabled()) {
                    control->click();
                    return;
                }
            }
        });
    }
    for (QAbstractButton* control : targets) {
        const QString name =
            control->accessibleName().isEmpty() ? control->text() : control->accessibleName();
        control->setToolTip(
            tr("%1 (%2)", "tooltip: a control's name (its key)").arg(name, keyName(key)));
    }
}

void Screen::cameToFront() {
    std::vector<QWidget*> controls;
    for (QWidget* child : findChildren<QWidget*>())
        if (child->focusPolicy() & Qt::TabFocus) controls.push_back(child);
    const auto place = [this](const QWidget* w) {
        const QPoint at = w->mapTo(this, QPoint(0, 0));
        return std::pair(at.y(), at.x());
    };
    std::stable_sort(controls.begin(), controls.end(),
                     [&](const QWidget* a, const QWidget* b) { return place(a) < place(b); });
    for (std::size_t k = 1; k < controls.size(); ++k)
        setTabOrder(controls[k - 1], controls[k]);

    // Without a control of its own to start from, the screen holds the keyboard itself: no
    // control wears a ring, and coming back to the window does not hand it to the first one.
    QWidget* first = startingFocus();
    (first ? first : this)->setFocus(Qt::OtherFocusReason);
    announce(this, spokenOnArrival());
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
