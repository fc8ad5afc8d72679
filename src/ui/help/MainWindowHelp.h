#pragma once

#include "ui/help/HelpWindow.h"

// The help page of the main window: what the program is for, the seven steps of a squad,
// the army's questions and the main window's buttons.
class MainWindowHelp : public HelpWindow
{
    Q_OBJECT
public:
    explicit MainWindowHelp(QWidget* opener);
};
