#pragma once

#include <QStringList>

// `mdial postal CODE [--table CSV]`; `args` are the words after "postal". Returns the exit code.
[[nodiscard]] int RunPostalCommand(const QStringList& args);
