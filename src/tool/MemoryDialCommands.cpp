#include "MemoryDialCommands.h"

#include "memorydial/MemoryDialReader.h"
#include "memorydial/MemoryDialWriter.h"

#include <QTextStream>

#include <cstdio>

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

void Print(FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

std::optional<MemoryDialContent> Read(const QString& path)
{
    MemoryDialReadResult result = MemoryDataOpen(path, QStringList());
    if (!result.content) {
        Print(stderr, result.error + u'\n');
    }
    return std::move(result.content);
}

} // namespace

int UsageError()
{
    Print(stderr, QStringLiteral("usage: mdial dump FILE | info FILE | copy IN OUT | postal CODE [--table CSV]\n"));
    return 2;
}

int RunDumpCommand(const QStringList& args)
{
    if (args.size() != 1) {
        return UsageError();
    }
    const std::optional<MemoryDialContent> content = Read(args[0]);
    if (!content) {
        return 1;
    }
    QString out;
    for (const Entry& entry : content->rows) {
        for (int column = 0; column < kEntryColumnCount; ++column) {
            if (column > 0) {
                out += u'\t';
            }
            out += Escaped(entry[column]);
        }
        out += u'\n';
    }
    Print(stdout, out);
    return 0;
}

int RunInfoCommand(const QStringList& args)
{
    if (args.size() != 1) {
        return UsageError();
    }
    const std::optional<MemoryDialContent> content = Read(args[0]);
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
    Print(stdout, out);
    return 0;
}

int RunCopyCommand(const QStringList& args)
{
    if (args.size() != 2) {
        return UsageError();
    }
    const std::optional<MemoryDialContent> content = Read(args[0]);
    if (!content) {
        return 1;
    }
    const QString vcVer = content->VcVer.isEmpty() ? QStringLiteral("VERSION:3.0") : content->VcVer;
    const MemoryDialWriteResult result = WriteMemoryDial(args[1], content->rows, vcVer);
    if (!result.ok) {
        Print(stderr, result.error + u'\n');
        return 1;
    }
    return 0;
}
