#include "ui/controls/Labels.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

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

QHBoxLayout* makeFilterRow(QWidget* parent, QLabel*& label, QLineEdit*& edit)
{
    label = new QLabel(QStringLiteral("&Filter:"), parent);
    edit = new QLineEdit(parent);
    edit->setAccessibleName(QStringLiteral("Filter"));
    edit->setClearButtonEnabled(true);
    label->setBuddy(edit);
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(edit, 1);
    return row;
}
