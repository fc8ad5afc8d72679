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

// The blanks the reader trims from both ends of a value.
bool isBlank(QChar c)
{
    const char16_t u = c.unicode();
    return u == ' ' || u == '\t' || u == 0x0B || u == 0x0C || u == 0x1A;
}

bool isWhollyQuoted(const QString& value)
{
    return value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
           value.back() == value.front();
}

// The reader trims blanks from a value and takes one pair of quotes off a value wholly inside
// them. Such a value is written inside one more pair of quotes, so that it reads back exactly
// as the store holds it; every other value is written as it is.
QString entry(const QString& key, const QString& value)
{
    if (!value.isEmpty() &&
        (isBlank(value.front()) || isBlank(value.back()) || isWhollyQuoted(value)))
        return key + QStringLiteral("=\"") + value + u'"';
    return key + u'=' + value;
}

QString trimBlanks(const QString& value)
{
    qsizetype begin = 0;
    qsizetype end = value.size();
    while (begin < end && isBlank(value[begin]))
        ++begin;
    while (end > begin && isBlank(value[end - 1]))
        --end;
    return value.mid(begin, end - begin);
}

// Whether the line holds nothing but blanks, possibly inside a pair of quotes: written as it
// is it reads back empty or blank, and the loader ends a list at an empty entry.
bool isBlankLine(const QString& line)
{
    QString inner = trimBlanks(line);
    if (isWhollyQuoted(inner))
        inner = trimBlanks(inner.mid(1, inner.size() - 2));
    return inner.isEmpty();
}

// The lines of a troop list that reach the file. A blank line is left out: the roster program
// and our loader would see no line after it.
QStringList writtenLines(const LineList* list)
{
    QStringList lines;
    if (list) {
        for (const QString& line : list->lines()) {
            if (!isBlankLine(line))
                lines << line;
        }
    }
    return lines;
}

// One entry per line, keyed by the prefix and the line's position from 1.
void writeList(const QStringList& lines, const QString& prefix, const QString& valuePrefix,
               QStringList& out)
{
    for (int i = 0; i < lines.size(); ++i)
        out << entry(prefix + QString::number(i + 1), valuePrefix + lines[i]);
}

// Armour is written only when its text reads as a number other than 0.
void writeArmour(const QString& key, const QString& value, QStringList& out)
{
    if (readNumber(value) != 0)
        out << entry(key, value);
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

// The catalogue's entries cut or padded to their fields. Entries that become the same line, or
// lines the catalogue counts as equal, are written once, in the catalogue's order, as a load
// gives them back.
void writeCatalogue(const Store& store, const LineList* catalogue, const QString& section,
                    int fields, QStringList& out)
{
    if (!catalogue || catalogue->isEmpty())
        return;
    const auto lines = store.newSortedList();
    for (const QString& line : catalogue->lines())
        lines->add(joinFields(line, fields));
    out << section;
    for (int i = 0; i < lines->count(); ++i)
        out << entry(QString::number(i + 1), (*lines)[i]);
}

} // namespace

void writeHeader(QStringList& out)
{
    for (const char* line : headerLines)
        out << QString::fromLatin1(line);
}

void writeArmy(const Store& store, QStringList& out)
{
    out << QStringLiteral("[Race]") << entry(QStringLiteral("Name"), store.army.name)
        << entry(QStringLiteral("UnitName"), store.army.unitWord)
        << entry(QStringLiteral("SquadName"), store.army.squadWord) << QString();
}

void writeTroops(const Store& store, QStringList& out)
{
    const int count = qBound(0, store.troopCount, int(Store::slotCount));
    for (int k = 1; k <= count; ++k) {
        const Troop& troop = store.troops[k - 1];
        out << QStringLiteral("[Troop%1]").arg(k) << entry(QStringLiteral("Name"), troop.name)
            << entry(QStringLiteral("Points"), troop.points)
            << entry(QStringLiteral("Type"), troop.role)
            << entry(QStringLiteral("Min"), troop.minModels)
            << entry(QStringLiteral("Max"), troop.maxModels);
        writeArmour(QStringLiteral("f_arm"), troop.frontArmour, out);
        writeArmour(QStringLiteral("s_arm"), troop.sideArmour, out);
        writeArmour(QStringLiteral("r_arm"), troop.rearArmour, out);
        out << entry(QStringLiteral("Chars"), troop.characteristics)
            << entry(QStringLiteral("Weapons"), troop.weaponLimit);
        writeList(writtenLines(troop.standardWeapons.get()), QStringLiteral("Weapon"), QString(),
                  out);
        // The loader drops everything up to the first comma, so the maximum in front of each
        // line is written as its number: a Max text holding a comma would otherwise grow the
        // line on every save.
        writeList(writtenLines(troop.replaceableWeapons.get()), QStringLiteral("R_Weapon"),
                  QString::number(readNumber(troop.maxModels)) + u',', out);
        writeList(writtenLines(troop.additionalWeapons.get()), QStringLiteral("A_Weapon"),
                  QString(), out);
        const QStringList abilities = writtenLines(troop.abilities.get());
        if (!abilities.isEmpty() && !troop.abilityLimits.isEmpty())
            out << entry(QStringLiteral("Specials"), troop.abilityLimits);
        writeList(abilities, QStringLiteral("Special"), QString(), out);
        out << QString();
    }
}

void writeWeaponCatalogue(const Store& store, QStringList& out)
{
    const int countBefore = out.size();
    writeCatalogue(store, store.weaponCatalogue.get(), QStringLiteral("[WeaponSpecs]"), 6, out);
    if (out.size() > countBefore)
        out << QString();
}

void writeAbilityCatalogue(const Store& store, QStringList& out)
{
    writeCatalogue(store, store.abilityCatalogue.get(), QStringLiteral("[Specials]"), 2, out);
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
