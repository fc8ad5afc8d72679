#pragma once

#include <QString>
#include <QStringList>

class QDialog;
class QWidget;

// Modal results of dialogs and message boxes; a QDialog's result is one of these, its
// Rejected (0) read as Cancel.
enum class ModalResult { None = 0, Ok = 1, Cancel = 2, Yes = 6, No = 7 };

enum class MessageButtons { Ok, YesNo, YesNoCancel };

struct FileDialogRequest {
    enum class Kind { Open, Save };
    Kind kind = Kind::Open;
    QString title;
    QString fileName; // proposed name
    QString filter;   // label and pattern at once, such as "*.ini"
    // Filters with a label each, such as "PDF (*.pdf)"; when given they stand for `filter`.
    QStringList filters = QStringList();
    // The text of a check box below the file name, or none when empty, and its first state.
    QString option = QString();
    bool optionChecked = false;
};

// What the user chose in a file dialog besides the file: the filter and the check box.
struct FileDialogChoice {
    QString filter;
    bool optionChecked = false;
};

// Whoever answers modal things. In the program that is the person at the desktop, through
// real dialogs; a test installs a scripted user in its place.
class ModalUser
{
public:
    virtual ~ModalUser() = default;
    // The dialog is shown; act in it until it has its result.
    virtual void playWindow(QWidget& window) = 0;
    virtual ModalResult playMessage(QWidget* parent, const QString& caption, const QString& text,
                                    MessageButtons buttons) = 0;
    // The chosen path, or the empty text when the dialog is cancelled; the filter and the check
    // box as chosen go to *choice when it is given.
    virtual QString playFileDialog(QWidget* parent, const FileDialogRequest& request,
                                   FileDialogChoice* choice) = 0;
};

// Installs a stand-in user; null restores the real dialogs.
void installModalUser(ModalUser* user);

// Shows the dialog modally until it has its result, or hands it, shown, to the installed
// stand-in user; a dialog the stand-in leaves open is closed as the close box would.
void runModalDialog(QDialog& dialog);

// A message box with a caption, a text and OK, Yes and No, or Yes, No and Cancel; yields the
// button pressed. Esc and the close box answer No to Yes and No, Cancel to Yes, No and Cancel.
ModalResult messageBox(QWidget* parent, const QString& caption, const QString& text,
                       MessageButtons buttons);

// The open or save dialog; the chosen path, or the empty text when cancelled. The save dialog
// asks before overwriting; neither adds an extension to a typed name. The chosen filter and the
// check box's state go to *choice when it is given.
QString runFileDialog(QWidget* parent, const FileDialogRequest& request,
                      FileDialogChoice* choice = nullptr);
