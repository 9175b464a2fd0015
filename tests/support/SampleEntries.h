#pragma once

#include "memorydial/Entry.h"

#include <QList>
#include <QString>

// One row with a number, a name, a memo and a few other cells filled.
[[nodiscard]] Entry SampleEntry(const QString& number, const QString& name, const QString& memo = {});
// Rows "000", "001", ... named "名前0", "名前1", ... with memos "memo 0", "memo 1", ...
[[nodiscard]] QList<Entry> SampleRows(int count);
// Cell `column` of every row, in list order.
[[nodiscard]] QStringList ColumnTexts(const QList<Entry>& rows, int column);
