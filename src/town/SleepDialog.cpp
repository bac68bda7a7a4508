// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "town/SleepDialog.h"

#include "game/Records.h"
#include "game/Report.h"
#include "ui/Dialogs.h"
#include "ui/ScreenModel.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace town {

using ui::ScreenId;

namespace {

// The dialog wears the house's dark wood with cream and gold, like the rest of the game.
const QColor Wood(58, 30, 24);

const char* const Look = R"(
QGroupBox {
    color: #e8be5a; font-weight: bold;
    border: 1px solid #9a7640; border-radius: 5px; margin-top: 9px;
}
QGroupBox::title { subcontrol-origin: margin; left: 9px; padding: 0 3px; }
QRadioButton { color: #f6ecd2; font-weight: bold; spacing: 7px; }
QRadioButton::indicator {
    width: 12px; height: 12px; border-radius: 7px;
    border: 1px solid #c99a3e; background: #f6ecd2;
}
QRadioButton::indicator:checked {
    background: qradialgradient(cx:0.5, cy:0.5, radius:0.5, fx:0.5, fy:0.5,
        stop:0 #8b1e2d, stop:0.5 #8b1e2d, stop:0.62 #f6ecd2, stop:1 #f6ecd2);
}
QRadioButton:focus { color: #ffffff; text-decoration: underline; }
QPushButton {
    color: #2a160e; font-weight: bold;
    border: 1px solid #7a5420; border-radius: 6px;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f3d98c, stop:1 #c99a3e);
}
QPushButton:pressed { background: #b9893a; }
QPushButton:focus { border: 2px solid #f6ecd2; }
)";

} // namespace

SleepDialog::SleepDialog(ui::ScreenModel& screens, const game::GameContext& context)
    : ui::Screen(ScreenId::frmQuit, screens, Kind::Dialog, QSize(175, 168)),
      fraQ(new QGroupBox(this)), optYes(new QRadioButton(fraQ)), optNo(new QRadioButton(fraQ)),
      cmdSelect(new QPushButton(this)), context_(context) {
    QPalette ground = palette();
    ground.setColor(QPalette::Window, Wood);
    setPalette(ground);
    setStyleSheet(QString::fromLatin1(Look));

    fraQ->setGeometry(0, 8, 169, 105);
    optYes->setGeometry(28, 32, 120, 24);
    optNo->setGeometry(28, 64, 120, 24);
    // Exclusive within the frame, yet neither is chosen until the player picks one.
    optYes->setAutoExclusive(true);
    optNo->setAutoExclusive(true);
    cmdSelect->setGeometry(88, 128, 81, 33);
    cmdSelect->setCursor(Qt::PointingHandCursor);

    setTabOrder(cmdSelect, optYes);
    setTabOrder(optYes, optNo);
    cmdSelect->setFocus();

    connect(cmdSelect, &QPushButton::clicked, this, &SleepDialog::select);
}

bool SleepDialog::load() {
    fraQ->setTitle(tr("Sleeping so soon?"));
    optYes->setText(tr("Yes"));
    optNo->setText(tr("No"));
    cmdSelect->setText(tr("Select"));
    // A longer word than the button was made for widens it to the left, the frame's edge kept.
    QFont bold = cmdSelect->font();
    bold.setBold(true);
    const int wanted = QFontMetrics(bold).horizontalAdvance(cmdSelect->text()) + 20;
    if (wanted > 81) cmdSelect->setGeometry(169 - wanted, 128, wanted, 33);
    // Each answer's key the first letter of its word.
    bindKey(tr("Y", "key: Yes"), {optYes});
    bindKey(tr("N", "key: No"), {optNo});
    bindKey(QStringLiteral("Enter"), {cmdSelect});
    return true;
}

bool SleepDialog::closeRequested() {
    if (!answering_) backHome();
    return false;
}

void SleepDialog::select() {
    if (answering_) return;
    if (optYes->isChecked()) {
        endGame();
    } else if (optNo->isChecked()) {
        backHome();
    } else {
        // Without an answer the question stays: closing it would leave no screen at all.
        answering_ = true;
        context_.dialogs.message(tr("Please choose Yes or No."));
        answering_ = false;
    }
}

void SleepDialog::endGame() {
    answering_ = true;
    screens().closeAll({ScreenId::Start, ScreenId::Instructions, ScreenId::Test, ScreenId::NewGame,
                        ScreenId::ContinueGame, ScreenId::Locations, ScreenId::Home,
                        ScreenId::School, ScreenId::Tournament, ScreenId::Bank});
    // The slot was saved as the game went; only the hand-over files are reset. A file that
    // refuses is reported, and the game still ends, since the slot is whole either way.
    for (const char* file : {game::CurrentSlotFile, game::CurrentMoneyFile, game::CurrentBankFile})
        game::reportIfFailed(context_.dialogs,
                             game::WriteIntegerRecord(context_.folder.path(file), 0),
                             tr("The game ends all the same."));
    screens().close(ScreenId::frmQuit);
}

void SleepDialog::backHome() {
    answering_ = true;
    // The house is still loaded behind the question and comes back as it was left.
    const bool home = screens().show(ScreenId::Home);
    answering_ = false;
    if (home) screens().close(ScreenId::frmQuit);
}

} // namespace town
