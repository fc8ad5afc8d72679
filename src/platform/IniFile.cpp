#include "platform/IniFile.h"

#include "platform/CodePage.h"
#include "platform/FileBytes.h"

#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>
#include <utility>

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
    LineEnds(const Unit* data, const Unit* dataEnd)
        : end(dataEnd), nextCr(findUnit(data, dataEnd, '\r')), nextLf(findUnit(data, dataEnd, '\n'))
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

// Where a walk over the lines stands between one piece of the file and the next: whether the
// entries that follow the last header are wanted, the number (from 1) of the line that starts
// the next piece, and whether the piece before ended in a CR, whose LF then ends no line of
// its own.
struct ScanState {
    bool wanted = false;
    int line = 1;
    bool afterCr = false;
};

// Walks the lines of the text, calling header(name, line) for a section header and
// entry(key, value, hasValue, line) for an entry of a section, each with the pieces of the
// line and its number as an editor counts lines (CR LF, CR or LF ends one); header answers
// whether the entries that follow it are wanted.
template <typename Unit, typename Header, typename Entry>
void scan(const Unit* data, qsizetype size, ScanState& state, Header header, Entry entry)
{
    const Unit* const end = data + size;
    // Text without a NUL, as nearly all is, needs no search for one in each name and value.
    const bool holdsNul = findUnit(data, end, '\0') != end;
    const auto cutAtNul = [holdsNul](Span<Unit> span) {
        return holdsNul ? span.cutAtNul() : span;
    };
    const Unit* position = data;
    LineEnds<Unit> lineEnds(data, end);
    while (position < end) {
        // [L1] Any CR or LF ends a line; the empty lines a run of them leaves are blank.
        const Unit* lineEnd = lineEnds.from(position);
        const Span<Unit> line = Span<Unit>{position, lineEnd}.trim();
        const bool crLf = lineEnd == position && state.afterCr && *position == '\n';
        const int number = state.line;
        if (lineEnd < end) {
            state.line += crLf ? 0 : 1;
            state.afterCr = *lineEnd == '\r';
        }
        position = lineEnd < end ? lineEnd + 1 : end;
        if (line.empty())
            continue;

        // [L3] A header: the name stands between "[" and the first "]", or the end of line.
        if (*line.begin == '[') {
            const Span<Unit> inside{line.begin + 1, line.end};
            state.wanted =
                header(cutAtNul(Span<Unit>{inside.begin, inside.find(']')}.trim()), number);
            continue;
        }
        if (!state.wanted)
            continue;

        // [L4] [L5] An entry: the key before the first "=", the value after it; a line
        // without "=" keeps its name so that it hides a later entry of that name.
        const Unit* equals = line.find('=');
        const bool hasValue = equals != line.end;
        const Span<Unit> key = cutAtNul(Span<Unit>{line.begin, equals}.trimEnd());
        // [L6] [S4] A comment or an empty key can be neither listed nor found.
        if (key.empty() || *key.begin == ';')
            continue;
        if (hasValue)
            entry(key, cutAtNul(Span<Unit>{equals + 1, line.end}.trimStart()).unquote(), true,
                  number);
        else
            entry(key, Span<Unit>{equals, equals}, false, number);
    }
}

thread_local quint64 visitedSlots = 0;

char16_t foldAscii(char16_t c)
{
    return (c >= 'A' && c <= 'Z') ? char16_t(c + ('a' - 'A')) : c;
}

} // namespace

// [S1] Only ASCII letters match regardless of case: "É" and "é" are different names.
bool IniFile::sameName(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (foldAscii(a[i].unicode()) != foldAscii(b[i].unicode()))
            return false;
    }
    return true;
}

namespace
{

// FNV-1a over the name as it matches, so that names that match hash alike. It starts from a
// value drawn once per run, so that no file can be made whose names all fall together. The
// last steps mix every character into the high bits, which choose the slot: names that differ
// in their last digit only, as numbered keys do, still land far apart.
quint32 nameHash(QStringView name)
{
    static const quint32 seed = QRandomGenerator::system()->generate();
    quint32 hash = 2166136261u ^ seed;
    for (const QChar c : name)
        hash = (hash ^ foldAscii(c.unicode())) * 16777619u;
    hash ^= hash >> 16;
    hash *= 0x85EBCA6Bu;
    hash ^= hash >> 13;
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

// Builds the file from its bytes as they come. Lines are scanned as soon as a line end closes
// them, so only the text of the last, open, line waits for more bytes.
class IniFile::Builder
{
public:
    explicit Builder(IniFile& file) : ini(file) {}

    void add(const char* data, qsizetype size)
    {
        if (!decided) {
            pending.append(data, size);
            if (pending.size() < 2)
                return;
            decided = true;
            utf16 = isUtf16Le(pending);
            if (!utf16) {
                const QByteArray first = std::exchange(pending, QByteArray());
                addWindows1252(first.constData(), first.size());
            }
            return;
        }
        // A file in UTF-16 is decoded whole, at its end.
        if (utf16)
            pending.append(data, size);
        else
            addWindows1252(data, size);
    }

    void finish()
    {
        if (utf16) {
            const QString text = decodeUtf16Le(pending);
            scan(
                reinterpret_cast<const char16_t*>(text.constData()), text.size(), state,
                [this](Span<char16_t> name, int line) {
                    return header(toText(name).toString(), line);
                },
                [this](Span<char16_t> key, Span<char16_t> value, bool hasValue, int line) {
                    ini.keyText.append(toText(key));
                    entry(hasValue ? toText(value).toString() : QString(), hasValue, line);
                });
        } else {
            scanWindows1252(pending.constData(), pending.size());
        }
        pending = QByteArray();
        ini.keyText.squeeze();
    }

private:
    static QStringView toText(Span<char16_t> span)
    {
        return QStringView(span.begin, span.end - span.begin);
    }

    static QByteArrayView toBytes(Span<char> span)
    {
        return QByteArrayView(span.begin, span.end - span.begin);
    }

    // Scans the lines that the bytes end, straight from the bytes; pending holds the start of
    // a line that no line end has closed yet, and a long line costs no more than a short one.
    void addWindows1252(const char* data, qsizetype size)
    {
        const char* const end = data + size;
        const char* lastEnd = end;
        while (lastEnd > data && lastEnd[-1] != '\r' && lastEnd[-1] != '\n')
            --lastEnd;
        if (lastEnd == data) {
            pending.append(data, size);
            return;
        }
        if (!pending.isEmpty()) {
            const char* firstEnd = std::min(findUnit(data, end, '\r'), findUnit(data, end, '\n'));
            pending.append(data, firstEnd + 1 - data);
            scanWindows1252(pending.constData(), pending.size());
            pending.clear();
            data = firstEnd + 1;
        }
        scanWindows1252(data, lastEnd - data);
        pending.append(lastEnd, end - lastEnd);
    }

    // [R1] Windows-1252, one byte one character. Text without the bytes 80 to 9F, as nearly
    // all is, is decoded as Latin-1.
    void scanWindows1252(const char* data, qsizetype size)
    {
        const bool latin1 = decodesAsLatin1(QByteArrayView(data, size));
        const auto decode = [latin1](Span<char> span) {
            return latin1 ? QString::fromLatin1(span.begin, span.end - span.begin)
                          : decodeWindows1252(
                                QByteArray::fromRawData(span.begin, span.end - span.begin));
        };
        scan(
            data, size, state,
            [&](Span<char> name, int line) { return header(decode(name), line); },
            [&](Span<char> key, Span<char> value, bool hasValue, int line) {
                if (latin1)
                    ini.keyText.append(QLatin1StringView(key.begin, key.end - key.begin));
                else
                    appendWindows1252(toBytes(key), ini.keyText);
                entry(hasValue ? decode(value) : QString(), hasValue, line);
            });
    }

    // [S3] [S5] The index keeps the first section, and the first entry of a section, of each
    // name; a later one of the same name is listed but never found.
    // A section named "" is neither listed nor reached by a look-up, and neither are its
    // entries, so it is not kept.
    bool header(QString name, int line)
    {
        if (name.isEmpty())
            return false;
        ini.sectionIndex.addFirst(name, int(ini.sections.size()), [this](int i) {
            return QStringView(ini.sections[size_t(i)].name);
        });
        Section section;
        section.name = std::move(name);
        section.line = line;
        section.firstEntry = ini.keyMarks.size();
        // Sections of one file tend to be alike, as troop sections are: room for as many
        // values as the last one had spares the list its growing, up to a small bound.
        if (!ini.sections.empty())
            section.values.reserve(std::min(ini.sections.back().entryCount(), 256));
        ini.sections.push_back(std::move(section));
        return true;
    }

    // An entry whose key was the last added to keyText. The section's index is made once all
    // of its entries are read.
    void entry(QString value, bool hasValue, int line)
    {
        // Key ends are kept in 30 bits, far more than the key text of any datafile.
        if (ini.keyText.size() > qsizetype(keyEndMask))
            throw std::bad_alloc();
        Section& section = ini.sections.back();
        section.values.append(std::move(value));
        section.everyLineKeyed = section.everyLineKeyed && hasValue;
        ini.keyMarks.push_back(quint32(ini.keyText.size()) | (hasValue ? hasValueFlag : 0));
        ini.entryLines.push_back(line);
    }

    IniFile& ini;
    QByteArray pending;
    bool decided = false;
    bool utf16 = false;
    // [L7] Entries before the first header belong to no section.
    ScanState state;
};

IniFile IniFile::read(const QString& path, QString* reason, QByteArray* content)
{
    // [R3] A file that cannot be read has no sections; anything but a regular file, and
    // anything larger than any datafile, is not read at all.
    IniFile ini;
    Builder builder(ini);
    const bool read =
        readFileChunks(path, reason, [&builder, content](const char* data, qsizetype size) {
            builder.add(data, size);
            if (content)
                content->append(data, size);
        });
    if (!read) {
        if (content)
            content->clear();
        return IniFile();
    }
    try {
        builder.finish();
    } catch (const std::bad_alloc&) {
        // A file too large for the memory left is as unreadable as a missing one.
        if (reason)
            *reason = QString::fromLocal8Bit(std::strerror(ENOMEM));
        return IniFile();
    }
    return ini;
}

IniFile IniFile::parse(const QByteArray& bytes)
{
    IniFile ini;
    Builder builder(ini);
    builder.add(bytes.constData(), bytes.size());
    builder.finish();
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
        for (int i = 0; i < found->entryCount(); ++i) {
            const size_t entry = entryAt(*found, i);
            if (hasValue(entry))
                names.append(keyOf(entry).toString());
        }
    }
    return names;
}

qsizetype IniFile::keyCount(const QString& section) const
{
    qsizetype count = 0;
    if (const Section* found = findSection(section)) {
        for (int i = 0; i < found->entryCount(); ++i)
            count += hasValue(entryAt(*found, i));
    }
    return count;
}

int IniFile::lineCount(const QString& section) const
{
    const Section* found = findSection(section);
    return found ? found->entryCount() : 0;
}

bool IniFile::keysRiseAsNumbers(const Section& section) const
{
    QStringView previous;
    for (int i = 0; i < section.entryCount(); ++i) {
        const QStringView key = keyOf(entryAt(section, i));
        if (key.isEmpty() || (key.size() > 1 && key[0] == u'0') ||
            !std::all_of(key.begin(), key.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
            return false;
        // Of two numbers without leading zeros, the longer is the larger.
        if (i > 0 && (key.size() < previous.size() ||
                      (key.size() == previous.size() && key.compare(previous) <= 0)))
            return false;
        previous = key;
    }
    return true;
}

void IniFile::markFirsts(const Section& section) const
{
    if (section.marked)
        return;
    if (!keysRiseAsNumbers(section)) {
        makeIndex(section);
        return;
    }
    for (int i = 0; i < section.entryCount(); ++i)
        keyMarks[entryAt(section, i)] |= firstFlag;
    section.keysDistinct = true;
    section.marked = true;
}

void IniFile::makeIndex(const Section& section) const
{
    section.index.reserve(size_t(section.entryCount()));
    const auto keyAt = [this, &section](int i) {
        return keyOf(entryAt(section, i));
    };
    int firsts = 0;
    for (int i = 0; i < section.entryCount(); ++i) {
        if (section.index.addFirst(keyAt(i), i, keyAt) == i) {
            keyMarks[entryAt(section, i)] |= firstFlag;
            ++firsts;
        }
    }
    section.keysDistinct = firsts == section.entryCount();
    section.marked = true;
    section.indexed = true;
}

int IniFile::findEntry(const Section& section, QStringView key) const
{
    if (!section.indexed)
        makeIndex(section);
    return section.index.find(key, [this, &section](int i) { return keyOf(entryAt(section, i)); });
}

QString IniFile::value(const QString& section, const QString& key, const QString& fallback) const
{
    const Section* found = findSection(section);
    if (!found)
        return fallback;
    // [S5] The first entry of the name answers, even a line without "=" [L5].
    const int entry = findEntry(*found, key);
    if (entry < 0)
        return fallback;
    return hasValue(entryAt(*found, entry)) ? found->values[entry] : fallback;
}

std::vector<IniFile::KeyValue> IniFile::keyValues(const QString& section) const
{
    std::vector<KeyValue> pairs;
    pairs.reserve(size_t(keyCount(section)));
    forEachKeyValue(section, [&pairs](QStringView key, const QString& value) {
        pairs.push_back({key, &value});
    });
    return pairs;
}

void IniFile::forEachKeyValue(
    const QString& section,
    const std::function<void(QStringView key, const QString& value)>& take) const
{
    forEachKeyValueLine(section,
                        [&take](QStringView key, const QString& value, int) { take(key, value); });
}

void IniFile::forEachKeyValueLine(
    const QString& section,
    const std::function<void(QStringView key, const QString& value, int line)>& take) const
{
    static const QString empty;
    const Section* found = findSection(section);
    if (!found)
        return;
    markFirsts(*found);
    for (int i = 0; i < found->entryCount(); ++i) {
        const size_t entry = entryAt(*found, i);
        if (!hasValue(entry))
            continue;
        const QStringView key = keyOf(entry);
        const int first = isFirst(entry) ? i : findEntry(*found, key);
        const size_t firstEntry = entryAt(*found, first);
        take(key, hasValue(firstEntry) ? found->values[first] : empty, entryLines[firstEntry]);
    }
}

QStringList IniFile::values(const QString& section) const
{
    const Section* found = findSection(section);
    if (!found)
        return {};
    markFirsts(*found);
    if (found->everyLineKeyed && found->keysDistinct)
        return found->values;
    QStringList list;
    forEachKeyValue(section, [&list](QStringView, const QString& value) { list.append(value); });
    return list;
}

void IniFile::forEachLine(
    const QString& section,
    const std::function<void(QStringView key, const QString* value)>& take) const
{
    const Section* found = findSection(section);
    if (!found)
        return;
    for (int i = 0; i < found->entryCount(); ++i) {
        const size_t entry = entryAt(*found, i);
        take(keyOf(entry), hasValue(entry) ? &found->values[i] : nullptr);
    }
}

int IniFile::lineOf(const QString& section, const QString& key) const
{
    const Section* found = findSection(section);
    if (!found)
        return 0;
    const int entry = findEntry(*found, key);
    return entry < 0 ? found->line : entryLines[entryAt(*found, entry)];
}

int IniFile::sectionLine(const QString& section) const
{
    const Section* found = findSection(section);
    return found ? found->line : 0;
}

quint64 IniFile::lookupSteps()
{
    return visitedSlots;
}

// The slot a hash starts from, in a table of any size.
size_t IniFile::NameIndex::start(quint32 hash) const
{
    return size_t((quint64(hash) * table.size()) >> 32);
}

size_t IniFile::NameIndex::next(size_t slot) const
{
    return slot + 1 == table.size() ? 0 : slot + 1;
}

template <typename NameAt> size_t IniFile::NameIndex::slotOf(QStringView name, NameAt nameAt) const
{
    size_t slot = start(nameHash(name));
    ++visitedSlots;
    while (table[slot] >= 0 && !sameName(nameAt(table[slot]), name)) {
        slot = next(slot);
        ++visitedSlots;
    }
    return slot;
}

template <typename NameAt>
int IniFile::NameIndex::addFirst(QStringView name, int position, NameAt nameAt)
{
    // At most half the slots are taken, so that a probe meets an empty slot soon.
    if (2 * (used + 1) > table.size())
        grow(nameAt);
    int& slot = table[slotOf(name, nameAt)];
    if (slot < 0) {
        slot = position;
        ++used;
    }
    return slot;
}

template <typename NameAt> int IniFile::NameIndex::find(QStringView name, NameAt nameAt) const
{
    if (table.empty())
        return -1;
    return table[slotOf(name, nameAt)];
}

void IniFile::NameIndex::reserve(size_t count)
{
    table.assign(std::max<size_t>(8, 2 * count + 1), -1);
}

// Twice the slots, each name placed again by its hash; the names are all different, so none
// needs comparing.
template <typename NameAt> void IniFile::NameIndex::grow(NameAt nameAt)
{
    std::vector<int> old(std::max<size_t>(8, 2 * table.size()), -1);
    old.swap(table);
    for (const int position : old) {
        if (position < 0)
            continue;
        size_t at = start(nameHash(nameAt(position)));
        while (table[at] >= 0)
            at = next(at);
        table[at] = position;
    }
}

// [S3] The first section of the name answers, even when the key is missing there.
const IniFile::Section* IniFile::findSection(QStringView name) const
{
    // A section that a look-up found is the first of its name.
    if (lastSectionFound >= 0 && name == QStringView(sections[size_t(lastSectionFound)].name))
        return &sections[size_t(lastSectionFound)];
    const int found =
        sectionIndex.find(name, [this](int i) { return QStringView(sections[size_t(i)].name); });
    if (found < 0)
        return nullptr;
    lastSectionFound = found;
    return &sections[size_t(found)];
}
