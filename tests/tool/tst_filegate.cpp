// Every command that opens, writes, deletes or renames a file, against every kind of thing that
// may stand at the name it is given: only regular files are read or replaced, and what is
// refused is left exactly as it was.

#include "ExchangeCommands.h"
#include "FindCommands.h"
#include "MemoryDialCommands.h"
#include "SampleEntries.h"
#include "NodeMakers.h"
#include "app/HelpFile.h"
#include "exchange/AddressBook.h"
#include "files/SafeFileMove.h"
#include "memorydial/MemoryDialReader.h"
#include "memorydial/MemoryDialWriter.h"
#include "services/PostalIndex.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QDateTime kNow(QDate(2026, 1, 2), QTime(3, 4, 5));

// Puts the thing of `kind` at `path`; false when this system does not allow it here.
bool Make(const QString& kind, const QString& path, const QString& memoryDial)
{
    const QByteArray name = QFile::encodeName(path);
    const QString thing = path + u".thing"_s;
    const QByteArray thingName = QFile::encodeName(thing);
    if (kind == u"folder") {
        return QDir().mkdir(path);
    }
    if (kind == u"FIFO") {
        return MakeFifo(path);
    }
    if (kind == u"socket") {
        return MakeSocket(path);
    }
    if (kind == u"device") {
        // A null device of its own, inside the test's folder.
        return mknod(name.constData(), S_IFCHR | 0600, makedev(1, 3)) == 0;
    }
    if (kind == u"link to folder") {
        return QDir().mkdir(thing) && QFile::link(thing, path);
    }
    if (kind == u"link to FIFO") {
        return MakeFifo(thing) && QFile::link(thing, path);
    }
    if (kind == u"link to device") {
        return mknod(thingName.constData(), S_IFCHR | 0600, makedev(1, 3)) == 0 && QFile::link(thing, path);
    }
    if (kind == u"link loop") {
        return QFile::link(thing, path) && QFile::link(path, thing);
    }
    if (kind == u"the input itself") {
        return QFile::copy(memoryDial, path);
    }
    return kind == u"missing";
}

// What stands at `path` and beside it: type, inode, size, time and content, unfollowed.
QString Fingerprint(const QString& path)
{
    struct stat info = {};
    const QByteArray name = QFile::encodeName(path);
    QString print;
    for (const QString& entry : QDir(QFileInfo(path).path())
                                    .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot)) {
        print += entry + u'/';
    }
    if (lstat(name.constData(), &info) != 0) {
        return print + u"missing"_s;
    }
    print += QString::number(info.st_mode) + u' ' + QString::number(info.st_ino) + u' ' +
             QString::number(info.st_size) + u' ' + QString::number(info.st_mtim.tv_sec) + u'.' +
             QString::number(info.st_mtim.tv_nsec);
    if (S_ISLNK(info.st_mode)) {
        print += u" -> "_s + QFile::symLinkTarget(path);
    } else if (S_ISREG(info.st_mode)) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            print += QString::fromLatin1(file.readAll().toHex());
        }
    }
    return print;
}

struct EntryPoint
{
    QString name;
    bool writes;     // makes a file at a name that holds nothing yet
    bool takesInput; // reads a memory dial of its own, which the name may be
    // Runs the command on `path`; `dial` is a memory dial beside it. True when it went ahead.
    std::function<bool(const QString& path, const QString& dial)> run;
};

QList<EntryPoint> EntryPoints()
{
    return {
        {u"open"_s, false, false,
         [](const QString& path, const QString&) { return MemoryDataOpen(path, {}).content.has_value(); }},
        {u"save"_s, true, false,
         [](const QString& path, const QString&) { return WriteMemoryDial(path, SampleRows(2), u"VERSION:3.0"_s).ok; }},
        {u"import"_s, false, false,
         [](const QString& path, const QString&) {
             MemoryDial dial;
             return ImportAddressBook(dial, {path}, kNow).refusedFiles.isEmpty();
         }},
        {u"export"_s, true, false,
         [](const QString& path, const QString&) { return WriteExportFile(path, "BEGIN:VCARD\r\n").isEmpty(); }},
        {u"postal table"_s, false, false,
         [](const QString& path, const QString&) {
             PostalIndex index;
             return !LoadPostalIndex(index, path).has_value();
         }},
        {u"settings"_s, true, false,
         [](const QString& path, const QString&) {
             SettingsStore store(path);
             store.SaveSetting(u"Config"_s, u"OptLogo"_s, u"0"_s);
             return store.Sync() == QSettings::NoError;
         }},
        {u"help collection"_s, true, false,
         [](const QString& path, const QString&) { return !HelpCollectionProblem(path).has_value(); }},
        {u"delete"_s, false, false,
         [](const QString& path, const QString&) { return RemoveRegularFile(path) == FileMoveResult::Done; }},
        {u"rename from"_s, false, false,
         [](const QString& path, const QString&) {
             return RenameRegularFile(path, path + u".renamed"_s) == FileMoveResult::Done;
         }},
        {u"rename to"_s, true, false,
         [](const QString& path, const QString& dial) {
             const QString source = dial + u".copy"_s;
             return QFile::copy(dial, source) && RenameRegularFile(source, path) == FileMoveResult::Done;
         }},
        {u"mdial import --into"_s, true, true,
         [](const QString& path, const QString& dial) {
             const QString input = dial + u".input.vcf"_s;
             QFile file(input);
             const QByteArray card = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Hanako\r\nEND:VCARD\r\n";
             if (!file.open(QIODevice::WriteOnly) || file.write(card) != card.size()) {
                 return false;
             }
             file.close();
             const bool self = QFileInfo::exists(path) && QFileInfo(path).isFile();
             return EvaluateImportCommand({self ? path : input, u"--into"_s, path}, kNow).exitCode == 0;
         }},
        {u"mdial export --out"_s, true, true,
         [](const QString& path, const QString& dial) {
             const bool self = QFileInfo(path).isFile();
             return EvaluateExportCommand({self ? path : dial, u"--format"_s, u"vcard"_s, u"--out"_s, path}).exitCode ==
                    0;
         }},
        {u"mdial copy (to)"_s, true, false,
         [](const QString& path, const QString& dial) {
             return RunCopyCommand({dial, path}) == 0;
         }},
        {u"mdial find"_s, false, false,
         [](const QString& path, const QString&) {
             return RunFindCommand({path, u"x"_s}) == 0;
         }},
        {u"mdial duplicates"_s, false, false,
         [](const QString& path, const QString&) { return RunDuplicatesCommand({path}) == 0; }},
    };
}

} // namespace

class TestFileGate : public QObject
{
    Q_OBJECT

private slots:
    void everyEntryPointEveryPathKind_data();
    void everyEntryPointEveryPathKind();
    void importSaysWhy_data();
    void importSaysWhy();
};

void TestFileGate::everyEntryPointEveryPathKind_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("goesAhead");
    const QStringList kinds = {u"missing"_s,   u"folder"_s,          u"FIFO"_s,         u"socket"_s,
                               u"device"_s,    u"link to folder"_s,  u"link to FIFO"_s, u"link to device"_s,
                               u"link loop"_s, u"the input itself"_s};
    const QList<EntryPoint> entries = EntryPoints();
    for (int e = 0; e < entries.size(); ++e) {
        for (const QString& kind : kinds) {
            if (kind == u"the input itself" && !entries[e].takesInput) {
                continue;
            }
            // Only a name that holds nothing yet may be written; nothing else is ever touched.
            const bool goesAhead = kind == u"missing" && entries[e].writes;
            QTest::addRow("%s, %s", qPrintable(entries[e].name), qPrintable(kind)) << e << kind << goesAhead;
        }
    }
}

void TestFileGate::everyEntryPointEveryPathKind()
{
    QFETCH(int, entry);
    QFETCH(QString, kind);
    QFETCH(bool, goesAhead);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString dial = dir.filePath(u"dial.vcf"_s);
    QVERIFY(WriteMemoryDial(dial, SampleRows(3), u"VERSION:3.0"_s).ok);
    // The name stands in a folder of its own, whose listing is part of what must not change.
    QVERIFY(QDir(dir.path()).mkdir(u"at"_s));
    const QString path = dir.filePath(u"at/target"_s);
    if (!Make(kind, path, dial)) {
        QSKIP("this system does not allow such a node here");
    }
    const QString before = Fingerprint(path);

    QCOMPARE(EntryPoints()[entry].run(path, dial), goesAhead);
    if (!goesAhead) {
        QCOMPARE(Fingerprint(path), before);
    }
}

// A name that holds nothing is missing, not "no regular file".
void TestFileGate::importSaysWhy_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << u"missing"_s << u"ファイルが見つかりません。"_s;
    QTest::newRow("link to nothing") << u"dangling"_s << u"ファイルが見つかりません。"_s;
    QTest::newRow("folder") << u"folder"_s << u"通常のファイルではありません。"_s;
    QTest::newRow("link loop") << u"link loop"_s << u"通常のファイルではありません。"_s;
}

void TestFileGate::importSaysWhy()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"in.vcf"_s);
    if (kind == u"dangling") {
        QVERIFY(QFile::link(dir.filePath(u"gone.vcf"_s), path));
    } else {
        QVERIFY(Make(kind, path, QString()));
    }
    MemoryDial dial;
    QCOMPARE(ImportAddressBook(dial, {path}, kNow).refusedFiles, QStringList{path + u'：' + reason});
}

QTEST_GUILESS_MAIN(TestFileGate)
#include "tst_filegate.moc"
