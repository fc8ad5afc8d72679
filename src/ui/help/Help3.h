#pragma once

#include "ui/help/HelpWindow.h"

// The help page of step 3, the standard weapons.
class TForm16 : public HelpWindow
{
    Q_OBJECT
public:
    explicit TForm16(Forms& forms);
};
