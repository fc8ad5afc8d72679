#pragma once

#include <QDialog>
#include <QMessageBox>
#include <QString>
#include <QStringList>

class QWidget;

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
    virtual QMessageBox::StandardButton playMessage(QWidget* parent, const QString& caption,
                                                    const QString& text,
                                                    QMessageBox::StandardButtons buttons) = 0;
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

// A message box with a caption, a text and the buttons Ok, Yes | No, or Yes | No | Cancel;
// yields the button pressed, or what Esc answers when the box is closed otherwise.
QMessageBox::StandardButton messageBox(QWidget* parent, const QString& caption, const QString& text,
                                       QMessageBox::StandardButtons buttons);

// What Esc and the close box answer a message box with these buttons: Cancel where it has
// Cancel, else No where it has No, else Ok.
QMessageBox::StandardButton messageBoxEscapeButton(QMessageBox::StandardButtons buttons);

// The open or save dialog; the chosen path, or the empty text when cancelled. The save dialog
// asks before overwriting; neither adds an extension to a typed name. The chosen filter and the
// check box's state go to *choice when it is given.
QString runFileDialog(QWidget* parent, const FileDialogRequest& request,
                      FileDialogChoice* choice = nullptr);
