#pragma once

#include "platform/Modal.h"

#include <QEventLoop>
#include <QWidget>
#include <initializer_list>

class QPushButton;
struct Forms;

// What every window of the program has: a caption, a fixed size, centred placement, modeless
// Show and Hide, ShowModal with a modal result, default (Enter) and cancel (Esc) buttons, and
// the window events as virtual handlers. A window runs FormActivate when it is shown, and
// again when a modal window that it opened closes.
class FormBase : public QWidget
{
    Q_OBJECT
public:
    enum class Border {
        Normal,     // system menu and minimise box
        NoButtons,  // caption only: the window closes through its own buttons
        CloseBox,   // caption and close box only
        HiddenHost, // never shown
    };

    FormBase(Forms& forms, const QString& caption, Border border = Border::Normal);
    ~FormBase() override;

    QString Caption() const { return windowTitle(); }
    void SetCaption(const QString& caption) { setWindowTitle(caption); }

    void Show();
    void Hide();
    int ShowModal();
    bool Modal() const { return modal; }

    int ModalResult() const { return modalResult; }
    // Gives a modal window its result, which closes it.
    void SetModalResult(int result);

    // Enter clicks the default button, Esc the cancel button (when they are enabled).
    void SetDefaultButton(QPushButton* button) { defaultButton = button; }
    void SetCancelButton(QPushButton* button) { cancelButton = button; }

    virtual void FormCreate() {}
    virtual void FormActivate() {}
    virtual void FormCloseQuery(bool& canClose) { (void)canClose; }
    virtual void FormClose() {}
    virtual void FormDestroy() {}

protected:
    // Fixes the window at its client size, grown where the layout needs more room so that no
    // text is clipped.
    void SetClientSize(int width, int height);

    // The order in which Tab walks the given controls.
    void SetTabOrder(std::initializer_list<QWidget*> order);

    // Clicks a button the way a user's click does: the focus moves to it first, so that the
    // control being left finishes its editing before the click acts.
    static void PressButton(QPushButton* button);

    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

    Forms& forms;

private:
    void Activate();
    void CentreOnScreen();

    QPushButton* defaultButton = nullptr;
    QPushButton* cancelButton = nullptr;
    QEventLoop modalLoop;
    int modalResult = mrNone;
    bool modal = false;
    bool centred = false;
};
