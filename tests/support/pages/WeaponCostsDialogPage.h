#pragma once

#include "support/pages/ControlNamed.h"
#include "ui/controls/Button.h"
#include "ui/controls/Grid.h"
#include "ui/wizard/WeaponCostsDialog.h"

#include <QLabel>

// The costs window's controls, found by name.
struct WeaponCostsDialogPage {
    explicit WeaponCostsDialogPage(WeaponCostsDialog& dialog)
        : window(dialog), nameHeading(controlNamed<QLabel>(dialog, "nameHeading")),
          costHeading(controlNamed<QLabel>(dialog, "costHeading")),
          costGrid(controlNamed<Grid>(dialog, "costGrid")),
          okButton(controlNamed<Button>(dialog, "okButton")),
          helpButton(controlNamed<Button>(dialog, "helpButton"))
    {
    }

    WeaponCostsDialog& window;
    QLabel* nameHeading;
    QLabel* costHeading;
    Grid* costGrid;
    Button* okButton;
    Button* helpButton;
};
