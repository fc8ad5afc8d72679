#pragma once

#include "support/pages/FoundControl.h"
#include "ui/catalogue/RenameDialog.h"
#include "ui/controls/Button.h"
#include "ui/controls/LineEdit.h"

#include <QLabel>

// The rename dialog's name field and its buttons, found by name.
struct RenameDialogPage {
    explicit RenameDialogPage(RenameDialog& shown) : window(shown) {}

    RenameDialog& window;
    QLabel* nameLabel = foundControl<QLabel>(window, "nameLabel");
    LineEdit* nameEdit = foundControl<LineEdit>(window, "nameEdit");
    Button* okButton = foundControl<Button>(window, "okButton");
    Button* cancelButton = foundControl<Button>(window, "cancelButton");
};
