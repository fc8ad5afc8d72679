#pragma once

#include "support/pages/FoundControl.h"
#include "ui/catalogue/AbilityEditor.h"
#include "ui/controls/Button.h"
#include "ui/controls/LineEdit.h"

#include <QLabel>

// The ability editor's fields and buttons, found by name.
struct AbilityEditorPage {
    explicit AbilityEditorPage(AbilityEditor& shown) : window(shown) {}

    AbilityEditor& window;
    QLabel* nameLabel = foundControl<QLabel>(window, "nameLabel");
    LineEdit* nameEdit = foundControl<LineEdit>(window, "nameEdit");
    QLabel* descriptionLabel = foundControl<QLabel>(window, "descriptionLabel");
    LineEdit* descriptionEdit = foundControl<LineEdit>(window, "descriptionEdit");
    Button* okButton = foundControl<Button>(window, "okButton");
    Button* helpButton = foundControl<Button>(window, "helpButton");
    Button* cancelButton = foundControl<Button>(window, "cancelButton");
};
