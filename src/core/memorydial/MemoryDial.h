#pragma once

#include "Entry.h"
#include "files/SafeFileRead.h"

#include <QList>
#include <QString>
#include <QStringList>

// Table sizes indexed by group number or row position (0 to 1000).
constexpr int kGroupTableSize = 1001;
constexpr int kRirekiCount = 5;

// What one successful read of a memory-dial file yields; it replaces the document's rows
// and file-derived state in one step, so a failed read changes nothing.
struct MemoryDialContent
{
    QList<Entry> rows;
    QString VcVer;
    int EntryCount = 0;
    QStringList GroupNames; // kGroupTableSize names; numbers 0-99 merged from the file
    QString GroupCount;
    // Properties of the file that no cell keeps ("ORG", "PHOTO"): a save over it loses them.
    QStringList foreignProperties;
    FileStamp stamp; // the file as it was read
};

// The open document and the state the main window and the editor share.
struct MemoryDial
{
    MemoryDial();

    QList<Entry> rows;        // list order is file order
    QString CurrentPath;      // empty while no file is open or saved
    QString VcVer;            // version line of the file read; empty means "VERSION:3.0"
    int EntryCount = 0;       // entries loaded; 1 or more means a memory dial is loaded
    QStringList EntryNumbers; // cell 1 by row position, kGroupTableSize places
    QStringList GroupNames;   // group name by group number, kGroupTableSize places
    QString GroupCount;       // smallest group number without a name, decimal text
    int SelectedRow = 0;      // 1-based row; 0 when nothing is selected
    QString EditMode = QStringLiteral("0");
    QString CopyEntry = QStringLiteral("0");
    QStringList Rireki; // kRirekiCount recent paths, newest first
    // The rows as the file holds them since the last read or save: what the document would
    // lose if it went away now is the difference.
    QList<Entry> savedRows;
    // What the file last read held that the rows cannot keep; empty once the rows were saved.
    QStringList foreignProperties;
    // The file at CurrentPath as last read or written, to tell whether someone else changed it.
    FileStamp fileStamp;

    // Takes over a successful read: rows, VcVer, EntryCount, GroupNames, GroupCount, what the
    // file held beyond the rows and its stamp, and EditMode back to "0". The rows count as saved.
    void Apply(MemoryDialContent content);
    // The rows now are what the file holds.
    void MarkSaved() { savedRows = rows; }
    // The rows (their cells and order) differ from those last read or saved.
    [[nodiscard]] bool RowsChanged() const { return rows != savedRows; }

    [[nodiscard]] int RowCount() const { return static_cast<int>(rows.size()); }
    // Cell of a 1-based row; empty for a row or cell that does not exist.
    [[nodiscard]] QString Cell(int row, int column) const;
    // Rebuilds EntryNumbers from cell 1 of every row.
    void RebuildEntryNumbers();
};

// "Morvane for Windows", or with " - [ path ]" once a file is named.
[[nodiscard]] QString WindowCaption(const QString& path);
