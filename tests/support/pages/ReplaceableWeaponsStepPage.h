#pragma once

#include "support/pages/FoundControl.h"
#include "ui/controls/Button.h"
#include "ui/controls/SortedListWidget.h"
#include "ui/controls/StatusBar.h"
#include "ui/wizard/ReplaceableWeaponsStep.h"

// Step 4's controls, found by name.
struct ReplaceableWeaponsStepPage {
    explicit ReplaceableWeaponsStepPage(ReplaceableWeaponsStep& step)
        : window(step), replaceableList(foundControl<SortedListWidget>(step, "replaceableList")),
          addReplaceableButton(foundControl<Button>(step, "addReplaceableButton")),
          deleteReplaceableButton(foundControl<Button>(step, "deleteReplaceableButton")),
          editReplaceableButton(foundControl<Button>(step, "editReplaceableButton")),
          replacementList(foundControl<SortedListWidget>(step, "replacementList")),
          addReplacementButton(foundControl<Button>(step, "addReplacementButton")),
          deleteReplacementButton(foundControl<Button>(step, "deleteReplacementButton")),
          editCostsButton(foundControl<Button>(step, "editCostsButton")),
          previousButton(foundControl<Button>(step, "previousButton")),
          nextButton(foundControl<Button>(step, "nextButton")),
          helpButton(foundControl<Button>(step, "helpButton")),
          statusBar(foundControl<StatusBar>(step, "statusBar"))
    {
    }

    ReplaceableWeaponsStep& window;
    SortedListWidget* replaceableList;
    Button* addReplaceableButton;
    Button* deleteReplaceableButton;
    Button* editReplaceableButton;
    SortedListWidget* replacementList;
    Button* addReplacementButton;
    Button* deleteReplacementButton;
    Button* editCostsButton;
    Button* previousButton;
    Button* nextButton;
    Button* helpButton;
    StatusBar* statusBar;
};
