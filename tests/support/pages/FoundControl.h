#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

// The window's control of that object name and type. A window without it stops the test at
// once, naming the control, so that no test goes on with a null.
template <typename Control> Control* foundControl(const QObject& window, const char* name)
{
    auto* control = window.findChild<Control*>(QLatin1String(name));
    if (!control)
        qFatal("%s has no %s named \"%s\"", window.metaObject()->className(),
               Control::staticMetaObject.className(), name);
    return control;
}
