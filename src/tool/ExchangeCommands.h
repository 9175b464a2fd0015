#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

// `mdial export FILE --format vcard|csv [--out OUT]` and `mdial import IN... --into FILE`.
struct ExchangeCommandResult
{
    int exitCode = 0;
    QByteArray out; // for stdout
    QString err;    // for stderr
};

inline const QString kExchangeUsage =
    QStringLiteral("usage: mdial export FILE --format vcard|csv [--out OUT] | import [--force] IN... --into FILE\n");

// Exports every entry of a memory dial; without --out the bytes go to stdout. Exit 0 done, 1
// the memory dial could not be read or OUT not written, 2 with the usage line.
[[nodiscard]] ExchangeCommandResult EvaluateExportCommand(const QStringList& args);

// Appends the entries of vCard or exported CSV files to FILE, creating it when it does not
// exist, through the memory dial's safe writer; the report goes to stderr. Exit 0 when
// something was imported, 1 when nothing could be (FILE is then left as it was) or FILE could
// not be read or written, 2 with the usage line. FILE must be a memory dial that loses nothing
// when written again, and none of the inputs; with --force a cell holding a comma or a line
// break is written as it stands, as `copy --force` does.
[[nodiscard]] ExchangeCommandResult EvaluateImportCommand(const QStringList& args, const QDateTime& now);

[[nodiscard]] int RunExportCommand(const QStringList& args);
[[nodiscard]] int RunImportCommand(const QStringList& args);
