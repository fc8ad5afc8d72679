#pragma once

#include <QSlider>

// A horizontal track bar with tick marks below. Change fires for every move the user makes
// (mouse, keys, wheel) and never for a position or range set by the program.
class TrackBar : public QSlider
{
    Q_OBJECT
public:
    TrackBar(QWidget* parent, int min, int max);

    int Position() const { return value(); }
    // The position is held within the range.
    void SetPosition(int position);
    void SetRange(int min, int max);

signals:
    void Change();

private:
    void ValueChanged();

    bool settingByProgram = false;
};
