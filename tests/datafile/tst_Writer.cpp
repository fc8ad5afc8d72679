#include "datafile/Writer.h"
#include "platform/DatafileOutput.h"
#include "store/Store.h"
#include "support/Armies.h"
#include "support/TestData.h"

#include <QTemporaryDir>
#include <QTest>

namespace
{

const QLocale english(QLocale::English, QLocale::UnitedStates);

void fillEmptyArmy(Store& store)
{
    store.army = {QStringLiteral("RED ORCHARD"), QStringLiteral("Unit"), QStringLiteral("Squad")};
}

// The lines of troop 1 after "Weapons=", up to the empty line that ends the section.
QStringList listEntriesOfTroop1(const QStringList& lines)
{
    const qsizetype first = lines.indexOf(QStringLiteral("Weapons=0")) + 1;
    return lines.mid(first, lines.indexOf(QString(), first) - first);
}

QByteArray save(const Store& store, const QString& path)
{
    QString reason;
    if (!writeDatafile(path, datafileLines(store), &reason))
        return "failed: " + reason.toUtf8();
    return readBytes(path);
}

} // namespace

class WriterTest : public QObject
{
    Q_OBJECT
private slots:
    void matchesGoldenFile_data()
    {
        QTest::addColumn<QString>("golden");
        QTest::addColumn<bool>("full");
        QTest::newRow("no troops, empty catalogues") << "golden-empty-army.ini" << false;
        QTest::newRow("every list kind and armour case") << "golden-full-army.ini" << true;
    }
    void matchesGoldenFile()
    {
        QFETCH(QString, golden);
        QFETCH(bool, full);
        Store store(english);
        if (full)
            fillFullArmy(store);
        else
            fillEmptyArmy(store);
        QTemporaryDir dir;
        const QByteArray first = save(store, dir.filePath(QStringLiteral("first.ini")));
        const QByteArray expected = readBytes(testData(golden));
        QVERIFY(!expected.isEmpty());
        if (first != expected) {
            const QList<QByteArray> got = first.split('\n');
            const QList<QByteArray> want = expected.split('\n');
            for (int i = 0; i < qMax(got.size(), want.size()); ++i)
                QCOMPARE(got.value(i), want.value(i));
        }
        QCOMPARE(first, expected);
        QCOMPARE(save(store, dir.filePath(QStringLiteral("second.ini"))), first);
    }

    // Catalogue numbers follow the sorted order at the moment of saving; a new entry that
    // sorts first renumbers the others.
    void catalogueNumbersFollowSortedOrder()
    {
        Store store(english);
        fillEmptyArmy(store);
        store.weaponCatalogue->add(QStringLiteral("Rifle,24,3,5,Rapid fire,"));
        QStringList lines = datafileLines(store);
        QCOMPARE(lines.mid(lines.size() - 3),
                 QStringList({"[WeaponSpecs]", "1=Rifle,24,3,5,Rapid fire,", ""}));
        store.weaponCatalogue->add(QStringLiteral("axe"));
        lines = datafileLines(store);
        QCOMPARE(lines.mid(lines.size() - 4),
                 QStringList({"[WeaponSpecs]", "1=axe,,,,,", "2=Rifle,24,3,5,Rapid fire,", ""}));
    }

    void troopListEntries_data()
    {
        QTest::addColumn<QString>("max");
        QTest::addColumn<QStringList>("weapons");
        QTest::addColumn<QStringList>("replaceable");
        QTest::addColumn<QStringList>("abilities");
        QTest::addColumn<QString>("limits");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("entries that would read back empty are left out, the rest numbered on")
            << "1" << QStringList{"Axe", "", " ", "\"\"", " '' ", "\" \t\"", "Bow"}
            << QStringList{" ", "Axe,Bow,2"} << QStringList{"1,Roar,2", "\t"} << "1,1"
            << QStringList{"Weapon1=Axe", "Weapon2=Bow", "R_Weapon1=1,Axe,Bow,2", "Specials=1,1",
                           "Special1=1,Roar,2"};
        QTest::newRow("values the reader would change are written inside quotes")
            << "1" << QStringList{" Axe", "Bow\t", "\"Club\"", "'Dirk'", "\"Spear'", "x\"\"y"}
            << QStringList() << QStringList() << "1,1"
            << QStringList{"Weapon1=\" Axe\"",   "Weapon2=\"Bow\t\"", "Weapon3=\"\"Club\"\"",
                           "Weapon4=\"'Dirk'\"", "Weapon5=\"Spear'",  "Weapon6=x\"\"y"};
        QTest::newRow("the maximum in front of a replaceable weapon is its number")
            << "5,3" << QStringList() << QStringList{"Axe,Bow,2", "Club"} << QStringList() << "1,1"
            << QStringList{"R_Weapon1=5,Axe,Bow,2", "R_Weapon2=5,Club"};
        QTest::newRow("a maximum without a number gives 0")
            << " many" << QStringList() << QStringList{"Club"} << QStringList() << "1,1"
            << QStringList{"R_Weapon1=0,Club"};
        QTest::newRow("abilities that are all left out give no Specials entry")
            << "1" << QStringList() << QStringList() << QStringList{" "} << "1,1" << QStringList();
        QTest::newRow("an empty limit is left out, the abilities written")
            << "1" << QStringList() << QStringList() << QStringList{"1,Roar,2"} << ""
            << QStringList{"Special1=1,Roar,2"};
    }
    void troopListEntries()
    {
        QFETCH(QString, max);
        QFETCH(QStringList, weapons);
        QFETCH(QStringList, replaceable);
        QFETCH(QStringList, abilities);
        QFETCH(QString, limits);
        QFETCH(QStringList, entries);
        Store store(english);
        fillEmptyArmy(store);
        store.troopCount = 1;
        Troop& troop = store.troops[0];
        troop.maxModels = max;
        troop.abilityLimits = limits;
        addLines(store, troop.standardWeapons, weapons, false);
        addLines(store, troop.replaceableWeapons, replaceable, false);
        addLines(store, troop.abilities, abilities, false);
        QCOMPARE(listEntriesOfTroop1(datafileLines(store)), entries);
    }

    // Entries that the fields make the same line, or lines that the catalogue counts as equal,
    // are written once.
    void catalogueLinesWrittenOnce()
    {
        Store store(english);
        fillEmptyArmy(store);
        for (const char* line : {"Axe", "Axe,,", "axe,,,,,", "Bow,1,2,3,4,5,6", " Club"})
            store.weaponCatalogue->add(QString::fromLatin1(line));
        for (const char* line : {"Roar", "Roar,,x", "roar,"})
            store.abilityCatalogue->add(QString::fromLatin1(line));
        const QStringList lines = datafileLines(store);
        QCOMPARE(lines.mid(lines.indexOf(QStringLiteral("[WeaponSpecs]"))),
                 QStringList({"[WeaponSpecs]", "1=\" Club,,,,,\"", "2=Axe,,,,,", "3=Bow,1,2,3,4,5",
                              "", "[Specials]", "1=Roar,"}));
    }
};

QTEST_GUILESS_MAIN(WriterTest)
#include "tst_Writer.moc"
