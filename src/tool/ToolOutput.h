#pragma once

#include <QByteArrayView>
#include <QString>

// Writes `text` to stdout as UTF-8 and flushes it. A script must not take a cut-short output
// (a full disk) for a whole one, so a failure prints a message on stderr and returns false;
// the command then exits with 1.
[[nodiscard]] bool PrintOutput(const QString& text);
// The same for bytes written as they are (an export).
[[nodiscard]] bool PrintOutputBytes(QByteArrayView bytes);

// Writes `text` to stderr as UTF-8.
void PrintError(const QString& text);
