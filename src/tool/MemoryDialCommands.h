#pragma once

#include "memorydial/MemoryDial.h"

#include <QStringList>

#include <optional>

// `mdial dump FILE`, `mdial info FILE` and `mdial copy [--force] IN OUT`; `args` are the words
// after the command name. Each returns the exit code: 0 done, 1 a file or the output could not
// be read or written (the message is on stderr), 2 bad arguments. `copy` also exits with 1,
// writing nothing, when a cell holds a comma or a line break that would cut the entry apart
// on the next read, unless --force is given.
[[nodiscard]] int RunDumpCommand(const QStringList& args);
[[nodiscard]] int RunInfoCommand(const QStringList& args);
[[nodiscard]] int RunCopyCommand(const QStringList& args);

// Prints the usage line on stderr and returns the exit code for bad arguments.
[[nodiscard]] int UsageError();

// Reads a memory dial; on failure the reader's message is on stderr.
[[nodiscard]] std::optional<MemoryDialContent> ReadMemoryDialFile(const QString& path);
// One entry as `dump` prints it: 38 cells separated by TAB, with TAB, CR, LF and "\\" escaped,
// and a line end.
[[nodiscard]] QString DumpLine(const Entry& entry);
