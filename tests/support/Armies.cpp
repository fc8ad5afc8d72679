#include "support/Armies.h"

#include "store/ComVars.h"

#include <QFile>

void AddLines(Store& store, std::unique_ptr<StringList>& list, const QStringList& lines,
              bool sorted)
{
    if (!list)
        list = sorted ? store.NewSortedList() : store.NewPlainList();
    for (const QString& line : lines)
        list->Add(line);
}

void FillFullArmy(Store& store)
{
    SetUpStore(store);
    store.TheArmy = {QStringLiteral("HOLLOW CROWN"), QStringLiteral("Brood"),
                     QStringLiteral("Swarm")};

    TheRec& command = store.TroopTable[0];
    command.Name = QStringLiteral("Command Swarm");
    command.Points = QStringLiteral("120");
    command.Type = QStringLiteral("HQ");
    command.Max = QStringLiteral("5");
    command.s_arm = QStringLiteral("0");
    command.r_arm = QStringLiteral("heavy");
    command.Chars = QStringLiteral("4,4,3,3,2,4,2,9,3+");
    command.Weapons = QStringLiteral("3");
    AddLines(store, command.WeaponList, {"Chainsword", "Bolt pistol"});
    AddLines(store, command.R_WeaponList, {"Bolt pistol,Flame thrower,6,Plasma pistol,10"});
    AddLines(store, command.A_WeaponList, {"Grenades,1"});
    command.Specials = QStringLiteral("2,1,1");
    AddLines(store, command.SpecialList, {"2,Command squad,20,1", "1,Jump packs,5"});

    TheRec& walker = store.TroopTable[1];
    walker.Name = QStringLiteral("Läufer");
    walker.Points = QStringLiteral("90");
    walker.Type = QStringLiteral("HS");
    walker.f_arm = QStringLiteral("12");
    walker.s_arm = QStringLiteral("014");
    walker.r_arm = QStringLiteral("10");
    walker.Chars = QStringLiteral(",,,,,,,,");
    walker.Specials = QStringLiteral("3");

    TheRec& scouts = store.TroopTable[2];
    scouts.Name = QStringLiteral("Scouts");
    scouts.Type = QStringLiteral("FA");
    scouts.Min = QStringLiteral("3");
    scouts.Max = QStringLiteral("10");
    scouts.Chars = QStringLiteral("3,3,3,3,1,3,1,7,5+");
    scouts.Weapons = QStringLiteral("1");
    AddLines(store, scouts.WeaponList, {"Rifle", "Knife"}, false);
    scouts.Specials.clear();
    AddLines(store, scouts.SpecialList, {"1,Infiltrate,2"});
    store.TroopCount = 3;

    for (const char* entry : {"Lance,36,8,2,Heavy 1,", "Bolt pistol,12,4,5,Pistol", "Chainsword",
                              "Flame thrower,Template,4,5,Assault 1,Ignores cover,extra"})
        store.WeaponCatalogue->Add(QString::fromUtf8(entry));
    for (const char* entry :
         {"Jump packs,Moves 12 for 5€", "Infiltrate", "Command squad,Leads,others"})
        store.SpecialCatalogue->Add(QString::fromUtf8(entry));
}

namespace
{

QString DescribeList(const char* name, const std::unique_ptr<StringList>& list)
{
    if (!list)
        return QString::fromLatin1(name) + QStringLiteral(": none");
    return QString::fromLatin1(name) +
           (list->Sorted() ? QStringLiteral(" sorted: ") : QStringLiteral(" plain: ")) +
           list->Lines().join(QStringLiteral(" | "));
}

} // namespace

QStringList Describe(const Store& store)
{
    QStringList out;
    out << QStringLiteral("army: %1 / %2 / %3")
               .arg(store.TheArmy.Name, store.TheArmy.UnitName, store.TheArmy.SquadName)
        << QStringLiteral("count %1 current %2").arg(store.TroopCount).arg(store.CurrentTroop);
    for (int i = 0; i < Store::TroopSlots; ++i) {
        const TheRec& t = store.TroopTable[i];
        out << QStringLiteral("slot %1: %2")
                   .arg(i)
                   .arg(QStringList{t.Name, t.Points, t.Type, t.Min, t.Max, t.f_arm, t.s_arm,
                                    t.r_arm, t.Chars, t.Weapons, t.Specials}
                            .join(QStringLiteral(" / ")))
            << DescribeList("  WeaponList", t.WeaponList)
            << DescribeList("  R_WeaponList", t.R_WeaponList)
            << DescribeList("  A_WeaponList", t.A_WeaponList)
            << DescribeList("  SpecialList", t.SpecialList)
            << DescribeList("  SpareList", t.SpareList);
    }
    out << DescribeList("WeaponCatalogue", store.WeaponCatalogue)
        << DescribeList("SpecialCatalogue", store.SpecialCatalogue);
    return out;
}

QByteArray ArmyWithTroops(const QByteArray& raceEntries, int count)
{
    QByteArray bytes = "[Race]\r\n" + raceEntries;
    for (int n = 1; n <= count; ++n)
        bytes += QStringLiteral("[Troop%1]\r\nName=T%1\r\n").arg(n).toLatin1();
    return bytes;
}

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}
