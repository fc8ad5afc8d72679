#include "datafile/Writer.h"

#include "store/LineOps.h"
#include "store/Number.h"
#include "store/Store.h"

namespace
{

const char* const headerLines[] = {
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
void writeList(const LineList* list, const QString& prefix, const QString& valuePrefix,
               QStringList& out)
{
    if (!list)
        return;
    for (int i = 0; i < list->count(); ++i)
        out << prefix + QString::number(i + 1) + u'=' + valuePrefix + (*list)[i];
}

// Armour is written only when its text reads as a number other than 0.
void writeArmour(const QString& key, const QString& value, QStringList& out)
{
    if (readNumber(value) != 0)
        out << key + u'=' + value;
}

// The first count fields of the line, and empty ones for those it lacks.
QString joinFields(const QString& line, int count)
{
    int fields = 1;
    qsizetype end = line.size();
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == u',' && ++fields > count) {
            end = i;
            --fields;
            break;
        }
    }
    return fields < count ? line.left(end) + QString(count - fields, u',') : line.left(end);
}

} // namespace

void writeHeader(QStringList& out)
{
    for (const char* line : headerLines)
        out << QString::fromLatin1(line);
}

void writeArmy(const Store& store, QStringList& out)
{
    out << QStringLiteral("[Race]") << QStringLiteral("Name=") + store.army.name
        << QStringLiteral("UnitName=") + store.army.unitWord
        << QStringLiteral("SquadName=") + store.army.squadWord << QString();
}

void writeTroops(const Store& store, QStringList& out)
{
    const int count = qBound(0, store.troopCount, int(Store::slotCount));
    for (int k = 1; k <= count; ++k) {
        const Troop& troop = store.troops[k - 1];
        out << QStringLiteral("[Troop%1]").arg(k) << QStringLiteral("Name=") + troop.name
            << QStringLiteral("Points=") + troop.points << QStringLiteral("Type=") + troop.role
            << QStringLiteral("Min=") + troop.minModels << QStringLiteral("Max=") + troop.maxModels;
        writeArmour(QStringLiteral("f_arm"), troop.frontArmour, out);
        writeArmour(QStringLiteral("s_arm"), troop.sideArmour, out);
        writeArmour(QStringLiteral("r_arm"), troop.rearArmour, out);
        out << QStringLiteral("Chars=") + troop.characteristics
            << QStringLiteral("Weapons=") + troop.weaponLimit;
        writeList(troop.standardWeapons.get(), QStringLiteral("Weapon"), QString(), out);
        writeList(troop.replaceableWeapons.get(), QStringLiteral("R_Weapon"),
                  troop.maxModels + u',', out);
        writeList(troop.additionalWeapons.get(), QStringLiteral("A_Weapon"), QString(), out);
        if (troop.abilities && !troop.abilityLimits.isEmpty())
            out << QStringLiteral("Specials=") + troop.abilityLimits;
        writeList(troop.abilities.get(), QStringLiteral("Special"), QString(), out);
        out << QString();
    }
}

void writeWeaponCatalogue(const Store& store, QStringList& out)
{
    const LineList* catalogue = store.weaponCatalogue.get();
    if (!catalogue || catalogue->isEmpty())
        return;
    out << QStringLiteral("[WeaponSpecs]");
    for (int i = 0; i < catalogue->count(); ++i)
        out << QString::number(i + 1) + u'=' + joinFields((*catalogue)[i], 6);
    out << QString();
}

void writeAbilityCatalogue(const Store& store, QStringList& out)
{
    const LineList* catalogue = store.abilityCatalogue.get();
    if (!catalogue || catalogue->isEmpty())
        return;
    out << QStringLiteral("[Specials]");
    for (int i = 0; i < catalogue->count(); ++i)
        out << QString::number(i + 1) + u'=' + joinFields((*catalogue)[i], 2);
}

QStringList datafileLines(const Store& store)
{
    QStringList out;
    writeHeader(out);
    writeArmy(store, out);
    writeTroops(store, out);
    writeWeaponCatalogue(store, out);
    writeAbilityCatalogue(store, out);
    return out;
}
