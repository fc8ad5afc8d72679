#include "platform/DatafileOutput.h"
#include "platform/TemporaryFiles.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{

void setReason(QString* reason, const QString& text)
{
    if (reason)
        *reason = text;
}

bool failWithErrno(QString* reason, int error)
{
    setReason(reason, QString::fromLocal8Bit(std::strerror(error)));
    return false;
}

// Writes every byte, going on after a short write; a write that makes no progress without
// naming a cause is a full disk.
int writeAll(int fd, const QByteArray& bytes)
{
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return errno;
        if (written == 0)
            return ENOSPC;
        data += written;
        left -= written;
    }
    return 0;
}

// A test stops the saving process with SIGKILL at one step (QUARRIMAK_KILL_SAVE_AT=after-write,
// after-naming-began, after-link or after-rename) to see what a save killed there leaves in the
// folder; "after-link" stops the process that gives the file its names.
bool killedAt(const char* step)
{
    static const QByteArray killedAtStep = qgetenv("QUARRIMAK_KILL_SAVE_AT");
    return killedAtStep == step;
}

void stopIfKilledAt(const char* step)
{
    if (killedAt(step))
        ::kill(::getpid(), SIGKILL);
}

// A new file in the folder of the target, under a hidden name of its own; its permissions
// follow the process's file-creation mask, as those of a newly created file do.
int createTemporary(const QString& target, QByteArray& name)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = QFile::encodeName(temporaryPathFor(target));
        const int fd =
            ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

// A new file without a name in the folder of the target, or -1 where none is to be had: the
// file system may not offer them (FAT and exFAT sticks, network shares), or the folder refuses
// new files, which the named temporary file then reports in the system's own words. A test
// asks for the named file alone with QUARRIMAK_SAVE_NAMED_TEMPORARY.
int createUnnamed(const QString& target)
{
    static const bool namedOnly = qEnvironmentVariableIsSet("QUARRIMAK_SAVE_NAMED_TEMPORARY");
    if (namedOnly)
        return -1;
    const QByteArray folder = QFile::encodeName(QFileInfo(target).absolutePath());
    return ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
}

// The exit code of the naming process that could not link the file.
constexpr int linkRefused = 255;

// Links the complete file without a name under a temporary name beside the target and renames
// that onto the target. A kill between the two would leave the temporary name in the folder, so
// both are done by a process of their own, which finishes them whatever becomes of this one. It
// makes nothing but system calls. 0 when done; -1 where the file could not be linked (nothing
// is done then); else the rename's error, the target left as it was.
int nameInChild(int fd, const QByteArray& temporary, const QByteArray& target)
{
    const QByteArray openFile = "/proc/self/fd/" + QByteArray::number(fd);
    const bool stopAfterLink = killedAt("after-link");
    const pid_t child = ::fork();
    if (child < 0)
        return -1;
    if (child == 0) {
        // Straight from the open file where the process may, else through its entry in /proc.
        if (::linkat(fd, "", AT_FDCWD, temporary.constData(), AT_EMPTY_PATH) != 0 &&
            (errno == EEXIST || ::linkat(AT_FDCWD, openFile.constData(), AT_FDCWD,
                                         temporary.constData(), AT_SYMLINK_FOLLOW) != 0))
            ::_exit(linkRefused);
        if (stopAfterLink)
            ::kill(::getpid(), SIGKILL);
        if (::rename(temporary.constData(), target.constData()) != 0) {
            const int error = errno;
            ::unlink(temporary.constData());
            ::_exit(error);
        }
        ::_exit(0);
    }
    stopIfKilledAt("after-naming-began");
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR)
            return ECHILD;
    }
    if (WIFEXITED(status))
        return WEXITSTATUS(status) == linkRefused ? -1 : WEXITSTATUS(status);
    // Stopped on the way: a temporary name it may have given goes, and the target stays.
    ::unlink(temporary.constData());
    return EINTR;
}

// What a temporary file holds before it may take the target's place: every byte, the old
// file's permissions, and all of it on the disk.
int fillAndSync(int fd, const QByteArray& bytes, const struct stat* old)
{
    int error = writeAll(fd, bytes);
    if (!error && old && ::fchmod(fd, old->st_mode & 07777) != 0)
        error = errno;
    if (!error && ::fsync(fd) != 0)
        error = errno;
    return error;
}

// Puts the complete temporary file in the target's place; when that fails, it goes.
int renameOnto(const QByteArray& temporary, const QByteArray& target)
{
    if (::rename(temporary.constData(), target.constData()) == 0) {
        stopIfKilledAt("after-rename");
        return 0;
    }
    const int error = errno;
    ::unlink(temporary.constData());
    return error;
}

// The content goes into a file without a name, which is named only once it is complete on the
// disk and renamed onto the target by a process of its own, so that a save killed on the way
// leaves nothing in the folder. False, with nothing done, where no such file is to be had.
bool replaceThroughUnnamed(const QString& target, const QByteArray& bytes, const struct stat* old,
                           int& error)
{
    const int fd = createUnnamed(target);
    if (fd < 0)
        return false;
    error = fillAndSync(fd, bytes, old);
    if (!error)
        stopIfKilledAt("after-write");
    if (!error) {
        error =
            nameInChild(fd, QFile::encodeName(temporaryPathFor(target)), QFile::encodeName(target));
        if (!error)
            stopIfKilledAt("after-rename");
    }
    ::close(fd);
    return error >= 0;
}

// The content goes into a named temporary file, which a later save removes if this one is
// killed before the rename.
int replaceThroughNamed(const QString& target, const QByteArray& bytes, const struct stat* old)
{
    QByteArray temporary;
    const int fd = createTemporary(target, temporary);
    if (fd < 0)
        return errno;
    int error = fillAndSync(fd, bytes, old);
    if (::close(fd) != 0 && !error)
        error = errno;
    if (error) {
        ::unlink(temporary.constData());
        return error;
    }
    stopIfKilledAt("after-write");
    return renameOnto(temporary, QFile::encodeName(target));
}

// Makes the rename of a file in the folder durable. A file system that cannot sync a folder
// says so with EINVAL; it has nothing more to write.
int syncFolder(const QString& target)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(target).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    int error = 0;
    if (::fsync(fd) != 0 && errno != EINVAL)
        error = errno;
    ::close(fd);
    return error;
}

} // namespace

// The bytes go to a temporary file beside the target, which reaches the disk before it
// replaces the target in one rename; the folder is synced last, so that a save reported as
// done survives a power cut. Until the rename the old file stays as it was. Only a regular
// file is replaced: a device, a pipe or a socket keeps its place.
bool replaceFileWith(const QString& path, const QByteArray& bytes, QString* reason)
{
    if (path.isEmpty())
        return failWithErrno(reason, ENOENT);
    // A link is followed: the file it names is replaced and the link stays.
    QString target = path;
    const QFileInfo info(path);
    if (info.isSymLink() && info.exists())
        target = info.canonicalFilePath();

    struct stat old;
    const bool exists = ::stat(QFile::encodeName(target).constData(), &old) == 0;
    if (!exists && errno != ENOENT)
        return failWithErrno(reason, errno);
    if (exists && S_ISDIR(old.st_mode))
        return failWithErrno(reason, EISDIR);
    if (exists && !S_ISREG(old.st_mode)) {
        setReason(reason, notRegularTargetReason());
        return false;
    }
    // A file the user may not write to is not replaced, though its folder would allow it.
    if (exists && ::access(QFile::encodeName(target).constData(), W_OK) != 0)
        return failWithErrno(reason, errno);

    // Temporary files that a killed save left beside the target go first.
    removeLeftoverTemporaries(target);
    const struct stat* kept = exists ? &old : nullptr;
    int error = 0;
    if (!replaceThroughUnnamed(target, bytes, kept, error))
        error = replaceThroughNamed(target, bytes, kept);
    if (error)
        return failWithErrno(reason, error);
    if (const int syncError = syncFolder(target))
        return failWithErrno(reason, syncError);
    return true;
}
