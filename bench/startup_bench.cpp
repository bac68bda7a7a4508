// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

// How long the game takes from process start to its main menu on screen, against a bare Qt
// window showing one picture of the same size, measured in the same run.
//
//   startup_bench [runs]     (QT_QPA_PLATFORM decides the window system; offscreen by default)

#include "app/Game.h"
#include "engine/Random.h"
#include "game/SaveFolders.h"
#include "ui/Dialogs.h"
#include "ui/Screen.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPixmap>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Prints one line and ends the process once the watched widget has been painted.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            QMetaObject::invokeMethod(
                watched,
                [] {
                    std::puts("painted");
                    std::fflush(stdout);
                    std::_Exit(0);
                },
                Qt::QueuedConnection);
        }
        return false;
    }
};

int runGame(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const game::ProgramFolder folder(QStringLiteral(VANTRELL_PROGRAM_DIR));
    game::prepareSaveFolders(folder);
    engine::ClockRandom random;
    ui::WindowDialogs dialogs([] { return nullptr; });
    app::Game game(game::GameContext{folder, dialogs, random, false});
    game.start();
    FirstPaint watch;
    game.screens().screen(ui::ScreenId::Start)->installEventFilter(&watch);
    return QApplication::exec();
}

int runBare(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QLabel window;
    window.setPixmap(QPixmap(QStringLiteral(VANTRELL_PROGRAM_DIR "/Graphics/StartBackground.GIF")));
    window.setFixedSize(600, 400);
    FirstPaint watch;
    window.installEventFilter(&watch);
    window.show();
    return QApplication::exec();
}

double timeChild(const QString& program, const QString& mode) {
    QProcess child;
    QElapsedTimer clock;
    clock.start();
    child.start(program, {mode});
    if (!child.waitForReadyRead(30000)) return -1;
    const double ms = clock.nsecsElapsed() / 1e6;
    child.waitForFinished(10000);
    return ms;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc > 1 && qstrcmp(argv[1], "--game") == 0) return runGame(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], "--bare") == 0) return runBare(argc, argv);

    QCoreApplication application(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const int runs = argc > 1 ? std::max(3, atoi(argv[1])) : 15;
    const QString self = QCoreApplication::applicationFilePath();
    std::vector<double> game, bare;
    timeChild(self, "--bare"); // warm the file cache for both
    timeChild(self, "--game");
    for (int i = 0; i < runs; ++i) {
        bare.push_back(timeChild(self, "--bare"));
        game.push_back(timeChild(self, "--game"));
    }
    const double g = median(game), b = median(bare);
    std::printf("start to main menu painted (median of %d, platform %s)\n", runs,
                qgetenv("QT_QPA_PLATFORM").constData());
    std::printf("  game          %8.1f ms   (worst %.1f ms)\n", g, *std::max_element(game.begin(), game.end()));
    std::printf("  bare window   %8.1f ms   (worst %.1f ms)\n", b, *std::max_element(bare.begin(), bare.end()));
    std::printf("  ratio         %8.2f\n", g / b);
    return 0;
}
