#include "ui/controls/Labels.h"

#include <QLabel>

QLabel* MakeLabel(QWidget* parent, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel* MakeHeading(QWidget* parent, const QString& text)
{
    QLabel* heading = MakeLabel(parent, text);
    heading->setFrameStyle(QFrame::Panel | QFrame::Raised);
    heading->setAlignment(Qt::AlignCenter);
    heading->setMargin(2);
    return heading;
}
