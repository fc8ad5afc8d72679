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
    // The file is named by its name alone ("vhold.ini").
    ReadErrorDialog(QWidget* opener, const QString& fileName,
                    const QString& unreadableReason = QString());

private:
    QLabel* messageHeading;
    QWidget* messageFrame;
    QLabel* raceMissingLabel;
    QLabel* notDatafileLabel;
    Button* okButton;
};
