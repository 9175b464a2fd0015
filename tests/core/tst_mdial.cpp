#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

// `outputFile`, when given, takes the standard output instead of the pipe.
Run Mdial(const QStringList& args, const QString& outputFile = QString())
{
    QProcess process;
    if (!outputFile.isEmpty()) {
        process.setStandardOutputFile(outputFile);
    }
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
const QString kUsage = u"usage: mdial dump FILE | info FILE | copy [--force] IN OUT | postal CODE [--table CSV]\n"
                       "       | candidates ADDRESS [--table CSV] | export FILE --format vcard|csv [--out OUT]\n"
                       "       | import [--force] IN... --into FILE | find FILE QUERY | duplicates FILE\n"_s;

bool IsFifo(const QString& path)
{
    struct stat info
    {
    };
    return lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISFIFO(info.st_mode);
}

} // namespace

class TestMdial : public QObject
{
    Q_OBJECT

private slots:
    void dump();
    void dumpEscapes();
    void info();
    void copy();
    void outputErrors_data();
    void outputErrors();
    void copySeparators_data();
    void copySeparators();
    void copyRefusesOtherThanFiles_data();
    void copyRefusesOtherThanFiles();
    void readFailures_data();
    void readFailures();
    void badArguments_data();
    void badArguments();
    void find_data();
    void find();
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

void TestMdial::outputErrors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("dump") << QStringList{u"dump"_s, kReference};
    QTest::newRow("info") << QStringList{u"info"_s, kReference};
    QTest::newRow("postal") << QStringList{u"postal"_s, u"0791571"_s, u"--table"_s,
                                           QStringLiteral(MORVANX_TEST_DATA "/postal_excerpt.csv")};
}

// /dev/full takes the output of the child only; it accepts no bytes, as a full disk does.
void TestMdial::outputErrors()
{
    QFETCH(QStringList, args);
    const QFileInfo full(u"/dev/full"_s);
    if (!full.exists() || full.isFile()) {
        QSKIP("this system has no /dev/full");
    }
    const Run run = Mdial(args, full.filePath());
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.startsWith(u"mdial: could not write the output: "_s), qPrintable(run.err));
}

void TestMdial::copySeparators_data()
{
    QTest::addColumn<QString>("record");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("err"); // empty: copied

    const QString tail = u"に、カンマ（,）または改行が含まれています。　このまま保存すると、"
                         u"次に読み込んだ時にその位置から後ろが失われます。　\n"
                         u"mdial: nothing written; --force copies it as it stands\n"_s;
    const QString memo = u"FN:山田\r\nX-REDUCTION:4\r\n\"NOTE:x,END:VCARD\"\r\n"_s;
    const QString name = u"\"FN:山田\r\n太郎\"\r\nX-REDUCTION:12\r\n"_s;
    QTest::newRow("comma in memo") << memo << QStringList() << u"No.004 の「ﾒﾓ」"_s + tail;
    QTest::newRow("line break in name") << name << QStringList() << u"No.012 の「名前」"_s + tail;
    QTest::newRow("forced") << memo << QStringList{u"--force"_s} << QString();
    QTest::newRow("forced at the end") << name << QStringList{u"@end"_s, u"--force"_s} << QString();
    QTest::newRow("plain entry") << u"FN:山田\r\nNOTE:x、y\r\n"_s << QStringList() << QString();
}

void TestMdial::copySeparators()
{
    QFETCH(QString, record);
    QFETCH(QStringList, options);
    QFETCH(QString, err);
    QTemporaryDir dir;
    const QString in = dir.filePath(u"in.vcf"_s);
    const QString out = dir.filePath(u"out.vcf"_s);
    QVERIFY(WriteSjis(in, u"BEGIN:VCARD\r\nVERSION:3.0\r\n"_s + record + u"END:VCARD\r\n"_s));
    QStringList args{u"copy"_s};
    if (options.startsWith(u"@end"_s)) {
        args << in << out << options.mid(1);
    } else {
        args << options << in << out;
    }
    const Run run = Mdial(args);
    QCOMPARE(run.err, err);
    QCOMPARE(run.exitCode, err.isEmpty() ? 0 : 1);
    QCOMPARE(QFile::exists(out), err.isEmpty());
}

void TestMdial::copyRefusesOtherThanFiles_data()
{
    QTest::addColumn<bool>("fifo"); // otherwise a folder
    QTest::newRow("FIFO") << true;
    QTest::newRow("folder") << false;
}

void TestMdial::copyRefusesOtherThanFiles()
{
    QFETCH(bool, fifo);
    QTemporaryDir dir;
    const QString out = dir.filePath(u"out.vcf"_s);
    if (fifo) {
        if (mkfifo(QFile::encodeName(out).constData(), 0600) != 0) {
            QSKIP("this system does not allow a FIFO here");
        }
    } else {
        QVERIFY(QDir(dir.path()).mkdir(u"out.vcf"_s));
    }
    const Run run = Mdial({u"copy"_s, kReference, out});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.err, u"「"_s + out + u"」は通常のファイルではないため、メモリダイヤルを保存できません。　\n"_s);
    QCOMPARE(IsFifo(out), fifo);
    QCOMPARE(QFileInfo(out).isDir(), !fifo);
}

void TestMdial::readFailures_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("dump") << u"dump"_s;
    QTest::newRow("info") << u"info"_s;
    QTest::newRow("copy") << u"copy"_s;
    QTest::newRow("find") << u"find"_s;
    QTest::newRow("duplicates") << u"duplicates"_s;
}

void TestMdial::readFailures()
{
    QFETCH(QString, command);
    QTemporaryDir dir;
    QStringList args = {command, dir.filePath(u"absent.vcf"_s)};
    if (command == u"copy") {
        args << dir.filePath(u"out.vcf"_s);
    } else if (command == u"find") {
        args << u"a"_s;
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
    QTest::newRow("copy three files") << QStringList{u"copy"_s, kReference, u"a.vcf"_s, u"b.vcf"_s};
    QTest::newRow("copy unknown option") << QStringList{u"copy"_s, u"--froce"_s, kReference, u"a.vcf"_s};
    QTest::newRow("copy forced twice") << QStringList{u"copy"_s, u"--force"_s, u"--force"_s, kReference, u"a.vcf"_s};
    QTest::newRow("find without query") << QStringList{u"find"_s, kReference};
    QTest::newRow("find two queries") << QStringList{u"find"_s, kReference, u"a"_s, u"b"_s};
    QTest::newRow("duplicates two files") << QStringList{u"duplicates"_s, kReference, kReference};
}

void TestMdial::badArguments()
{
    QFETCH(QStringList, args);
    const Run run = Mdial(args);
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.err, kUsage);
}

void TestMdial::find_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("out"); // dump lines, "|" standing for TAB
    const QString file = u"@dial"_s;
    QTest::newRow("hiragana finds the reading") << QStringList{u"find"_s, file, u"すずき"_s}
                                                << u"|001|鈴木 一郎|ｽｽﾞｷ ｲﾁﾛｳ||090-1234-5678|携帯\n"
                                                   u"|003|すずき|||||+81 90 1234 5678\n"_s;
    QTest::newRow("digits inside a hyphenated number")
        << QStringList{u"find"_s, file, u"12345"_s}
        << u"|001|鈴木 一郎|ｽｽﾞｷ ｲﾁﾛｳ||090-1234-5678|携帯\n|003|すずき|||||+81 90 1234 5678\n"_s;
    QTest::newRow("nothing found") << QStringList{u"find"_s, file, u"田中"_s} << QString();
    QTest::newRow("duplicates")
        << QStringList{u"duplicates"_s, file}
        << u"|001|鈴木 一郎|ｽｽﾞｷ ｲﾁﾛｳ||090-1234-5678|携帯\n|003|すずき|||||+81 90 1234 5678\n\n"
           u"|002|佐藤 花子|||||||||||||||a@example.jp\n|004|はなこ|||||||||||||||A@EXAMPLE.JP\n"_s;
    QTest::newRow("no duplicates") << QStringList{u"duplicates"_s, kReference} << QString();
}

void TestMdial::find()
{
    QFETCH(QStringList, args);
    QFETCH(QString, out);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"dial.vcf"_s);
    QVERIFY(WriteSjis(path, u"BEGIN:VCARD\r\nVERSION:3.0\r\nFN:鈴木 一郎\r\nSORT-STRING:ｽｽﾞｷ ｲﾁﾛｳ\r\n"
                            u"TEL;TYPE=PREF,CELL:090-1234-5678\r\nX-REDUCTION:1\r\nEND:VCARD\r\n"
                            u"BEGIN:VCARD\r\nVERSION:3.0\r\nFN:佐藤 花子\r\nEMAIL:a@example.jp\r\n"
                            u"X-REDUCTION:2\r\nEND:VCARD\r\n"
                            u"BEGIN:VCARD\r\nVERSION:3.0\r\nFN:すずき\r\nTEL:+81 90 1234 5678\r\n"
                            u"X-REDUCTION:3\r\nEND:VCARD\r\n"
                            u"BEGIN:VCARD\r\nVERSION:3.0\r\nFN:はなこ\r\nEMAIL:A@EXAMPLE.JP\r\n"
                            u"X-REDUCTION:4\r\nEND:VCARD\r\n"_s));
    args.replaceInStrings(u"@dial"_s, path);
    const Run run = Mdial(args);
    QCOMPARE(run.err, QString());
    QCOMPARE(run.exitCode, 0);
    // Only the cells the file fills are written out above; the rest of each line is empty cells.
    QStringList lines = run.out.split(u'\n');
    for (QString& line : lines) {
        while (line.endsWith(u'\t')) {
            line.chop(1);
        }
    }
    QCOMPARE(lines.join(u'\n').replace(u'\t', u'|'), out);
}

QTEST_GUILESS_MAIN(TestMdial)
#include "tst_mdial.moc"
