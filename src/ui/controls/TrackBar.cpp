#include "ui/controls/TrackBar.h"

TrackBar::TrackBar(QWidget* parent, int min, int max) : QSlider(Qt::Horizontal, parent)
{
    setTickPosition(QSlider::TicksBelow);
    setTickInterval(1);
    setSingleStep(1);
    setPageStep(4);
    SetRange(min, max);
    connect(this, &QSlider::valueChanged, this, &TrackBar::ValueChanged);
}

void TrackBar::SetPosition(int position)
{
    settingByProgram = true;
    setValue(qBound(minimum(), position, maximum()));
    settingByProgram = false;
}

void TrackBar::SetRange(int min, int max)
{
    settingByProgram = true;
    setRange(min, max);
    settingByProgram = false;
}

void TrackBar::ValueChanged()
{
    if (!settingByProgram)
        emit Change();
}
