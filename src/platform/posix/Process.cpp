#include "platform/TemporaryFiles.h"

#include <cerrno>
#include <signal.h>

bool processRuns(qint64 process)
{
    if (process <= 0)
        return false;
    return ::kill(pid_t(process), 0) == 0 || errno == EPERM;
}
