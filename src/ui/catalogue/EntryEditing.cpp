#include "ui/catalogue/EntryEditing.h"

#include "store/LineOps.h"
#include "store/Store.h"
#include "ui/catalogue/AbilityEditor.h"
#include "ui/catalogue/CatalogueLines.h"
#include "ui/catalogue/WeaponEditor.h"

namespace
{

QString quoted(const QString& name)
{
    return u'"' + name + u'"';
}

// Hands over the change that makes the entry of that exact name the given line, when the line
// differs from the entry and the catalogue takes it in the entry's place (a sorted catalogue
// refuses a line equal to another without regard to case; the army is only shown here, so the
// catalogue's answer is found out on a copy).
void changeEntry(const Store& store, CatalogueKind kind, const QString& name, const QString& entry,
                 const QString& changeName, const ArmyChanger& changeArmy)
{
    LineList trial = catalogueOf(store, kind);
    const int found = findEntry(name, &trial);
    if (found < 0 || trial[found] == entry || !replaceLine(trial, found, entry))
        return;
    changeArmy({changeName, [kind, name, entry](Store& army) {
                    LineList& catalogue = catalogueOf(army, kind);
                    replaceLine(catalogue, findEntry(name, &catalogue), entry);
                }});
}

// Hands over the change that adds the line to the catalogue, when the catalogue takes it.
bool addEntry(const Store& store, CatalogueKind kind, const QString& entry,
              const QString& changeName, const ArmyChanger& changeArmy)
{
    LineList trial = catalogueOf(store, kind);
    if (addLine(trial, entry) < 0)
        return false;
    changeArmy({changeName, [kind, entry](Store& army) {
                    addLine(catalogueOf(army, kind), entry);
                }});
    return true;
}

} // namespace

std::optional<QString> addWeapon(QWidget* opener, const Store& store, EditorMemory& memory,
                                 const ArmyChanger& changeArmy)
{
    WeaponEditor editor(opener, {QStringLiteral("New Standard Weapon"),
                                 QStringLiteral("Standard Weapon name"), QString(), QStringList(),
                                 false, store.weaponCatalogue.get()});
    const bool ok = editor.showModal() == QDialog::Accepted;
    memory.weaponCells = editor.cells();
    const QString name = editor.name();
    if (ok && addEntry(store, CatalogueKind::Weapons, editor.entry(),
                       QStringLiteral("New Weapon ") + quoted(name), changeArmy))
        return name;
    return std::nullopt;
}

std::optional<QString> addAbility(QWidget* opener, const Store& store,
                                  const ArmyChanger& changeArmy)
{
    AbilityEditor editor(opener, {QStringLiteral("Add Special Ability"),
                                  QStringLiteral("New Special Ability"), QString(), QString(),
                                  false, store.abilityCatalogue.get()});
    if (editor.showModal() != QDialog::Accepted)
        return std::nullopt;
    const QString name = editor.name();
    if (addEntry(store, CatalogueKind::Abilities, editor.entry(),
                 QStringLiteral("New Special Ability ") + quoted(name), changeArmy))
        return name;
    return std::nullopt;
}

void editWeapon(QWidget* opener, const Store& store, EditorMemory& memory, const QString& name,
                const QString& caption, const QString& nameLabel, const ArmyChanger& changeArmy)
{
    const LineList& catalogue = *store.weaponCatalogue;
    const int found = findEntry(name, &catalogue);
    QStringList cells = memory.weaponCells;
    if (found >= 0) {
        cells.clear();
        for (int n = 2; n < 2 + WeaponEditor::cellCount; ++n)
            cells << field(catalogue[found], n);
    }
    WeaponEditor editor(opener, {caption, nameLabel, name, cells, true, &catalogue});
    const bool ok = editor.showModal() == QDialog::Accepted;
    memory.weaponCells = editor.cells();
    if (!ok)
        return;
    if (found >= 0)
        changeEntry(store, CatalogueKind::Weapons, name, editor.entry(),
                    QStringLiteral("Change Weapon ") + quoted(name), changeArmy);
    else
        addEntry(store, CatalogueKind::Weapons, editor.entry(),
                 QStringLiteral("New Weapon ") + quoted(name), changeArmy);
}

void editAbility(QWidget* opener, const Store& store, const QString& name,
                 const ArmyChanger& changeArmy)
{
    const LineList& catalogue = *store.abilityCatalogue;
    const int found = findEntry(name, &catalogue);
    if (found < 0)
        return;
    const QString entry = catalogue[found];
    AbilityEditor editor(opener,
                         {QStringLiteral("Edit Special Ability"), QStringLiteral("Special Ability"),
                          field(entry, 1), field(entry, 2), true, &catalogue});
    if (editor.showModal() == QDialog::Accepted)
        changeEntry(store, CatalogueKind::Abilities, name, editor.entry(),
                    QStringLiteral("Change Special Ability ") + quoted(name), changeArmy);
}
