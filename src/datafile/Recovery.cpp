#include "datafile/Recovery.h"

#include "datafile/Loader.h"
#include "datafile/Writer.h"
#include "platform/DatafileOutput.h"
#include "platform/IniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QUrl>
#include <algorithm>

namespace
{

const QByteArray unfinishedSection = "[QuarrimakUnfinishedTroop]";
const QByteArray workSection = "[QuarrimakRecovery]";
const QString filePattern = QStringLiteral("recovery-*.ini");

class QuietProgress : public LoadProgress
{
public:
    void armyRead() override {}
    void troopRead(int) override {}
    void raceMissing() override {}
};

std::unique_ptr<QLockFile> lockOf(const QString& path)
{
    auto lock = std::make_unique<QLockFile>(path + QStringLiteral(".lock"));
    lock->setStaleLockTime(0);
    return lock;
}

} // namespace

QByteArray recoveryBody(const Store& army, bool unfinishedTroop)
{
    QByteArray bytes;
    if (!encodeDatafile(army, bytes, nullptr))
        return QByteArray();
    return recoveryBody(std::move(bytes), army, unfinishedTroop);
}

QByteArray recoveryBody(QByteArray datafile, const Store& army, bool unfinishedTroop)
{
    QByteArray bytes = std::move(datafile);
    if (bytes.isEmpty() || !unfinishedTroop || army.troopCount >= Store::slotCount)
        return bytes;
    // The troop is written as the only troop of an army of its own, and its section renamed.
    Store alone(QLocale::c());
    alone.troops[0] = army.troops[army.troopCount];
    alone.troopCount = 1;
    QByteArray troop;
    if (!encodeDatafile(alone, troop, nullptr))
        return QByteArray();
    const qsizetype start = troop.indexOf("[Troop1]\r\n");
    qsizetype end = troop.indexOf("\r\n[", start + 1);
    end = end < 0 ? troop.size() : end + 2;
    bytes += unfinishedSection + "\r\n" + troop.mid(start + 10, end - start - 10);
    return bytes;
}

RecoveryFile::RecoveryFile(QString recoveryFolder) : folder(std::move(recoveryFolder)) {}

RecoveryFile::~RecoveryFile() = default;

QString RecoveryFile::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           QStringLiteral("/recovery");
}

// The file is named after this program's run the first time it is written, and locked.
bool RecoveryFile::claim(QString* reason)
{
    if (lock)
        return true;
    if (!QDir().mkpath(folder)) {
        if (reason)
            *reason = QStringLiteral("The folder ") + folder + QStringLiteral(" cannot be made.");
        return false;
    }
    const QString name = QStringLiteral("recovery-%1-%2.ini")
                             .arg(QCoreApplication::applicationPid())
                             .arg(QRandomGenerator::global()->generate64(), 0, 16);
    filePath = folder + u'/' + name;
    lock = lockOf(filePath);
    if (!lock->tryLock(0)) {
        lock.reset();
        if (reason)
            *reason = QStringLiteral("The recovery file ") + filePath +
                      QStringLiteral(" cannot be locked.");
        return false;
    }
    return true;
}

bool RecoveryFile::write(const RecoveredWork& work, QString* reason)
{
    QByteArray datafile;
    if (!encodeDatafile(work.army, datafile, nullptr))
        datafile.clear();
    return write(work, std::move(datafile), reason);
}

bool RecoveryFile::write(const RecoveredWork& work, QByteArray datafile, QString* reason)
{
    if (!claim(reason))
        return false;
    QByteArray bytes = recoveryBody(std::move(datafile), work.army, work.unfinishedTroop);
    if (bytes.isEmpty()) {
        if (reason)
            *reason = QStringLiteral("The army holds a character the datafile cannot hold.");
        return false;
    }
    bytes += workSection + "\r\nFile=" + QUrl::toPercentEncoding(work.file) +
             "\r\nTime=" + work.time.toUTC().toString(Qt::ISODateWithMs).toLatin1() + "\r\n";
    return replaceFileWith(filePath, bytes, reason);
}

bool RecoveryFile::exists() const
{
    return !filePath.isEmpty() && QFileInfo::exists(filePath);
}

void RecoveryFile::remove()
{
    if (!filePath.isEmpty())
        QFile::remove(filePath);
}

bool LeftWork::read(RecoveredWork& work, QString* reason) const
{
    QString why;
    const IniFile file = IniFile::read(path, &why);
    if (!why.isEmpty()) {
        if (reason)
            *reason = why;
        return false;
    }
    const QString section = QString::fromLatin1(workSection.mid(1, workSection.size() - 2));
    if (!file.hasSection(QStringLiteral("Race")) || !file.hasSection(section)) {
        if (reason)
            *reason = QStringLiteral("The file ") + path +
                      QStringLiteral(" holds no army that can be restored.");
        return false;
    }
    QuietProgress quiet;
    loadDatafile(work.army, file, quiet);
    work.file = QUrl::fromPercentEncoding(
        file.value(section, QStringLiteral("File"), QString()).toLatin1());
    work.time = QDateTime::fromString(file.value(section, QStringLiteral("Time"), QString()),
                                      Qt::ISODateWithMs);
    const QString unfinished =
        QString::fromLatin1(unfinishedSection.mid(1, unfinishedSection.size() - 2));
    work.unfinishedTroop = file.hasSection(unfinished) && work.army.troopCount < Store::slotCount;
    if (work.unfinishedTroop) {
        // The section is read as the only troop of an army of its own.
        QFile raw(path);
        QByteArray bytes;
        if (raw.open(QIODevice::ReadOnly))
            bytes = raw.readAll();
        const qsizetype start = bytes.indexOf(unfinishedSection + "\r\n");
        qsizetype end = bytes.indexOf("\r\n[", start + 1);
        end = end < 0 ? bytes.size() : end + 2;
        const QByteArray troop =
            "[Race]\r\n[Troop1]\r\n" + bytes.mid(start + unfinishedSection.size() + 2,
                                                 end - start - unfinishedSection.size() - 2);
        Store alone(QLocale::c());
        loadDatafile(alone, IniFile::parse(troop), quiet);
        work.army.troops[work.army.troopCount] = alone.troops[0];
    }
    return true;
}

void LeftWork::discard()
{
    QFile::remove(path);
    if (lock)
        lock->unlock();
}

void LeftWork::setAside()
{
    QFile::remove(path + QStringLiteral(".bad"));
    QFile::rename(path, path + QStringLiteral(".bad"));
    if (lock)
        lock->unlock();
}

std::vector<LeftWork> leftWork(const QString& folder)
{
    std::vector<LeftWork> found;
    const QFileInfoList files = QDir(folder).entryInfoList({filePattern}, QDir::Files, QDir::Time);
    for (const QFileInfo& info : files) {
        auto lock = lockOf(info.filePath());
        // A lock that a running program holds cannot be taken; that of a program that died
        // is stale and taken over.
        if (!lock->tryLock(0))
            continue;
        found.push_back({info.filePath(), std::move(lock), info.lastModified()});
    }
    return found;
}
