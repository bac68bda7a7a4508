#pragma once

namespace ui {

// Teaches the accessibility interface the game's own controls: a picture is a graphic named by
// what it shows, and a picture or caption with nothing to say is left out of what a screen
// reader reads. Called once, before the first screen is built.
void installAccessibility();

} // namespace ui
