#pragma once

#include <QString>
#include <QStringList>

// `mdial candidates ADDRESS [--table CSV]`: the postal-code candidates of an address, as the
// editor's candidate dialog lists them.
struct CandidatesCommandResult
{
    int exitCode = 0;
    QString out; // for stdout
    QString err; // for stderr
};

inline const QString kCandidatesUsage = QStringLiteral("usage: mdial candidates ADDRESS [--table CSV]\n");

// Runs the command on the arguments after "candidates"; `defaultTable` is the table used without
// --table. Exit 0 with one row per line in search order; 1 with the not-found message when there
// is no candidate, or with the table's message when it cannot be loaded; 2 with the usage line
// for bad arguments.
[[nodiscard]] CandidatesCommandResult EvaluateCandidatesCommand(const QStringList& args, const QString& defaultTable);

// The same, printing in UTF-8; without --table it uses the table of the postal slot selected in
// the settings (read only, never written).
[[nodiscard]] int RunCandidatesCommand(const QStringList& args);
