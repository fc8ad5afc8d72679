#include "ui/main/RecentFiles.h"

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
