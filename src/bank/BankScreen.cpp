// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "bank/BankScreen.h"

#include "game/Records.h"
#include "game/Report.h"
#include "ui/Accessibility.h"
#include "ui/ScreenModel.h"

#include <QCoreApplication>
#include <QFont>

namespace bank {

using ui::ScreenId;

namespace {

constexpr int DotsInterval = 1000;
constexpr int StatusInterval = 1000;
constexpr int WaitInterval = 3000;

// The machine's display: pure green on the dark pad, small enough that every message of the
// machine fits its three lines.
void styleDisplay(ui::Label* label, bool wrap) {
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(10);
    font.setBold(true);
    label->setFont(font);
    label->setTextColor(QColor(0, 255, 0));
    label->setWordWrap(wrap);
}

} // namespace

BankScreen::BankScreen(ui::ScreenModel& screens, const game::GameContext& context)
    : ui::Screen(ScreenId::Bank, screens), fraStatus(new ui::Image(this)),
      lblMoney(new ui::Label(this)), lblStatus(new ui::Label(this)), txtInput(new QLineEdit(this)),
      fraOptions(new ui::Image(this)),
      cmdDeposit(new ui::ImageButton(this, QCoreApplication::translate("Button", "Deposit"))),
      cmdWithdraw(new ui::ImageButton(this, QCoreApplication::translate("Button", "Withdraw"))),
      imgQuit(new ui::ImageButton(this, tr("Leave the bank"))),
      tmrDots(new ui::GameTimer(this, context.manualTimers)),
      tmrStatus(new ui::GameTimer(this, context.manualTimers)),
      tmrWait(new ui::GameTimer(this, context.manualTimers)), context_(context) {
    fraStatus->setRect(24, 96, 200, 200);
    lblMoney->setRect(40, 144, 169, 49);
    lblStatus->setRect(40, 232, 169, 49);
    styleDisplay(lblMoney, false);
    styleDisplay(lblStatus, true);
    lblMoney->setElided(true);
    txtInput->setGeometry(264, 184, 129, 19);
    txtInput->setAccessibleName(tr("Amount"));
    txtInput->setStyleSheet(
        QStringLiteral("QLineEdit { background: #f6eedb; color: #1c1410; border: 1px solid #6b4a2b;"
                       " padding: 0 3px; font-family: 'DejaVu Sans'; font-size: 11px; }"
                       "QLineEdit:disabled { background: #b9b2a4; color: #5a534a; }"));
    fraOptions->setRect(424, 224, 150, 150);
    cmdDeposit->setPosition(448, 240);
    cmdWithdraw->setPosition(448, 304);
    imgQuit->setPosition(584, 0);

    connect(cmdDeposit, &ui::ImageButton::clicked, this, [this] { order(Direction::Deposit); });
    connect(cmdWithdraw, &ui::ImageButton::clicked, this, [this] { order(Direction::Withdraw); });
    connect(imgQuit, &ui::ImageButton::clicked, this, &BankScreen::leave);
    connect(tmrDots, &ui::GameTimer::tick, this, &BankScreen::advanceDots);
    connect(tmrStatus, &ui::GameTimer::tick, this, &BankScreen::redrawStatus);
    connect(tmrWait, &ui::GameTimer::tick, this, &BankScreen::endWait);

    // Enter in the amount box stays there: only the two buttons carry out an order.
    // Each key the first letter of its button's word, in every language.
    bindKey(tr("Alt+D", "key: Deposit"), {cmdDeposit});
    bindKey(tr("Alt+W", "key: Withdraw"), {cmdWithdraw});
    bindKey(QStringLiteral("Esc"), {imgQuit});
}

bool BankScreen::load() {
    imgQuit->setPicture(context_.folder.path("\\Graphics\\Quit.GIF"));
    setBackground(context_.folder.path("\\Graphics\\BankBG.GIF"));
    cmdWithdraw->setPicture(context_.folder.path("\\Graphics\\WithdrawButton.GIF"));
    cmdDeposit->setPicture(context_.folder.path("\\Graphics\\DepositButton.GIF"));
    fraOptions->setPicture(context_.folder.path("\\Graphics\\ButtonsPad.GIF"));
    fraStatus->setPicture(context_.folder.path("\\Graphics\\StatusPad.GIF"));

    // The current game, as the slot screens or the other places left it. A file that cannot be
    // read keeps the player at the chooser: the machine never shows figures it did not read.
    ui::Dialogs& dialogs = context_.dialogs;
    const QString closed = tr("The bank stays closed; nothing was changed.");
    const QString slotFile = context_.folder.path(game::CurrentSlotFile);
    const auto slot = game::ReadIntegerRecord(slotFile);
    if (!game::reportIfFailed(dialogs, slot, closed)) return false;
    if (slot.value() < 1 || slot.value() > game::SlotCount) {
        return game::reportIfFailed(
            dialogs,
            game::RecordError{game::RecordError::Kind::Malformed, slotFile,
                              tr("it names no save slot 1 to 3", "why the save file is damaged")},
            closed);
    }
    SlotNumber = slot.value();
    const auto name =
        game::ReadTextRecord(game::SlotFilePath(context_.folder, SlotNumber, "Name.txt"));
    if (!game::reportIfFailed(dialogs, name, closed)) return false;
    PlayerName = name.value();
    const auto money = game::ReadIntegerRecord(context_.folder.path(game::CurrentMoneyFile));
    if (!game::reportIfFailed(dialogs, money, closed)) return false;
    Money = money.value();
    const auto balance = game::ReadIntegerRecord(context_.folder.path(game::CurrentBankFile));
    if (!game::reportIfFailed(dialogs, balance, closed)) return false;
    BankBalance = balance.value();

    RefreshAccount();
    pending = Pending::Idle;
    DotsCount = 0;
    DotsText.clear();
    tmrDots->setInterval(DotsInterval);
    tmrDots->start();
    tmrStatus->setInterval(StatusInterval);
    tmrStatus->start();
    tmrWait->stop();
    tmrWait->setInterval(WaitInterval);
    return true;
}

QWidget* BankScreen::startingFocus() const {
    // The amount is typed straight away; a wait still running keeps the keyboard off the box.
    return txtInput->isEnabled() ? txtInput : nullptr;
}

bool BankScreen::isReady() const {
    return !tmrWait->isActive() && !saving_;
}

void BankScreen::RefreshAccount() {
    lblMoney->setCaption(
        tr("Name: %1\nMoney: $%2\nBank Account: $%3", "three lines of the display")
            .arg(PlayerName, QString::number(Money), QString::number(BankBalance)));
}

void BankScreen::ValidateAmount() {
    AmountText = txtInput->text();
    txtInput->clear();
    setControlsEnabled(false);
    AmountValid = isAmountText(AmountText);
    if (!AmountValid) {
        tmrStatus->stop();
        lblStatus->setCaption(statusMessage(Direction::Deposit, Verdict::InvalidInput));
        ui::announce(this, lblStatus->caption() + QLatin1Char('.'));
        tmrWait->start();
    }
}

void BankScreen::order(Direction direction) {
    // The buttons rest during the wait; a click that slips through changes nothing.
    if (!isReady()) return;
    ValidateAmount();
    if (!AmountValid) return;
    const Order result = placeOrder(direction, Account{Money, BankBalance}, AmountText);
    if (result.verdict == Verdict::TooLong) AmountValid = false;
    Amount = static_cast<std::int16_t>(result.Amount);
    Money = result.after.Money;
    BankBalance = result.after.BankBalance;
    if (result.moved)
        pending = direction == Direction::Deposit ? Pending::Depositing : Pending::Withdrawing;
    // A transfer in full lets the status line animate its progress; every other answer stays
    // fixed on the display for the whole wait.
    if (result.verdict != Verdict::Moved) {
        tmrStatus->stop();
        lblStatus->setCaption(statusMessage(direction, result.verdict));
    }
    // The answer is said once; the dots that follow a transfer are not.
    ui::announce(this, result.verdict == Verdict::Moved ? pendingText(direction) + QLatin1Char('.')
                                                        : lblStatus->caption());
    tmrWait->start();
}

void BankScreen::advanceDots() {
    if (DotsCount == 3) DotsCount = 0;
    ++DotsCount;
    DotsText = QString(DotsCount, QLatin1Char('.'));
}

void BankScreen::redrawStatus() {
    switch (pending) {
    case Pending::Idle:
        lblStatus->setCaption(tr("Awaiting order", "the machine's display, followed by dots") +
                              DotsText);
        break;
    case Pending::Depositing:
        lblStatus->setCaption(pendingText(Direction::Deposit) + DotsText);
        break;
    case Pending::Withdrawing:
        lblStatus->setCaption(pendingText(Direction::Withdraw) + DotsText);
        break;
    }
}

QString BankScreen::spokenFigures() const {
    return tr("Money: $%1. Bank Account: $%2.").arg(Money).arg(BankBalance);
}

QString BankScreen::spokenOnArrival() const {
    return tr("Name: %1.").arg(PlayerName) + QLatin1Char(' ') + spokenFigures();
}

void BankScreen::endWait() {
    RefreshAccount();
    ui::announce(this, spokenFigures());
    tmrWait->stop();
    pending = Pending::Idle;
    tmrStatus->start();
    setControlsEnabled(true);
}

void BankScreen::setControlsEnabled(bool enabled) {
    // Keys pressed during the wait must not fall through to the leave button: the screen holds
    // the focus meanwhile and hands it to the amount box for the next order.
    if (!enabled && (txtInput->hasFocus() || cmdDeposit->hasFocus() || cmdWithdraw->hasFocus()))
        setFocus();
    cmdDeposit->setEnabled(enabled);
    cmdWithdraw->setEnabled(enabled);
    txtInput->setEnabled(enabled);
    if (enabled && hasFocus()) txtInput->setFocus();
}

bool BankScreen::settleAccount() {
    // The transfer was applied at the click: cutting the wait short keeps it.
    RefreshAccount();
    tmrWait->stop();
    pending = Pending::Idle;
    tmrStatus->start();
    txtInput->clear();

    const struct {
        QString path;
        std::int16_t value;
    } saves[] = {
        {context_.folder.path(game::CurrentMoneyFile), Money},
        {context_.folder.path(game::CurrentBankFile), BankBalance},
        {game::SlotFilePath(context_.folder, SlotNumber, "Money.txt"), Money},
        {game::SlotFilePath(context_.folder, SlotNumber, "Bank.txt"), BankBalance},
    };
    for (const auto& save : saves) {
        // Stopping at the first failure keeps the files in their order: a later file is never
        // newer than an earlier one, and leaving again writes all four afresh.
        const auto failed = game::WriteIntegerRecord(save.path, save.value);
        if (!failed) continue;
        saving_ = true;
        setControlsEnabled(true);
        game::reportIfFailed(context_.dialogs, failed,
                             tr("Your account is not saved yet, so you stay in the bank; leaving "
                                "again tries once more."));
        saving_ = false;
        return false;
    }
    return true;
}

void BankScreen::leave() {
    if (saving_) return;
    if (!settleAccount()) return;
    // The chooser comes to the front before the bank goes, so the window never stands empty.
    if (!screens().show(ScreenId::Locations)) return;
    screens().close(ScreenId::Bank);
}

bool BankScreen::closeRequested() {
    if (saving_) return false;
    return settleAccount();
}

} // namespace bank
