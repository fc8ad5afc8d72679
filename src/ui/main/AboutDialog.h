#pragma once

#include "ui/Dialog.h"

class Button;
class QLabel;

// What the program is, its version and licence, and the Qt it runs on.
class AboutDialog : public Dialog
{
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* opener);

private:
    QLabel* iconLabel;
    QLabel* nameLabel;
    QLabel* purposeLabel;
    QLabel* licenceLabel;
    QLabel* qtLabel;
    Button* okButton;
};
