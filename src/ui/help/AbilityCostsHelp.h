#pragma once

#include "ui/help/HelpWindow.h"

// The help page of the special ability costing dialog: cost, group and scope.
class AbilityCostsHelp : public HelpWindow
{
    Q_OBJECT
public:
    explicit AbilityCostsHelp(QWidget* opener);
};
