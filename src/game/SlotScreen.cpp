// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "game/SlotScreen.h"

#include "game/Report.h"
#include "ui/ScreenModel.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QScopeGuard>

namespace game {

namespace {

QString fileName(const RecordError& fault) {
    return QFileInfo(fault.path).fileName();
}

// A few words on what is wrong with a slot's files, short enough for the money line.
QString faultLine(const SlotRecord& slot) {
    const std::vector<RecordError>& faults = slot.faults;
    if (faults.size() > 1) {
        bool allMissing = true;
        for (const RecordError& fault : faults)
            allMissing = allMissing && fault.kind == RecordError::Kind::Missing;
        if (allMissing && faults.size() == 3)
            return QCoreApplication::translate("game::SlotScreen", "Its save files are missing");
        return (allMissing ? QCoreApplication::translate("game::SlotScreen",
                                                         "%1 of its save files are missing")
                           : QCoreApplication::translate("game::SlotScreen",
                                                         "%1 of its save files are damaged"))
            .arg(faults.size());
    }
    const RecordError& fault = faults.front();
    switch (fault.kind) {
    case RecordError::Kind::Missing:
        return QCoreApplication::translate("game::SlotScreen", "%1 is missing")
            .arg(fileName(fault));
    case RecordError::Kind::Unreadable:
        return QCoreApplication::translate("game::SlotScreen", "%1 can't be read")
            .arg(fileName(fault));
    case RecordError::Kind::Empty:
        return QCoreApplication::translate("game::SlotScreen", "%1 is empty")
            .arg(fileName(fault));
    case RecordError::Kind::OutOfRange:
        return QCoreApplication::translate("game::SlotScreen", "%1 is out of range")
            .arg(fileName(fault));
    default:
        return QCoreApplication::translate("game::SlotScreen", "%1 is damaged")
            .arg(fileName(fault));
    }
}

} // namespace

SlotScreen::SlotScreen(ui::ScreenId id, ui::ScreenModel& screens, const GameContext& context,
                       QString instruction)
    : ui::Screen(id, screens), imgSlot(new ui::Image(this)),
      picMainMenu(new ui::ImageButton(this, QCoreApplication::translate("Button", "Main Menu"))),
      frmSlot1(new ui::ImageButton(this, tr("Slot %1").arg(1))),
      lblSlot1Name(new ui::Label(this)), lblSlot1Money(new ui::Label(this)),
      frmSlot2(new ui::ImageButton(this, tr("Slot %1").arg(2))),
      lblSlot2Name(new ui::Label(this)), lblSlot2Money(new ui::Label(this)),
      frmSlot3(new ui::ImageButton(this, tr("Slot %1").arg(3))),
      lblSlot3Name(new ui::Label(this)), lblSlot3Money(new ui::Label(this)), context_(context),
      instruction_(new ui::Label(this)), instructionText_(std::move(instruction)) {
    imgSlot->setPosition(248, 8);
    picMainMenu->setPosition(488, 8);
    // As wide as the window allows: the line runs longer in some languages.
    instruction_->setRect(8, 48, 584, 17);
    instruction_->setTextColor(Qt::white);
    QFont bold = instruction_->font();
    bold.setBold(true);
    instruction_->setFont(bold);

    const struct {
        ui::ImageButton* frame;
        ui::Label* name;
        ui::Label* money;
        int top;
    } rows[] = {{frmSlot1, lblSlot1Name, lblSlot1Money, 72},
                {frmSlot2, lblSlot2Name, lblSlot2Money, 176},
                {frmSlot3, lblSlot3Name, lblSlot3Money, 280}};
    int slot = 1;
    for (const auto& row : rows) {
        row.frame->setPosition(96, row.top);
        row.name->setRect(128, row.top + 16, 313, 33);
        row.money->setRect(128, row.top + 48, 313, 33);
        for (ui::Label* label : {row.name, row.money}) {
            label->setTextColor(Qt::white);
            label->setCursor(Qt::PointingHandCursor);
            label->setElided(true);
        }
        // The frame and both of its lines choose the slot alike.
        connect(row.frame, &ui::ImageButton::clicked, this, [this, slot] { chooseSlot(slot); });
        connect(row.name, &ui::Label::clicked, this, [this, slot] { chooseSlot(slot); });
        connect(row.money, &ui::Label::clicked, this, [this, slot] { chooseSlot(slot); });
        ++slot;
    }

    connect(picMainMenu, &ui::ImageButton::clicked, this, [this] {
        if (busy_) return;
        this->screens().hide(this->id());
        this->screens().show(ui::ScreenId::Start);
    });

    bindKey(QStringLiteral("1"), {frmSlot1});
    bindKey(QStringLiteral("2"), {frmSlot2});
    bindKey(QStringLiteral("3"), {frmSlot3});
    bindKey(QStringLiteral("Esc"), {picMainMenu});
}

bool SlotScreen::load() {
    setBackground(context_.folder.path("\\Graphics\\StartBackground.GIF"));
    for (ui::ImageButton* frame : {frmSlot1, frmSlot2, frmSlot3})
        frame->setPicture(context_.folder.path("\\Graphics\\SlotFrame.GIF"));
    imgSlot->setPicture(context_.folder.path("\\Graphics\\Slots.GIF"));
    picMainMenu->setPicture(context_.folder.path("\\Graphics\\MainMenuButton.GIF"));
    instruction_->setCaption(instructionText_);
    for (int slot = 1; slot <= SlotCount; ++slot)
        readSlot(slot);
    for (int slot = 1; slot <= SlotCount; ++slot)
        showSlot(slot);
    // A damaged slot is shown as such; the screen opens all the same, so a new game can
    // replace it and the other slots stay playable.
    return true;
}

void SlotScreen::readSlot(int slot) {
    SlotRecord& record = savedSlots(slot);
    record = SlotRecord{};
    const auto name = ReadTextRecord(SlotFilePath(context_.folder, slot, "Name.txt"));
    if (name)
        record.name = name.value();
    else
        record.faults.push_back(name.error());
    const auto money = ReadIntegerRecord(SlotFilePath(context_.folder, slot, "Money.txt"));
    if (money)
        record.money = money.value();
    else
        record.faults.push_back(money.error());
    const auto bank = ReadIntegerRecord(SlotFilePath(context_.folder, slot, "Bank.txt"));
    if (bank)
        record.bank = bank.value();
    else
        record.faults.push_back(bank.error());
}

QString SlotScreen::spokenSlot(int slot) const {
    const SlotRecord& record = savedSlots(slot);
    if (record.damaged()) return tr("save damaged, %1").arg(faultLine(record));
    if (record.name == QLatin1String(EmptySlotName)) return tr("empty");
    return tr("%1, money $%2, bank $%3")
        .arg(record.name)
        .arg(record.money)
        .arg(record.bank);
}

QString SlotScreen::spokenOnArrival() const {
    QString said = instructionText_;
    for (int slot = 1; slot <= SlotCount; ++slot)
        said += QLatin1Char(' ') + tr("Slot %1: %2.").arg(slot).arg(spokenSlot(slot));
    return said;
}

void SlotScreen::showSlot(int slot) {
    ui::Label* const names[] = {lblSlot1Name, lblSlot2Name, lblSlot3Name};
    ui::Label* const moneys[] = {lblSlot1Money, lblSlot2Money, lblSlot3Money};
    ui::ImageButton* const frames[] = {frmSlot1, frmSlot2, frmSlot3};
    // Read with the frame as the keyboard reaches it, instead of its tooltip.
    frames[slot - 1]->setAccessibleDescription(
        tr("%1. Key %2.").arg(spokenSlot(slot)).arg(slot));
    ui::Label* name = names[slot - 1];
    ui::Label* money = moneys[slot - 1];
    const SlotRecord& record = savedSlots(slot);
    name->setFontSize(14);
    money->setFontSize(14);
    if (record.damaged()) {
        name->setCaption(tr("Name: (save damaged)"));
        money->setCaption(faultLine(record));
        QStringList why;
        for (const RecordError& fault : record.faults)
            why << fault.message();
        name->setToolTip(why.join(QLatin1Char('\n')));
        money->setToolTip(why.join(QLatin1Char('\n')));
        return;
    }
    // The empty slot's file holds the same word in every language; only what is shown changes.
    name->setCaption(record.name == QLatin1String(EmptySlotName)
                         ? tr("Name: (Nobody)")
                         : tr("Name: %1").arg(record.name));
    money->setCaption(tr("Money: $%1     Bank: $%2").arg(record.money).arg(record.bank));
}

void SlotScreen::chooseSlot(int slot) {
    // A second click queued behind the first reaches a screen the player has already left for
    // town: the slot is chosen, nothing is asked or written again.
    if (busy_ || !screens().isVisible(id())) return;
    busy_ = true;
    const auto done = qScopeGuard([this] { busy_ = false; });
    SlotNumber = static_cast<std::int16_t>(slot);
    // Every later screen saves into the slot this file names: without it the town stays shut.
    if (!saved(WriteIntegerRecord(context_.folder.path(CurrentSlotFile), SlotNumber),
               tr("No game was started; every slot is as it was.")))
        return;
    slotChosen();
}

bool SlotScreen::saved(const std::optional<RecordError>& error, const QString& outcome) {
    return reportIfFailed(context_.dialogs, error, outcome);
}

void SlotScreen::enterTown() {
    screens().hide(id());
    if (!screens().show(ui::ScreenId::Locations)) screens().show(id());
}

} // namespace game
