// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include "game/Context.h"
#include "ui/Label.h"
#include "ui/Image.h"
#include "ui/ImageButton.h"
#include "ui/Screen.h"

#include <QString>

namespace school {

// The school: the tournament's picture, its description while the pointer rests on it, and the
// way back to town. Hidden, never closed, when left.
class SchoolScreen : public ui::Screen {
    Q_OBJECT
  public:
    SchoolScreen(ui::ScreenModel& screens, const game::GameContext& context);
    bool load() override;

    // The two lines shown under the pointer, joined by a single line feed.
    static QString tournamentDescription();

    ui::ImageButton* imgTour;
    ui::Label* lblDesc;
    ui::ImageButton* imgQuit;

  private:
    void enterTournament();
    void leave();

    const game::GameContext& context_;
};

} // namespace school
