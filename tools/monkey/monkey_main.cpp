// vantrell-monkey: the random player on the whole game, headless.
//
//   vantrell-monkey [--steps N] [--shrink-seconds S] [--out DIR] [seed...]
//       N steps from each seed (default 20000 from seed 1), each seed in a fresh program folder;
//       prints steps per second and checks made, and for a broken rule its seed, step and the
//       shortest replay found (also written to DIR/monkey-<seed>.replay).
//   vantrell-monkey --replay FILE [--shrink-seconds S]
//       plays a replay file again in a fresh folder (and shortens it further when S > 0).
//   vantrell-monkey --play DIR --seed S
//       plays without end in DIR, saving as it goes, until killed (for vantrell-killtest);
//       prints "ready" once the main menu is up.

#include "Monkey.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTextStream>
#include <csignal>
#include <cstdio>
#include <limits>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace {

// What a crash must still be able to tell: the seed, the step and the steps so far.
struct FlightRecorder {
    quint32 seed = 0;
    const monkey::Monkey* monkey = nullptr;
    QString out = QStringLiteral(".");
} recorder;

void writeReplay(const QString& path, const std::vector<monkey::Step>& steps) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
    for (const monkey::Step& step : steps)
        file.write(monkey::toLine(step).toUtf8() + '\n');
}

void reportCrash() {
    if (!recorder.monkey) return;
    const auto& steps = recorder.monkey->stepsSoFar();
    const QString path =
        recorder.out + QStringLiteral("/monkey-%1-crash.replay").arg(recorder.seed);
    std::fprintf(stderr,
                 "\nmonkey: the game crashed at step %zu of seed %u; its %zu steps are in %s\n",
                 steps.size(), recorder.seed, steps.size(), qPrintable(path));
    if (!steps.empty())
        std::fprintf(stderr, "monkey: last step: %s\n", qPrintable(monkey::describe(steps.back())));
    writeReplay(path, steps);
    recorder.monkey = nullptr;
}

void onFatalSignal(int signal) {
    reportCrash();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// Qt's warnings are told once each, so that a long run's output stays readable.
void tellOnce(QtMsgType type, const QMessageLogContext&, const QString& text) {
    static QSet<QString> told;
    if (type == QtDebugMsg || type == QtInfoMsg || told.contains(text)) return;
    told.insert(text);
    std::fprintf(stderr, "qt: %s\n", qPrintable(text));
}

void printFigures(const QString& run, const monkey::Figures& f, double seconds) {
    std::printf("%s: %lld steps in %.1f s (%.0f steps/s), %lld checks, %lld program runs, "
                "%lld hands, %lld prizes, %lld bank transfers, %lld caps reached, %lld message "
                "boxes\n",
                qPrintable(run), f.steps, seconds, seconds > 0 ? f.steps / seconds : 0.0, f.checks,
                f.runs, f.hands, f.prizes, f.transfers, f.caps, f.boxes);
    std::fflush(stdout);
}

bool reportFailure(quint32 seed, const monkey::Result& result, int shrinkSeconds) {
    const monkey::Failure& failure = *result.failure;
    std::printf("FAILURE seed %u step %lld: %s: %s\n", seed, failure.step,
                qPrintable(failure.check), qPrintable(failure.detail));
    std::printf("shortening the %zu steps (up to %d s)...\n", result.steps.size(), shrinkSeconds);
    std::fflush(stdout);
    const auto shortest = monkey::shrink(result.steps, failure.check, shrinkSeconds);
    const QString path = recorder.out + QStringLiteral("/monkey-%1.replay").arg(seed);
    writeReplay(path, shortest);
    std::printf("shortest replay found: %zu steps (written to %s)\n", shortest.size(),
                qPrintable(path));
    for (const monkey::Step& step : shortest)
        std::printf("  %s\n", qPrintable(monkey::describe(step)));
    std::fflush(stdout);
    return false;
}

void tellNothing(QtMsgType, const QMessageLogContext&, const QString&) {}

int playUntilKilled(const QString& root, quint32 seed) {
    // The harness reads only the ready line; crashes still reach the error stream.
    qInstallMessageHandler(&tellNothing);
    if (!monkey::prepareProgramFolder(root)) return 2;
    monkey::Settings settings;
    settings.checking = false;
    monkey::Monkey player(root, settings);
    player.start();
    std::printf("ready\n");
    std::fflush(stdout);
    player.play(seed, std::numeric_limits<qint64>::max());
    return 0;
}

int replayFile(const QString& path, int shrinkSeconds) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "monkey: cannot read %s\n", qPrintable(path));
        return 2;
    }
    std::vector<monkey::Step> steps;
    QTextStream in(&file);
    while (!in.atEnd())
        if (const auto step = monkey::fromLine(in.readLine())) steps.push_back(*step);
    QTemporaryDir dir;
    monkey::prepareProgramFolder(dir.path());
    monkey::Monkey player(dir.path());
    recorder.monkey = &player;
    QElapsedTimer clock;
    clock.start();
    const monkey::Result result = player.replay(steps);
    recorder.monkey = nullptr;
    printFigures(QStringLiteral("replay"), result.figures, clock.elapsed() / 1000.0);
    if (!result.failure) {
        std::printf("replay of %zu steps: no rule broken\n", steps.size());
        return 0;
    }
    return reportFailure(0, result, shrinkSeconds) ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    qInstallMessageHandler(&tellOnce);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption stepsOption(QStringLiteral("steps"), QStringLiteral("Steps per seed."),
                                         QStringLiteral("n"), QStringLiteral("20000"));
    const QCommandLineOption shrinkOption(QStringLiteral("shrink-seconds"),
                                          QStringLiteral("Time to shorten a failing replay."),
                                          QStringLiteral("s"), QStringLiteral("120"));
    const QCommandLineOption outOption(QStringLiteral("out"), QStringLiteral("Where replays go."),
                                       QStringLiteral("dir"), QStringLiteral("."));
    const QCommandLineOption replayOption(QStringLiteral("replay"),
                                          QStringLiteral("Replay a file."), QStringLiteral("file"));
    const QCommandLineOption playOption(QStringLiteral("play"),
                                        QStringLiteral("Play in a folder until killed."),
                                        QStringLiteral("dir"));
    const QCommandLineOption seedOption(QStringLiteral("seed"), QStringLiteral("Seed for --play."),
                                        QStringLiteral("n"), QStringLiteral("1"));
    const QCommandLineOption logOption(QStringLiteral("log"), QStringLiteral("Print every step."));
    parser.addOptions(
        {stepsOption, shrinkOption, outOption, replayOption, playOption, seedOption, logOption});
    parser.addPositionalArgument(QStringLiteral("seed"), QStringLiteral("Seeds to run."));
    parser.process(application);
    recorder.out = parser.value(outOption);
    const int shrinkSeconds = parser.value(shrinkOption).toInt();

#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_set_death_callback(&reportCrash);
#endif
    for (int signal : {SIGSEGV, SIGABRT, SIGFPE, SIGBUS, SIGILL})
        std::signal(signal, &onFatalSignal);

    if (parser.isSet(playOption))
        return playUntilKilled(parser.value(playOption), parser.value(seedOption).toUInt());
    if (parser.isSet(replayOption)) return replayFile(parser.value(replayOption), shrinkSeconds);

    QList<quint32> seeds;
    for (const QString& seed : parser.positionalArguments())
        seeds << seed.toUInt();
    if (seeds.isEmpty()) seeds << 1;
    const qint64 steps = parser.value(stepsOption).toLongLong();

    monkey::Figures total;
    int failures = 0;
    QElapsedTimer all;
    all.start();
    for (quint32 seed : seeds) {
        QTemporaryDir dir;
        if (!dir.isValid() || !monkey::prepareProgramFolder(dir.path())) {
            std::fprintf(stderr, "monkey: no program folder for seed %u\n", seed);
            return 2;
        }
        QElapsedTimer clock;
        clock.start();
        monkey::Result result;
        {
            monkey::Settings settings;
            settings.log = parser.isSet(logOption);
            monkey::Monkey player(dir.path(), settings);
            recorder = {seed, &player, recorder.out};
            result = player.play(seed, steps);
            recorder.monkey = nullptr;
        }
        printFigures(QStringLiteral("seed %1").arg(seed), result.figures, clock.elapsed() / 1000.0);
        total.steps += result.figures.steps;
        total.checks += result.figures.checks;
        total.runs += result.figures.runs;
        total.hands += result.figures.hands;
        total.prizes += result.figures.prizes;
        total.transfers += result.figures.transfers;
        total.caps += result.figures.caps;
        total.boxes += result.figures.boxes;
        if (result.failure) {
            ++failures;
            reportFailure(seed, result, shrinkSeconds);
        }
    }
    const double seconds = all.elapsed() / 1000.0;
    std::printf(
        "total: %lld steps over %lld seeds in %.1f s (%.0f steps/s), %lld invariant "
        "checks, %lld program runs, %lld hands, %lld prizes, %lld bank transfers, %lld caps "
        "reached, %d failures\n",
        total.steps, static_cast<long long>(seeds.size()), seconds,
        seconds > 0 ? total.steps / seconds : 0.0, total.checks, total.runs, total.hands,
        total.prizes, total.transfers, total.caps, failures);
    return failures == 0 ? 0 : 1;
}
