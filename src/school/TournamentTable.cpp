// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "school/TournamentTable.h"

#include "engine/Hand.h"
#include "game/Speech.h"
#include "school/Prize.h"
#include "ui/Accessibility.h"
#include "ui/Dialogs.h"
#include "ui/ScreenModel.h"

#include <QCoreApplication>

namespace school {

using ui::ScreenId;

namespace {

constexpr int LastRound = 5;
constexpr int CardWidth = 75;
constexpr int CardHeight = 100;

// Marks a handler as running for as long as it waits on its message boxes.
class BusyWhile {
  public:
    explicit BusyWhile(bool& flag) : flag_(flag) { flag_ = true; }
    ~BusyWhile() { flag_ = false; }
    BusyWhile(const BusyWhile&) = delete;
    BusyWhile& operator=(const BusyWhile&) = delete;

  private:
    bool& flag_;
};

ui::ImageButton* button(QWidget* parent, const QString& name, int left, int top, int width,
                        int height) {
    auto* control = new ui::ImageButton(parent, name);
    control->setRect(left, top, width, height);
    return control;
}

ui::Image* image(QWidget* parent, int left, int top, int width, int height) {
    auto* control = new ui::Image(parent);
    control->setRect(left, top, width, height);
    return control;
}

} // namespace

TournamentTable::TournamentTable(ui::ScreenModel& screens, const game::GameContext& context)
    : ui::Screen(ScreenId::Tournament, screens), imgDealer(image(this, 0, 0, 81, 17)),
      imgPlayer(image(this, 0, 168, 81, 17)), imgDeck(image(this, 504, 104, 75, 100)),
      picStatus(image(this, 232, 128, 100, 50)), lblRounds(new ui::Label(this)),
      cmdHit(button(this, QCoreApplication::translate("Button", "Hit"), 288, 344, 81, 33)),
      cmdStand(button(this, QCoreApplication::translate("Button", "Stand"), 392, 344, 81, 33)),
      cmdStart(button(this, QCoreApplication::translate("Button", "Start"), 488, 344, 81, 33)),
      cmdContinue(
          button(this, QCoreApplication::translate("Button", "Continue"), 488, 280, 81, 33)),
      picQuit(button(this, tr("Leave the tournament"), 584, 0, 17, 17)), context_(context) {
    for (int k = 1; k <= engine::HandSlots; ++k) {
        const int left = 8 + 80 * (k - 1);
        PCard(k) = image(this, left, 184, CardWidth, CardHeight);
        DCard(k) = image(this, left, 16, CardWidth, CardHeight);
        PCard(k)->setObjectName(QStringLiteral("PCard(%1)").arg(k));
        DCard(k)->setObjectName(QStringLiteral("DCard(%1)").arg(k));
    }
    imgDealer->setObjectName(QStringLiteral("imgDealer"));
    imgPlayer->setObjectName(QStringLiteral("imgPlayer"));
    imgDeck->setObjectName(QStringLiteral("imgDeck"));
    picStatus->setObjectName(QStringLiteral("picStatus"));
    lblRounds->setObjectName(QStringLiteral("lblRounds"));
    cmdHit->setObjectName(QStringLiteral("cmdHit"));
    cmdStand->setObjectName(QStringLiteral("cmdStand"));
    cmdStart->setObjectName(QStringLiteral("cmdStart"));
    cmdContinue->setObjectName(QStringLiteral("cmdContinue"));
    picQuit->setObjectName(QStringLiteral("picQuit"));

    // Cream on the felt, large enough to read from across the table.
    lblRounds->setRect(0, 304, 177, 33);
    lblRounds->setAlignment(Qt::AlignCenter);
    QFont heading(QStringLiteral("DejaVu Sans"));
    heading.setPointSize(16);
    heading.setBold(true);
    lblRounds->setFont(heading);
    lblRounds->setTextColor(QColor(244, 234, 206));

    connect(cmdStart, &ui::ImageButton::clicked, this, [this] {
        if (busy_ || state_ != State::Ready) return;
        const BusyWhile busy(busy_);
        StartRound();
    });
    connect(cmdHit, &ui::ImageButton::clicked, this, &TournamentTable::hit);
    connect(cmdStand, &ui::ImageButton::clicked, this, &TournamentTable::stand);
    connect(cmdContinue, &ui::ImageButton::clicked, this, &TournamentTable::continueOn);
    connect(picQuit, &ui::ImageButton::clicked, this, &TournamentTable::quit);

    bindKey(QStringLiteral("Enter"), {cmdStart, cmdContinue});
    // Each key the first letter of its button's word, in every language.
    bindKey(tr("H", "key: Hit"), {cmdHit});
    bindKey(tr("S", "key: Stand"), {cmdStand});
    bindKey(QStringLiteral("Esc"), {picQuit});
}

bool TournamentTable::load() {
    setBackground(path("\\Graphics\\Background.GIF"));
    cmdHit->setPicture(path("\\Graphics\\HitButton.GIF"));
    cmdStart->setPicture(path("\\Graphics\\StartButton.GIF"));
    cmdStand->setPicture(path("\\Graphics\\StandButton.GIF"));
    cmdContinue->setPicture(path("\\Graphics\\ContinueButton.GIF"));
    imgPlayer->setPicture(path("\\Graphics\\Player.GIF"),
                          QCoreApplication::translate("Button", "Player"));
    imgDealer->setPicture(path("\\Graphics\\Dealer.GIF"),
                          QCoreApplication::translate("Button", "Dealer"));
    cmdHit->hide();
    cmdStand->hide();
    cmdStart->show();
    clearTable();
    picQuit->setPicture(path("\\Graphics\\Quit.GIF"));
    picQuit->show();
    RoundNumber = 0;
    imgDeck->setPicture(path(engine::BackPicture), game::deckName());
    RoundPassed = false;
    lblRounds->setCaption({});
    state_ = State::Ready;
    return true;
}

void TournamentTable::clearTable() {
    for (int k = 1; k <= engine::HandSlots; ++k) {
        for (ui::Image* slot : {PCard(k), DCard(k)}) {
            slot->setFixedPictureSize(CardWidth, CardHeight);
            slot->hide();
        }
    }
    hand_.clearTable();
    cmdContinue->hide();
    picStatus->hide();
}

void TournamentTable::StartRound() {
    ++RoundNumber;
    lblRounds->setCaption(tr("Round #%1").arg(RoundNumber));
    // Once the first card is out the player stays at the table until the tournament ends.
    picQuit->hide();
    const std::int16_t count = engine::DrawnCards;
    engine::DrawCards(hand_, count, context_.random);
    for (int k = 1; k <= engine::HandSlots; ++k) {
        PCard(k)->show();
        DCard(k)->show();
    }
    cmdHit->show();
    cmdStand->show();
    cmdStart->hide();

    engine::DealHand(hand_);
    for (int k = 1; k <= 2; ++k)
        showFace(PCard(k), hand_.PlayerSuits(k), hand_.PlayerRanks(k));
    DCard(1)->setPicture(path(engine::BackPicture), game::faceDownName());
    showFace(DCard(2), hand_.DealerSuits(2), hand_.DealerRanks(2));
    state_ = State::InHand;
    ui::announce(this,
                 tr("Round %1.").arg(RoundNumber) + QLatin1Char(' ') + game::spokenDeal(hand_));
}

void TournamentTable::hit() {
    if (busy_ || state_ != State::InHand) return;
    const BusyWhile busy(busy_);
    const engine::HitReport report = engine::PlayerHit(hand_);
    if (report.slot == 0) return;
    showFace(PCard(report.slot), hand_.PlayerSuits(report.slot), hand_.PlayerRanks(report.slot));
    ui::announce(this, game::spokenHit(hand_, report));
    if (!report.bust && !report.sixthCard) return;

    cmdHit->hide();
    cmdStand->hide();
    cmdContinue->show();
    state_ = State::HandOver;
    if (report.bust) {
        showStatus(engine::TableResult::Busted);
        RoundPassed = false;
        context_.dialogs.message(tr("Sorry, but you lose."));
    } else {
        // Six cards without passing 21 pass the round.
        showStatus(engine::TableResult::Win);
        RoundPassed = true;
    }
}

void TournamentTable::stand() {
    if (busy_ || state_ != State::InHand) return;
    const BusyWhile busy(busy_);
    cmdHit->hide();
    cmdStand->hide();
    state_ = State::HandOver;

    const engine::StandReport report = engine::Stand(hand_);
    const int firstDraw = hand_.NextDealerSlot - report.dealerDraws;
    for (int slot = firstDraw; slot < hand_.NextDealerSlot; ++slot)
        showFace(DCard(slot), hand_.DealerSuits(slot), hand_.DealerRanks(slot));
    // The hole card turns up only once the dealer has finished drawing.
    showFace(DCard(1), hand_.DealerSuits(1), hand_.DealerRanks(1));
    ui::announce(this, game::spokenStand(hand_, report));
    picStatus->show();

    switch (report.outcome) {
    case engine::Outcome::Win:
        showStatus(engine::TableResult::Win);
        RoundPassed = true;
        context_.dialogs.message(tr("Good job!"));
        break;
    case engine::Outcome::Draw:
        // The round is dealt again under the same number.
        showStatus(engine::TableResult::Draw);
        --RoundNumber;
        context_.dialogs.message(tr("Well, it's a draw, let's do this round again."));
        RoundPassed = true;
        break;
    case engine::Outcome::Loss:
    case engine::Outcome::NoDecision: // only a player over 21 gets there, and a bust ends the hit
        showStatus(engine::TableResult::Lose);
        RoundPassed = false;
        context_.dialogs.message(tr("Sorry, but you lose."));
        break;
    }
    cmdContinue->show();
}

void TournamentTable::continueOn() {
    if (busy_ || state_ != State::HandOver) return;
    const BusyWhile busy(busy_);
    setBackground(path("\\Graphics\\Background.GIF"));
    clearTable();
    for (int k = 1; k <= engine::HandSlots; ++k) {
        PCard(k)->setPicture(path(engine::NonePicture));
        DCard(k)->setPicture(path(engine::NonePicture));
    }

    if (RoundPassed && RoundNumber == LastRound) {
        // The cleared table is on screen before the prize is written to disk.
        repaint();
        context_.dialogs.message(tr("You have passed all five rounds."));
        context_.dialogs.message(PayPrize(context_.folder));
        RoundPassed = false;
    }
    if (RoundPassed) {
        context_.dialogs.message(tr("Alright, next round!"));
        StartRound();
        return;
    }
    context_.dialogs.message(tr("Looks like you're finished here."));
    context_.dialogs.message(tr("See you around."));
    endTournament();
}

void TournamentTable::endTournament() {
    // Back to the hall with the table loaded afresh: every round, card and caption cleared. The
    // hall comes to the front first, so the window never stands empty in between.
    ui::ScreenModel& model = screens();
    model.show(ScreenId::School);
    model.close(ScreenId::Tournament);
    model.load(ScreenId::Tournament);
}

void TournamentTable::quit() {
    if (busy_ || state_ != State::Ready) return;
    // Nothing is reset: the next visit finds the table as it was left.
    if (screens().show(ScreenId::School)) screens().hide(ScreenId::Tournament);
}

void TournamentTable::showFace(ui::Image* slot, const std::string& suit, std::int16_t rank) {
    const std::string face = engine::CardFacePath(suit, rank);
    if (!face.empty()) slot->setPicture(context_.folder.path(face), game::cardName(suit, rank));
}

void TournamentTable::showStatus(engine::TableResult result) {
    const QString said = game::resultName(result);
    picStatus->setPicture(path(engine::ResultPicture(result)), said);
    picStatus->show();
    ui::announce(this, said + QLatin1Char('.'));
}

} // namespace school
