#include "Checker.h"

#include "Rules.h"
#include "app/Game.h"
#include "bank/BankScreen.h"
#include "casino/CasinoTable.h"
#include "school/TournamentTable.h"
#include "town/HomeScreen.h"
#include "ui/ScreenModel.h"

#include <QLabel>
#include <QRegularExpression>
#include <algorithm>

namespace monkey {

using ui::ScreenId;

namespace {

constexpr int Cap = 9999;
constexpr int Prize = 200;

int id(std::optional<ScreenId> screen) {
    return screen ? static_cast<int>(*screen) : -1;
}

bool inTown(int front) {
    switch (static_cast<ScreenId>(front)) {
    case ScreenId::Locations:
    case ScreenId::Home:
    case ScreenId::frmQuit:
    case ScreenId::Test:
    case ScreenId::School:
    case ScreenId::Tournament:
    case ScreenId::Bank:
        return true;
    default:
        return false;
    }
}

QString same(const char* what, std::optional<int> a, std::optional<int> b) {
    auto show = [](std::optional<int> v) { return v ? QString::number(*v) : QStringLiteral("?"); };
    return QStringLiteral("%1: %2 against %3").arg(QLatin1String(what), show(a), show(b));
}

} // namespace

Checker::Checker(QString root) : root_(std::move(root)) {}

Checker::Tables Checker::tablesOf(app::Game* game) const {
    Tables t;
    if (!game) return t;
    ui::ScreenModel& screens = game->screens();
    t.casino = screens.screenAs<casino::CasinoTable>(ScreenId::Test);
    t.casinoId = t.casino;
    if (t.casino) {
        t.casinoState = static_cast<int>(t.casino->state());
        t.money = t.casino->money();
        t.bet = t.casino->bet();
    }
    t.tournament = screens.screenAs<school::TournamentTable>(ScreenId::Tournament);
    t.tournamentId = t.tournament;
    if (t.tournament) {
        t.tournamentState = static_cast<int>(t.tournament->state());
        t.tournamentRound = t.tournament->roundNumber();
    }
    t.bank = screens.screenAs<bank::BankScreen>(ScreenId::Bank);
    t.bankId = t.bank;
    if (t.bank) {
        t.bankSlot = t.bank->SlotNumber;
        t.bankMoney = t.bank->Money;
        t.bankBalance = t.bank->BankBalance;
        t.bankReady = t.bank->isReady();
    }
    return t;
}

void Checker::readFiles() {
    // Files nobody touched are as they were read last time; the watch is set up first, so no
    // change can slip in between it and the reading.
    if (!watch_) watch_ = std::make_unique<SaveFolderWatch>(root_);
    if (watch_->changed() || !haveFiles_) files_ = SaveFiles::read(root_);
    if (!haveFiles_) {
        // Games saved before the run may hold prize money already.
        for (int slot = 1; slot <= 3; ++slot) {
            const int most = std::max(files_.number(SaveFiles::slotMoney(slot)).value_or(0),
                                      files_.number(SaveFiles::slotBank(slot)).value_or(0));
            prizes_[static_cast<std::size_t>(slot)] = std::max(0, (most - Cap + Prize - 1) / Prize);
        }
    }
    haveFiles_ = true;
}

void Checker::observe(app::Game* game) {
    readFiles();
    filesBefore_ = files_;
    frontBefore_ = game ? id(game->screens().visibleScreen()) : -1;
    endedBefore_ = !game || game->screens().hasEnded();
    before_ = tablesOf(game);
}

void Checker::expect(bool holds, const char* check, const QString& detail) {
    ++figures_.checks;
    if (!holds && !failure_) failure_ = Failure{figures_.steps, QLatin1String(check), detail};
}

std::optional<Failure> Checker::check(app::Game* game, const Step& step,
                                      const QStringList& messages) {
    failure_.reset();
    figures_.boxes += messages.size();
    readFiles();
    front_ = game ? id(game->screens().visibleScreen()) : -1;
    const Tables now = tablesOf(game);

    checkWindow(game);
    checkFiles();
    checkPrize(messages);
    checkShownNumbers(game);
    checkMoneyBounds(now);
    checkCasino(now, step);
    checkCards(now);
    checkBank(now, step);
    checkCaptions(now);
    checkTownFiles(game);
    checkEnding(game);
    checkSlotChoice(game);
    return failure_;
}

void Checker::checkWindow(app::Game* game) {
    if (!game) return;
    ui::ScreenModel& screens = game->screens();
    if (screens.hasEnded()) {
        expect(!screens.window()->isVisible(), "window",
               QStringLiteral("an ended game left its window"));
        return;
    }
    const auto front = screens.visibleScreen();
    expect(front.has_value(), "window", QStringLiteral("the game runs with no screen in front"));
    if (!front) return;
    ui::Screen* screen = screens.screen(*front);
    const bool shown =
        screen && screen->isVisible() &&
        (screen->kind() == ui::Screen::Kind::Dialog || screens.window()->isVisible());
    expect(shown, "window",
           QStringLiteral("%1 is the screen in front but is not on the desktop")
               .arg(QLatin1String(ui::screenName(*front))));
}

void Checker::checkFiles() {
    expect(files_.faults.isEmpty(), "files", files_.faults.join(QStringLiteral("; ")));
    expect(files_.strays.isEmpty(), "files",
           QStringLiteral("not a save file: ") + files_.strays.join(QStringLiteral(", ")));
}

void Checker::checkShownNumbers(app::Game* game) {
    if (!game || front_ < 0) return;
    static const QRegularExpression amount(QStringLiteral("\\$(-?\\d+)"));
    ui::Screen* screen = game->screens().screen(static_cast<ScreenId>(front_));
    if (!screen) return;
    for (QLabel* label : screen->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(screen)) continue;
        auto it = amount.globalMatch(label->text());
        while (it.hasNext()) {
            const QString digits = it.next().captured(1);
            bool ok = false;
            const long long value = digits.size() <= 7 ? digits.toLongLong(&ok) : 0;
            expect(ok && value >= -32768 && value <= 32767, "shown numbers",
                   QStringLiteral("a label shows \"%1\"").arg(label->text()));
        }
    }
    if (auto* home = qobject_cast<town::HomeScreen*>(screen);
        home && home->view() == town::HomeScreen::View::Stats) {
        expect(home->lblMoney->text() ==
                   QStringLiteral("Money: $%1").arg(file(SaveFiles::CurrentMoney).value_or(-1)),
               "home figures", home->lblMoney->text());
        expect(home->lblBank->text() ==
                   QStringLiteral("Bank: $%1").arg(file(SaveFiles::CurrentBank).value_or(-1)),
               "home figures", home->lblBank->text());
    }
}

int Checker::bound(int slot) const {
    if (slot >= 1 && slot <= 3) return Cap + Prize * prizes_[static_cast<std::size_t>(slot)];
    return Cap + Prize * std::max({prizes_[1], prizes_[2], prizes_[3]});
}

void Checker::checkMoneyBounds(const Tables& now) {
    const int current = file(SaveFiles::CurrentSlot).value_or(0);
    auto within = [&](std::optional<int> value, int slot, const QString& what) {
        if (!value) return;
        expect(
            *value >= 0 && *value <= bound(slot), "money bounds",
            QStringLiteral("%1 holds %2 (at most %3 here)").arg(what).arg(*value).arg(bound(slot)));
    };
    within(file(SaveFiles::CurrentMoney), current, QStringLiteral("CurrentMoney.txt"));
    within(file(SaveFiles::CurrentBank), current, QStringLiteral("CurrentBank.txt"));
    for (int slot = 1; slot <= 3; ++slot) {
        within(file(SaveFiles::slotMoney(slot)), slot,
               SaveFiles::relativePath(SaveFiles::slotMoney(slot)));
        within(file(SaveFiles::slotBank(slot)), slot,
               SaveFiles::relativePath(SaveFiles::slotBank(slot)));
    }
    if (now.casino) within(now.money, current, QStringLiteral("the casino's cash"));
    if (now.bank) {
        within(now.bankMoney, now.bankSlot, QStringLiteral("the bank's cash"));
        within(now.bankBalance, now.bankSlot, QStringLiteral("the bank's balance"));
    }
}

void Checker::checkPrize(const QStringList& messages) {
    const int passed =
        static_cast<int>(messages.count(QStringLiteral("You have passed all five rounds.")));
    expect(passed <= 1, "one prize", QStringLiteral("%1 prizes in one click").arg(passed));
    const auto moneyBefore = filesBefore_.number(SaveFiles::CurrentMoney);
    const auto moneyAfter = file(SaveFiles::CurrentMoney);
    if (passed == 0) {
        if (frontBefore_ == static_cast<int>(ScreenId::Tournament) && front_ >= 0)
            expect(moneyBefore == moneyAfter, "prize",
                   same("the tournament moved money without a prize", moneyAfter, moneyBefore));
        return;
    }
    const int slot = file(SaveFiles::CurrentSlot).value_or(0);
    ++figures_.prizes;
    if (slot >= 1 && slot <= 3) ++prizes_[static_cast<std::size_t>(slot)];
    if (messages.contains(QStringLiteral("Here's your $200."))) {
        expect(moneyBefore && moneyAfter && *moneyAfter == *moneyBefore + Prize, "prize",
               same("the prize paid", moneyAfter, moneyBefore));
        if (slot >= 1 && slot <= 3)
            expect(file(SaveFiles::slotMoney(slot)) == moneyAfter, "prize",
                   same("the slot's money after the prize", file(SaveFiles::slotMoney(slot)),
                        moneyAfter));
    }
}

void Checker::checkTownFiles(app::Game* game) {
    if (!game || game->screens().hasEnded() || !inTown(front_)) return;
    const auto slot = file(SaveFiles::CurrentSlot);
    expect(slot && *slot >= 1 && *slot <= 3, "current game",
           QStringLiteral("in town without a slot in CurrentSlot.txt"));
    if (!slot || *slot < 1 || *slot > 3) return;
    expect(file(SaveFiles::CurrentMoney) == file(SaveFiles::slotMoney(*slot)), "files agree",
           same("CurrentMoney.txt and the slot's Money.txt", file(SaveFiles::CurrentMoney),
                file(SaveFiles::slotMoney(*slot))));
    expect(file(SaveFiles::CurrentBank) == file(SaveFiles::slotBank(*slot)), "files agree",
           same("CurrentBank.txt and the slot's Bank.txt", file(SaveFiles::CurrentBank),
                file(SaveFiles::slotBank(*slot))));
}

void Checker::checkEnding(app::Game* game) {
    if (!game || endedBefore_ || !game->screens().hasEnded()) return;
    const auto was = static_cast<ScreenId>(frontBefore_);
    if (was == ScreenId::Start || was == ScreenId::NewGame || was == ScreenId::ContinueGame ||
        was == ScreenId::Instructions)
        expect(files_.bytes == filesBefore_.bytes, "ending",
               QStringLiteral("leaving from the menus changed a save file"));
    if (was == ScreenId::frmQuit)
        for (int f : {SaveFiles::CurrentSlot, SaveFiles::CurrentMoney, SaveFiles::CurrentBank})
            expect(file(f) == 0, "ending", same("a current-game file after sleeping", file(f), 0));
}

void Checker::checkSlotChoice(app::Game*) {
    if (frontBefore_ != static_cast<int>(ScreenId::NewGame) ||
        front_ != static_cast<int>(ScreenId::Locations))
        return;
    const int slot = file(SaveFiles::CurrentSlot).value_or(0);
    expect(slot >= 1 && slot <= 3, "new game", QStringLiteral("no slot chosen"));
    if (slot < 1 || slot > 3) return;
    prizes_[static_cast<std::size_t>(slot)] = 0;
    expect(file(SaveFiles::slotMoney(slot)) == 100 && file(SaveFiles::slotBank(slot)) == 0 &&
               file(SaveFiles::CurrentMoney) == 100 && file(SaveFiles::CurrentBank) == 0,
           "new game", QStringLiteral("a new game does not start with $100 and $0 in the bank"));
}

} // namespace monkey
