#pragma once

#include "ui/Window.h"

class Button;
class GridHeadings;
class QLabel;
class RadioGroup;
class Store;
class Grid;

// The costing dialog of one special ability of the current troop: its cost, its group and
// whether it applies to each model or to the whole squad. OK is the only way out.
class AbilityCostsDialog : public Window
{
    Q_OBJECT
public:
    AbilityCostsDialog(WindowRegistry& windows, Store& store);

    void activate() override;
    void replaceCommasInCells();
    void showHelp();

    QLabel* abilityHeading;
    QLabel* costHeading;
    QLabel* groupHeading;
    GridHeadings* headings;
    Grid* abilityGrid;
    RadioGroup* scopeChoice;
    Button* okButton;
    Button* helpButton;

private:
    Store& store;
};

// Costs the line at index of the current troop's special abilities in the costing dialog and
// puts the rebuilt line (group, name, cost, and ",1" for the whole squad) in its place. An
// index that names no line changes nothing.
void editAbilityCosts(Store& store, WindowRegistry& windows, int index);
