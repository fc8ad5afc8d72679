#include "ui/Dialog.h"

#include "ui/Window.h"
#include "ui/WindowAccessibility.h"

#include <QCloseEvent>

Dialog::Dialog(QWidget* opener, const QString& caption, TitleBar titleBar) : WindowShape(opener)
{
    installWindowAccessibility();
    WindowBehaviour::setTitleBar(*this, true, titleBar);
    setWindowTitle(caption);
    setModal(true);
}

QDialog::DialogCode Dialog::showModal()
{
    setResult(Rejected);
    runModalDialog(*this);
    if (auto* frame = qobject_cast<Window*>(parentWidget()))
        frame->dialogClosed();
    else if (auto* dialog = qobject_cast<Dialog*>(parentWidget()))
        dialog->dialogClosed();
    return modalResult();
}

QDialog::DialogCode Dialog::modalResult() const
{
    return result() == Accepted ? Accepted : Rejected;
}

void Dialog::done(QDialog::DialogCode result)
{
    if (result == Accepted)
        finishEditing();
    QDialog::done(result);
}

// A dialog shown by the program, not merely mapped again by the desktop, asks to be the active
// window and puts the focus on its first control.
void Dialog::showEvent(QShowEvent* event)
{
    WindowShape::showEvent(event);
    if (!event->spontaneous()) {
        activateWindow();
        focusFirstControl();
        activate();
    }
}

void Dialog::closeEvent(QCloseEvent* event)
{
    finishEditing();
    if (!canClose()) {
        event->ignore();
        return;
    }
    if (isVisible())
        done(Rejected);
    event->accept();
}
