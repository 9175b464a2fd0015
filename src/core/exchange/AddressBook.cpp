#include "AddressBook.h"

#include "CsvExchange.h"
#include "ExchangeTexts.h"
#include "TextFit.h"
#include "VCardExport.h"
#include "VCardImport.h"
#include "VCardLines.h"
#include "editor/EditorFields.h"
#include "editor/EditorTexts.h"
#include "editor/EntryNavigation.h"
#include "editor/EntryStore.h"
#include "files/SafeFileRead.h"
#include "files/SafeFileWrite.h"
#include "memorydial/CodePage.h"
#include "memorydial/KindCodes.h"

#include <QFileInfo>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// Group 0 is the group of every entry that names none ("ｸﾞﾙｰﾌﾟ0" in a new memory dial); groups
// 1 to 99 are handed out to the names an import brings.
constexpr int kDefaultGroup = 0;
constexpr int kFirstNamedGroup = 1;
constexpr int kLastGroup = 99;

// Made once and shared by every entry of the group.
const QString& GroupNumberText(int group)
{
    static const std::array<QString, kLastGroup + 1> texts = [] {
        std::array<QString, kLastGroup + 1> made;
        for (int g = kDefaultGroup; g <= kLastGroup; ++g) {
            made[g] = QStringLiteral("%1").arg(g, 2, 10, QChar(u'0'));
        }
        return made;
    }();
    return texts[group];
}

// The group number for a group name: the one already named so, else the number the entry was
// written with when it is still free, else the first free one; nothing when all are named.
std::optional<int> GroupFor(MemoryDial& dial, const QString& name, const QString& hint)
{
    dial.GroupNames.resize(kGroupTableSize);
    for (int g = kDefaultGroup; g <= kLastGroup; ++g) {
        if (dial.GroupNames[g] == name) {
            return g;
        }
    }
    bool ok = false;
    const int wanted = hint.toInt(&ok);
    if (ok && wanted >= kDefaultGroup && wanted <= kLastGroup && dial.GroupNames[wanted].isEmpty()) {
        dial.GroupNames[wanted] = name;
        return wanted;
    }
    for (int g = kFirstNamedGroup; g <= kLastGroup; ++g) {
        if (dial.GroupNames[g].isEmpty()) {
            dial.GroupNames[g] = name;
            return g;
        }
    }
    return std::nullopt;
}

// A card that names no group keeps the number it was written with (a group of this memory
// dial that has no name), else joins group 0 under its name, as an entry typed into the editor
// does; the first entry of a new memory dial names group 0 "ｸﾞﾙｰﾌﾟ0" as the editor does. Left
// with no group, it would be saved under number 0 with an empty name, which the next read
// takes as group 0's name, erasing it.
void JoinUnnamedGroup(MemoryDial& dial, Entry& entry, const QString& hint)
{
    dial.GroupNames.resize(kGroupTableSize);
    bool ok = false;
    int group = hint.toInt(&ok);
    if (!ok || group < kDefaultGroup || group > kLastGroup) {
        group = kDefaultGroup;
        if (dial.GroupNames[group].isEmpty() && dial.RowCount() == 0) {
            dial.GroupNames[group] = EditorTexts::kFirstGroupName.toString();
        }
    }
    entry[kColGroupNumber] = GroupNumberText(group);
    entry[kColGroupName] = dial.GroupNames[group];
}

void UpdateGroupCount(MemoryDial& dial)
{
    qsizetype g = 0;
    while (g < dial.GroupNames.size() && !dial.GroupNames[g].isEmpty()) {
        ++g;
    }
    dial.GroupCount = QString::number(g);
}

QString CardLabel(const QString& name, qsizetype index)
{
    return name + QStringLiteral(" #%1").arg(index + 1);
}

// Hands out the numbers AllocateEntryNumber would propose one after another as rows are
// appended. Asking it again for every row rebuilds the number table each time, which made an
// import of a thousand contacts quadratic; since it proposes the smallest free number, the
// next proposal is the first free number above the last one.
class EntryNumbers
{
public:
    explicit EntryNumbers(MemoryDial& dial) : m_first(AllocateEntryNumber(dial))
    {
        for (const Entry& entry : dial.rows) {
            const QString trimmed = entry[kColNumber].trimmed();
            if (!trimmed.isEmpty() && trimmed.front() >= u'0' && trimmed.front() <= u'9') {
                m_taken.insert(LeadingNumber(trimmed));
            }
        }
    }

    QString Next()
    {
        if (m_next < 0) {
            m_next = LeadingNumber(m_first);
        } else {
            do {
                ++m_next;
            } while (m_taken.contains(m_next));
        }
        m_taken.insert(m_next);
        return EntryNumberText(m_next);
    }

private:
    QString m_first;
    QSet<qint64> m_taken;
    qint64 m_next = -1;
};

void Append(MemoryDial& dial, EntryNumbers& numbers, MappedCard& card, const QString& stamp, ExchangeReport& report)
{
    Entry& entry = card.entry;
    entry[kColNumber] = numbers.Next();
    entry[kColGroupNumber].clear();
    const bool named = !entry[kColGroupName].isEmpty();
    if (named) {
        if (const std::optional<int> group = GroupFor(dial, entry[kColGroupName], card.groupHint)) {
            entry[kColGroupNumber] = GroupNumberText(*group);
        } else {
            card.notes.append(QStringLiteral("CATEGORIES ") + entry[kColGroupName] + u'：' +
                              ExchangeTexts::kNoGroupLeft);
            entry[kColGroupName].clear();
        }
    }
    if (entry[kColGroupNumber].isEmpty()) {
        JoinUnnamedGroup(dial, entry, named ? QString() : card.groupHint);
    }
    entry[kColRevision] = stamp;
    entry.checked = false;
    if (!card.notes.isEmpty() || card.unlistedNotes > 0) {
        report.Add({entry[kColNumber] + u' ' + entry[kColName], card.ReportNotes()});
    }
    dial.rows.append(std::move(entry));
    ++report.entries;
}

// Kind cells must hold a word of their table; anything else would be written as an empty code.
void CheckKind(Entry& entry, int cell, QString (*toCode)(const QString&), QStringList& notes)
{
    if (!entry[cell].isEmpty() && toCode(entry[cell]).isEmpty()) {
        notes.append(EntryColumnCaption(cell) + u' ' + entry[cell] + u'：' + ExchangeTexts::kUnknownValue);
        entry[cell].clear();
    }
}

MappedCard MapCsvRecord(const QStringList& record)
{
    MappedCard card;
    for (int column = 1; column < kEntryColumnCount; ++column) {
        const QString value = UnguardedCell(record.value(column - 1));
        // The memory dial keeps readings in half-width katakana, whatever a spreadsheet made of
        // them, and the blanks around a hobby, as the vCard import does.
        const FittedText fitted = FitMemoryDialCell(column == kColReading ? HalfWidthReading(value) : value,
                                                    column == kColHobby ? CellEdges::Kept : CellEdges::Trimmed);
        if (!fitted.dropped.isEmpty()) {
            card.notes.append(EntryColumnCaption(column) + u'：' + ExchangeTexts::kDroppedBefore + fitted.dropped +
                              ExchangeTexts::kDroppedAfter);
        }
        card.entry[column] = fitted.text;
    }
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        CheckKind(card.entry, TelKindCell(slot), Tel_Kind2, card.notes);
        CheckKind(card.entry, MailKindCell(slot), E_mail_Kind2, card.notes);
    }
    CheckKind(card.entry, kColAddressKind, Jusho_Kind2, card.notes);
    CheckKind(card.entry, kColConstellation, Seiza_Kind2, card.notes);
    // The postal code is saved on the address line, as three and four digits: anything else,
    // or one without an address, would not come back.
    if (QString& postal = card.entry[kColPostalCode]; !postal.isEmpty()) {
        const QString cell = PostalCodeCell(postal);
        if (cell.isEmpty() || card.entry[kColAddress].isEmpty()) {
            card.notes.append(EntryColumnCaption(kColPostalCode) + u' ' + postal + u'：' +
                              (cell.isEmpty() ? ExchangeTexts::kBadPostalCode : ExchangeTexts::kPostalCodeAlone));
        }
        postal = card.entry[kColAddress].isEmpty() ? QString() : cell;
    }
    // Cells of a few fixed words: anything else would be lost on the next export.
    for (const auto& [cell, words] : {std::pair{kColSecret, QStringList{u"PUBLIC"_s, u"PRIVATE"_s}},
                                      std::pair{kColBloodType, QStringList{u"A"_s, u"B"_s, u"O"_s, u"AB"_s}}}) {
        if (QString& text = card.entry[cell]; !text.isEmpty() && !words.contains(text)) {
            card.notes.append(EntryColumnCaption(cell) + u' ' + text + u'：' + ExchangeTexts::kUnknownValue);
            text.clear();
        }
    }
    card.groupHint = card.entry[kColGroupNumber];
    // The number and the stamp are given anew, like those of every imported entry.
    for (int column = kColName; column < kColRevision; ++column) {
        if (column != kColGroupNumber && !card.entry[column].isEmpty()) {
            card.taken = true;
        }
    }
    return card;
}

// The fields of an exported record, and one more so that a longer record is no header; the
// rest of a record is read over, whatever its length.
constexpr qsizetype kCsvFields = kEntryColumnCount;

// The text of an exported CSV, or nothing when the bytes are not one; `error` says why they
// cannot be read when they are one. Its records are read again for the import, one at a time,
// so that a file of millions of lines never stands in memory as as many lists.
std::optional<QString> CsvText(QByteArrayView bytes, QString& error)
{
    QByteArrayView body = bytes;
    if (body.startsWith("\xEF\xBB\xBF")) {
        body = body.sliced(3);
    }
    const qsizetype lineEnd = body.indexOf('\n');
    const QByteArrayView firstLine = lineEnd < 0 ? body : body.first(lineEnd);
    if (!firstLine.startsWith("No.,")) {
        return std::nullopt;
    }
    // Spreadsheets in Japan save CSV in Shift_JIS again.
    std::optional<QString> text;
    if (body.isValidUtf8()) {
        text = QString::fromUtf8(body);
    } else {
        text = CodePage::Decode(body);
    }
    if (!text) {
        error = ExchangeTexts::kUnreadable;
        return QString();
    }
    bool first = true;
    bool header = false;
    const bool closed = ForEachCsvRecord(*text, kCsvFields, [&](const QStringList& record) {
        if (first) {
            header = IsExportHeader(record);
            first = false;
        }
    });
    if (!closed) {
        error = ExchangeTexts::kBadCsv;
        return QString();
    }
    if (!header) {
        return std::nullopt;
    }
    return text;
}

// An empty line, or one of commas and blanks only: no card, and nothing to report.
bool IsBlankRecord(const QStringList& record)
{
    return std::all_of(record.cbegin(), record.cend(),
                       [](const QString& field) { return TrimmedText(field).isEmpty(); });
}

void Take(MemoryDial& dial, EntryNumbers& numbers, const QString& name, qsizetype index, MappedCard&& card,
          const QString& stamp, ExchangeReport& report)
{
    if (!card.taken) {
        card.notes.append(ExchangeTexts::kNothingTaken);
        report.Add({CardLabel(name, index), card.ReportNotes()});
        return;
    }
    if (dial.RowCount() >= kMaxEntries) {
        ++report.overLimit;
        return;
    }
    Append(dial, numbers, card, stamp, report);
}

std::optional<QByteArray> ReadImportFile(const QString& path, QString& error)
{
    FileRead file = ReadRegularFile(path, kMaxImportFileSize);
    switch (file.outcome) {
    case RegularFileOpen::Opened:
        return std::move(file.bytes);
    case RegularFileOpen::Missing:
        error = ExchangeTexts::kMissing;
        break;
    case RegularFileOpen::NotRegularFile:
        error = ExchangeTexts::kNotRegularFile;
        break;
    case RegularFileOpen::TooLarge:
        error = ExchangeTexts::kTooLarge;
        break;
    case RegularFileOpen::Unreadable:
        error = ExchangeTexts::kUnreadable;
        break;
    }
    return std::nullopt;
}

} // namespace

QString ExchangeReport::Summary(bool import) const
{
    QString text = (import ? ExchangeTexts::kImportedBefore : ExchangeTexts::kExportedBefore) +
                   QString::number(entries) + ExchangeTexts::kCountAfter + u'\n';
    if (overLimit > 0) {
        text += ExchangeTexts::kOverLimitBefore + QString::number(overLimit) + ExchangeTexts::kCountAfter + u'\n';
    }
    if (!refusedFiles.isEmpty()) {
        text += ExchangeTexts::kFileRefused + u'\n';
        for (const QString& file : refusedFiles) {
            text += QStringLiteral("  ") + file + u'\n';
        }
    }
    return text;
}

void ExchangeReport::Add(EntryReport entry)
{
    if (details.size() == kMaxReportedEntries || listedLength >= kMaxReportLength) {
        ++unlistedEntries;
        return;
    }
    const auto cut = [](QString& line) {
        if (line.size() > kMaxReportLineLength) {
            // A character of two UTF-16 units stays whole.
            const qsizetype keep =
                line[kMaxReportLineLength - 1].isHighSurrogate() ? kMaxReportLineLength - 1 : kMaxReportLineLength;
            line = line.first(keep) + u'…';
        }
    };
    // Each line as Details() writes it: in brackets or indented, with its line end.
    constexpr qsizetype kFrame = 3;
    cut(entry.entry);
    listedLength += entry.entry.size() + kFrame;
    for (QString& note : entry.notes) {
        cut(note);
        listedLength += note.size() + kFrame;
    }
    details.append(std::move(entry));
}

QString ExchangeReport::Details() const
{
    QString text;
    for (const EntryReport& detail : details) {
        text += u'[' + detail.entry + QStringLiteral("]\n");
        for (const QString& note : detail.notes) {
            text += QStringLiteral("  ") + note + u'\n';
        }
    }
    if (unlistedEntries > 0) {
        text +=
            ExchangeTexts::kUnlistedBefore + QString::number(unlistedEntries) + ExchangeTexts::kUnlistedAfter + u'\n';
    }
    return text;
}

QString ExchangeReport::Text(bool import) const
{
    return Summary(import) + Details();
}

void ImportAddressBookBytes(MemoryDial& dial, const QString& name, QByteArrayView bytes, const QDateTime& now,
                            ExchangeReport& report)
{
    const int before = report.entries;
    // Room for every row a memory dial may hold, so that appending never moves the rows.
    dial.rows.reserve(kMaxEntries);
    EntryNumbers numbers(dial);
    // Formatted once; every entry shares the text.
    const QString stamp = RevisionStamp(now);
    QString error;
    if (const std::optional<QString> text = CsvText(bytes, error)) {
        if (!error.isEmpty()) {
            report.refusedFiles.append(name + u'：' + error);
            return;
        }
        qsizetype index = 0;
        bool header = true;
        ForEachCsvRecord(*text, kCsvFields, [&](const QStringList& record) {
            if (!std::exchange(header, false) && !IsBlankRecord(record)) {
                Take(dial, numbers, name, index++, MapCsvRecord(record), stamp, report);
            }
        });
    } else {
        qsizetype index = 0;
        error = ReadVCards(
            bytes, [&](const VCardCard& card) { Take(dial, numbers, name, index++, MapCard(card), stamp, report); });
        if (!error.isEmpty()) {
            report.refusedFiles.append(name + u'：' + error);
            return;
        }
    }
    if (report.entries != before) {
        dial.EntryCount = dial.RowCount();
        dial.RebuildEntryNumbers();
        UpdateGroupCount(dial);
    }
}

ExchangeReport ImportAddressBook(MemoryDial& dial, const QStringList& paths, const QDateTime& now)
{
    ExchangeReport report;
    for (const QString& path : paths) {
        QString error;
        const std::optional<QByteArray> bytes = ReadImportFile(path, error);
        if (!bytes) {
            report.refusedFiles.append(path + u'：' + error);
            continue;
        }
        ImportAddressBookBytes(dial, path, *bytes, now, report);
    }
    return report;
}

ExportResult ExportAddressBook(const MemoryDial& dial, ExchangeFormat format, bool checkedOnly)
{
    ExportResult result;
    // All rows share the memory dial's list; only a selection is copied.
    QList<Entry> rows;
    if (checkedOnly) {
        for (const Entry& entry : dial.rows) {
            if (entry.checked) {
                rows.append(entry);
            }
        }
    } else {
        rows = dial.rows;
    }
    if (format == ExchangeFormat::Csv) {
        result.bytes = ExportCsv(rows);
    } else {
        for (const Entry& entry : rows) {
            QStringList notes;
            ExportCard(entry, result.bytes, notes);
            if (!notes.isEmpty()) {
                result.report.Add({entry[kColNumber] + u' ' + entry[kColName], notes});
            }
        }
    }
    result.report.entries = static_cast<int>(rows.size());
    return result;
}

ExportTarget ExportTargetFor(const QString& name)
{
    const QString suffix = QFileInfo(name).suffix();
    if (suffix.compare(u"csv", Qt::CaseInsensitive) == 0) {
        return {name, ExchangeFormat::Csv};
    }
    if (suffix.compare(u"vcf", Qt::CaseInsensitive) == 0) {
        return {name, ExchangeFormat::VCard};
    }
    return {name + QStringLiteral(".vcf"), ExchangeFormat::VCard};
}

QString ExportTargetProblem(const QString& path)
{
    return MayWriteFile(path) ? QString() : path + u'：' + ExchangeTexts::kNotRegularFile;
}

QString WriteExportFile(const QString& path, const QByteArray& bytes)
{
    switch (WriteFileSafely(path, bytes)) {
    case SafeWriteResult::Written:
        return {};
    case SafeWriteResult::NotRegularFile:
        return path + u'：' + ExchangeTexts::kNotRegularFile;
    case SafeWriteResult::Failed:
        break;
    }
    return path + u'：' + ExchangeTexts::kWriteFailed;
}
