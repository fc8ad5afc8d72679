#pragma once

#include <QHash>
#include <QSet>
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

    // Counts the file as opened: its name may now stand for files of several folders.
    void opened(const QString& path);
    // The file's name, with its folder's when another folder's file of that name was opened
    // since the program started.
    QString titleOf(const QString& path) const;

private:
    void store(const QStringList& files);

    // For each file name, the folders it was opened from since the program started.
    QHash<QString, QSet<QString>> foldersOfName;
};

// The file's name and its folder's, so that files of one name are told apart:
// "vhold.ini  (…/Iron Legion)".
QString nameWithFolder(const QString& path);
