// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace ui {

// Teaches the accessibility interface the game's own controls: a picture is a graphic named by
// what it shows, a caption by its whole text, and either is left out of what a screen reader
// reads while it has nothing to say. Called once the application object exists, before the
// first screen is built.
void installAccessibility();

// Tells a screen reader what the player's last key or click did, in the game's words ("You draw
// Ten of Hearts: 19."). The sentences of one moment reach it together, once, after the event
// that caused them, as a notification of the window `from` is in: the one thing Orca speaks of
// a control that does not have the keyboard. Nothing is shown on screen.
void announce(QWidget* from, const QString& sentence);

// Hears every sentence as it is announced; where no screen reader runs, as in the tests, this
// is the one way to know what it would have been told.
void setAnnouncementListener(std::function<void(const QString&)> listener);

} // namespace ui
