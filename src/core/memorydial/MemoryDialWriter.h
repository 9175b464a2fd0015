#pragma once

#include "Entry.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

struct MemoryDialWriteResult
{
    bool ok = false;
    QString error; // a Japanese message for the user when ok is false
};

// The file's text lines of all rows (CR LF ended), in list order. `vcVer` is written as the
// version line; the caller passes "VERSION:3.0" for an empty VcVer.
[[nodiscard]] QString ComposeMemoryDialText(const QList<Entry>& rows, const QString& vcVer);

// Encodes to code page 932. When a character cannot be held, returns nothing and sets
// `error` to a message naming the entry number and the field.
[[nodiscard]] std::optional<QByteArray> EncodeMemoryDial(const QList<Entry>& rows, const QString& vcVer,
                                                         QString& error);

// The file is read back as comma- and line-separated values, so a cell holding a comma or a
// line break does not come back whole: the reader cuts it there, and the rest is lost or even
// read as a property of its own. Returns a statement naming the first such entry number and
// field; nothing when every cell reads back.
[[nodiscard]] std::optional<QString> SeparatorNotice(const QList<Entry>& rows);

// The same statement as a question, for the user to decide before saving.
[[nodiscard]] std::optional<QString> SeparatorWarning(const QList<Entry>& rows);

// Why a memory dial cannot be saved at `path`: something other than a regular file stands
// there (after following links). Nothing when it can.
[[nodiscard]] std::optional<QString> SaveTargetProblem(const QString& path);

// Writes the whole file safely: the old file stays untouched unless the new one is complete.
// Symbolic links are followed; the file at their end must be a regular file or not exist yet,
// and anything else (a folder, a device, a FIFO, a socket, a loop of links) is left as it is
// and refused with a message.
[[nodiscard]] MemoryDialWriteResult WriteMemoryDial(const QString& path, const QList<Entry>& rows,
                                                    const QString& vcVer);
