// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ui/ScreenId.h"

#include <QObject>
#include <QPointer>

#include <array>
#include <functional>
#include <initializer_list>
#include <optional>
#include <vector>

class QStackedLayout;
class QWidget;

namespace ui {

class Screen;
class GameWindow;

// Loads, shows, hides and closes the screens. A closed screen does not exist; showing it builds
// it afresh and runs its load step once; a hidden screen keeps its state. The pages live in one
// game window, so moving between screens never makes the window jump. The program is over when
// no screen is loaded.
class ScreenModel : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<Screen*(ScreenModel&)>;

    ScreenModel();
    ~ScreenModel() override;

    void registerScreen(ScreenId id, Factory factory);
    // The order in which the window's close button closes every screen.
    void setClosingOrder(std::vector<ScreenId> order);

    // Returns the loaded screen, loading it first if need be; nullptr when it could not open.
    Screen* load(ScreenId id);
    // Shows the screen, loading it first if need be; false when it could not open.
    bool show(ScreenId id);
    void hide(ScreenId id);
    void close(ScreenId id);
    void closeAll(std::initializer_list<ScreenId> order);

    bool isLoaded(ScreenId id) const;
    bool isVisible(ScreenId id) const;
    Screen* screen(ScreenId id) const;
    template <typename T>
    T* screenAs(ScreenId id) const {
        return qobject_cast<T*>(screen(id));
    }
    // The screen in front, if any.
    std::optional<ScreenId> visibleScreen() const;
    bool hasEnded() const { return ended_; }

    QWidget* window() const;
    // The window the game's message boxes belong to.
    QWidget* dialogParent() const;

    // The window system's close button, on the game window or on the dialog.
    void closeButtonPressed(std::optional<ScreenId> id);

signals:
    void programEnded();

private:
    struct Entry {
        Factory factory;
        QPointer<Screen> screen;
        bool visible = false;
    };
    Entry& entry(ScreenId id);
    const Entry& entry(ScreenId id) const;
    void refreshWindow();
    void discard(Entry& e);

    std::array<Entry, ScreenCount> entries_;
    std::vector<ScreenId> closingOrder_;
    GameWindow* window_;
    QStackedLayout* pages_;
    bool ended_ = false;
};

} // namespace ui
