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

ModalResult Dialog::showModal()
{
    setResult(0);
    runModalDialog(*this);
    if (auto* frame = qobject_cast<Window*>(parentWidget()))
        frame->dialogClosed();
    else if (auto* dialog = qobject_cast<Dialog*>(parentWidget()))
        dialog->dialogClosed();
    return modalResult();
}

ModalResult Dialog::modalResult() const
{
    return result() == QDialog::Rejected ? ModalResult::Cancel : ModalResult(result());
}

void Dialog::done(ModalResult result)
{
    if (result == ModalResult::Ok)
        finishEditing();
    QDialog::done(int(result));
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
        done(ModalResult::Cancel);
    event->accept();
}
