#pragma once

#include <QGroupBox>
#include <QList>

class QButtonGroup;
class QRadioButton;

// A framed group of radio items, one of which is chosen, addressed by its position.
class RadioGroup : public QGroupBox
{
    Q_OBJECT
public:
    RadioGroup(QWidget* parent, const QString& caption, const QStringList& items);

    int count() const { return buttons.size(); }
    QRadioButton* button(int index) const { return buttons.value(index); }

    // The position of the chosen item, or -1 when none is chosen.
    int checkedIndex() const;
    // Chooses the item at index; an index outside the items changes nothing.
    void setCheckedIndex(int index);

private:
    QButtonGroup* group;
    QList<QRadioButton*> buttons;
};
