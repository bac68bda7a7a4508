// The three current-game files damaged in every way a crash, a full disk or a hand edit leaves
// them, and the save folders gone or unwritable, against every screen that uses them.
#include "DamageTable.h"

class DamagedFilesTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { damage::keepSavesInMemory(); }
    void everyScreenCopes_data() {
        damage::addRows({damage::CurrentSlot, damage::CurrentMoney, damage::CurrentBank}, true);
    }
    void everyScreenCopes() {
        QFETCH(int, file);
        QFETCH(int, kind);
        QFETCH(damage::Scene, scene);
        damage::runRow(file, kind, scene);
    }
};

QTEST_MAIN(DamagedFilesTest)
#include "damaged_files_test.moc"
