#pragma once

#include "ui/Modal.h"
#include "ui/WindowShape.h"

#include <QDialog>

// A dialog of the program: made by its opener for one showing, parented to it, given what it
// shows through its constructor and read back through its accessors once showModal() returns.
// It has a caption; Esc does nothing in a dialog without a cancel button. A dialog runs
// activate() when it is shown, and again when a dialog that it opened closes.
class Dialog : public WindowShape<QDialog>
{
    Q_OBJECT
public:
    Dialog(QWidget* opener, const QString& caption, TitleBar titleBar = TitleBar::Full);

    // Shows the dialog modally over its opener until it has its result, through the modal seam
    // (a test's scripted user plays it). The opener is told when it has closed.
    QDialog::DialogCode showModal();
    // The result the dialog closed with: Accepted for OK, Rejected for Cancel, Esc and the
    // close box.
    QDialog::DialogCode modalResult() const;
    // Gives the dialog its result, which closes it. Accepted first takes what the control being
    // edited shows.
    void done(QDialog::DialogCode result);
    using QDialog::done;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
};
