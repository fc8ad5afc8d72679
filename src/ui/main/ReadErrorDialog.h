#pragma once

#include "ui/Dialog.h"

class Button;
class QLabel;

// The window that refuses a file without a [Race] section.
class ReadErrorDialog : public Dialog
{
    Q_OBJECT
public:
    explicit ReadErrorDialog(QWidget* opener);

    QLabel* messageHeading;
    QWidget* messageFrame;
    QLabel* raceMissingLabel;
    QLabel* notDatafileLabel;
    Button* okButton;
};
