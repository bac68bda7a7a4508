// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "Catalogue.h"

#include "Backgrounds.h"
#include "BankArt.h"
#include "Buttons.h"
#include "Canvas.h"
#include "Cards.h"
#include "Instructions.h"
#include "Lettering.h"
#include "MenuArt.h"

#include <QCoreApplication>
#include <QPainter>

namespace art {
namespace {

QString gif(const char* name) {
    return QString::fromLatin1(name) + QStringLiteral(".GIF");
}

// Adds the picture with the words that did not fit it.
void put(std::vector<Picture>& out, const QString& name, const QImage& image,
         Dither dither = Dither::None, bool words = false) {
    out.push_back({name, image, dither, words, takeMisfits()});
}

// A picture that carries words, drawn again in every language. Button words are the same the
// game gives the buttons for a screen reader.
void putWorded(std::vector<Picture>& out, const char* name, const QImage& image,
               Dither dither = Dither::None) {
    put(out, gif(name), image, dither, true);
}

void addTable(std::vector<Picture>& out) {
    const QImage table = tableBackground();
    auto at = [&table](int x, int y, int w, int h) { return groundOf(table, QRect(x, y, w, h)); };
    putWorded(out, "Background", table);

    // Every card place on both tables lies on the same plain felt as the first dealer slot.
    const QImage cardGround = at(0, 16, cardWidth, cardHeight);
    for (Suit suit : allSuits) {
        for (int rank = 1; rank <= 13; ++rank)
            put(out, faceFileName(suit, rank), faceImage(suit, rank, cardGround));
    }
    put(out, gif("Back"), backImage(BackDesign::Lattice, cardGround));
    put(out, gif("BackDeath"), backImage(BackDesign::Death, cardGround));
    put(out, gif("BackLove"), backImage(BackDesign::Love, cardGround));
    put(out, gif("None"), emptySlotImage(cardGround));

    putWorded(
        out, "Dealer",
        heading(at(0, 0, 81, 17), QCoreApplication::translate("Button", "Dealer"), 14, false));
    putWorded(
        out, "Player",
        heading(at(0, 168, 81, 17), QCoreApplication::translate("Button", "Player"), 14, false));

    // Hit and stand are also shown shrunk to 81 x 33 at the tournament, so their labels are big.
    putWorded(out, "HitButton",
              button(at(480, 168, 100, 50), QCoreApplication::translate("Button", "Hit"), 24));
    putWorded(out, "StandButton",
              button(at(480, 224, 100, 50), QCoreApplication::translate("Button", "Stand"), 24));
    putWorded(
        out, "DoubleDownButton",
        button(at(480, 280, 100, 50), QCoreApplication::translate("Button", "Double Down"), 16));
    const QImage small = at(488, 344, 81, 33);
    putWorded(out, "DealButton", button(small, QCoreApplication::translate("Button", "Deal"), 16));
    putWorded(out, "Reset", button(small, QCoreApplication::translate("Button", "Reset"), 16));
    putWorded(out, "StartButton",
              button(small, QCoreApplication::translate("Button", "Start"), 16));
    putWorded(out, "ContinueButton",
              button(at(488, 280, 81, 33), QCoreApplication::translate("Button", "Continue"), 14));

    const QImage badgeGround = at(232, 128, 100, 50);
    putWorded(out, "Win", badge(badgeGround, Result::Win));
    putWorded(out, "Lose", badge(badgeGround, Result::Lose));
    putWorded(out, "Draw", badge(badgeGround, Result::Draw));
    putWorded(out, "Busted", badge(badgeGround, Result::Busted));
    put(out, gif("Quit"), quitBox(17));
}

void addMenu(std::vector<Picture>& out) {
    const QImage start = startBackground();
    auto at = [&start](int x, int y, int w, int h) { return groundOf(start, QRect(x, y, w, h)); };
    put(out, gif("StartBackground"), start, Dither::FloydSteinberg);

    const QImage spades = faceImage(Suit::Spades, 1, at(0, 0, 75, 100));
    const QImage hearts = faceImage(Suit::Hearts, 1, at(520, 0, 75, 100));
    put(out, gif("CardSpades"), spades);
    put(out, gif("CardHearts"), hearts);
    put(out, gif("CardClovers"), faceImage(Suit::Clovers, 1, at(0, 296, 75, 100)));
    put(out, gif("CardDiamonds"), faceImage(Suit::Diamonds, 1, at(528, 296, 75, 100)));
    // The logo is drawn over the upper corner cards, so its ground carries their lower corners.
    QImage logoGround = at(56, 72, 488, 190);
    {
        QPainter painter(&logoGround);
        painter.drawImage(QPoint(0 - 56, 0 - 72), spades);
        painter.drawImage(QPoint(520 - 56, 0 - 72), hearts);
    }
    putWorded(out, "Logo", logo(logoGround), Dither::FloydSteinberg);

    putWorded(out, "Start",
              button(at(184, 280, 160, 48), QCoreApplication::translate("Button", "New Game"), 19));
    putWorded(out, "Continue",
              button(at(352, 280, 160, 48), QCoreApplication::translate("Button", "Continue"), 19));
    putWorded(
        out, "InstructionsButton",
        button(at(184, 336, 160, 48), QCoreApplication::translate("Button", "Instructions"), 19));
    putWorded(out, "QuitButton",
              button(at(352, 336, 160, 48), QCoreApplication::translate("Button", "Quit"), 19));

    putWorded(out, "Slots",
              heading(at(248, 8, 200, 36), QCoreApplication::translate("Button", "Save Slots"), 24,
                      true));
    putWorded(out, "MainMenuButton",
              button(at(488, 8, 104, 32), QCoreApplication::translate("Button", "Main Menu"), 14));
    put(out, gif("SlotFrame"), slotFrame());
    put(out, gif("BackArrow"), arrowButton(at(480, 352, 48, 40), false));
    put(out, gif("NextArrow"), arrowButton(at(536, 352, 48, 40), true));

    const QImage pageGround = at(40, 56, 520, 270);
    for (int page = 1; page <= instructionPages; ++page) {
        const QString name = page == instructionPages
                                 ? QStringLiteral("InstructionsFinal.GIF")
                                 : QStringLiteral("Instructions%1.GIF").arg(page);
        put(out, name, instructionPage(pageGround, page), Dither::None, true);
    }
}

void addTown(std::vector<Picture>& out) {
    const QImage town = townBackground();
    putWorded(out, "LocationsBG", town, Dither::FloydSteinberg);
    putWorded(out, "GoButton",
              button(groundOf(town, QRect(472, 280, 104, 48)),
                     QCoreApplication::translate("Button", "Go"), 24, Tone::Green));

    const QImage home = homeBackground();
    putWorded(out, "HomeBG", home, Dither::FloydSteinberg);
    putWorded(out, "StatsPic",
              iconButton(groundOf(home, QRect(120, 96, 128, 96)),
                         QCoreApplication::translate("Button", "Stats"), Icon::Stats));
    putWorded(out, "SleepPic",
              iconButton(groundOf(home, QRect(400, 96, 128, 96)),
                         QCoreApplication::translate("Button", "Sleep"), Icon::Sleep));
}

void addSchoolAndBank(std::vector<Picture>& out) {
    const QImage school = schoolBackground();
    putWorded(out, "SchoolBG", school, Dither::FloydSteinberg);
    putWorded(out, "TournamentPic",
              button(groundOf(school, QRect(64, 112, 81, 33)),
                     QCoreApplication::translate("Button", "Tournament")));

    const QImage bank = bankBackground();
    putWorded(out, "BankBG", bank, Dither::FloydSteinberg);
    putWorded(out, "StatusPad", statusPad(groundOf(bank, QRect(24, 96, 200, 200))));
    const QImage pad = buttonsPad(groundOf(bank, QRect(424, 224, 150, 150)));
    put(out, gif("ButtonsPad"), pad);
    putWorded(out, "DepositButton",
              button(groundOf(pad, QRect(24, 16, 104, 48)),
                     QCoreApplication::translate("Button", "Deposit"), 16));
    putWorded(out, "WithdrawButton",
              button(groundOf(pad, QRect(24, 80, 104, 48)),
                     QCoreApplication::translate("Button", "Withdraw"), 16));
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
