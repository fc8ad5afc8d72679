#include "ui/main/RecentFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace
{

const QString recentKey = QStringLiteral("recentFiles");

QSettings settings()
{
    return QSettings(QStringLiteral("Quarrimak"), QStringLiteral("Quarrimak"));
}

} // namespace

QStringList RecentFiles::files() const
{
    return settings().value(recentKey).toStringList().mid(0, maxFiles);
}

void RecentFiles::add(const QString& path)
{
    QStringList list = files();
    list.removeAll(path);
    list.prepend(path);
    store(list.mid(0, maxFiles));
}

void RecentFiles::remove(const QString& path)
{
    QStringList list = files();
    list.removeAll(path);
    store(list);
}

void RecentFiles::clear()
{
    store({});
}

void RecentFiles::store(const QStringList& list)
{
    QSettings kept = settings();
    kept.setValue(recentKey, list);
}

void RecentFiles::opened(const QString& path)
{
    const QFileInfo file(path);
    foldersOfName[file.fileName()].insert(file.absolutePath());
}

QString RecentFiles::titleOf(const QString& path) const
{
    const QString name = QFileInfo(path).fileName();
    return foldersOfName.value(name).size() > 1 ? nameWithFolder(path) : name;
}

QString nameWithFolder(const QString& path)
{
    const QFileInfo file(path);
    const QString folder = QFileInfo(file.absolutePath()).fileName();
    const QString shown = folder.isEmpty() ? file.absolutePath() : QStringLiteral("…/") + folder;
    return file.fileName() + QStringLiteral("  (") + QDir::toNativeSeparators(shown) + u')';
}
