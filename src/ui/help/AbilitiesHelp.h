#pragma once

#include "ui/help/HelpWindow.h"

// The help page of step 6, the special abilities.
class AbilitiesHelp : public HelpWindow
{
    Q_OBJECT
public:
    explicit AbilitiesHelp(QWidget* opener);
};
