#include "store/ComVars.h"
#include "store/LineOps.h"
#include "store/Number.h"

#include <QTest>
#include <climits>

namespace
{

const QLocale English(QLocale::English, QLocale::UnitedStates);

void AddTroop(Store& store, const QString& name, const QString& type,
              const QStringList& weapons = {})
{
    TheRec& troop = store.TroopTable[store.TroopCount];
    troop.Name = name;
    troop.Type = type;
    if (!weapons.isEmpty()) {
        troop.WeaponList = store.NewSortedList();
        for (const QString& weapon : weapons)
            troop.WeaponList->Add(weapon);
    }
    ++store.TroopCount;
}

QStringList Names(const Store& store)
{
    QStringList names;
    for (int i = 0; i < store.TroopCount; ++i)
        names << store.TroopTable[i].Name;
    return names;
}

bool IsReset(const TheRec& slot)
{
    return slot.Name.isEmpty() && slot.Points.isEmpty() && slot.Type.isEmpty() &&
           slot.Min == QLatin1String("1") && slot.Max == QLatin1String("1") &&
           slot.f_arm.isEmpty() && slot.s_arm.isEmpty() && slot.r_arm.isEmpty() &&
           slot.Chars.isEmpty() && slot.Weapons == QLatin1String("0") &&
           slot.Specials == QLatin1String("0") && !slot.WeaponList && !slot.R_WeaponList &&
           !slot.A_WeaponList && !slot.SpecialList && !slot.SpareList;
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
        QCOMPARE(ReadNumber(text), number);
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
        QCOMPARE(GetField(line, n), field);
    }

    void commaToSemicolon()
    {
        QString text = QStringLiteral("Flamer, heavy,ignores cover");
        CommaToSemicolon(text);
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
        Store store(English);
        auto list = store.NewPlainList();
        for (const char* line : {"lance,1", "Lance ,2", "Lance,3", ",4"})
            list->Add(QString::fromLatin1(line));
        QCOMPARE(FindEntry(name, list.get()), index);
        QCOMPARE(FindEntry(name, nullptr), -1);
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
        Store store(English);
        AddTroop(store, QStringLiteral("Guard"), QStringLiteral("TR"));
        AddTroop(store, QStringLiteral("Scout"), QStringLiteral("FA"));
        AddTroop(store, QStringLiteral("Scout"), QStringLiteral("FA"));
        // A slot past the accepted troops is never compared.
        store.TroopTable[4].Name = QStringLiteral("Guard");
        store.TroopTable[4].Type = QStringLiteral("EL");
        store.CurrentTroop = current;
        QCOMPARE(TroopNameExists(store, name, role), exists);
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
        Store store(English);
        TheRec& troop = store.Current();
        troop.WeaponList = store.NewSortedList();
        troop.WeaponList->Add(QStringLiteral("Rifle"));
        troop.WeaponList->Add(QStringLiteral("Knife"));
        troop.R_WeaponList = store.NewSortedList();
        troop.R_WeaponList->Add(QStringLiteral("Rifle,Flamer,6"));
        ClampToWeaponCount(store, value);
        QCOMPARE(value, clamped);
    }

    void sortedListKeepsOneOfEachLine()
    {
        Store store(English);
        auto sorted = store.NewSortedList();
        QCOMPARE(sorted->Add(QStringLiteral("Rifle")), 0);
        QCOMPARE(sorted->Add(QStringLiteral("axe")), 0);
        QCOMPARE(sorted->Add(QStringLiteral("Bolter")), 1);
        QCOMPARE(sorted->Add(QStringLiteral("RIFLE")), 2);
        QCOMPARE(sorted->Lines(), QStringList({"axe", "Bolter", "Rifle"}));
        QCOMPARE(sorted->IndexOf(QStringLiteral("bolter")), 1);
        QCOMPARE(sorted->IndexOf(QStringLiteral("Sword")), -1);

        auto plain = store.NewPlainList();
        plain->Add(QStringLiteral("Rifle"));
        plain->Add(QStringLiteral("RIFLE"));
        plain->Add(QStringLiteral("axe"));
        QCOMPARE(plain->Lines(), QStringList({"Rifle", "RIFLE", "axe"}));
        QVERIFY(!plain->Delete(-1));
        QVERIFY(!plain->Delete(3));
        QCOMPARE(plain->Count(), 3);
    }

    void startUpAndRelease()
    {
        Store store(English);
        SetUpStore(store);
        store.TroopTable[7].Name = QStringLiteral("left over");
        ResetAllTroopSlots(store);
        for (const TheRec& slot : store.TroopTable)
            QVERIFY(IsReset(slot));
        QVERIFY(store.WeaponCatalogue && store.SpecialCatalogue);

        AddTroop(store, QStringLiteral("A"), QStringLiteral("HQ"), {QStringLiteral("Rifle")});
        AddTroop(store, QStringLiteral("B"), QStringLiteral("HQ"), {QStringLiteral("Rifle")});
        ReleaseStore(store);
        QVERIFY(!store.WeaponCatalogue && !store.SpecialCatalogue);
        QVERIFY(IsReset(store.TroopTable[0]) && IsReset(store.TroopTable[1]));
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
        Store store(English);
        for (const char* name : {"A", "B", "C"})
            AddTroop(store, QString::fromLatin1(name), QStringLiteral("TR"));
        AddTroop(store, QStringLiteral("D"), QStringLiteral("EL"),
                 {QStringLiteral("rifle"), QStringLiteral("Axe")});
        store.TroopTable[3].Specials = QStringLiteral("2,1");
        store.CurrentTroop = 4;
        RemoveTroop(store, removed);
        QCOMPARE(Names(store), left);
        QCOMPARE(store.CurrentTroop, 4);
        QVERIFY(IsReset(store.TroopTable[left.size()]));
        const int moved = left.indexOf(QStringLiteral("D"));
        if (moved >= 0 && moved != 3) {
            const TheRec& troop = store.TroopTable[moved];
            QCOMPARE(troop.Type, QStringLiteral("EL"));
            QCOMPARE(troop.Specials, QStringLiteral("2,1"));
            QVERIFY(troop.WeaponList && !troop.WeaponList->Sorted());
            QCOMPARE(troop.WeaponList->Lines(), QStringList({"Axe", "rifle"}));
            QVERIFY(!troop.R_WeaponList && !troop.SpecialList);
        }
    }
};

QTEST_GUILESS_MAIN(StoreTest)
#include "tst_Store.moc"
