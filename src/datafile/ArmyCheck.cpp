#include "datafile/ArmyCheck.h"

#include "datafile/Loader.h"
#include "platform/CodePage.h"
#include "platform/IniFile.h"
#include "store/LineOps.h"
#include "store/Number.h"
#include "store/Store.h"

#include <QHash>
#include <QSet>
#include <QStringBuilder>
#include <QTextStream>

namespace
{

const QStringList roleCodes = {QStringLiteral("HQ"), QStringLiteral("EL"), QStringLiteral("TR"),
                               QStringLiteral("FA"), QStringLiteral("HS")};

QString quoted(const QString& text)
{
    return u'"' + text + u'"';
}

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
        // Entries of one folded name share their first slot, so along the probe the earliest
        // of them comes first.
        for (int i = 0; i < count; ++i) {
            int first = i;
            size_t slot = start(names[i]);
            for (; table[slot] >= 0; slot = next(slot)) {
                if (first == i && names[table[slot]].compare(names[i], Qt::CaseInsensitive) == 0)
                    first = table[slot];
            }
            table[slot] = i;
            firstOfFold.push_back(first);
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
};

QString catalogueWord(CatalogueKind kind)
{
    return kind == CatalogueKind::Abilities ? QStringLiteral("special ability")
                                            : QStringLiteral("weapon");
}

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
            if (earlier != troopKeys.cend())
                troopError(slot, TroopField::Name, -1,
                           QStringLiteral("another %1 troop is named %2 (troop %3)")
                               .arg(troop.role, quoted(troop.name))
                               .arg(*earlier + 1));
            else
                troopKeys.insert(key, slot);
        }
        checkCatalogue(CatalogueKind::Weapons);
        checkCatalogue(CatalogueKind::Abilities);
        return std::move(problems);
    }

private:
    void add(Problem::Severity severity, const ProblemPlace& place, const QString& text)
    {
        problems.push_back({severity, place, text});
    }

    static ProblemPlace troopPlace(int slot, TroopField field, int line)
    {
        ProblemPlace place;
        place.part = ProblemPlace::Part::Troop;
        place.slot = slot;
        place.field = field;
        place.line = line;
        return place;
    }

    void troopError(int slot, TroopField field, int line, const QString& text)
    {
        add(Problem::Severity::Error, troopPlace(slot, field, line), text);
    }

    void troopWarning(int slot, TroopField field, int line, const QString& text)
    {
        add(Problem::Severity::Warning, troopPlace(slot, field, line), text);
    }

    // Every character of the text that the code page cannot hold, each once.
    void checkCodePage(const ProblemPlace& place, const QString& what, const QString& text)
    {
        if (fitsWindows1252(text))
            return;
        QSet<QChar> seen;
        for (const QChar c : text) {
            if (seen.contains(c) || fitsWindows1252(QString(c)))
                continue;
            seen.insert(c);
            add(Problem::Severity::Error, place,
                QStringLiteral("%1 holds \"%2\" (U+%3), which the datafile's code page cannot "
                               "hold")
                    .arg(what, QString(c),
                         QString::number(c.unicode(), 16).toUpper().rightJustified(4, u'0')));
        }
    }

    void checkArmyTexts()
    {
        const QString texts[] = {store.army.name, store.army.unitWord, store.army.squadWord};
        const QString names[] = {QStringLiteral("the army name"), QStringLiteral("the unit word"),
                                 QStringLiteral("the squad word")};
        for (int i = 0; i < 3; ++i) {
            ProblemPlace place;
            place.armyText = i;
            checkCodePage(place, names[i], texts[i]);
        }
    }

    // A number the troop needs: empty, or not a whole number of 0 or more, is a warning.
    void checkNumber(int slot, TroopField field, int line, const QString& what, const QString& text)
    {
        if (text.trimmed().isEmpty())
            troopWarning(slot, field, line, what + QStringLiteral(" is empty"));
        else if (!isWholeNumber(text) || readNumber(text) < 0)
            troopWarning(slot, field, line,
                         what + QStringLiteral(" is ") + quoted(text) +
                             QStringLiteral(", not a whole number of 0 or more"));
    }

    void checkTroop(int slot)
    {
        const Troop& troop = store.troops[size_t(slot)];
        if (troop.name.trimmed().isEmpty())
            troopError(slot, TroopField::Name, -1, QStringLiteral("the troop has no name"));
        if (!roleCodes.contains(troop.role))
            troopError(slot, TroopField::Role, -1,
                       troop.role.isEmpty()
                           ? QStringLiteral("the troop has no role")
                           : QStringLiteral("the role %1 is none of HQ, EL, TR, FA, HS")
                                 .arg(quoted(troop.role)));
        checkNumber(slot, TroopField::Points, -1, QStringLiteral("the points value"), troop.points);
        checkNumber(slot, TroopField::MinModels, -1, QStringLiteral("the minimum of models"),
                    troop.minModels);
        checkNumber(slot, TroopField::MaxModels, -1, QStringLiteral("the maximum of models"),
                    troop.maxModels);
        if (readNumber(troop.minModels) > readNumber(troop.maxModels))
            troopError(slot, TroopField::MinModels, -1,
                       QStringLiteral("the minimum of %1 models is above the maximum of %2")
                           .arg(readNumber(troop.minModels))
                           .arg(readNumber(troop.maxModels)));
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
            checkCodePage(troopPlace(slot, field, -1), fieldName(field), *text);
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
                checkCodePage(troopPlace(slot, field, i), fieldName(field), (*list)[i]);
        }
    }

    static QString fieldName(TroopField field)
    {
        switch (field) {
        case TroopField::Name:
            return QStringLiteral("the name");
        case TroopField::Role:
            return QStringLiteral("the role");
        case TroopField::Points:
            return QStringLiteral("the points value");
        case TroopField::MinModels:
            return QStringLiteral("the minimum of models");
        case TroopField::MaxModels:
            return QStringLiteral("the maximum of models");
        case TroopField::FrontArmour:
            return QStringLiteral("the front armour");
        case TroopField::SideArmour:
            return QStringLiteral("the side armour");
        case TroopField::RearArmour:
            return QStringLiteral("the rear armour");
        case TroopField::Characteristics:
            return QStringLiteral("the characteristics");
        case TroopField::StandardWeapon:
            return QStringLiteral("a standard weapon");
        case TroopField::ReplaceableWeapon:
            return QStringLiteral("a replaceable weapon");
        case TroopField::AdditionalWeapon:
            return QStringLiteral("an additional weapon");
        case TroopField::Ability:
            return QStringLiteral("a special ability");
        case TroopField::WeaponLimit:
            return QStringLiteral("the weapon limit");
        case TroopField::AbilityLimits:
            return QStringLiteral("the special ability limits");
        }
        return {};
    }

    bool holds(CatalogueKind kind, const QString& name) const
    {
        return catalogueNames[kind == CatalogueKind::Abilities].holds(name);
    }

    void checkWeapons(int slot, const Troop& troop)
    {
        int weaponLines = 0;
        const auto missing = [&](TroopField part, int line, const QString& what,
                                 const QString& name) {
            if (!holds(CatalogueKind::Weapons, name))
                troopError(slot, part, line,
                           QStringLiteral("%1 is not in the weapon catalogue")
                               .arg(what.arg(quoted(name))));
        };
        const auto twice = [&](TroopField part, const LineList* list, const QString& what) {
            if (!list)
                return;
            weaponLines += list->count();
            QSet<QString> seen;
            for (int i = 0; i < list->count(); ++i) {
                const QString name = field((*list)[i], 1);
                if (seen.contains(name))
                    troopWarning(slot, part, i,
                                 QStringLiteral("%1 %2 is listed twice").arg(what, quoted(name)));
                seen.insert(name);
            }
        };
        if (const LineList* list = troop.standardWeapons.get()) {
            for (int i = 0; i < list->count(); ++i)
                missing(TroopField::StandardWeapon, i, QStringLiteral("standard weapon %1"),
                        field((*list)[i], 1));
        }
        if (const LineList* list = troop.replaceableWeapons.get()) {
            for (int i = 0; i < list->count(); ++i) {
                const QString& line = (*list)[i];
                const QString replaced = field(line, 1);
                missing(TroopField::ReplaceableWeapon, i, QStringLiteral("replaceable weapon %1"),
                        replaced);
                const int fields = int(line.count(u',')) + 1;
                for (int n = 2; n <= fields; n += 2) {
                    missing(TroopField::ReplaceableWeapon, i,
                            QStringLiteral("replacement weapon %1 (for %2)")
                                .arg(QStringLiteral("%1"), quoted(replaced)),
                            field(line, n));
                    checkNumber(slot, TroopField::ReplaceableWeapon, i,
                                QStringLiteral("the cost of %1 for %2")
                                    .arg(quoted(field(line, n)), quoted(replaced)),
                                field(line, n + 1));
                }
            }
        }
        if (const LineList* list = troop.additionalWeapons.get()) {
            for (int i = 0; i < list->count(); ++i) {
                const QString name = field((*list)[i], 1);
                missing(TroopField::AdditionalWeapon, i, QStringLiteral("additional weapon %1"),
                        name);
                checkNumber(slot, TroopField::AdditionalWeapon, i,
                            QStringLiteral("the cost of additional weapon %1").arg(quoted(name)),
                            field((*list)[i], 2));
            }
        }
        twice(TroopField::StandardWeapon, troop.standardWeapons.get(),
              QStringLiteral("standard weapon"));
        twice(TroopField::ReplaceableWeapon, troop.replaceableWeapons.get(),
              QStringLiteral("replaceable weapon"));
        twice(TroopField::AdditionalWeapon, troop.additionalWeapons.get(),
              QStringLiteral("additional weapon"));

        checkNumber(slot, TroopField::WeaponLimit, -1, QStringLiteral("the weapon limit"),
                    troop.weaponLimit);
        if (readNumber(troop.weaponLimit) > weaponLines)
            troopWarning(slot, TroopField::WeaponLimit, -1,
                         QStringLiteral("the weapon limit of %1 is more than the troop's %2 "
                                        "weapons")
                             .arg(readNumber(troop.weaponLimit))
                             .arg(weaponLines));
    }

    void checkAbilities(int slot, const Troop& troop)
    {
        const QStringList limits = troop.abilityLimits.split(u',');
        for (int k = 0; k < limits.size(); ++k)
            checkNumber(slot, TroopField::AbilityLimits, -1,
                        k == 0 ? QStringLiteral("the special ability limit")
                               : QStringLiteral("the maximum of group %1").arg(k),
                        limits[k]);
        const LineList* list = troop.abilities.get();
        if (!list)
            return;
        QSet<QString> seen;
        for (int i = 0; i < list->count(); ++i) {
            const QString& line = (*list)[i];
            const QString name = field(line, 2);
            if (!holds(CatalogueKind::Abilities, name))
                troopError(slot, TroopField::Ability, i,
                           QStringLiteral("special ability %1 is not in the special ability "
                                          "catalogue")
                               .arg(quoted(name)));
            if (seen.contains(name))
                troopWarning(
                    slot, TroopField::Ability, i,
                    QStringLiteral("special ability %1 is listed twice").arg(quoted(name)));
            seen.insert(name);
            checkNumber(slot, TroopField::Ability, i,
                        QStringLiteral("the cost of special ability %1").arg(quoted(name)),
                        field(line, 3));
            const int group = readNumber(field(line, 1));
            if (group < 1)
                troopWarning(slot, TroopField::Ability, i,
                             QStringLiteral("special ability %1 is in group %2; groups start "
                                            "at 1")
                                 .arg(quoted(name))
                                 .arg(group));
            else if (group >= limits.size())
                troopWarning(slot, TroopField::AbilityLimits, -1,
                             QStringLiteral("group %1 of special ability %2 has no maximum in "
                                            "the special ability limits")
                                 .arg(group)
                                 .arg(quoted(name)));
        }
    }

    void checkCatalogue(CatalogueKind kind)
    {
        const LineList& catalogue = catalogueOf(store, kind);
        const CatalogueNames& names = catalogueNames[kind == CatalogueKind::Abilities];
        const QHash<QString, int> counts = useCounts(store, kind);
        const QString word = catalogueWord(kind);
        for (int i = 0; i < catalogue.count(); ++i) {
            ProblemPlace place;
            place.part = ProblemPlace::Part::Catalogue;
            place.catalogue = kind;
            place.line = i;
            const QString& name = names[i];
            if (!fitsWindows1252(catalogue[i]))
                checkCodePage(place, word % u' ' % quoted(name), catalogue[i]);
            if (!counts.contains(name))
                add(Problem::Severity::Warning, place,
                    word % QStringLiteral(" \"") % name % QStringLiteral("\" is used by no troop"));
            const int other = names.firstOfItsFold(i);
            if (other != i && names[other] != name)
                add(Problem::Severity::Warning, place,
                    QStringLiteral("%1 names %2 and %3 differ only in letter case")
                        .arg(word, quoted(names[other]), quoted(name)));
        }
    }

    const Store& store;
    // The names of the weapon and the ability catalogue's entries.
    CatalogueNames catalogueNames[2];
    std::vector<Problem> problems;
};

} // namespace

std::vector<Problem> checkArmy(const Store& store)
{
    return Checker(store).run();
}

int wizardStepOf(TroopField field)
{
    switch (field) {
    case TroopField::StandardWeapon:
        return 3;
    case TroopField::ReplaceableWeapon:
        return 4;
    case TroopField::AdditionalWeapon:
        return 5;
    case TroopField::Ability:
        return 6;
    case TroopField::WeaponLimit:
    case TroopField::AbilityLimits:
        return 7;
    default:
        return 2;
    }
}

QString placeText(const Store& store, const ProblemPlace& place)
{
    switch (place.part) {
    case ProblemPlace::Part::Army:
        return QStringLiteral("Army");
    case ProblemPlace::Part::Catalogue:
        return place.catalogue == CatalogueKind::Abilities
                   ? QStringLiteral("Special ability catalogue")
                   : QStringLiteral("Weapon catalogue");
    case ProblemPlace::Part::Troop:
        break;
    }
    return QStringLiteral("%1, step %2")
        .arg(troopLabel(store.troops[size_t(place.slot)]))
        .arg(wizardStepOf(place.field));
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
    }
    return line > 0 ? line : 1;
}

int checkDatafile(const QString& program, const QString& path, QTextStream& out, QTextStream& err)
{
    QString reason;
    const IniFile file = IniFile::read(path, &reason);
    if (reason.isEmpty() && !file.hasSection(QStringLiteral("Race")))
        reason = QStringLiteral("no [Race] section: this is not a datafile");
    if (!reason.isEmpty()) {
        err << program << ": " << path << ": " << reason << '\n';
        err.flush();
        return 2;
    }
    class Silent : public LoadProgress
    {
    public:
        void armyRead() override {}
        void troopRead(int) override {}
        void raceMissing() override {}
    } progress;
    Store store;
    loadDatafile(store, file, progress);
    const std::vector<Problem> problems = checkArmy(store);
    const DatafileLines lines(file);
    int errors = 0;
    for (const Problem& problem : problems) {
        const bool error = problem.severity == Problem::Severity::Error;
        errors += error;
        out << path << ':' << lines.lineOf(store, problem.place)
            << (error ? ": error: " : ": warning: ");
        if (problem.place.part == ProblemPlace::Part::Troop)
            out << troopLabel(store.troops[size_t(problem.place.slot)]) << ": ";
        out << problem.text << '\n';
    }
    out << errors << " errors, " << int(problems.size()) - errors << " warnings\n";
    out.flush();
    return errors > 0 ? 1 : 0;
}
