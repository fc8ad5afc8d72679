#pragma once

#include "ui/help/HelpWindow.h"

// The help page of step 5, the additional weapons.
class AdditionalWeaponsHelp : public HelpWindow
{
    Q_OBJECT
public:
    explicit AdditionalWeaponsHelp(QWidget* opener);
};
