#pragma once

#include "ui/Modal.h"
#include "ui/WindowBehaviour.h"

#include <QDialog>
#include <QPointer>
#include <initializer_list>

class QPushButton;

// A dialog of the program: made by its opener for one showing, parented to it, given what it
// shows through its constructor and read back through its accessors once showModal() returns.
// It has a caption, a fixed size, centred placement, default (Enter) and cancel (Esc) buttons;
// Esc does nothing in a dialog without a cancel button. A dialog runs activate() when it is
// shown, and again when a dialog that it opened closes.
class Dialog : public QDialog
{
    Q_OBJECT
public:
    using TitleBar = WindowBehaviour::TitleBar;

    Dialog(QWidget* opener, const QString& caption, TitleBar titleBar = TitleBar::Full);

    // Shows the dialog modally over its opener until it has its result, through the modal seam
    // (a test's scripted user plays it). The opener is told when it has closed.
    ModalResult showModal();
    // The result the dialog closed with: OK 1, Cancel 2 (also for Esc and the close box),
    // Yes 6, No 7.
    ModalResult modalResult() const;
    // Gives the dialog its result, which closes it. OK first takes what the control being
    // edited shows.
    void done(ModalResult result);
    using QDialog::done;

    void dialogClosed();
    void settleSize();
    void setVisible(bool visible) override;

    void setDefaultButton(QPushButton* button);
    void setCancelButton(QPushButton* button) { escapeButton = button; }
    // F1 presses the help button.
    void setHelpButton(QPushButton* button) { WindowBehaviour::pressOnHelpKey(*this, button); }

    virtual void activate() {}
    virtual bool canClose() { return true; }

protected:
    void setFixedClientSize(int width, int height);
    virtual void fixSize(QSize clientSize);

    void setTabChain(std::initializer_list<QWidget*> order);
    void finishEditing();
    static void pressButton(QPushButton* button);

    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QPointer<QWidget> firstControl;
    QPushButton* enterButton = nullptr;
    QPushButton* escapeButton = nullptr;
    bool centred = false;
    QSize requestedSize;
    bool sizePending = false;
};
