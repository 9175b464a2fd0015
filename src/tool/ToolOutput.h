#pragma once

#include <QString>

// Writes `text` to stdout as UTF-8 and flushes it. A script must not take a cut-short output
// (a full disk) for a whole one, so a failure prints a message on stderr and returns false;
// the command then exits with 1.
[[nodiscard]] bool PrintOutput(const QString& text);

// Writes `text` to stderr as UTF-8.
void PrintError(const QString& text);
