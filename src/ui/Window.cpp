#include "ui/Window.h"

#include "ui/WindowAccessibility.h"
#include "ui/WindowRegistry.h"
#include "ui/controls/Grid.h"
#include "ui/controls/LineEdit.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

Window::Window(WindowRegistry& windows, const QString& caption, TitleBar titleBar, Kind kind)
    : QWidget(nullptr), windows(windows), kind(kind)
{
    installWindowAccessibility();
    Qt::WindowFlags flags = (kind == Kind::Dialog ? Qt::Dialog : Qt::Window) |
                            Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (titleBar == TitleBar::Full)
        flags |=
            Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
    else if (titleBar == TitleBar::CloseButton)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    setWindowFlags(flags);
    setWindowTitle(caption);
    activationRetry.setInterval(50);
    connect(&activationRetry, &QTimer::timeout, this, &Window::retryActivation);
}

Window::~Window()
{
    if (windows.active == this)
        windows.active = nullptr;
}

void Window::setFixedClientSize(int width, int height)
{
    requestedSize = QSize(width, height);
    sizePending = true;
    if (isVisible())
        settleSize();
}

void Window::settleSize()
{
    if (!sizePending)
        return;
    sizePending = false;
    fixSize(requestedSize);
}

void Window::setVisible(bool visible)
{
    if (visible)
        settleSize();
    QWidget::setVisible(visible);
}

void Window::fixSize(QSize clientSize)
{
    if (layout())
        layout()->activate();
    const QSize needed = minimumSizeHint().expandedTo(sizeHint());
    setFixedSize(clientSize.expandedTo(needed));
    // Controls that a window hides and shows later must not change its size.
    if (layout())
        layout()->setSizeConstraint(QLayout::SetNoConstraint);
}

void Window::centreOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

void Window::showEvent(QShowEvent* event)
{
    if (!centred) {
        centreOnScreen();
        centred = true;
    }
    QWidget::showEvent(event);
}

void Window::hideEvent(QHideEvent* event)
{
    activationPending = false;
    QWidget::hideEvent(event);
}

// The window in front takes the keys.
void Window::makeActive()
{
    windows.active = this;
    activationPending = true;
    activationTries = 0;
    activationRetry.start();
    requestActivation();
    activate();
}

void Window::requestActivation()
{
    // The headless platform of the tests cannot raise windows and says so; nothing is lost.
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        raise();
    activateWindow();
}

void Window::focusFirstControl()
{
    if (firstControl && firstControl->isEnabled() && firstControl->isVisibleTo(this))
        firstControl->setFocus(Qt::OtherFocusReason);
}

// A desktop without a window manager can lose the activation of a window shown right after it
// was hidden (step 5 to step 6, the costing dialog opened again at once): the platform gives
// the window the input focus but the toolkit never hears of it. The request is repeated for a
// short while, and a window that is on screen by then, with no other window of the program
// active or modal, is made the active one directly.
void Window::retryActivation()
{
    QWidget* modalWindow = QApplication::activeModalWidget();
    if (!activationPending || windows.active != this || !isVisible() || isActiveWindow() ||
        (modalWindow && modalWindow != this) || ++activationTries > 40) {
        activationRetry.stop();
        return;
    }
    if (activationTries > 2 && !QApplication::activeWindow() && windowHandle() &&
        windowHandle()->isExposed())
        QApplication::setActiveWindow(this);
    else
        requestActivation();
}

// A window shown has the focus on its first control unless its activation handler puts it
// elsewhere.
void Window::showAndActivate()
{
    show();
    focusFirstControl();
    makeActive();
}

void Window::setDefaultButton(QPushButton* button)
{
    if (enterButton)
        enterButton->setDefault(false);
    enterButton = button;
    if (enterButton)
        enterButton->setDefault(true);
}

// The opener stays behind the dialog for as long as the dialog is shown, and the dialog gets no
// taskbar entry of its own.
void Window::setOpener(Window* opener)
{
    if (!windowHandle())
        create();
    QWindow* parent = opener && opener != this ? opener->windowHandle() : nullptr;
    windowHandle()->setTransientParent(parent);
}

ModalResult Window::exec()
{
    Window* opener = windows.active;
    modalResult = ModalResult::None;
    modal = true;
    setWindowModality(Qt::ApplicationModal);
    setOpener(opener);
    show();
    focusFirstControl();
    makeActive();
    runModalWindow(*this, modalLoop);
    if (modalResult == ModalResult::None)
        close();
    if (modalResult == ModalResult::None)
        modalResult = ModalResult::Cancel;
    modal = false;
    hide();
    setOpener(nullptr);
    setWindowModality(Qt::NonModal);
    windows.active = opener;
    if (opener && opener->isVisible())
        opener->makeActive();
    return modalResult;
}

void Window::done(ModalResult result)
{
    if (result == ModalResult::Ok)
        finishEditing();
    modalResult = result;
    if (modal && result != ModalResult::None)
        modalLoop.quit();
}

void Window::setTabChain(std::initializer_list<QWidget*> order)
{
    if (order.size() > 0)
        firstControl = *order.begin();
    QWidget* previous = nullptr;
    for (QWidget* next : order) {
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    }
}

void Window::pressButton(QPushButton* button)
{
    if (!button || !button->isEnabled() || !button->isVisible())
        return;
    button->setFocus(Qt::OtherFocusReason);
    button->click();
}

void Window::finishEditing()
{
    for (QWidget* widget = focusWidget(); widget && widget != this;
         widget = widget->parentWidget()) {
        if (auto* grid = qobject_cast<Grid*>(widget)) {
            grid->finishEditing();
            return;
        }
        if (auto* edit = qobject_cast<LineEdit*>(widget)) {
            edit->finishEditing();
            return;
        }
    }
}

void Window::closeEvent(QCloseEvent* event)
{
    finishEditing();
    if (!canClose()) {
        event->ignore();
        return;
    }
    closing();
    if (modal && modalResult == ModalResult::None)
        done(ModalResult::Cancel);
    event->accept();
}

void Window::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() & ~Qt::KeypadModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (auto* focused = qobject_cast<QPushButton*>(focusWidget()))
            pressButton(focused);
        else
            pressButton(enterButton);
        return;
    case Qt::Key_Escape:
        pressButton(escapeButton);
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}
