#pragma once

#include "ui/help/HelpWindow.h"

// The help page of step 2, the characteristics of a squad.
class TForm15 : public HelpWindow
{
    Q_OBJECT
public:
    explicit TForm15(Forms& forms);
};
