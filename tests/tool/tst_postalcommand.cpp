#include "PostalCommand.h"

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
    void run_data();
    void run();
};

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
