// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include "engine/Cards.h"
#include "engine/OneBased.h"
#include "game/Context.h"
#include "ui/Label.h"
#include "ui/Image.h"
#include "ui/ImageButton.h"
#include "ui/Screen.h"

#include <cstdint>

namespace school {

// The school's tournament: up to five unwagered rounds against the dealer. A win passes the
// round, a draw deals it again, a loss or a bust ends the run; passing the fifth pays the prize.
class TournamentTable : public ui::Screen {
    Q_OBJECT
  public:
    // Ready: Start and Quit offered. InHand: the player's turn. HandOver: a result lies on the
    // table and Continue is offered.
    enum class State { Ready, InHand, HandOver };

    TournamentTable(ui::ScreenModel& screens, const game::GameContext& context);
    bool load() override;

    State state() const { return state_; }
    const engine::HandState& hand() const { return hand_; }
    std::int16_t roundNumber() const { return RoundNumber; }
    bool roundPassed() const { return RoundPassed; }

    engine::OneBased<ui::Image*, engine::HandSlots> PCard;
    engine::OneBased<ui::Image*, engine::HandSlots> DCard;
    ui::Image* imgDealer;
    ui::Image* imgPlayer;
    ui::Image* imgDeck;
    ui::Image* picStatus;
    ui::Label* lblRounds;
    ui::ImageButton* cmdHit;
    ui::ImageButton* cmdStand;
    ui::ImageButton* cmdStart;
    ui::ImageButton* cmdContinue;
    ui::ImageButton* picQuit;

  private:
    void StartRound();
    void hit();
    void stand();
    void continueOn();
    void quit();

    // Hides every card slot at its card size and clears the hand, as at opening and between hands.
    void clearTable();
    void showFace(ui::Image* slot, const std::string& suit, std::int16_t rank);
    void showStatus(engine::TableResult result);
    void endTournament();
    QString path(const char* gameName) const { return context_.folder.path(gameName); }

    const game::GameContext& context_;
    engine::HandState hand_;
    std::int16_t RoundNumber = 0;
    bool RoundPassed = false;
    State state_ = State::Ready;
    // Set while a handler waits on a message box, so a click that slips in meanwhile is ignored.
    bool busy_ = false;
};

} // namespace school
