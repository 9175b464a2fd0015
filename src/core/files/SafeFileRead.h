#pragma once

#include <QFile>
#include <QString>

enum class RegularFileOpen
{
    Opened,
    NotRegularFile, // missing, or a folder, FIFO, device or socket
    TooLarge,
    Unreadable,
};

// Opens `path` for reading, unbuffered, only when it names a regular file of at most `maxSize`
// bytes. The type is checked before anything is opened: opening a FIFO waits for a writer,
// and opening some devices already acts (a tape rewinds, a watchdog starts). Between the
// check and the open the path may come to name something else, so the open cannot block
// (O_NONBLOCK; on a regular file it changes nothing), and what was opened must still be the
// file that was checked. The file may still grow while it is read: readers keep the bound.
[[nodiscard]] RegularFileOpen OpenRegularFile(const QString& path, qint64 maxSize, QFile& file);
