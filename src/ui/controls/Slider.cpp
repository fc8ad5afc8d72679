#include "ui/controls/Slider.h"

Slider::Slider(QWidget* parent, int min, int max) : QSlider(Qt::Horizontal, parent)
{
    setTickPosition(QSlider::TicksBelow);
    setTickInterval(1);
    setSingleStep(1);
    setPageStep(4);
    setBounds(min, max);
    connect(this, &QSlider::valueChanged, this, &Slider::reportUserMove);
}

void Slider::setPosition(int position)
{
    settingByProgram = true;
    setValue(qBound(minimum(), position, maximum()));
    settingByProgram = false;
}

void Slider::setBounds(int min, int max)
{
    settingByProgram = true;
    setRange(min, max);
    settingByProgram = false;
}

void Slider::reportUserMove()
{
    if (!settingByProgram)
        emit movedByUser();
}
