// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include "casino/Settlement.h"
#include "engine/Cards.h"
#include "engine/OneBased.h"
#include "game/Context.h"
#include "ui/Label.h"
#include "ui/Image.h"
#include "ui/ImageButton.h"
#include "ui/Screen.h"

namespace casino {

// The casino's blackjack table: the player bets cash on one hand at a time, hits, stands or
// doubles down, and the cash is saved at the end of every hand.
class CasinoTable : public ui::Screen {
    Q_OBJECT
  public:
    enum class State { Betting, PlayersTurn, HandOver };

    CasinoTable(ui::ScreenModel& screens, const game::GameContext& context);
    bool load() override;
    // Closing the window during a hand asks first: the stake on the table is lost either way.
    bool closeRequested() override;

    // Writes the cash to the current-game file, then to the money file of the slot that
    // "CurrentSlot.txt" names. False when a file failed; the player has been told which.
    bool SaveMoney();

    State state() const { return state_; }
    std::int16_t money() const { return purse_.Money; }
    std::int16_t bet() const { return purse_.Bet; }
    const QString& betText() const { return BetText; }
    bool betValid() const { return BetValid; }
    const engine::HandState& hand() const { return hand_; }

    ui::ImageButton* cmdDD;
    ui::Image* imgPlayer;
    ui::Image* imgDealer;
    ui::Image* imgDeck;
    ui::ImageButton* cmdReset;
    ui::ImageButton* cmdDeal;
    ui::ImageButton* cmdStand;
    ui::ImageButton* cmdHit;
    ui::Label* lblBet;
    ui::Label* lblMoney;
    ui::ImageButton* picQuit;
    ui::Image* picStatus;
    engine::OneBased<ui::Image*, engine::HandSlots> PCard;
    engine::OneBased<ui::Image*, engine::HandSlots> DCard;
    ui::Label* Label1;
    ui::Label* Label2;
    ui::Label* Label3;
    ui::Label* Label4;

  protected:
    QString spokenOnArrival() const override;

  private:
    // Click handlers: each acts only in the state that offers its control.
    void deal();
    void hitClicked();
    void standClicked();
    void doubleDown();
    // Ends a click that ended the hand: the result said, the table shown as the click left it,
    // then saved.
    void finishClick();
    void reset();
    void leave();
    void checkNoMoney();

    // The hand's steps, shared by the buttons and the double down.
    void playerHit(bool insideDoubleDown);
    void playerStand();
    void endHand(engine::TableResult result);
    void showResult(engine::TableResult result);

    void clearTable();
    void showCard(ui::Image* slot, const std::string& suit, std::int16_t rank);
    void showLabels();
    // Back to the town; false (and the table stays) when the town could not open.
    bool goToLocations();
    QString picture(const char* gameName) const;

    const game::GameContext& context_;
    engine::HandState hand_;
    Purse purse_;
    QString BetText;
    bool BetValid = false;
    State state_ = State::Betting;
    // The hand has ended within the click being handled: its cash is saved once the click's
    // last step is on screen.
    bool saveDue_ = false;
    // A handler with a modal box open must not be entered again by a click queued behind it.
    bool busy_ = false;
};

} // namespace casino
