#pragma once

#include <QString>

class QEventLoop;
class QWidget;

// Modal results of windows and message boxes.
enum class ModalResult { None = 0, Ok = 1, Cancel = 2, Yes = 6, No = 7 };

enum class MessageButtons { Ok, YesNo, YesNoCancel };

struct FileDialogRequest {
    enum class Kind { Open, Save };
    Kind kind = Kind::Open;
    QString title;
    QString fileName; // proposed name
    QString filter;   // label and pattern at once, such as "*.ini"
};

// Whoever answers modal things. In the program that is the person at the desktop, through
// real dialogs; a test installs a scripted user in its place.
class ModalUser
{
public:
    virtual ~ModalUser() = default;
    // The window is shown and activated; act in it until it has its modal result.
    virtual void playWindow(QWidget& window) = 0;
    virtual ModalResult playMessage(QWidget* parent, const QString& caption, const QString& text,
                                    MessageButtons buttons) = 0;
    // The chosen path, or the empty text when the dialog is cancelled.
    virtual QString playFileDialog(QWidget* parent, const FileDialogRequest& request) = 0;
};

// Installs a stand-in user; null restores the real dialogs.
void installModalUser(ModalUser* user);

// Runs a shown modal window until `loop` is quit by the window's result, or hands it to the
// installed stand-in user.
void runModalWindow(QWidget& window, QEventLoop& loop);

// A message box with a caption, a text and OK, Yes and No, or Yes, No and Cancel; yields the
// button pressed. Esc and the close box answer No to Yes and No, Cancel to Yes, No and Cancel.
ModalResult messageBox(QWidget* parent, const QString& caption, const QString& text,
                       MessageButtons buttons);

// The open or save dialog; the chosen path, or the empty text when cancelled. The save dialog
// asks before overwriting; neither adds an extension to a typed name.
QString runFileDialog(QWidget* parent, const FileDialogRequest& request);
