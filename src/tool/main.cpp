#include "CandidatesCommand.h"
#include "ExchangeCommands.h"
#include "FindCommands.h"
#include "MemoryDialCommands.h"
#include "PostalCommand.h"
#include "memorydial/CodePage.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    if (args.isEmpty()) {
        return UsageError();
    }
    if (!CodePage::IsAvailable()) {
        QTextStream(stderr) << "mdial: this Qt has no Shift_JIS converter (built without ICU)\n";
        return 1;
    }
    const QString command = args.takeFirst();
    if (command == u"dump") {
        return RunDumpCommand(args);
    }
    if (command == u"info") {
        return RunInfoCommand(args);
    }
    if (command == u"copy") {
        return RunCopyCommand(args);
    }
    if (command == u"postal") {
        return RunPostalCommand(args);
    }
    if (command == u"candidates") {
        return RunCandidatesCommand(args);
    }
    if (command == u"export") {
        return RunExportCommand(args);
    }
    if (command == u"import") {
        return RunImportCommand(args);
    }
    if (command == u"find") {
        return RunFindCommand(args);
    }
    if (command == u"duplicates") {
        return RunDuplicatesCommand(args);
    }
    return UsageError();
}
