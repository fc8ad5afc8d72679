#include "platform/DatafileOutput.h"
#include "platform/TemporaryFiles.h"

#include "platform/windows/SystemError.h"

#include <QFileInfo>
#include <windows.h>

namespace
{

const wchar_t* wide(const QString& nativeName)
{
    return reinterpret_cast<const wchar_t*>(nativeName.utf16());
}

// Writes every byte, going on after a short write; a write that makes no progress without
// naming a cause is a full disk.
DWORD writeAll(HANDLE file, const QByteArray& bytes)
{
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const DWORD piece = DWORD(qMin<qsizetype>(left, 1 << 30));
        DWORD written = 0;
        if (!WriteFile(file, data, piece, &written, nullptr))
            return GetLastError();
        if (written == 0)
            return ERROR_DISK_FULL;
        data += written;
        left -= written;
    }
    return ERROR_SUCCESS;
}

// A new file in the folder of the target, under a name of its own that no other file has.
HANDLE createTemporary(const QString& target, QString& name)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = nativePath(temporaryPathFor(target));
        const HANDLE file = CreateFileW(wide(name), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS)
            return file;
    }
    SetLastError(ERROR_FILE_EXISTS);
    return INVALID_HANDLE_VALUE;
}

// Whether what is at the path can be saved over: a regular file, not a device or a pipe.
bool isDiskFile(const QString& name)
{
    const HANDLE file =
        CreateFileW(wide(name), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return true;
    const bool disk = GetFileType(file) == FILE_TYPE_DISK;
    CloseHandle(file);
    return disk;
}

// The attributes of the old file that the new one takes over, as a replaced file keeps them.
const DWORD keptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                             FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

} // namespace

// The bytes go to a temporary file beside the target, which reaches the disk before it replaces
// the target in one move that is itself written through to the disk, so that a save reported
// as done survives a power cut. Until the move the old file stays as it was, and if the move
// fails (another program holds the file open, say) it stays too. Only a regular file is
// replaced: a device or a folder keeps its place.
bool replaceFileWith(const QString& path, const QByteArray& bytes, QString* reason)
{
    if (path.isEmpty())
        return failWithError(reason, ERROR_PATH_NOT_FOUND);
    // A symbolic link is followed: the file it names is replaced and the link stays.
    QString target = path;
    const QFileInfo info(path);
    if (info.isSymbolicLink() && info.exists())
        target = info.canonicalFilePath();
    const QString name = nativePath(target);

    if (namesDevice(target))
        return fail(reason, notRegularTargetReason());
    const DWORD attributes = GetFileAttributesW(wide(name));
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (!exists && GetLastError() != ERROR_FILE_NOT_FOUND)
        return failWithError(reason, GetLastError());
    if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return fail(reason, QStringLiteral("It is a folder; only a regular file can be saved "
                                           "over."));
    if (exists && !isDiskFile(name))
        return fail(reason, notRegularTargetReason());
    // A read-only file is not replaced, though its folder would allow it.
    if (exists && (attributes & FILE_ATTRIBUTE_READONLY))
        return failWithError(reason, ERROR_ACCESS_DENIED);

    // Temporary files that a killed save left beside the target go first.
    removeLeftoverTemporaries(target);
    QString temporary;
    const HANDLE file = createTemporary(target, temporary);
    if (file == INVALID_HANDLE_VALUE)
        return failWithError(reason, GetLastError());
    DWORD error = writeAll(file, bytes);
    if (!error && !FlushFileBuffers(file))
        error = GetLastError();
    if (!CloseHandle(file) && !error)
        error = GetLastError();
    if (!error && exists && (attributes & keptAttributes) &&
        !SetFileAttributesW(wide(temporary), attributes & keptAttributes))
        error = GetLastError();
    if (!error && !MoveFileExW(wide(temporary), wide(name),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        error = GetLastError();
    if (error) {
        DeleteFileW(wide(temporary));
        return failWithError(reason, error);
    }
    return true;
}
