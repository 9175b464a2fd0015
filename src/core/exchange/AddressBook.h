#pragma once

#include "memorydial/MemoryDial.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

enum class ExchangeFormat
{
    VCard, // vCard 3.0, UTF-8
    Csv,   // UTF-8 with a byte-order mark
};

// What one entry lost on the way, for the user to see.
struct EntryReport
{
    QString entry;     // "005 山田 太郎", or the file and card for a card that was not imported
    QStringList notes; // one line per value not taken, or not taken whole
};

// More than an import can take (1001 entries and as many refused cards), and as much as
// anyone reads.
constexpr int kMaxReportedEntries = 2002;
// Characters of the listed entries: about a megabyte, which a window still shows at once.
constexpr qsizetype kMaxReportLength = 512 * 1024;
// Characters of one line; a longer one is cut and ends in "…".
constexpr qsizetype kMaxReportLineLength = 200;

struct ExchangeReport
{
    int entries = 0;            // entries imported or exported
    int overLimit = 0;          // cards left out because the memory dial was full
    QStringList refusedFiles;   // "name：reason" for files that held nothing to import
    QList<EntryReport> details; // only entries with something to say, up to kMaxReportedEntries
    qsizetype listedLength = 0; // the characters of Details(), up to about kMaxReportLength
    int unlistedEntries = 0;    // further entries with something to say, counted only

    // Lists what `entry` lost, its lines cut to kMaxReportLineLength, or only counts it once the
    // list is full: a file of a million empty cards must not build a report of a million lines,
    // nor a card of ten megabytes a report of as many.
    void Add(EntryReport entry);

    // The counts and the refused files: what a message box shows first.
    [[nodiscard]] QString Summary(bool import) const;
    // What each entry lost, one line per value under the entry's own line; empty when nothing
    // was lost.
    [[nodiscard]] QString Details() const;
    // Both, for stderr.
    [[nodiscard]] QString Text(bool import) const;
};

// Largest file an import reads; a phone's whole export with photos stays well below it.
constexpr qint64 kMaxImportFileSize = 64LL * 1024 * 1024;

// Appends the entries of vCard (2.1, 3.0, 4.0) or exported CSV files to the memory dial, each
// under a number from AllocateEntryNumber and stamped with `now`; existing rows are never
// touched. Entries beyond the bound of kMaxEntries are counted, not imported.
[[nodiscard]] ExchangeReport ImportAddressBook(MemoryDial& dial, const QStringList& paths, const QDateTime& now);

// The same for file contents already read; `name` identifies them in the report.
void ImportAddressBookBytes(MemoryDial& dial, const QString& name, QByteArrayView bytes, const QDateTime& now,
                            ExchangeReport& report);

struct ExportResult
{
    QByteArray bytes;
    ExchangeReport report;
};

// All rows in list order, or only the ticked ones.
[[nodiscard]] ExportResult ExportAddressBook(const MemoryDial& dial, ExchangeFormat format, bool checkedOnly);

struct ExportTarget
{
    QString path;
    ExchangeFormat format;
};

// Where an export chosen as `name` goes, and in which format: ".csv" is CSV, ".vcf" vCard,
// whatever the letter case; any other name gets ".vcf" added, as phones recognise only that.
[[nodiscard]] ExportTarget ExportTargetFor(const QString& name);

// Why an export cannot go to `path` (it exists but is no regular file); empty when it can.
[[nodiscard]] QString ExportTargetProblem(const QString& path);

// Writes an export safely (the old file stays intact until the new one is complete); refuses
// a target that exists but is not a regular file. Empty on success, the message otherwise.
[[nodiscard]] QString WriteExportFile(const QString& path, const QByteArray& bytes);
