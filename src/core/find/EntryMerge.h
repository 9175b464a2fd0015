#pragma once

#include "memorydial/Entry.h"

#include <QList>
#include <QString>
#include <QStringList>

// Two entries of one person made into one. Cells that agree (or are empty on one side) are
// kept without a question; the parts where both hold something different are the user's
// choice; telephone numbers and mail addresses of both are united, each number or address once.

// A piece of an entry chosen as a whole: an address and its postal code and kind belong together.
struct MergePart
{
    QString caption; // the list header of its first cell
    QList<int> cells;
};
// The parts in list-column order: name, reading, secret flag, group, address, constellation,
// birthday, blood type, hobby, memo, URL, GPS.
[[nodiscard]] const QList<MergePart>& MergeParts();

enum class MergeSide
{
    First,
    Second,
};

struct MergePlan
{
    // Indexes into MergeParts() of the parts both entries fill differently.
    QList<int> conflicts;
    // The entry with the newer stamp (cell 37); the first one when the stamps are equal.
    MergeSide newer = MergeSide::First;
    // What does not fit into the five slots, as "Tel 6: number" and "E-mail 6: address" lines.
    QStringList leftOver;
};

[[nodiscard]] MergePlan PlanMerge(const Entry& first, const Entry& second);

// The united entry under the first entry's number, stamped `stamp`. `picks` holds one side per
// part of MergeParts() and is read only for the parts in conflict. Numbers and mail addresses
// of the newer entry come first, so its preferred ones stay preferred.
[[nodiscard]] Entry MergeEntries(const Entry& first, const Entry& second, const QList<MergeSide>& picks,
                                 const QString& stamp);

// The text a part shows for one entry: its non-empty cells, separated by blanks.
[[nodiscard]] QString MergePartText(const Entry& entry, const MergePart& part);
