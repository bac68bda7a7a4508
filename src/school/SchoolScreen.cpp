// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "school/SchoolScreen.h"

#include "school/Prize.h"
#include "ui/Accessibility.h"
#include "ui/ScreenModel.h"

#include <QCoreApplication>

namespace school {

using ui::ScreenId;

SchoolScreen::SchoolScreen(ui::ScreenModel& screens, const game::GameContext& context)
    : ui::Screen(ScreenId::School, screens),
      imgTour(new ui::ImageButton(this, QCoreApplication::translate("Button", "Tournament"))),
      lblDesc(new ui::Label(this)), imgQuit(new ui::ImageButton(this, tr("Back to town"))),
      context_(context) {
    imgTour->setObjectName(QStringLiteral("imgTour"));
    lblDesc->setObjectName(QStringLiteral("lblDesc"));
    imgQuit->setObjectName(QStringLiteral("imgQuit"));
    imgTour->setRect(64, 112, 81, 33);
    imgQuit->setRect(584, 0, 15, 15);

    // Chalk on the blackboard that the hall's picture puts behind the description.
    lblDesc->setRect(216, 128, 337, 89);
    lblDesc->setWordWrap(true);
    QFont chalk(QStringLiteral("DejaVu Sans"));
    chalk.setPointSize(10);
    chalk.setBold(true);
    lblDesc->setFont(chalk);
    lblDesc->setTextColor(QColor(240, 236, 220));

    // The description follows the pointer: shown over the picture, gone over the bare hall;
    // crossing the label or the quit picture leaves it as it is.
    connect(imgTour, &ui::ImageButton::pointerMoved, this,
            [this] { lblDesc->setCaption(tournamentDescription()); });
    connect(this, &ui::Screen::backgroundPointerMoved, this, [this] { lblDesc->setCaption({}); });
    connect(imgTour, &ui::ImageButton::clicked, this, &SchoolScreen::enterTournament);
    connect(imgQuit, &ui::ImageButton::clicked, this, &SchoolScreen::leave);
    // The keyboard reaches the tournament's picture as the pointer does, and shows the same,
    // which a screen reader then reads out.
    connect(imgTour, &ui::ImageButton::focusEntered, this, [this] {
        lblDesc->setCaption(tournamentDescription());
        ui::announce(this, lblDesc->caption());
    });

    bindKey(tr("T", "key: Tournament"), {imgTour});
    bindKey(QStringLiteral("Esc"), {imgQuit});
}

QString SchoolScreen::tournamentDescription() {
    return tr("Win 5 rounds of Blackjack to recieve $%1.\n"
              "(Note that Doubling Down is not allowed since you aren't wagering any money "
              "anyways.)")
        .arg(TournamentPrize);
}

bool SchoolScreen::load() {
    setBackground(context_.folder.path("\\Graphics\\SchoolBG.GIF"));
    imgQuit->setPicture(context_.folder.path("\\Graphics\\Quit.GIF"));
    imgTour->setPicture(context_.folder.path("\\Graphics\\TournamentPic.GIF"));
    lblDesc->setCaption({});
    return true;
}

void SchoolScreen::enterTournament() {
    // A tournament left before its first deal is still loaded and comes back as it was; the
    // table is shown before the hall is hidden, so the window never blinks in between.
    if (screens().show(ScreenId::Tournament)) screens().hide(ScreenId::School);
}

void SchoolScreen::leave() {
    if (screens().show(ScreenId::Locations)) screens().hide(ScreenId::School);
}

} // namespace school
