#include "datafile/Writer.h"

#include "store/ComVars.h"
#include "store/LineOps.h"
#include "store/Number.h"

namespace
{

const char* const HeaderLines[] = {
    ";  This file is created by the datafile creation utility for Varnhold army lists",
    ";",
    ";",
    ";  DISCLAIMER",
    ";",
    ";  The specifications of the Varnhold armies and the names used in this file are protected "
    "rights",
    ";  of Brassmoor Games. They are used here without permission, and no challenge to",
    ";  their status is intended. This file and the supplied  programs are completely  "
    "unofficial and in",
    ";  no way endorsed by Brassmoor Games.",
    ";",
    "",
};

// One entry per line of the list, keyed by the prefix and the line's position from 1.
void WriteList(const StringList* list, const QString& prefix, const QString& valuePrefix,
               QStringList& out)
{
    if (!list)
        return;
    for (int i = 0; i < list->Count(); ++i)
        out << prefix + QString::number(i + 1) + u'=' + valuePrefix + (*list)[i];
}

// Armour is written only when its text reads as a number other than 0.
void WriteArmour(const QString& key, const QString& value, QStringList& out)
{
    if (ReadNumber(value) != 0)
        out << key + u'=' + value;
}

QString JoinFields(const QString& line, int count)
{
    QStringList fields;
    for (int n = 1; n <= count; ++n)
        fields << GetField(line, n);
    return fields.join(u',');
}

} // namespace

void WriteHeader(QStringList& out)
{
    for (const char* line : HeaderLines)
        out << QString::fromLatin1(line);
}

void WriteArmy(const Store& store, QStringList& out)
{
    out << QStringLiteral("[Race]") << QStringLiteral("Name=") + store.TheArmy.Name
        << QStringLiteral("UnitName=") + store.TheArmy.UnitName
        << QStringLiteral("SquadName=") + store.TheArmy.SquadName << QString();
}

void WriteTroops(const Store& store, QStringList& out)
{
    const int count = qBound(0, store.TroopCount, int(Store::TroopSlots));
    for (int k = 1; k <= count; ++k) {
        const TheRec& troop = store.TroopTable[k - 1];
        out << QStringLiteral("[Troop%1]").arg(k) << QStringLiteral("Name=") + troop.Name
            << QStringLiteral("Points=") + troop.Points << QStringLiteral("Type=") + troop.Type
            << QStringLiteral("Min=") + troop.Min << QStringLiteral("Max=") + troop.Max;
        WriteArmour(QStringLiteral("f_arm"), troop.f_arm, out);
        WriteArmour(QStringLiteral("s_arm"), troop.s_arm, out);
        WriteArmour(QStringLiteral("r_arm"), troop.r_arm, out);
        out << QStringLiteral("Chars=") + troop.Chars << QStringLiteral("Weapons=") + troop.Weapons;
        WriteList(troop.WeaponList.get(), QStringLiteral("Weapon"), QString(), out);
        WriteList(troop.R_WeaponList.get(), QStringLiteral("R_Weapon"), troop.Max + u',', out);
        WriteList(troop.A_WeaponList.get(), QStringLiteral("A_Weapon"), QString(), out);
        if (troop.SpecialList && !troop.Specials.isEmpty())
            out << QStringLiteral("Specials=") + troop.Specials;
        WriteList(troop.SpecialList.get(), QStringLiteral("Special"), QString(), out);
        out << QString();
    }
}

void WriteWeaponSpecs(const Store& store, QStringList& out)
{
    const StringList* catalogue = store.WeaponCatalogue.get();
    if (!catalogue || catalogue->IsEmpty())
        return;
    out << QStringLiteral("[WeaponSpecs]");
    for (int i = 0; i < catalogue->Count(); ++i)
        out << QString::number(i + 1) + u'=' + JoinFields((*catalogue)[i], 6);
    out << QString();
}

void WriteSpecials(const Store& store, QStringList& out)
{
    const StringList* catalogue = store.SpecialCatalogue.get();
    if (!catalogue || catalogue->IsEmpty())
        return;
    out << QStringLiteral("[Specials]");
    for (int i = 0; i < catalogue->Count(); ++i)
        out << QString::number(i + 1) + u'=' + JoinFields((*catalogue)[i], 2);
}

QStringList DatafileLines(const Store& store)
{
    QStringList out;
    WriteHeader(out);
    WriteArmy(store, out);
    WriteTroops(store, out);
    WriteWeaponSpecs(store, out);
    WriteSpecials(store, out);
    return out;
}
