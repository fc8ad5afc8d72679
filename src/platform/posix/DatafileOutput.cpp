#include "platform/DatafileOutput.h"
#include "platform/TemporaryFiles.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
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
    QByteArray temporary;
    const int fd = createTemporary(target, temporary);
    if (fd < 0)
        return failWithErrno(reason, errno);
    int error = writeAll(fd, bytes);
    if (!error && exists && ::fchmod(fd, old.st_mode & 07777) != 0)
        error = errno;
    if (!error && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && !error)
        error = errno;
    if (!error && ::rename(temporary.constData(), QFile::encodeName(target).constData()) != 0)
        error = errno;
    if (error) {
        ::unlink(temporary.constData());
        return failWithErrno(reason, error);
    }
    if (const int syncError = syncFolder(target))
        return failWithErrno(reason, syncError);
    return true;
}
