#include "platform/FileBytes.h"

QString tooLargeReason(qint64 limit)
{
    return QStringLiteral("The file is larger than %1 MiB; no datafile is that large.")
        .arg(limit / (1024 * 1024));
}

QString notRegularFileReason()
{
    return QStringLiteral("It is not a regular file.");
}
