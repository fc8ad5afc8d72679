#pragma once

#include "store/CatalogueUse.h"

#include <QString>
#include <optional>
#include <vector>

class IniFile;
class LineList;
class Store;
struct LoadOutcome;

// The part of a troop a problem is in.
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
// or an entry of a catalogue; or a line of the datafile that the army does not hold.
struct ProblemPlace {
    enum class Part { Army, Troop, Catalogue, Datafile };
    Part part = Part::Army;
    // Army: 0 name, 1 unit word, 2 squad word.
    int armyText = 0;
    int slot = -1;
    TroopField field = TroopField::Name;
    // The line of a troop's list, or the entry of a catalogue, from 0; the datafile's line, from
    // 1.
    int line = -1;
    CatalogueKind catalogue = CatalogueKind::Weapons;
};

// What a problem is. Errors make the datafile wrong for the roster program; warnings are worth
// a look. Each kind says which of the problem's values it fills.
enum class ProblemKind {
    // Error: a text holds a character the datafile's code page cannot hold (value); a
    // catalogue entry's problem also names the entry (name).
    CharacterOutsideCodePage,
    // Error: an earlier troop (its slot: number) of the same role (value) has the same name
    // (name).
    NameTaken,
    // Error: the troop's name is empty or blanks alone.
    NoName,
    // Error: the troop's role is empty.
    NoRole,
    // Error: the troop's role (value) is none of the five.
    UnknownRole,
    // Error: the minimum of models (number) is above the maximum (otherNumber).
    MinimumAboveMaximum,
    // Error: a line of a troop's list names a weapon or ability (name) its catalogue lacks.
    NotInCatalogue,
    // Error: a replacement weapon (name) for a replaceable weapon (otherName) is not in the
    // weapon catalogue.
    ReplacementNotInCatalogue,
    // Error: a special ability (name) is in a group (number) outside 1 to 99, which the limits
    // cannot give a maximum.
    GroupOutsideRange,
    // Warning: a number the troop needs is empty. The field says which: its own number, or on
    // a list's line the cost of the weapon or ability (name; for a replacement, otherName is
    // the weapon it replaces), or in the ability limits the maximum of a group (number; 0 is
    // the limit of the whole troop).
    EmptyNumber,
    // Warning: the same number holds a text (value) that is not a whole number of 0 or more.
    NotWholeNumber,
    // Warning: a list names a weapon or ability (name) a second time.
    ListedTwice,
    // Warning: the weapon limit (number) is more than the troop's weapons (otherNumber).
    WeaponLimitAboveWeapons,
    // Warning: the group (number) of a special ability (name) has no maximum in the limits,
    // which hold the total alone.
    GroupWithoutMaximum,
    // Warning: the limits look written one maximum per row shown rather than one field per
    // group.
    LimitsWrittenPerRow,
    // Warning: no troop uses the catalogue entry (name).
    UnusedEntry,
    // Warning: the entry's name (name) and an earlier entry's (otherName) differ only in
    // letter case.
    NamesDifferInCase,
    // Error: an earlier entry of the catalogue (the problem's other place) has the entry's name
    // (name) exactly, so the troops naming it cannot tell which they use.
    DefinedTwice,
    // Warning: a line of a catalogue's section (the datafile's line) repeats another (its line:
    // number) in other letter case, and the load took the other alone.
    RepeatDroppedOnLoad,
};

// One problem of the army: what it is, where, and the values it names.
struct Problem {
    enum class Severity { Error, Warning };
    ProblemKind kind;
    ProblemPlace place;
    QString name;
    QString otherName;
    QString value;
    int number = 0;
    int otherNumber = 0;
    // The second place of a problem that is in two.
    std::optional<ProblemPlace> otherPlace;

    Severity severity() const;
};

// Everything the check finds wrong in the army, troop by troop in slot order, then the
// catalogues.
std::vector<Problem> checkArmy(const Store& store);

// A warning for each catalogue line that the load dropped as a repeat of another in other letter
// case.
std::vector<Problem> checkDroppedLines(const LoadOutcome& outcome);

// The lines of the datafile the army was loaded from, for the problems of that army.
class DatafileLines
{
public:
    explicit DatafileLines(const IniFile& file);

    // The line that holds the problem's key: the troop's entry, the catalogue's entry, the
    // header's name; the section's header where the key is missing, 1 where the file has no
    // such section. A place in the datafile is its own line.
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
