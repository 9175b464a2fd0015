#include "PostalCommand.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kDataDir = QStringLiteral(MORVANX_TEST_DATA);
const QString kExcerpt = kDataDir + u"/postal_excerpt.csv"_qs;
const QString kUsage = QStringLiteral("usage: mdial postal CODE [--table CSV]\n");

} // namespace

class TestPostalCommand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void run_data();
    void run();

private:
    QTemporaryDir m_dir;
    // The excerpt saved as UTF-8, as a text editor or the UTF-8 edition of the published file has it.
    QString m_utf8Table;
};

void TestPostalCommand::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QFile excerpt(kExcerpt);
    QVERIFY(excerpt.open(QIODevice::ReadOnly));
    QStringDecoder decoder("Shift_JIS");
    QStringEncoder encoder(QStringConverter::Utf8);
    const QByteArray utf8 = encoder.encode(decoder.decode(excerpt.readAll()));
    m_utf8Table = m_dir.filePath(u"ken_all.csv"_qs);
    QFile table(m_utf8Table);
    QVERIFY(table.open(QIODevice::WriteOnly));
    QCOMPARE(table.write(utf8), utf8.size());
}

void TestPostalCommand::run_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");

    const QString missing = kDataDir + u"/no_such_table.csv"_qs;
    const QString missingMessage =
        QStringLiteral("指定されたフォルダに 「郵便番号一覧 *.CSV」 が存在しません。　\n\n"
                       "各種設定画面 「*.CSV 保存先」 タブから、ファイルを設定して下さい。  \n");

    QTest::newRow("found") << QStringList{u"0791571"_qs, u"--table"_qs, kExcerpt} << 0
                           << u"北海道富良野市山部西１２線\n"_qs << QString();
    QTest::newRow("option first") << QStringList{u"--table"_qs, kExcerpt, u"9071801"_qs} << 0
                                  << u"沖縄県八重山郡与那国町与那国\n"_qs << QString();
    QTest::newRow("not found") << QStringList{u"0000000"_qs, u"--table"_qs, kExcerpt} << 0
                               << u"該当する 「住所」 は存在しません。\n"_qs << QString();
    QTest::newRow("default table") << QStringList{u"0600000"_qs} << 0 << u"北海道札幌市中央区以下に掲載がない場合\n"_qs
                                   << QString();
    QTest::newRow("missing table") << QStringList{u"0600000"_qs, u"--table"_qs, missing} << 1 << QString()
                                   << missingMessage;
    QTest::newRow("table in UTF-8") << QStringList{u"0600001"_qs, u"--table"_qs, m_utf8Table} << 1 << QString()
                                    << QStringLiteral(
                                           "指定されたフォルダの 「郵便番号一覧 *.CSV」 を読み込めません。　\n\n"
                                           "各種設定画面 「*.CSV 保存先」 タブから、ファイルを設定して下さい。  \n");
    QTest::newRow("no arguments") << QStringList() << 2 << QString() << kUsage;
    QTest::newRow("six digits") << QStringList{u"060000"_qs} << 2 << QString() << kUsage;
    QTest::newRow("eight digits") << QStringList{u"06000001"_qs} << 2 << QString() << kUsage;
    QTest::newRow("hyphen") << QStringList{u"060-0000"_qs} << 2 << QString() << kUsage;
    QTest::newRow("full-width digits") << QStringList{u"０６００００１"_qs} << 2 << QString() << kUsage;
    QTest::newRow("two codes") << QStringList{u"0600000"_qs, u"0600001"_qs} << 2 << QString() << kUsage;
    QTest::newRow("unknown option") << QStringList{u"0600000"_qs, u"--tabel"_qs, kExcerpt} << 2 << QString() << kUsage;
    QTest::newRow("table without value") << QStringList{u"0600000"_qs, u"--table"_qs} << 2 << QString() << kUsage;
    QTest::newRow("table twice") << QStringList{u"0600000"_qs, u"--table"_qs, kExcerpt, u"--table"_qs, kExcerpt} << 2
                                 << QString() << kUsage;
}

void TestPostalCommand::run()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, err);
    const PostalCommandResult result = EvaluatePostalCommand(args, kExcerpt);
    QCOMPARE(result.out, out);
    QCOMPARE(result.err, err);
    QCOMPARE(result.exitCode, exitCode);
}

QTEST_GUILESS_MAIN(TestPostalCommand)
#include "tst_postalcommand.moc"
