#include "platform/IniFile.h"

#include "platform/CodePage.h"
#include "platform/FileBytes.h"

#include <QRandomGenerator>
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

// The first c in the range, or its end.
template <typename Unit> const Unit* findUnit(const Unit* begin, const Unit* end, char c)
{
    return std::find(begin, end, Unit(c));
}

const char* findUnit(const char* begin, const char* end, char c)
{
    const void* found = std::memchr(begin, c, size_t(end - begin));
    return found ? static_cast<const char*>(found) : end;
}

// [L1] Where the line that starts at a position ends: at the nearer of the next CR and the next
// LF. Each is searched for once, so the walk stays linear whatever the mix of line ends.
template <typename Unit> class LineEnds
{
public:
    LineEnds(const Unit* data, const Unit* end)
        : end(end), nextCr(findUnit(data, end, '\r')), nextLf(findUnit(data, end, '\n'))
    {
    }

    const Unit* from(const Unit* position)
    {
        if (nextCr < position)
            nextCr = findUnit(position, end, '\r');
        if (nextLf < position)
            nextLf = findUnit(position, end, '\n');
        return std::min(nextCr, nextLf);
    }

private:
    const Unit* end;
    const Unit* nextCr;
    const Unit* nextLf;
};

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

    const Unit* find(char c) const { return findUnit(begin, end, c); }

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
    LineEnds<Unit> lineEnds(data, end);
    while (position < end) {
        // [L1] Any CR or LF ends a line; the empty lines a run of them leaves are blank.
        const Unit* lineEnd = lineEnds.from(position);
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

thread_local quint64 comparisons = 0;

char16_t foldAscii(char16_t c)
{
    return (c >= 'A' && c <= 'Z') ? char16_t(c + ('a' - 'A')) : c;
}

// [S1] Only ASCII letters match regardless of case: "É" and "é" are different names.
bool sameName(const QString& a, const QString& b)
{
    ++comparisons;
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (foldAscii(a[i].unicode()) != foldAscii(b[i].unicode()))
            return false;
    }
    return true;
}

// FNV-1a over the name as it matches, so that names that match hash alike. It starts from a
// value drawn once per run, so that no file can be made whose names all fall together.
quint32 nameHash(const QString& name)
{
    static const quint32 seed = QRandomGenerator::system()->generate();
    quint32 hash = 2166136261u ^ seed;
    for (const QChar c : name)
        hash = (hash ^ foldAscii(c.unicode())) * 16777619u;
    return hash;
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
    // [S3] [S5] The index keeps the first section, and the first entry of a section, of each
    // name; a later one of the same name is listed but never found.
    const auto header = [&ini](QString name) {
        if (name.isEmpty())
            return false;
        ini.sectionIndex.addFirst(name, int(ini.sections.size()), [&ini](int i) -> const QString& {
            return ini.sections[size_t(i)].name;
        });
        ini.sections.push_back(Section{std::move(name), {}, {}});
        return true;
    };
    const auto entry = [&ini](QString key, QString value, bool hasValue) {
        Section& section = ini.sections.back();
        const int index = int(section.entries.size());
        const int first = section.index.addFirst(key, index, [&section](int i) -> const QString& {
            return section.entries[size_t(i)].key;
        });
        section.entries.push_back(Entry{std::move(key), std::move(value), hasValue, first});
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
    const int entry = found->index.find(
        key, [found](int i) -> const QString& { return found->entries[size_t(i)].key; });
    if (entry < 0)
        return fallback;
    const Entry& first = found->entries[size_t(entry)];
    return first.hasValue ? first.value : fallback;
}

std::vector<IniFile::KeyValue> IniFile::keyValues(const QString& section) const
{
    static const QString empty;
    std::vector<KeyValue> pairs;
    if (const Section* found = findSection(section)) {
        pairs.reserve(found->entries.size());
        for (const Entry& entry : found->entries) {
            if (!entry.hasValue)
                continue;
            const Entry& first = found->entries[size_t(entry.firstOfKey)];
            pairs.push_back({&entry.key, first.hasValue ? &first.value : &empty});
        }
    }
    return pairs;
}

quint64 IniFile::nameComparisons()
{
    return comparisons;
}

template <typename NameAt>
size_t IniFile::NameIndex::slotOf(const QString& name, quint32 hash, NameAt nameAt) const
{
    const size_t mask = table.size() - 1;
    size_t slot = hash & mask;
    while (table[slot].position >= 0 &&
           !(table[slot].hash == hash && sameName(nameAt(table[slot].position), name)))
        slot = (slot + 1) & mask;
    return slot;
}

template <typename NameAt>
int IniFile::NameIndex::addFirst(const QString& name, int position, NameAt nameAt)
{
    if (2 * (used + 1) > table.size())
        grow();
    const quint32 hash = nameHash(name);
    Slot& slot = table[slotOf(name, hash, nameAt)];
    if (slot.position < 0) {
        slot = Slot{hash, position};
        ++used;
    }
    return slot.position;
}

template <typename NameAt> int IniFile::NameIndex::find(const QString& name, NameAt nameAt) const
{
    if (table.empty())
        return -1;
    return table[slotOf(name, nameHash(name), nameAt)].position;
}

// Twice the slots; each name keeps its hash, so none is hashed again.
void IniFile::NameIndex::grow()
{
    std::vector<Slot> old(std::max<size_t>(8, 2 * table.size()), Slot{0, -1});
    old.swap(table);
    const size_t mask = table.size() - 1;
    for (const Slot& slot : old) {
        if (slot.position < 0)
            continue;
        size_t at = slot.hash & mask;
        while (table[at].position >= 0)
            at = (at + 1) & mask;
        table[at] = slot;
    }
}

// [S3] The first section of the name answers, even when the key is missing there.
const IniFile::Section* IniFile::findSection(const QString& name) const
{
    const int found = sectionIndex.find(
        name, [this](int i) -> const QString& { return sections[size_t(i)].name; });
    return found < 0 ? nullptr : &sections[size_t(found)];
}
