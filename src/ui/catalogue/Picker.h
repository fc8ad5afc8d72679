#pragma once

#include "ui/Window.h"

class Button;
class LineList;
class SortedListWidget;
class QFrame;
class Store;

// The picker: the names of every catalogue weapon (list modes 0 and 1) or special ability
// (list mode 2), from which the opener takes the selected ones. New and Edit change the
// catalogue at once, whatever the picker's result.
class Picker : public Window
{
    Q_OBJECT
public:
    Picker(WindowRegistry& windows, Store& store);

    void activate() override;
    // Empties the list and lists the name of every entry of the catalogue (none when null),
    // unselected, in sorted order.
    void offer(const LineList* catalogue);
    void updateEditButton();
    void newEntry();
    void editEntry();
    void showHelp();

    QFrame* listFrame;
    SortedListWidget* itemList;
    Button* newButton;
    Button* editButton;
    Button* okButton;
    Button* cancelButton;
    Button* helpButton;

private:
    Store& store;
};

// Opens the weapon editor (list modes 0 and 1) or the ability editor (list mode 2) on the
// catalogue entry named by the first selected item of the list box, and replaces the entry
// when the editor closes with OK. With no item selected nothing happens.
void editSelectedItem(Store& store, WindowRegistry& windows, const SortedListWidget& listBox);
