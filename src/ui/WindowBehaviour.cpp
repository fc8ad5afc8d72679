#include "ui/WindowBehaviour.h"

#include "ui/controls/Grid.h"
#include "ui/controls/LineEdit.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

namespace WindowBehaviour
{

void setTitleBar(QWidget& window, bool dialog, TitleBar titleBar)
{
    Qt::WindowFlags flags =
        (dialog ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (titleBar == TitleBar::Full)
        flags |=
            Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
    else if (titleBar == TitleBar::CloseButton)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    window.setWindowFlags(flags);
}

void fixClientSize(QWidget& window, QSize clientSize)
{
    QLayout* layout = window.layout();
    if (layout)
        layout->activate();
    const QSize needed = window.minimumSizeHint().expandedTo(window.sizeHint());
    window.setFixedSize(clientSize.expandedTo(needed));
    // Controls that a window hides and shows later must not change its size.
    if (layout)
        layout->setSizeConstraint(QLayout::SetNoConstraint);
}

void centreOnScreen(QWidget& window)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

QWidget* setTabChain(QWidget& window, std::initializer_list<QWidget*> order)
{
    QWidget* previous = nullptr;
    for (QWidget* next : order) {
        if (previous)
            window.setTabOrder(previous, next);
        previous = next;
    }
    return order.size() > 0 ? *order.begin() : nullptr;
}

void focusControl(QWidget& window, QWidget* control)
{
    if (control && control->isEnabled() && control->isVisibleTo(&window))
        control->setFocus(Qt::OtherFocusReason);
}

void finishEditing(QWidget& window)
{
    for (QWidget* widget = window.focusWidget(); widget && widget != &window;
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

void pressButton(QPushButton* button)
{
    if (!button || !button->isEnabled() || !button->isVisible())
        return;
    button->setFocus(Qt::OtherFocusReason);
    button->click();
}

bool pressButtonForKey(QWidget& window, QKeyEvent* event, QPushButton* enterButton,
                       QPushButton* escapeButton)
{
    if (event->modifiers() & ~Qt::KeypadModifier)
        return false;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (auto* focused = qobject_cast<QPushButton*>(window.focusWidget()))
            pressButton(focused);
        else
            pressButton(enterButton);
        return true;
    case Qt::Key_Escape:
        pressButton(escapeButton);
        return true;
    default:
        return false;
    }
}

void pressOnHelpKey(QWidget& window, QPushButton* helpButton)
{
    auto* shortcut = new QShortcut(QKeySequence::HelpContents, &window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, helpButton,
                     [helpButton] { pressButton(helpButton); });
}

void makeDefault(QPushButton*& current, QPushButton* button)
{
    if (current)
        current->setDefault(false);
    current = button;
    if (current)
        current->setDefault(true);
}

} // namespace WindowBehaviour
