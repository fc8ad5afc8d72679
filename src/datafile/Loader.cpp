#include "datafile/Loader.h"

#include "platform/IniFile.h"
#include "store/Store.h"

#include <algorithm>
#include <array>
#include <vector>

namespace
{

// What a troop section answers, taken in one walk over its lines: for each name the loader
// asks, the first line of that name, as a look-up finds it. A first line without "=" gives the
// default, as it does to a look-up.
class TroopLines
{
public:
    enum Field {
        Name,
        Type,
        Points,
        Min,
        Max,
        FrontArmour,
        SideArmour,
        RearArmour,
        Chars,
        Weapons,
        Specials,
        FieldCount
    };
    enum List { Standard, Replaceable, Additional, Abilities, ListCount };

    TroopLines(const IniFile& file, const QString& section) : lineCount(file.lineCount(section))
    {
        file.forEachLine(section,
                         [this](QStringView key, const QString* value) { take(key, value); });
    }

    QString field(Field field, const QString& fallback) const
    {
        const QString* value = fields[field].value;
        return value ? *value : fallback;
    }

    // The values of the list's entries 1, 2, ... up to the first missing or empty one; with
    // dropPrefix, each without its first field.
    QStringList values(List list, bool dropPrefix) const
    {
        const std::vector<Line>& lines = items[list];
        const auto end = std::find_if(lines.begin(), lines.end(), [](const Line& line) {
            return !line.value || line.value->isEmpty();
        });
        QStringList values;
        values.reserve(end - lines.begin());
        for (auto line = lines.begin(); line != end; ++line) {
            const QString& value = *line->value;
            const qsizetype comma = dropPrefix ? value.indexOf(u',') : -1;
            // The value itself is shared with the file; a rest is a copy of its own.
            values.append(comma >= 0 ? value.mid(comma + 1) : value);
        }
        return values;
    }

private:
    struct Line {
        bool seen = false;
        const QString* value = nullptr;
    };

    static void keepFirst(Line& line, const QString* value)
    {
        if (!line.seen)
            line = Line{true, value};
    }

    void take(QStringView key, const QString* value)
    {
        static const std::array<QString, FieldCount> fieldNames = {
            QStringLiteral("Name"),    QStringLiteral("Type"),    QStringLiteral("Points"),
            QStringLiteral("Min"),     QStringLiteral("Max"),     QStringLiteral("f_arm"),
            QStringLiteral("s_arm"),   QStringLiteral("r_arm"),   QStringLiteral("Chars"),
            QStringLiteral("Weapons"), QStringLiteral("Specials")};
        static const std::array<QString, ListCount> listNames = {
            QStringLiteral("Weapon"), QStringLiteral("R_Weapon"), QStringLiteral("A_Weapon"),
            QStringLiteral("Special")};
        if (key.isEmpty())
            return;
        // A list's key ends in a digit and starts with its name's letter in either case; no
        // field's name ends in a digit.
        if (key.back() >= u'0' && key.back() <= u'9') {
            int list = -1;
            switch (key.front().unicode() | 0x20) {
            case u'w':
                list = Standard;
                break;
            case u'r':
                list = Replaceable;
                break;
            case u'a':
                list = Additional;
                break;
            case u's':
                list = Abilities;
                break;
            default:
                return;
            }
            const int number = numberAfter(key, listNames[size_t(list)]);
            if (number > 0) {
                std::vector<Line>& lines = items[size_t(list)];
                if (size_t(number) > lines.size())
                    lines.resize(size_t(number));
                keepFirst(lines[size_t(number) - 1], value);
            }
            return;
        }
        for (int field = 0; field < FieldCount; ++field) {
            if (IniFile::sameName(key, fieldNames[size_t(field)])) {
                keepFirst(fields[size_t(field)], value);
                return;
            }
        }
    }

    // The number that follows the name in the key, written as the loader asks for it (digits
    // without a leading zero), or 0. A number past the section's count of lines cannot be
    // reached by a list that stops at its first missing entry.
    int numberAfter(QStringView key, QStringView name) const
    {
        const qsizetype digits = key.size() - name.size();
        if (digits < 1 || digits > 9 || key[name.size()] == u'0')
            return 0;
        int number = 0;
        for (const QChar c : key.mid(name.size())) {
            if (c < u'0' || c > u'9')
                return 0;
            number = number * 10 + (c.unicode() - u'0');
        }
        if (number > lineCount || !IniFile::sameName(key.left(name.size()), name))
            return 0;
        return number;
    }

    const int lineCount;
    std::array<Line, FieldCount> fields;
    std::array<std::vector<Line>, ListCount> items;
};

// Adds the values of a list to the troop's list, created when the first value comes.
void readList(const TroopLines& lines, TroopLines::List list, bool dropPrefix, Store& store,
              std::unique_ptr<LineList>& target)
{
    QStringList values = lines.values(list, dropPrefix);
    if (values.isEmpty())
        return;
    if (!target)
        target = store.newPlainList();
    target->addAll(std::move(values));
}

void readTroop(const IniFile& file, const QString& section, Troop& troop, Store& store)
{
    const TroopLines lines(file, section);
    using T = TroopLines;
    troop.name = lines.field(T::Name, QStringLiteral("noname"));
    troop.role = lines.field(T::Type, QString());
    troop.points = lines.field(T::Points, QStringLiteral("0"));
    troop.minModels = lines.field(T::Min, QStringLiteral("1"));
    troop.maxModels = lines.field(T::Max, QStringLiteral("1"));
    troop.frontArmour = lines.field(T::FrontArmour, QString());
    troop.sideArmour = lines.field(T::SideArmour, QString());
    troop.rearArmour = lines.field(T::RearArmour, QString());
    troop.characteristics = lines.field(T::Chars, QString());
    troop.weaponLimit = lines.field(T::Weapons, QStringLiteral("0"));
    readList(lines, T::Standard, false, store, troop.standardWeapons);
    readList(lines, T::Replaceable, true, store, troop.replaceableWeapons);
    readList(lines, T::Additional, false, store, troop.additionalWeapons);
    // An empty limit reads as the 0 that a missing one gives: the writer leaves an empty limit
    // out, so a loaded army saves the same again.
    troop.abilityLimits = lines.field(T::Specials, QString());
    if (troop.abilityLimits.isEmpty())
        troop.abilityLimits = QStringLiteral("0");
    readList(lines, T::Abilities, false, store, troop.abilities);
}

bool isDigits(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// Every key of the section is taken once, in sorted order, and adds its value to the sorted
// catalogue, where the first of equal values stays: of equal values, the one under the key
// that sorts first. The entries are sorted once by value, then key, to the same effect. A value
// so dropped that differs from the one kept in letter case is told in `dropped`.
void readCatalogue(const IniFile& file, const QString& section, CatalogueKind kind,
                   const Store& store, LineList& catalogue, std::vector<DroppedLine>& dropped)
{
    const Collation& collation = store.collation();
    // A catalogue as it is saved, keys of digits under values that rise strictly, is the
    // sorted catalogue as it stands: one walk tells, and takes it.
    if (catalogue.isEmpty()) {
        bool asSaved = true;
        const QString* previous = nullptr;
        file.forEachKeyValue(section, [&](QStringView key, const QString& value) {
            asSaved =
                asSaved && isDigits(key) && (!previous || collation.compare(*previous, value) < 0);
            previous = &value;
        });
        if (asSaved) {
            catalogue.takeAscending(file.values(section));
            return;
        }
    }

    std::vector<IniFile::KeyValue> entries = file.keyValues(section);
    const auto keyBefore = [&collation](const IniFile::KeyValue& a, const IniFile::KeyValue& b) {
        return collation.compare(a.key, b.key) < 0;
    };
    // Of keys that compare equal, only the first is taken. Two keys of digits compare equal
    // only when they are the same, and then they look up the same value.
    const bool digitKeys = std::all_of(entries.begin(), entries.end(),
                                       [](const IniFile::KeyValue& e) { return isDigits(e.key); });
    if (!digitKeys) {
        std::stable_sort(entries.begin(), entries.end(), keyBefore);
        entries.erase(
            std::unique(entries.begin(), entries.end(),
                        [&collation](const IniFile::KeyValue& a, const IniFile::KeyValue& b) {
                            return collation.compare(a.key, b.key) == 0;
                        }),
            entries.end());
    }
    const auto before = [&](const IniFile::KeyValue& a, const IniFile::KeyValue& b) {
        const int byValue = collation.compare(*a.value, *b.value);
        return byValue != 0 ? byValue < 0 : keyBefore(a, b);
    };
    if (!std::is_sorted(entries.begin(), entries.end(), before))
        std::stable_sort(entries.begin(), entries.end(), before);

    QStringList values;
    values.reserve(qsizetype(entries.size()));
    size_t kept = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
        const QString& value = *entries[i].value;
        values.append(value);
        if (i == 0 || collation.compare(*entries[kept].value, value) != 0) {
            kept = i;
        } else if (value != *entries[kept].value) {
            dropped.push_back({kind, file.lineOf(section, entries[i].key.toString()),
                               file.lineOf(section, entries[kept].key.toString())});
        }
    }
    entries = {};
    catalogue.addAll(std::move(values));
}

} // namespace

LoadOutcome loadDatafile(Store& store, const IniFile& file, LoadProgress& progress)
{
    LoadOutcome outcome;
    const QString race = QStringLiteral("Race");
    if (!file.hasSection(race)) {
        progress.raceMissing();
        return outcome;
    }

    for (Troop& troop : store.troops)
        troop = Troop();
    if (!store.weaponCatalogue)
        store.weaponCatalogue = store.newSortedList();
    if (!store.abilityCatalogue)
        store.abilityCatalogue = store.newSortedList();
    store.weaponCatalogue->clear();
    store.abilityCatalogue->clear();
    store.troopCount = 0;

    outcome.raceFound = true;
    store.army.name = file.value(race, QStringLiteral("Name"), QStringLiteral("noname"));
    store.army.unitWord = file.value(race, QStringLiteral("UnitName"), QStringLiteral("Unit"));
    store.army.squadWord = file.value(race, QStringLiteral("SquadName"), QStringLiteral("Squad"));
    progress.armyRead();

    int n = 1;
    for (; file.hasSection(QStringLiteral("Troop%1").arg(n)); ++n) {
        if (n > Store::slotCount) {
            outcome.troopsLeftOut = true;
            break;
        }
        readTroop(file, QStringLiteral("Troop%1").arg(n), store.troops[n - 1], store);
        progress.troopRead(n);
    }
    store.troopCount = n - 1;

    if (file.hasSection(QStringLiteral("WeaponSpecs")))
        readCatalogue(file, QStringLiteral("WeaponSpecs"), CatalogueKind::Weapons, store,
                      *store.weaponCatalogue, outcome.droppedLines);
    if (file.hasSection(QStringLiteral("Specials")))
        readCatalogue(file, QStringLiteral("Specials"), CatalogueKind::Abilities, store,
                      *store.abilityCatalogue, outcome.droppedLines);
    return outcome;
}
