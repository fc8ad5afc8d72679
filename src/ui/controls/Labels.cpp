#include "ui/controls/Labels.h"

#include <QLabel>

QLabel* makeLabel(QWidget* parent, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel* makeHeading(QWidget* parent, const QString& text)
{
    QLabel* heading = makeLabel(parent, text);
    heading->setFrameStyle(QFrame::Panel | QFrame::Raised);
    heading->setAlignment(Qt::AlignCenter);
    heading->setMargin(2);
    return heading;
}
