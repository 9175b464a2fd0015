#include "exchange/AddressBook.h"
#include "memorydial/CodePage.h"

#include <cstdint>
#include <cstdlib>
#include <utility>

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

// The filled telephone and mail slots, a kind left empty read as "other" (a number without a
// type is one to every importer): a vCard carries no slot positions, so gaps between slots
// close on the way back.
QStringList FilledSlots(const Entry& entry)
{
    QStringList filled;
    using Cell = int (*)(int);
    for (const auto& [numberCell, kindCell] :
         {std::pair<Cell, Cell>{TelNumberCell, TelKindCell}, std::pair<Cell, Cell>{MailAddressCell, MailKindCell}}) {
        for (int slot = 1; slot <= kSlotCount; ++slot) {
            const QString& kind = entry[kindCell(slot)];
            if (!entry[numberCell(slot)].isEmpty()) {
                filled << entry[numberCell(slot)] + u'|' + (kind.isEmpty() ? QStringLiteral("その他") : kind);
            }
        }
        filled << QString();
    }
    return filled;
}

bool IsSlotCell(int cell)
{
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        if (cell == TelNumberCell(slot) || cell == TelKindCell(slot) || cell == MailAddressCell(slot) ||
            cell == MailKindCell(slot)) {
            return true;
        }
    }
    return false;
}

// An address without a kind is written without a type, which every importer, ours too,
// reads as "other".
bool KindFilledIn(int cell, const QString& before, const QString& after)
{
    return cell == kColAddressKind && before.isEmpty() && after == u"その他";
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
            if (FilledSlots(back.rows[row]) != FilledSlots(dial.rows[row])) {
                std::abort();
            }
            for (int cell = kColName; cell < kColRevision; ++cell) {
                if (IsSlotCell(cell)) {
                    continue;
                }
                // A position in another notation comes back as the same place in the
                // memory dial's own notation; one that does not read as a place is not
                // written to a vCard, and the export's report says so.
                const bool otherNotation =
                    cell == kColGps && (!dial.rows[row][cell].contains(u'&') ||
                                        (format == ExchangeFormat::VCard && !exported.report.details.isEmpty()));
                const QString& before = dial.rows[row][cell];
                const QString& after = back.rows[row][cell];
                if (cell != kColGroupNumber && !otherNotation && after != before &&
                    !KindFilledIn(cell, before, after)) {
                    std::abort();
                }
            }
        }
    }
    return 0;
}
