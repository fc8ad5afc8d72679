#pragma once

#include <QSlider>

// A horizontal track bar with tick marks below. movedByUser() fires for every move the user makes
// (mouse, keys, wheel) and never for a position or range set by the program.
class Slider : public QSlider
{
    Q_OBJECT
public:
    Slider(QWidget* parent, int min, int max);

    // The position is held within the range.
    void setPosition(int position);
    void setBounds(int min, int max);

signals:
    void movedByUser();

private:
    void reportUserMove();

    bool settingByProgram = false;
};
