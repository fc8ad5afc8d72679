#pragma once

#include "ui/help/HelpWindow.h"

// The help page of step 7, the restrictions, with a worked example of the group maxima.
class RestrictionsHelp : public HelpWindow
{
    Q_OBJECT
public:
    explicit RestrictionsHelp(QWidget* opener);
};
