#pragma once

#include <QWidget>
#include <QtGlobal>

// The window's control of the given object name. A page object finds every control it offers
// through this, so a control renamed or gone stops the test with the name it looked for
// instead of handing it a null.
template <typename Control> Control* controlNamed(const QWidget& window, const char* name)
{
    auto* control = window.findChild<Control*>(QString::fromLatin1(name));
    if (!control)
        qFatal("%s has no %s named \"%s\"", window.metaObject()->className(),
               Control::staticMetaObject.className(), name);
    return control;
}
