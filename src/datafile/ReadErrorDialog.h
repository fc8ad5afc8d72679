#pragma once

#include "ui/Window.h"

class Button;
class QLabel;

// The window that refuses a file without a [Race] section.
class ReadErrorDialog : public Window
{
    Q_OBJECT
public:
    explicit ReadErrorDialog(WindowRegistry& windows);

    QLabel* messageHeading;
    QWidget* messageFrame;
    QLabel* raceMissingLabel;
    QLabel* notDatafileLabel;
    Button* okButton;
};
