#pragma once

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

// The weapon editor, empty, for a new weapon; the weapon goes into the catalogue when the
// editor closes with OK and the catalogue takes it. Yields the new weapon's name, or none when
// nothing was added.
std::optional<QString> addWeapon(QWidget* opener, Store& store, EditorMemory& memory);

// The ability editor, empty, for a new ability; as addWeapon().
std::optional<QString> addAbility(QWidget* opener, Store& store);

// The weapon editor on the named weapon, its name fixed: OK replaces the catalogue entry, or
// adds one when the catalogue holds no weapon of that exact name (the editor then opens on the
// cells it last showed).
void editWeapon(QWidget* opener, Store& store, EditorMemory& memory, const QString& name,
                const QString& caption, const QString& nameLabel);

// The ability editor on the named ability's description; a name without an entry opens
// nothing. OK replaces the entry.
void editAbility(QWidget* opener, Store& store, const QString& name);
