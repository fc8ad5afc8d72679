#include "platform/TemporaryFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

QString temporaryPathFor(const QString& target)
{
    const QFileInfo info(target);
    return info.absolutePath() + QStringLiteral("/.") + info.fileName() + u'.' +
           QString::number(QCoreApplication::applicationPid()) + u'-' +
           QString::number(QRandomGenerator::global()->generate(), 36) + QStringLiteral(".tmp");
}

void removeLeftoverTemporaries(const QString& target)
{
    const QFileInfo info(target);
    const QDir folder = info.absoluteDir();
    const QRegularExpression ours(QStringLiteral("^\\.") +
                                  QRegularExpression::escape(info.fileName()) +
                                  QStringLiteral("\\.(\\d+)-[0-9a-z]+\\.tmp$"));
    const QStringList candidates =
        folder.entryList({u'.' + info.fileName() + QStringLiteral(".*.tmp")},
                         QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : candidates) {
        const QRegularExpressionMatch match = ours.match(name);
        if (match.hasMatch() && !processRuns(match.captured(1).toLongLong()))
            QFile::remove(folder.filePath(name));
    }
}
