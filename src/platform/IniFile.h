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
    // A missing or unreadable file reads as a file with no sections; *reason then says why
    // the file could not be read.
    static IniFile read(const QString& path, QString* reason = nullptr);
    static IniFile parse(const QByteArray& bytes);

    QStringList sectionNames() const;
    QStringList keyNames(const QString& section) const;
    QString value(const QString& section, const QString& key, const QString& fallback) const;
    // Whether the section names hold this one.
    bool hasSection(const QString& name) const { return findSection(name) != nullptr; }

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

    const Section* findSection(const QString& name) const;

    std::vector<Section> sections;
};
