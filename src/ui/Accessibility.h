#pragma once

#include <functional>

class QWidget;

namespace ui {

// Teaches the accessibility interface the game's own controls: a picture is a graphic named by
// what it shows, a caption by its whole text, and either is left out of what a screen reader
// reads while it has nothing to say. Called once, before the first screen is built.
void installAccessibility();

// Tells a screen reader that a control now says something new: a card dealt or turned, a
// result, a new amount. `sent` when the control's own change has told the accessibility
// interface already, as a caption's does.
void announce(QWidget* control, bool sent = false);

// Hears every announcement as a screen reader would; where none runs, as in the tests, this is
// the one way to know what it would have been told.
void setAnnouncementListener(std::function<void(QWidget*)> listener);

} // namespace ui
