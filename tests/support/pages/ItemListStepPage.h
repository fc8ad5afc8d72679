#pragma once

#include "support/pages/ControlNamed.h"
#include "ui/controls/Button.h"
#include "ui/controls/SortedListWidget.h"
#include "ui/controls/StatusBar.h"
#include "ui/wizard/ItemListStep.h"

// The controls of the item-list window (steps 3, 5 and 6), found by name.
struct ItemListStepPage {
    explicit ItemListStepPage(ItemListStep& step)
        : window(step), itemList(controlNamed<SortedListWidget>(step, "itemList")),
          addButton(controlNamed<Button>(step, "addButton")),
          deleteButton(controlNamed<Button>(step, "deleteButton")),
          editButton(controlNamed<Button>(step, "editButton")),
          previousButton(controlNamed<Button>(step, "previousButton")),
          nextButton(controlNamed<Button>(step, "nextButton")),
          helpButton(controlNamed<Button>(step, "helpButton")),
          statusBar(controlNamed<StatusBar>(step, "statusBar"))
    {
    }

    ItemListStep& window;
    SortedListWidget* itemList;
    Button* addButton;
    Button* deleteButton;
    Button* editButton;
    Button* previousButton;
    Button* nextButton;
    Button* helpButton;
    StatusBar* statusBar;
};
