#include "store/LineOps.h"
#include "store/Number.h"
#include "store/Store.h"

#include <functional>

#include <QTest>
#include <climits>

namespace
{

const QLocale english(QLocale::English, QLocale::UnitedStates);

void addTroop(Store& store, const QString& name, const QString& type,
              const QStringList& weapons = {})
{
    Troop& troop = store.troops[store.troopCount];
    troop.name = name;
    troop.role = type;
    if (!weapons.isEmpty()) {
        troop.standardWeapons = store.newSortedList();
        for (const QString& weapon : weapons)
            troop.standardWeapons->add(weapon);
    }
    ++store.troopCount;
}

QStringList names(const Store& store)
{
    QStringList names;
    for (int i = 0; i < store.troopCount; ++i)
        names << store.troops[i].name;
    return names;
}

bool isReset(const Troop& slot)
{
    return slot.name.isEmpty() && slot.points.isEmpty() && slot.role.isEmpty() &&
           slot.minModels == QLatin1String("1") && slot.maxModels == QLatin1String("1") &&
           slot.frontArmour.isEmpty() && slot.sideArmour.isEmpty() && slot.rearArmour.isEmpty() &&
           slot.characteristics.isEmpty() && slot.weaponLimit == QLatin1String("0") &&
           slot.abilityLimits == QLatin1String("0") && !slot.standardWeapons &&
           !slot.replaceableWeapons && !slot.additionalWeapons && !slot.abilities &&
           !slot.reservedList;
}

} // namespace

class StoreTest : public QObject
{
    Q_OBJECT
private slots:
    void readNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("number");
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("plain") << "12" << 12;
        QTest::newRow("leading zero") << "014" << 14;
        QTest::newRow("leading blanks") << "  \t7" << 7;
        QTest::newRow("plus") << "+5" << 5;
        QTest::newRow("minus to the end") << "-5" << -5;
        QTest::newRow("minus then text drops the sign") << "-5x" << 5;
        QTest::newRow("digits then text") << "6 points" << 6;
        QTest::newRow("decimal comma") << "1,5" << 1;
        QTest::newRow("word") << "heavy" << 0;
        QTest::newRow("sign alone") << "-" << 0;
        QTest::newRow("trailing blank stops early") << "-3 " << 3;
        QTest::newRow("hex") << "$1F" << 31;
        QTest::newRow("hex stops early") << "$1G" << 1;
        QTest::newRow("dollar alone") << "$" << 0;
        QTest::newRow("largest") << "2147483647" << INT_MAX;
        QTest::newRow("smallest") << "-2147483648" << INT_MIN;
        QTest::newRow("too large saturates") << "99999999999999999999" << INT_MAX;
        QTest::newRow("too small saturates") << "-99999999999999999999" << INT_MIN;
        QTest::newRow("too large, sign dropped") << "-99999999999x" << INT_MAX;
        QTest::newRow("hex too large saturates") << "$FFFFFFFFFF" << INT_MAX;
    }
    void readNumber()
    {
        QFETCH(QString, text);
        QFETCH(int, number);
        QCOMPARE(::readNumber(text), number);
    }

    void getField_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("field");
        QTest::newRow("first") << "Lance,36,8,2,Heavy 1," << 1 << "Lance";
        QTest::newRow("fifth") << "Lance,36,8,2,Heavy 1," << 5 << "Heavy 1";
        QTest::newRow("empty last") << "Lance,36,8,2,Heavy 1," << 6 << "";
        QTest::newRow("past the last") << "Lance,36,8,2,Heavy 1," << 7 << "";
        QTest::newRow("zero") << "Lance,36" << 0 << "";
        QTest::newRow("empty middle") << "a,,c" << 2 << "";
        QTest::newRow("after empty") << "a,,c" << 3 << "c";
        QTest::newRow("no comma") << "abc" << 1 << "abc";
        QTest::newRow("no comma, second") << "abc" << 2 << "";
        QTest::newRow("blanks kept") << " a , b " << 2 << " b ";
    }
    void getField()
    {
        QFETCH(QString, line);
        QFETCH(int, n);
        QFETCH(QString, field);
        QCOMPARE(::field(line, n), field);
    }

    void commaToSemicolon()
    {
        QString text = QStringLiteral("Flamer, heavy,ignores cover");
        ::commaToSemicolon(text);
        QCOMPARE(text, QStringLiteral("Flamer; heavy;ignores cover"));
    }

    void findEntryIsExact_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::newRow("exact") << "Lance" << 2;
        QTest::newRow("other case") << "LANCE" << -1;
        QTest::newRow("missing") << "Sword" << -1;
        QTest::newRow("empty name matches an empty first field") << "" << 3;
    }
    void findEntryIsExact()
    {
        QFETCH(QString, name);
        QFETCH(int, index);
        Store store(english);
        auto list = store.newPlainList();
        for (const char* line : {"lance,1", "Lance ,2", "Lance,3", ",4"})
            list->add(QString::fromLatin1(line));
        QCOMPARE(::findEntry(name, list.get()), index);
        QCOMPARE(::findEntry(name, nullptr), -1);
    }

    void troopNameExists_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("role");
        QTest::addColumn<int>("current");
        QTest::addColumn<bool>("exists");
        QTest::newRow("new troop, same name and role") << "Guard"
                                                       << "Troops" << 3 << true;
        QTest::newRow("same name, other role") << "Guard"
                                               << "Elites" << 3 << false;
        QTest::newRow("other case") << "guard"
                                    << "Troops" << 3 << false;
        QTest::newRow("the troop itself") << "Guard"
                                          << "Troops" << 0 << false;
        QTest::newRow("another troop of that name") << "Scout"
                                                    << "Fast Attack" << 1 << true;
        QTest::newRow("unknown role") << "Guard"
                                      << "Infantry" << 3 << false;
    }
    void troopNameExists()
    {
        QFETCH(QString, name);
        QFETCH(QString, role);
        QFETCH(int, current);
        QFETCH(bool, exists);
        Store store(english);
        addTroop(store, QStringLiteral("Guard"), QStringLiteral("TR"));
        addTroop(store, QStringLiteral("Scout"), QStringLiteral("FA"));
        addTroop(store, QStringLiteral("Scout"), QStringLiteral("FA"));
        // A slot past the accepted troops is never compared.
        store.troops[4].name = QStringLiteral("Guard");
        store.troops[4].role = QStringLiteral("EL");
        QCOMPARE(::troopNameExists(store, current, name, role), exists);
    }

    void clampToWeaponCount_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("clamped");
        QTest::newRow("above") << 5 << 3;
        QTest::newRow("below") << 2 << 2;
        QTest::newRow("equal") << 3 << 3;
        QTest::newRow("negative is not raised") << -2 << -2;
    }
    void clampToWeaponCount()
    {
        QFETCH(int, value);
        QFETCH(int, clamped);
        Store store(english);
        Troop& troop = store.troops[0];
        troop.standardWeapons = store.newSortedList();
        troop.standardWeapons->add(QStringLiteral("Rifle"));
        troop.standardWeapons->add(QStringLiteral("Knife"));
        troop.replaceableWeapons = store.newSortedList();
        troop.replaceableWeapons->add(QStringLiteral("Rifle,Flamer,6"));
        ::clampWeaponLimit(troop, value);
        QCOMPARE(value, clamped);
    }

    void sortedListKeepsOneOfEachLine()
    {
        Store store(english);
        auto sorted = store.newSortedList();
        QCOMPARE(sorted->add(QStringLiteral("Rifle")), 0);
        QCOMPARE(sorted->add(QStringLiteral("axe")), 0);
        QCOMPARE(sorted->add(QStringLiteral("Bolter")), 1);
        QCOMPARE(sorted->add(QStringLiteral("RIFLE")), 2);
        QCOMPARE(sorted->lines(), QStringList({"axe", "Bolter", "Rifle"}));
        QCOMPARE(sorted->indexOf(QStringLiteral("bolter")), 1);
        QCOMPARE(sorted->indexOf(QStringLiteral("Sword")), -1);

        auto plain = store.newPlainList();
        plain->add(QStringLiteral("Rifle"));
        plain->add(QStringLiteral("RIFLE"));
        plain->add(QStringLiteral("axe"));
        QCOMPARE(plain->lines(), QStringList({"Rifle", "RIFLE", "axe"}));
        QVERIFY(!plain->removeAt(-1));
        QVERIFY(!plain->removeAt(3));
        QCOMPARE(plain->count(), 3);
    }

    // A new store holds no troops and empty catalogues. A copy is a snapshot: equal at first,
    // untouched by later changes to the original, and unequal after any change of the army.
    void startStateAndSnapshots()
    {
        Store store(english);
        QCOMPARE(store.troopCount, 0);
        for (const Troop& slot : store.troops)
            QVERIFY(isReset(slot));
        QVERIFY(store.weaponCatalogue && store.weaponCatalogue->isEmpty());
        QVERIFY(store.abilityCatalogue && store.abilityCatalogue->isEmpty());

        addTroop(store, QStringLiteral("A"), QStringLiteral("HQ"), {QStringLiteral("Rifle")});
        store.weaponCatalogue->add(QStringLiteral("Rifle,24,3,5,Rapid Fire,"));
        const Store snapshot = store;
        QVERIFY(snapshot == store);
        const std::function<void(Store&)> changes[] = {
            [](Store& s) { s.troops[0].standardWeapons->add(QStringLiteral("Axe")); },
            [](Store& s) { s.troops[1].name = QStringLiteral("unfinished"); },
            [](Store& s) { s.weaponCatalogue->removeAt(0); },
            [](Store& s) { s.abilityCatalogue->add(QStringLiteral("Fly,")); },
            [](Store& s) { s.army.squadWord = QStringLiteral("Band"); },
            [](Store& s) { ::removeTroop(s, 0); },
        };
        for (const auto& change : changes) {
            Store changed = snapshot;
            change(changed);
            QVERIFY(changed != snapshot);
            QCOMPARE(snapshot, store);
            QCOMPARE(snapshot.troops[0].standardWeapons->lines(), QStringList{"Rifle"});
        }
    }

    void removeTroop_data()
    {
        QTest::addColumn<int>("removed");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("first") << 0 << QStringList({"D", "B", "C"});
        QTest::newRow("middle") << 1 << QStringList({"A", "D", "C"});
        QTest::newRow("last") << 3 << QStringList({"A", "B", "C"});
        QTest::newRow("outside") << 4 << QStringList({"A", "B", "C", "D"});
    }
    void removeTroop()
    {
        QFETCH(int, removed);
        QFETCH(QStringList, left);
        Store store(english);
        for (const char* name : {"A", "B", "C"})
            addTroop(store, QString::fromLatin1(name), QStringLiteral("TR"));
        addTroop(store, QStringLiteral("D"), QStringLiteral("EL"),
                 {QStringLiteral("rifle"), QStringLiteral("Axe")});
        store.troops[3].abilityLimits = QStringLiteral("2,1");
        ::removeTroop(store, removed);
        QCOMPARE(names(store), left);
        QVERIFY(isReset(store.troops[left.size()]));
        const int moved = left.indexOf(QStringLiteral("D"));
        if (moved >= 0 && moved != 3) {
            const Troop& troop = store.troops[moved];
            QCOMPARE(troop.role, QStringLiteral("EL"));
            QCOMPARE(troop.abilityLimits, QStringLiteral("2,1"));
            QVERIFY(troop.standardWeapons && !troop.standardWeapons->isSorted());
            QCOMPARE(troop.standardWeapons->lines(), QStringList({"Axe", "rifle"}));
            QVERIFY(!troop.replaceableWeapons && !troop.abilities);
        }
    }
};

QTEST_GUILESS_MAIN(StoreTest)
#include "tst_Store.moc"
