// Each slot's name, money and bank files damaged in every way a crash, a full disk or a hand edit
// leaves them, against every screen that reads or writes them.
#include "DamageTable.h"

class DamagedSlotsTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { damage::keepSavesInMemory(); }
    void everyScreenCopes_data() {
        std::vector<int> files;
        for (int f = 3; f < damage::FileCount; ++f)
            files.push_back(f);
        damage::addRows(files, false);
    }
    void everyScreenCopes() {
        QFETCH(int, file);
        QFETCH(int, kind);
        QFETCH(damage::Scene, scene);
        damage::runRow(file, kind, scene);
    }
};

QTEST_MAIN(DamagedSlotsTest)
#include "damaged_slots_test.moc"
