#include "platform/TemporaryFiles.h"

#include <windows.h>

bool processRuns(qint64 process)
{
    if (process <= 0)
        return false;
    const HANDLE handle = OpenProcess(SYNCHRONIZE, FALSE, DWORD(process));
    if (!handle)
        return GetLastError() == ERROR_ACCESS_DENIED;
    const bool running = WaitForSingleObject(handle, 0) == WAIT_TIMEOUT;
    CloseHandle(handle);
    return running;
}
