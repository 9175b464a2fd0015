#include "CandidatesCommand.h"

#include "services/CandidateSearch.h"
#include "services/PostalIndex.h"
#include "services/ServiceTexts.h"

#include <optional>

CandidatesCommandResult EvaluateCandidatesCommand(const QStringList& args, const QString& defaultTable)
{
    const std::optional<PostalArguments> arguments = ParsePostalArguments(args, defaultTable);
    if (!arguments || arguments->word.isEmpty()) {
        return CandidatesCommandResult{2, QString(), kCandidatesUsage};
    }
    PostalIndex index;
    if (std::optional<PostalCommandResult> failed = LoadPostalTableForTool(index, arguments->table)) {
        return *failed;
    }
    const QStringList rows = SearchCandidatesByAddress(index, arguments->word);
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
    return RunWithPostalTable(args, &EvaluateCandidatesCommand);
}
