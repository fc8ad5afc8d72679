#pragma once

#include "support/pages/ControlNamed.h"
#include "ui/controls/Button.h"
#include "ui/controls/SortedListWidget.h"
#include "ui/controls/StatusBar.h"
#include "ui/wizard/ReplaceableWeaponsStep.h"

// Step 4's controls, found by name.
struct ReplaceableWeaponsStepPage {
    explicit ReplaceableWeaponsStepPage(ReplaceableWeaponsStep& step)
        : window(step), replaceableList(controlNamed<SortedListWidget>(step, "replaceableList")),
          addReplaceableButton(controlNamed<Button>(step, "addReplaceableButton")),
          deleteReplaceableButton(controlNamed<Button>(step, "deleteReplaceableButton")),
          editReplaceableButton(controlNamed<Button>(step, "editReplaceableButton")),
          replacementList(controlNamed<SortedListWidget>(step, "replacementList")),
          addReplacementButton(controlNamed<Button>(step, "addReplacementButton")),
          deleteReplacementButton(controlNamed<Button>(step, "deleteReplacementButton")),
          editCostsButton(controlNamed<Button>(step, "editCostsButton")),
          previousButton(controlNamed<Button>(step, "previousButton")),
          nextButton(controlNamed<Button>(step, "nextButton")),
          helpButton(controlNamed<Button>(step, "helpButton")),
          statusBar(controlNamed<StatusBar>(step, "statusBar"))
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
