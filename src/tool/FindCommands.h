#pragma once

#include <QStringList>

// `mdial find FILE QUERY` prints the entries the main window's search box would show for
// QUERY, as `dump` prints them. `mdial duplicates FILE` prints every group of entries that look
// like one person as a block of `dump` lines, blocks separated by an empty line. Exit codes as
// for `dump`: 0 done (also when nothing was found), 1 the file or the output failed, 2 bad
// arguments.
[[nodiscard]] int RunFindCommand(const QStringList& args);
[[nodiscard]] int RunDuplicatesCommand(const QStringList& args);
