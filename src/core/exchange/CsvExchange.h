#pragma once

#include "memorydial/Entry.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QStringList>

#include <functional>

// The CSV that spreadsheets in Japan open directly: UTF-8 with a byte-order mark, a header row
// of the list's column captions (No. to 更新時間, the kind columns as "Tel 種別 1" and "E-mail
// 種別 1"), one row per entry, fields quoted as RFC 4180 says, CR LF line ends. A cell that a
// spreadsheet would take for a formula (one that starts with '=', '@', a tab or a CR, or with
// '+' or '-' and is no telephone number) is written after an apostrophe, which spreadsheets
// show as text.
[[nodiscard]] QByteArray ExportCsv(const QList<Entry>& rows);

// Hands each record of an RFC 4180 text to `take` in turn, one record in memory at a time;
// the record is only valid during the call, and holds its first `keptFields` fields (the rest
// are read over). False when a quoted field is never closed, once the records before it were
// handed over.
bool ForEachCsvRecord(QStringView text, qsizetype keptFields, const std::function<void(const QStringList&)>& take);

// True when `record` is the header row ExportCsv writes, or wrote before its kind captions
// were told apart.
[[nodiscard]] bool IsExportHeader(const QStringList& record);

// A field's cell without the apostrophe ExportCsv put before a formula: exactly the cell that
// was exported.
[[nodiscard]] QString UnguardedCell(const QString& field);
