#include "support/Armies.h"

#include "store/Store.h"

#include <QFile>

void addLines(Store& store, std::unique_ptr<LineList>& list, const QStringList& lines, bool sorted)
{
    if (!list)
        list = sorted ? store.newSortedList() : store.newPlainList();
    for (const QString& line : lines)
        list->add(line);
}

void fillFullArmy(Store& store)
{
    store.army = {QStringLiteral("HOLLOW CROWN"), QStringLiteral("Brood"), QStringLiteral("Swarm")};

    Troop& command = store.troops[0];
    command.name = QStringLiteral("Command Swarm");
    command.points = QStringLiteral("120");
    command.role = QStringLiteral("HQ");
    command.maxModels = QStringLiteral("5");
    command.sideArmour = QStringLiteral("0");
    command.rearArmour = QStringLiteral("heavy");
    command.characteristics = QStringLiteral("4,4,3,3,2,4,2,9,3+");
    command.weaponLimit = QStringLiteral("3");
    addLines(store, command.standardWeapons, {"Chainsword", "Bolt pistol"});
    addLines(store, command.replaceableWeapons, {"Bolt pistol,Flame thrower,6,Plasma pistol,10"});
    addLines(store, command.additionalWeapons, {"Grenades,1"});
    command.abilityLimits = QStringLiteral("2,1,1");
    addLines(store, command.abilities, {"2,Command squad,20,1", "1,Jump packs,5"});

    Troop& walker = store.troops[1];
    walker.name = QStringLiteral("Läufer");
    walker.points = QStringLiteral("90");
    walker.role = QStringLiteral("HS");
    walker.frontArmour = QStringLiteral("12");
    walker.sideArmour = QStringLiteral("014");
    walker.rearArmour = QStringLiteral("10");
    walker.characteristics = QStringLiteral(",,,,,,,,");
    walker.abilityLimits = QStringLiteral("3");

    Troop& scouts = store.troops[2];
    scouts.name = QStringLiteral("Scouts");
    scouts.role = QStringLiteral("FA");
    scouts.minModels = QStringLiteral("3");
    scouts.maxModels = QStringLiteral("10");
    scouts.characteristics = QStringLiteral("3,3,3,3,1,3,1,7,5+");
    scouts.weaponLimit = QStringLiteral("1");
    addLines(store, scouts.standardWeapons, {"Rifle", "Knife"}, false);
    scouts.abilityLimits.clear();
    addLines(store, scouts.abilities, {"1,Infiltrate,2"});
    store.troopCount = 3;

    for (const char* entry : {"Lance,36,8,2,Heavy 1,", "Bolt pistol,12,4,5,Pistol", "Chainsword",
                              "Flame thrower,Template,4,5,Assault 1,Ignores cover,extra"})
        store.weaponCatalogue->add(QString::fromUtf8(entry));
    for (const char* entry :
         {"Jump packs,Moves 12 for 5€", "Infiltrate", "Command squad,Leads,others"})
        store.abilityCatalogue->add(QString::fromUtf8(entry));
}

namespace
{

QString describeList(const char* name, const std::unique_ptr<LineList>& list)
{
    if (!list)
        return QString::fromLatin1(name) + QStringLiteral(": none");
    return QString::fromLatin1(name) +
           (list->isSorted() ? QStringLiteral(" sorted: ") : QStringLiteral(" plain: ")) +
           list->lines().join(QStringLiteral(" | "));
}

} // namespace

QStringList describe(const Store& store)
{
    QStringList out;
    out << QStringLiteral("army: %1 / %2 / %3")
               .arg(store.army.name, store.army.unitWord, store.army.squadWord)
        << QStringLiteral("count %1").arg(store.troopCount);
    for (int i = 0; i < Store::slotCount; ++i) {
        const Troop& t = store.troops[i];
        out << QStringLiteral("slot %1: %2")
                   .arg(i)
                   .arg(QStringList{t.name, t.points, t.role, t.minModels, t.maxModels,
                                    t.frontArmour, t.sideArmour, t.rearArmour, t.characteristics,
                                    t.weaponLimit, t.abilityLimits}
                            .join(QStringLiteral(" / ")))
            << describeList("  WeaponList", t.standardWeapons)
            << describeList("  R_WeaponList", t.replaceableWeapons)
            << describeList("  A_WeaponList", t.additionalWeapons)
            << describeList("  SpecialList", t.abilities)
            << describeList("  SpareList", t.reservedList);
    }
    out << describeList("WeaponCatalogue", store.weaponCatalogue)
        << describeList("SpecialCatalogue", store.abilityCatalogue);
    return out;
}

QByteArray armyWithTroops(const QByteArray& raceEntries, int count)
{
    QByteArray bytes = "[Race]\r\n" + raceEntries;
    for (int n = 1; n <= count; ++n)
        bytes += QStringLiteral("[Troop%1]\r\nName=T%1\r\n").arg(n).toLatin1();
    return bytes;
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}
