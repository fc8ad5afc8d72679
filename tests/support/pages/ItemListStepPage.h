#pragma once

#include "support/pages/FoundControl.h"
#include "ui/controls/Button.h"
#include "ui/controls/SortedListWidget.h"
#include "ui/controls/StatusBar.h"
#include "ui/wizard/ItemListStep.h"

// The controls of the item-list window (steps 3, 5 and 6), found by name.
struct ItemListStepPage {
    explicit ItemListStepPage(ItemListStep& step)
        : window(step), itemList(foundControl<SortedListWidget>(step, "itemList")),
          addButton(foundControl<Button>(step, "addButton")),
          deleteButton(foundControl<Button>(step, "deleteButton")),
          editButton(foundControl<Button>(step, "editButton")),
          previousButton(foundControl<Button>(step, "previousButton")),
          nextButton(foundControl<Button>(step, "nextButton")),
          helpButton(foundControl<Button>(step, "helpButton")),
          statusBar(foundControl<StatusBar>(step, "statusBar"))
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
