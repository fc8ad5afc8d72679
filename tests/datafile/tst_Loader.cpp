#include "datafile/Loader.h"
#include "platform/IniFile.h"
#include "store/Store.h"
#include "support/Armies.h"
#include "support/TestData.h"

#include <QCollator>
#include <QRandomGenerator>
#include <QTest>

namespace
{

const QLocale english(QLocale::English, QLocale::UnitedStates);

// Notes what a load reports, in order.
class RecordedProgress : public LoadProgress
{
public:
    void armyRead() override { events << QStringLiteral("army"); }
    void troopRead(int n) override { events << QStringLiteral("troop %1").arg(n); }
    void raceMissing() override { events << QStringLiteral("no race"); }
    QStringList events;
};

struct Loaded {
    Store store{english};
    RecordedProgress progress;
    LoadOutcome outcome;
};

std::unique_ptr<Loaded> loadFile(const QString& name)
{
    auto loaded = std::make_unique<Loaded>();
    loaded->outcome = loadDatafile(loaded->store, IniFile::read(testData(name)), loaded->progress);
    return loaded;
}

// An army of one troop with that many standard weapons and a weapon catalogue of that many
// entries, whose keys run backwards and whose entries come in sorted order, as saved.
QByteArray armyOfSize(int count)
{
    QByteArray bytes = "[Race]\r\nName=Horde\r\n[Troop1]\r\nName=Host\r\n";
    for (int i = 1; i <= count; ++i)
        bytes += "Weapon" + QByteArray::number(i) + "=Weapon " + QByteArray::number(i) + "\r\n";
    bytes += "[WeaponSpecs]\r\n";
    for (int i = 0; i < count; ++i)
        bytes += QByteArray::number(count - i) + "=Weapon " +
                 QByteArray::number(i).rightJustified(6, '0') + ",24,4,5,Rapid Fire,\r\n";
    return bytes;
}

QStringList linesOf(const std::unique_ptr<LineList>& list)
{
    return list ? list->lines() : QStringList{QStringLiteral("<none>")};
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
        const auto loaded = loadFile(file);
        const Store& store = loaded->store;
        QVERIFY(loaded->outcome.raceFound);
        QCOMPARE((QStringList{store.army.name, store.army.unitWord, store.army.squadWord}), army);
        QStringList read;
        for (int i = 0; i < store.troopCount; ++i)
            read << store.troops[i].name + u'/' + store.troops[i].role;
        QCOMPARE(read, troops);
        QCOMPARE(loaded->progress.events, events);
    }

    void troopWithoutKeysTakesDefaults()
    {
        const auto loaded = loadFile(QStringLiteral("load-sections-without-keys.ini"));
        const Troop& troop = loaded->store.troops[0];
        QCOMPARE(
            (QStringList{troop.name, troop.points, troop.role, troop.minModels, troop.maxModels,
                         troop.frontArmour, troop.sideArmour, troop.rearArmour,
                         troop.characteristics, troop.weaponLimit, troop.abilityLimits}),
            (QStringList{"noname", "0", "", "1", "1", "", "", "", "", "0", "0"}));
        QVERIFY(!troop.standardWeapons && !troop.replaceableWeapons && !troop.additionalWeapons &&
                !troop.abilities);
    }

    void readsListsInFileOrder()
    {
        const auto loaded = loadFile(QStringLiteral("load-lists.ini"));
        const Troop& troop = loaded->store.troops[0];
        // An empty entry ends a list; the troop maximum in front of a replaceable weapon goes.
        QCOMPARE(linesOf(troop.standardWeapons), QStringList{"Lance"});
        QCOMPARE(linesOf(troop.replaceableWeapons),
                 (QStringList{"Rifle,Flame thrower,6", "Rifle"}));
        QCOMPARE(linesOf(troop.additionalWeapons), QStringList{"Grenades,1"});
        QCOMPARE(linesOf(troop.abilities), (QStringList{"1,Jump packs,5", "2,Command squad,20,1"}));
        QCOMPARE(troop.abilityLimits, QStringLiteral("2,1"));
        for (const auto* list : {troop.standardWeapons.get(), troop.replaceableWeapons.get(),
                                 troop.additionalWeapons.get(), troop.abilities.get()})
            QVERIFY(!list->isSorted());
    }

    // A file that is no datafile must not touch the army being edited, not even its catalogues.
    void fileWithoutRaceLeavesTheStore()
    {
        Loaded loaded;
        fillFullArmy(loaded.store);
        const QStringList before = describe(loaded.store);
        loaded.outcome =
            loadDatafile(loaded.store, IniFile::read(testData(QStringLiteral("load-no-race.ini"))),
                         loaded.progress);
        QVERIFY(!loaded.outcome.raceFound);
        QCOMPARE(loaded.progress.events, QStringList{"no race"});
        QCOMPARE(describe(loaded.store), before);
    }

    void catalogueTakesEveryKeyOnce()
    {
        const auto loaded = loadFile(QStringLiteral("load-catalogue-keys.ini"));
        // Keys are taken in sorted order (1, 10, 11, 12, 2, name): "AXE" under key 11 comes
        // before "Axe" under key 2, which is then the same line and dropped.
        QCOMPARE(
            loaded->store.weaponCatalogue->lines(),
            (QStringList{"AXE,,,,,", "Bow,24,3,,,", "Lance,36,8,2,Heavy 1,", "Sling,12,2,,,"}));
        QCOMPARE(loaded->store.abilityCatalogue->lines(),
                 (QStringList{"Armour,Saves on 4+", "Zeal,Never falls back"}));
    }

    // Under a Danish locale "Baadkanon" and "B\u00e5dkanon" sort as one but are two weapons; only
    // the line equal but for case is dropped.
    void catalogueKeepsLocaleEqualNames()
    {
        QCollator danish{QLocale(QLocale::Danish)};
        danish.setCaseSensitivity(Qt::CaseInsensitive);
        if (danish.compare(QStringLiteral("Baad"), QStringLiteral("B\u00e5d")) != 0)
            QSKIP("this machine's collator does not know Danish");
        Store store{QLocale(QLocale::Danish)};
        RecordedProgress progress;
        loadDatafile(store,
                     IniFile::parse("[Race]\r\n[WeaponSpecs]\r\n1=Baadkanon,,,,,\r\n"
                                    "2=B\xe5"
                                    "dkanon,,,,,\r\n3=BAADKANON,,,,,\r\n"),
                     progress);
        QCOMPARE(store.weaponCatalogue->count(), 2);
        QVERIFY(store.weaponCatalogue->indexOf(QStringLiteral("Baadkanon,,,,,")) >= 0);
        QVERIFY(store.weaponCatalogue->indexOf(QStringLiteral("B\u00e5dkanon,,,,,")) >= 0);
    }

    // The catalogue holds what taking the keys one by one in sorted order, each adding its value
    // to the sorted catalogue, gives: with keys that repeat, differ in case or accents, lines
    // without "=", empty values and values that differ only in case.
    void catalogueAsKeyByKey_data()
    {
        QTest::addColumn<bool>("numberedKeys");
        QTest::newRow("numbered keys") << true;
        QTest::newRow("named keys") << false;
    }
    void catalogueAsKeyByKey()
    {
        QFETCH(bool, numberedKeys);
        constexpr int count = 3000;
        const QStringList keyStarts = {"k", "K", QStringLiteral("é"), QStringLiteral("É")};
        const QStringList valueStarts = {"Axe", "AXE", "axe", "Bow"};
        QRandomGenerator dice(1252);
        QString text = "[Race]\r\n[WeaponSpecs]\r\n";
        for (int i = 0; i < count; ++i) {
            const QString number = QString::number(dice.bounded(count));
            text += numberedKeys ? number : keyStarts[dice.bounded(4)] + number;
            const int kind = dice.bounded(20);
            if (kind == 0)
                text += "\r\n";
            else if (kind == 1)
                text += "=\r\n";
            else
                text += '=' + valueStarts[dice.bounded(4)] +
                        QString::number(dice.bounded(count / 4)) + ',' +
                        QString::number(dice.bounded(9)) + "\r\n";
        }
        const IniFile file = IniFile::parse(text.toLatin1());
        Store store(english);
        RecordedProgress progress;
        loadDatafile(store, file, progress);

        const QString section = QStringLiteral("WeaponSpecs");
        const auto keys = store.newSortedList();
        for (const QString& key : file.keyNames(section))
            keys->add(key);
        const auto expected = store.newSortedList();
        for (const QString& key : keys->lines())
            expected->add(file.value(section, key, QString()));
        QVERIFY(expected->count() > count / 2);
        QCOMPARE(store.weaponCatalogue->lines(), expected->lines());
    }

    // Each troop holds what asking its section for every name gives, as the roster program
    // asks: Name, Type, ..., then Weapon1, Weapon2, ... up to the first missing or empty one.
    // The sections mix the case of names, repeat names, leave out "=", empty values, leading
    // zeros, numbers out of order and past the end.
    void troopsAsAskedNameByName()
    {
        const QStringList names = {"Name",     "nAME",     "Type",   "Points", "Min",
                                   "Max",      "f_arm",    "S_ARM",  "r_arm",  "Chars",
                                   "Weapons",  "Specials", "Weapon", "weapon", "R_Weapon",
                                   "A_WEAPON", "Special",  "Specia"};
        const QStringList numbered = names.mid(12);
        QRandomGenerator dice(1977);
        QString text = "[Race]\r\nName=Horde\r\n";
        constexpr int troops = 60;
        for (int troop = 1; troop <= troops; ++troop) {
            text += QStringLiteral("[Troop%1]\r\n").arg(troop);
            for (int line = dice.bounded(60); line > 0; --line) {
                const bool inList = dice.bounded(2);
                QString key =
                    inList ? numbered[dice.bounded(int(numbered.size()))] : names[dice.bounded(12)];
                if (inList) {
                    const int kind = dice.bounded(12);
                    key += kind == 0   ? QStringLiteral("0%1").arg(dice.bounded(5))
                           : kind == 1 ? QStringLiteral("99")
                                       : QString::number(1 + dice.bounded(4));
                }
                const int kind = dice.bounded(10);
                text += kind == 0   ? key + "\r\n"
                        : kind == 1 ? key + "=\r\n"
                                    : key + "=v" + QString::number(dice.bounded(50)) + ",w\r\n";
            }
        }
        const IniFile file = IniFile::parse(text.toLatin1());
        Store store(english);
        RecordedProgress progress;
        loadDatafile(store, file, progress);
        QCOMPARE(store.troopCount, troops);

        const auto asked = [&file](int troop, const char* key, const QString& fallback) {
            return file.value(QStringLiteral("Troop%1").arg(troop), QString::fromLatin1(key),
                              fallback);
        };
        const auto askedList = [&](int troop, const char* key, bool dropPrefix) {
            QStringList lines;
            for (int i = 1;; ++i) {
                QString value = asked(troop, (key + QByteArray::number(i)).constData(), QString());
                if (value.isEmpty())
                    return lines.isEmpty() ? QStringList{"<none>"} : lines;
                lines << (dropPrefix ? value.section(u',', 1) : value);
            }
        };
        int listed = 0;
        for (int troop = 1; troop <= troops; ++troop) {
            const Troop& read = store.troops[troop - 1];
            const QStringList got = {read.name,        read.role,         read.points,
                                     read.minModels,   read.maxModels,    read.frontArmour,
                                     read.sideArmour,  read.rearArmour,   read.characteristics,
                                     read.weaponLimit, read.abilityLimits};
            QString limits = asked(troop, "Specials", QString());
            const QStringList expected = {asked(troop, "Name", "noname"),
                                          asked(troop, "Type", QString()),
                                          asked(troop, "Points", "0"),
                                          asked(troop, "Min", "1"),
                                          asked(troop, "Max", "1"),
                                          asked(troop, "f_arm", QString()),
                                          asked(troop, "s_arm", QString()),
                                          asked(troop, "r_arm", QString()),
                                          asked(troop, "Chars", QString()),
                                          asked(troop, "Weapons", "0"),
                                          limits.isEmpty() ? QStringLiteral("0") : limits};
            QCOMPARE(got, expected);
            QCOMPARE(linesOf(read.standardWeapons), askedList(troop, "Weapon", false));
            QCOMPARE(linesOf(read.replaceableWeapons), askedList(troop, "R_Weapon", true));
            QCOMPARE(linesOf(read.additionalWeapons), askedList(troop, "A_Weapon", false));
            QCOMPARE(linesOf(read.abilities), askedList(troop, "Special", false));
            for (const auto* list : {&read.standardWeapons, &read.replaceableWeapons,
                                     &read.additionalWeapons, &read.abilities})
                listed += *list ? (*list)->count() : 0;
        }
        QVERIFY2(listed > troops, qPrintable(QString::number(listed)));
    }

    void hundredThousandEntriesLoadWhole()
    {
        constexpr int count = 100000;
        Store store(english);
        RecordedProgress progress;
        loadDatafile(store, IniFile::parse(armyOfSize(count)), progress);
        QCOMPARE(store.troops[0].standardWeapons->count(), count);
        QCOMPARE(store.troops[0].standardWeapons->lines().last(), QStringLiteral("Weapon 100000"));
        QCOMPARE(store.weaponCatalogue->count(), count);
        QCOMPARE((*store.weaponCatalogue)[0], QStringLiteral("Weapon 000000,24,4,5,Rapid Fire,"));
        QCOMPARE((*store.weaponCatalogue)[count - 1],
                 QStringLiteral("Weapon 099999,24,4,5,Rapid Fire,"));
    }

    // Twice the entries cost the reader less than three times the work: a look-up does not walk
    // the file.
    void readerWorkGrowsWithTheFile()
    {
        const auto work = [](int count) {
            const IniFile file = IniFile::parse(armyOfSize(count));
            Store store(english);
            RecordedProgress progress;
            const quint64 before = IniFile::lookupSteps();
            loadDatafile(store, file, progress);
            return IniFile::lookupSteps() - before;
        };
        const quint64 single = work(10000);
        const quint64 twice = work(20000);
        QVERIFY(single >= 10000);
        QVERIFY2(twice < 3 * single, qPrintable(QString("%1 then %2").arg(single).arg(twice)));
    }

    void loadReplacesTheWholeStore()
    {
        Store store(english);
        fillFullArmy(store);
        store.troops[3].name = QStringLiteral("unfinished");
        RecordedProgress progress;
        loadDatafile(store, IniFile::read(testData(QStringLiteral("load-gap.ini"))), progress);
        QCOMPARE(store.troopCount, 2);
        for (int i = 2; i < Store::slotCount; ++i)
            QVERIFY2(store.troops[i].name.isEmpty() && !store.troops[i].standardWeapons,
                     qPrintable(QString::number(i)));
        QVERIFY(store.weaponCatalogue->isEmpty() && store.abilityCatalogue->isEmpty());
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
        const QByteArray bytes = armyWithTroops("Name=Horde\r\n", sections);
        Store store(english);
        RecordedProgress progress;
        const LoadOutcome outcome = loadDatafile(store, IniFile::parse(bytes), progress);
        QCOMPARE(store.troopCount, loaded);
        QCOMPARE(outcome.troopsLeftOut, leftOut);
        QCOMPARE(store.troops[loaded - 1].name, QStringLiteral("T%1").arg(loaded));
        QCOMPARE(progress.events.last(), QStringLiteral("troop %1").arg(loaded));
    }
};

QTEST_GUILESS_MAIN(LoaderTest)
#include "tst_Loader.moc"
