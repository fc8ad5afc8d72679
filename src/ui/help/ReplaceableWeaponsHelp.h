#pragma once

#include "ui/help/HelpWindow.h"

// The help page of step 4, the replaceable weapons and the weapons that replace them.
class ReplaceableWeaponsHelp : public HelpWindow
{
    Q_OBJECT
public:
    explicit ReplaceableWeaponsHelp(QWidget* opener);
};
