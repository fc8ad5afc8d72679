#pragma once

#include "store/Store.h"

#include <QByteArray>
#include <QDateTime>
#include <QLockFile>
#include <QString>
#include <memory>
#include <vector>

// The work a recovery file keeps: the army with its texts, the troop being built in the wizard
// when it is a new one (in the slot right after the accepted troops), the current file and when
// the copy was made.
struct RecoveredWork {
    Store army;
    bool unfinishedTroop = false;
    QString file;
    QDateTime time;
};

// The bytes that stand for the work in a recovery file: the army as Save writes it, then the
// unfinished troop in a section of its own. Empty when the army holds a character the datafile
// cannot hold.
QByteArray recoveryBody(const Store& army, bool unfinishedTroop);
// The same from the army's datafile as encodeDatafile() made it; empty stays empty.
QByteArray recoveryBody(QByteArray datafile, const Store& army, bool unfinishedTroop);

// The recovery file of this running program, in the folder of recovery files; its lock, held
// from the first write until the object goes, tells other programs that it is in use.
class RecoveryFile
{
public:
    explicit RecoveryFile(QString folder = defaultFolder());
    ~RecoveryFile();
    RecoveryFile(const RecoveryFile&) = delete;
    RecoveryFile& operator=(const RecoveryFile&) = delete;

    // The data folder's "recovery" folder.
    static QString defaultFolder();

    // Writes the work with the same safe replace as Save; false with the reason when it could
    // not be written.
    bool write(const RecoveredWork& work, QString* reason);
    // The same with the army's datafile as encodeDatafile() made it (empty when it could not).
    bool write(const RecoveredWork& work, QByteArray datafile, QString* reason);
    // Removes the file, when there is one.
    void remove();
    QString path() const { return filePath; }
    bool exists() const;

private:
    bool claim(QString* reason);

    QString folder;
    QString filePath;
    std::unique_ptr<QLockFile> lock;
};

// A recovery file whose program no longer runs, taken over: its lock is held until the object
// goes, so no other program offers it at the same time.
struct LeftWork {
    QString path;
    std::unique_ptr<QLockFile> lock;
    QDateTime time; // when it was last written

    // Reads the work; false with the reason when the file holds none.
    bool read(RecoveredWork& work, QString* reason) const;
    // Removes the file and its lock.
    void discard();
    // Renames the file with ".bad", so that it is offered no more.
    void setAside();
};

// The recovery files in the folder whose program no longer runs, newest first.
std::vector<LeftWork> leftWork(const QString& folder = RecoveryFile::defaultFolder());
