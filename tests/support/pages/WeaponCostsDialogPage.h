#pragma once

#include "support/pages/FoundControl.h"
#include "ui/controls/Button.h"
#include "ui/controls/Grid.h"
#include "ui/wizard/WeaponCostsDialog.h"

#include <QLabel>

// The costs window's controls, found by name.
struct WeaponCostsDialogPage {
    explicit WeaponCostsDialogPage(WeaponCostsDialog& dialog)
        : window(dialog), nameHeading(foundControl<QLabel>(dialog, "nameHeading")),
          costHeading(foundControl<QLabel>(dialog, "costHeading")),
          costGrid(foundControl<Grid>(dialog, "costGrid")),
          okButton(foundControl<Button>(dialog, "okButton")),
          helpButton(foundControl<Button>(dialog, "helpButton"))
    {
    }

    WeaponCostsDialog& window;
    QLabel* nameHeading;
    QLabel* costHeading;
    Grid* costGrid;
    Button* okButton;
    Button* helpButton;
};
