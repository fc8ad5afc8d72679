#include "datafile/Loader.h"

#include "platform/IniFile.h"
#include "store/Store.h"

#include <algorithm>

namespace
{

// The lines of the entries key1, key2, ... up to the first missing or empty one.
void readList(const IniFile& file, const QString& section, const QString& key, bool dropPrefix,
              Store& store, std::unique_ptr<LineList>& list)
{
    for (int i = 1;; ++i) {
        QString value = file.value(section, key + QString::number(i), QString());
        if (value.isEmpty())
            return;
        if (dropPrefix) {
            // A copy of the rest only: the value itself is shared with the file.
            const int comma = value.indexOf(u',');
            if (comma >= 0)
                value = value.mid(comma + 1);
        }
        if (!list)
            list = store.newPlainList();
        list->add(value);
    }
}

void readTroop(const IniFile& file, const QString& section, Troop& troop, Store& store)
{
    auto value = [&](const char* key, const QString& fallback) {
        return file.value(section, QString::fromLatin1(key), fallback);
    };
    troop.name = value("Name", QStringLiteral("noname"));
    troop.role = value("Type", QString());
    troop.points = value("Points", QStringLiteral("0"));
    troop.minModels = value("Min", QStringLiteral("1"));
    troop.maxModels = value("Max", QStringLiteral("1"));
    troop.frontArmour = value("f_arm", QString());
    troop.sideArmour = value("s_arm", QString());
    troop.rearArmour = value("r_arm", QString());
    troop.characteristics = value("Chars", QString());
    troop.weaponLimit = value("Weapons", QStringLiteral("0"));
    readList(file, section, QStringLiteral("Weapon"), false, store, troop.standardWeapons);
    readList(file, section, QStringLiteral("R_Weapon"), true, store, troop.replaceableWeapons);
    readList(file, section, QStringLiteral("A_Weapon"), false, store, troop.additionalWeapons);
    // An empty limit reads as the 0 that a missing one gives: the writer leaves an empty limit
    // out, so a loaded army saves the same again.
    troop.abilityLimits = value("Specials", QString());
    if (troop.abilityLimits.isEmpty())
        troop.abilityLimits = QStringLiteral("0");
    readList(file, section, QStringLiteral("Special"), false, store, troop.abilities);
}

bool isDigits(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// Every key of the section is taken once, in sorted order, and adds its value to the sorted
// catalogue, where the first of equal values stays: of equal values, the one under the key
// that sorts first. The entries are sorted once by value, then key, to the same effect.
void readCatalogue(const IniFile& file, const QString& section, const Store& store,
                   LineList& catalogue)
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
    for (const IniFile::KeyValue& entry : entries)
        values.append(*entry.value);
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

    resetAllSlots(store);
    if (!store.weaponCatalogue)
        store.weaponCatalogue = store.newSortedList();
    if (!store.abilityCatalogue)
        store.abilityCatalogue = store.newSortedList();
    store.weaponCatalogue->clear();
    store.abilityCatalogue->clear();
    store.currentSlot = 0;
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
        readCatalogue(file, QStringLiteral("WeaponSpecs"), store, *store.weaponCatalogue);
    if (file.hasSection(QStringLiteral("Specials")))
        readCatalogue(file, QStringLiteral("Specials"), store, *store.abilityCatalogue);
    return outcome;
}
