#include "ui/Window.h"

#include "ui/WindowAccessibility.h"

#include <QCloseEvent>
#include <QPushButton>

Window::Window(const QString& caption, TitleBar titleBar) : QWidget(nullptr)
{
    installWindowAccessibility();
    WindowBehaviour::setTitleBar(*this, false, titleBar);
    setWindowTitle(caption);
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
    WindowBehaviour::fixClientSize(*this, clientSize);
}

void Window::showEvent(QShowEvent* event)
{
    if (!centred) {
        WindowBehaviour::centreOnScreen(*this);
        centred = true;
    }
    QWidget::showEvent(event);
}

// A frame shown has the focus on its first control unless its activation handler puts it
// elsewhere.
void Window::showAndActivate()
{
    // A window that the desktop maps anew comes up in front; one already shown is raised.
    const bool shownAlready = isVisible();
    show();
    if (shownAlready)
        raise();
    activateWindow();
    WindowBehaviour::focusControl(*this, firstControl);
    activate();
}

void Window::dialogClosed()
{
    if (!isVisible())
        return;
    activateWindow();
    activate();
}

void Window::setDefaultButton(QPushButton* button)
{
    WindowBehaviour::makeDefault(enterButton, button);
}

void Window::setTabChain(std::initializer_list<QWidget*> order)
{
    firstControl = WindowBehaviour::setTabChain(*this, order);
}

void Window::pressButton(QPushButton* button)
{
    WindowBehaviour::pressButton(button);
}

void Window::finishEditing()
{
    WindowBehaviour::finishEditing(*this);
}

void Window::closeEvent(QCloseEvent* event)
{
    finishEditing();
    if (!canClose()) {
        event->ignore();
        return;
    }
    closing();
    event->accept();
}

void Window::keyPressEvent(QKeyEvent* event)
{
    if (!WindowBehaviour::pressButtonForKey(*this, event, enterButton, escapeButton))
        QWidget::keyPressEvent(event);
}
