#include "ui/catalogue/CatalogueDialog.h"

#include "store/LineOps.h"
#include "store/Store.h"
#include "ui/ControlNames.h"
#include "ui/catalogue/EntryEditing.h"
#include "ui/catalogue/RenameDialog.h"
#include "ui/controls/Button.h"
#include "ui/controls/Labels.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>
#include <numeric>

void CatalogueTable::setEntries(QStringList allNames, QList<int> allPositions, QList<int> allUsers)
{
    beginResetModel();
    names = std::move(allNames);
    positions = std::move(allPositions);
    users = std::move(allUsers);
    shown.resize(size_t(names.size()));
    for (size_t i = 0; i < shown.size(); ++i)
        shown[i] = int(i);
    endResetModel();
}

void CatalogueTable::setFilter(const QString& text)
{
    beginResetModel();
    shown.clear();
    for (int i = 0; i < names.size(); ++i) {
        if (text.isEmpty() || names[i].contains(text, Qt::CaseInsensitive) || names[i] == kept)
            shown.push_back(i);
    }
    endResetModel();
}

QString CatalogueTable::nameAt(int row) const
{
    return row >= 0 && size_t(row) < shown.size() ? names[shown[size_t(row)]] : QString();
}

int CatalogueTable::entryAt(int row) const
{
    return row >= 0 && size_t(row) < shown.size() ? positions[shown[size_t(row)]] : -1;
}

int CatalogueTable::rowOf(const QString& name) const
{
    for (size_t row = 0; row < shown.size(); ++row) {
        if (names[shown[row]] == name)
            return int(row);
    }
    return -1;
}

int CatalogueTable::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(shown.size());
}

int CatalogueTable::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant CatalogueTable::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || size_t(index.row()) >= shown.size())
        return {};
    const int entry = shown[size_t(index.row())];
    if (role == Qt::DisplayRole)
        return index.column() == 0 ? QVariant(names[entry]) : QVariant(users[entry]);
    if (role == Qt::TextAlignmentRole && index.column() == 1)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant CatalogueTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return section == 0 ? QStringLiteral("Name") : QStringLiteral("Used by");
}

CatalogueDialog::CatalogueDialog(QWidget* opener, const Store& armyStore,
                                 EditorMemory& editorMemory, CatalogueKind catalogueKind,
                                 ArmyChanger changer)
    : Dialog(opener, catalogueKind == CatalogueKind::Abilities ? QStringLiteral("Special Abilities")
                                                               : QStringLiteral("Weapons")),
      store(armyStore), memory(editorMemory), kind(catalogueKind), changeArmy(std::move(changer))
{
    entries = new CatalogueTable(this);
    entryView = new QTreeView(this);
    entryView->setAccessibleName(windowTitle());
    entryView->setRootIsDecorated(false);
    entryView->setUniformRowHeights(true);
    entryView->setAllColumnsShowFocus(true);
    entryView->setSelectionMode(QAbstractItemView::SingleSelection);
    entryView->setModel(entries);
    entryView->header()->setStretchLastSection(false);
    entryView->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    entryView->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    QHBoxLayout* filterRow = makeFilterRow(this, filterLabel, filterEdit, entryView);

    usersLabel = new QLabel(QStringLiteral("Troops that &use it:"), this);
    userList = new QListWidget(this);
    userList->setAccessibleName(QStringLiteral("Troops that use it"));
    userList->setSelectionMode(QAbstractItemView::NoSelection);
    usersLabel->setBuddy(userList);

    newButton = new Button(this, QStringLiteral("&New"), ButtonIcon::New);
    editButton = new Button(this, QStringLiteral("&Edit"), ButtonIcon::Edit);
    renameButton = new Button(this, QStringLiteral("&Rename"), ButtonIcon::Edit);
    deleteButton = new Button(this, QStringLiteral("&Delete"), ButtonIcon::Delete);
    closeButton = new Button(this, QStringLiteral("&Close"), ButtonIcon::Close);
    helpButton = makeHelpButton(this);
    setHelpButton(helpButton);
    setDefaultButton(closeButton);
    setCancelButton(closeButton);

    auto* lists = new QHBoxLayout;
    lists->addWidget(entryView, 3);
    auto* usersColumn = new QVBoxLayout;
    usersColumn->addWidget(usersLabel);
    usersColumn->addWidget(userList, 1);
    lists->addLayout(usersColumn, 2);
    auto* entryButtons = new QHBoxLayout;
    for (QWidget* button : {newButton, editButton, renameButton, deleteButton})
        entryButtons->addWidget(button);
    entryButtons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filterRow);
    layout->addLayout(lists, 1);
    layout->addLayout(entryButtons);
    layout->addLayout(buttonRow({closeButton}, helpButton));

    nameControls({{filterLabel, "filterLabel"},
                  {filterEdit, "filterEdit"},
                  {entries, "entries"},
                  {entryView, "entryView"},
                  {usersLabel, "usersLabel"},
                  {userList, "userList"},
                  {newButton, "newButton"},
                  {editButton, "editButton"},
                  {renameButton, "renameButton"},
                  {deleteButton, "deleteButton"},
                  {closeButton, "closeButton"},
                  {helpButton, "helpButton"}});
    setTabChain({filterEdit, entryView, userList, newButton, editButton, renameButton, deleteButton,
                 closeButton, helpButton});

    connect(filterEdit, &QLineEdit::textChanged, this, &CatalogueDialog::filterEntries);
    connect(newButton, &QPushButton::clicked, this, &CatalogueDialog::newEntry);
    connect(editButton, &QPushButton::clicked, this, &CatalogueDialog::editEntry);
    connect(renameButton, &QPushButton::clicked, this, &CatalogueDialog::renameEntry);
    connect(deleteButton, &QPushButton::clicked, this, &CatalogueDialog::deleteEntry);
    connect(closeButton, &QPushButton::clicked, this, [this] { done(Accepted); });
    connect(helpButton, &QPushButton::clicked, this, &CatalogueDialog::showHelp);
    connect(entryView, &QTreeView::doubleClicked, this, &CatalogueDialog::editEntry);

    setFixedClientSize(560, 380);
    fillEntries();
}

QString CatalogueDialog::word() const
{
    return kind == CatalogueKind::Abilities ? QStringLiteral("Special Ability")
                                            : QStringLiteral("Weapon");
}

// New and Edit keep the names this window has always given them in the Edit menu ("New
// Weapon", "Edit Weapon \"Axe\""), whatever the editing functions call the change.
ArmyChanger CatalogueDialog::changerNamed(const QString& name) const
{
    return [this, name](const ArmyChange& change) {
        changeArmy({name, change.apply});
    };
}

// The names in the picker's order, each with the number of troops naming it; the selection
// and the filter stay. Entries of one name keep their catalogue order.
void CatalogueDialog::fillEntries()
{
    const QString selected = selectedName();
    const LineList& catalogue = catalogueOf(store, kind);
    QStringList catalogueNames;
    catalogueNames.reserve(catalogue.count());
    for (const QString& entry : catalogue.lines())
        catalogueNames.append(field(entry, 1));
    QList<int> positions(catalogue.count());
    std::iota(positions.begin(), positions.end(), 0);
    const Collation& collation = store.collation();
    const auto before = [&](int a, int b) {
        return collation.compare(catalogueNames[a], catalogueNames[b]) < 0;
    };
    if (!std::is_sorted(positions.begin(), positions.end(), before))
        std::stable_sort(positions.begin(), positions.end(), before);
    const QHash<QString, int> counts = useCounts(store, kind);
    QStringList names;
    QList<int> users;
    names.reserve(positions.size());
    users.reserve(positions.size());
    for (const int position : std::as_const(positions)) {
        names.append(catalogueNames[position]);
        users.append(counts.value(names.back()));
    }
    entries->setEntries(names, positions, users);
    entries->setFilter(filterEdit->text());
    connect(entryView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CatalogueDialog::showUsers, Qt::UniqueConnection);
    selectName(selected);
    showUsers();
}

void CatalogueDialog::activate()
{
    filterEdit->setFocus(Qt::OtherFocusReason);
}

void CatalogueDialog::filterEntries()
{
    const QString selected = selectedName();
    entries->keepShown(QString());
    entries->setFilter(filterEdit->text());
    selectName(selected);
    showUsers();
}

QString CatalogueDialog::selectedName() const
{
    const QModelIndexList rows = entryView->selectionModel()
                                     ? entryView->selectionModel()->selectedRows()
                                     : QModelIndexList();
    return rows.isEmpty() ? QString() : entries->nameAt(rows.first().row());
}

int CatalogueDialog::selectedEntry() const
{
    const QModelIndexList rows = entryView->selectionModel()
                                     ? entryView->selectionModel()->selectedRows()
                                     : QModelIndexList();
    return rows.isEmpty() ? -1 : entries->entryAt(rows.first().row());
}

void CatalogueDialog::selectName(const QString& name)
{
    const int row = name.isNull() ? -1 : entries->rowOf(name);
    if (row < 0) {
        entryView->clearSelection();
        return;
    }
    entryView->setCurrentIndex(entries->index(row, 0));
}

// The troops that name the selected entry; Edit, Rename and Delete work on a selected entry.
void CatalogueDialog::showUsers()
{
    userList->clear();
    const QString name = selectedName();
    const bool chosen = !entryView->selectionModel()->selectedRows().isEmpty();
    if (chosen) {
        for (const int slot : troopsUsing(store, kind, name))
            userList->addItem(troopLabel(store.troops[size_t(slot)]));
    }
    editButton->setEnabled(chosen);
    renameButton->setEnabled(chosen);
    deleteButton->setEnabled(chosen);
}

void CatalogueDialog::newEntry()
{
    const ArmyChanger changer = changerNamed(QStringLiteral("New ") + word());
    const std::optional<QString> added = kind == CatalogueKind::Abilities
                                             ? addAbility(this, store, changer)
                                             : addWeapon(this, store, memory, changer);
    if (added)
        showMadeEntry(*added);
    else
        fillEntries();
}

void CatalogueDialog::editEntry()
{
    const QString name = selectedName();
    if (entryView->selectionModel()->selectedRows().isEmpty())
        return;
    const ArmyChanger changer = changerNamed(QStringLiteral("Edit %1 \"%2\"").arg(word(), name));
    if (kind == CatalogueKind::Abilities)
        editAbility(this, store, name, changer);
    else
        editWeapon(this, store, memory, name, QStringLiteral("Edit Standard Weapon"),
                   QStringLiteral("Standard Weapon name"), changer);
    fillEntries();
}

// Rename: the entry and every troop line naming it change together; an entry with a twin
// changes alone. A name the catalogue would refuse is found out on a copy of the army, before
// any change is handed over.
void CatalogueDialog::renameEntry()
{
    const int entry = selectedEntry();
    if (entry < 0)
        return;
    const QString oldName = selectedName();
    RenameDialog rename(this, kind, oldName, catalogueOf(store, kind));
    if (rename.showModal() != QDialog::Accepted || rename.newName() == oldName)
        return;
    const QString newName = rename.newName();
    Store trial = store;
    if (!::renameEntry(trial, kind, entry, newName)) {
        messageBox(this, QStringLiteral("*** DUPLICATE NAME ***"),
                   QStringLiteral("Duplicate weapon/special name! Please choose another name"),
                   QMessageBox::Ok);
        return;
    }
    changeArmy({QStringLiteral("Rename %1 \"%2\"").arg(word(), oldName),
                [kind = kind, entry, newName](Store& army) {
                    ::renameEntry(army, kind, entry, newName);
                }});
    showMadeEntry(newName);
}

void CatalogueDialog::showMadeEntry(const QString& name)
{
    entries->keepShown(name);
    fillEntries();
    selectName(name);
    entryView->scrollTo(entryView->currentIndex());
}

// Delete: only an entry that no troop names, or one of twins, whose troops then use the other;
// one in use is kept, with the troops that use it.
void CatalogueDialog::deleteEntry()
{
    const int entry = selectedEntry();
    if (entry < 0)
        return;
    const QString name = selectedName();
    const QList<int> users = troopsUsing(store, kind, name);
    if (!users.isEmpty() && twinOf(catalogueOf(store, kind), entry) < 0) {
        QStringList labels;
        for (int i = 0; i < users.size() && i < 5; ++i)
            labels << troopLabel(store.troops[size_t(users[i])]);
        QString text = QStringLiteral("\"%1\" is used by %2 troops: ").arg(name).arg(users.size()) +
                       labels.join(QStringLiteral(", "));
        if (users.size() > 5)
            text += QStringLiteral(", and %1 more").arg(users.size() - 5);
        text += QStringLiteral(" Remove it from those troops first.");
        messageBox(this, QStringLiteral("*** ENTRY IN USE ***"), text, QMessageBox::Ok);
        return;
    }
    const QString caption = kind == CatalogueKind::Abilities
                                ? QStringLiteral("*** DELETE SPECIAL ABILITY ***")
                                : QStringLiteral("*** DELETE WEAPON ***");
    if (messageBox(
            this, caption,
            QStringLiteral("Are you sure you want to delete \"%1\" from the catalogue?").arg(name),
            QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    changeArmy(
        {QStringLiteral("Delete %1 \"%2\"").arg(word(), name), [kind = kind, entry](Store& army) {
             catalogueOf(army, kind).removeAt(entry);
         }});
    fillEntries();
}

void CatalogueDialog::showHelp()
{
    messageBox(this, QStringLiteral("Help on ") + windowTitle(),
               QStringLiteral("The list shows every entry of the catalogue and how many troops "
                              "use it; the troops that use the selected entry are listed beside "
                              "it. Type into the filter to show only the names that contain "
                              "the text.\n\n"
                              "New and Edit open the editor. Rename changes the name in the "
                              "catalogue and in every troop that uses the entry. Delete removes "
                              "an entry that no troop uses. Of two entries with the same name, "
                              "Rename and Delete change the selected one alone, and the troops "
                              "use the other."),
               QMessageBox::Ok);
}
