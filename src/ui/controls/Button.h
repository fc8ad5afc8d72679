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

// A button with a caption and a picture. Help buttons show only the picture.
class Button : public QPushButton
{
    Q_OBJECT
public:
    Button(QWidget* parent, const QString& caption, ButtonIcon icon);
};

// A help button: the help picture only.
Button* makeHelpButton(QWidget* parent);

// A window's row of buttons: the given ones from the left, the help button at the right end.
QHBoxLayout* buttonRow(std::initializer_list<QWidget*> buttons, QWidget* help);
