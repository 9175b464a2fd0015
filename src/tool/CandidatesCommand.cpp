#include "CandidatesCommand.h"

#include "ToolOutput.h"
#include "services/CandidateSearch.h"
#include "services/PostalIndex.h"
#include "services/ServiceTexts.h"
#include "settings/AppSettings.h"
#include "settings/StartupValues.h"

#include <QCoreApplication>

#include <optional>

namespace {

CandidatesCommandResult Usage()
{
    return CandidatesCommandResult{2, QString(), kCandidatesUsage};
}

} // namespace

CandidatesCommandResult EvaluateCandidatesCommand(const QStringList& args, const QString& defaultTable)
{
    std::optional<QString> address;
    std::optional<QString> table;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == u"--table") {
            if (table || i + 1 >= args.size()) {
                return Usage();
            }
            table = args[++i];
        } else if (arg.startsWith(u'-') || address) {
            return Usage();
        } else {
            address = arg;
        }
    }
    if (!address || address->isEmpty()) {
        return Usage();
    }

    PostalIndex index;
    if (const std::optional<QString> failure = LoadPostalIndex(index, table.value_or(defaultTable))) {
        // The message box parts its sentences with carriage returns; a terminal needs line feeds.
        QString message = *failure;
        message.replace(u'\r', u'\n');
        return CandidatesCommandResult{1, QString(), message + u'\n'};
    }
    const QStringList rows = SearchCandidatesByAddress(index, *address);
    if (rows.isEmpty()) {
        return CandidatesCommandResult{1, QString(), ServiceTexts::kCandidateNotFoundText.toString() + u'\n'};
    }
    QString out;
    for (const QString& row : rows) {
        out.append(row).append(u'\n');
    }
    return CandidatesCommandResult{0, out, QString()};
}

int RunCandidatesCommand(const QStringList& args)
{
    SetApplicationIdentity();
    const SettingsStore store(SettingsFilePath());
    const QString defaultTable = SelectedPostalTablePath(store, QCoreApplication::applicationDirPath());
    const CandidatesCommandResult result = EvaluateCandidatesCommand(args, defaultTable);
    if (!PrintOutput(result.out)) {
        return 1;
    }
    PrintError(result.err);
    return result.exitCode;
}
