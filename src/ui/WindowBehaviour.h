#pragma once

#include <QSize>
#include <initializer_list>

class QKeyEvent;
class QPushButton;
class QWidget;

// What frames and dialogs do alike: their title bar, their size, their place on the screen,
// the Tab order of their controls and what Enter and Esc press.
namespace WindowBehaviour
{

enum class TitleBar {
    Full,        // system menu and minimise box
    CaptionOnly, // caption only: the window closes through its own buttons
    CloseButton, // caption and close box only
};

// The title bar's flags for a window of the given kind (Qt::Window or Qt::Dialog).
void setTitleBar(QWidget& window, bool dialog, TitleBar titleBar);

// Measures the layout and fixes the window's size for the client size asked for, grown where
// the layout needs more room so that no text is clipped.
void fixClientSize(QWidget& window, QSize clientSize);

void centreOnScreen(QWidget& window);

// The order in which Tab walks the given controls; yields the first of them.
QWidget* setTabChain(QWidget& window, std::initializer_list<QWidget*> order);

// Puts the focus on the control when it can take it.
void focusControl(QWidget& window, QWidget* control);

// Takes what the control being edited shows, as leaving it would: a button pressed without
// the focus moving to it (by a key, a screen reader or switch access) still acts on it.
void finishEditing(QWidget& window);

// Clicks a button the way a user's click does: the focus moves to it first, so that the
// control being left finishes its editing before the click acts.
void pressButton(QPushButton* button);

// Enter presses the focused button, else the default one; Esc presses the cancel button.
// Whether the key was taken.
bool pressButtonForKey(QWidget& window, QKeyEvent* event, QPushButton* enterButton,
                       QPushButton* escapeButton);

// F1 presses the window's help button, wherever the focus is in the window.
void pressOnHelpKey(QWidget& window, QPushButton* helpButton);

// Makes the button the one Enter presses, drawn as such.
void makeDefault(QPushButton*& current, QPushButton* button);

} // namespace WindowBehaviour
