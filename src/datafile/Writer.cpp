#include "datafile/Writer.h"

#include "platform/CodePage.h"
#include "platform/DatafileOutput.h"
#include "store/LineOps.h"
#include "store/Number.h"
#include "store/Store.h"

#include <algorithm>
#include <iterator>

namespace
{

const char* const headerLines[] = {
    ";  This file is created by the datafile creation utility for Varnhold army lists",
    ";",
    ";",
    ";  DISCLAIMER",
    ";",
    ";  The specifications of the Varnhold armies and the names used in this file are protected "
    "rights",
    ";  of Brassmoor Games. They are used here without permission, and no challenge to",
    ";  their status is intended. This file and the supplied  programs are completely  "
    "unofficial and in",
    ";  no way endorsed by Brassmoor Games.",
    ";",
    "",
};

// The blanks the reader trims from both ends of a value.
bool isBlank(QChar c)
{
    const char16_t u = c.unicode();
    return u == ' ' || u == '\t' || u == 0x0B || u == 0x0C || u == 0x1A;
}

bool isWhollyQuoted(QStringView value)
{
    return value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
           value.back() == value.front();
}

// The reader trims blanks from a value and takes one pair of quotes off a value wholly inside
// them. Such a value is written inside one more pair of quotes, so that it reads back exactly
// as the store holds it; every other value is written as it is.
bool needsQuotes(QStringView value)
{
    return !value.isEmpty() &&
           (isBlank(value.front()) || isBlank(value.back()) || isWhollyQuoted(value));
}

// The digits of a number above 0, written backwards from end; none for 0.
QStringView digitsOf(int number, char16_t* end)
{
    char16_t* begin = end;
    for (int rest = number; rest > 0; rest /= 10)
        *--begin = char16_t(u'0' + rest % 10);
    return QStringView(begin, end);
}

// An entry's line: the key, its number when it has one, "=" and the value.
QString entryLine(QStringView key, int number, QStringView value)
{
    char16_t digits[12];
    const QStringView keyNumber = digitsOf(number, std::end(digits));
    const bool quoted = needsQuotes(value);
    QString line;
    line.reserve(key.size() + keyNumber.size() + value.size() + 3);
    line.append(key);
    line.append(keyNumber);
    line.append(u'=');
    if (quoted)
        line.append(u'"');
    line.append(value);
    if (quoted)
        line.append(u'"');
    return line;
}

// Where the writer's lines go: a list of texts, or the bytes of the file.
class LineSink
{
public:
    virtual ~LineSink() = default;
    virtual void line(QStringView text) = 0;
    // The key is followed by the number when the number is above 0.
    virtual void entry(QStringView key, int number, QStringView value) = 0;
    void entry(QStringView key, QStringView value) { entry(key, 0, value); }
    void reserve(qsizetype lines, qsizetype characters) { doReserve(lines, characters); }

private:
    virtual void doReserve(qsizetype lines, qsizetype characters) = 0;
};

class TextSink : public LineSink
{
public:
    void line(QStringView text) override { lines.append(text.toString()); }
    void entry(QStringView key, int number, QStringView value) override
    {
        lines.append(entryLine(key, number, value));
    }
    QStringList lines;

private:
    void doReserve(qsizetype count, qsizetype) override { lines.reserve(lines.size() + count); }
};

// Encodes every line into the file's bytes as it comes, each ended by CR LF. The first line the
// code page cannot hold stops the encoding and keeps the reason.
class ByteSink : public LineSink
{
public:
    void line(QStringView text) override
    {
        if (!failed && encode(text))
            end();
        else if (!failed)
            fail(text.toString());
    }
    void entry(QStringView key, int number, QStringView value) override
    {
        if (failed)
            return;
        char16_t digits[12];
        const QStringView keyNumber = digitsOf(number, std::end(digits));
        const bool quoted = needsQuotes(value);
        makeRoom(key.size() + keyNumber.size() + value.size() + 5);
        const bool encoded = encode(key) && encode(keyNumber);
        put('=');
        if (quoted)
            put('"');
        if (!encoded || !encode(value))
            return fail(entryLine(key, number, value));
        if (quoted)
            put('"');
        end();
    }
    // The bytes written, or empty with the reason after a failure.
    QByteArray finish(QString* reason)
    {
        bytes.resize(failed ? 0 : size);
        if (failed && reason)
            *reason = failure;
        return std::move(bytes);
    }
    bool failed = false;

private:
    void doReserve(qsizetype, qsizetype characters) override
    {
        if (size + characters > bytes.size())
            bytes.resize(size + characters);
    }
    void makeRoom(qsizetype count)
    {
        if (size + count > bytes.size())
            bytes.resize(std::max(size + count, 2 * bytes.size()));
    }
    bool encode(QStringView text)
    {
        makeRoom(text.size() + 2);
        if (!encodeWindows1252(text, bytes.data() + size, &bad))
            return false;
        size += text.size();
        return true;
    }
    void put(char byte) { bytes.data()[size++] = byte; }
    void end()
    {
        put('\r');
        put('\n');
    }
    void fail(const QString& text)
    {
        failed = true;
        failure = unencodableLineReason(text, bad);
    }

    QByteArray bytes;
    qsizetype size = 0;
    QChar bad;
    QString failure;
};

QString trimBlanks(const QString& value)
{
    qsizetype begin = 0;
    qsizetype end = value.size();
    while (begin < end && isBlank(value[begin]))
        ++begin;
    while (end > begin && isBlank(value[end - 1]))
        --end;
    return value.mid(begin, end - begin);
}

// Whether the line holds nothing but blanks, possibly inside a pair of quotes: written as it
// is it reads back empty or blank, and the loader ends a list at an empty entry.
bool isBlankLine(const QString& line)
{
    QString inner = trimBlanks(line);
    if (isWhollyQuoted(inner))
        inner = trimBlanks(inner.mid(1, inner.size() - 2));
    return inner.isEmpty();
}

// The lines of a troop list that reach the file. A blank line is left out: the roster program
// and our loader would see no line after it.
QStringList writtenLines(const LineList* list)
{
    QStringList lines;
    if (list) {
        for (const QString& line : list->lines()) {
            if (!isBlankLine(line))
                lines << line;
        }
    }
    return lines;
}

// One entry per line, keyed by the prefix and the line's position from 1.
void writeList(const QStringList& lines, const QString& prefix, const QString& valuePrefix,
               LineSink& out)
{
    for (int i = 0; i < lines.size(); ++i)
        out.entry(prefix, i + 1, valuePrefix.isEmpty() ? lines[i] : valuePrefix + lines[i]);
}

// Armour is written only when its text reads as a number other than 0.
void writeArmour(const QString& key, const QString& value, LineSink& out)
{
    if (readNumber(value) != 0)
        out.entry(key, value);
}

// The first count fields of the line, and empty ones for those it lacks.
QString joinFields(const QString& line, int count)
{
    int fields = 1;
    qsizetype end = line.size();
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == u',' && ++fields > count) {
            end = i;
            --fields;
            break;
        }
    }
    return fields < count ? line.left(end) + QString(count - fields, u',') : line.left(end);
}

// The catalogue's entries cut or padded to their fields. Entries that become the same line, or
// lines the catalogue counts as equal, are written once, in the catalogue's order, as a load
// gives them back. A catalogue whose entries all have their fields already is written as it
// stands: it holds no two equal lines and is in order.
void writeCatalogue(const Store& store, const LineList* catalogue, const QString& section,
                    int fields, LineSink& out)
{
    if (!catalogue || catalogue->isEmpty())
        return;
    const auto hasFields = [fields](QStringView line) {
        int commas = 0;
        for (const QChar c : line)
            commas += c == u',';
        return commas == fields - 1;
    };
    const QStringList& held = catalogue->lines();
    const bool changed = !std::all_of(held.begin(), held.end(), hasFields);
    const auto lines = store.newSortedList();
    if (changed) {
        QStringList joined;
        joined.reserve(held.size());
        for (const QString& line : held)
            joined << joinFields(line, fields);
        lines->addAll(std::move(joined));
    }
    out.line(section);
    const QStringList& written = changed ? lines->lines() : held;
    qsizetype characters = 0;
    for (const QString& line : written)
        characters += line.size() + 12;
    out.reserve(written.size() + 1, characters);
    for (int i = 0; i < written.size(); ++i)
        out.entry(QStringView(), i + 1, written[i]);
}

void writeHeader(LineSink& out)
{
    for (const char* line : headerLines)
        out.line(QString::fromLatin1(line));
}

void writeArmy(const Store& store, LineSink& out)
{
    out.line(u"[Race]");
    out.entry(u"Name", store.army.name);
    out.entry(u"UnitName", store.army.unitWord);
    out.entry(u"SquadName", store.army.squadWord);
    out.line(QStringView());
}

void writeTroops(const Store& store, LineSink& out)
{
    const int count = qBound(0, store.troopCount, int(Store::slotCount));
    for (int k = 1; k <= count; ++k) {
        const Troop& troop = store.troops[k - 1];
        out.line(QStringLiteral("[Troop%1]").arg(k));
        out.entry(u"Name", troop.name);
        out.entry(u"Points", troop.points);
        out.entry(u"Type", troop.role);
        out.entry(u"Min", troop.minModels);
        out.entry(u"Max", troop.maxModels);
        writeArmour(QStringLiteral("f_arm"), troop.frontArmour, out);
        writeArmour(QStringLiteral("s_arm"), troop.sideArmour, out);
        writeArmour(QStringLiteral("r_arm"), troop.rearArmour, out);
        out.entry(u"Chars", troop.characteristics);
        out.entry(u"Weapons", troop.weaponLimit);
        writeList(writtenLines(troop.standardWeapons.get()), QStringLiteral("Weapon"), QString(),
                  out);
        // The loader drops everything up to the first comma, so the maximum in front of each
        // line is written as its number: a Max text holding a comma would otherwise grow the
        // line on every save.
        writeList(writtenLines(troop.replaceableWeapons.get()), QStringLiteral("R_Weapon"),
                  QString::number(readNumber(troop.maxModels)) + u',', out);
        writeList(writtenLines(troop.additionalWeapons.get()), QStringLiteral("A_Weapon"),
                  QString(), out);
        const QStringList abilities = writtenLines(troop.abilities.get());
        if (!abilities.isEmpty() && !troop.abilityLimits.isEmpty())
            out.entry(u"Specials", troop.abilityLimits);
        writeList(abilities, QStringLiteral("Special"), QString(), out);
        out.line(QStringView());
    }
}

void writeDatafile(const Store& store, LineSink& out)
{
    writeHeader(out);
    writeArmy(store, out);
    writeTroops(store, out);
    const LineList* weapons = store.weaponCatalogue.get();
    writeCatalogue(store, weapons, QStringLiteral("[WeaponSpecs]"), 6, out);
    if (weapons && !weapons->isEmpty())
        out.line(QStringView());
    writeCatalogue(store, store.abilityCatalogue.get(), QStringLiteral("[Specials]"), 2, out);
}

} // namespace

QStringList datafileLines(const Store& store)
{
    TextSink out;
    writeDatafile(store, out);
    return out.lines;
}

bool encodeDatafile(const Store& store, QByteArray& bytes, QString* reason)
{
    ByteSink out;
    writeDatafile(store, out);
    bytes = out.finish(reason);
    return !out.failed;
}

bool writeDatafile(const QString& path, const Store& store, QString* reason)
{
    QByteArray bytes;
    return encodeDatafile(store, bytes, reason) && replaceFileWith(path, bytes, reason);
}
