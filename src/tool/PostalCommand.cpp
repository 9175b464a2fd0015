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

std::optional<PostalArguments> ParsePostalArguments(const QStringList& args, const QString& defaultTable)
{
    std::optional<QString> word;
    std::optional<QString> table;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == u"--table") {
            if (table || i + 1 >= args.size()) {
                return std::nullopt;
            }
            table = args[++i];
        } else if (arg.startsWith(u'-') || word) {
            return std::nullopt;
        } else {
            word = arg;
        }
    }
    if (!word) {
        return std::nullopt;
    }
    return PostalArguments{*word, table.value_or(defaultTable)};
}

std::optional<PostalCommandResult> LoadPostalTableForTool(PostalIndex& index, const QString& path)
{
    const std::optional<QString> failure = LoadPostalIndex(index, path);
    if (!failure) {
        return std::nullopt;
    }
    // The message box parts its sentences with carriage returns; a terminal needs line feeds.
    QString message = *failure;
    message.replace(u'\r', u'\n');
    return PostalCommandResult{1, QString(), message + u'\n'};
}

int RunWithPostalTable(const QStringList& args, PostalCommandResult (*evaluate)(const QStringList&, const QString&))
{
    SetApplicationIdentity();
    const SettingsStore store(SettingsFilePath());
    const PostalCommandResult result = evaluate(args, SelectedPostalTablePath(store, ProgramFolder()));
    if (!PrintOutput(result.out)) {
        return 1;
    }
    PrintError(result.err);
    return result.exitCode;
}

PostalCommandResult EvaluatePostalCommand(const QStringList& args, const QString& defaultTable)
{
    const std::optional<PostalArguments> arguments = ParsePostalArguments(args, defaultTable);
    if (!arguments || !IsPostalCode(arguments->word)) {
        return Usage();
    }
    PostalIndex index;
    if (std::optional<PostalCommandResult> failed = LoadPostalTableForTool(index, arguments->table)) {
        return *failed;
    }
    return PostalCommandResult{0, ShowAddressForPostalCode(index, arguments->word) + u'\n', QString()};
}

int RunPostalCommand(const QStringList& args)
{
    return RunWithPostalTable(args, &EvaluatePostalCommand);
}
