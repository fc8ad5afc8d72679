#include "platform/IniFile.h"

#include "platform/CodePage.h"
#include "platform/FileBytes.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>

// The rule numbers in brackets are those of ini-semantics.md.
namespace
{

// [L2] Space, tab, vertical tab, form feed and Ctrl-Z.
template <typename Unit> bool isBlank(Unit c)
{
    return c == ' ' || c == '\t' || c == 0x0B || c == 0x0C || c == 0x1A;
}

// A piece of a line, as a range of code units (bytes or UTF-16 units).
template <typename Unit> struct Span {
    const Unit* begin;
    const Unit* end;

    bool empty() const { return begin == end; }

    Span trimStart() const
    {
        const Unit* start = begin;
        while (start < end && isBlank(*start))
            ++start;
        return {start, end};
    }

    Span trimEnd() const
    {
        const Unit* stop = end;
        while (stop > begin && isBlank(stop[-1]))
            --stop;
        return {begin, stop};
    }

    Span trim() const { return trimStart().trimEnd(); }

    const Unit* find(char c) const { return std::find(begin, end, Unit(c)); }

    // [R4] A NUL ends the name or value it stands in, as the C string Windows makes of it
    // would. It is applied after trimming, as Wine does: the trimming sees the whole line.
    Span cutAtNul() const { return {begin, find('\0')}; }

    // [V1] A value wholly inside one pair of matching quotes loses that pair.
    Span unquote() const
    {
        if (end - begin >= 2 && (*begin == '"' || *begin == '\'') && end[-1] == *begin)
            return {begin + 1, end - 1};
        return *this;
    }
};

// Walks the lines of the text, calling header(name) for a section header and
// entry(key, value, hasValue) for an entry of a section; header answers whether the entries
// that follow it are wanted. Only the names and values kept are decoded, by text(span).
template <typename Unit, typename Text, typename Header, typename Entry>
void scan(const Unit* data, qsizetype size, Text text, Header header, Entry entry)
{
    const Unit* const end = data + size;
    // [L7] Entries before the first header belong to no section.
    bool wanted = false;
    const Unit* position = data;
    while (position < end) {
        // [L1] Any CR or LF ends a line; the empty lines a run of them leaves are blank.
        const Unit* lineEnd = position;
        while (lineEnd < end && *lineEnd != '\r' && *lineEnd != '\n')
            ++lineEnd;
        const Span<Unit> line = Span<Unit>{position, lineEnd}.trim();
        position = lineEnd < end ? lineEnd + 1 : end;
        if (line.empty())
            continue;

        // [L3] A header: the name stands between "[" and the first "]", or the end of line.
        if (*line.begin == '[') {
            const Span<Unit> inside{line.begin + 1, line.end};
            wanted = header(text(Span<Unit>{inside.begin, inside.find(']')}.trim().cutAtNul()));
            continue;
        }
        if (!wanted)
            continue;

        // [L4] [L5] An entry: the key before the first "=", the value after it; a line
        // without "=" keeps its name so that it hides a later entry of that name.
        const Unit* equals = line.find('=');
        const bool hasValue = equals != line.end;
        const Span<Unit> key = Span<Unit>{line.begin, equals}.trimEnd().cutAtNul();
        // [L6] [S4] A comment or an empty key can be neither listed nor found.
        if (key.empty() || *key.begin == ';')
            continue;
        if (hasValue)
            entry(text(key),
                  text(Span<Unit>{equals + 1, line.end}.trimStart().cutAtNul().unquote()), true);
        else
            entry(text(key), QString(), false);
    }
}

char16_t foldAscii(char16_t c)
{
    return (c >= 'A' && c <= 'Z') ? char16_t(c + ('a' - 'A')) : c;
}

// [S1] Only ASCII letters match regardless of case: "É" and "é" are different names.
bool sameName(const QString& a, const QString& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (foldAscii(a[i].unicode()) != foldAscii(b[i].unicode()))
            return false;
    }
    return true;
}

// [R2] The UTF-16LE byte-order mark leads. A file of an odd length loses its last, half,
// character.
bool isUtf16Le(const QByteArray& bytes)
{
    return bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
           static_cast<unsigned char>(bytes[1]) == 0xFE;
}

QString decodeUtf16Le(const QByteArray& bytes)
{
    const qsizetype units = (bytes.size() - 2) / 2;
    QString text(units, Qt::Uninitialized);
    QChar* out = text.data();
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.constData()) + 2;
    for (qsizetype i = 0; i < units; ++i)
        out[i] = QChar(char16_t(in[2 * i] | (in[2 * i + 1] << 8)));
    return text;
}

} // namespace

IniFile IniFile::read(const QString& path, QString* reason)
{
    // [R3] A file that cannot be read has no sections; anything but a regular file, and
    // anything larger than any datafile, is not read at all.
    QByteArray bytes;
    if (!readFileBytes(path, bytes, reason))
        return IniFile();
    try {
        return parse(bytes);
    } catch (const std::bad_alloc&) {
        // A file too large for the memory left is as unreadable as a missing one.
        if (reason)
            *reason = QString::fromLocal8Bit(std::strerror(ENOMEM));
        return IniFile();
    }
}

IniFile IniFile::parse(const QByteArray& bytes)
{
    IniFile ini;
    // A section named "" is neither listed nor reached by a look-up, and neither are its
    // entries, so it is not kept.
    const auto header = [&ini](QString name) {
        if (name.isEmpty())
            return false;
        ini.sections.push_back(Section{std::move(name), {}});
        return true;
    };
    const auto entry = [&ini](QString key, QString value, bool hasValue) {
        ini.sections.back().entries.push_back(Entry{std::move(key), std::move(value), hasValue});
    };

    if (isUtf16Le(bytes)) {
        const QString text = decodeUtf16Le(bytes);
        const auto utf16 = [](Span<char16_t> span) {
            return QString(reinterpret_cast<const QChar*>(span.begin), span.end - span.begin);
        };
        scan(reinterpret_cast<const char16_t*>(text.constData()), text.size(), utf16, header,
             entry);
    } else {
        // [R1] Windows-1252, one byte one character.
        const auto windows1252 = [](Span<char> span) {
            return decodeWindows1252(QByteArray::fromRawData(span.begin, span.end - span.begin));
        };
        scan(bytes.constData(), bytes.size(), windows1252, header, entry);
    }
    return ini;
}

QStringList IniFile::sectionNames() const
{
    QStringList names;
    names.reserve(qsizetype(sections.size()));
    for (const Section& section : sections)
        names.append(section.name);
    return names;
}

QStringList IniFile::keyNames(const QString& section) const
{
    QStringList names;
    if (const Section* found = findSection(section)) {
        for (const Entry& entry : found->entries) {
            if (entry.hasValue)
                names.append(entry.key);
        }
    }
    return names;
}

QString IniFile::value(const QString& section, const QString& key, const QString& fallback) const
{
    const Section* found = findSection(section);
    if (!found)
        return fallback;
    // [S5] The first entry of the name answers, even a line without "=" [L5].
    for (const Entry& entry : found->entries) {
        if (sameName(entry.key, key))
            return entry.hasValue ? entry.value : fallback;
    }
    return fallback;
}

// [S3] The first section of the name answers, even when the key is missing there.
const IniFile::Section* IniFile::findSection(const QString& name) const
{
    for (const Section& section : sections) {
        if (sameName(section.name, name))
            return &section;
    }
    return nullptr;
}
