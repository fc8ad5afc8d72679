#include "platform/IniFile.h"

#include "platform/CodePage.h"

#include <QFile>
#include <QFileInfo>
#include <QStringView>
#include <new>

// The rule numbers in brackets are those of ini-semantics.md.
namespace {

// [L2] Space, tab, vertical tab, form feed and Ctrl-Z.
bool IsBlank(QChar c)
{
    const char16_t u = c.unicode();
    return u == ' ' || u == '\t' || u == 0x0B || u == 0x0C || u == 0x1A;
}

bool IsLineEnd(QChar c)
{
    return c.unicode() == '\r' || c.unicode() == '\n';
}

QStringView TrimStart(QStringView text)
{
    qsizetype start = 0;
    while (start < text.size() && IsBlank(text[start]))
        ++start;
    return text.mid(start);
}

QStringView TrimEnd(QStringView text)
{
    qsizetype end = text.size();
    while (end > 0 && IsBlank(text[end - 1]))
        --end;
    return text.first(end);
}

QStringView Trim(QStringView text)
{
    return TrimEnd(TrimStart(text));
}

// [R4] A NUL ends the name or value it stands in, as the C string Windows makes of it would.
// It is applied after trimming, as Wine does: the trimming sees the whole line.
QString CutAtNul(QStringView text)
{
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    return (nul < 0 ? text : text.first(nul)).toString();
}

// [V1] A value wholly inside one pair of matching quotes loses that pair.
QString Unquote(QString value)
{
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == u'"' || first == u'\'') && value.back() == first)
            return value.mid(1, value.size() - 2);
    }
    return value;
}

char16_t FoldAscii(char16_t c)
{
    return (c >= 'A' && c <= 'Z') ? char16_t(c + ('a' - 'A')) : c;
}

// [S1] Only ASCII letters match regardless of case: "É" and "é" are different names.
bool SameName(const QString& a, const QString& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (FoldAscii(a[i].unicode()) != FoldAscii(b[i].unicode()))
            return false;
    }
    return true;
}

// [R1] [R2] Windows-1252, one byte one character, unless the UTF-16LE byte-order mark leads.
// A UTF-16 file of an odd length loses its last, half, character.
QString DecodeFile(const QByteArray& bytes)
{
    if (bytes.size() < 2 || static_cast<unsigned char>(bytes[0]) != 0xFF ||
        static_cast<unsigned char>(bytes[1]) != 0xFE)
        return DecodeWindows1252(bytes);

    const qsizetype units = (bytes.size() - 2) / 2;
    QString text(units, Qt::Uninitialized);
    QChar* out = text.data();
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.constData()) + 2;
    for (qsizetype i = 0; i < units; ++i)
        out[i] = QChar(char16_t(in[2 * i] | (in[2 * i + 1] << 8)));
    return text;
}

} // namespace

IniFile IniFile::Read(const QString& path)
{
    // [R3] Only a regular file is read: a folder, a missing file, a device or a pipe (which
    // could block or never end) all read as a file with no sections.
    if (!QFileInfo(path).isFile())
        return IniFile();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return IniFile();
    try {
        const QByteArray bytes = file.readAll();
        if (file.error() != QFileDevice::NoError)
            return IniFile();
        return Parse(bytes);
    } catch (const std::bad_alloc&) {
        // A file too large for the memory left is as unreadable as a missing one.
        return IniFile();
    }
}

IniFile IniFile::Parse(const QByteArray& bytes)
{
    IniFile ini;
    const QString text = DecodeFile(bytes);
    const QStringView all(text);

    // [L7] Entries before the first header, and in a section named "" (which no look-up
    // reaches and no list shows), are dropped.
    bool inSection = false;
    qsizetype position = 0;
    while (position < all.size()) {
        // [L1] Any CR or LF ends a line; the empty lines a run of them leaves are blank.
        qsizetype end = position;
        while (end < all.size() && !IsLineEnd(all[end]))
            ++end;
        const QStringView line = Trim(all.mid(position, end - position));
        position = end + 1;
        if (line.isEmpty())
            continue;

        // [L3] A header: the name stands between "[" and the first "]", or the end of line.
        if (line.front() == u'[') {
            const QStringView inside = line.mid(1);
            const qsizetype close = inside.indexOf(u']');
            const QString name = CutAtNul(Trim(close < 0 ? inside : inside.first(close)));
            inSection = !name.isEmpty();
            if (inSection)
                ini.sections.push_back(Section{name, {}});
            continue;
        }
        if (!inSection)
            continue;

        // [L4] [L5] An entry: the key before the first "=", the value after it; a line
        // without "=" keeps its name so that it hides a later entry of that name.
        Entry entry;
        const qsizetype equals = line.indexOf(u'=');
        entry.hasValue = equals >= 0;
        if (entry.hasValue) {
            entry.key = CutAtNul(TrimEnd(line.first(equals)));
            entry.value = Unquote(CutAtNul(TrimStart(line.mid(equals + 1))));
        } else {
            entry.key = CutAtNul(line);
        }
        // [L6] [S4] A comment or an empty key can be neither listed nor found.
        if (entry.key.isEmpty() || entry.key.front() == u';')
            continue;
        ini.sections.back().entries.push_back(std::move(entry));
    }
    return ini;
}

QStringList IniFile::SectionNames() const
{
    QStringList names;
    names.reserve(qsizetype(sections.size()));
    for (const Section& section : sections)
        names.append(section.name);
    return names;
}

QStringList IniFile::KeyNames(const QString& section) const
{
    QStringList names;
    if (const Section* found = FindSection(section)) {
        for (const Entry& entry : found->entries) {
            if (entry.hasValue)
                names.append(entry.key);
        }
    }
    return names;
}

QString IniFile::Value(const QString& section, const QString& key, const QString& fallback) const
{
    const Section* found = FindSection(section);
    if (!found)
        return fallback;
    // [S5] The first entry of the name answers, even a line without "=" [L5].
    for (const Entry& entry : found->entries) {
        if (SameName(entry.key, key))
            return entry.hasValue ? entry.value : fallback;
    }
    return fallback;
}

// [S3] The first section of the name answers, even when the key is missing there.
const IniFile::Section* IniFile::FindSection(const QString& name) const
{
    for (const Section& section : sections) {
        if (SameName(section.name, name))
            return &section;
    }
    return nullptr;
}
