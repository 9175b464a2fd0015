#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

enum class RegularFileOpen
{
    Opened,
    Missing,        // nothing at the name, or a link that leads nowhere
    NotRegularFile, // a folder, FIFO, device, socket or loop of links
    TooLarge,
    Unreadable,
};

// What stands at a name, after following symbolic links.
enum class PathKind
{
    Missing,
    Regular,
    Other, // a folder, FIFO, device, socket or loop of links
};

[[nodiscard]] PathKind KindOfPath(const QString& path);

// Opens `path` for reading, unbuffered, only when it names a regular file of at most `maxSize`
// bytes. The type is checked before anything is opened: opening a FIFO waits for a writer,
// and opening some devices already acts (a tape rewinds, a watchdog starts). Between the
// check and the open the path may come to name something else, so the open cannot block
// (O_NONBLOCK; on a regular file it changes nothing), and what was opened must still be the
// file that was checked. The file may still grow while it is read: readers keep the bound.
[[nodiscard]] RegularFileOpen OpenRegularFile(const QString& path, qint64 maxSize, QFile& file);

// Who a file was when it was read: enough to tell later whether someone else changed it.
struct FileStamp
{
    qint64 size = -1;
    qint64 modified = 0; // nanoseconds since the epoch
    QByteArray hash;     // of the content

    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

struct FileRead
{
    RegularFileOpen outcome = RegularFileOpen::Unreadable;
    QByteArray bytes; // the whole file when `outcome` is Opened
    FileStamp stamp;
};

// Reads the whole regular file at `path`, at most `maxSize` bytes, as OpenRegularFile opens it.
[[nodiscard]] FileRead ReadRegularFile(const QString& path, qint64 maxSize);
