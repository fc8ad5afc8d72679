#pragma once

#include "store/ArmyChange.h"
#include "store/CatalogueUse.h"

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;
class Store;

// What the catalogue dialogs show again on their next opening, kept by the owner of the
// windows that open them and handed in each time.
struct EditorMemory {
    // The weapon editor's five cells as it last closed, shown again when it is opened to edit
    // a weapon that the catalogue does not hold.
    QStringList weaponCells;
    // The costing dialog's scope as it last closed, kept for a line whose scope is unknown.
    int abilityScope = 0;
};

// The editing functions show the army read-only and hand each change to changeArmy, named for
// the Edit menu ("New Weapon \"Axe\"", "Change Special Ability \"Zeal\""); a change the
// catalogue would refuse is not handed over.

// The weapon editor, empty, for a new weapon; the weapon goes into the catalogue when the
// editor closes with OK and the catalogue takes it. Yields the new weapon's name, or none when
// nothing was added.
std::optional<QString> addWeapon(QWidget* opener, const Store& store, EditorMemory& memory,
                                 const ArmyChanger& changeArmy);

// The ability editor, empty, for a new ability; as addWeapon().
std::optional<QString> addAbility(QWidget* opener, const Store& store,
                                  const ArmyChanger& changeArmy);

// The weapon editor on the named weapon, its name fixed: OK replaces the catalogue entry, or
// adds one when the catalogue holds no weapon of that exact name (the editor then opens on the
// cells it last showed).
void editWeapon(QWidget* opener, const Store& store, EditorMemory& memory, const QString& name,
                const QString& caption, const QString& nameLabel, const ArmyChanger& changeArmy);

// The ability editor on the named ability's description; a name without an entry opens
// nothing. OK replaces the entry.
void editAbility(QWidget* opener, const Store& store, const QString& name,
                 const ArmyChanger& changeArmy);
