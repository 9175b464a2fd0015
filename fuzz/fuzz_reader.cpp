#include "memorydial/MemoryDialReader.h"
#include "memorydial/MemoryDialWriter.h"

#include <cstdint>
#include <cstdlib>

namespace {

bool HoldsSeparator(const QString& text)
{
    for (const QChar c : text) {
        if (c == u',' || c == u'"' || c == u'\r' || c == u'\n') {
            return true;
        }
    }
    return false;
}

// Cells without separators cut into exactly the values they were written as, so the written
// file must read back with the same number of entries.
bool WritesCleanly(const MemoryDialContent& content)
{
    if (content.rows.isEmpty() || HoldsSeparator(content.VcVer)) {
        return false;
    }
    for (const Entry& entry : content.rows) {
        for (const QString& cell : entry.cells) {
            if (HoldsSeparator(cell)) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const MemoryDialReadResult first = ParseMemoryDial(bytes, QStringList());
    if (!first.content) {
        return 0;
    }
    // Everything that was read came out of code page 932, so it must encode again.
    QString error;
    const std::optional<QByteArray> written = EncodeMemoryDial(first.content->rows, first.content->VcVer, error);
    if (!written) {
        std::abort();
    }
    if (WritesCleanly(*first.content)) {
        const MemoryDialReadResult second = ParseMemoryDial(*written, QStringList());
        if (!second.content || second.content->EntryCount != first.content->EntryCount) {
            std::abort();
        }
    }
    return 0;
}
