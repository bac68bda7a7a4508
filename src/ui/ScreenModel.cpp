// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "ui/ScreenModel.h"

#include "ui/Accessibility.h"
#include "ui/GameTimer.h"
#include "ui/Screen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>
#include <QStackedLayout>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace ui {

const char* screenName(ScreenId id) {
    static constexpr const char* names[ScreenCount] = {
        "Start", "NewGame", "ContinueGame", "Instructions", "Locations", "Home",
        "frmQuit", "Test", "School", "Tournament", "Bank"};
    return names[static_cast<int>(id)];
}

// The one top-level window that holds the pages.
class GameWindow : public QWidget {
public:
    explicit GameWindow(ScreenModel& model) : model_(model) {
        setWindowTitle(QStringLiteral("Vantrell"));
        setFixedSize(600, 400);
    }

protected:
    void closeEvent(QCloseEvent* event) override {
        event->ignore();
        model_.closeButtonPressed(model_.visibleScreen());
    }

private:
    ScreenModel& model_;
};

ScreenModel::ScreenModel() : window_(new GameWindow(*this)), pages_(new QStackedLayout(window_)) {
    installAccessibility();
    pages_->setContentsMargins(0, 0, 0, 0);
    pages_->setStackingMode(QStackedLayout::StackOne);
}

ScreenModel::~ScreenModel() {
    for (Entry& e : entries_) delete e.screen.data();
    delete window_;
}

void ScreenModel::registerScreen(ScreenId id, Factory factory) {
    entry(id).factory = std::move(factory);
}

void ScreenModel::setClosingOrder(std::vector<ScreenId> order) { closingOrder_ = std::move(order); }

ScreenModel::Entry& ScreenModel::entry(ScreenId id) { return entries_[static_cast<int>(id)]; }

const ScreenModel::Entry& ScreenModel::entry(ScreenId id) const {
    return entries_[static_cast<int>(id)];
}

Screen* ScreenModel::load(ScreenId id) {
    Entry& e = entry(id);
    if (e.screen) return e.screen;
    if (!e.factory || ended_) return nullptr;
    Screen* screen = e.factory(*this);
    if (screen->kind() == Screen::Kind::Page) {
        pages_->addWidget(screen);
    } else {
        screen->hide();
    }
    e.screen = screen;
    e.visible = false;
    if (!screen->load()) {
        discard(e);
        return nullptr;
    }
    return screen;
}

bool ScreenModel::show(ScreenId id) {
    Screen* screen = load(id);
    if (!screen) return false;
    Entry& e = entry(id);
    e.visible = true;
    if (screen->kind() == Screen::Kind::Dialog) {
        // The dialog opens centred where the game window stands.
        const QRect area = window_->geometry();
        screen->move(area.center() - QPoint(screen->width() / 2, screen->height() / 2));
        screen->show();
        screen->raise();
        // Asked of the dialog's own window: the game window behind still counts as active, and
        // the dialog would be left without the keyboard.
        if (QWindow* handle = screen->windowHandle()) handle->requestActivate();
    } else {
        pages_->setCurrentWidget(screen);
    }
    refreshWindow();
    if (screen->kind() == Screen::Kind::Page) screen->cameToFront();
    return true;
}

void ScreenModel::hide(ScreenId id) {
    Entry& e = entry(id);
    if (!e.screen) return;
    e.visible = false;
    if (e.screen->kind() == Screen::Kind::Dialog) e.screen->hide();
    refreshWindow();
}

void ScreenModel::close(ScreenId id) {
    Entry& e = entry(id);
    if (!e.screen) return;
    discard(e);
    refreshWindow();
    bool anyLoaded = false;
    for (const Entry& other : entries_) anyLoaded = anyLoaded || !other.screen.isNull();
    if (!anyLoaded && !ended_) {
        ended_ = true;
        window_->hide();
        emit programEnded();
    }
}

void ScreenModel::closeAll(std::initializer_list<ScreenId> order) {
    for (ScreenId id : order) close(id);
}

void ScreenModel::discard(Entry& e) {
    Screen* screen = e.screen;
    e.screen = nullptr;
    e.visible = false;
    // Nothing of a closed screen may act any more, timers included; it is deleted once the
    // handler that closed it has finished.
    screen->hide();
    for (GameTimer* timer : screen->findChildren<GameTimer*>()) timer->stop();
    for (QTimer* timer : screen->findChildren<QTimer*>()) timer->stop();
    screen->setEnabled(false);
    if (screen->kind() == Screen::Kind::Page) pages_->removeWidget(screen);
    screen->deleteLater();
}

void ScreenModel::refreshWindow() {
    // The page in front is the one shown last that is still visible; with none the window hides.
    QWidget* front = nullptr;
    if (auto* current = qobject_cast<Screen*>(pages_->currentWidget()))
        if (entry(current->id()).visible) front = current;
    if (!front) {
        for (const Entry& e : entries_)
            if (e.screen && e.visible && e.screen->kind() == Screen::Kind::Page) front = e.screen;
        if (front) pages_->setCurrentWidget(front);
    }
    if (front) {
        if (!window_->isVisible()) window_->show();
        return;
    }
    // A handler that hides one screen and then shows the next must not make the window vanish
    // and come back in between: with no dialog in front, the window is hidden only if no
    // screen has been shown by the time the handler is over.
    if (!window_->isVisible()) return;
    if (visibleScreen()) {
        window_->hide();
        return;
    }
    QTimer::singleShot(0, window_, [this] {
        if (!visibleScreen()) window_->hide();
    });
}

bool ScreenModel::isLoaded(ScreenId id) const { return !entry(id).screen.isNull(); }

bool ScreenModel::isVisible(ScreenId id) const {
    const Entry& e = entry(id);
    return e.screen && e.visible;
}

Screen* ScreenModel::screen(ScreenId id) const { return entry(id).screen; }

std::optional<ScreenId> ScreenModel::visibleScreen() const {
    // A dialog, when open, is in front of the game window.
    for (const Entry& e : entries_)
        if (e.screen && e.visible && e.screen->kind() == Screen::Kind::Dialog) return e.screen->id();
    if (auto* current = qobject_cast<Screen*>(pages_->currentWidget()))
        if (isVisible(current->id())) return current->id();
    return std::nullopt;
}

QWidget* ScreenModel::window() const { return window_; }

QWidget* ScreenModel::dialogParent() const {
    if (auto front = visibleScreen()) return screen(*front)->window();
    return window_;
}

void ScreenModel::closeButtonPressed(std::optional<ScreenId> id) {
    if (ended_) return;
    if (id) {
        Screen* front = screen(*id);
        if (front && !front->closeRequested()) return;
    }
    if (ended_) return;
    for (ScreenId each : closingOrder_) close(each);
}

} // namespace ui
