// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "casino/CasinoTable.h"

#include "engine/Hand.h"
#include "game/Records.h"
#include "game/Report.h"
#include "game/Speech.h"
#include "ui/Accessibility.h"
#include "ui/Dialogs.h"
#include "ui/ScreenModel.h"

#include <QCoreApplication>
#include <QScopedValueRollback>

namespace casino {

using ui::ScreenId;

namespace {

constexpr int CardWidth = 75;
constexpr int CardHeight = 100;
// Neighbouring card slots overlap by three pixels.
constexpr int CardSpacing = 72;
constexpr int DealerRowTop = 16;
constexpr int PlayerRowTop = 184;

// Cream bold on the dark felt, small enough that "Money: $-32768" still fits its label.
void styleAmount(ui::Label* label) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(11);
    font.setBold(true);
    label->setFont(font);
    label->setTextColor(QColor(246, 236, 208));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setIndent(8);
}

} // namespace

CasinoTable::CasinoTable(ui::ScreenModel& screens, const game::GameContext& context)
    : ui::Screen(ScreenId::Test, screens), context_(context) {
    // The caption-less labels lie under everything else; they still count as controls when the
    // table asks whether the pointer is over its bare felt.
    Label1 = new ui::Label(this);
    Label2 = new ui::Label(this);
    Label3 = new ui::Label(this);
    Label4 = new ui::Label(this);
    Label1->setRect(0, 296, 161, 25);
    Label2->setRect(0, 336, 273, 57);
    Label3->setRect(232, 288, 57, 33);
    Label4->setRect(312, 288, 81, 33);

    cmdDD = new ui::ImageButton(this, QCoreApplication::translate("Button", "Double Down"));
    imgPlayer = new ui::Image(this);
    imgDealer = new ui::Image(this);
    imgDeck = new ui::Image(this);
    cmdReset = new ui::ImageButton(this, QCoreApplication::translate("Button", "Reset"));
    cmdDeal = new ui::ImageButton(this, QCoreApplication::translate("Button", "Deal"));
    cmdStand = new ui::ImageButton(this, QCoreApplication::translate("Button", "Stand"));
    cmdHit = new ui::ImageButton(this, QCoreApplication::translate("Button", "Hit"));
    lblBet = new ui::Label(this);
    lblMoney = new ui::Label(this);
    picQuit = new ui::ImageButton(this, tr("Leave the casino"));
    picStatus = new ui::Image(this);
    for (int k = 1; k <= engine::HandSlots; ++k) {
        PCard(k) = new ui::Image(this);
        PCard(k)->setRect(CardSpacing * (k - 1), PlayerRowTop, CardWidth, CardHeight);
        PCard(k)->setObjectName(QStringLiteral("PCard(%1)").arg(k));
    }
    for (int k = 1; k <= engine::HandSlots; ++k) {
        DCard(k) = new ui::Image(this);
        DCard(k)->setRect(CardSpacing * (k - 1), DealerRowTop, CardWidth, CardHeight);
        DCard(k)->setObjectName(QStringLiteral("DCard(%1)").arg(k));
    }

    cmdDD->setRect(480, 280, 100, 50);
    imgPlayer->setRect(0, 168, 81, 17);
    imgDealer->setRect(0, 0, 81, 17);
    imgDeck->setRect(464, 48, 75, 100);
    cmdReset->setRect(488, 344, 81, 33);
    cmdDeal->setRect(488, 344, 81, 33);
    cmdStand->setRect(480, 224, 100, 50);
    cmdHit->setRect(480, 168, 100, 50);
    lblBet->setRect(0, 360, 137, 25);
    lblMoney->setRect(0, 312, 145, 41);
    picQuit->setRect(584, 0, 17, 17);
    picStatus->setRect(232, 128, 100, 50);
    styleAmount(lblMoney);
    styleAmount(lblBet);

    const std::pair<QObject*, const char*> names[] = {
        {cmdDD, "cmdDD"},       {imgPlayer, "imgPlayer"}, {imgDealer, "imgDealer"},
        {imgDeck, "imgDeck"},   {cmdReset, "cmdReset"},   {cmdDeal, "cmdDeal"},
        {cmdStand, "cmdStand"}, {cmdHit, "cmdHit"},       {lblBet, "lblBet"},
        {lblMoney, "lblMoney"}, {picQuit, "picQuit"},     {picStatus, "picStatus"},
        {Label1, "Label1"},     {Label2, "Label2"},       {Label3, "Label3"},
        {Label4, "Label4"}};
    for (const auto& [control, name] : names)
        control->setObjectName(QLatin1String(name));

    connect(cmdDeal, &ui::ImageButton::clicked, this, &CasinoTable::deal);
    connect(cmdHit, &ui::ImageButton::clicked, this, &CasinoTable::hitClicked);
    connect(cmdStand, &ui::ImageButton::clicked, this, &CasinoTable::standClicked);
    connect(cmdDD, &ui::ImageButton::clicked, this, &CasinoTable::doubleDown);
    connect(cmdReset, &ui::ImageButton::clicked, this, &CasinoTable::reset);
    connect(picQuit, &ui::ImageButton::clicked, this, &CasinoTable::leave);
    connect(this, &ui::Screen::backgroundPointerMoved, this, &CasinoTable::checkNoMoney);

    bindKey(QStringLiteral("Enter"), {cmdDeal, cmdReset});
    // Each key the first letter of its button's word, in every language.
    bindKey(tr("H", "key: Hit"), {cmdHit});
    bindKey(tr("S", "key: Stand"), {cmdStand});
    bindKey(tr("D", "key: Double Down"), {cmdDD});
    bindKey(QStringLiteral("Esc"), {picQuit});
}

QString CasinoTable::picture(const char* gameName) const {
    return context_.folder.path(gameName);
}

bool CasinoTable::load() {
    setBackground(picture("\\Graphics\\Background.GIF"));
    cmdHit->setPicture(picture("\\Graphics\\HitButton.GIF"));
    cmdDeal->setPicture(picture("\\Graphics\\DealButton.GIF"));
    cmdStand->setPicture(picture("\\Graphics\\StandButton.GIF"));
    cmdReset->setPicture(picture("\\Graphics\\Reset.GIF"));
    cmdDD->setPicture(picture("\\Graphics\\DoubleDownButton.GIF"));
    imgPlayer->setPicture(picture("\\Graphics\\Player.GIF"),
                          QCoreApplication::translate("Button", "Player"));
    imgDealer->setPicture(picture("\\Graphics\\Dealer.GIF"),
                          QCoreApplication::translate("Button", "Dealer"));

    cmdHit->hide();
    cmdStand->hide();
    cmdDD->hide();
    cmdDeal->show();
    // The empty slots stay blank, without a picture, until the first reset.
    clearTable();
    picQuit->setPicture(picture("\\Graphics\\Quit.GIF"));

    const auto cash = game::ReadIntegerRecord(context_.folder.path(game::CurrentMoneyFile));
    if (!game::reportIfFailed(context_.dialogs, cash,
                              tr("The casino stays closed; nothing was changed.")))
        return false;
    purse_.Money = cash.value();
    purse_.Bet = 0;
    lblMoney->setCaption(tr("Money: $%1").arg(purse_.Money));
    lblBet->setCaption(QString());
    BetText.clear();
    BetValid = false;

    imgDeck->setPicture(
        context_.folder.path(engine::DeckBackPicture(engine::ChooseDeckBack(context_.random))),
        game::deckName());
    state_ = State::Betting;
    return true;
}

void CasinoTable::clearTable() {
    for (int k = 1; k <= engine::HandSlots; ++k) {
        for (ui::Image* card : {PCard(k), DCard(k)}) {
            card->setFixedPictureSize(CardWidth, CardHeight);
            card->hide();
        }
    }
    hand_.clearTable();
    cmdReset->hide();
    picStatus->hide();
}

void CasinoTable::showCard(ui::Image* slot, const std::string& suit, std::int16_t rank) {
    const std::string face = engine::CardFacePath(suit, rank);
    if (!face.empty()) slot->setPicture(context_.folder.path(face), game::cardName(suit, rank));
}

void CasinoTable::showLabels() {
    lblMoney->setCaption(tr("Money: $%1").arg(purse_.Money));
    lblBet->setCaption(tr("Bet: $%1").arg(purse_.Bet));
}

void CasinoTable::deal() {
    if (state_ != State::Betting || busy_) return;
    const QScopedValueRollback guard(busy_, true);

    BetText = context_.dialogs.input(tr("How much will you be betting?"), tr("Place your bet!"));
    const BetCheck check = checkBet(BetText, purse_.Money);
    // A bet turned away for its amount stays in Bet until the next one is typed.
    if (check.amount) purse_.Bet = *check.amount;
    BetValid = check.refusal == BetRefusal::None;
    if (!BetValid) {
        context_.dialogs.message(refusalMessage(check.refusal));
        return;
    }

    picQuit->hide();
    purse_.takeStake(*check.amount);
    showLabels();
    const std::int16_t cards = engine::DrawnCards;
    engine::DrawCards(hand_, cards, context_.random);
    for (int k = 1; k <= engine::HandSlots; ++k) {
        PCard(k)->show();
        DCard(k)->show();
    }
    cmdHit->show();
    cmdStand->show();
    cmdDD->show();
    cmdDeal->hide();
    if (!purse_.canDoubleDown()) cmdDD->hide();

    engine::DealHand(hand_);
    for (int k = 1; k <= 2; ++k)
        showCard(PCard(k), hand_.PlayerSuits(k), hand_.PlayerRanks(k));
    DCard(1)->setPicture(picture(engine::BackPicture), game::faceDownName());
    showCard(DCard(2), hand_.DealerSuits(2), hand_.DealerRanks(2));
    state_ = State::PlayersTurn;
    ui::announce(this, game::spokenDeal(hand_) + QLatin1Char(' ') +
                           tr("Bet $%1, cash $%2.").arg(purse_.Bet).arg(purse_.Money));
}

void CasinoTable::hitClicked() {
    if (state_ != State::PlayersTurn || busy_) return;
    const QScopedValueRollback guard(busy_, true);
    playerHit(false);
    finishClick();
}

void CasinoTable::standClicked() {
    if (state_ != State::PlayersTurn || busy_) return;
    const QScopedValueRollback guard(busy_, true);
    playerStand();
    finishClick();
}

void CasinoTable::doubleDown() {
    if (state_ != State::PlayersTurn || busy_ || !purse_.canDoubleDown()) return;
    const QScopedValueRollback guard(busy_, true);
    purse_.doubleDown();
    showLabels();
    ui::announce(this, tr("You double down: bet $%1, cash $%2.").arg(purse_.Bet).arg(purse_.Money));
    playerHit(true);
    // The stand runs whatever the hit did, a bust or a sixth card included.
    playerStand();
    finishClick();
}

void CasinoTable::endHand(engine::TableResult result) {
    cmdHit->hide();
    cmdStand->hide();
    cmdDD->hide();
    showResult(result);
    picStatus->show();
    cmdReset->show();
    state_ = State::HandOver;
}

void CasinoTable::showResult(engine::TableResult result) {
    picStatus->setPicture(picture(engine::ResultPicture(result)), game::resultName(result));
}

void CasinoTable::playerHit(bool insideDoubleDown) {
    const engine::HitReport report = engine::PlayerHit(hand_);
    if (report.slot == 0) return;
    showCard(PCard(report.slot), hand_.PlayerSuits(report.slot), hand_.PlayerRanks(report.slot));
    ui::announce(this, game::spokenHit(hand_, report));

    if (report.bust) {
        // The stake taken at the deal is simply not returned.
        endHand(engine::TableResult::Busted);
        saveDue_ = true;
    } else if (report.sixthCard) {
        endHand(engine::TableResult::Win);
        // Six cards without a bust win and pay as a win. Inside a double down the stand that
        // follows settles the stake instead, so it is paid exactly once.
        if (!insideDoubleDown) {
            purse_.settle(engine::Outcome::Win);
            saveDue_ = true;
        }
    }
}

void CasinoTable::playerStand() {
    cmdHit->hide();
    cmdStand->hide();
    cmdDD->hide();

    const int firstDealerSlot = hand_.NextDealerSlot;
    const engine::StandReport report = engine::Stand(hand_);
    for (int slot = firstDealerSlot; slot < firstDealerSlot + report.dealerDraws; ++slot)
        showCard(DCard(slot), hand_.DealerSuits(slot), hand_.DealerRanks(slot));
    // The hole card is turned up only once the dealer has finished drawing.
    showCard(DCard(1), hand_.DealerSuits(1), hand_.DealerRanks(1));
    ui::announce(this, game::spokenStand(hand_, report));

    picStatus->show();
    switch (report.outcome) {
    case engine::Outcome::Win:
        showResult(engine::TableResult::Win);
        break;
    case engine::Outcome::Loss:
        showResult(engine::TableResult::Lose);
        break;
    case engine::Outcome::Draw:
        showResult(engine::TableResult::Draw);
        break;
    case engine::Outcome::NoDecision:
        // Only a player busted by a double down gets here; the bust picture stays.
        break;
    }

    purse_.settle(report.outcome);
    cmdHit->hide();
    cmdStand->hide();
    cmdReset->show();
    state_ = State::HandOver;
    saveDue_ = true;
}

void CasinoTable::finishClick() {
    if (!saveDue_) return;
    saveDue_ = false;
    // The cash on display changes only at the reset, and is said then.
    ui::announce(this, picStatus->spokenName() + QLatin1Char('.'));
    // The two synced file writes take longer than a frame: the player sees (or hears) the end of
    // the hand first, all of the click's steps at once, and the save is still over before the
    // next click is handled.
    repaint();
    SaveMoney();
}

void CasinoTable::reset() {
    if (state_ != State::HandOver || busy_) return;
    const QScopedValueRollback guard(busy_, true);

    setBackground(picture("\\Graphics\\Background.GIF"));
    cmdHit->hide();
    cmdStand->hide();
    cmdDeal->show();
    clearTable();
    BetValid = false;
    picQuit->show();
    for (int k = 1; k <= engine::HandSlots; ++k) {
        PCard(k)->setPicture(picture(engine::NonePicture));
        DCard(k)->setPicture(picture(engine::NonePicture));
    }
    purse_.Bet = 0;
    showLabels();
    state_ = State::Betting;
    ui::announce(this, tr("The table is clear. Cash $%1.").arg(purse_.Money));

    if (purse_.Money > 0) return;
    // Nothing is saved here: the end of the hand has saved the cash already.
    purse_.clearForNextHand();
    context_.dialogs.message(tr("Oh, looks like you ran out of money!"));
    context_.dialogs.message(tr("Better luck next time."));
    goToLocations();
}

void CasinoTable::leave() {
    if (state_ != State::Betting || busy_) return;
    const QScopedValueRollback guard(busy_, true);
    goToLocations();
}

void CasinoTable::checkNoMoney() {
    if (busy_ || purse_.Money != 0 || purse_.Bet != 0) return;
    const QScopedValueRollback guard(busy_, true);
    context_.dialogs.message(tr("Sorry, but you have no money on you."));
    context_.dialogs.message(tr("Please come back when you have money."));
    goToLocations();
}

bool CasinoTable::goToLocations() {
    if (!screens().show(ScreenId::Locations)) return false;
    screens().hide(ScreenId::Test);
    // The table keeps nothing between visits; the next one starts from the saved cash.
    screens().close(ScreenId::Test);
    return true;
}

bool CasinoTable::SaveMoney() {
    // Each file is finished before the next is opened, the current game's first.
    const QString current = context_.folder.path(game::CurrentMoneyFile);
    std::optional<game::RecordError> failure = game::WriteIntegerRecord(current, purse_.Money);
    if (!failure) {
        // The slot is read anew each time: the table keeps no slot number of its own.
        const QString slotFile = context_.folder.path(game::CurrentSlotFile);
        const auto slot = game::ReadIntegerRecord(slotFile);
        if (!slot.ok()) {
            failure = slot.error();
        } else if (slot.value() < 1 || slot.value() > game::SlotCount) {
            failure = game::RecordError{
                game::RecordError::Kind::Malformed, slotFile,
                tr("it names no save slot 1 to 3", "why the save file is damaged")};
        } else {
            failure = game::WriteIntegerRecord(
                game::SlotFilePath(context_.folder, slot.value(), QStringLiteral("Money.txt")),
                purse_.Money);
        }
    }
    return game::reportIfFailed(
        context_.dialogs, failure,
        tr("Your cash of $%1 stays at the table but is not saved.").arg(purse_.Money));
}

QString CasinoTable::spokenOnArrival() const {
    return tr("Cash $%1.").arg(purse_.Money);
}

bool CasinoTable::closeRequested() {
    // A box of the table still open must be answered first.
    if (busy_) return false;
    if (state_ != State::PlayersTurn) return true;
    const QScopedValueRollback guard(busy_, true);
    // A fair table keeps the stake of a hand walked away from, and says so before it does.
    if (!context_.dialogs.confirm(
            tr("Leave the table now? Your bet of $%1 is lost.").arg(purse_.Bet)))
        return false;
    SaveMoney();
    return true;
}

} // namespace casino
