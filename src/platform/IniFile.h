#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <functional>
#include <vector>

// An initialisation file parsed once, answering the three questions the Windows service
// answers: the section names, the key names of a section, and a key's value with a default.
// Names match without regard to the case of ASCII letters; nothing is cut to a buffer size.
// Every question is answered from an index built once, so a look-up costs the same in a file of
// any size. The file is read a piece at a time and only its names and values are kept: the
// values each as a text of its own, the key names together in one text.
class IniFile
{
public:
    // A key and its value as the file holds them, valid while the file lives.
    struct KeyValue {
        QStringView key;
        const QString* value;
    };

    // A missing or unreadable file reads as a file with no sections; *reason then says why
    // the file could not be read.
    // With `content`, the file's bytes are kept there too.
    static IniFile read(const QString& path, QString* reason = nullptr,
                        QByteArray* content = nullptr);
    static IniFile parse(const QByteArray& bytes);

    QStringList sectionNames() const;
    QStringList keyNames(const QString& section) const;
    QString value(const QString& section, const QString& key, const QString& fallback) const;
    // Whether the section names hold this one.
    bool hasSection(const QString& name) const { return findSection(name) != nullptr; }
    // Every key of keyNames(section), in the same order, with the value that
    // value(section, key, "") gives for it.
    std::vector<KeyValue> keyValues(const QString& section) const;
    // How many keys keyNames(section) lists, without making the list.
    qsizetype keyCount(const QString& section) const;
    // How many lines the section has, with "=" or without.
    int lineCount(const QString& section) const;
    // The values of keyValues(section), in the same order. When every line of the section has
    // "=" and a key of its own, as a saved catalogue's have, the list is the file's own,
    // shared rather than copied.
    QStringList values(const QString& section) const;
    // Calls take(key, value) for each of keyValues(section) in turn, without making the list.
    void
    forEachKeyValue(const QString& section,
                    const std::function<void(QStringView key, const QString& value)>& take) const;
    // As forEachKeyValue, with the line that lineOf(section, key) answers for each key.
    void forEachKeyValueLine(
        const QString& section,
        const std::function<void(QStringView key, const QString& value, int line)>& take) const;
    // Calls take(key, value) for every line of the section in file order: also for a line
    // without "=" (value null) and for a key that an earlier line has already. A reader that
    // takes the first line of each name, and the default for a first line without "=", gets
    // what value() answers, in one walk and without a look-up.
    void forEachLine(const QString& section,
                     const std::function<void(QStringView key, const QString* value)>& take) const;

    // The number (from 1) of the file's line that value(section, key, ...) answers from; the
    // line of the section's header when the section lacks the key, 0 when there is no such
    // section. Lines are counted as an editor counts them: CR LF, CR or LF ends one.
    int lineOf(const QString& section, const QString& key) const;
    // The line of the section's header, or 0 when there is no such section.
    int sectionLine(const QString& section) const;

    // Whether two names are the same name to a look-up: equal but for the case of ASCII
    // letters.
    static bool sameName(QStringView a, QStringView b);

    // How many slots of an index the look-ups of this thread have visited so far: the work a
    // look-up costs, counted so that tests can hold it to the size of the file.
    static quint64 lookupSteps();

private:
    class Builder;

    // Finds the first of the names held at positions 0, 1, 2, ... of a list kept elsewhere (the
    // sections or the entries of one section), by a hash of the name as look-ups match it.
    class NameIndex
    {
    public:
        // The position of the first name that matches; the given position when there is none,
        // which is then the first of its name.
        template <typename NameAt> int addFirst(QStringView name, int position, NameAt nameAt);
        // Makes an empty index room for count names at once.
        void reserve(size_t count);
        // The position of the first name that matches, or -1.
        template <typename NameAt> int find(QStringView name, NameAt nameAt) const;

    private:
        // Each slot holds a position, or -1 when empty; the names are hashed again on growth
        // rather than kept, so that the index costs four bytes a slot. A table may have any
        // number of slots, so that one sized at once fits its names closely.
        template <typename NameAt> size_t slotOf(QStringView name, NameAt nameAt) const;
        size_t start(quint32 hash) const;
        size_t next(size_t slot) const;
        template <typename NameAt> void grow(NameAt nameAt);

        std::vector<int> table;
        size_t used = 0;
    };

    // The entries of a section stand together in the file's list of entries; the section
    // holds their values, entry i's at i. What only the keys' names tell (which entry is the
    // first of its name, whether any name repeats, the index) is made when first needed; a
    // section whose keys cannot repeat is indexed only when a key is looked up in it.
    struct Section {
        QString name;
        int line = 0;
        size_t firstEntry;
        QStringList values;
        int entryCount() const { return int(values.size()); }
        bool everyLineKeyed = true;
        mutable bool marked = false;
        mutable bool keysDistinct = false;
        mutable bool indexed = false;
        mutable NameIndex index;
    };

    const Section* findSection(QStringView name) const;
    // Whether the keys of the section are whole numbers without leading zeros that rise from
    // line to line, as a saved catalogue's do: then no two of them name the same.
    bool keysRiseAsNumbers(const Section& section) const;
    // Marks the first entry of each name in the section, once.
    void markFirsts(const Section& section) const;
    // Makes the section's index, marking the first entry of each name.
    void makeIndex(const Section& section) const;
    // Entry e of the file: its key, which starts where the key of entry e - 1 ends; whether its
    // line has "="; whether it is the first entry of its section with its name.
    QStringView keyOf(size_t e) const
    {
        const quint32 start = e == 0 ? 0 : keyMarks[e - 1] & keyEndMask;
        return QStringView(keyText).mid(start, (keyMarks[e] & keyEndMask) - start);
    }
    bool hasValue(size_t e) const { return keyMarks[e] & hasValueFlag; }
    bool isFirst(size_t e) const { return keyMarks[e] & firstFlag; }
    size_t entryAt(const Section& section, int i) const { return section.firstEntry + size_t(i); }
    int findEntry(const Section& section, QStringView key) const;

    std::vector<Section> sections;
    NameIndex sectionIndex;
    // The section the last look-up found: asked for by its own name again, as the loader asks
    // for one section many times in a row, it answers without a look-up.
    mutable int lastSectionFound = -1;
    // The entries of the file in order: entry e's key's end in keyText with the flags below;
    // the first-of-name flag is set when the section is first marked.
    mutable std::vector<quint32> keyMarks;
    static constexpr quint32 keyEndMask = (quint32(1) << 30) - 1;
    static constexpr quint32 hasValueFlag = quint32(1) << 30;
    static constexpr quint32 firstFlag = quint32(1) << 31;
    QString keyText;
    // The line of each entry of the file, by its number in keyMarks.
    std::vector<int> entryLines;
};
