#include "platform/CodePage.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace
{

// Bytes 80 to 9F; the five bytes Windows-1252 leaves unassigned keep their own number so that
// a loaded file saves back byte for byte.
constexpr std::array<char16_t, 32> highControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

char16_t byteToChar(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return highControls[byte - 0x80];
    return byte;
}

// The byte of a character, or -1 when the code page has none.
int charToByte(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (std::size_t i = 0; i < highControls.size(); ++i) {
        if (highControls[i] == c)
            return int(0x80 + i);
    }
    return -1;
}

} // namespace

bool decodesAsLatin1(QByteArrayView bytes)
{
    const auto differs = [](char byte) {
        const auto value = static_cast<unsigned char>(byte);
        return value >= 0x80 && value <= 0x9F;
    };
    // Eight bytes at a time: only a word with a byte of 80 or above needs a closer look.
    const char* data = bytes.data();
    const qsizetype size = bytes.size();
    qsizetype i = 0;
    for (; i + 8 <= size; i += 8) {
        quint64 word;
        std::memcpy(&word, data + i, sizeof word);
        if ((word & 0x8080808080808080u) != 0 && std::any_of(data + i, data + i + 8, differs))
            return false;
    }
    return std::none_of(data + i, data + size, differs);
}

QString decodeWindows1252(const QByteArray& bytes)
{
    if (decodesAsLatin1(bytes))
        return QString::fromLatin1(bytes);
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = QChar(byteToChar(static_cast<unsigned char>(bytes[i])));
    return text;
}

void appendWindows1252(QByteArrayView bytes, QString& out)
{
    if (decodesAsLatin1(bytes)) {
        out.append(QLatin1StringView(bytes.data(), bytes.size()));
        return;
    }
    out.reserve(out.size() + bytes.size());
    for (const char byte : bytes)
        out.append(QChar(byteToChar(static_cast<unsigned char>(byte))));
}

bool encodeWindows1252(QStringView text, char* out, QChar* bad)
{
    // Outside 80 to 9F a Latin-1 character is its own byte. This loop has no early exit, so it
    // goes many characters at a time; the rare other text is encoded again one by one.
    const char16_t* units = text.utf16();
    unsigned outside = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = units[i];
        outside |= unsigned(unit >= 0x80) & unsigned(char16_t(unit - 0xA0) >= 0x60);
        out[i] = static_cast<char>(unit);
    }
    if (!outside)
        return true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int byte = charToByte(units[i]);
        if (byte < 0) {
            if (bad)
                *bad = QChar(units[i]);
            return false;
        }
        out[i] = static_cast<char>(byte);
    }
    return true;
}

bool encodeWindows1252(const QString& text, QByteArray& out, QChar* bad)
{
    out.resize(text.size());
    if (encodeWindows1252(QStringView(text), out.data(), bad))
        return true;
    out.clear();
    return false;
}

bool isVisibleCharacter(char32_t codePoint)
{
    return QChar::isPrint(codePoint) && !QChar::isSpace(codePoint);
}

QString codePointName(char32_t codePoint)
{
    return QStringLiteral("U+") +
           QString::number(uint(codePoint), 16).toUpper().rightJustified(4, u'0');
}

bool fitsWindows1252(const QString& text)
{
    for (const QChar c : text) {
        if (charToByte(c.unicode()) < 0)
            return false;
    }
    return true;
}

QChar upperWindows1252(QChar c)
{
    if (charToByte(c.unicode()) < 0)
        return c;
    // The simple (one-character) case mapping; "ß" has none and "µ" maps outside the code page.
    const QChar upper = c.toUpper();
    return charToByte(upper.unicode()) < 0 ? c : upper;
}

QString upperWindows1252(QString text)
{
    for (QChar& c : text)
        c = upperWindows1252(c);
    return text;
}
