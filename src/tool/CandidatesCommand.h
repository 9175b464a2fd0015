#pragma once

#include "PostalCommand.h"

#include <QString>
#include <QStringList>

// `mdial candidates ADDRESS [--table CSV]`: the postal-code candidates of an address, as the
// editor's candidate dialog lists them.
using CandidatesCommandResult = PostalCommandResult;

inline const QString kCandidatesUsage = QStringLiteral("usage: mdial candidates ADDRESS [--table CSV]\n");

// Runs the command on the arguments after "candidates"; `defaultTable` is the table used without
// --table. Exit 0 with one row per line in search order; 1 with the not-found message when there
// is no candidate, or with the table's message when it cannot be loaded; 2 with the usage line
// for bad arguments.
[[nodiscard]] CandidatesCommandResult EvaluateCandidatesCommand(const QStringList& args, const QString& defaultTable);

// The same, printing in UTF-8 with the table of the selected postal slot.
[[nodiscard]] int RunCandidatesCommand(const QStringList& args);
