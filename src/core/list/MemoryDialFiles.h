#pragma once

#include <QString>

// Naming memory-dial files; the file commands never touch the open document.

// Where a name typed for the file `source` leads: a name without a folder, or with a
// relative one, is taken from the source file's own folder, so the file stays where it was.
[[nodiscard]] QString RenameTarget(const QString& source, const QString& newName);
