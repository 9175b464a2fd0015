#include "PostalCommand.h"

#include "ToolOutput.h"
#include "services/PostalIndex.h"
#include "settings/AppSettings.h"
#include "settings/ProgramFolder.h"
#include "settings/StartupValues.h"

#include <algorithm>
#include <optional>

namespace {

bool IsPostalCode(const QString& text)
{
    return text.size() == 7 && std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

PostalCommandResult Usage()
{
    return PostalCommandResult{2, QString(), kPostalUsage};
}

} // namespace

PostalCommandResult EvaluatePostalCommand(const QStringList& args, const QString& defaultTable)
{
    std::optional<QString> code;
    std::optional<QString> table;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == u"--table") {
            if (table || i + 1 >= args.size()) {
                return Usage();
            }
            table = args[++i];
        } else if (arg.startsWith(u'-') || code) {
            return Usage();
        } else {
            code = arg;
        }
    }
    if (!code || !IsPostalCode(*code)) {
        return Usage();
    }

    PostalIndex index;
    if (const std::optional<QString> failure = LoadPostalIndex(index, table.value_or(defaultTable))) {
        // The message box parts its sentences with carriage returns; a terminal needs line feeds.
        QString message = *failure;
        message.replace(u'\r', u'\n');
        return PostalCommandResult{1, QString(), message + u'\n'};
    }
    return PostalCommandResult{0, ShowAddressForPostalCode(index, *code) + u'\n', QString()};
}

int RunPostalCommand(const QStringList& args)
{
    SetApplicationIdentity();
    const SettingsStore store(SettingsFilePath());
    const QString defaultTable = SelectedPostalTablePath(store, ProgramFolder());
    const PostalCommandResult result = EvaluatePostalCommand(args, defaultTable);
    if (!PrintOutput(result.out)) {
        return 1;
    }
    PrintError(result.err);
    return result.exitCode;
}
