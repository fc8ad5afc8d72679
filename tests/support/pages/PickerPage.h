#pragma once

#include "support/pages/FoundControl.h"
#include "ui/catalogue/Picker.h"
#include "ui/controls/Button.h"
#include "ui/controls/SortedListWidget.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>

// The picker's filter, list, count and buttons, found by name.
struct PickerPage {
    explicit PickerPage(Picker& shown) : window(shown) {}

    Picker& window;
    QLabel* filterLabel = foundControl<QLabel>(window, "filterLabel");
    QLineEdit* filterEdit = foundControl<QLineEdit>(window, "filterEdit");
    QLabel* chosenLabel = foundControl<QLabel>(window, "chosenLabel");
    QFrame* listFrame = foundControl<QFrame>(window, "listFrame");
    SortedListWidget* itemList = foundControl<SortedListWidget>(window, "itemList");
    Button* newButton = foundControl<Button>(window, "newButton");
    Button* editButton = foundControl<Button>(window, "editButton");
    Button* okButton = foundControl<Button>(window, "okButton");
    Button* cancelButton = foundControl<Button>(window, "cancelButton");
    Button* helpButton = foundControl<Button>(window, "helpButton");
};
