#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

// An initialisation file parsed once, answering the three questions the Windows service
// answers: the section names, the key names of a section, and a key's value with a default.
// Names match without regard to the case of ASCII letters; nothing is cut to a buffer size.
class IniFile
{
public:
    // A missing or unreadable file reads as a file with no sections.
    static IniFile Read(const QString& path);
    static IniFile Parse(const QByteArray& bytes);

    QStringList SectionNames() const;
    QStringList KeyNames(const QString& section) const;
    QString Value(const QString& section, const QString& key, const QString& fallback) const;
    // Whether the section names hold this one.
    bool HasSection(const QString& name) const { return FindSection(name) != nullptr; }

private:
    struct Entry {
        QString key;
        QString value;
        bool hasValue; // false for a line without "="
    };
    struct Section {
        QString name;
        std::vector<Entry> entries;
    };

    const Section* FindSection(const QString& name) const;

    std::vector<Section> sections;
};
