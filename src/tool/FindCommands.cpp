#include "FindCommands.h"

#include "MemoryDialCommands.h"
#include "ToolOutput.h"
#include "find/Duplicates.h"
#include "find/EntryFind.h"

int RunFindCommand(const QStringList& args)
{
    if (args.size() != 2) {
        return UsageError();
    }
    const std::optional<MemoryDialContent> content = ReadMemoryDialFile(args[0]);
    if (!content) {
        return 1;
    }
    const EntryQuery query(args[1]);
    QString out;
    for (const Entry& entry : content->rows) {
        if (query.Matches(entry)) {
            out += DumpLine(entry);
        }
    }
    return PrintOutput(out) ? 0 : 1;
}

int RunDuplicatesCommand(const QStringList& args)
{
    if (args.size() != 1) {
        return UsageError();
    }
    const std::optional<MemoryDialContent> content = ReadMemoryDialFile(args[0]);
    if (!content) {
        return 1;
    }
    QString out;
    for (const QList<int>& group : FindDuplicateGroups(content->rows)) {
        if (!out.isEmpty()) {
            out += u'\n';
        }
        for (const int row : group) {
            out += DumpLine(content->rows[row - 1]);
        }
    }
    return PrintOutput(out) ? 0 : 1;
}
