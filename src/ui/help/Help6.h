#pragma once

#include "ui/help/HelpWindow.h"

// The help page of step 6, the special abilities.
class TForm19 : public HelpWindow
{
    Q_OBJECT
public:
    explicit TForm19(Forms& forms);
};
