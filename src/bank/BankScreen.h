// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include "bank/Transfer.h"
#include "game/Context.h"
#include "ui/GameTimer.h"
#include "ui/Label.h"
#include "ui/Image.h"
#include "ui/ImageButton.h"
#include "ui/Screen.h"

#include <QLineEdit>
#include <cstdint>

namespace bank {

// The bank: a machine that moves money between the cash in hand and the account. Every order is
// answered on the green status display and followed by three seconds of waiting; leaving saves
// both figures to the current game and its slot.
class BankScreen : public ui::Screen {
    Q_OBJECT
  public:
    BankScreen(ui::ScreenModel& screens, const game::GameContext& context);
    bool load() override;
    // Closing the window saves as leaving does; the game ends only once everything is on disk.
    bool closeRequested() override;

    ui::Image* fraStatus;
    ui::Label* lblMoney;
    ui::Label* lblStatus;
    QLineEdit* txtInput;
    ui::Image* fraOptions;
    ui::ImageButton* cmdDeposit;
    ui::ImageButton* cmdWithdraw;
    ui::ImageButton* imgQuit;
    ui::GameTimer* tmrDots;
    ui::GameTimer* tmrStatus;
    ui::GameTimer* tmrWait;

    // The transfer the status line reports while the machine waits.
    enum class Pending { Idle, Depositing, Withdrawing };

    // The machine's figures, as the player would read them after the wait.
    std::int16_t SlotNumber = 0;
    QString PlayerName;
    std::int16_t Money = 0;
    std::int16_t BankBalance = 0;
    QString DotsText;
    std::int16_t DotsCount = 0;
    Pending pending = Pending::Idle;
    QString AmountText;
    bool AmountValid = false;
    std::int16_t Amount = 0;

    // Ready for an order: the amount box and both buttons usable.
    bool isReady() const;

    void RefreshAccount();
    void ValidateAmount();

  protected:
    QWidget* startingFocus() const override;
    QString spokenOnArrival() const override;

  private:
    // The cash and the balance as a screen reader says them.
    QString spokenFigures() const;
    void order(Direction direction);
    void advanceDots();
    void redrawStatus();
    void endWait();
    // Saves the four files in their order; false (after telling the player) when one failed.
    bool settleAccount();
    void leave();
    void setControlsEnabled(bool enabled);

    const game::GameContext& context_;
    // A save is under way (its failure message may be open): a second leave must wait for it.
    bool saving_ = false;
};

} // namespace bank
