#pragma once

#include "ui/Dialog.h"
#include "ui/catalogue/EntryEditing.h"

class Button;
class SortedListWidget;
class QFrame;
class QLabel;
class QLineEdit;
class Store;

// The picker: the names of every catalogue weapon or special ability, from which the opener
// takes the selected ones (chosenNames()). New and Edit hand their change of the catalogue to the
// opener at once, whatever the picker's result.
class Picker : public Dialog
{
    Q_OBJECT
public:
    Picker(QWidget* opener, const Store& store, CatalogueKind kind, EditorMemory& memory,
           ArmyChanger changeArmy);

    void activate() override;
    void updateEditButton();
    void newEntry();
    void editEntry();
    void showHelp();
    // Shows the names that contain the filter's text, without regard to case; names selected
    // and then hidden stay selected.
    void filterItems();
    void showChosenCount();

    // The selected names, in list order, those the filter hides included.
    QStringList chosenNames() const;

private:
    // Takes the selected state of the items shown into chosen.
    void noteSelection() const;
    void showNames();

    QLabel* filterLabel;
    QLineEdit* filterEdit;
    QLabel* chosenLabel;
    QFrame* listFrame;
    SortedListWidget* itemList;
    Button* newButton;
    Button* editButton;
    Button* okButton;
    Button* cancelButton;
    Button* helpButton;

    // Every name of the catalogue in list order, whether each is selected, and the position in
    // names of each item shown.
    QStringList names;
    mutable QList<bool> chosen;
    QList<int> shown;
    // The name made with New, shown whatever the filter until the filter changes.
    QString madeName;
    const Store& store;
    CatalogueKind kind;
    EditorMemory& memory;
    ArmyChanger changeArmy;
};

// Opens the weapon editor (weapons) or the ability editor (abilities) on the catalogue entry
// named by the first selected item of the list box, and replaces the entry when the editor
// closes with OK, through the changer. With no item selected nothing happens.
void editSelectedItem(QWidget* opener, const Store& store, EditorMemory& memory, CatalogueKind kind,
                      const SortedListWidget& listBox, const ArmyChanger& changeArmy);
