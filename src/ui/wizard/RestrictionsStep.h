#pragma once

#include "store/AbilityGroups.h"
#include "ui/Window.h"

class Button;
class LineEdit;
class GridHeadings;
class QLabel;
class StatusBar;
class Store;
class Wizard;
class Grid;

// Step 7 of the wizard, the restrictions: how many weapons one model may carry, how many
// special abilities it may have, and how many it may take from each group of the troop's
// abilities. OK accepts the troop into the army; every way out stores what was entered.
class RestrictionsStep : public Window
{
    Q_OBJECT
public:
    RestrictionsStep(Wizard& wizard, const Store& store);

    void activate() override;
    void closing() override;
    void clampGroupMaxima();
    void previous();
    void acceptTroop();
    void showHelp();

private:
    void showGroupTable(bool visible);
    void fillGroupTable();
    void storeRestrictions();

    QLabel* weaponLimitLabel;
    LineEdit* weaponLimitEdit;
    QLabel* abilityLimitLabel;
    LineEdit* abilityLimitEdit;
    QLabel* groupHeading;
    QLabel* groupAbilitiesHeading;
    QLabel* groupMaxHeading;
    GridHeadings* headings;
    Grid* groupGrid;
    Button* previousButton;
    Button* helpButton;
    Button* okButton;
    StatusBar* statusBar;

    Wizard& wizard;
    const Store& store;
    // The groups of the table's rows, row by row.
    std::vector<AbilityGroup> shownGroups;
};
