#include "platform/windows/SystemError.h"

#include <QDir>
#include <string>
#include <windows.h>

QString systemErrorText(unsigned long error)
{
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    QString words = length ? QString::fromWCharArray(text, int(length)).trimmed()
                           : QStringLiteral("Windows error %1").arg(error);
    LocalFree(text);
    return words;
}

QString nativePath(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// The system turns a device name in any folder (C:\armies\NUL) into its device path (\\.\NUL).
bool namesDevice(const QString& path)
{
    const QString native = nativePath(path);
    const DWORD size =
        GetFullPathNameW(reinterpret_cast<const wchar_t*>(native.utf16()), 0, nullptr, nullptr);
    if (size == 0)
        return false;
    std::wstring full(size, L'\0');
    const DWORD length = GetFullPathNameW(reinterpret_cast<const wchar_t*>(native.utf16()), size,
                                          full.data(), nullptr);
    full.resize(length);
    return full.rfind(L"\\\\.\\", 0) == 0;
}

bool fail(QString* reason, const QString& text)
{
    if (reason)
        *reason = text;
    return false;
}

bool failWithError(QString* reason, unsigned long error)
{
    return fail(reason, systemErrorText(error));
}
