#include "services/PostalIndex.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

namespace {

bool IsPrefectureName(const QString& name)
{
    return name.endsWith(u'都') || name.endsWith(u'道') || name.endsWith(u'府') || name.endsWith(u'県');
}

} // namespace

// Loads arbitrary bytes as a postal table, whole and in small pieces, and checks that both give
// the same table, that every record is a postal record that reads back, and that looking up each
// code finds a record with that code no later than the record itself.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray csv(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    PostalIndex index;
    const bool loaded = index.LoadFromBytes(csv);

    // A piece may end anywhere: inside a field, a character or a CR LF.
    QBuffer buffer;
    buffer.setData(csv);
    if (!buffer.open(QIODevice::ReadOnly)) {
        __builtin_trap();
    }
    PostalIndex pieces;
    const qsizetype pieceBytes = size == 0 ? 1 : 1 + data[size - 1] % 16;
    if (pieces.LoadFromDevice(buffer, PostalIndex::kMaxBytes, pieceBytes) != loaded ||
        pieces.count() != index.count()) {
        __builtin_trap();
    }

    for (qsizetype i = 0; i < index.count(); ++i) {
        const QString code = index.code(i);
        if (pieces.code(i) != code || pieces.prefecture(i) != index.prefecture(i) || pieces.city(i) != index.city(i) ||
            pieces.town(i) != index.town(i) || !IsPrefectureName(index.prefecture(i))) {
            __builtin_trap();
        }
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
