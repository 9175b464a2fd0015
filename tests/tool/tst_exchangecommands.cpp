#include "ExchangeCommands.h"
#include "SampleEntries.h"
#include "memorydial/MemoryDialReader.h"
#include "memorydial/MemoryDialWriter.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QDateTime kNow(QDate(2026, 1, 2), QTime(3, 4, 5));
const QString kFixtures = QStringLiteral(MORVANX_TEST_DATA "/vcard/");

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QList<Entry> ReadRows(const QString& path)
{
    const MemoryDialReadResult read = MemoryDataOpen(path, QStringList());
    return read.content ? read.content->rows : QList<Entry>();
}

} // namespace

class TestExchangeCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void usage_data();
    void usage();
    void exportFormats_data();
    void exportFormats();
    void importCreatesThenAppends();
    void importOfNothingLeavesFile_data();
    void importOfNothingLeavesFile();
    void exportToFileAndBack();
    void importIntoWhatItWouldSpoil_data();
    void importIntoWhatItWouldSpoil();
    void exportToStdout_data();
    void exportToStdout();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_dial;
};

void TestExchangeCommands::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_dial = m_dir->filePath(u"dial.vcf"_s);
    QVERIFY(WriteMemoryDial(m_dial, SampleRows(3), u"VERSION:3.0"_s).ok);
}

void TestExchangeCommands::usage_data()
{
    QTest::addColumn<bool>("import");
    QTest::addColumn<QStringList>("args");
    QTest::newRow("export without format") << false << QStringList{u"a.vcf"_s};
    QTest::newRow("export unknown format") << false << QStringList{u"a.vcf"_s, u"--format"_s, u"ldif"_s};
    QTest::newRow("export two files") << false << QStringList{u"a"_s, u"b"_s, u"--format"_s, u"csv"_s};
    QTest::newRow("export out without value") << false << QStringList{u"a"_s, u"--format"_s, u"csv"_s, u"--out"_s};
    QTest::newRow("import without into") << true << QStringList{u"a.vcf"_s};
    QTest::newRow("import without input") << true << QStringList{u"--into"_s, u"d.vcf"_s};
    QTest::newRow("import into twice") << true << QStringList{u"a"_s, u"--into"_s, u"d"_s, u"--into"_s, u"e"_s};
    QTest::newRow("import unknown option") << true << QStringList{u"a"_s, u"--into"_s, u"d"_s, u"--merge"_s};
}

void TestExchangeCommands::usage()
{
    QFETCH(bool, import);
    QFETCH(QStringList, args);
    const ExchangeCommandResult result = import ? EvaluateImportCommand(args, kNow) : EvaluateExportCommand(args);
    QCOMPARE(result.exitCode, 2);
    QCOMPARE(result.err, kExchangeUsage);
}

void TestExchangeCommands::exportFormats_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QByteArray>("start");
    QTest::newRow("vcard") << u"vcard"_s << "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:名前0\r\n"_ba;
    QTest::newRow("csv") << u"csv"_s << "\xEF\xBB\xBFNo.,名前,"_ba;
}

void TestExchangeCommands::exportFormats()
{
    QFETCH(QString, format);
    QFETCH(QByteArray, start);
    const ExchangeCommandResult result = EvaluateExportCommand({m_dial, u"--format"_s, format});
    QCOMPARE(result.exitCode, 0);
    QVERIFY2(result.out.startsWith(start), result.out.left(80).constData());
    QCOMPARE(result.err, QString());
}

void TestExchangeCommands::importCreatesThenAppends()
{
    const QString target = m_dir->filePath(u"new.vcf"_s);
    ExchangeCommandResult result =
        EvaluateImportCommand({kFixtures + u"phone-v21-shiftjis.vcf"_s, u"--into"_s, target}, kNow);
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.err.startsWith(u"取り込んだ個別情報：1 件\n"_s));
    QCOMPARE(ReadRows(target).size(), 1);

    result = EvaluateImportCommand(
        {kFixtures + u"ios-v30-groups.vcf"_s, kFixtures + u"utf16be-no-bom.vcf"_s, u"--into"_s, target}, kNow);
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.err.contains(u"PHOTO：画像などのデータは取り込めません"_s));
    const QList<Entry> rows = ReadRows(target);
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows[0][kColName], u"安藤 ロイド"_s);
    QCOMPARE(rows[1][kColNumber], u"001"_s);
    QCOMPARE(rows[2][kColName], u"ノキア"_s);
}

void TestExchangeCommands::importOfNothingLeavesFile_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("reason");
    QTest::newRow("no vCard") << "just text\n"_ba << u"見つかりません"_s;
    QTest::newRow("card without content")
        << "BEGIN:VCARD\nVERSION:3.0\nEND:VCARD\n"_ba << u"取り込める項目がないため、個別情報を作りませんでした"_s;
}

void TestExchangeCommands::importOfNothingLeavesFile()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, reason);
    const QString in = m_dir->filePath(u"in.vcf"_s);
    QVERIFY(WriteFile(in, input));
    QFile before(m_dial);
    QVERIFY(before.open(QIODevice::ReadOnly));
    const QByteArray old = before.readAll();
    before.close();

    const ExchangeCommandResult result = EvaluateImportCommand({in, u"--into"_s, m_dial}, kNow);
    QCOMPARE(result.exitCode, 1);
    QVERIFY2(result.err.contains(reason), qPrintable(result.err));
    QVERIFY(before.open(QIODevice::ReadOnly));
    QCOMPARE(before.readAll(), old);

    const QString fresh = m_dir->filePath(u"fresh.vcf"_s);
    QCOMPARE(EvaluateImportCommand({in, u"--into"_s, fresh}, kNow).exitCode, 1);
    QVERIFY(!QFile::exists(fresh));
}

void TestExchangeCommands::exportToFileAndBack()
{
    for (const QString& format : {u"vcard"_s, u"csv"_s}) {
        const QString out = m_dir->filePath(u"out."_s + format);
        const ExchangeCommandResult exported = EvaluateExportCommand({m_dial, u"--format"_s, format, u"--out"_s, out});
        QCOMPARE(exported.exitCode, 0);
        QVERIFY(exported.out.isEmpty());
        const QString target = m_dir->filePath(u"back-"_s + format + u".vcf"_s);
        QCOMPARE(EvaluateImportCommand({out, u"--into"_s, target}, kNow).exitCode, 0);
        const QList<Entry> source = ReadRows(m_dial);
        const QList<Entry> back = ReadRows(target);
        QCOMPARE(back.size(), source.size());
        for (qsizetype row = 0; row < source.size(); ++row) {
            for (int cell = 1; cell < kColRevision; ++cell) {
                QCOMPARE(back[row][cell], source[row][cell]);
            }
        }
    }
    // A directory is no place for an export, nor the memory dial it comes from (through a link).
    QCOMPARE(EvaluateExportCommand({m_dial, u"--format"_s, u"csv"_s, u"--out"_s, m_dir->path()}).exitCode, 1);
    const QString link = m_dir->filePath(u"link.vcf"_s);
    QVERIFY(QFile::link(m_dial, link));
    const QByteArray before = ReadBytes(m_dial);
    for (const QString& target : {m_dial, link}) {
        QCOMPARE(EvaluateExportCommand({m_dial, u"--format"_s, u"vcard"_s, u"--out"_s, target}).exitCode, 1);
        QCOMPARE(ReadBytes(m_dial), before);
    }
}

// The target is written back whole: one that is no memory dial, holds what a memory dial cannot
// keep, is one of the inputs, or would not read back as written is left alone, exit 1.
void TestExchangeCommands::importIntoWhatItWouldSpoil_data()
{
    QTest::addColumn<QByteArray>("target"); // empty: the input itself
    QTest::addColumn<bool>("force");
    QTest::addColumn<QString>("reason");
    const QByteArray card = "BEGIN:VCARD\r\nVERSION:3.0\r\nX-REDUCTION:1\r\nFN:Taro\r\n";
    QTest::newRow("shell script") << "#!/bin/sh\necho backup\n"_ba << false
                                  << u"メモリダイヤル（vCard）ではありません"_s;
    QTest::newRow("phone's vCard")
        << card + "ORG:Acme\r\nTITLE:Boss\r\nEND:VCARD\r\n"
        << true << u"保存できない項目があるため、書き換えません（新しいファイルに取り込んで下さい）：ORG, TITLE"_s;
    QTest::newRow("the input itself") << QByteArray() << false << u"取り込むファイル自身には取り込めません。"_s;
    QTest::newRow("quoted comma") << card + "\"NOTE:call back, then END:VCARD,BEGIN:VCARD,FN:ghost\"\r\nEND:VCARD\r\n"
                                  << false << u"カンマ（,）または改行"_s;
    QTest::newRow("quoted comma, forced") << card + "\"NOTE:call back, then\"\r\nEND:VCARD\r\n" << true << QString();
}

void TestExchangeCommands::importIntoWhatItWouldSpoil()
{
    QFETCH(QByteArray, target);
    QFETCH(bool, force);
    QFETCH(QString, reason);
    const QString in = m_dir->filePath(u"in.vcf"_s);
    QVERIFY(WriteFile(in, "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Hanako\r\nEND:VCARD\r\n"));
    const QString into = target.isEmpty() ? in : m_dir->filePath(u"into.vcf"_s);
    if (!target.isEmpty()) {
        QVERIFY(WriteFile(into, target));
    }
    const QByteArray before = ReadBytes(into);
    QStringList args{in, u"--into"_s, into};
    if (force) {
        args.prepend(u"--force"_s);
    }
    const ExchangeCommandResult result = EvaluateImportCommand(args, kNow);
    QVERIFY2(result.err.contains(reason), qPrintable(result.err));
    QCOMPARE(result.exitCode, reason.isEmpty() ? 0 : 1);
    QCOMPARE(ReadBytes(into) == before, !reason.isEmpty());
}

// The export written to stdout, in a child process whose stdout is the given file: a full
// one must not pass for a whole export.
void TestExchangeCommands::exportToStdout_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<bool>("full");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("CSV to a file") << u"csv"_s << false << 0;
    QTest::newRow("CSV to a full output") << u"csv"_s << true << 1;
    QTest::newRow("vCard to a full output") << u"vcard"_s << true << 1;
}

void TestExchangeCommands::exportToStdout()
{
    QFETCH(QString, format);
    QFETCH(bool, full);
    QFETCH(int, exitCode);
    const QString out = m_dir->filePath(u"stdout"_s);
    const QByteArray outName = full ? QByteArray("/dev/full") : QFile::encodeName(out);
    const QByteArray errName = QFile::encodeName(m_dir->filePath(u"stderr"_s));
    const QStringList args{m_dial, u"--format"_s, format};
    const pid_t child = fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        const int outFd = open(outName.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int errFd = open(errName.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (outFd < 0 || errFd < 0 || dup2(outFd, STDOUT_FILENO) < 0 || dup2(errFd, STDERR_FILENO) < 0) {
            _exit(3);
        }
        _exit(RunExportCommand(args));
    }
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status));
    QVERIFY2(WEXITSTATUS(status) == exitCode, ReadBytes(QFile::decodeName(errName)).constData());
    if (!full) {
        QCOMPARE(ReadBytes(out), EvaluateExportCommand(args).out);
    }
}

QTEST_GUILESS_MAIN(TestExchangeCommands)
#include "tst_exchangecommands.moc"
