#pragma once

#include <QString>
#include <QStringList>

// `mdial postal CODE [--table CSV]`: the address of a 7-digit postal code.
struct PostalCommandResult
{
    int exitCode = 0;
    QString out; // for stdout
    QString err; // for stderr
};

inline const QString kPostalUsage = QStringLiteral("usage: mdial postal CODE [--table CSV]\n");

// Runs the command on the arguments after "postal"; `defaultTable` is the table used without
// --table. Exit 0 with the address or the not-found text, 1 when the table cannot be loaded,
// 2 with the usage line for bad arguments.
[[nodiscard]] PostalCommandResult EvaluatePostalCommand(const QStringList& args, const QString& defaultTable);

// The same, printing in UTF-8; without --table it uses the table of the postal slot selected in
// the settings (read only, never written). Exit 1 when the output cannot be written.
[[nodiscard]] int RunPostalCommand(const QStringList& args);
