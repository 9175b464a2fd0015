#pragma once

#include "memorydial/Entry.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QStringList>

#include <optional>

// The CSV that spreadsheets in Japan open directly: UTF-8 with a byte-order mark, a header row
// of the list's column captions (No. to 更新時間), one row per entry, fields quoted as RFC 4180
// says, CR LF line ends.
[[nodiscard]] QByteArray ExportCsv(const QList<Entry>& rows);

// The records of an RFC 4180 text; nothing when a quoted field is never closed.
[[nodiscard]] std::optional<QList<QStringList>> ParseCsv(QStringView text);

// True when `record` is the header row ExportCsv writes.
[[nodiscard]] bool IsExportHeader(const QStringList& record);
