#pragma once

#include "store/ArmyChange.h"
#include "ui/Dialog.h"

class Button;
class QLabel;
class Store;
class Grid;

// The troop selection dialog: every accepted troop with its role and name, row i showing slot
// i. Edit closes it with OK for the main window to reopen the selected troop; Delete hands the
// opener the removal of the selected troop at once, after a question, and the dialog stays open,
// showing the army as the opener's change left it. It opens on the row that was current when it
// last closed, which its opener keeps.
class TroopSelectionDialog : public Dialog
{
    Q_OBJECT
public:
    // What the chosen troop is for: to be edited (the dialog can also delete troops) or to be
    // copied (no deleting).
    enum class Purpose { Edit, Duplicate };

    TroopSelectionDialog(QWidget* opener, const Store& store, int lastRow, ArmyChanger changeArmy,
                         Purpose purpose = Purpose::Edit);

    void activate() override;
    void deleteTroop();
    void showHelp();

    // The slot of the selected row; the first slot when no row is selected.
    int selectedSlot() const;
    // The current row, -1 for none, to open on next time.
    int currentRow() const;

private:
    void fillTroopGrid();

    Grid* troopGrid;
    QLabel* roleHeading;
    QLabel* nameHeading;
    Button* editButton;
    Button* cancelButton;
    Button* helpButton;
    Button* deleteButton;

    const Store& store;
    ArmyChanger changeArmy;
};
