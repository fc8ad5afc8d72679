#pragma once

#include "support/pages/FoundControl.h"
#include "ui/controls/Button.h"
#include "ui/controls/Grid.h"
#include "ui/controls/LineEdit.h"
#include "ui/controls/StatusBar.h"
#include "ui/wizard/RestrictionsStep.h"

#include <QLabel>

// Step 7's controls, found by name.
struct RestrictionsStepPage {
    explicit RestrictionsStepPage(RestrictionsStep& step)
        : window(step), weaponLimitEdit(foundControl<LineEdit>(step, "weaponLimitEdit")),
          abilityLimitLabel(foundControl<QLabel>(step, "abilityLimitLabel")),
          abilityLimitEdit(foundControl<LineEdit>(step, "abilityLimitEdit")),
          groupHeading(foundControl<QLabel>(step, "groupHeading")),
          groupMaxHeading(foundControl<QLabel>(step, "groupMaxHeading")),
          groupGrid(foundControl<Grid>(step, "groupGrid")),
          previousButton(foundControl<Button>(step, "previousButton")),
          helpButton(foundControl<Button>(step, "helpButton")),
          okButton(foundControl<Button>(step, "okButton")),
          statusBar(foundControl<StatusBar>(step, "statusBar"))
    {
    }

    RestrictionsStep& window;
    LineEdit* weaponLimitEdit;
    QLabel* abilityLimitLabel;
    LineEdit* abilityLimitEdit;
    QLabel* groupHeading;
    QLabel* groupMaxHeading;
    Grid* groupGrid;
    Button* previousButton;
    Button* helpButton;
    Button* okButton;
    StatusBar* statusBar;
};
