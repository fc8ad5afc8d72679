#pragma once

#include "support/pages/FoundControl.h"
#include "ui/catalogue/AbilityCostsDialog.h"
#include "ui/controls/Button.h"
#include "ui/controls/Grid.h"
#include "ui/controls/RadioGroup.h"

// The costing dialog's grid, its choice of scope and its buttons, found by name.
struct AbilityCostsDialogPage {
    explicit AbilityCostsDialogPage(AbilityCostsDialog& shown) : window(shown) {}

    AbilityCostsDialog& window;
    Grid* abilityGrid = foundControl<Grid>(window, "abilityGrid");
    RadioGroup* scopeChoice = foundControl<RadioGroup>(window, "scopeChoice");
    Button* okButton = foundControl<Button>(window, "okButton");
    Button* helpButton = foundControl<Button>(window, "helpButton");
};
