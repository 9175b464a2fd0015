#pragma once

#include <QString>

// Removing and renaming whole files: only a regular file (or a symbolic link that leads to
// one) is ever removed or renamed, and a rename never replaces anything.

enum class FileMoveResult
{
    Done,
    Missing,        // nothing at the name
    NotRegularFile, // a folder, FIFO, device, socket or loop of links: left alone
    TargetExists,   // a rename's new name is taken (by anything, even a dangling link)
    Failed,         // the file system refused (no permission, bad name, another disk)
};

// Removes the file at `path`; a link is removed itself, never the file it leads to.
[[nodiscard]] FileMoveResult RemoveRegularFile(const QString& path);

// Gives the file at `source` the name `target`.
[[nodiscard]] FileMoveResult RenameRegularFile(const QString& source, const QString& target);
