#pragma once

#include "ui/WindowBehaviour.h"

#include <QKeyEvent>
#include <QPointer>
#include <QWidget>
#include <initializer_list>

class QPushButton;

// What every window of the program has, frame (QWidget) or dialog (QDialog): a fixed size,
// centred placement when first shown, a Tab order whose first control takes the focus, default
// (Enter), cancel (Esc) and help (F1) buttons, and the handlers a window runs when it is in
// front again.
template <typename QtWindow> class WindowShape : public QtWindow
{
public:
    using TitleBar = WindowBehaviour::TitleBar;

    // Enter clicks the default button, Esc the cancel button (when they are enabled). The
    // default button is drawn as such.
    void setDefaultButton(QPushButton* button)
    {
        WindowBehaviour::makeDefault(enterButton, button);
    }
    void setCancelButton(QPushButton* button) { escapeButton = button; }
    // F1 presses the help button.
    void setHelpButton(QPushButton* button) { WindowBehaviour::pressOnHelpKey(*this, button); }

    // A window is measured when it is first shown rather than when it is made, so that start-up
    // does not lay out every label of every window. This fixes its size now, as showing does.
    void settleSize()
    {
        if (!sizePending)
            return;
        sizePending = false;
        fixSize(requestedSize);
    }

    void setVisible(bool visible) override
    {
        if (visible)
            settleSize();
        QtWindow::setVisible(visible);
    }

    // A dialog that this window opened has closed: the window is in front again.
    void dialogClosed()
    {
        if (!this->isVisible())
            return;
        this->activateWindow();
        activate();
    }

    // Runs when the window is shown and when it is in front again.
    virtual void activate() {}
    // Whether the close box may close the window now.
    virtual bool canClose() { return true; }

protected:
    using QtWindow::QtWindow;

    // Fixes the window at its client size, grown where the layout needs more room so that no
    // text is clipped: at once while it is shown, else when it is next shown.
    void setFixedClientSize(int width, int height)
    {
        requestedSize = QSize(width, height);
        sizePending = true;
        if (this->isVisible())
            settleSize();
    }
    virtual void fixSize(QSize clientSize) { WindowBehaviour::fixClientSize(*this, clientSize); }

    void setTabChain(std::initializer_list<QWidget*> order)
    {
        firstControl = WindowBehaviour::setTabChain(*this, order);
    }
    void focusFirstControl() { WindowBehaviour::focusControl(*this, firstControl); }
    void finishEditing() { WindowBehaviour::finishEditing(*this); }
    static void pressButton(QPushButton* button) { WindowBehaviour::pressButton(button); }

    void showEvent(QShowEvent* event) override
    {
        if (!centred) {
            WindowBehaviour::centreOnScreen(*this);
            centred = true;
        }
        QtWindow::showEvent(event);
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        if (!WindowBehaviour::pressButtonForKey(*this, event, enterButton, escapeButton))
            QtWindow::keyPressEvent(event);
    }

private:
    QPointer<QWidget> firstControl;
    QPushButton* enterButton = nullptr;
    QPushButton* escapeButton = nullptr;
    bool centred = false;
    QSize requestedSize;
    bool sizePending = false;
};
