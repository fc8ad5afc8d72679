// Save's refusal of characters the datafile cannot hold names where each one is and what to do.
#include "datafile/Unholdable.h"
#include "store/Store.h"

#include <QTest>
#include <functional>

using Setup = std::function<void(Store&)>;
Q_DECLARE_METATYPE(Setup)

class UnholdableTest : public QObject
{
    Q_OBJECT

private slots:
    void report_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<QString>("report");
        QTest::newRow("holdable army")
            << Setup([](Store& army) { army.army.name = QStringLiteral("ÉCOLE DE GUERRE"); })
            << QString();
        QTest::newRow("places in datafile order")
            << Setup([](Store& army) {
                   army.army.name = QStringLiteral("ŁÓDŹ");
                   army.troopCount = 2;
                   army.troops[0].name = QStringLiteral("Scouts");
                   army.troops[0].standardWeapons = army.newPlainList();
                   army.troops[0].standardWeapons->add(QStringLiteral("Żółć gun"));
                   army.troops[0].standardWeapons->add(QStringLiteral("Łuk"));
                   army.troops[1].role = QStringLiteral("H\u200bQ");
                   army.troops[2].name = QStringLiteral("Ж, not accepted");
                   army.abilityCatalogue->add(QStringLiteral("隐身,hides"));
               })
            << QStringLiteral("The datafile cannot hold these characters, so nothing was saved:\n"
                              "the army name: Ł, Ź\n"
                              "troop \"Scouts\", step 3: Ż, ł, ć, Ł\n"
                              "troop 2, step 2: U+200B\n"
                              "the ability catalogue, \"隐身\": 隐, 身\n"
                              "Replace them, for example Ł with L, and save again.");
        QTest::newRow("no plain letter to offer")
            << Setup([](Store& army) {
                   army.weaponCatalogue->add(QStringLiteral("火,12,4,5,Heavy 1,"));
               })
            << QStringLiteral("The datafile cannot hold these characters, so nothing was saved:\n"
                              "the weapon catalogue, \"火\": 火\n"
                              "Replace them with characters of Western European text, and save "
                              "again.");
    }
    void report()
    {
        QFETCH(Setup, setup);
        QFETCH(QString, report);
        Store army(QLocale::c());
        setup(army);
        QCOMPARE(unholdableReport(army), report);
    }
};

QTEST_GUILESS_MAIN(UnholdableTest)
#include "tst_Unholdable.moc"
