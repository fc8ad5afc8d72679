#pragma once

#include "support/pages/ControlNamed.h"
#include "ui/controls/Button.h"
#include "ui/controls/Grid.h"
#include "ui/controls/LineEdit.h"
#include "ui/controls/StatusBar.h"
#include "ui/wizard/RestrictionsStep.h"

#include <QLabel>

// Step 7's controls, found by name.
struct RestrictionsStepPage {
    explicit RestrictionsStepPage(RestrictionsStep& step)
        : window(step), weaponLimitEdit(controlNamed<LineEdit>(step, "weaponLimitEdit")),
          abilityLimitLabel(controlNamed<QLabel>(step, "abilityLimitLabel")),
          abilityLimitEdit(controlNamed<LineEdit>(step, "abilityLimitEdit")),
          groupHeading(controlNamed<QLabel>(step, "groupHeading")),
          groupMaxHeading(controlNamed<QLabel>(step, "groupMaxHeading")),
          groupGrid(controlNamed<Grid>(step, "groupGrid")),
          previousButton(controlNamed<Button>(step, "previousButton")),
          helpButton(controlNamed<Button>(step, "helpButton")),
          okButton(controlNamed<Button>(step, "okButton")),
          statusBar(controlNamed<StatusBar>(step, "statusBar"))
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
