#include "support/SaveLoad.h"

#include "datafile/Loader.h"
#include "datafile/Writer.h"
#include "platform/DatafileOutput.h"
#include "platform/IniFile.h"
#include "store/Store.h"

#include <QList>

namespace
{

class Quiet : public LoadProgress
{
    void armyRead() override {}
    void troopRead(int) override {}
    void raceMissing() override {}
};

} // namespace

bool saveAfterLoad(const QByteArray& file, QByteArray& saved)
{
    Store store(QLocale(QLocale::English, QLocale::UnitedStates));
    Quiet quiet;
    loadDatafile(store, IniFile::parse(file), quiet);
    return encodeDatafile(datafileLines(store), saved, nullptr);
}

QString saveLoadDifference(const QByteArray& file)
{
    QByteArray first;
    if (!saveAfterLoad(file, first))
        return QString();
    QByteArray second;
    if (!saveAfterLoad(first, second))
        return QStringLiteral("The save of the first save's load cannot be encoded.");
    if (first == second)
        return QString();
    const QList<QByteArray> firstLines = first.split('\n');
    const QList<QByteArray> secondLines = second.split('\n');
    for (qsizetype i = 0;; ++i) {
        if (firstLines.value(i) != secondLines.value(i))
            return QStringLiteral("Line %1 was saved as\n  %2\nand after a load as\n  %3")
                .arg(i + 1)
                .arg(QString::fromLatin1(firstLines.value(i).toPercentEncoding(" =,;[]")),
                     QString::fromLatin1(secondLines.value(i).toPercentEncoding(" =,;[]")));
    }
}
