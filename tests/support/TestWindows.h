#pragma once

#include "store/ComVars.h"
#include "ui/main/Startup.h"

#include <QLocale>

// A fresh store and every window of the program, as at start-up, for one test. Sorted lists
// follow English collation whatever the machine's locale.
struct TestWindows {
    Store store{QLocale(QLocale::English, QLocale::UnitedStates)};
    FormSet windows{store};
    Forms& forms = windows.forms;
};

// The path of a file in tests/data.
inline QString TestData(const QString& name)
{
    return QStringLiteral(QUARRIMAK_TEST_DATA "/") + name;
}
