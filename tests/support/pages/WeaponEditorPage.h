#pragma once

#include "support/pages/FoundControl.h"
#include "ui/catalogue/WeaponEditor.h"
#include "ui/controls/Button.h"
#include "ui/controls/Grid.h"
#include "ui/controls/LineEdit.h"

#include <QLabel>

// The weapon editor's name, its grid of cells and its buttons, found by name.
struct WeaponEditorPage {
    explicit WeaponEditorPage(WeaponEditor& shown) : window(shown) {}

    WeaponEditor& window;
    QLabel* nameLabel = foundControl<QLabel>(window, "nameLabel");
    LineEdit* nameEdit = foundControl<LineEdit>(window, "nameEdit");
    Grid* detailsGrid = foundControl<Grid>(window, "detailsGrid");
    Button* okButton = foundControl<Button>(window, "okButton");
    Button* cancelButton = foundControl<Button>(window, "cancelButton");
    Button* helpButton = foundControl<Button>(window, "helpButton");
};
