#pragma once

#include <QPushButton>
#include <initializer_list>

class QHBoxLayout;

// The pictures that buttons carry beside their captions.
enum class ButtonIcon {
    None,
    Ok,
    Cancel,
    Close,
    New,
    Save,
    Load,
    Edit,
    Add,
    Delete,
    Previous,
    Next,
    Help
};

// A button with a caption and a picture. Help buttons show only the picture. Buttons that lead
// forward (Add, Next) carry their picture right of the caption, all others left of it.
class Button : public QPushButton
{
    Q_OBJECT
public:
    Button(QWidget* parent, const QString& caption, ButtonIcon icon);
};

// A picture of a button, as help pages show one: drawn like the button with its caption and
// picture, but it does nothing, takes no focus, and assistive technology reads it as a picture
// with a caption, not as a button.
class ButtonPicture : public Button
{
    Q_OBJECT
public:
    ButtonPicture(QWidget* parent, const QString& caption, ButtonIcon icon);
};

// A help button: the help picture only.
Button* makeHelpButton(QWidget* parent);

// A window's row of buttons: the given ones from the left, the help button (if any) at the right
// end.
QHBoxLayout* buttonRow(std::initializer_list<QWidget*> buttons, QWidget* help = nullptr);
