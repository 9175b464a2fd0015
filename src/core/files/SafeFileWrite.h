#pragma once

#include <QByteArrayView>
#include <QString>

// Writing a whole file so that nothing is lost on the way: the old file stays untouched unless
// the new one is complete, and nothing but a regular file is ever replaced.

enum class SafeWriteResult
{
    Written,
    NotRegularFile, // a folder, device, FIFO, socket or loop of links stands at the name
    Failed,         // the folder refused the file, or the disk filled up
};

// True when a write to `path` may go ahead: after following symbolic links the name holds a
// regular file, or nothing yet.
[[nodiscard]] bool MayWriteFile(const QString& path);

// Writes `bytes` as the whole file at `path`, following symbolic links.
[[nodiscard]] SafeWriteResult WriteFileSafely(const QString& path, QByteArrayView bytes);

// True when both names lead to one existing file (through links, ".." and the like).
[[nodiscard]] bool IsSameFile(const QString& a, const QString& b);
