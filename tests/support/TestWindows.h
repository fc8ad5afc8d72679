#pragma once

#include "store/Store.h"
#include "ui/main/WindowSet.h"

#include <QLocale>

// A fresh store and every window of the program, as at start-up, for one test. Sorted lists
// follow English collation whatever the machine's locale.
struct TestWindows {
    Store store{QLocale(QLocale::English, QLocale::UnitedStates)};
    WindowSet windowSet{store};
    WindowRegistry& windows = windowSet.registry;
};

// The path of a file in tests/data.
inline QString testData(const QString& name)
{
    return QStringLiteral(QUARRIMAK_TEST_DATA "/") + name;
}
