#pragma once

#include <QString>

// Things other than regular files, made at a test's own path: what the file commands must
// never read from or replace. False when this system does not allow one there.
[[nodiscard]] bool MakeFifo(const QString& path);
[[nodiscard]] bool MakeSocket(const QString& path);
