#pragma once

#include "ui/WindowBehaviour.h"

#include <QPointer>
#include <QWidget>
#include <initializer_list>

class QPushButton;

// A frame: the main window or a step of the wizard, made once and shown modelessly one at a
// time. It has a caption, a fixed size, centred placement, default (Enter) and cancel (Esc)
// buttons, and the window events as virtual handlers. A frame runs activate() when it is
// shown, and again when a dialog that it opened closes.
class Window : public QWidget
{
    Q_OBJECT
public:
    using TitleBar = WindowBehaviour::TitleBar;

    explicit Window(const QString& caption, TitleBar titleBar = TitleBar::Full);

    // Shows the frame in front, asks the desktop to make it the active window, puts the focus
    // on its first control and runs activate().
    void showAndActivate();
    // A dialog that this frame opened has closed: the frame is in front again.
    void dialogClosed();

    // A window is measured when it is first shown rather than when it is made, so that start-up
    // does not lay out every label of every window. This fixes its size now, as showing does.
    void settleSize();
    void setVisible(bool visible) override;

    // Enter clicks the default button, Esc the cancel button (when they are enabled). The
    // default button is drawn as such.
    void setDefaultButton(QPushButton* button);
    void setCancelButton(QPushButton* button) { escapeButton = button; }
    // F1 presses the help button.
    void setHelpButton(QPushButton* button) { WindowBehaviour::pressOnHelpKey(*this, button); }

    virtual void activate() {}
    // Whether the close box may close the window now.
    virtual bool canClose() { return true; }
    virtual void closing() {}

protected:
    // Fixes the window at its client size, grown where the layout needs more room so that no
    // text is clipped: at once while it is shown, else when it is next shown.
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
