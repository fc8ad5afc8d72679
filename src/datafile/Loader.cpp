#include "datafile/Loader.h"

#include "platform/IniFile.h"
#include "store/ComVars.h"

namespace
{

// The lines of the entries key1, key2, ... up to the first missing or empty one.
void ReadList(const IniFile& file, const QString& section, const QString& key, bool dropPrefix,
              Store& store, std::unique_ptr<StringList>& list)
{
    for (int i = 1;; ++i) {
        QString value = file.Value(section, key + QString::number(i), QString());
        if (value.isEmpty())
            return;
        if (dropPrefix) {
            const int comma = value.indexOf(u',');
            if (comma >= 0)
                value.remove(0, comma + 1);
        }
        if (!list)
            list = store.NewPlainList();
        list->Add(value);
    }
}

void ReadTroop(const IniFile& file, const QString& section, TheRec& troop, Store& store)
{
    auto value = [&](const char* key, const QString& fallback) {
        return file.Value(section, QString::fromLatin1(key), fallback);
    };
    troop.Name = value("Name", QStringLiteral("noname"));
    troop.Type = value("Type", QString());
    troop.Points = value("Points", QStringLiteral("0"));
    troop.Min = value("Min", QStringLiteral("1"));
    troop.Max = value("Max", QStringLiteral("1"));
    troop.f_arm = value("f_arm", QString());
    troop.s_arm = value("s_arm", QString());
    troop.r_arm = value("r_arm", QString());
    troop.Chars = value("Chars", QString());
    troop.Weapons = value("Weapons", QStringLiteral("0"));
    ReadList(file, section, QStringLiteral("Weapon"), false, store, troop.WeaponList);
    ReadList(file, section, QStringLiteral("R_Weapon"), true, store, troop.R_WeaponList);
    ReadList(file, section, QStringLiteral("A_Weapon"), false, store, troop.A_WeaponList);
    troop.Specials = value("Specials", QStringLiteral("0"));
    ReadList(file, section, QStringLiteral("Special"), false, store, troop.SpecialList);
}

// Every key of the section, taken once in sorted order, adds its value to the catalogue.
void ReadCatalogue(const IniFile& file, const QString& section, const Store& store,
                   StringList& catalogue)
{
    const auto keys = store.NewSortedList();
    for (const QString& key : file.KeyNames(section))
        keys->Add(key);
    for (const QString& key : keys->Lines())
        catalogue.Add(file.Value(section, key, QString()));
}

} // namespace

LoadOutcome LoadDatafile(Store& store, const IniFile& file, LoadProgress& progress)
{
    ResetAllTroopSlots(store);
    if (!store.WeaponCatalogue)
        store.WeaponCatalogue = store.NewSortedList();
    if (!store.SpecialCatalogue)
        store.SpecialCatalogue = store.NewSortedList();
    store.WeaponCatalogue->Clear();
    store.SpecialCatalogue->Clear();
    store.CurrentTroop = 0;
    store.TroopCount = 0;

    LoadOutcome outcome;
    const QString race = QStringLiteral("Race");
    if (file.HasSection(race)) {
        outcome.raceFound = true;
        store.TheArmy.Name = file.Value(race, QStringLiteral("Name"), QStringLiteral("noname"));
        store.TheArmy.UnitName =
            file.Value(race, QStringLiteral("UnitName"), QStringLiteral("Unit"));
        store.TheArmy.SquadName =
            file.Value(race, QStringLiteral("SquadName"), QStringLiteral("Squad"));
        progress.ArmyRead();

        int n = 1;
        for (; file.HasSection(QStringLiteral("Troop%1").arg(n)); ++n) {
            if (n > Store::TroopSlots) {
                outcome.troopsLeftOut = true;
                break;
            }
            ReadTroop(file, QStringLiteral("Troop%1").arg(n), store.TroopTable[n - 1], store);
            progress.TroopRead(n);
        }
        store.TroopCount = n - 1;
    } else {
        progress.RaceMissing();
    }

    if (file.HasSection(QStringLiteral("WeaponSpecs")))
        ReadCatalogue(file, QStringLiteral("WeaponSpecs"), store, *store.WeaponCatalogue);
    if (file.HasSection(QStringLiteral("Specials")))
        ReadCatalogue(file, QStringLiteral("Specials"), store, *store.SpecialCatalogue);
    return outcome;
}
