#pragma once

#include "support/pages/FoundControl.h"
#include "ui/controls/Button.h"
#include "ui/main/ReadErrorDialog.h"

#include <QLabel>

// The read-error window's message lines and its OK, found by name.
struct ReadErrorDialogPage {
    explicit ReadErrorDialogPage(ReadErrorDialog& shown) : window(shown) {}

    ReadErrorDialog& window;
    QLabel* raceMissingLabel = foundControl<QLabel>(window, "raceMissingLabel");
    QLabel* notDatafileLabel = foundControl<QLabel>(window, "notDatafileLabel");
    Button* okButton = foundControl<Button>(window, "okButton");
};
