#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

// An initialisation file parsed once, answering the three questions the Windows service
// answers: the section names, the key names of a section, and a key's value with a default.
// Names match without regard to the case of ASCII letters; nothing is cut to a buffer size.
// Every question is answered from an index built once, so a look-up costs the same in a file of
// any size.
class IniFile
{
public:
    using KeyValue = std::pair<QString, QString>;

    // A missing or unreadable file reads as a file with no sections.
    static IniFile read(const QString& path);
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

    // A name with its ASCII letters in lower case, as look-ups match it.
    struct FoldedName {
        QString text;
        bool operator==(const FoldedName& other) const;
    };

private:
    struct Entry {
        QString key;
        QString value;
        bool hasValue;  // false for a line without "="
        int firstOfKey; // the first entry of the section with the same name, which look-ups find
    };
    struct Section {
        QString name;
        std::vector<Entry> entries;
        QHash<FoldedName, int> firstEntry;
    };

    const Section* findSection(const QString& name) const;

    std::vector<Section> sections;
    QHash<FoldedName, int> firstSection;
};

size_t qHash(const IniFile::FoldedName& name, size_t seed = 0);
