#pragma once

#include <QString>

// The path of a file in tests/data.
inline QString testData(const QString& name)
{
    return QStringLiteral(QUARRIMAK_TEST_DATA "/") + name;
}
