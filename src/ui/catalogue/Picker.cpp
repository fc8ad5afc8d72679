#include "ui/catalogue/Picker.h"

#include "store/LineOps.h"
#include "store/Store.h"
#include "ui/ControlNames.h"
#include "ui/controls/Button.h"
#include "ui/controls/Labels.h"
#include "ui/controls/LineEdit.h"
#include "ui/controls/SortedListWidget.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

// The list shows every entry's name, unselected, in sorted order.
Picker::Picker(QWidget* opener, const Store& armyStore, CatalogueKind catalogueKind,
               EditorMemory& editorMemory, ArmyChanger changer)
    : Dialog(opener, catalogueKind == CatalogueKind::Abilities
                         ? QStringLiteral("Available Special Abilities")
                         : QStringLiteral("Available Weapons")),
      store(armyStore), kind(catalogueKind), memory(editorMemory), changeArmy(std::move(changer))
{
    listFrame = new QFrame(this);
    listFrame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    itemList =
        new SortedListWidget(listFrame, store.collation(), SortedListWidget::Selection::Toggle);
    itemList->setAccessibleName(windowTitle());
    QHBoxLayout* filterRow = makeFilterRow(this, filterLabel, filterEdit, itemList);
    chosenLabel = new QLabel(this);
    chosenLabel->setAccessibleName(QStringLiteral("Selected"));
    newButton = new Button(listFrame, QStringLiteral("&New "), ButtonIcon::New);
    editButton = new Button(listFrame, QStringLiteral("&Edit"), ButtonIcon::Edit);
    editButton->setEnabled(false);
    auto* panelLayout = new QVBoxLayout(listFrame);
    panelLayout->addWidget(itemList, 1);
    auto* panelButtons = new QHBoxLayout;
    panelButtons->addWidget(newButton);
    panelButtons->addWidget(editButton);
    panelLayout->addLayout(panelButtons);

    okButton = new Button(this, QStringLiteral("&OK"), ButtonIcon::Ok);
    cancelButton = new Button(this, QStringLiteral("&Cancel"), ButtonIcon::Cancel);
    helpButton = makeHelpButton(this);
    setHelpButton(helpButton);
    setDefaultButton(okButton);
    setCancelButton(cancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filterRow);
    layout->addWidget(listFrame, 1);
    layout->addWidget(chosenLabel);
    QHBoxLayout* buttons = buttonRow({okButton, cancelButton}, helpButton);
    layout->addLayout(buttons);

    nameControls({{filterLabel, "filterLabel"},
                  {filterEdit, "filterEdit"},
                  {chosenLabel, "chosenLabel"},
                  {listFrame, "listFrame"},
                  {itemList, "itemList"},
                  {newButton, "newButton"},
                  {editButton, "editButton"},
                  {okButton, "okButton"},
                  {cancelButton, "cancelButton"},
                  {helpButton, "helpButton"}});
    setTabChain({filterEdit, itemList, newButton, editButton, okButton, cancelButton, helpButton});

    connect(filterEdit, &QLineEdit::textChanged, this, &Picker::filterItems);
    connect(itemList, &SortedListWidget::userSelected, this, &Picker::updateEditButton);
    connect(itemList, &SortedListWidget::userSelected, this, &Picker::showChosenCount);
    connect(newButton, &QPushButton::clicked, this, &Picker::newEntry);
    connect(editButton, &QPushButton::clicked, this, &Picker::editEntry);
    connect(okButton, &QPushButton::clicked, this, [this] { done(Accepted); });
    connect(cancelButton, &QPushButton::clicked, this, [this] { done(Rejected); });
    connect(helpButton, &QPushButton::clicked, this, &Picker::showHelp);

    setFixedClientSize(251,
                       274 + filterEdit->sizeHint().height() + chosenLabel->sizeHint().height());

    const LineList* catalogue = kind == CatalogueKind::Abilities ? store.abilityCatalogue.get()
                                                                 : store.weaponCatalogue.get();
    if (catalogue) {
        names.reserve(catalogue->count());
        for (const QString& entry : catalogue->lines())
            names.append(field(entry, 1));
    }
    store.collation().sort(names);
    chosen.fill(false, names.size());
    showNames();
}

// Asks the list for its selected rows only, so that the cost follows the selection rather than
// the names shown.
void Picker::noteSelection() const
{
    for (const int index : shown)
        chosen[index] = false;
    for (const QModelIndex& selected : itemList->selectionModel()->selectedIndexes()) {
        if (selected.row() < shown.size())
            chosen[shown[selected.row()]] = true;
    }
}

QStringList Picker::chosenNames() const
{
    noteSelection();
    QStringList taken;
    for (int i = 0; i < names.size(); ++i) {
        if (chosen[i])
            taken << names[i];
    }
    return taken;
}

void Picker::filterItems()
{
    noteSelection();
    madeName.clear();
    showNames();
    updateEditButton();
}

// The list shows the names that match the filter and the one just made, in their order, each
// selected as it was.
void Picker::showNames()
{
    const QString text = filterEdit->text();
    shown.clear();
    QStringList visible;
    if (text.isEmpty()) {
        shown.reserve(names.size());
        for (int i = 0; i < names.size(); ++i)
            shown.append(i);
        visible = names;
    } else {
        for (int i = 0; i < names.size(); ++i) {
            if (names[i].contains(text, Qt::CaseInsensitive) || names[i] == madeName) {
                shown.append(i);
                visible.append(names[i]);
            }
        }
    }
    itemList->showInOrder(visible);
    QList<int> selectedRows;
    for (int row = 0; row < shown.size(); ++row) {
        if (chosen[shown[row]])
            selectedRows.append(row);
    }
    itemList->selectRows(selectedRows);
    chosenLabel->setText(QStringLiteral("%1 selected").arg(chosen.count(true)));
}

void Picker::showChosenCount()
{
    noteSelection();
    chosenLabel->setText(QStringLiteral("%1 selected").arg(chosen.count(true)));
}

// Edit works on a selected item.
void Picker::updateEditButton()
{
    editButton->setEnabled(itemList->selectedCount() > 0);
}

// New: a weapon or an ability goes into its catalogue at once and takes its sorted place in
// the list, selected, since it was made to be taken; it is shown even where the filter would
// hide it. A name shows in the list only when its catalogue took the entry.
void Picker::newEntry()
{
    const std::optional<QString> added = kind == CatalogueKind::Abilities
                                             ? addAbility(this, store, changeArmy)
                                             : addWeapon(this, store, memory, changeArmy);
    if (!added)
        return;
    noteSelection();
    int low = 0;
    int high = int(names.size());
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (store.collation().compare(names[middle], *added) <= 0)
            low = middle + 1;
        else
            high = middle;
    }
    names.insert(low, *added);
    chosen.insert(low, true);
    madeName = *added;
    showNames();
    const int row = int(shown.indexOf(low));
    itemList->scrollTo(itemList->model()->index(row, 0));
    updateEditButton();
}

void Picker::editEntry()
{
    editSelectedItem(this, store, memory, kind, *itemList, changeArmy);
}

// Edit waits for a selection made after the picker opened or an editor closed.
void Picker::activate()
{
    editButton->setEnabled(false);
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
               QMessageBox::Ok);
}

// Only the first selected item is edited. The list itself does not change: a catalogue name
// cannot change, so every troop line that names it stays valid.
void editSelectedItem(QWidget* opener, const Store& store, EditorMemory& memory, CatalogueKind kind,
                      const SortedListWidget& listBox, const ArmyChanger& changeArmy)
{
    const int first = listBox.firstSelected();
    if (first < 0)
        return;
    const QString name = field(listBox.itemText(first), 1);
    if (kind == CatalogueKind::Abilities)
        editAbility(opener, store, listBox.itemText(first), changeArmy);
    else
        editWeapon(opener, store, memory, name, QStringLiteral("Edit Standard Weapon"),
                   QStringLiteral("Standard Weapon name"), changeArmy);
}
