#include "datafile/ArmyCheck.h"
#include "store/LineList.h"
#include "store/Store.h"

#include <QTest>

namespace
{

using Fault = void (*)(Store&);

std::unique_ptr<LineList> lines(const Store& store, const QStringList& items, bool sorted = true)
{
    std::unique_ptr<LineList> list = sorted ? store.newSortedList() : store.newPlainList();
    for (const QString& item : items)
        list->add(item);
    return list;
}

// An army without a problem: "Boyz" use the weapon and the ability of the catalogues; "Nobz"
// have no lists.
void fillCleanArmy(Store& store)
{
    store.weaponCatalogue->add(QStringLiteral("Axe,1,,,,"));
    store.abilityCatalogue->add(QStringLiteral("Zeal,"));
    Troop& boyz = store.troops[0];
    boyz.name = QStringLiteral("Boyz");
    boyz.role = QStringLiteral("TR");
    boyz.points = QStringLiteral("10");
    boyz.maxModels = QStringLiteral("5");
    boyz.weaponLimit = QStringLiteral("1");
    boyz.standardWeapons = lines(store, {"Axe"});
    boyz.abilityLimits = QStringLiteral("1,1");
    boyz.abilities = lines(store, {"1,Zeal,5"}, false);
    Troop& nobz = store.troops[1];
    nobz.name = QStringLiteral("Nobz");
    nobz.role = QStringLiteral("TR");
    nobz.points = QStringLiteral("20");
    store.troopCount = 2;
}

void listAxeTwice(Store& store)
{
    store.troops[0].additionalWeapons = lines(store, {"Axe,1", "Axe,2"});
}

// "axe" beside "Axe", which the second troop uses.
void addUsedEntryDifferingInCase(Store& store)
{
    store.weaponCatalogue->add(QStringLiteral("axe,2,,,,"));
    store.troops[1].standardWeapons = lines(store, {"axe"});
}

ProblemPlace troopPlace(int slot, TroopField field, int line = -1)
{
    ProblemPlace place;
    place.part = ProblemPlace::Part::Troop;
    place.slot = slot;
    place.field = field;
    place.line = line;
    return place;
}

ProblemPlace entryPlace(CatalogueKind catalogue, int line)
{
    ProblemPlace place;
    place.part = ProblemPlace::Part::Catalogue;
    place.catalogue = catalogue;
    place.line = line;
    return place;
}

} // namespace

Q_DECLARE_METATYPE(Fault)
Q_DECLARE_METATYPE(CatalogueKind)
Q_DECLARE_METATYPE(ProblemKind)
Q_DECLARE_METATYPE(ProblemPlace)
Q_DECLARE_METATYPE(Problem::Severity)

class ArmyCheckTest : public QObject
{
    Q_OBJECT

private slots:
    // One fault in a clean army is one problem: its kind, its severity, where it is (slot,
    // field, line of the list, catalogue entry) and the names and numbers it is about.
    void oneFaultIsOneProblem_data()
    {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<ProblemKind>("kind");
        QTest::addColumn<Problem::Severity>("severity");
        QTest::addColumn<ProblemPlace>("place");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("otherName");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("otherNumber");

        const auto error = Problem::Severity::Error;
        const auto warning = Problem::Severity::Warning;
        const QString none;
        QTest::newRow("character outside the code page")
            << Fault([](Store& s) { s.troops[1].characteristics = QStringLiteral("4;\u03a9"); })
            << ProblemKind::CharacterOutsideCodePage << error
            << troopPlace(1, TroopField::Characteristics) << none << none << "\u03a9" << 0 << 0;
        QTest::newRow("name taken in the role")
            << Fault([](Store& s) { s.troops[1].name = QStringLiteral("Boyz"); })
            << ProblemKind::NameTaken << error << troopPlace(1, TroopField::Name) << "Boyz" << none
            << "TR" << 0 << 0;
        QTest::newRow("no name") << Fault([](Store& s) { s.troops[1].name = QStringLiteral(" "); })
                                 << ProblemKind::NoName << error << troopPlace(1, TroopField::Name)
                                 << none << none << none << 0 << 0;
        QTest::newRow("no role") << Fault([](Store& s) { s.troops[1].role.clear(); })
                                 << ProblemKind::NoRole << error << troopPlace(1, TroopField::Role)
                                 << none << none << none << 0 << 0;
        QTest::newRow("unknown role")
            << Fault([](Store& s) { s.troops[1].role = QStringLiteral("XX"); })
            << ProblemKind::UnknownRole << error << troopPlace(1, TroopField::Role) << none << none
            << "XX" << 0 << 0;
        QTest::newRow("minimum above maximum")
            << Fault([](Store& s) { s.troops[0].minModels = QStringLiteral("6"); })
            << ProblemKind::MinimumAboveMaximum << error << troopPlace(0, TroopField::MinModels)
            << none << none << none << 6 << 5;
        QTest::newRow("weapon not in the catalogue")
            << Fault([](Store& s) { s.troops[0].standardWeapons->add(QStringLiteral("Sword")); })
            << ProblemKind::NotInCatalogue << error << troopPlace(0, TroopField::StandardWeapon, 1)
            << "Sword" << none << none << 0 << 0;
        QTest::newRow("replacement not in the catalogue")
            << Fault([](Store& s) { s.troops[0].replaceableWeapons = lines(s, {"Axe,Sword,3"}); })
            << ProblemKind::ReplacementNotInCatalogue << error
            << troopPlace(0, TroopField::ReplaceableWeapon, 0) << QStringLiteral("Sword")
            << QStringLiteral("Axe") << none << 0 << 0;
        QTest::newRow("empty points")
            << Fault([](Store& s) { s.troops[0].points.clear(); }) << ProblemKind::EmptyNumber
            << warning << troopPlace(0, TroopField::Points) << none << none << none << 0 << 0;
        QTest::newRow("empty maximum of a group")
            << Fault([](Store& s) { s.troops[0].abilityLimits = QStringLiteral("1,"); })
            << ProblemKind::EmptyNumber << warning << troopPlace(0, TroopField::AbilityLimits)
            << none << none << none << 1 << 0;
        QTest::newRow("ability cost not a number")
            << Fault([](Store& s) { s.troops[0].abilities = lines(s, {"1,Zeal,x"}, false); })
            << ProblemKind::NotWholeNumber << warning << troopPlace(0, TroopField::Ability, 0)
            << "Zeal" << none << "x" << 0 << 0;
        QTest::newRow("replacement cost below 0")
            << Fault([](Store& s) { s.troops[0].replaceableWeapons = lines(s, {"Axe,Axe,-2"}); })
            << ProblemKind::NotWholeNumber << warning
            << troopPlace(0, TroopField::ReplaceableWeapon, 0) << QStringLiteral("Axe")
            << QStringLiteral("Axe") << QStringLiteral("-2") << 0 << 0;
        QTest::newRow("weapon listed twice")
            << Fault(listAxeTwice) << ProblemKind::ListedTwice << warning
            << troopPlace(0, TroopField::AdditionalWeapon, 1) << "Axe" << none << none << 0 << 0;
        QTest::newRow("weapon limit above the weapons")
            << Fault([](Store& s) { s.troops[0].weaponLimit = QStringLiteral("2"); })
            << ProblemKind::WeaponLimitAboveWeapons << warning
            << troopPlace(0, TroopField::WeaponLimit) << none << none << none << 2 << 1;
        QTest::newRow("group below 1")
            << Fault([](Store& s) { s.troops[0].abilities = lines(s, {"0,Zeal,5"}, false); })
            << ProblemKind::GroupOutsideRange << error << troopPlace(0, TroopField::Ability, 0)
            << "Zeal" << none << none << 0 << 0;
        QTest::newRow("group above 99")
            << Fault([](Store& s) { s.troops[0].abilities = lines(s, {"100,Zeal,5"}, false); })
            << ProblemKind::GroupOutsideRange << error << troopPlace(0, TroopField::Ability, 0)
            << "Zeal" << none << none << 100 << 0;
        QTest::newRow("group without maximum")
            << Fault([](Store& s) { s.troops[0].abilityLimits = QStringLiteral("1"); })
            << ProblemKind::GroupWithoutMaximum << warning
            << troopPlace(0, TroopField::AbilityLimits) << "Zeal" << none << none << 1 << 0;
        QTest::newRow("limits written per row")
            << Fault([](Store& s) { s.troops[0].abilities = lines(s, {"2,Zeal,5"}, false); })
            << ProblemKind::LimitsWrittenPerRow << warning
            << troopPlace(0, TroopField::AbilityLimits) << none << none << none << 0 << 0;
        QTest::newRow("unused entry")
            << Fault([](Store& s) { s.weaponCatalogue->add(QStringLiteral("Bow,,,,,")); })
            << ProblemKind::UnusedEntry << warning << entryPlace(CatalogueKind::Weapons, 1) << "Bow"
            << none << none << 0 << 0;
        QTest::newRow("names that differ in case")
            << Fault(addUsedEntryDifferingInCase) << ProblemKind::NamesDifferInCase << warning
            << entryPlace(CatalogueKind::Weapons, 1) << QStringLiteral("axe")
            << QStringLiteral("Axe") << none << 0 << 0;
    }

    void oneFaultIsOneProblem()
    {
        QFETCH(Fault, fault);
        QFETCH(ProblemKind, kind);
        QFETCH(Problem::Severity, severity);
        QFETCH(ProblemPlace, place);
        QFETCH(QString, name);
        QFETCH(QString, otherName);
        QFETCH(QString, value);
        QFETCH(int, number);
        QFETCH(int, otherNumber);
        Store store(QLocale(QLocale::English, QLocale::UnitedStates));
        fillCleanArmy(store);
        QVERIFY(checkArmy(store).empty());

        fault(store);
        const std::vector<Problem> problems = checkArmy(store);
        QCOMPARE(problems.size(), size_t(1));
        const Problem& problem = problems.front();
        QCOMPARE(problem.kind, kind);
        QCOMPARE(problem.severity(), severity);
        QCOMPARE(problem.place.part, place.part);
        QCOMPARE(problem.place.slot, place.slot);
        QCOMPARE(problem.place.field, place.field);
        QCOMPARE(problem.place.line, place.line);
        QCOMPARE(problem.place.catalogue, place.catalogue);
        QCOMPARE(problem.name, name);
        QCOMPARE(problem.otherName, otherName);
        QCOMPARE(problem.value, value);
        QCOMPARE(problem.number, number);
        QCOMPARE(problem.otherNumber, otherNumber);
    }

    // A second entry of the same name exactly is one error, at the later entry, with the
    // earlier as its other place.
    void twinIsOneErrorInBothPlaces_data()
    {
        QTest::addColumn<CatalogueKind>("catalogue");
        QTest::addColumn<QString>("twin");
        QTest::addColumn<QString>("name");

        QTest::newRow("weapon") << CatalogueKind::Weapons << "Axe,2,,,,"
                                << "Axe";
        QTest::newRow("special ability") << CatalogueKind::Abilities << "Zeal,Fury"
                                         << "Zeal";
    }

    void twinIsOneErrorInBothPlaces()
    {
        QFETCH(CatalogueKind, catalogue);
        QFETCH(QString, twin);
        QFETCH(QString, name);
        Store store(QLocale(QLocale::English, QLocale::UnitedStates));
        fillCleanArmy(store);
        catalogueOf(store, catalogue).add(twin);

        const std::vector<Problem> problems = checkArmy(store);
        QCOMPARE(problems.size(), size_t(1));
        const Problem& problem = problems.front();
        QCOMPARE(problem.kind, ProblemKind::DefinedTwice);
        QCOMPARE(problem.severity(), Problem::Severity::Error);
        QCOMPARE(problem.name, name);
        QCOMPARE(problem.place.part, ProblemPlace::Part::Catalogue);
        QCOMPARE(problem.place.catalogue, catalogue);
        QCOMPARE(problem.place.line, 1);
        QVERIFY(problem.otherPlace);
        QCOMPARE(problem.otherPlace->catalogue, catalogue);
        QCOMPARE(problem.otherPlace->line, 0);
    }
};

QTEST_GUILESS_MAIN(ArmyCheckTest)
#include "tst_ArmyCheck.moc"
