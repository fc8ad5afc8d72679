#pragma once

#include "ui/WindowShape.h"

#include <QWidget>

// A frame: the main window or a step of the wizard, made once and shown modelessly one at a
// time, with a caption and the window events as virtual handlers. A frame runs activate() when
// it is shown, and again when a dialog that it opened closes.
class Window : public WindowShape<QWidget>
{
    Q_OBJECT
public:
    explicit Window(const QString& caption, TitleBar titleBar = TitleBar::Full);

    // Shows the frame in front, asks the desktop to make it the active window, puts the focus
    // on its first control and runs activate().
    void showAndActivate();

    virtual void closing() {}

protected:
    void closeEvent(QCloseEvent* event) override;
};
