// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "game/InstructionsScreen.h"

#include "game/GameScreens.h"
#include "game/InstructionText.h"
#include "ui/Accessibility.h"
#include "ui/ScreenModel.h"

#include <QCoreApplication>

namespace game {

using ui::ScreenId;

InstructionsScreen::InstructionsScreen(ui::ScreenModel& screens, const GameContext& context)
    : ui::Screen(ScreenId::Instructions, screens),
      picMMenu(new ui::ImageButton(this, QCoreApplication::translate("Button", "Main Menu"))),
      picInstruct(new ui::Image(this)), lblPage(new ui::Label(this)),
      imgBack(new ui::ImageButton(this, tr("Previous page"))),
      imgNext(new ui::ImageButton(this, tr("Next page"))),
      lblKeys(new ui::Label(this)), context_(context) {
    picMMenu->setPosition(0, 0);
    picInstruct->setPosition(40, 56);
    lblPage->setRect(480, 336, 113, 17);
    imgBack->setPosition(480, 352);
    imgNext->setPosition(536, 352);
    QFont bold = lblPage->font();
    bold.setBold(true);
    lblPage->setFont(bold);
    lblPage->setTextColor(QColor(246, 236, 210));
    lblKeys->setRect(40, 364, 432, 18);
    lblKeys->setTextColor(QColor(246, 236, 210));
    // The casino table's keys, as its buttons are named in the player's language.
    lblKeys->setCaption(
        tr("Keys: Enter deals, H hit, S stand, D double down, Esc leaves, Tab moves"));
    // Beside the arrows there is no more room: a language whose line runs longer has it a
    // point or two smaller rather than cut short.
    for (int points = lblKeys->font().pointSize();
         points > 7 &&
         lblKeys->fontMetrics().horizontalAdvance(lblKeys->caption()) > lblKeys->width();)
        lblKeys->setFontSize(--points);

    connect(imgBack, &ui::ImageButton::clicked, this, [this] { TurnPage(-1); });
    connect(imgNext, &ui::ImageButton::clicked, this, [this] { TurnPage(+1); });
    connect(picMMenu, &ui::ImageButton::clicked, this, [this] {
        // The main menu comes to the front before the pages go, so the window never empties.
        if (this->screens().show(ScreenId::Start)) this->screens().hide(ScreenId::Instructions);
    });

    bindKey(QStringLiteral("Left"), {imgBack});
    bindKey(QStringLiteral("Right"), {imgNext});
    bindKey(QStringLiteral("Esc"), {picMMenu});
}

bool InstructionsScreen::load() {
    setBackground(context_.folder.path("\\Graphics\\StartBackground.GIF"));
    picMMenu->setPicture(context_.folder.path("\\Graphics\\MainMenuButton.GIF"));
    picInstruct->setPicture(context_.folder.path(pagePicture(1)));
    imgNext->setPicture(context_.folder.path("\\Graphics\\NextArrow.GIF"));
    imgBack->setPicture(context_.folder.path("\\Graphics\\BackArrow.GIF"));
    Page = 1;
    TurnPage(0);
    return true;
}

QString InstructionsScreen::pagePicture(int page) {
    if (page == PageCount) return QStringLiteral("\\Graphics\\InstructionsFinal.GIF");
    return QStringLiteral("\\Graphics\\Instructions%1.GIF").arg(page);
}

void InstructionsScreen::TurnPage(int step) {
    const int next = Page + step;
    if (next >= 1 && next <= PageCount) Page = static_cast<std::int16_t>(next);
    picInstruct->setPicture(context_.folder.path(pagePicture(Page)),
                            tr("Instructions, page %1 of %2").arg(Page).arg(PageCount));
    // The page's words are drawn into its picture; a screen reader finds them as its description.
    picInstruct->setAccessibleDescription(spokenInstructionPage(Page));
    imgNext->setVisible(Page != PageCount);
    imgBack->setVisible(Page != 1);
    lblPage->setCaption(tr("Page %1").arg(Page));
    // A page turned is read out; the first one is read as the screen comes to the front.
    if (step != 0) ui::announce(this, spokenOnArrival());
}

QString InstructionsScreen::spokenOnArrival() const {
    return tr("Page %1 of %2.").arg(Page).arg(PageCount) + QLatin1Char(' ') +
           spokenInstructionPage(Page) + QLatin1Char(' ') + lblKeys->caption() +
           QLatin1Char('.');
}

} // namespace game

namespace game {

ui::Screen* makeInstructions(ui::ScreenModel& screens, const game::GameContext& context) {
    return new InstructionsScreen(screens, context);
}

} // namespace game
