// vantrell-killtest: kills a playing game with SIGKILL again and again and checks its saves.
//
//   vantrell-killtest [--kills N] [--seed S] [--folder DIR]
//       N kills (default 1000) of the random player playing in one program folder (a fresh
//       temporary one unless DIR is given); after each, every save file must hold one whole
//       record and a fresh start must reach the main menu and continue every saved slot.

#include "Kills.h"
#include "Monkey.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The games started here share one private runtime folder, so none of them complains of
    // having none.
    QTemporaryDir runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime.isValid()) {
        QFile::setPermissions(runtime.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    }
    QApplication application(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption killsOption(QStringLiteral("kills"), QStringLiteral("How many kills."),
                                         QStringLiteral("n"), QStringLiteral("1000"));
    const QCommandLineOption seedOption(QStringLiteral("seed"), QStringLiteral("Seed."),
                                        QStringLiteral("n"), QStringLiteral("1"));
    const QCommandLineOption folderOption(QStringLiteral("folder"),
                                          QStringLiteral("Program folder to play in."),
                                          QStringLiteral("dir"));
    parser.addOptions({killsOption, seedOption, folderOption});
    parser.process(application);

    QTemporaryDir temporary;
    const QString root = parser.isSet(folderOption) ? parser.value(folderOption) : temporary.path();
    if (!monkey::prepareProgramFolder(root)) {
        std::fprintf(stderr, "killtest: cannot prepare %s\n", qPrintable(root));
        return 2;
    }
    const int kills = parser.value(killsOption).toInt();
    monkey::KillHarness harness(root, QStringLiteral(MONKEY_EXECUTABLE),
                                parser.value(seedOption).toUInt());
    QElapsedTimer clock;
    clock.start();
    for (int k = 1; k <= kills; ++k) {
        const QStringList faults = harness.killOnce(k);
        for (const QString& fault : faults)
            std::printf("FAILURE after kill %d: %s\n", k, qPrintable(fault));
        if (k % 100 == 0) {
            std::printf("%d kills...\n", k);
            std::fflush(stdout);
        }
    }
    const monkey::KillFigures& f = harness.figures();
    std::printf("killtest: %d kills (%d after the game had saved, %d leaving an interrupted "
                "save's copy that the next start removed) in %.0f s, %d files checked, %d saved "
                "slots continued, %d failures\n",
                f.kills, f.killsAfterSaving, f.leftoverCopies, clock.elapsed() / 1000.0,
                f.filesChecked, f.slotsContinued, f.failures);
    return f.failures == 0 && f.kills == kills ? 0 : 1;
}
