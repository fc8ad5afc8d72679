#pragma once

#include <QObject>
#include <QString>
#include <cstddef>

// A control with the name of the member that holds it.
struct ControlName {
    QObject* control;
    const char* name;
};

// Gives each control the object name of its member, by which tests and tools find a window's
// controls.
template <std::size_t count> void nameControls(const ControlName (&controls)[count])
{
    for (const ControlName& named : controls)
        named.control->setObjectName(QLatin1String(named.name));
}
