#pragma once

#include "memorydial/Entry.h"

#include <QList>
#include <QString>

// The list operations on the rows of a memory dial, without questions or messages. Rows are
// addressed 1-based, as the list numbers them.

// "000" for 0, "010" for 10, "100" for 100, "1000" for 1000.
[[nodiscard]] QString EntryNumberText(int number);

// Numbers every row from "000" in list order.
void RenumberRows(QList<Entry>& rows);

// 1-based indexes of the ticked rows, last row first.
[[nodiscard]] QList<int> TickedRowsFromLast(const QList<Entry>& rows);

// Exchanges cells 2 to 37 of two rows; the entry numbers stay in place. Both rows end up
// unticked.
void SwapEntryContents(QList<Entry>& rows, int rowA, int rowB);

// Exchanges two whole entries (all cells and the check mark), as a move does.
void ExchangeRows(QList<Entry>& rows, int rowA, int rowB);

// Sorts by the text of one column with the Japanese collation. Rows with equal texts keep
// their relative order, so sorting twice in the same direction changes nothing.
void SortRows(QList<Entry>& rows, int column, bool ascending);
