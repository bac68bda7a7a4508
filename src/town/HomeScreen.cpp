// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "town/HomeScreen.h"

#include "game/Records.h"
#include "game/Report.h"
#include "ui/Accessibility.h"
#include "ui/ScreenModel.h"

#include <QCoreApplication>
#include <initializer_list>

namespace town {

using ui::ScreenId;

namespace {

// Cream on the dark panel of the house, bold so the figures read at a glance.
const QColor StatsText(246, 236, 210);

} // namespace

HomeScreen::HomeScreen(ui::ScreenModel& screens, const game::GameContext& context)
    : ui::Screen(ScreenId::Home, screens),
      imgStats(new ui::ImageButton(this, QCoreApplication::translate("Button", "Stats"))),
      imgSleep(new ui::ImageButton(this, QCoreApplication::translate("Button", "Sleep"))),
      imgQuit(new ui::ImageButton(this, tr("Back to town"))),
      imgMainMenu(new ui::ImageButton(this, tr("Home menu"))),
      lblName(new ui::Label(this)), lblMoney(new ui::Label(this)), lblBank(new ui::Label(this)),
      context_(context) {
    imgStats->setPosition(120, 96);
    imgSleep->setPosition(400, 96);
    imgQuit->setPosition(584, 0);
    imgMainMenu->setPosition(400, 208);
    lblName->setRect(80, 152, 441, 41);
    lblMoney->setRect(80, 192, 241, 41);
    lblBank->setRect(80, 232, 249, 57);
    for (ui::Label* label : {lblName, lblMoney, lblBank}) {
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        label->setTextColor(StatsText);
    }
    lblName->setElided(true);

    connect(imgStats, &ui::ImageButton::clicked, this, &HomeScreen::showStats);
    connect(imgMainMenu, &ui::ImageButton::clicked, this, &HomeScreen::backToHomeMenu);
    connect(imgSleep, &ui::ImageButton::clicked, this, &HomeScreen::goToSleep);
    connect(imgQuit, &ui::ImageButton::clicked, this, &HomeScreen::leaveForTown);

    // Esc leaves whichever view is shown: the figures for the home menu, the house for town.
    bindKey(QStringLiteral("Esc"), {imgQuit, imgMainMenu});
}

bool HomeScreen::load() {
    // A house whose figures cannot be read is not entered: the player stays in town.
    if (!readCurrentGame()) return false;
    setBackground(context_.folder.path("\\Graphics\\HomeBG.GIF"));
    imgStats->setPicture(context_.folder.path("\\Graphics\\StatsPic.GIF"));
    imgSleep->setPicture(context_.folder.path("\\Graphics\\SleepPic.GIF"));
    imgQuit->setPicture(context_.folder.path("\\Graphics\\Quit.GIF"));
    imgMainMenu->setPicture(context_.folder.path("\\Graphics\\MainMenuButton.GIF"));
    showView(View::HomeMenu);
    return true;
}

bool HomeScreen::readCurrentGame() {
    // What a house whose figures cannot be read does about it.
    const QString stayInTown = tr("You stay in town; nothing was changed.");
    const QString slotFile = context_.folder.path(game::CurrentSlotFile);
    const auto slot = game::ReadIntegerRecord(slotFile);
    if (!game::reportIfFailed(context_.dialogs, slot, stayInTown)) return false;
    if (slot.value() < 1 || slot.value() > game::SlotCount) {
        const game::RecordError noSlot{game::RecordError::Kind::Malformed, slotFile,
                                       tr("it names no save slot")};
        return game::reportIfFailed(context_.dialogs, noSlot, stayInTown);
    }
    SlotNumber = slot.value();

    const auto name =
        game::ReadTextRecord(game::SlotFilePath(context_.folder, SlotNumber, "Name.txt"));
    if (!game::reportIfFailed(context_.dialogs, name, stayInTown)) return false;
    PlayerName = name.value();

    const auto money = game::ReadIntegerRecord(context_.folder.path(game::CurrentMoneyFile));
    if (!game::reportIfFailed(context_.dialogs, money, stayInTown)) return false;
    Money = money.value();

    const auto bank = game::ReadIntegerRecord(context_.folder.path(game::CurrentBankFile));
    if (!game::reportIfFailed(context_.dialogs, bank, stayInTown)) return false;
    BankBalance = bank.value();
    return true;
}

void HomeScreen::showView(View view) {
    view_ = view;
    const bool stats = view == View::Stats;
    for (QWidget* menu : std::initializer_list<QWidget*>{imgStats, imgQuit, imgSleep})
        menu->setVisible(!stats);
    for (QWidget* figures :
         std::initializer_list<QWidget*>{imgMainMenu, lblName, lblMoney, lblBank})
        figures->setVisible(stats);
}

void HomeScreen::showStats() {
    if (view_ != View::HomeMenu) return;
    showView(View::Stats);
    for (ui::Label* label : {lblName, lblMoney, lblBank})
        label->setFontSize(16);
    // Always the figures read on entering the house, never a second look at the files.
    lblName->setCaption(tr("Name: %1").arg(PlayerName));
    lblMoney->setCaption(tr("Money: $%1").arg(Money));
    lblBank->setCaption(tr("Bank: $%1").arg(BankBalance));
    ui::announce(this, lblName->caption() + QStringLiteral(". ") + lblMoney->caption() +
                           QStringLiteral(". ") + lblBank->caption() + QLatin1Char('.'));
}

void HomeScreen::backToHomeMenu() {
    if (view_ != View::Stats) return;
    showView(View::HomeMenu);
}

void HomeScreen::goToSleep() {
    if (view_ != View::HomeMenu || !screens().isVisible(ScreenId::Home)) return;
    // The house stays loaded behind the question, so No brings it back as it was.
    screens().hide(ScreenId::Home);
    if (!screens().show(ScreenId::frmQuit)) screens().show(ScreenId::Home);
}

void HomeScreen::leaveForTown() {
    if (view_ != View::HomeMenu || !screens().isVisible(ScreenId::Home)) return;
    // Town is put in front before the house goes, so the window never empties in between.
    if (!screens().show(ScreenId::Locations)) return;
    screens().close(ScreenId::Home);
}

} // namespace town
