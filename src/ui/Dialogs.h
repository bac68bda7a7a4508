// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace ui {

// The modal boxes of the game: every message box is titled "Vantrell" with one OK button and no
// icon. Tests hand the screens a scripted stand-in that answers without a display.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void message(const QString& text) = 0;
    // The typed text, or the empty text when the player cancels.
    virtual QString input(const QString& prompt, const QString& title) = 0;
    // A Yes/No question; true for Yes.
    virtual bool confirm(const QString& text) = 0;
};

// The real boxes, centred on whichever game window is in front.
class WindowDialogs final : public Dialogs {
public:
    explicit WindowDialogs(std::function<QWidget*()> parent);
    void message(const QString& text) override;
    QString input(const QString& prompt, const QString& title) override;
    bool confirm(const QString& text) override;

private:
    std::function<QWidget*()> parent_;
};

} // namespace ui
