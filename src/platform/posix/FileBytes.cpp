#include "platform/FileBytes.h"

#include <QByteArray>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

bool fail(QString* reason, const QString& text)
{
    if (reason)
        *reason = text;
    return false;
}

bool failWithErrno(QString* reason, int error)
{
    return fail(reason, QString::fromLocal8Bit(std::strerror(error)));
}

// Closes the file however the read ends.
class Descriptor
{
public:
    explicit Descriptor(int descriptor) : fd(descriptor) {}
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    const int fd;
};

} // namespace

bool readFileChunks(const QString& path, QString* reason,
                    const std::function<void(const char* data, qsizetype size)>& consume,
                    qint64 limit)
{
    if (path.isEmpty())
        return failWithErrno(reason, ENOENT);
    const QByteArray name = QFile::encodeName(path);

    // A device or a pipe is not opened at all: opening one may wait or have effects of its
    // own. The check is made again on what was opened, in case the path changed meanwhile.
    struct stat status;
    if (::stat(name.constData(), &status) != 0)
        return failWithErrno(reason, errno);
    if (!S_ISREG(status.st_mode))
        return fail(reason, notRegularFileReason());

    const Descriptor file(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.fd < 0)
        return failWithErrno(reason, errno);
    if (::fstat(file.fd, &status) != 0)
        return failWithErrno(reason, errno);
    if (!S_ISREG(status.st_mode))
        return fail(reason, notRegularFileReason());
    if (status.st_size > limit)
        return fail(reason, tooLargeReason(limit));

    // Files of the system's own folders (/proc, /sys) claim a size of 0 or one that is not
    // their length, so the read goes on until the end or past the limit, whichever comes
    // first. Reads of one whole chunk suit the files that accept only whole records.
    try {
        QByteArray chunk(fileChunkSize, Qt::Uninitialized);
        qint64 total = 0;
        for (;;) {
            const ssize_t got = ::read(file.fd, chunk.data(), size_t(fileChunkSize));
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                return failWithErrno(reason, errno);
            if (got == 0)
                break;
            total += got;
            if (total > limit)
                return fail(reason, tooLargeReason(limit));
            consume(chunk.constData(), qsizetype(got));
        }
    } catch (const std::bad_alloc&) {
        return failWithErrno(reason, ENOMEM);
    }
    return true;
}
