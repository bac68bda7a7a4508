// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include "game/Context.h"
#include "ui/Label.h"
#include "ui/Image.h"
#include "ui/ImageButton.h"
#include "ui/Screen.h"

#include <cstdint>

namespace game {

// The rules of the game as four pages, turned with the two arrows. The screen is only hidden
// when left, so the player comes back to the page last read.
class InstructionsScreen : public ui::Screen {
    Q_OBJECT
public:
    InstructionsScreen(ui::ScreenModel& screens, const GameContext& context);
    bool load() override;

    // Moves by step (-1, 0 or +1) when that stays within the pages, then shows the page.
    void TurnPage(int step);
    int page() const { return Page; }
    // The picture of a page: numbered for all but the last, which has its own.
    static QString pagePicture(int page);

    static constexpr std::int16_t PageCount = 4;

    ui::ImageButton* picMMenu;
    ui::Image* picInstruct;
    ui::Label* lblPage;
    ui::ImageButton* imgBack;
    ui::ImageButton* imgNext;
    // The game's keys in one line under every page.
    ui::Label* lblKeys;

protected:
    QString spokenOnArrival() const override;

private:
    const GameContext& context_;
    std::int16_t Page = 1;
};

} // namespace game
