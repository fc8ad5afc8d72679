#pragma once

#include "datafile/ArmyCheck.h"
#include "ui/Dialog.h"

#include <array>
#include <vector>

class Button;
class LineEdit;
class QCheckBox;
class QLabel;
class QTreeWidget;
class Store;

// The wizard step (2 to 7) that shows the troop field.
int wizardStepOf(TroopField field);

// Where the problem is, as the report's "Where" column says it: "HQ Captain, step 3",
// "Weapon catalogue", "Weapon catalogue, entries 3 and 4" (two entries, from 1), "Army".
QString placeText(const Store& store, const Problem& problem);

// The report of the army check: one row per problem with its severity, where it is and what it
// is, or "No problems found.". Enter or a double click on a troop's row closes the report with
// OK, and the opener reopens that troop at the step of the problem (chosenProblem()); on a row
// of the army's texts it closes the report the same way, and the opener puts the focus into
// that text's edit. The report can be made larger; "Show warnings" unchecked leaves the errors.
class CheckReportDialog : public Dialog
{
    Q_OBJECT
public:
    CheckReportDialog(QWidget* opener, const Store& store, int currentRow = 0);

    void activate() override;
    void openProblem();
    void goToArmyText();
    void showWarnings(bool shown);
    void showHelp();

    // The problem whose troop or army text the user chose to go to, or null.
    const Problem* chosenProblem() const;
    int currentRow() const;

protected:
    // The size given is where the report starts, grown so that its problems are not cut short;
    // the user may then make it larger or smaller.
    void fixSize(QSize clientSize) override;

private:
    void updateOpenButton();

    QLabel* summaryLabel;
    QCheckBox* showWarningsBox;
    QTreeWidget* problemList;
    Button* openButton;
    Button* closeButton;
    Button* helpButton;

    std::vector<Problem> problems;
    int chosen = -1;
};

// Puts the focus into the edit of the army text (0 name, 1 unit word, 2 squad word) with its
// text selected.
void focusArmyText(const std::array<LineEdit*, 3>& edits, int armyText);
