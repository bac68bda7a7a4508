#include "Kills.h"

#include "Answers.h"
#include "Controls.h"
#include "Luck.h"
#include "SaveFiles.h"
#include "app/Game.h"
#include "game/SaveFolders.h"
#include "ui/Screen.h"
#include "ui/ScreenModel.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <memory>

namespace monkey {

namespace {

// A game started afresh in the folder, answered by a player who cancels every box.
struct FreshGame {
    std::mt19937 rng{0};
    Step step;
    Answers answers{rng};
    Luck luck{rng};
    std::unique_ptr<app::Game> game;

    explicit FreshGame(const QString& root) {
        answers.beginStep(&step, Answers::Mode::PlayBack);
        luck.beginStep(&step, true);
        game::prepareSaveFolders(game::ProgramFolder(root));
        game = std::make_unique<app::Game>(
            game::GameContext{game::ProgramFolder(root), answers, luck, true});
        game->start();
        QCoreApplication::processEvents();
    }
    ~FreshGame() {
        game.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QString front() const {
        const auto id = game->screens().visibleScreen();
        return id ? QLatin1String(ui::screenName(*id)) : QStringLiteral("no screen");
    }
    // Clicks the control of that name on the screen in front; false when it is not there.
    bool click(const QString& name) {
        const auto id = game->screens().visibleScreen();
        if (!id) return false;
        const auto controls = usableControls(game->screens().screen(*id));
        const Control* control = findControl(controls, name);
        if (!control) return false;
        clickControl(*control, -1);
        QCoreApplication::processEvents();
        return true;
    }
};

} // namespace

KillHarness::KillHarness(QString root, QString monkeyProgram, quint32 seed)
    : root_(std::move(root)), program_(std::move(monkeyProgram)), rng_(seed) {}

QStringList KillHarness::killOnce(int index) {
    QStringList faults;
    const SaveFiles before = SaveFiles::read(root_);
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(program_, {QStringLiteral("--play"), root_, QStringLiteral("--seed"),
                           QString::number(rng_() ^ static_cast<quint32>(index))});
    // The kill is timed from the moment the game is up, so that it lands while it plays.
    if (!child.waitForStarted(10000) || !child.waitForReadyRead(30000)) {
        child.kill();
        child.waitForFinished(5000);
        faults << QStringLiteral("the game did not start (%1)").arg(child.errorString());
        ++figures_.failures;
        return faults;
    }
    QThread::msleep(std::uniform_int_distribution<unsigned>(5, 200)(rng_));
    // A game that is gone before the kill has crashed or stopped on its own.
    if (child.state() != QProcess::Running || child.waitForFinished(0))
        faults << QStringLiteral("the game stopped by itself before the kill (%1, code %2)")
                      .arg(child.exitStatus() == QProcess::CrashExit ? QStringLiteral("crashed")
                                                                     : QStringLiteral("ended"))
                      .arg(child.exitCode());
    child.kill(); // SIGKILL
    child.waitForFinished(10000);
    ++figures_.kills;
    faults << checkFiles();
    if (SaveFiles::read(root_).bytes != before.bytes) ++figures_.killsAfterSaving;
    faults << startAfresh();
    if (!faults.isEmpty()) ++figures_.failures;
    return faults;
}

QStringList KillHarness::checkFiles() {
    const SaveFiles files = SaveFiles::read(root_);
    figures_.filesChecked += SaveFiles::Count + static_cast<int>(files.strays.size());
    // A finished temporary copy beside a save is litter, not a damaged save: the record file
    // holds the old record or the new one, and the next start clears the copy away.
    if (!files.strays.isEmpty()) ++figures_.leftoverCopies;
    QStringList faults = files.faults;
    for (const QString& stray : files.strays) {
        QFile copy(root_ + QLatin1Char('/') + stray);
        const bool text = stray.contains(QLatin1String("Name.txt"));
        if (!copy.open(QIODevice::ReadOnly) || recordFault(copy.read(4096), text))
            faults << stray + QStringLiteral(": a stray file that is not one whole record");
    }
    return faults;
}

QStringList KillHarness::startAfresh() {
    QStringList faults;
    {
        FreshGame fresh(root_);
        if (fresh.front() != QLatin1String("Start"))
            faults
                << QStringLiteral("a fresh start shows %1, not the main menu").arg(fresh.front());
    }
    const SaveFiles files = SaveFiles::read(root_);
    for (const QString& stray : files.strays)
        faults << stray + QStringLiteral(": still there after a fresh start");
    for (int slot = 1; slot <= 3; ++slot) {
        const auto name = files.text(SaveFiles::slotName(slot));
        if (!name || *name == QLatin1String("(Nobody)")) continue;
        // Each slot from its own fresh start: the town has no way back to the main menu.
        FreshGame fresh(root_);
        const bool continued = fresh.click(QStringLiteral("Continue")) &&
                               fresh.front() == QLatin1String("ContinueGame") &&
                               fresh.click(QStringLiteral("Slot %1").arg(slot));
        if (!continued || fresh.front() != QLatin1String("Locations") ||
            !fresh.answers.messages().isEmpty()) {
            faults << QStringLiteral("slot %1 (%2) could not be continued: %3 in front%4")
                          .arg(slot)
                          .arg(*name, fresh.front(),
                               fresh.answers.messages().isEmpty()
                                   ? QString()
                                   : QStringLiteral(", told \"%1\"")
                                         .arg(fresh.answers.messages().join(
                                             QStringLiteral("\" \""))));
            continue;
        }
        // The game continued is the one saved in the slot.
        const SaveFiles now = SaveFiles::read(root_);
        if (now.number(SaveFiles::CurrentSlot) != slot ||
            now.number(SaveFiles::CurrentMoney) != files.number(SaveFiles::slotMoney(slot)) ||
            now.number(SaveFiles::CurrentBank) != files.number(SaveFiles::slotBank(slot))) {
            faults << QStringLiteral("slot %1 was continued with other figures than it holds")
                          .arg(slot);
            continue;
        }
        ++figures_.slotsContinued;
    }
    return faults;
}

} // namespace monkey
