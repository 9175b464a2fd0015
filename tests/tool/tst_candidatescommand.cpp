#include "CandidatesCommand.h"

#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString kDataDir = QStringLiteral(MORVANX_TEST_DATA);
const QString kTable = kDataDir + u"/postal_candidates.csv"_s;
const QString kUsage = u"usage: mdial candidates ADDRESS [--table CSV]\n"_s;
const QString kNotFound = u"入力された住所から、検索できませんでした。　入力住所を確認して下さい。　\n"_s;

} // namespace

class TestCandidatesCommand : public QObject
{
    Q_OBJECT

private slots:
    void run_data();
    void run();
    void dispatchedByTheTool();
};

void TestCandidatesCommand::run_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");

    const QString missingMessage = u"指定されたフォルダに 「郵便番号一覧 *.CSV」 が存在しません。　\n\n"
                                   u"各種設定画面 「*.CSV 保存先」 タブから、ファイルを設定して下さい。  \n"_s;

    QTest::newRow("rows in search order, duplicates kept")
        << QStringList{u"北海道富良野市山部"_s, u"--table"_s, kTable} << 0
        << u"079-1571　富良野市山部西１２線\n079-1571　富良野市山部西１３線\n079-1571　富良野市山部西１４線\n"_s
        << QString();
    QTest::newRow("option first") << QStringList{u"--table"_s, kTable, u"東京都北区王子"_s} << 0
                                  << u"114-0000　北区以下に掲載がない場合\n"_s << QString();
    QTest::newRow("default table") << QStringList{u"大阪府大阪市北区梅田"_s} << 0
                                   << u"530-0000　大阪市北区以下に掲載がない場合\n"_s << QString();
    QTest::newRow("none found") << QStringList{u"千代田区千代田"_s, u"--table"_s, kTable} << 1 << QString()
                                << kNotFound;
    QTest::newRow("missing table") << QStringList{u"東京都北区"_s, u"--table"_s, kDataDir + u"/no_such.csv"_s} << 1
                                   << QString() << missingMessage;
    QTest::newRow("no arguments") << QStringList() << 2 << QString() << kUsage;
    QTest::newRow("empty address") << QStringList{QString()} << 2 << QString() << kUsage;
    QTest::newRow("two addresses") << QStringList{u"東京都"_s, u"北海道"_s} << 2 << QString() << kUsage;
    QTest::newRow("unknown option") << QStringList{u"東京都"_s, u"--tabel"_s, kTable} << 2 << QString() << kUsage;
    QTest::newRow("table without value") << QStringList{u"東京都"_s, u"--table"_s} << 2 << QString() << kUsage;
    QTest::newRow("table twice") << QStringList{u"東京都"_s, u"--table"_s, kTable, u"--table"_s, kTable} << 2
                                 << QString() << kUsage;
}

void TestCandidatesCommand::run()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, err);
    const CandidatesCommandResult result = EvaluateCandidatesCommand(args, kTable);
    QCOMPARE(result.out, out);
    QCOMPARE(result.err, err);
    QCOMPARE(result.exitCode, exitCode);
}

void TestCandidatesCommand::dispatchedByTheTool()
{
    QProcess tool;
    tool.start(QStringLiteral(MORVANX_MDIAL), {u"candidates"_s, u"東京都三宅島坪田"_s, u"--table"_s, kTable});
    QVERIFY(tool.waitForFinished(30000));
    QCOMPARE(tool.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(tool.readAllStandardOutput()), u"100-1100　三宅島三宅村以下に掲載がない場合\n"_s);
}

QTEST_GUILESS_MAIN(TestCandidatesCommand)
#include "tst_candidatescommand.moc"
