#include <QFile>
#include <QProcess>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

Run Mdial(const QStringList& args)
{
    QProcess process;
    process.start(QStringLiteral(MORVANX_MDIAL), args);
    Run run;
    if (!process.waitForFinished(30000)) {
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

bool WriteSjis(const QString& path, const QString& text)
{
    QFile file(path);
    QStringEncoder encoder("Shift_JIS");
    const QByteArray bytes = encoder.encode(text);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

const QString kReference = QStringLiteral(MORVANX_TEST_DATA "/memorydial/reference.vcf");
const QString kFailure = u"指定したメモリデータが存在しません。　存在を確認して下さい。　\n"_s;
const QString kUsage = u"usage: mdial dump FILE | info FILE | copy IN OUT | postal CODE [--table CSV]\n"_s;

} // namespace

class TestMdial : public QObject
{
    Q_OBJECT

private slots:
    void dump();
    void dumpEscapes();
    void info();
    void copy();
    void readFailures_data();
    void readFailures();
    void badArguments_data();
    void badArguments();
};

void TestMdial::dump()
{
    const Run run = Mdial({u"dump"_s, kReference});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, QString());
    const QString first = u"\t007\t山田太郎\tﾔﾏﾀﾞﾀﾛｳ\tPRIVATE\t09012345678\t携帯\t0312345678\t自宅\t0312345679\tFAX"
                          u"\t\t\t\t\ttaro@example.jp\t携帯\tt@example.ac.jp\t学校\t\t\t\t\t\t\t03\t友人"
                          u"\t東京都千代田区千代田1-1\t100-0001\t自宅\t山羊\t19800101\tAB\t釣り\tメモ\uE000"
                          u"\thttp://example.jp/\t35.68;139.76\t2026/12/08 00:00:00\n"_s;
    const QString second =
        u"\t012\t佐藤花子\tｻﾄｳﾊﾅｺ"_s + QString(22, u'\t') + u"15\t仕事仲間"_s + QString(11, u'\t') + u'\n';
    QCOMPARE(run.out, first + second);
}

void TestMdial::dumpEscapes()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"escapes.vcf"_s);
    QVERIFY(WriteSjis(path, u"BEGIN:VCARD\r\nVERSION:3.0\r\n\"FN:a\\b\tc\r\nd\re\"\r\nEND:VCARD\r\n"_s));
    const Run run = Mdial({u"dump"_s, path});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, u"\t\ta\\\\b\\tc\\r\\nd\\re"_s + QString(35, u'\t') + u'\n');
}

void TestMdial::info()
{
    const Run run = Mdial({u"info"_s, kReference});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out,
             u"VcVer\tVERSION:3.0\nEntryCount\t2\nGroupCount\t0\nGroupNames(3)\t友人\nGroupNames(15)\t仕事仲間\n"_s);
}

void TestMdial::copy()
{
    QTemporaryDir dir;
    const QString out = dir.filePath(u"copy.vcf"_s);
    const Run run = Mdial({u"copy"_s, kReference, out});
    QCOMPARE(run.exitCode, 0);
    QFile original(kReference);
    QFile copied(out);
    QVERIFY(original.open(QIODevice::ReadOnly));
    QVERIFY(copied.open(QIODevice::ReadOnly));
    // The reference file is written in the writer's own layout, so the copy is byte-identical.
    QCOMPARE(copied.readAll(), original.readAll());

    const Run missingFolder = Mdial({u"copy"_s, kReference, dir.filePath(u"none/copy.vcf"_s)});
    QCOMPARE(missingFolder.exitCode, 1);
    QVERIFY(missingFolder.err.contains(dir.filePath(u"none/copy.vcf"_s)));
}

void TestMdial::readFailures_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("dump") << u"dump"_s;
    QTest::newRow("info") << u"info"_s;
    QTest::newRow("copy") << u"copy"_s;
}

void TestMdial::readFailures()
{
    QFETCH(QString, command);
    QTemporaryDir dir;
    QStringList args = {command, dir.filePath(u"absent.vcf"_s)};
    if (command == u"copy") {
        args << dir.filePath(u"out.vcf"_s);
    }
    const Run run = Mdial(args);
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.out, QString());
    QCOMPARE(run.err, kFailure);
    QVERIFY(!QFile::exists(dir.filePath(u"out.vcf"_s)));
}

void TestMdial::badArguments_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("nothing") << QStringList{};
    QTest::newRow("unknown command") << QStringList{u"merge"_s, kReference};
    QTest::newRow("dump without file") << QStringList{u"dump"_s};
    QTest::newRow("dump two files") << QStringList{u"dump"_s, kReference, kReference};
    QTest::newRow("info without file") << QStringList{u"info"_s};
    QTest::newRow("copy one file") << QStringList{u"copy"_s, kReference};
}

void TestMdial::badArguments()
{
    QFETCH(QStringList, args);
    const Run run = Mdial(args);
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.err, kUsage);
}

QTEST_GUILESS_MAIN(TestMdial)
#include "tst_mdial.moc"
