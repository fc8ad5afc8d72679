#pragma once

#include "ui/help/HelpWindow.h"

// The help page of step 5, the additional weapons.
class TForm18 : public HelpWindow
{
    Q_OBJECT
public:
    explicit TForm18(Forms& forms);
};
