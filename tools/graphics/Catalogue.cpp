// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "Catalogue.h"

#include "Backgrounds.h"
#include "BankArt.h"
#include "Buttons.h"
#include "Canvas.h"
#include "Cards.h"
#include "Instructions.h"
#include "MenuArt.h"

#include <QPainter>

namespace art {
namespace {

QString gif(const char* name) {
    return QString::fromLatin1(name) + QStringLiteral(".GIF");
}

void addTable(std::vector<Picture>& out) {
    const QImage table = tableBackground();
    auto at = [&table](int x, int y, int w, int h) { return groundOf(table, QRect(x, y, w, h)); };
    out.push_back({gif("Background"), table, Dither::None});

    // Every card place on both tables lies on the same plain felt as the first dealer slot.
    const QImage cardGround = at(0, 16, cardWidth, cardHeight);
    for (Suit suit : allSuits) {
        for (int rank = 1; rank <= 13; ++rank)
            out.push_back({faceFileName(suit, rank), faceImage(suit, rank, cardGround)});
    }
    out.push_back({gif("Back"), backImage(BackDesign::Lattice, cardGround)});
    out.push_back({gif("BackDeath"), backImage(BackDesign::Death, cardGround)});
    out.push_back({gif("BackLove"), backImage(BackDesign::Love, cardGround)});
    out.push_back({gif("None"), emptySlotImage(cardGround)});

    out.push_back({gif("Dealer"), heading(at(0, 0, 81, 17), QStringLiteral("Dealer"), 14, false)});
    out.push_back(
        {gif("Player"), heading(at(0, 168, 81, 17), QStringLiteral("Player"), 14, false)});

    // Hit and stand are also shown shrunk to 81 x 33 at the tournament, so their labels are big.
    out.push_back({gif("HitButton"), button(at(480, 168, 100, 50), QStringLiteral("Hit"), 24)});
    out.push_back({gif("StandButton"), button(at(480, 224, 100, 50), QStringLiteral("Stand"), 24)});
    out.push_back({gif("DoubleDownButton"),
                   button(at(480, 280, 100, 50), QStringLiteral("Double\nDown"), 16)});
    const QImage small = at(488, 344, 81, 33);
    out.push_back({gif("DealButton"), button(small, QStringLiteral("Deal"), 16)});
    out.push_back({gif("Reset"), button(small, QStringLiteral("Reset"), 16)});
    out.push_back({gif("StartButton"), button(small, QStringLiteral("Start"), 16)});
    out.push_back(
        {gif("ContinueButton"), button(at(488, 280, 81, 33), QStringLiteral("Continue"), 14)});

    const QImage badgeGround = at(232, 128, 100, 50);
    out.push_back({gif("Win"), badge(badgeGround, Result::Win)});
    out.push_back({gif("Lose"), badge(badgeGround, Result::Lose)});
    out.push_back({gif("Draw"), badge(badgeGround, Result::Draw)});
    out.push_back({gif("Busted"), badge(badgeGround, Result::Busted)});
    out.push_back({gif("Quit"), quitBox(17)});
}

void addMenu(std::vector<Picture>& out) {
    const QImage start = startBackground();
    auto at = [&start](int x, int y, int w, int h) { return groundOf(start, QRect(x, y, w, h)); };
    out.push_back({gif("StartBackground"), start, Dither::FloydSteinberg});

    const QImage spades = faceImage(Suit::Spades, 1, at(0, 0, 75, 100));
    const QImage hearts = faceImage(Suit::Hearts, 1, at(520, 0, 75, 100));
    out.push_back({gif("CardSpades"), spades});
    out.push_back({gif("CardHearts"), hearts});
    out.push_back({gif("CardClovers"), faceImage(Suit::Clovers, 1, at(0, 296, 75, 100))});
    out.push_back({gif("CardDiamonds"), faceImage(Suit::Diamonds, 1, at(528, 296, 75, 100))});
    // The logo is drawn over the upper corner cards, so its ground carries their lower corners.
    QImage logoGround = at(56, 72, 488, 190);
    {
        QPainter painter(&logoGround);
        painter.drawImage(QPoint(0 - 56, 0 - 72), spades);
        painter.drawImage(QPoint(520 - 56, 0 - 72), hearts);
    }
    out.push_back({gif("Logo"), logo(logoGround), Dither::FloydSteinberg});

    out.push_back({gif("Start"), button(at(184, 280, 160, 48), QStringLiteral("New Game"), 19)});
    out.push_back({gif("Continue"), button(at(352, 280, 160, 48), QStringLiteral("Continue"), 19)});
    out.push_back({gif("InstructionsButton"),
                   button(at(184, 336, 160, 48), QStringLiteral("Instructions"), 19)});
    out.push_back({gif("QuitButton"), button(at(352, 336, 160, 48), QStringLiteral("Quit"), 19)});

    out.push_back(
        {gif("Slots"), heading(at(248, 8, 200, 36), QStringLiteral("Save Slots"), 24, true)});
    out.push_back(
        {gif("MainMenuButton"), button(at(488, 8, 104, 32), QStringLiteral("Main Menu"), 14)});
    out.push_back({gif("SlotFrame"), slotFrame()});
    out.push_back({gif("BackArrow"), arrowButton(at(480, 352, 48, 40), false)});
    out.push_back({gif("NextArrow"), arrowButton(at(536, 352, 48, 40), true)});

    const QImage pageGround = at(40, 56, 520, 270);
    for (int page = 1; page <= instructionPages; ++page) {
        const QString name = page == instructionPages
                                 ? QStringLiteral("InstructionsFinal.GIF")
                                 : QStringLiteral("Instructions%1.GIF").arg(page);
        out.push_back({name, instructionPage(pageGround, page)});
    }
}

void addTown(std::vector<Picture>& out) {
    const QImage town = townBackground();
    out.push_back({gif("LocationsBG"), town, Dither::FloydSteinberg});
    out.push_back({gif("GoButton"), button(groundOf(town, QRect(472, 280, 104, 48)),
                                           QStringLiteral("Go"), 24, Tone::Green)});

    const QImage home = homeBackground();
    out.push_back({gif("HomeBG"), home, Dither::FloydSteinberg});
    out.push_back({gif("StatsPic"), iconButton(groundOf(home, QRect(120, 96, 128, 96)),
                                               QStringLiteral("Stats"), Icon::Stats)});
    out.push_back({gif("SleepPic"), iconButton(groundOf(home, QRect(400, 96, 128, 96)),
                                               QStringLiteral("Sleep"), Icon::Sleep)});
}

void addSchoolAndBank(std::vector<Picture>& out) {
    const QImage school = schoolBackground();
    out.push_back({gif("SchoolBG"), school, Dither::FloydSteinberg});
    out.push_back({gif("TournamentPic"),
                   button(groundOf(school, QRect(64, 112, 81, 33)), QStringLiteral("Tournament"))});

    const QImage bank = bankBackground();
    out.push_back({gif("BankBG"), bank, Dither::FloydSteinberg});
    out.push_back({gif("StatusPad"), statusPad(groundOf(bank, QRect(24, 96, 200, 200)))});
    const QImage pad = buttonsPad(groundOf(bank, QRect(424, 224, 150, 150)));
    out.push_back({gif("ButtonsPad"), pad});
    out.push_back({gif("DepositButton"),
                   button(groundOf(pad, QRect(24, 16, 104, 48)), QStringLiteral("Deposit"), 16)});
    out.push_back({gif("WithdrawButton"),
                   button(groundOf(pad, QRect(24, 80, 104, 48)), QStringLiteral("Withdraw"), 16)});
}

} // namespace

std::vector<Picture> allPictures() {
    std::vector<Picture> out;
    addTable(out);
    addMenu(out);
    addTown(out);
    addSchoolAndBank(out);
    return out;
}

} // namespace art
