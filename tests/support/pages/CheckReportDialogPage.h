#pragma once

#include "support/pages/FoundControl.h"
#include "ui/controls/Button.h"
#include "ui/main/CheckReportDialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QTreeWidget>

// The check report's summary, its warnings box, its problem list and its buttons, found by
// name.
struct CheckReportDialogPage {
    explicit CheckReportDialogPage(CheckReportDialog& shown) : window(shown) {}

    CheckReportDialog& window;
    QLabel* summaryLabel = foundControl<QLabel>(window, "summaryLabel");
    QCheckBox* showWarningsBox = foundControl<QCheckBox>(window, "showWarningsBox");
    QTreeWidget* problemList = foundControl<QTreeWidget>(window, "problemList");
    Button* openButton = foundControl<Button>(window, "openButton");
    Button* closeButton = foundControl<Button>(window, "closeButton");
    Button* helpButton = foundControl<Button>(window, "helpButton");
};
