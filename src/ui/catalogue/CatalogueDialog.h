#pragma once

#include "store/ArmyChange.h"
#include "store/CatalogueUse.h"
#include "ui/Dialog.h"

#include <QAbstractTableModel>
#include <QHash>
#include <vector>

class Button;
class QLabel;
class QLineEdit;
class QListWidget;
class QTreeView;
class Store;
class Collation;
struct EditorMemory;

// The names of a catalogue with how many troops use each, sorted as the picker sorts them,
// showing those that contain the filter's text without regard to letter case.
class CatalogueTable : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit CatalogueTable(QObject* parent) : QAbstractTableModel(parent) {}

    // All names, in their order, with the positions of their entries in the catalogue and their
    // counts of users.
    void setEntries(QStringList names, QList<int> positions, QList<int> users);
    void setFilter(const QString& text);
    // Shows the entry of that name whatever the filter, from the next setFilter() on.
    void keepShown(const QString& name) { kept = name; }

    // The name on the row shown, or the empty text.
    QString nameAt(int row) const;
    // The catalogue position of the entry on the row shown, or -1.
    int entryAt(int row) const;
    // The row that shows the name, or -1.
    int rowOf(const QString& name) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QStringList names;
    QList<int> positions;
    QList<int> users;
    std::vector<int> shown;
    QString kept;
};

// The catalogue window (Army > Weapons, Army > Special Abilities): the entries with the number
// of troops using each and, for the selected one, those troops; New and Edit as in the picker,
// Rename (the entry and every troop line naming it, as one change) and Delete (of an entry no
// troop uses). An entry whose name another entry has too is renamed or deleted alone, and the
// troops then use the other. It shows the army read-only; every change goes to the opener's
// changer, which applies it at once.
class CatalogueDialog : public Dialog
{
    Q_OBJECT
public:
    CatalogueDialog(QWidget* opener, const Store& store, EditorMemory& memory, CatalogueKind kind,
                    ArmyChanger changeArmy);

    void activate() override;
    void filterEntries();
    void showUsers();
    void newEntry();
    void editEntry();
    void renameEntry();
    void deleteEntry();
    void showHelp();

    // The name of the selected entry, or the empty text.
    QString selectedName() const;
    // The catalogue position of the selected entry, or -1.
    int selectedEntry() const;
    // Selects the entry of that name if it is shown.
    void selectName(const QString& name);

private:
    // Shows the entry the user just made or renamed, selected and scrolled to, even where the
    // filter would hide it, until the filter changes.
    void showMadeEntry(const QString& name);
    void fillEntries();
    QString word() const;
    ArmyChanger changerNamed(const QString& name) const;

    QLabel* filterLabel;
    QLineEdit* filterEdit;
    QTreeView* entryView;
    CatalogueTable* entries;
    QLabel* usersLabel;
    QListWidget* userList;
    Button* newButton;
    Button* editButton;
    Button* renameButton;
    Button* deleteButton;
    Button* closeButton;
    Button* helpButton;

    const Store& store;
    EditorMemory& memory;
    CatalogueKind kind;
    ArmyChanger changeArmy;
};
