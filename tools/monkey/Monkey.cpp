#include "Monkey.h"

#include "Controls.h"
#include "app/Game.h"
#include "game/SaveFolders.h"
#include "ui/GameTimer.h"
#include "ui/Screen.h"
#include "ui/ScreenModel.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <cstdio>
#include <utility>

namespace monkey {

Monkey::Monkey(const QString& root, Settings settings)
    : root_(root), settings_(std::move(settings)), answers_(rng_), luck_(rng_), checker_(root) {}

Monkey::~Monkey() {
    stopProgram();
}

void Monkey::startProgram() {
    // A new run of the program, as main() makes it: missing save files put back, saves kept.
    const game::ProgramFolder folder(root_);
    game::prepareSaveFolders(folder);
    luck_.forgetFavours();
    game_ = std::make_unique<app::Game>(game::GameContext{folder, answers_, luck_, true});
    game_->start();
    QCoreApplication::processEvents();
    ++checker_.figures().runs;
}

void Monkey::stopProgram() {
    game_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool Monkey::runStep(Step& step, Result& result) {
    if (settings_.checking) checker_.observe(game_.get());
    perform(step);
    const qint64 index = checker_.figures().steps++;
    if (settings_.log)
        std::printf("%lld %s%s\n", index, qPrintable(describe(step)),
                    answers_.messages().isEmpty()
                        ? ""
                        : qPrintable(QStringLiteral(" -> \"") +
                                     answers_.messages().join(QStringLiteral("\" \"")) + '"'));
    if (settings_.afterStep && game_) settings_.afterStep(*game_, root_);
    if (!settings_.checking) return true;
    auto failure = checker_.check(game_.get(), step, answers_.messages());
    if (!failure) return true;
    failure->step = index;
    result.failure = failure;
    return false;
}

void Monkey::perform(Step& step) {
    answers_.beginStep(&step, playingBack_ ? Answers::Mode::PlayBack : Answers::Mode::MakeUp);
    luck_.beginStep(&step, playingBack_);
    struct Settle {
        ~Settle() {
            // Whatever the step left queued runs now, and closed screens are gone for good.
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    } settle;
    const bool ended = !game_ || game_->screens().hasEnded();
    if (step.action == Action::Restart) {
        if (ended) {
            stopProgram();
            startProgram();
        }
        return;
    }
    if (ended) return;
    ui::ScreenModel& screens = game_->screens();
    const auto front = screens.visibleScreen();
    if (!front || step.screen != QLatin1String(ui::screenName(*front))) return;
    ui::Screen* screen = screens.screen(*front);
    switch (step.action) {
    case Action::Click:
    case Action::Double: {
        const auto controls = usableControls(screen);
        const Control* c = findControl(controls, step.control);
        if (!c || (c->kind == Control::Kind::List && (step.row < 0 || step.row >= c->rows))) break;
        if (step.action == Action::Click)
            clickControl(*c, step.row);
        else
            clickTwiceAtOnce(*c, step.row);
        break;
    }
    case Action::Move:
        movePointer(screen, step.point);
        break;
    case Action::Type: {
        const auto controls = usableControls(screen);
        if (const Control* c = findControl(controls, step.control))
            if (auto* box = qobject_cast<QLineEdit*>(c->widget))
                typeInto(box, step.text, step.clearFirst);
        break;
    }
    case Action::Fire:
        for (const PendingTimer& pending : pendingTimers(screen))
            if (pending.name == step.control) {
                pending.timer->fire();
                break;
            }
        break;
    case Action::Close:
        if (screen->kind() == ui::Screen::Kind::Dialog)
            screen->close();
        else
            screens.window()->close();
        break;
    case Action::Restart:
        break;
    }
}

Result Monkey::play(quint32 seed, qint64 steps) {
    rng_.seed(seed);
    playingBack_ = false;
    current_ = Result{};
    start();
    const bool keep = settings_.keepSteps || settings_.checking;
    for (qint64 i = 0; i < steps; ++i) {
        current_.steps.push_back(makeUpStep());
        const bool ok = runStep(current_.steps.back(), current_);
        if (!keep) current_.steps.clear();
        if (!ok) break;
    }
    if (!current_.failure && !settings_.keepSteps) current_.steps.clear();
    current_.figures = checker_.figures();
    return std::exchange(current_, Result{});
}

Result Monkey::replay(const std::vector<Step>& steps) {
    playingBack_ = true;
    current_ = Result{};
    start();
    for (const Step& recorded : steps) {
        current_.steps.push_back(recorded);
        Step step = recorded;
        if (!runStep(step, current_)) break;
    }
    current_.figures = checker_.figures();
    return std::exchange(current_, Result{});
}

bool prepareProgramFolder(const QString& root) {
    const QDir delivered(QStringLiteral(MONKEY_DELIVERED_FILES_DIR));
    bool ok = true;
    bool fresh = false;
    for (const QString& sub : {QStringLiteral("TempFiles"), QStringLiteral("Slot1"),
                               QStringLiteral("Slot2"), QStringLiteral("Slot3")}) {
        const QString folder = root + QStringLiteral("/Files/") + sub;
        ok = QDir().mkpath(folder) && ok;
        for (const QString& name : QDir(delivered.filePath(sub)).entryList(QDir::Files)) {
            if (QFileInfo::exists(folder + QLatin1Char('/') + name)) continue;
            fresh = true;
            ok = QFile::copy(delivered.filePath(sub + QLatin1Char('/') + name),
                             folder + QLatin1Char('/') + name) &&
                 ok;
        }
    }
    // Two games saved long ago by a lucky player, so that the caps of the bank and the casino and
    // the edge of a 16-bit purse are met early and often, not only after hours of winning.
    const struct {
        const char* slot;
        QByteArray name, money, bank;
    } rich[] = {{"Slot2", "\"Rich\"\r\n", "9990\r\n", "9990\r\n"},
                {"Slot3", "\"Tycoon\"\r\n", "32600\r\n", "9999\r\n"}};
    for (const auto& game : rich) {
        if (!fresh) break;
        const QString folder = root + QStringLiteral("/Files/") + QLatin1String(game.slot);
        for (const auto& [name, bytes] :
             {std::pair{"/Name.txt", game.name}, std::pair{"/Money.txt", game.money},
              std::pair{"/Bank.txt", game.bank}}) {
            QFile file(folder + QLatin1String(name));
            ok = file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                 file.write(bytes) == bytes.size() && ok;
        }
    }
    const QString pictures = root + QStringLiteral("/Graphics");
    if (!QFileInfo::exists(pictures))
        ok = QFile::link(QStringLiteral(MONKEY_GRAPHICS_DIR), pictures) && ok;
    return ok;
}

} // namespace monkey
