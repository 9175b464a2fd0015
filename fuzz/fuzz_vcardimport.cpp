#include "exchange/AddressBook.h"
#include "memorydial/CodePage.h"

#include <cstdint>
#include <cstdlib>

namespace {

const QDateTime kNow(QDate(2026, 1, 2), QTime(3, 4, 5));

// Every imported cell must be text a memory dial can hold, with nothing garbled into it.
bool Holdable(const MemoryDial& dial)
{
    for (const Entry& entry : dial.rows) {
        for (const QString& cell : entry.cells) {
            if (!CodePage::CanHold(cell) || cell.contains(QChar::ReplacementCharacter) || cell.contains(u'\n') ||
                cell.contains(u',')) {
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
    MemoryDial dial;
    ExchangeReport report;
    ImportAddressBookBytes(dial, QStringLiteral("in"), bytes, kNow, report);
    if (dial.RowCount() != report.entries || dial.RowCount() > kMaxEntries || !Holdable(dial)) {
        std::abort();
    }
    if (dial.rows.isEmpty()) {
        return 0;
    }
    // What was imported must come back whole through our own export, in both formats.
    for (const ExchangeFormat format : {ExchangeFormat::VCard, ExchangeFormat::Csv}) {
        const ExportResult exported = ExportAddressBook(dial, format, false);
        MemoryDial back;
        ExchangeReport again;
        ImportAddressBookBytes(back, QStringLiteral("again"), exported.bytes, kNow, again);
        if (back.RowCount() != dial.RowCount()) {
            std::abort();
        }
        for (qsizetype row = 0; row < dial.rows.size(); ++row) {
            for (int cell = kColName; cell < kColRevision; ++cell) {
                // A position in another notation comes back as the same place in the
                // memory dial's own notation.
                const bool otherNotation = cell == kColGps && !dial.rows[row][cell].contains(u'&');
                if (cell != kColGroupNumber && !otherNotation && back.rows[row][cell] != dial.rows[row][cell]) {
                    std::abort();
                }
            }
        }
    }
    return 0;
}
