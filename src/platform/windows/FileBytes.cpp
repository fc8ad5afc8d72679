#include "platform/FileBytes.h"

#include "platform/windows/SystemError.h"

#include <QByteArray>
#include <new>
#include <windows.h>

namespace
{

// Closes the file however the read ends.
class Handle
{
public:
    explicit Handle(HANDLE handle) : handle(handle) {}
    ~Handle()
    {
        if (handle != INVALID_HANDLE_VALUE)
            CloseHandle(handle);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    const HANDLE handle;
};

} // namespace

// The file is read in binary mode through the wide-character calls: every byte as it is (a
// Ctrl-Z included), under any name the file system can hold. Others may go on reading, writing
// or replacing it meanwhile, as Musterant's own reads allow.
bool readFileChunks(const QString& path, QString* reason,
                    const std::function<void(const char* data, qsizetype size)>& consume,
                    qint64 limit)
{
    if (path.isEmpty())
        return failWithError(reason, ERROR_FILE_NOT_FOUND);
    const QString name = nativePath(path);
    const auto wideName = reinterpret_cast<const wchar_t*>(name.utf16());

    // A device or a pipe is not opened at all; a folder cannot be read. The check is made again
    // on what was opened, in case the path changed meanwhile.
    if (namesDevice(path))
        return fail(reason, notRegularFileReason());
    const DWORD attributes = GetFileAttributesW(wideName);
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return failWithError(reason, GetLastError());
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return fail(reason, notRegularFileReason());

    const Handle file(CreateFileW(wideName, GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (file.handle == INVALID_HANDLE_VALUE)
        return failWithError(reason, GetLastError());
    BY_HANDLE_FILE_INFORMATION information;
    if (GetFileType(file.handle) != FILE_TYPE_DISK)
        return fail(reason, notRegularFileReason());
    if (!GetFileInformationByHandle(file.handle, &information))
        return failWithError(reason, GetLastError());
    if (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return fail(reason, notRegularFileReason());
    const qint64 size = (qint64(information.nFileSizeHigh) << 32) | information.nFileSizeLow;
    if (size > limit)
        return fail(reason, tooLargeReason(limit));

    // The read goes on until the end or past the limit, whichever comes first, as the file may
    // grow while it is read.
    try {
        QByteArray chunk(fileChunkSize, Qt::Uninitialized);
        qint64 total = 0;
        for (;;) {
            DWORD got = 0;
            if (!ReadFile(file.handle, chunk.data(), DWORD(fileChunkSize), &got, nullptr))
                return failWithError(reason, GetLastError());
            if (got == 0)
                break;
            total += got;
            if (total > limit)
                return fail(reason, tooLargeReason(limit));
            consume(chunk.constData(), qsizetype(got));
        }
    } catch (const std::bad_alloc&) {
        return failWithError(reason, ERROR_NOT_ENOUGH_MEMORY);
    }
    return true;
}
