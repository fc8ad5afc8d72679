// Any bytes read as a datafile, loaded, saved, loaded and saved again: the two saves must be
// the same bytes, and nothing on the way may crash, leak or hang.
#include "support/SaveLoad.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray file =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString difference = saveLoadDifference(file);
    if (!difference.isEmpty()) {
        std::fprintf(stderr, "%s\n", difference.toLocal8Bit().constData());
        std::abort();
    }
    return 0;
}
