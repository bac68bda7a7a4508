// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "game/StartScreen.h"

#include "game/GameScreens.h"
#include "ui/ScreenModel.h"

#include <QCoreApplication>

namespace game {

using ui::ScreenId;

StartScreen::StartScreen(ui::ScreenModel& screens, const GameContext& context)
    : ui::Screen(ScreenId::Start, screens), picSpades(new ui::Image(this)),
      picHearts(new ui::Image(this)), picClovers(new ui::Image(this)),
      picDiamonds(new ui::Image(this)), picLogo(new ui::Image(this)),
      picStart(new ui::ImageButton(this, QCoreApplication::translate("Button", "New Game"))),
      picContinue(new ui::ImageButton(this, QCoreApplication::translate("Button", "Continue"))),
      picInstruct(new ui::ImageButton(this, QCoreApplication::translate("Button", "Instructions"))),
      picQuit(new ui::ImageButton(this, QCoreApplication::translate("Button", "Quit"))), context_(context) {
    picSpades->setPosition(0, 0);
    picHearts->setPosition(520, 0);
    picClovers->setPosition(0, 296);
    picDiamonds->setPosition(528, 296);
    picLogo->setPosition(56, 72);
    picStart->setPosition(184, 280);
    picContinue->setPosition(352, 280);
    picInstruct->setPosition(184, 336);
    picQuit->setPosition(352, 336);

    connect(picStart, &ui::ImageButton::clicked, this, [this] {
        this->screens().hide(ScreenId::Start);
        this->screens().show(ScreenId::NewGame);
    });
    connect(picContinue, &ui::ImageButton::clicked, this, [this] {
        this->screens().hide(ScreenId::Start);
        this->screens().show(ScreenId::ContinueGame);
    });
    connect(picInstruct, &ui::ImageButton::clicked, this, [this] {
        this->screens().hide(ScreenId::Start);
        this->screens().show(ScreenId::Instructions);
    });
    // Quit writes nothing: every game in town has been saved as it went.
    connect(picQuit, &ui::ImageButton::clicked, this, [this] {
        this->screens().closeAll({ScreenId::frmQuit, ScreenId::Instructions, ScreenId::Test,
                                  ScreenId::NewGame, ScreenId::ContinueGame, ScreenId::Locations,
                                  ScreenId::Home, ScreenId::School, ScreenId::Tournament,
                                  ScreenId::Bank, ScreenId::Start});
    });

    // Each key the first letter of its button's word, in every language.
    bindKey(tr("N", "key: New Game"), {picStart});
    bindKey(tr("C", "key: Continue"), {picContinue});
    bindKey(tr("I", "key: Instructions"), {picInstruct});
    bindKey(tr("Q", "key: Quit"), {picQuit});
}

bool StartScreen::load() {
    for (ui::Image* card : {picSpades, picHearts, picClovers, picDiamonds})
        card->setFixedPictureSize(75, 100);
    setBackground(context_.folder.path("\\Graphics\\StartBackground.GIF"));
    picSpades->setPicture(context_.folder.path("\\Graphics\\CardSpades.GIF"));
    picHearts->setPicture(context_.folder.path("\\Graphics\\CardHearts.GIF"));
    picClovers->setPicture(context_.folder.path("\\Graphics\\CardClovers.GIF"));
    picDiamonds->setPicture(context_.folder.path("\\Graphics\\CardDiamonds.GIF"));
    picLogo->setPicture(context_.folder.path("\\Graphics\\Logo.GIF"), QStringLiteral("Vantrell"));
    picStart->setPicture(context_.folder.path("\\Graphics\\Start.GIF"));
    picContinue->setPicture(context_.folder.path("\\Graphics\\Continue.GIF"));
    picQuit->setPicture(context_.folder.path("\\Graphics\\QuitButton.GIF"));
    picInstruct->setPicture(context_.folder.path("\\Graphics\\InstructionsButton.GIF"));
    return true;
}

} // namespace game

namespace game {

ui::Screen* makeStart(ui::ScreenModel& screens, const GameContext& context) {
    return new StartScreen(screens, context);
}

} // namespace game
