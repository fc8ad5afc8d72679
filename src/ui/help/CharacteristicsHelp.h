#pragma once

#include "ui/help/HelpWindow.h"

// The help page of step 2, the characteristics of a squad.
class CharacteristicsHelp : public HelpWindow
{
    Q_OBJECT
public:
    explicit CharacteristicsHelp(QWidget* opener);
};
