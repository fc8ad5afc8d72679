// Any bytes read as a recovery copy: nothing may crash, leak or hang, and work that was read
// is written and read back the same.
#include "datafile/Recovery.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    RecoveredWork work;
    QString reason;
    if (!readRecovery(bytes, work, &reason))
        return 0;
    const QByteArray written = recoveryBytes(work);
    RecoveredWork again;
    if (!readRecovery(written, again, &reason) || recoveryBytes(again) != written ||
        !(again.army == work.army)) {
        std::fprintf(stderr, "the copy does not read back as it was written: %s\n",
                     qPrintable(reason));
        std::abort();
    }
    return 0;
}
