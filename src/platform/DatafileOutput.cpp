#include "platform/DatafileOutput.h"

#include "platform/CodePage.h"

#include <QSaveFile>

namespace
{

// The character as the user would see it, with its number when it cannot be seen (a control
// or format character, a blank, half of a broken pair).
QString showCharacter(const QString& line, QChar bad)
{
    const qsizetype at = line.indexOf(bad);
    char32_t codePoint = bad.unicode();
    QString shown(bad);
    if (bad.isHighSurrogate() && at + 1 < line.size() && line[at + 1].isLowSurrogate()) {
        codePoint = QChar::surrogateToUcs4(bad, line[at + 1]);
        shown = line.mid(at, 2);
    }
    if (QChar::isPrint(codePoint) && !QChar::isSpace(codePoint))
        return QString("\"%1\"").arg(shown);
    const QString number = QString::number(uint(codePoint), 16).toUpper().rightJustified(4, u'0');
    return QString("\"%1\" (U+%2)").arg(shown, number);
}

void setReason(QString* reason, const QString& text)
{
    if (reason)
        *reason = text;
}

} // namespace

bool writeDatafile(const QString& path, const QStringList& lines, QString* reason)
{
    // Every line is encoded before the file is touched, so a character the code page cannot
    // hold leaves the old file as it was.
    qsizetype size = 0;
    for (const QString& line : lines)
        size += line.size() + 2;
    QByteArray bytes;
    bytes.reserve(size);
    QByteArray encoded;
    for (const QString& line : lines) {
        QChar bad;
        if (!encodeWindows1252(line, encoded, &bad)) {
            setReason(reason, QString("The text \"%1\" holds the character %2, which the "
                                      "datafile cannot hold.")
                                  .arg(line, showCharacter(line, bad)));
            return false;
        }
        bytes += encoded;
        bytes += "\r\n";
    }

    // QSaveFile replaces the old file only on a successful commit.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        setReason(reason, file.errorString());
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        setReason(reason, file.errorString());
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        setReason(reason, file.errorString());
        return false;
    }
    return true;
}
