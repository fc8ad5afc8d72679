#include "ui/controls/RadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

RadioGroup::RadioGroup(QWidget* parent, const QString& caption, const QStringList& items)
    : QGroupBox(caption, parent), group(new QButtonGroup(this))
{
    auto* column = new QVBoxLayout(this);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        group->addButton(button, i);
        column->addWidget(button);
        buttons.append(button);
    }
}

int RadioGroup::checkedIndex() const
{
    return group->checkedId();
}

void RadioGroup::setCheckedIndex(int index)
{
    if (QRadioButton* button = buttons.value(index))
        button->setChecked(true);
}
