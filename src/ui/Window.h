#pragma once

#include "platform/Modal.h"

#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <initializer_list>

class QPushButton;
struct WindowRegistry;

// What every window of the program has: a caption, a fixed size, centred placement, modeless
// showing, exec() with a modal result, default (Enter) and cancel (Esc) buttons, and the window
// events as virtual handlers. A window runs activate() when it is shown, and again when a modal
// window that it opened closes. A dialog is a dialog to the desktop and to assistive technology:
// of dialog type, and transient for its opener while it is shown. It is no QDialog, whose
// exec() yields an int and which brings an Esc, Enter and close handling of its own.
class Window : public QWidget
{
    Q_OBJECT
public:
    enum class TitleBar {
        Full,        // system menu and minimise box
        CaptionOnly, // caption only: the window closes through its own buttons
        CloseButton, // caption and close box only
        Hidden,      // never shown
    };

    enum class Kind {
        Frame,  // the main window and the wizard steps, shown modelessly one at a time
        Dialog, // shown modally over the window that opens it
    };

    Window(WindowRegistry& windows, const QString& caption, TitleBar titleBar = TitleBar::Full,
           Kind kind = Kind::Frame);
    ~Window() override;

    void showAndActivate();
    // A window is measured when it is first shown rather than when it is made, so that start-up
    // does not lay out every label of every window. This fixes its size now, as showing does.
    void settleSize();
    void setVisible(bool visible) override;
    ModalResult exec();

    ModalResult result() const { return modalResult; }
    // Gives a modal window its result, which closes it.
    void done(ModalResult result);

    bool isDialog() const { return kind == Kind::Dialog; }

    // Enter clicks the default button, Esc the cancel button (when they are enabled). The
    // default button is drawn as such.
    void setDefaultButton(QPushButton* button);
    void setCancelButton(QPushButton* button) { escapeButton = button; }

    virtual void initialize() {}
    virtual void activate() {}
    // Whether the close box may close the window now.
    virtual bool canClose() { return true; }
    virtual void closing() {}
    virtual void cleanUp() {}

protected:
    // Fixes the window at its client size, grown where the layout needs more room so that no
    // text is clipped: at once while it is shown, else when it is next shown.
    void setFixedClientSize(int width, int height);
    // Measures the layout and fixes the window's size for the client size asked for.
    virtual void fixSize(QSize clientSize);

    // The order in which Tab walks the given controls.
    void setTabChain(std::initializer_list<QWidget*> order);

    // Takes what the control being edited shows, as leaving it would: a button pressed without
    // the focus moving to it (by a key, a screen reader or switch access) still acts on it.
    void finishEditing();

    // Clicks a button the way a user's click does: the focus moves to it first, so that the
    // control being left finishes its editing before the click acts.
    static void pressButton(QPushButton* button);

    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

    WindowRegistry& windows;

private:
    void makeActive();
    void requestActivation();
    void retryActivation();
    void focusFirstControl();
    void centreOnScreen();
    void setOpener(Window* opener);

    const Kind kind;
    QPointer<QWidget> firstControl;
    // Shown to be the window in front, and not yet made active by the desktop.
    bool activationPending = false;
    QTimer activationRetry;
    int activationTries = 0;
    QPushButton* enterButton = nullptr;
    QPushButton* escapeButton = nullptr;
    QEventLoop modalLoop;
    ModalResult modalResult = ModalResult::None;
    bool modal = false;
    bool centred = false;
    QSize requestedSize;
    bool sizePending = false;
};
