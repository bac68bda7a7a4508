#pragma once

// The table of damages x screens, and the checks that follow each row: the player was told which
// file failed and what the game did about it, no file holds anything but the record the rules
// wrote, another slot's save is untouched, nothing failed was reported as done, and a screen is
// still in front.

#include "DamageScenes.h"

#include <QRegularExpression>

namespace damage {

// Besides the sentence naming the file, at least one more saying what the game did about it.
inline bool saysWhatWasDone(const QString& message, const QString& file) {
    const qsizetype at = message.indexOf(QLatin1String("The save file"));
    if (at < 0) return false;
    const qsizetype end = message.indexOf(QLatin1String(". "), message.indexOf(file, at));
    const QString rest = message.left(at) + (end < 0 ? QString() : message.mid(end + 2));
    return !rest.trimmed().isEmpty();
}

// What every row must leave behind, whatever the screen.
inline void checkAftermath(TestGame& t, const Disk& disk, const Walk& w,
                           const std::array<Snapshot, FileCount>& damaged) {
    for (int f = 0; f < FileCount; ++f) {
        if (w.written.count(f))
            QVERIFY2(snapshot(t, f) == (Snapshot{true, false, w.written.at(f)}),
                     qPrintable(label(f) + " holds " + t.bytes(gameName(f).constData()).left(80)));
        else
            QVERIFY2(snapshot(t, f) == damaged[f], qPrintable(label(f) + " was changed"));
    }
    QCOMPARE(strayEntries(t), QStringList());

    const QStringList messages = t.dialogs.messages();
    const auto named = [&](int f) {
        return std::any_of(messages.begin(), messages.end(),
                           [&](const QString& m) { return m.contains(label(f)); });
    };
    for (int f : w.failures) {
        QVERIFY2(named(f), qPrintable(label(f) + " failed unannounced: " + messages.join(" | ")));
        for (const QString& message : messages)
            if (message.contains(label(f)))
                QVERIFY2(saysWhatWasDone(message, label(f)), qPrintable(message));
    }
    for (const QString& message : messages) {
        if (!message.contains(QLatin1String("save file"))) continue;
        bool blamesDamage = false;
        for (int f = 0; f < FileCount; ++f)
            blamesDamage = blamesDamage || (disk[f].damaged && message.contains(label(f)));
        QVERIFY2(blamesDamage && !w.failures.empty(), qPrintable("false alarm: " + message));
    }

    QVERIFY2(t.screens().visibleScreen() || t.screens().hasEnded(), "no screen in front");
    static const QRegularExpression sum(QStringLiteral("\\$(-?\\d+)"));
    for (int id = 0; id < ui::ScreenCount; ++id) {
        const ui::Screen* screen = t.screens().screen(static_cast<ScreenId>(id));
        if (!screen) continue;
        for (const ui::Label* line : screen->findChildren<ui::Label*>()) {
            for (const auto& m : sum.globalMatch(line->caption())) {
                const qlonglong value = m.captured(1).toLongLong();
                QVERIFY2(value >= -32768 && value <= 32767, qPrintable(line->caption()));
            }
        }
    }
}

// Each row saves a dozen records, and every save waits for the disk to sync: a temporary folder
// in memory, where the machine has one, keeps the table quick without changing a byte written.
inline void keepSavesInMemory() {
    const QFileInfo memory(QStringLiteral("/dev/shm"));
    if (qEnvironmentVariableIsEmpty("TMPDIR") && memory.isDir() && memory.isWritable())
        qputenv("TMPDIR", memory.filePath().toLocal8Bit());
}

// One row: three saved games, one in play, one file (or folder) damaged, one screen at work.
inline void runRow(int file, int damageIndex, Scene scene) {
    const int slot = file >= 3 ? slotOf(file) : 2;
    TestGame t;
    for (int f = 0; f < FileCount; ++f)
        t.writeBytes(gameName(f).constData(), goodBytes(f, slot));
    Disk disk = goodDisk(slot);
    std::array<Snapshot, FileCount> damaged;
    Walk walk(disk);
    Play p{t, disk, walk, slot, [&] {
               if (file >= 0)
                   apply(t, disk, file, damages()[damageIndex], slot);
               else
                   apply(t, disk, folderDamages()[damageIndex], slot);
               for (int f = 0; f < FileCount; ++f)
                   damaged[f] = snapshot(t, f);
           }};
    play(scene, p);
    if (QTest::currentTestFailed()) return;
    checkAftermath(t, disk, walk, damaged);
}

inline void addRows(const std::vector<int>& files, bool folders) {
    QTest::addColumn<int>("file");
    QTest::addColumn<int>("kind");
    QTest::addColumn<Scene>("scene");
    for (int f : files)
        for (int d = 0; d < static_cast<int>(damages().size()); ++d)
            for (Scene scene : scenesFor(f))
                QTest::addRow("%s %s %s", qPrintable(label(f)), damages()[d].name, sceneName(scene))
                    << f << d << scene;
    if (!folders) return;
    for (int d = 0; d < static_cast<int>(folderDamages().size()); ++d)
        for (int s = 0; s <= static_cast<int>(Scene::Prize); ++s)
            QTest::addRow("%s %s", folderDamages()[d].name, sceneName(Scene(s)))
                << -1 << d << Scene(s);
}

} // namespace damage

Q_DECLARE_METATYPE(damage::Scene)
