#include "ui/catalogue/Picker.h"

#include "store/LineOps.h"
#include "store/Store.h"
#include "ui/WindowRegistry.h"
#include "ui/catalogue/AbilityEditor.h"
#include "ui/catalogue/CatalogueLines.h"
#include "ui/catalogue/WeaponEditor.h"
#include "ui/controls/Button.h"
#include "ui/controls/LineEdit.h"
#include "ui/controls/SortedListWidget.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

Picker::Picker(WindowRegistry& windows, Store& store)
    : Window(windows, QStringLiteral("Available"), TitleBar::Full, Kind::Dialog), store(store)
{
    listFrame = new QFrame(this);
    listFrame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    itemList =
        new SortedListWidget(listFrame, store.collation(), SortedListWidget::Selection::Toggle);
    itemList->setAccessibleName(windowTitle());
    newButton = new Button(listFrame, QStringLiteral("New "), ButtonIcon::New);
    editButton = new Button(listFrame, QStringLiteral("Edit"), ButtonIcon::Edit);
    editButton->setEnabled(false);
    auto* panelLayout = new QVBoxLayout(listFrame);
    panelLayout->addWidget(itemList, 1);
    auto* panelButtons = new QHBoxLayout;
    panelButtons->addWidget(newButton);
    panelButtons->addWidget(editButton);
    panelLayout->addLayout(panelButtons);

    okButton = new Button(this, QStringLiteral("OK"), ButtonIcon::Ok);
    cancelButton = new Button(this, QStringLiteral("Cancel"), ButtonIcon::Cancel);
    helpButton = makeHelpButton(this);
    setDefaultButton(okButton);
    setCancelButton(cancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(listFrame, 1);
    QHBoxLayout* buttons = buttonRow({okButton, cancelButton}, helpButton);
    layout->addLayout(buttons);

    setTabChain({itemList, newButton, editButton, okButton, cancelButton, helpButton});

    connect(itemList, &SortedListWidget::userSelected, this, &Picker::updateEditButton);
    connect(newButton, &QPushButton::clicked, this, &Picker::newEntry);
    connect(editButton, &QPushButton::clicked, this, &Picker::editEntry);
    connect(okButton, &QPushButton::clicked, this, [this] { done(ModalResult::Ok); });
    connect(cancelButton, &QPushButton::clicked, this, [this] { done(ModalResult::Cancel); });
    connect(helpButton, &QPushButton::clicked, this, &Picker::showHelp);

    setFixedClientSize(251, 274);
}

void Picker::offer(const LineList* catalogue)
{
    QStringList names;
    if (catalogue) {
        names.reserve(catalogue->count());
        for (const QString& entry : catalogue->lines())
            names.append(field(entry, 1));
    }
    itemList->setSortedItems(names);
}

void Picker::activate()
{
    setWindowTitle(store.listMode == ListMode::Abilities
                       ? QStringLiteral("Available Special Abilities")
                       : QStringLiteral("Available Weapons"));
    itemList->setAccessibleName(windowTitle());
    editButton->setEnabled(false);
}

// Edit works on a selected item.
void Picker::updateEditButton()
{
    editButton->setEnabled(itemList->selectedCount() > 0);
}

// New: a weapon or an ability goes into its catalogue at once and takes its sorted place in
// the list, unselected. A name shows in the list only when its catalogue took the entry.
void Picker::newEntry()
{
    store.keepEntryFields = false;
    WeaponEditor& weaponEditor = *windows.weaponEditor;
    weaponEditor.setWindowTitle(QStringLiteral("New Standard Weapon"));
    weaponEditor.nameLabel->setText(QStringLiteral("Standard Weapon name"));

    if (store.listMode == ListMode::Abilities) {
        AbilityEditor& abilityEditor = *windows.abilityEditor;
        abilityEditor.setWindowTitle(QStringLiteral("Add Special Ability"));
        abilityEditor.nameLabel->setText(QStringLiteral("New Special Ability"));
        abilityEditor.nameEdit->setText(QString());
        abilityEditor.descriptionEdit->setText(QString());
        abilityEditor.okButton->setEnabled(false);
        if (abilityEditor.exec() == ModalResult::Ok &&
            addLine(*store.abilityCatalogue, abilityEditor.entry()) >= 0)
            itemList->addSorted(abilityEditor.nameEdit->text());
        return;
    }
    if (weaponEditor.exec() == ModalResult::Ok &&
        addLine(*store.weaponCatalogue, weaponEditor.entry()) >= 0)
        itemList->addSorted(weaponEditor.nameEdit->text());
}

void Picker::editEntry()
{
    editSelectedItem(store, windows, *itemList);
}

void Picker::showHelp()
{
    messageBox(this, QStringLiteral("Help on Available Weapons and Special Abilities"),
               QStringLiteral("The list displays the available weapons/abilities. Choose one or "
                              "more from the list and click the OK button.\n"
                              "\n"
                              "If the list does not show the desired weapon/ability then click on "
                              "the New button to create a new item.\n"
                              "\n"
                              "Select one item and click on the Edit button to edit the item.\n"
                              "Note: Only the first selected item can be edited.\n"),
               MessageButtons::Ok);
}

namespace
{

// The weapon editor on the named weapon. A name that no catalogue weapon carries opens with the
// cells as they were last shown, and OK then adds it as a new weapon.
void editWeapon(Store& store, WeaponEditor& editor, const QString& item)
{
    editor.setWindowTitle(QStringLiteral("Edit Standard Weapon"));
    editor.nameLabel->setText(QStringLiteral("Standard Weapon name"));
    editor.nameEdit->setText(field(item, 1));
    const int a = findEntry(editor.nameEdit->text(), store.weaponCatalogue.get());
    if (a >= 0)
        editor.fillCells((*store.weaponCatalogue)[a]);
    editor.nameEdit->setReadOnly(true);
    if (editor.exec() == ModalResult::Ok) {
        if (a >= 0)
            replaceLine(*store.weaponCatalogue, a, editor.entry());
        else
            addLine(*store.weaponCatalogue, editor.entry());
    }
    editor.nameEdit->setReadOnly(false);
}

// The ability editor on the named ability's description; a name without an entry opens nothing.
void editAbility(Store& store, AbilityEditor& editor, const QString& name)
{
    editor.setWindowTitle(QStringLiteral("Edit Special Ability"));
    editor.nameLabel->setText(QStringLiteral("Special Ability"));
    const int found = findEntry(name, store.abilityCatalogue.get());
    if (found < 0)
        return;
    const QString& entry = (*store.abilityCatalogue)[found];
    editor.nameEdit->setText(field(entry, 1));
    editor.descriptionEdit->setText(field(entry, 2));
    editor.nameEdit->setReadOnly(true);
    editor.okButton->setEnabled(true);
    if (editor.exec() == ModalResult::Ok)
        replaceLine(*store.abilityCatalogue, found, editor.entry());
    editor.nameEdit->setReadOnly(false);
    editor.okButton->setEnabled(false);
}

} // namespace

// Only the first selected item is edited. The list itself does not change: a catalogue name
// cannot change, so every troop line that names it stays valid.
void editSelectedItem(Store& store, WindowRegistry& windows, const SortedListWidget& listBox)
{
    const int first = listBox.firstSelected();
    if (first < 0)
        return;
    store.keepEntryFields = true;
    store.editingEntry = true;
    if (store.listMode == ListMode::Abilities)
        editAbility(store, *windows.abilityEditor, listBox.itemText(first));
    else
        editWeapon(store, *windows.weaponEditor, listBox.itemText(first));
    store.editingEntry = false;
}
