#include "ExchangeCommands.h"

#include "ToolOutput.h"
#include "exchange/AddressBook.h"
#include "exchange/ExchangeTexts.h"
#include "files/SafeFileWrite.h"
#include "memorydial/MemoryDialReader.h"
#include "memorydial/MemoryDialWriter.h"

#include <QFileInfo>

namespace {

ExchangeCommandResult Usage()
{
    return {2, QByteArray(), kExchangeUsage};
}

ExchangeCommandResult Failure(const QString& message)
{
    return {1, QByteArray(), message + u'\n'};
}

// Takes "--name VALUE" out of `args`; false when the option is given twice or has no value.
bool TakeOption(QStringList& args, QStringView name, QString& value)
{
    const qsizetype at = args.indexOf(name);
    if (at < 0) {
        return true;
    }
    if (at + 1 >= args.size() || args.indexOf(name, at + 1) >= 0) {
        return false;
    }
    value = args[at + 1];
    args.remove(at, 2);
    return !value.isEmpty();
}

// An export cut short on stdout (a full disk, a closed pipe) must not pass for a whole one.
int Emit(const ExchangeCommandResult& result)
{
    const bool written = PrintOutputBytes(result.out);
    PrintError(result.err);
    return written || result.exitCode != 0 ? result.exitCode : 1;
}

} // namespace

ExchangeCommandResult EvaluateExportCommand(const QStringList& arguments)
{
    QStringList args = arguments;
    QString format;
    QString out;
    if (!TakeOption(args, u"--format", format) || !TakeOption(args, u"--out", out) || args.size() != 1 ||
        args[0].startsWith(u"--") || (format != u"vcard" && format != u"csv")) {
        return Usage();
    }
    MemoryDialReadResult read = MemoryDataOpen(args[0], QStringList());
    if (!read.content) {
        return Failure(read.error);
    }
    MemoryDial dial;
    dial.Apply(std::move(*read.content));
    const ExportResult exported =
        ExportAddressBook(dial, format == u"csv" ? ExchangeFormat::Csv : ExchangeFormat::VCard, false);
    ExchangeCommandResult result;
    if (!exported.report.details.isEmpty()) {
        result.err = exported.report.Text(false);
    }
    if (out.isEmpty()) {
        result.out = exported.bytes;
        return result;
    }
    // The export is no memory dial: written over its own source it would destroy it.
    if (IsSameFile(out, args[0])) {
        return Failure(out + u'：' + ExchangeTexts::kOverSource);
    }
    const QString error = WriteExportFile(out, exported.bytes);
    if (!error.isEmpty()) {
        return Failure(error);
    }
    return result;
}

ExchangeCommandResult EvaluateImportCommand(const QStringList& arguments, const QDateTime& now)
{
    QStringList args = arguments;
    QString into;
    if (!TakeOption(args, u"--into", into) || into.isEmpty()) {
        return Usage();
    }
    const bool force = args.removeOne(QStringLiteral("--force"));
    if (args.isEmpty()) {
        return Usage();
    }
    for (const QString& arg : args) {
        if (arg.startsWith(u"--")) {
            return Usage();
        }
        // Read first and written last, the file would end up holding its entries twice.
        if (IsSameFile(arg, into)) {
            return Failure(into + u'：' + ExchangeTexts::kIntoInput);
        }
    }
    MemoryDial dial;
    const QFileInfo target(into);
    // A dangling link counts as present: the writer must not create a file where it points.
    if (target.exists() || target.isSymLink()) {
        MemoryDialReadResult read = MemoryDataOpen(into, QStringList());
        if (!read.content) {
            return Failure(into + u'：' + read.error);
        }
        if (!read.content->foreignProperties.isEmpty()) {
            return Failure(into + u'：' + ExchangeTexts::kIntoForeign + read.content->foreignProperties.join(u", "));
        }
        dial.Apply(std::move(*read.content));
    }
    const ExchangeReport report = ImportAddressBook(dial, args, now);
    ExchangeCommandResult result;
    result.err = report.Text(true);
    if (report.entries == 0) {
        result.exitCode = 1;
        return result;
    }
    // Without a person to ask, a file that would not read back as it was is not written.
    if (const std::optional<QString> notice = SeparatorNotice(dial.rows); notice && !force) {
        result.exitCode = 1;
        result.err += *notice + QStringLiteral("\nmdial: nothing written; --force writes it as it stands\n");
        return result;
    }
    const QString vcVer = dial.VcVer.isEmpty() ? QStringLiteral("VERSION:3.0") : dial.VcVer;
    const MemoryDialWriteResult written = WriteMemoryDial(into, dial.rows, vcVer);
    if (!written.ok) {
        result.exitCode = 1;
        result.err += written.error + u'\n';
    }
    return result;
}

int RunExportCommand(const QStringList& args)
{
    return Emit(EvaluateExportCommand(args));
}

int RunImportCommand(const QStringList& args)
{
    return Emit(EvaluateImportCommand(args, QDateTime::currentDateTime()));
}
