#pragma once

#include "memorydial/CodePage.h"
#include "memorydial/MemoryDialReader.h"
#include "memorydial/MemoryDialWriter.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <algorithm>

// What saving a file that was read must keep: whatever the reader accepts is written, read and
// written again, and the second file must be the first byte for byte, with as many entries.
// Returns what went wrong, or nothing when the property holds, when the reader refuses `bytes`,
// or where it does not apply: a cell holding a comma or a line break (the user is asked before
// such a save, see SeparatorWarning), no entries at all (an empty memory dial is written as an
// empty file, which no read accepts), or a written file that is UTF-8 as well (below). Shared
// by the round-trip test and its fuzz target.
[[nodiscard]] inline QString RoundTripFault(const QByteArray& bytes)
{
    const MemoryDialReadResult read = ParseMemoryDial(bytes, QStringList());
    if (!read.content) {
        return {};
    }
    QString error;
    // Everything that was read came out of code page 932, so it must encode again.
    const std::optional<QByteArray> first = EncodeMemoryDial(read.content->rows, read.content->VcVer, error);
    if (!first) {
        return QStringLiteral("the file read cannot be written: ") + error;
    }
    // The written file is refused as UTF-8 when it happens to be valid UTF-8 with a character of
    // three bytes: a second-level kanji and the bytes after it can form one, and then bytes
    // alone cannot tell the file from UTF-8 (the rule and its odds are explained in the reader).
    if (read.content->rows.isEmpty() || SeparatorWarning(read.content->rows) ||
        CodePage::AsUtf8(*first) == CodePage::Utf8Form::Wide) {
        return {};
    }
    const MemoryDialReadResult reread = ParseMemoryDial(*first, QStringList());
    if (!reread.content) {
        return QStringLiteral("the written file cannot be read: ") + reread.error;
    }
    if (reread.content->EntryCount != read.content->EntryCount) {
        return QStringLiteral("%1 entries written, %2 read back")
            .arg(read.content->EntryCount)
            .arg(reread.content->EntryCount);
    }
    const std::optional<QByteArray> second = EncodeMemoryDial(reread.content->rows, reread.content->VcVer, error);
    if (!second) {
        return QStringLiteral("the file read back cannot be written: ") + error;
    }
    if (*second != *first) {
        const auto differ = std::mismatch(first->begin(), first->end(), second->begin(), second->end());
        return QStringLiteral("the second save differs from the first from byte %1").arg(differ.first - first->begin());
    }
    return {};
}
