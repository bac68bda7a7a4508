// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "game/PlaceholderScreen.h"

#include "ui/Label.h"
#include "ui/ScreenModel.h"

#include <QPushButton>

namespace game {

PlaceholderScreen::PlaceholderScreen(ui::ScreenModel& screens, const GameContext& context,
                                     ui::ScreenId id, ui::ScreenId back)
    : ui::Screen(id, screens), context_(context), back_(back) {}

bool PlaceholderScreen::load() {
    setBackground(context_.folder.path("\\Graphics\\StartBackground.GIF"));
    auto* caption = new ui::Label(this);
    caption->setRect(100, 150, 400, 40);
    caption->setAlignment(Qt::AlignCenter);
    caption->setFontSize(16);
    caption->setTextColor(Qt::white);
    caption->setCaption(tr("%1 opens soon.").arg(QLatin1String(ui::screenName(id()))));
    auto* back = new QPushButton(tr("Back"), this);
    back->setGeometry(250, 220, 100, 32);
    connect(back, &QPushButton::clicked, this, [this] {
        screens().show(back_);
        screens().hide(id());
    });
    return true;
}

} // namespace game
