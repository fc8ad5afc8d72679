#pragma once

#include "store/Store.h"

#include <QByteArray>
#include <QDateTime>
#include <QLockFile>
#include <QString>
#include <memory>
#include <vector>

// The work a recovery file keeps: the army with its texts, the troop being built in the wizard
// when it is a new one (in the slot right after the accepted troops) and the step of the wizard
// the user was on with it (2 to 7), the current file and when the copy was made.
struct RecoveredWork {
    Store army;
    bool unfinishedTroop = false;
    QString file;
    QDateTime time;
    int step = 2;
};

// The recovery file's text for the work: this program's own form, in UTF-8, which holds any
// text the army holds.
QByteArray recoveryBytes(const RecoveredWork& work);
// Reads a recovery file's bytes, of this form or of the datafile-based form that earlier
// versions wrote; false with the reason when they hold no work that can be restored.
bool readRecovery(const QByteArray& bytes, RecoveredWork& work, QString* reason);

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

// The recovery files in the folder whose program no longer runs, newest first. Temporary files
// that a write killed on the way left behind go, unless their copy's program still runs.
std::vector<LeftWork> leftWork(const QString& folder = RecoveryFile::defaultFolder());
