#pragma once

#include <QPushButton>
#include <initializer_list>

class QHBoxLayout;

// The pictures that buttons carry beside their captions.
enum class Glyph {
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
class BitBtn : public QPushButton
{
    Q_OBJECT
public:
    BitBtn(QWidget* parent, const QString& caption, Glyph glyph);
};

// A help button: the help picture only.
BitBtn* MakeHelpButton(QWidget* parent);

// A window's row of buttons: the given ones from the left, the help button at the right end.
QHBoxLayout* ButtonRow(std::initializer_list<QWidget*> buttons, QWidget* help);
