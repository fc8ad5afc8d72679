#include "datafile/ArmyCheck.h"

#include "datafile/Loader.h"
#include "platform/CodePage.h"
#include "platform/IniFile.h"
#include "store/AbilityGroups.h"
#include "store/LineOps.h"
#include "store/Number.h"
#include "store/Store.h"

#include <QHash>
#include <QSet>

namespace
{

const QStringList roleCodes = {QStringLiteral("HQ"), QStringLiteral("EL"), QStringLiteral("TR"),
                               QStringLiteral("FA"), QStringLiteral("HS")};

// The names of a catalogue's entries in catalogue order, with an open table of their positions
// hashed by the names' folded characters: it finds a name exactly, and the first entry whose
// name equals another's without regard to letter case, without a folded copy of any name.
class CatalogueNames
{
public:
    explicit CatalogueNames(const LineList& catalogue)
    {
        const int count = catalogue.count();
        names.reserve(count);
        for (const QString& entry : catalogue.lines())
            names.append(field(entry, 1));
        table.assign(size_t(count) * 2 + 1, -1);
        firstOfFold.reserve(size_t(count));
        firstOfName.reserve(size_t(count));
        // Entries of one folded name share their first slot, so along the probe the earliest
        // of them comes first.
        for (int i = 0; i < count; ++i) {
            int first = i;
            int firstSame = i;
            size_t slot = start(names[i]);
            for (; table[slot] >= 0; slot = next(slot)) {
                const QString& other = names[table[slot]];
                if (first == i && other.compare(names[i], Qt::CaseInsensitive) == 0)
                    first = table[slot];
                if (firstSame == i && other == names[i])
                    firstSame = table[slot];
            }
            table[slot] = i;
            firstOfFold.push_back(first);
            firstOfName.push_back(firstSame);
        }
    }

    const QString& operator[](int i) const { return names[i]; }

    bool holds(const QString& name) const
    {
        for (size_t slot = start(name); table[slot] >= 0; slot = next(slot)) {
            if (names[table[slot]] == name)
                return true;
        }
        return false;
    }

    // The first entry whose name equals entry i's without regard to letter case; i itself
    // when no earlier one does.
    int firstOfItsFold(int i) const { return firstOfFold[size_t(i)]; }
    // The first entry whose name is entry i's exactly; i itself when no earlier one is.
    int firstOfItsName(int i) const { return firstOfName[size_t(i)]; }

private:
    // Folds a character at a time as the comparison does, a surrogate pair as one character.
    size_t start(const QString& name) const
    {
        quint64 hash = 14695981039346656037ULL;
        const qsizetype size = name.size();
        for (qsizetype k = 0; k < size; ++k) {
            char32_t c = name[k].unicode();
            if (c >= u'A' && c <= u'Z') {
                c += u'a' - u'A';
            } else if (c >= 0x80) {
                if (QChar::isHighSurrogate(c) && k + 1 < size && name[k + 1].isLowSurrogate())
                    c = QChar::surrogateToUcs4(char16_t(c), name[++k].unicode());
                c = QChar::toCaseFolded(c);
            }
            hash = (hash ^ c) * 1099511628211ULL;
        }
        return size_t(hash % table.size());
    }

    size_t next(size_t slot) const { return slot + 1 == table.size() ? 0 : slot + 1; }

    QStringList names;
    std::vector<int> table;
    std::vector<int> firstOfFold;
    std::vector<int> firstOfName;
};

// Collects the problems of one army.
class Checker
{
public:
    explicit Checker(const Store& army)
        : store(army), catalogueNames{CatalogueNames(catalogueOf(army, CatalogueKind::Weapons)),
                                      CatalogueNames(catalogueOf(army, CatalogueKind::Abilities))}
    {
    }

    std::vector<Problem> run()
    {
        checkArmyTexts();
        QHash<QString, int> troopKeys;
        for (int slot = 0; slot < store.troopCount; ++slot) {
            checkTroop(slot);
            const Troop& troop = store.troops[size_t(slot)];
            const QString key = troop.role + u'\n' + troop.name;
            const auto earlier = troopKeys.constFind(key);
            if (earlier != troopKeys.cend()) {
                Problem& problem = add(ProblemKind::NameTaken, troopPlace(slot, TroopField::Name));
                problem.name = troop.name;
                problem.value = troop.role;
                problem.number = *earlier;
            } else {
                troopKeys.insert(key, slot);
            }
        }
        checkCatalogue(CatalogueKind::Weapons);
        checkCatalogue(CatalogueKind::Abilities);
        return std::move(problems);
    }

private:
    Problem& add(ProblemKind kind, const ProblemPlace& place)
    {
        problems.push_back({kind, place, {}, {}, {}, 0, 0, {}});
        return problems.back();
    }

    static ProblemPlace troopPlace(int slot, TroopField field, int line = -1)
    {
        ProblemPlace place;
        place.part = ProblemPlace::Part::Troop;
        place.slot = slot;
        place.field = field;
        place.line = line;
        return place;
    }

    // Every character of the text that the code page cannot hold, each once.
    void checkCodePage(const ProblemPlace& place, const QString& text, const QString& entry = {})
    {
        if (fitsWindows1252(text))
            return;
        QSet<QChar> seen;
        for (const QChar c : text) {
            if (seen.contains(c) || fitsWindows1252(QString(c)))
                continue;
            seen.insert(c);
            Problem& problem = add(ProblemKind::CharacterOutsideCodePage, place);
            problem.value = QString(c);
            problem.name = entry;
        }
    }

    void checkArmyTexts()
    {
        const QString texts[] = {store.army.name, store.army.unitWord, store.army.squadWord};
        for (int i = 0; i < 3; ++i) {
            ProblemPlace place;
            place.armyText = i;
            checkCodePage(place, texts[i]);
        }
    }

    // A number the troop needs: empty, or not a whole number of 0 or more, is a warning. The
    // weapon or ability and the group name the number where the field alone does not.
    void checkNumber(const ProblemPlace& place, const QString& text, const QString& name = {},
                     const QString& otherName = {}, int group = 0)
    {
        ProblemKind kind;
        if (text.trimmed().isEmpty())
            kind = ProblemKind::EmptyNumber;
        else if (!isWholeNumber(text) || readNumber(text) < 0)
            kind = ProblemKind::NotWholeNumber;
        else
            return;
        Problem& problem = add(kind, place);
        problem.value = kind == ProblemKind::NotWholeNumber ? text : QString();
        problem.name = name;
        problem.otherName = otherName;
        problem.number = group;
    }

    void checkTroop(int slot)
    {
        const Troop& troop = store.troops[size_t(slot)];
        if (troop.name.trimmed().isEmpty())
            add(ProblemKind::NoName, troopPlace(slot, TroopField::Name));
        if (troop.role.isEmpty())
            add(ProblemKind::NoRole, troopPlace(slot, TroopField::Role));
        else if (!roleCodes.contains(troop.role))
            add(ProblemKind::UnknownRole, troopPlace(slot, TroopField::Role)).value = troop.role;
        checkNumber(troopPlace(slot, TroopField::Points), troop.points);
        checkNumber(troopPlace(slot, TroopField::MinModels), troop.minModels);
        checkNumber(troopPlace(slot, TroopField::MaxModels), troop.maxModels);
        if (readNumber(troop.minModels) > readNumber(troop.maxModels)) {
            Problem& problem =
                add(ProblemKind::MinimumAboveMaximum, troopPlace(slot, TroopField::MinModels));
            problem.number = readNumber(troop.minModels);
            problem.otherNumber = readNumber(troop.maxModels);
        }
        checkWeapons(slot, troop);
        checkAbilities(slot, troop);

        const std::pair<TroopField, const QString*> texts[] = {
            {TroopField::Name, &troop.name},
            {TroopField::Role, &troop.role},
            {TroopField::Points, &troop.points},
            {TroopField::MinModels, &troop.minModels},
            {TroopField::MaxModels, &troop.maxModels},
            {TroopField::FrontArmour, &troop.frontArmour},
            {TroopField::SideArmour, &troop.sideArmour},
            {TroopField::RearArmour, &troop.rearArmour},
            {TroopField::Characteristics, &troop.characteristics},
            {TroopField::WeaponLimit, &troop.weaponLimit},
            {TroopField::AbilityLimits, &troop.abilityLimits},
        };
        for (const auto& [field, text] : texts)
            checkCodePage(troopPlace(slot, field), *text);
        const std::pair<TroopField, const LineList*> lists[] = {
            {TroopField::StandardWeapon, troop.standardWeapons.get()},
            {TroopField::ReplaceableWeapon, troop.replaceableWeapons.get()},
            {TroopField::AdditionalWeapon, troop.additionalWeapons.get()},
            {TroopField::Ability, troop.abilities.get()},
        };
        for (const auto& [field, list] : lists) {
            if (!list)
                continue;
            for (int i = 0; i < list->count(); ++i)
                checkCodePage(troopPlace(slot, field, i), (*list)[i]);
        }
    }

    bool holds(CatalogueKind kind, const QString& name) const
    {
        return catalogueNames[kind == CatalogueKind::Abilities].holds(name);
    }

    void checkWeapons(int slot, const Troop& troop)
    {
        int weaponLines = 0;
        const auto missing = [&](TroopField part, int line, const QString& name) {
            if (!holds(CatalogueKind::Weapons, name))
                add(ProblemKind::NotInCatalogue, troopPlace(slot, part, line)).name = name;
        };
        const auto twice = [&](TroopField part, const LineList* list) {
            if (!list)
                return;
            weaponLines += list->count();
            QSet<QString> seen;
            for (int i = 0; i < list->count(); ++i) {
                const QString name = field((*list)[i], 1);
                if (seen.contains(name))
                    add(ProblemKind::ListedTwice, troopPlace(slot, part, i)).name = name;
                seen.insert(name);
            }
        };
        if (const LineList* list = troop.standardWeapons.get()) {
            for (int i = 0; i < list->count(); ++i)
                missing(TroopField::StandardWeapon, i, field((*list)[i], 1));
        }
        if (const LineList* list = troop.replaceableWeapons.get()) {
            for (int i = 0; i < list->count(); ++i) {
                const QString& line = (*list)[i];
                const QString replaced = field(line, 1);
                const ProblemPlace place = troopPlace(slot, TroopField::ReplaceableWeapon, i);
                missing(TroopField::ReplaceableWeapon, i, replaced);
                const int fields = int(line.count(u',')) + 1;
                for (int n = 2; n <= fields; n += 2) {
                    const QString replacement = field(line, n);
                    if (!holds(CatalogueKind::Weapons, replacement)) {
                        Problem& problem = add(ProblemKind::ReplacementNotInCatalogue, place);
                        problem.name = replacement;
                        problem.otherName = replaced;
                    }
                    checkNumber(place, field(line, n + 1), replacement, replaced);
                }
            }
        }
        if (const LineList* list = troop.additionalWeapons.get()) {
            for (int i = 0; i < list->count(); ++i) {
                const QString name = field((*list)[i], 1);
                missing(TroopField::AdditionalWeapon, i, name);
                checkNumber(troopPlace(slot, TroopField::AdditionalWeapon, i), field((*list)[i], 2),
                            name);
            }
        }
        twice(TroopField::StandardWeapon, troop.standardWeapons.get());
        twice(TroopField::ReplaceableWeapon, troop.replaceableWeapons.get());
        twice(TroopField::AdditionalWeapon, troop.additionalWeapons.get());

        checkNumber(troopPlace(slot, TroopField::WeaponLimit), troop.weaponLimit);
        if (readNumber(troop.weaponLimit) > weaponLines) {
            Problem& problem = add(ProblemKind::WeaponLimitAboveWeapons,
                                   troopPlace(slot, TroopField::WeaponLimit));
            problem.number = readNumber(troop.weaponLimit);
            problem.otherNumber = weaponLines;
        }
    }

    void checkAbilities(int slot, const Troop& troop)
    {
        const QStringList limits = troop.abilityLimits.split(u',');
        for (int k = 0; k < limits.size(); ++k)
            checkNumber(troopPlace(slot, TroopField::AbilityLimits), limits[k], {}, {}, k);
        const LineList* list = troop.abilities.get();
        if (!list)
            return;
        QSet<QString> seen;
        for (int i = 0; i < list->count(); ++i) {
            const QString& line = (*list)[i];
            const QString name = field(line, 2);
            const ProblemPlace place = troopPlace(slot, TroopField::Ability, i);
            if (!holds(CatalogueKind::Abilities, name))
                add(ProblemKind::NotInCatalogue, place).name = name;
            if (seen.contains(name))
                add(ProblemKind::ListedTwice, place).name = name;
            seen.insert(name);
            checkNumber(place, field(line, 3), name);
            const int group = readNumber(field(line, 1));
            if (!hasLimitField(group)) {
                Problem& problem = add(ProblemKind::GroupOutsideRange, place);
                problem.name = name;
                problem.number = group;
            }
        }
        const AbilityGroups groups = abilityGroups(troop);
        const ProblemPlace limitsPlace = troopPlace(slot, TroopField::AbilityLimits);
        if (groups.writtenPerRow) {
            add(ProblemKind::LimitsWrittenPerRow, limitsPlace);
            return;
        }
        for (const AbilityGroup& group : groups.groups) {
            if (hasLimitField(group.number) && !group.hasMaximum) {
                Problem& problem = add(ProblemKind::GroupWithoutMaximum, limitsPlace);
                problem.name = group.names.front();
                problem.number = group.number;
            }
        }
    }

    void checkCatalogue(CatalogueKind kind)
    {
        const LineList& catalogue = catalogueOf(store, kind);
        const CatalogueNames& names = catalogueNames[kind == CatalogueKind::Abilities];
        const QHash<QString, int> counts = useCounts(store, kind);
        for (int i = 0; i < catalogue.count(); ++i) {
            ProblemPlace place;
            place.part = ProblemPlace::Part::Catalogue;
            place.catalogue = kind;
            place.line = i;
            const QString& name = names[i];
            checkCodePage(place, catalogue[i], name);
            if (!counts.contains(name))
                add(ProblemKind::UnusedEntry, place).name = name;
            const int other = names.firstOfItsFold(i);
            if (other != i && names[other] != name) {
                Problem& problem = add(ProblemKind::NamesDifferInCase, place);
                problem.name = name;
                problem.otherName = names[other];
            }
            const int twin = names.firstOfItsName(i);
            if (twin != i) {
                Problem& problem = add(ProblemKind::DefinedTwice, place);
                problem.name = name;
                problem.otherPlace = place;
                problem.otherPlace->line = twin;
            }
        }
    }

    const Store& store;
    // The names of the weapon and the ability catalogue's entries.
    CatalogueNames catalogueNames[2];
    std::vector<Problem> problems;
};

} // namespace

Problem::Severity Problem::severity() const
{
    switch (kind) {
    case ProblemKind::CharacterOutsideCodePage:
    case ProblemKind::NameTaken:
    case ProblemKind::NoName:
    case ProblemKind::NoRole:
    case ProblemKind::UnknownRole:
    case ProblemKind::MinimumAboveMaximum:
    case ProblemKind::NotInCatalogue:
    case ProblemKind::ReplacementNotInCatalogue:
    case ProblemKind::GroupOutsideRange:
    case ProblemKind::DefinedTwice:
        return Severity::Error;
    default:
        return Severity::Warning;
    }
}

std::vector<Problem> checkArmy(const Store& store)
{
    return Checker(store).run();
}

std::vector<Problem> checkDroppedLines(const LoadOutcome& outcome)
{
    std::vector<Problem> problems;
    problems.reserve(outcome.droppedLines.size());
    for (const DroppedLine& dropped : outcome.droppedLines) {
        Problem problem{ProblemKind::RepeatDroppedOnLoad, {}, {}, {}, {}, dropped.keptLine, 0, {}};
        problem.place.part = ProblemPlace::Part::Datafile;
        problem.place.catalogue = dropped.catalogue;
        problem.place.line = dropped.line;
        problems.push_back(problem);
    }
    return problems;
}

DatafileLines::DatafileLines(const IniFile& iniFile) : file(iniFile) {}

namespace
{

QString keyOf(TroopField field, int line)
{
    const QString n = QString::number(line + 1);
    switch (field) {
    case TroopField::Name:
        return QStringLiteral("Name");
    case TroopField::Role:
        return QStringLiteral("Type");
    case TroopField::Points:
        return QStringLiteral("Points");
    case TroopField::MinModels:
        return QStringLiteral("Min");
    case TroopField::MaxModels:
        return QStringLiteral("Max");
    case TroopField::FrontArmour:
        return QStringLiteral("f_arm");
    case TroopField::SideArmour:
        return QStringLiteral("s_arm");
    case TroopField::RearArmour:
        return QStringLiteral("r_arm");
    case TroopField::Characteristics:
        return QStringLiteral("Chars");
    case TroopField::StandardWeapon:
        return QStringLiteral("Weapon") + n;
    case TroopField::ReplaceableWeapon:
        return QStringLiteral("R_Weapon") + n;
    case TroopField::AdditionalWeapon:
        return QStringLiteral("A_Weapon") + n;
    case TroopField::Ability:
        return QStringLiteral("Special") + n;
    case TroopField::WeaponLimit:
        return QStringLiteral("Weapons");
    case TroopField::AbilityLimits:
        return QStringLiteral("Specials");
    }
    return {};
}

} // namespace

// A saved catalogue holds its entries in the catalogue's own order, one key each, so the keys'
// values are compared with the entries in turn; a file written otherwise is looked up by value.
std::vector<int> DatafileLines::linesOfEntries(const LineList& catalogue,
                                               const QString& section) const
{
    std::vector<const QString*> values;
    std::vector<int> keyLines;
    values.reserve(size_t(file.keyCount(section)));
    keyLines.reserve(values.capacity());
    file.forEachKeyValueLine(section, [&](QStringView, const QString& value, int line) {
        values.push_back(&value);
        keyLines.push_back(line);
    });
    const size_t count = size_t(catalogue.count());
    bool inOrder = values.size() == count;
    for (size_t i = 0; inOrder && i < count; ++i)
        inOrder = *values[i] == catalogue[int(i)];
    if (inOrder)
        return keyLines;
    QHash<QString, int> lineOfValue;
    lineOfValue.reserve(qsizetype(values.size()));
    for (size_t i = 0; i < values.size(); ++i) {
        if (!lineOfValue.contains(*values[i]))
            lineOfValue.insert(*values[i], keyLines[i]);
    }
    std::vector<int> lines(count);
    for (size_t i = 0; i < count; ++i)
        lines[i] = lineOfValue.value(catalogue[int(i)], file.sectionLine(section));
    return lines;
}

int DatafileLines::lineOf(const Store& store, const ProblemPlace& place) const
{
    int line = 0;
    switch (place.part) {
    case ProblemPlace::Part::Army: {
        const QString keys[] = {QStringLiteral("Name"), QStringLiteral("UnitName"),
                                QStringLiteral("SquadName")};
        line = file.lineOf(QStringLiteral("Race"), keys[place.armyText]);
        break;
    }
    case ProblemPlace::Part::Troop:
        line = file.lineOf(QStringLiteral("Troop") + QString::number(place.slot + 1),
                           keyOf(place.field, place.line));
        break;
    case ProblemPlace::Part::Catalogue: {
        const int which = place.catalogue == CatalogueKind::Abilities ? 1 : 0;
        const QString section = which ? QStringLiteral("Specials") : QStringLiteral("WeaponSpecs");
        if (!mapped[which]) {
            mapped[which] = true;
            entryLines[which] = linesOfEntries(catalogueOf(store, place.catalogue), section);
        }
        line = entryLines[which][size_t(place.line)];
        break;
    }
    case ProblemPlace::Part::Datafile:
        line = place.line;
        break;
    }
    return line > 0 ? line : 1;
}
