// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

// vantrell-monkey [--steps N] [seed...]: N steps (20000 unless told) of the random player from
// each seed (1 unless told), each in a fresh program folder; prints each seed's figures, and for
// a broken rule or a crash the step and the steps up to it. vantrell-monkey --play DIR SEED plays
// in DIR until a rule breaks or it is killed, once it has printed "ready" (for vantrell-killtest).
#include "Monkey.h"

#include <QApplication>
#include <csignal>

static Monkey* playing = nullptr;

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QStringList args = application.arguments().mid(1);
    if (args.value(0) == "--play") {
        Monkey monkey(args.value(1), args.value(2).toUInt());
        std::printf("ready\n");
        std::fflush(stdout);
        std::fprintf(stderr, "%s\n", qPrintable(monkey.play(std::numeric_limits<qint64>::max())));
        return 1;
    }
    for (int signal : {SIGSEGV, SIGABRT, SIGFPE, SIGBUS})
        std::signal(signal, [](int signal) {
            if (playing)
                std::fprintf(stderr, "CRASH in\n%s\n", qPrintable(playing->recent.join('\n')));
            std::signal(signal, SIG_DFL);
        });
    std::setvbuf(stdout, nullptr, _IONBF, 0); // a crash loses nothing printed before it
    const qint64 steps = args.value(0) == "--steps" ? args.takeAt(1).toLongLong() : 20000;
    args.removeAll("--steps");
    int failures = 0;
    for (const QString& seed : args.isEmpty() ? QStringList{"1"} : args) {
        std::printf("seed %s...\n", qPrintable(seed));
        QTemporaryDir dir;
        Monkey monkey(dir.path(), seed.toUInt());
        playing = &monkey;
        const QString failure = monkey.play(steps);
        playing = nullptr;
        const auto& f = monkey.figures;
        std::printf("  %lld steps, %lld checks, %lld program runs, %lld hands, %lld bank "
                    "transfers, %lld prizes, %s\n",
                    f[0], f[1], f[2], f[3], f[4], f[5],
                    qPrintable(failure.isEmpty() ? "ok" : "FAILURE at " + failure));
        failures += !failure.isEmpty();
    }
    return failures == 0 ? 0 : 1;
}
