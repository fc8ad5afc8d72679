#pragma once

#include "ui/help/HelpWindow.h"

// The help page of the special ability editor.
class AbilityEditorHelp : public HelpWindow
{
    Q_OBJECT
public:
    explicit AbilityEditorHelp(QWidget* opener);
};
