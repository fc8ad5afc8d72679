#include "store/CatalogueUse.h"
#include "store/Store.h"

#include <QTest>

namespace
{

const QLocale english(QLocale::English, QLocale::UnitedStates);

// One troop naming "Axe" in every kind of weapon line, and the ability "Zeal"; a second troop
// naming "Axe" once. The catalogues hold both, and "axe" besides.
void fill(Store& store)
{
    for (const char* entry : {"Axe,1,,,,", "axe,2,,,,", "Bow,,,,,"})
        store.weaponCatalogue->add(QString::fromLatin1(entry));
    store.abilityCatalogue->add(QStringLiteral("Zeal,"));
    Troop& first = store.troops[0];
    first.name = QStringLiteral("Boyz");
    first.role = QStringLiteral("TR");
    first.standardWeapons = store.newSortedList();
    first.standardWeapons->add(QStringLiteral("Axe"));
    first.standardWeapons->add(QStringLiteral("Bow"));
    first.replaceableWeapons = store.newPlainList();
    first.replaceableWeapons->add(QStringLiteral("Bow,Axe,5,axe,6"));
    first.additionalWeapons = store.newPlainList();
    first.additionalWeapons->add(QStringLiteral("Axe,2"));
    first.abilities = store.newPlainList();
    first.abilities->add(QStringLiteral("1,Zeal,5"));
    store.troops[1].name = QStringLiteral("Nobz");
    store.troops[1].additionalWeapons = store.newPlainList();
    store.troops[1].additionalWeapons->add(QStringLiteral("Axe,3"));
    store.troopCount = 2;
}

} // namespace

class CatalogueUseTest : public QObject
{
    Q_OBJECT

private slots:
    // Every line naming the entry changes, names only (not costs, not another case), and
    // the counts follow; a name that another entry has is refused and changes nothing.
    void renameReachesEveryLine()
    {
        Store store(english);
        fill(store);
        QCOMPARE(useCounts(store, CatalogueKind::Weapons).value(QStringLiteral("Axe")), 2);
        QCOMPARE(troopsUsing(store, CatalogueKind::Weapons, QStringLiteral("axe")), QList<int>{0});

        const Store before = store;
        QVERIFY(!renameEntry(store, CatalogueKind::Weapons, 0, QStringLiteral("Bow")));
        QVERIFY(store == before);

        QVERIFY(renameEntry(store, CatalogueKind::Weapons, 0, QStringLiteral("Cleaver")));
        const Troop& first = store.troops[0];
        QCOMPARE(first.standardWeapons->lines(), (QStringList{"Bow", "Cleaver"}));
        QCOMPARE(first.replaceableWeapons->lines(), QStringList{"Bow,Cleaver,5,axe,6"});
        QCOMPARE(first.additionalWeapons->lines(), QStringList{"Cleaver,2"});
        QCOMPARE(store.troops[1].additionalWeapons->lines(), QStringList{"Cleaver,3"});
        QCOMPARE(store.weaponCatalogue->lines(),
                 (QStringList{"axe,2,,,,", "Bow,,,,,", "Cleaver,1,,,,"}));
        QCOMPARE(useCounts(store, CatalogueKind::Weapons).value(QStringLiteral("Cleaver")), 2);

        QVERIFY(renameEntry(store, CatalogueKind::Abilities, 0, QStringLiteral("Fury")));
        QCOMPARE(first.abilities->lines(), QStringList{"1,Fury,5"});
        QCOMPARE(store.abilityCatalogue->lines(), QStringList{"Fury,"});
    }

    // A copy's name takes the first number no troop of its role has.
    void duplicateNameTakesTheFirstFreeNumber()
    {
        Store store(english);
        fill(store);
        QCOMPARE(duplicateName(store, 0), QStringLiteral("Boyz (2)"));
        store.troops[1].name = QStringLiteral("Boyz (2)");
        QCOMPARE(duplicateName(store, 0), QStringLiteral("Boyz (2)"));
        store.troops[1].role = QStringLiteral("TR");
        QCOMPARE(duplicateName(store, 0), QStringLiteral("Boyz (3)"));
    }
};

QTEST_GUILESS_MAIN(CatalogueUseTest)
#include "tst_CatalogueUse.moc"
