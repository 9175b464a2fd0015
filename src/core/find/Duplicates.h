#pragma once

#include "memorydial/Entry.h"

#include <QList>

// Entries that look like one person: they share a telephone number (by its digits), a mail
// address (case ignored), or a name together with its reading (both folded as the search
// folds them). Entries linked through different keys form one group.

// The groups of two or more rows, each as 1-based row positions in list order; groups are
// ordered by their first row.
[[nodiscard]] QList<QList<int>> FindDuplicateGroups(const QList<Entry>& rows);

// How many of the rows from 1-based `firstNew` on share a key with a row before it: the
// entries an import brought in that look like ones already there.
[[nodiscard]] int CountLookAlikes(const QList<Entry>& rows, int firstNew);
