#pragma once

#include <QStringList>

// The datafiles last loaded or saved, most recent first, kept across runs in the program's
// settings (organisation and application "Quarrimak").
class RecentFiles
{
public:
    static constexpr int maxFiles = 8;

    QStringList files() const;
    // Puts the file first, once; the oldest beyond the eighth goes.
    void add(const QString& path);
    void remove(const QString& path);
    void clear();

private:
    void store(const QStringList& files);
};
