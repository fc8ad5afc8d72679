#pragma once

#include "ui/help/HelpWindow.h"

// The help page of the special ability editor.
class TForm21 : public HelpWindow
{
    Q_OBJECT
public:
    explicit TForm21(Forms& forms);
};
