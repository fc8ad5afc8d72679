#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

// An initialisation file parsed once, answering the three questions the Windows service
// answers: the section names, the key names of a section, and a key's value with a default.
// Names match without regard to the case of ASCII letters; nothing is cut to a buffer size.
// Every question is answered from an index built once, so a look-up costs the same in a file of
// any size.
class IniFile
{
public:
    // A key and its value as the file holds them, valid while the file lives.
    struct KeyValue {
        const QString* key;
        const QString* value;
    };

    // A missing or unreadable file reads as a file with no sections; *reason then says why
    // the file could not be read.
    static IniFile read(const QString& path, QString* reason = nullptr);
    static IniFile parse(const QByteArray& bytes);

    QStringList sectionNames() const;
    QStringList keyNames(const QString& section) const;
    QString value(const QString& section, const QString& key, const QString& fallback) const;
    // Whether the section names hold this one.
    bool hasSection(const QString& name) const { return findSection(name) != nullptr; }
    // Every key of keyNames(section), in the same order, with the value that
    // value(section, key, "") gives for it.
    std::vector<KeyValue> keyValues(const QString& section) const;

    // How many times readers of this thread have compared two names so far: the work a
    // look-up costs, counted so that tests can hold it to the size of the file.
    static quint64 nameComparisons();

private:
    // Finds the first of the names held at positions 0, 1, 2, ... of a list kept elsewhere (the
    // sections or the entries of one section), by a hash of the name as look-ups match it.
    class NameIndex
    {
    public:
        // The position of the first name that matches; the given position when there is none,
        // which is then the first of its name.
        template <typename NameAt> int addFirst(const QString& name, int position, NameAt nameAt);
        // The position of the first name that matches, or -1.
        template <typename NameAt> int find(const QString& name, NameAt nameAt) const;

    private:
        struct Slot {
            quint32 hash;
            int position; // -1 for an empty slot
        };
        template <typename NameAt>
        size_t slotOf(const QString& name, quint32 hash, NameAt nameAt) const;
        void grow();

        std::vector<Slot> table;
        size_t used = 0;
    };

    struct Entry {
        QString key;
        QString value;
        bool hasValue;  // false for a line without "="
        int firstOfKey; // the first entry of the section with the same name, which look-ups find
    };
    struct Section {
        QString name;
        std::vector<Entry> entries;
        NameIndex index;
    };

    const Section* findSection(const QString& name) const;

    std::vector<Section> sections;
    NameIndex sectionIndex;
};
