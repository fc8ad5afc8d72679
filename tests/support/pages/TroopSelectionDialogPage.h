#pragma once

#include "support/pages/FoundControl.h"
#include "ui/controls/Button.h"
#include "ui/controls/Grid.h"
#include "ui/main/TroopSelectionDialog.h"

// The troop selection's grid and buttons, found by name.
struct TroopSelectionDialogPage {
    explicit TroopSelectionDialogPage(TroopSelectionDialog& shown) : window(shown) {}

    TroopSelectionDialog& window;
    Grid* troopGrid = foundControl<Grid>(window, "troopGrid");
    Button* editButton = foundControl<Button>(window, "editButton");
    Button* cancelButton = foundControl<Button>(window, "cancelButton");
    Button* helpButton = foundControl<Button>(window, "helpButton");
    Button* deleteButton = foundControl<Button>(window, "deleteButton");
};
