#include "FakeInteraction.h"
#include "services/PostalIndex.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

const QString kDataDir = QStringLiteral(MORVANX_TEST_DATA);
const QString kMissingText = QStringLiteral("指定されたフォルダに 「郵便番号一覧 *.CSV」 が存在しません。　\r\r"
                                            "各種設定画面 「*.CSV 保存先」 タブから、ファイルを設定して下さい。  ");
const QString kNotFound = QStringLiteral("該当する 「住所」 は存在しません。");

} // namespace

class TestPostalIndex : public QObject
{
    Q_OBJECT

private slots:
    void excerptKeepsFileOrderAndSkipsShortLines();
    void lookup_data();
    void lookup();
    void fromBytes_data();
    void fromBytes();
    void wholeShippedTable();
    void missingFile_data();
    void missingFile();
    void missingFileWarns();
    void emptyFile();
    void unreadableFile();
};

void TestPostalIndex::excerptKeepsFileOrderAndSkipsShortLines()
{
    PostalIndex index;
    QCOMPARE(LoadPostalIndex(index, kDataDir + u"/postal_excerpt.csv"_qs), std::nullopt);
    // 16 lines, of which "1,2,3", an empty line and an 8-field line are skipped.
    QCOMPARE(index.count(), 13);
    QCOMPARE(index.code(0), u"0600000"_qs);
    QCOMPARE(index.town(4), u"山部西１３線"_qs);
    QCOMPARE(index.prefecture(7), u"東京都"_qs);
    QCOMPARE(index.city(7), u"中央区"_qs);
    QCOMPARE(index.code(12), u"9071801"_qs);
    QCOMPARE(index.FindFirst(u"0791571"), 3);
}

void TestPostalIndex::lookup_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("address");

    QTest::newRow("first line") << u"0600000"_qs << u"北海道札幌市中央区以下に掲載がない場合"_qs;
    QTest::newRow("first of three towns") << u"0791571"_qs << u"北海道富良野市山部西１２線"_qs;
    QTest::newRow("city after a short line") << u"1000001"_qs << u"東京都千代田区千代田"_qs;
    QTest::newRow("comma inside quotes") << u"1030027"_qs << u"東京都中央区日本橋（１,２丁目）"_qs;
    QTest::newRow("doubled quotes") << u"1040061"_qs << u"東京都中央区銀座\"本通り\""_qs;
    QTest::newRow("CR line end") << u"5400002"_qs << u"大阪府大阪市中央区大阪城"_qs;
    QTest::newRow("bare fields, LF line end") << u"5400008"_qs << u"大阪府大阪市中央区大手前"_qs;
    QTest::newRow("invalid bytes stand out") << u"6008001"_qs << u"京都府京都市\x1a四条\x1a通"_qs;
    QTest::newRow("last line without line end") << u"9071801"_qs << u"沖縄県八重山郡与那国町与那国"_qs;
    QTest::newRow("eight-field line") << u"5400001"_qs << kNotFound;
    QTest::newRow("not in the table") << u"0000000"_qs << kNotFound;
    QTest::newRow("six digits") << u"060000"_qs << kNotFound;
    QTest::newRow("hyphenated") << u"060-0000"_qs << kNotFound;
    QTest::newRow("empty") << QString() << kNotFound;
}

void TestPostalIndex::lookup()
{
    QFETCH(QString, code);
    QFETCH(QString, address);
    PostalIndex index;
    QCOMPARE(LoadPostalIndex(index, kDataDir + u"/postal_excerpt.csv"_qs), std::nullopt);
    QCOMPARE(ShowAddressForPostalCode(index, code), address);
}

void TestPostalIndex::fromBytes_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<QString>("lastTown");

    QTest::newRow("empty") << QByteArray() << QStringList() << QString();
    QTest::newRow("line ends only") << QByteArray("\r\n\n\r\r") << QStringList() << QString();
    QTest::newRow("exactly nine fields") << QByteArray("1,2,1111111,4,5,6,P,C,T") << QStringList{u"1111111"_qs}
                                         << u"T"_qs;
    // The unclosed quote runs to the line end, so its line has three fields; the next one loads.
    QTest::newRow("unclosed quote") << QByteArray("1,2,\"1111111,4,5,6,P,C,T\r\n1,2,2222222,4,5,6,P,C,U\r\n")
                                    << QStringList{u"2222222"_qs} << u"U"_qs;
    QTest::newRow("empty fields") << QByteArray(",,,,,,,,\n1,2,3333333,,,,\"\",\"\",\"\"\n")
                                  << QStringList{QString(), u"3333333"_qs} << QString();
    QTest::newRow("LF CR is two line ends") << QByteArray("1,2,4444444,4,5,6,P,C,T\n\r1,2,5555555,4,5,6,P,C,V")
                                            << QStringList{u"4444444"_qs, u"5555555"_qs} << u"V"_qs;
    QTest::newRow("code kept as written")
        << QByteArray("1,2,\" 12-34 \",4,5,6,P,C,T") << QStringList{u" 12-34 "_qs} << u"T"_qs;
    QTest::newRow("lead byte before a comma")
        << QByteArray("1,2,6666666,4,5,6,P\x81,C,T\x81") << QStringList{u"6666666"_qs} << u"T\x1a"_qs;
}

void TestPostalIndex::fromBytes()
{
    QFETCH(QByteArray, csv);
    QFETCH(QStringList, codes);
    QFETCH(QString, lastTown);
    PostalIndex index;
    QVERIFY(index.LoadFromBytes(csv));
    QStringList loaded;
    for (qsizetype i = 0; i < index.count(); ++i) {
        loaded << index.code(i);
    }
    QCOMPARE(loaded, codes);
    if (index.count() > 0) {
        QCOMPARE(index.town(index.count() - 1), lastTown);
    }
}

void TestPostalIndex::wholeShippedTable()
{
    // Okinawa sits past line 122,001 of the published file: a capped table would lose it.
    PostalIndex index;
    QCOMPARE(LoadPostalIndex(index, kDataDir + u"/../../data/ken_all.csv"_qs), std::nullopt);
    QCOMPARE(index.count(), 124495);
    QCOMPARE(ShowAddressForPostalCode(index, u"9071801"_qs), u"沖縄県八重山郡与那国町与那国"_qs);
    QCOMPARE(ShowAddressForPostalCode(index, u"0600001"_qs), u"北海道札幌市中央区北一条西"_qs);
}

void TestPostalIndex::missingFile_data()
{
    QTest::addColumn<QString>("path");

    QTest::newRow("no such file") << kDataDir + u"/no_such_table.csv"_qs;
    QTest::newRow("no such folder") << u"/nonexistent-folder/ken_all.csv"_qs;
    QTest::newRow("a folder") << kDataDir;
    QTest::newRow("empty path") << QString();
}

void TestPostalIndex::missingFile()
{
    QFETCH(QString, path);
    PostalIndex index;
    QCOMPARE(LoadPostalIndex(index, kDataDir + u"/postal_excerpt.csv"_qs), std::nullopt);
    // A failed load leaves the table empty, not holding the previous one.
    QCOMPARE(LoadPostalIndex(index, path), kMissingText);
    QCOMPARE(index.count(), 0);
    QCOMPARE(ShowAddressForPostalCode(index, u"0600000"_qs), kNotFound);
}

void TestPostalIndex::missingFileWarns()
{
    FakeInteraction interaction;
    interaction.ExpectTell(kMissingText, u"ファイル確認"_qs, MessageIcon::Warning);
    PostalIndex index;
    QVERIFY(!LoadPostalIndexOrWarn(index, kDataDir + u"/no_such_table.csv"_qs, interaction));
    QVERIFY2(interaction.Verify(), qPrintable(interaction.Report()));

    FakeInteraction quiet;
    QVERIFY(LoadPostalIndexOrWarn(index, kDataDir + u"/postal_excerpt.csv"_qs, quiet));
    QVERIFY2(quiet.Verify(), qPrintable(quiet.Report()));
}

void TestPostalIndex::emptyFile()
{
    PostalIndex index;
    QCOMPARE(LoadPostalIndex(index, kDataDir + u"/postal_empty.csv"_qs), std::nullopt);
    QCOMPARE(index.count(), 0);
    QCOMPARE(ShowAddressForPostalCode(index, u"0600000"_qs), kNotFound);
}

void TestPostalIndex::unreadableFile()
{
    if (geteuid() == 0) {
        QSKIP("root reads every file");
    }
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"ken_all.csv"_qs);
    QVERIFY(QFile::copy(kDataDir + u"/postal_excerpt.csv"_qs, path));
    QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));
    PostalIndex index;
    const std::optional<QString> failure = LoadPostalIndex(index, path);
    QVERIFY(failure.has_value());
    QVERIFY(failure->contains(u"読み込めません"_qs));
    QCOMPARE(index.count(), 0);
}

QTEST_GUILESS_MAIN(TestPostalIndex)
#include "tst_postalindex.moc"
