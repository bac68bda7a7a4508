// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include "engine/OneBased.h"
#include "game/Context.h"
#include "game/Records.h"
#include "ui/Label.h"
#include "ui/Image.h"
#include "ui/ImageButton.h"
#include "ui/Screen.h"

#include <cstdint>
#include <vector>

namespace game {

// What a slot held when the screen loaded: its name, money and bank balance, or what was wrong
// with its files.
struct SlotRecord {
    QString name;
    std::int16_t money = 0;
    std::int16_t bank = 0;
    std::vector<RecordError> faults;

    bool damaged() const { return !faults.empty(); }
};

// The twin screens between the main menu and the town: three slots, each a frame with a name
// line and a money line, any of which chooses the slot. The new game and continue screens
// differ only in their instruction line and in what choosing a slot does.
class SlotScreen : public ui::Screen {
    Q_OBJECT
  public:
    bool load() override;

    ui::Image* imgSlot;
    ui::ImageButton* picMainMenu;
    ui::ImageButton* frmSlot1;
    ui::Label* lblSlot1Name;
    ui::Label* lblSlot1Money;
    ui::ImageButton* frmSlot2;
    ui::Label* lblSlot2Name;
    ui::Label* lblSlot2Money;
    ui::ImageButton* frmSlot3;
    ui::Label* lblSlot3Name;
    ui::Label* lblSlot3Money;

    // The slots as read at load.
    engine::OneBased<SlotRecord, SlotCount> savedSlots;
    // The slot clicked last, 1..3.
    std::int16_t SlotNumber = 0;

  protected:
    SlotScreen(ui::ScreenId id, ui::ScreenModel& screens, const GameContext& context,
               QString instruction);

    // What choosing slot SlotNumber does once "CurrentSlot.txt" holds it.
    virtual void slotChosen() = 0;

    // Writes a save file, telling the player when it failed and what the game did instead; true
    // when it is on disk.
    bool saved(const std::optional<RecordError>& error, const QString& outcome);
    // Leaves for the town; stays here when the town cannot open.
    void enterTown();

    const GameContext& context_;
    // The instruction line, known on each screen by its own name.
    ui::Label* instruction_;

    // The slots as a screen reader reads them out on arrival.
    QString spokenOnArrival() const override;

  private:
    // What a slot holds, in a few words: "Ann, money $100, bank $0", "empty".
    QString spokenSlot(int slot) const;
    void chooseSlot(int slot);
    void readSlot(int slot);
    void showSlot(int slot);

    QString instructionText_;
    // A slot's handler is running, a message box of it may be open: further clicks wait.
    bool busy_ = false;
};

} // namespace game
