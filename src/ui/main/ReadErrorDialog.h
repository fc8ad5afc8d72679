#pragma once

#include "ui/Dialog.h"

class Button;
class QLabel;

// The window that refuses a file without a [Race] section, or, given the reason, a file that
// cannot be read at all.
class ReadErrorDialog : public Dialog
{
    Q_OBJECT
public:
    explicit ReadErrorDialog(QWidget* opener, const QString& unreadableReason = QString());

private:
    QLabel* messageHeading;
    QWidget* messageFrame;
    QLabel* raceMissingLabel;
    QLabel* notDatafileLabel;
    Button* okButton;
};
