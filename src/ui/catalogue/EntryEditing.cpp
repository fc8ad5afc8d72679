#include "ui/catalogue/EntryEditing.h"

#include "store/LineOps.h"
#include "store/Store.h"
#include "ui/catalogue/AbilityEditor.h"
#include "ui/catalogue/CatalogueLines.h"
#include "ui/catalogue/WeaponEditor.h"
#include "ui/controls/LineEdit.h"

std::optional<QString> addWeapon(QWidget* opener, Store& store, EditorMemory& memory)
{
    WeaponEditor editor(opener, {QStringLiteral("New Standard Weapon"),
                                 QStringLiteral("Standard Weapon name"), QString(), QStringList(),
                                 false, store.weaponCatalogue.get()});
    const bool ok = editor.showModal() == ModalResult::Ok;
    memory.weaponCells = editor.cells();
    if (ok && addLine(*store.weaponCatalogue, editor.entry()) >= 0)
        return editor.nameEdit->text();
    return std::nullopt;
}

std::optional<QString> addAbility(QWidget* opener, Store& store)
{
    AbilityEditor editor(opener, {QStringLiteral("Add Special Ability"),
                                  QStringLiteral("New Special Ability"), QString(), QString(),
                                  false, store.abilityCatalogue.get()});
    if (editor.showModal() == ModalResult::Ok &&
        addLine(*store.abilityCatalogue, editor.entry()) >= 0)
        return editor.nameEdit->text();
    return std::nullopt;
}

void editWeapon(QWidget* opener, Store& store, EditorMemory& memory, const QString& name,
                const QString& caption, const QString& nameLabel)
{
    LineList& catalogue = *store.weaponCatalogue;
    const int found = findEntry(name, &catalogue);
    QStringList cells = memory.weaponCells;
    if (found >= 0) {
        cells.clear();
        for (int n = 2; n < 2 + WeaponEditor::cellCount; ++n)
            cells << field(catalogue[found], n);
    }
    WeaponEditor editor(opener, {caption, nameLabel, name, cells, true, &catalogue});
    const bool ok = editor.showModal() == ModalResult::Ok;
    memory.weaponCells = editor.cells();
    if (!ok)
        return;
    if (found >= 0)
        replaceLine(catalogue, found, editor.entry());
    else
        addLine(catalogue, editor.entry());
}

void editAbility(QWidget* opener, Store& store, const QString& name)
{
    LineList& catalogue = *store.abilityCatalogue;
    const int found = findEntry(name, &catalogue);
    if (found < 0)
        return;
    const QString entry = catalogue[found];
    AbilityEditor editor(opener,
                         {QStringLiteral("Edit Special Ability"), QStringLiteral("Special Ability"),
                          field(entry, 1), field(entry, 2), true, &catalogue});
    if (editor.showModal() == ModalResult::Ok)
        replaceLine(catalogue, found, editor.entry());
}
