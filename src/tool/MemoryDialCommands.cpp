#include "MemoryDialCommands.h"

#include "ToolOutput.h"
#include "memorydial/MemoryDialReader.h"
#include "memorydial/MemoryDialWriter.h"

namespace {

// Scripts split the output on TAB and LF, so those (and the escape character itself) must
// not appear raw inside a cell.
QString Escaped(const QString& cell)
{
    QString out;
    out.reserve(cell.size());
    for (const QChar c : cell) {
        switch (c.unicode()) {
        case u'\\':
            out += QStringLiteral("\\\\");
            break;
        case u'\t':
            out += QStringLiteral("\\t");
            break;
        case u'\r':
            out += QStringLiteral("\\r");
            break;
        case u'\n':
            out += QStringLiteral("\\n");
            break;
        default:
            out += c;
            break;
        }
    }
    return out;
}

} // namespace

std::optional<MemoryDialContent> ReadMemoryDialFile(const QString& path)
{
    MemoryDialReadResult result = MemoryDataOpen(path, QStringList());
    if (!result.content) {
        PrintError(result.error + u'\n');
    }
    return std::move(result.content);
}

QString DumpLine(const Entry& entry)
{
    QString line;
    for (int column = 0; column < kEntryColumnCount; ++column) {
        if (column > 0) {
            line += u'\t';
        }
        line += Escaped(entry[column]);
    }
    return line + u'\n';
}

int UsageError()
{
    PrintError(QStringLiteral("usage: mdial dump FILE | info FILE | copy [--force] IN OUT | postal CODE [--table CSV]\n"
                              "       | candidates ADDRESS [--table CSV] | export FILE --format vcard|csv [--out OUT]\n"
                              "       | import [--force] IN... --into FILE | find FILE QUERY | duplicates FILE\n"));
    return 2;
}

int RunDumpCommand(const QStringList& args)
{
    if (args.size() != 1) {
        return UsageError();
    }
    const std::optional<MemoryDialContent> content = ReadMemoryDialFile(args[0]);
    if (!content) {
        return 1;
    }
    QString out;
    for (const Entry& entry : content->rows) {
        out += DumpLine(entry);
    }
    return PrintOutput(out) ? 0 : 1;
}

int RunInfoCommand(const QStringList& args)
{
    if (args.size() != 1) {
        return UsageError();
    }
    const std::optional<MemoryDialContent> content = ReadMemoryDialFile(args[0]);
    if (!content) {
        return 1;
    }
    QString out = QStringLiteral("VcVer\t") + Escaped(content->VcVer) + u'\n';
    out += QStringLiteral("EntryCount\t") + QString::number(content->EntryCount) + u'\n';
    out += QStringLiteral("GroupCount\t") + content->GroupCount + u'\n';
    for (qsizetype g = 0; g < content->GroupNames.size(); ++g) {
        if (!content->GroupNames[g].isEmpty()) {
            out += QStringLiteral("GroupNames(") + QString::number(g) + QStringLiteral(")\t") +
                   Escaped(content->GroupNames[g]) + u'\n';
        }
    }
    return PrintOutput(out) ? 0 : 1;
}

int RunCopyCommand(const QStringList& args)
{
    QStringList files;
    bool force = false;
    for (const QString& arg : args) {
        if (arg == u"--force" && !force) {
            force = true;
        } else if (arg.startsWith(u"--")) {
            return UsageError();
        } else {
            files << arg;
        }
    }
    if (files.size() != 2) {
        return UsageError();
    }
    const std::optional<MemoryDialContent> content = ReadMemoryDialFile(files[0]);
    if (!content) {
        return 1;
    }
    // Without a person to ask, a copy that would not read back as it was is refused.
    std::optional<QString> notice = SeparatorNotice(content->rows);
    if (!notice && !content->foreignProperties.isEmpty()) {
        notice = QStringLiteral("mdial: the copy would leave out ") + content->foreignProperties.join(u", ");
    }
    if (notice && !force) {
        PrintError(*notice + QStringLiteral("\nmdial: nothing written; --force copies it as it stands\n"));
        return 1;
    }
    const QString vcVer = content->VcVer.isEmpty() ? QStringLiteral("VERSION:3.0") : content->VcVer;
    const MemoryDialWriteResult result = WriteMemoryDial(files[1], content->rows, vcVer);
    if (!result.ok) {
        PrintError(result.error + u'\n');
        return 1;
    }
    return 0;
}
