#pragma once

#include "ui/Dialog.h"

class Button;
class GridHeadings;
class QLabel;
class RadioGroup;
class Grid;
struct Troop;

// What the costing dialog opens on.
struct AbilityCostsRequest {
    QString name;
    QString cost;
    QString group;
    // 0: the ability applies to each model, 1: to the whole squad.
    int scope = 0;
};

// The costing dialog of one special ability of a troop: its cost, its group and whether it
// applies to each model or to the whole squad. OK is the only way out, and only with a group of 1
// to 99.
class AbilityCostsDialog : public Dialog
{
    Q_OBJECT
public:
    AbilityCostsDialog(QWidget* opener, const AbilityCostsRequest& request);

    void activate() override;
    void accept() override;
    void replaceCommasInCells();
    void showHelp();

    QString cost() const;
    QString group() const;
    int scope() const;

private:
    QLabel* abilityHeading;
    QLabel* costHeading;
    QLabel* groupHeading;
    GridHeadings* headings;
    Grid* abilityGrid;
    RadioGroup* scopeChoice;
    Button* okButton;
    Button* helpButton;
};

// Costs the line at index of the troop's special abilities in the costing dialog and puts the
// rebuilt line (group, name, cost, and ",1" for the whole squad) in its place. An index that
// names no line changes nothing. A line whose scope is none of 0 to 3 opens on `lastScope`,
// the choice the dialog was left with the time before, which is then updated.
void editAbilityCosts(QWidget* opener, Troop& troop, int index, int& lastScope);
