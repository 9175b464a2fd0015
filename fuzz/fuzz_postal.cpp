#include "services/PostalIndex.h"

#include <cstddef>
#include <cstdint>

// Loads arbitrary bytes as a postal table, then checks that every record reads back and that
// looking up each code finds a record with that code no later than the record itself.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    PostalIndex index;
    if (!index.LoadFromBytes(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)))) {
        return 0;
    }
    for (qsizetype i = 0; i < index.count(); ++i) {
        const QString code = index.code(i);
        const qsizetype found = index.FindFirst(code);
        if (found < 0 || found > i || index.code(found) != code) {
            __builtin_trap();
        }
        if (!code.isEmpty() &&
            ShowAddressForPostalCode(index, code) != index.prefecture(found) + index.city(found) + index.town(found)) {
            __builtin_trap();
        }
    }
    return 0;
}
