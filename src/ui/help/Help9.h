#pragma once

#include "ui/help/HelpWindow.h"

// The help page of the special ability costing dialog: cost, group and scope.
class TForm22 : public HelpWindow
{
    Q_OBJECT
public:
    explicit TForm22(Forms& forms);
};
