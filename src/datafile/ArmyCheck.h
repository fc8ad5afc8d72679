#pragma once

#include "store/CatalogueUse.h"

#include <QString>
#include <vector>

class IniFile;
class LineList;
class Store;

// The part of a troop a problem is in. The wizard step that shows it follows from it.
enum class TroopField {
    Name,
    Role,
    Points,
    MinModels,
    MaxModels,
    FrontArmour,
    SideArmour,
    RearArmour,
    Characteristics,
    StandardWeapon,
    ReplaceableWeapon,
    AdditionalWeapon,
    Ability,
    WeaponLimit,
    AbilityLimits,
};

// Where in the army a problem is: the army's header, a troop's field (with the line of a list),
// or an entry of a catalogue.
struct ProblemPlace {
    enum class Part { Army, Troop, Catalogue };
    Part part = Part::Army;
    // Army: 0 name, 1 unit word, 2 squad word.
    int armyText = 0;
    int slot = -1;
    TroopField field = TroopField::Name;
    // The line of a troop's list, or the entry of a catalogue, from 0.
    int line = -1;
    CatalogueKind catalogue = CatalogueKind::Weapons;
};

struct Problem {
    enum class Severity { Error, Warning };
    Severity severity;
    ProblemPlace place;
    QString text;
};

// Everything the check finds wrong in the army, troop by troop in slot order, then the
// catalogues. Errors: a troop line naming a weapon or ability its catalogue lacks, two troops of
// one role with one name, a troop without a name or with an unknown role, a minimum above the
// maximum, a character the datafile's code page cannot hold. Warnings: a catalogue entry no
// troop uses, catalogue names that differ only in letter case, a number that is not a whole
// number of 0 or more or is missing, a weapon limit above the troop's weapons, an ability group
// without a maximum, a name listed twice in one list.
std::vector<Problem> checkArmy(const Store& store);

// The wizard step (2 to 7) that shows the troop field.
int wizardStepOf(TroopField field);

// Where the problem is, as a person reads it: "HQ Captain, step 3", "Weapon catalogue",
// "Army".
QString placeText(const Store& store, const ProblemPlace& place);

// The lines of the datafile the army was loaded from, for the problems of that army.
class DatafileLines
{
public:
    explicit DatafileLines(const IniFile& file);

    // The line that holds the problem's key: the troop's entry, the catalogue's entry, the
    // header's name; the section's header where the key is missing, 1 where the file has no
    // such section.
    int lineOf(const Store& store, const ProblemPlace& place) const;

private:
    // The line of the first key holding each entry of the catalogue, which the file's section
    // holds; the section's header for an entry it lacks.
    std::vector<int> linesOfEntries(const LineList& catalogue, const QString& section) const;

    const IniFile& file;
    // The lines of the weapon and the ability catalogue's entries, made when first asked.
    mutable std::vector<int> entryLines[2];
    mutable bool mapped[2] = {false, false};
};

class QTextStream;

// Checks the datafile at path as --check does: one line per problem on out,
// "FILE:LINE: error: ..." or "FILE:LINE: warning: ...", then "N errors, M warnings". Yields 0
// without errors, 1 with errors, 2 when the file cannot be read as a datafile (the reason then
// goes to err, after the program's name).
int checkDatafile(const QString& program, const QString& path, QTextStream& out, QTextStream& err);
