#pragma once

#include "support/pages/FoundControl.h"
#include "ui/controls/Button.h"
#include "ui/help/HelpWindow.h"

// The one control of every help page, found by name: OK, which closes it.
struct HelpWindowPage {
    explicit HelpWindowPage(HelpWindow& help)
        : window(help), okButton(foundControl<Button>(help, "okButton"))
    {
    }

    HelpWindow& window;
    Button* okButton;
};
