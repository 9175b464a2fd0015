#include "RoundTripCheck.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

// Any input the reader accepts must survive a save, a read and a second save unchanged.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString fault = RoundTripFault(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (!fault.isEmpty()) {
        std::fprintf(stderr, "%s\n", fault.toUtf8().constData());
        std::abort();
    }
    return 0;
}
