#pragma once

#include <QString>

// Deleting and renaming whole memory-dial files; never touches the open document.

// Where a name typed for the file `source` leads: a name without a folder, or with a
// relative one, is taken from the source file's own folder, so the file stays where it was.
[[nodiscard]] QString RenameTarget(const QString& source, const QString& newName);

enum class RenameOutcome
{
    Renamed,
    TargetExists, // never overwritten
    Refused,      // the file system refused (source gone, no permission, bad name)
};

[[nodiscard]] RenameOutcome RenameMemoryDialFile(const QString& source, const QString& target);

// True when the file system removed the file.
[[nodiscard]] bool DeleteMemoryDialFile(const QString& path);
