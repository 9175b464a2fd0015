#pragma once

#include <QList>
#include <QString>

#include <array>

// The 38 cells of one list row. Cell 0 is the list item's own text and always empty.
enum EntryColumn : int
{
    kColItem = 0,
    kColNumber = 1,
    kColName = 2,
    kColReading = 3,
    kColSecret = 4,
    kColTel1 = 5,
    kColTelKind1 = 6,
    kColMail1 = 15,
    kColMailKind1 = 16,
    kColGroupNumber = 25,
    kColGroupName = 26,
    kColAddress = 27,
    kColPostalCode = 28,
    kColAddressKind = 29,
    kColConstellation = 30,
    kColBirthday = 31,
    kColBloodType = 32,
    kColHobby = 33,
    kColMemo = 34,
    kColUrl = 35,
    kColGps = 36,
    kColRevision = 37,
    kEntryColumnCount = 38,
};

// Telephone and mail slots are numbered 1 to 5; slot 1 is the preferred one.
constexpr int kSlotCount = 5;
constexpr int TelNumberCell(int slot)
{
    return 3 + 2 * slot;
}
constexpr int TelKindCell(int slot)
{
    return 4 + 2 * slot;
}
constexpr int MailAddressCell(int slot)
{
    return 13 + 2 * slot;
}
constexpr int MailKindCell(int slot)
{
    return 14 + 2 * slot;
}

// A memory dial holds at most this many entries (record indexes 0 to 1000).
constexpr int kMaxEntries = 1001;

// The header caption of list column `column` (0 to 37).
[[nodiscard]] QString EntryColumnCaption(int column);

struct Entry
{
    std::array<QString, kEntryColumnCount> cells;
    // The list's check mark; it travels with the row but is not part of the file.
    bool checked = false;

    QString& operator[](int column) { return cells[static_cast<std::size_t>(column)]; }
    const QString& operator[](int column) const { return cells[static_cast<std::size_t>(column)]; }
    friend bool operator==(const Entry& a, const Entry& b) { return a.cells == b.cells; }
};

// Cells and mark may be moved by copying their bytes, so a growing or reordered list of rows
// does not move 38 texts one by one.
Q_DECLARE_TYPEINFO(Entry, Q_RELOCATABLE_TYPE);

// Reads a cell as a number the way the file writer does: the leading decimal digits of the
// text, 0 when there are none.
[[nodiscard]] qint64 LeadingNumber(const QString& text);
