#include "ui/Window.h"

#include "ui/WindowAccessibility.h"

#include <QCloseEvent>

Window::Window(const QString& caption, TitleBar titleBar) : WindowShape(nullptr)
{
    installWindowAccessibility();
    WindowBehaviour::setTitleBar(*this, false, titleBar);
    setWindowTitle(caption);
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
    focusFirstControl();
    activate();
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
