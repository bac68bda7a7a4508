// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

class QWidget;

namespace ui {

// Teaches the accessibility interface the game's own controls: a picture is a graphic named by
// what it shows, a caption by its whole text, and either is left out of what a screen reader
// reads while it has nothing to say. Called once the application object exists, before the
// first screen is built.
void installAccessibility();

// Tells a screen reader what the player's last key or click did, in the game's words ("You draw
// Ten of Hearts: 19."). The sentences of one moment reach it together, once, after the event
// that caused them, from the screen `from`, while it is shown. Nothing is shown on screen.
void announce(QWidget* from, const QString& sentence);

} // namespace ui
