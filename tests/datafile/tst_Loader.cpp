#include "datafile/Loader.h"
#include "platform/IniFile.h"
#include "store/ComVars.h"
#include "support/Armies.h"
#include "support/TestWindows.h"

#include <QTest>

namespace
{

const QLocale English(QLocale::English, QLocale::UnitedStates);

// Notes what a load reports, in order.
class RecordedProgress : public LoadProgress
{
public:
    void ArmyRead() override { events << QStringLiteral("army"); }
    void TroopRead(int n) override { events << QStringLiteral("troop %1").arg(n); }
    void RaceMissing() override { events << QStringLiteral("no race"); }
    QStringList events;
};

struct Loaded {
    Store store{English};
    RecordedProgress progress;
    LoadOutcome outcome;
};

std::unique_ptr<Loaded> LoadFile(const QString& name)
{
    auto loaded = std::make_unique<Loaded>();
    SetUpStore(loaded->store);
    loaded->outcome = LoadDatafile(loaded->store, IniFile::Read(TestData(name)), loaded->progress);
    return loaded;
}

QStringList Lines(const std::unique_ptr<StringList>& list)
{
    return list ? list->Lines() : QStringList{QStringLiteral("<none>")};
}

} // namespace

class LoaderTest : public QObject
{
    Q_OBJECT
private slots:
    void readsArmyAndTroops_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("army");
        QTest::addColumn<QStringList>("troops");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("other letter case")
            << "load-letter-case.ini" << QStringList{"Red orchard", "Brood", "Swarm"}
            << QStringList{"Guard/tr", "Scouts/"} << QStringList{"army", "troop 1", "troop 2"};
        QTest::newRow("a gap ends the troops")
            << "load-gap.ini" << QStringList{"Gap", "Unit", "Squad"} << QStringList{"A/", "B/"}
            << QStringList{"army", "troop 1", "troop 2"};
        QTest::newRow("sections without keys")
            << "load-sections-without-keys.ini" << QStringList{"noname", "Unit", "Squad"}
            << QStringList{"noname/"} << QStringList{"army", "troop 1"};
    }
    void readsArmyAndTroops()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, army);
        QFETCH(QStringList, troops);
        QFETCH(QStringList, events);
        const auto loaded = LoadFile(file);
        const Store& store = loaded->store;
        QVERIFY(loaded->outcome.raceFound);
        QCOMPARE((QStringList{store.TheArmy.Name, store.TheArmy.UnitName, store.TheArmy.SquadName}),
                 army);
        QStringList read;
        for (int i = 0; i < store.TroopCount; ++i)
            read << store.TroopTable[i].Name + u'/' + store.TroopTable[i].Type;
        QCOMPARE(read, troops);
        QCOMPARE(loaded->progress.events, events);
        QCOMPARE(store.CurrentTroop, 0);
    }

    void troopWithoutKeysTakesDefaults()
    {
        const auto loaded = LoadFile(QStringLiteral("load-sections-without-keys.ini"));
        const TheRec& troop = loaded->store.TroopTable[0];
        QCOMPARE(
            (QStringList{troop.Name, troop.Points, troop.Type, troop.Min, troop.Max, troop.f_arm,
                         troop.s_arm, troop.r_arm, troop.Chars, troop.Weapons, troop.Specials}),
            (QStringList{"noname", "0", "", "1", "1", "", "", "", "", "0", "0"}));
        QVERIFY(!troop.WeaponList && !troop.R_WeaponList && !troop.A_WeaponList &&
                !troop.SpecialList);
    }

    void readsListsInFileOrder()
    {
        const auto loaded = LoadFile(QStringLiteral("load-lists.ini"));
        const TheRec& troop = loaded->store.TroopTable[0];
        // An empty entry ends a list; the troop maximum in front of a replaceable weapon goes.
        QCOMPARE(Lines(troop.WeaponList), QStringList{"Lance"});
        QCOMPARE(Lines(troop.R_WeaponList), (QStringList{"Rifle,Flame thrower,6", "Rifle"}));
        QCOMPARE(Lines(troop.A_WeaponList), QStringList{"Grenades,1"});
        QCOMPARE(Lines(troop.SpecialList), (QStringList{"1,Jump packs,5", "2,Command squad,20,1"}));
        QCOMPARE(troop.Specials, QStringLiteral("2,1"));
        for (const auto* list : {troop.WeaponList.get(), troop.R_WeaponList.get(),
                                 troop.A_WeaponList.get(), troop.SpecialList.get()})
            QVERIFY(!list->Sorted());
    }

    void fileWithoutRaceStillReadsCatalogues()
    {
        const auto loaded = LoadFile(QStringLiteral("load-no-race.ini"));
        QVERIFY(!loaded->outcome.raceFound);
        QCOMPARE(loaded->progress.events, QStringList{"no race"});
        QCOMPARE(loaded->store.TroopCount, 0);
        QCOMPARE(loaded->store.TroopTable[0].Name, QString());
        QCOMPARE(loaded->store.WeaponCatalogue->Lines(), QStringList{"Lance,36,8,2,Heavy 1,"});
    }

    void catalogueTakesEveryKeyOnce()
    {
        const auto loaded = LoadFile(QStringLiteral("load-catalogue-keys.ini"));
        // Keys are taken in sorted order (1, 10, 11, 12, 2, name): "AXE" under key 11 comes
        // before "Axe" under key 2, which is then the same line and dropped.
        QCOMPARE(
            loaded->store.WeaponCatalogue->Lines(),
            (QStringList{"AXE,,,,,", "Bow,24,3,,,", "Lance,36,8,2,Heavy 1,", "Sling,12,2,,,"}));
        QCOMPARE(loaded->store.SpecialCatalogue->Lines(),
                 (QStringList{"Armour,Saves on 4+", "Zeal,Never falls back"}));
    }

    void loadReplacesTheWholeStore()
    {
        Store store(English);
        FillFullArmy(store);
        store.TroopTable[3].Name = QStringLiteral("unfinished");
        store.CurrentTroop = 3;
        RecordedProgress progress;
        LoadDatafile(store, IniFile::Read(TestData(QStringLiteral("load-gap.ini"))), progress);
        QCOMPARE(store.TroopCount, 2);
        QCOMPARE(store.CurrentTroop, 0);
        for (int i = 2; i < Store::TroopSlots; ++i)
            QVERIFY2(store.TroopTable[i].Name.isEmpty() && !store.TroopTable[i].WeaponList,
                     qPrintable(QString::number(i)));
        QVERIFY(store.WeaponCatalogue->IsEmpty() && store.SpecialCatalogue->IsEmpty());
    }

    void moreThanAHundredTroops_data()
    {
        QTest::addColumn<int>("sections");
        QTest::addColumn<int>("loaded");
        QTest::addColumn<bool>("leftOut");
        QTest::newRow("99") << 99 << 99 << false;
        QTest::newRow("100") << 100 << 100 << false;
        QTest::newRow("101") << 101 << 100 << true;
        QTest::newRow("150") << 150 << 100 << true;
    }
    void moreThanAHundredTroops()
    {
        QFETCH(int, sections);
        QFETCH(int, loaded);
        QFETCH(bool, leftOut);
        const QByteArray bytes = ArmyWithTroops("Name=Horde\r\n", sections);
        Store store(English);
        SetUpStore(store);
        RecordedProgress progress;
        const LoadOutcome outcome = LoadDatafile(store, IniFile::Parse(bytes), progress);
        QCOMPARE(store.TroopCount, loaded);
        QCOMPARE(outcome.troopsLeftOut, leftOut);
        QCOMPARE(store.TroopTable[loaded - 1].Name, QStringLiteral("T%1").arg(loaded));
        QCOMPARE(progress.events.last(), QStringLiteral("troop %1").arg(loaded));
    }
};

QTEST_GUILESS_MAIN(LoaderTest)
#include "tst_Loader.moc"
