#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class PostalIndex;

// What a postal-table command prints and the exit code it ends with.
struct PostalCommandResult
{
    int exitCode = 0;
    QString out; // for stdout
    QString err; // for stderr
};

// The one word and the table of `mdial postal|candidates WORD [--table CSV]`.
struct PostalArguments
{
    QString word;
    QString table; // --table, or the default table
};

// Nothing for bad arguments: an option other than one --table CSV, or not exactly one word.
[[nodiscard]] std::optional<PostalArguments> ParsePostalArguments(const QStringList& args, const QString& defaultTable);

// Loads the table of a command; on failure the result to end the command with (exit 1 and the
// table's message, with line feeds for a terminal).
[[nodiscard]] std::optional<PostalCommandResult> LoadPostalTableForTool(PostalIndex& index, const QString& path);

// Runs `evaluate` with the table of the postal slot selected in the settings (read only, never
// written) as its default, and prints its result in UTF-8. Exit 1 when the output cannot be
// written.
[[nodiscard]] int RunWithPostalTable(const QStringList& args,
                                     PostalCommandResult (*evaluate)(const QStringList&, const QString&));

inline const QString kPostalUsage = QStringLiteral("usage: mdial postal CODE [--table CSV]\n");

// `mdial postal CODE [--table CSV]`: the address of a 7-digit postal code. Runs the command on
// the arguments after "postal"; `defaultTable` is the table used without --table. Exit 0 with the
// address or the not-found text, 1 when the table cannot be loaded, 2 with the usage line for bad
// arguments.
[[nodiscard]] PostalCommandResult EvaluatePostalCommand(const QStringList& args, const QString& defaultTable);

// The same, printing in UTF-8 with the table of the selected postal slot.
[[nodiscard]] int RunPostalCommand(const QStringList& args);
