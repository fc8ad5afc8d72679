#pragma once

#include "datafile/ArmyCheck.h"
#include "ui/Dialog.h"

#include <vector>

class Button;
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
// OK, and the opener reopens that troop at the step of the problem (chosenProblem()).
class CheckReportDialog : public Dialog
{
    Q_OBJECT
public:
    CheckReportDialog(QWidget* opener, const Store& store, int currentRow = 0);

    void activate() override;
    void openProblem();
    void showHelp();

    // The problem whose troop the user chose to open, or null.
    const Problem* chosenProblem() const;
    int currentRow() const;

private:
    void updateOpenButton();

    QLabel* summaryLabel;
    QTreeWidget* problemList;
    Button* openButton;
    Button* closeButton;
    Button* helpButton;

    std::vector<Problem> problems;
    int chosen = -1;
};
