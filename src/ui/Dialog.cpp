#include "ui/Dialog.h"

#include "ui/Window.h"
#include "ui/WindowAccessibility.h"

#include <QCloseEvent>
#include <QPushButton>

Dialog::Dialog(QWidget* opener, const QString& caption, TitleBar titleBar) : QDialog(opener)
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

void Dialog::dialogClosed()
{
    if (!isVisible())
        return;
    activateWindow();
    activate();
}

void Dialog::setFixedClientSize(int width, int height)
{
    requestedSize = QSize(width, height);
    sizePending = true;
    if (isVisible())
        settleSize();
}

void Dialog::settleSize()
{
    if (!sizePending)
        return;
    sizePending = false;
    fixSize(requestedSize);
}

void Dialog::setVisible(bool visible)
{
    if (visible)
        settleSize();
    QDialog::setVisible(visible);
}

void Dialog::fixSize(QSize clientSize)
{
    WindowBehaviour::fixClientSize(*this, clientSize);
}

void Dialog::showEvent(QShowEvent* event)
{
    if (!centred) {
        WindowBehaviour::centreOnScreen(*this);
        centred = true;
    }
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        activateWindow();
        WindowBehaviour::focusControl(*this, firstControl);
        activate();
    }
}

void Dialog::setDefaultButton(QPushButton* button)
{
    WindowBehaviour::makeDefault(enterButton, button);
}

void Dialog::setTabChain(std::initializer_list<QWidget*> order)
{
    firstControl = WindowBehaviour::setTabChain(*this, order);
}

void Dialog::pressButton(QPushButton* button)
{
    WindowBehaviour::pressButton(button);
}

void Dialog::finishEditing()
{
    WindowBehaviour::finishEditing(*this);
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

void Dialog::keyPressEvent(QKeyEvent* event)
{
    if (!WindowBehaviour::pressButtonForKey(*this, event, enterButton, escapeButton))
        QDialog::keyPressEvent(event);
}
