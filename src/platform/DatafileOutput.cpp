#include "platform/DatafileOutput.h"

#include "platform/CodePage.h"

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
    if (isVisibleCharacter(codePoint))
        return QString("\"%1\"").arg(shown);
    return QString("\"%1\" (%2)").arg(shown, codePointName(codePoint));
}

void setReason(QString* reason, const QString& text)
{
    if (reason)
        *reason = text;
}

} // namespace

QString notRegularTargetReason()
{
    return QStringLiteral("It is not a regular file (a device, a pipe or a socket); only a "
                          "regular file can be saved over.");
}

QString unencodableLineReason(const QString& line, QChar bad)
{
    return QString("The text \"%1\" holds the character %2, which the datafile cannot hold.")
        .arg(line, showCharacter(line, bad));
}

bool encodeDatafile(const QStringList& lines, QByteArray& bytes, QString* reason)
{
    qsizetype size = 0;
    for (const QString& line : lines)
        size += line.size() + 2;
    bytes.resize(size);
    char* out = bytes.data();
    for (const QString& line : lines) {
        QChar bad;
        if (!encodeWindows1252(QStringView(line), out, &bad)) {
            bytes.clear();
            setReason(reason, unencodableLineReason(line, bad));
            return false;
        }
        out += line.size();
        *out++ = '\r';
        *out++ = '\n';
    }
    return true;
}

bool writeDatafile(const QString& path, const QStringList& lines, QString* reason)
{
    // Every line is encoded before the file is touched, so a character the code page cannot
    // hold leaves the old file as it was.
    QByteArray bytes;
    return encodeDatafile(lines, bytes, reason) && replaceFileWith(path, bytes, reason);
}
