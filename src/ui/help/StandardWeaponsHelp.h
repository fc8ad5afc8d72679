#pragma once

#include "ui/help/HelpWindow.h"

// The help page of step 3, the standard weapons.
class StandardWeaponsHelp : public HelpWindow
{
    Q_OBJECT
public:
    explicit StandardWeaponsHelp(QWidget* opener);
};
