#include "FakeInteraction.h"
#include "services/CandidateSearch.h"
#include "services/PostalIndex.h"
#include "settings/SettingsStore.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString kNotFoundText = u"入力された住所から、検索できませんでした。　入力住所を確認して下さい。　"_s;
const QString kNotFoundTitle = u"入力住所確認"_s;
const QString kNone = u"以下に掲載がない場合"_s;

QString Row(const QString& code, const QString& cityAndTown)
{
    return code + u'\u3000' + cityAndTown;
}

} // namespace

class TestCandidateSearch : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void parse_data();
    void parse();
    void search_data();
    void search();
    void notFoundIsTold();
    void emptyTableFindsNothing();
    void ok_data();
    void ok();
    void windowSize_data();
    void windowSize();

private:
    PostalIndex m_index;
};

void TestCandidateSearch::initTestCase()
{
    QCOMPARE(LoadPostalIndex(m_index, QStringLiteral(MORVANX_TEST_DATA) + u"/postal_candidates.csv"_s), std::nullopt);
    QCOMPARE(m_index.count(), 26);
}

void TestCandidateSearch::parse_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("prefecture");
    QTest::addColumn<QString>("city");

    QTest::newRow("Tokyo ward") << u"東京都千代田区千代田1-1"_s << u"東京都"_s << u"千代田区"_s;
    QTest::newRow("Tokyo city, marker at 6") << u"東京都府中市宮西町"_s << u"東京都"_s << u"府中市"_s;
    QTest::newRow("Tokyo county") << u"東京都西多摩郡瑞穂町"_s << u"東京都"_s << u"西多摩郡"_s;
    QTest::newRow("Tokyo island") << u"東京都三宅島三宅村"_s << u"東京都"_s << u"三宅島"_s;
    QTest::newRow("Tokyo two-character ward") << u"東京都北区王子"_s << u"東京都"_s << u"北区"_s;
    QTest::newRow("Tokyo without marker") << u"東京都"_s << u"東京都"_s << QString();
    QTest::newRow("3-character prefecture, city to 6") << u"千葉県千葉市中央区"_s << u"千葉県"_s << u"千葉市"_s;
    QTest::newRow("3-character prefecture: 市 at 4 is not seen") << u"千葉県市川市八幡"_s << u"千葉県"_s << u"市川市"_s;
    QTest::newRow("4-character prefecture, city 5 to 7") << u"神奈川県横浜市中区"_s << u"神奈川県"_s << u"横浜市"_s;
    QTest::newRow("4-character prefecture ending in 島県") << u"鹿児島県鹿児島市"_s << u"鹿児島県"_s << u"鹿児島市"_s;
    QTest::newRow("designated city cut before its ward") << u"大阪府大阪市北区梅田"_s << u"大阪府"_s << u"大阪市"_s;
    QTest::newRow("outside Tokyo 区 is no marker") << u"大阪府堺区"_s << u"大阪府"_s << QString();
    QTest::newRow("county outside Tokyo") << u"沖縄県八重山郡与那国町"_s << u"沖縄県"_s << u"八重山郡"_s;
    QTest::newRow("first marker wins") << u"北海道余市郡余市町"_s << u"北海道"_s << u"余市"_s;
    QTest::newRow("京都府 is a whole word") << u"京都府京都市北区"_s << u"京都府"_s << u"京都市"_s;
    QTest::newRow("marker at 15 is seen")
        << u"北海道一二三四五六七八九十二市"_s << u"北海道"_s << u"一二三四五六七八九十二市"_s;
    QTest::newRow("marker at 16 is not seen") << u"北海道一二三四五六七八九十二三市"_s << u"北海道"_s << QString();
    QTest::newRow("a character outside the BMP counts once")
        << u"北海道𠮷二三四五六七八九十二市"_s << u"北海道"_s << u"𠮷二三四五六七八九十二市"_s;
    QTest::newRow("begins with the city") << u"千代田区千代田"_s << QString() << QString();
    QTest::newRow("prefecture without its 県") << u"千葉千葉市"_s << QString() << QString();
    QTest::newRow("too short") << u"東京"_s << QString() << QString();
    QTest::newRow("empty") << QString() << QString() << QString();
}

void TestCandidateSearch::parse()
{
    QFETCH(QString, address);
    QFETCH(QString, prefecture);
    QFETCH(QString, city);
    const ParsedAddress parsed = ParseAddress(address);
    QCOMPARE(parsed.prefecture, prefecture);
    QCOMPARE(parsed.city, city);
}

void TestCandidateSearch::search_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("Tokyo ward, every code in file order")
        << u"東京都千代田区千代田1-1"_s
        << QStringList{Row(u"100-0000"_s, u"千代田区"_s + kNone), Row(u"100-0001"_s, u"千代田区千代田"_s)};
    QTest::newRow("Tokyo island by prefix")
        << u"東京都三宅島坪田"_s << QStringList{Row(u"100-1100"_s, u"三宅島三宅村"_s + kNone)};
    QTest::newRow("duplicates kept") << u"北海道富良野市山部"_s
                                     << QStringList{Row(u"079-1571"_s, u"富良野市山部西１２線"_s),
                                                    Row(u"079-1571"_s, u"富良野市山部西１３線"_s),
                                                    Row(u"079-1571"_s, u"富良野市山部西１４線"_s)};
    QTest::newRow("every ward of a designated city")
        << u"神奈川県横浜市中区山下町"_s
        << QStringList{Row(u"230-0000"_s, u"横浜市鶴見区"_s + kNone), Row(u"231-0000"_s, u"横浜市中区"_s + kNone)};
    QTest::newRow("same city name in another prefecture is not listed")
        << u"大阪府大阪市北区梅田"_s << QStringList{Row(u"530-0000"_s, u"大阪市北区"_s + kNone)};
    QTest::newRow("the whole prefecture when no city is recognised")
        << u"千葉県"_s
        << QStringList{Row(u"260-0000"_s, u"千葉市中央区"_s + kNone), Row(u"260-0001"_s, u"千葉市中央区都町"_s),
                       Row(u"272-0000"_s, u"市川市"_s + kNone)};
    QTest::newRow("a 4-character prefecture")
        << u"鹿児島県鹿児島市山下町"_s << QStringList{Row(u"890-0000"_s, u"鹿児島市"_s + kNone)};
    QTest::newRow("unknown city") << u"東京都架空区"_s << QStringList();
    QTest::newRow("no prefecture") << u"千代田区千代田"_s << QStringList();
}

void TestCandidateSearch::search()
{
    QFETCH(QString, address);
    QFETCH(QStringList, rows);
    QCOMPARE(SearchCandidatesByAddress(m_index, address), rows);
}

void TestCandidateSearch::notFoundIsTold()
{
    FakeInteraction ui;
    ui.ExpectTell(kNotFoundText, kNotFoundTitle, MessageIcon::Warning);
    QVERIFY(LoadCandidateRows(m_index, u"東京都架空区"_s, ui).isEmpty());
    VERIFY_INTERACTION(ui);
    QCOMPARE(LoadCandidateRows(m_index, u"東京都北区"_s, ui).size(), 1);
    VERIFY_INTERACTION(ui);
}

void TestCandidateSearch::emptyTableFindsNothing()
{
    const PostalIndex empty;
    QVERIFY(SearchCandidatesByAddress(empty, u"東京都千代田区"_s).isEmpty());
}

void TestCandidateSearch::ok_data()
{
    QTest::addColumn<bool>("selected");
    QTest::addColumn<QString>("row");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");

    QTest::newRow("3 + 4 digits") << true << Row(u"123-4567"_s, u"千代田区"_s) << true << u"123"_s << u"4567"_s;
    QTest::newRow("leading zeros kept") << true << Row(u"060-0001"_s, u"札幌市中央区北一条西"_s) << true << u"060"_s
                                        << u"0001"_s;
    QTest::newRow("no selection asks") << false << QString() << false << u"999"_s << u"9999"_s;
}

void TestCandidateSearch::ok()
{
    QFETCH(bool, selected);
    QFETCH(QString, row);
    QFETCH(bool, closes);
    QFETCH(QString, first);
    QFETCH(QString, second);

    EditorFields fields;
    fields.Text(kTextPostalFirst) = u"999"_s;
    fields.Text(kTextPostalSecond) = u"9999"_s;
    fields.Text(kTextAddress) = u"東京都千代田区"_s;
    FakeInteraction ui;
    if (!selected) {
        ui.ExpectTell(u"郵便番号候補一覧の中から、該当する郵便番号を選択して下さい。　"_s, u"選択確認"_s,
                      MessageIcon::Warning);
    }
    QCOMPARE(CandidateOk(selected ? &row : nullptr, fields, ui), closes);
    VERIFY_INTERACTION(ui);
    QCOMPARE(fields.Text(kTextPostalFirst), first);
    QCOMPARE(fields.Text(kTextPostalSecond), second);
    QCOMPARE(fields.Text(kTextAddress), u"東京都千代田区"_s);
}

void TestCandidateSearch::windowSize_data()
{
    QTest::addColumn<QString>("width"); // as the file holds them; empty: no key
    QTest::addColumn<QString>("height");
    QTest::addColumn<int>("shownWidth");
    QTest::addColumn<int>("shownHeight");
    QTest::newRow("never kept") << QString() << QString() << 9600 << 6000;
    QTest::newRow("kept") << u"12345"_s << u"4500"_s << 12345 << 4500;
    QTest::newRow("smallest") << u"3000"_s << u"2250"_s << 3000 << 2250;
    QTest::newRow("too narrow") << u"2999"_s << u"4500"_s << 9600 << 6000;
    QTest::newRow("no number") << u"wide"_s << u"4500"_s << 9600 << 6000;
    QTest::newRow("larger than any screen") << u"12000"_s << u"999999999"_s << 9600 << 6000;
}

void TestCandidateSearch::windowSize()
{
    QFETCH(QString, width);
    QFETCH(QString, height);
    QFETCH(int, shownWidth);
    QFETCH(int, shownHeight);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"MORVANX.ini"_s);
    {
        SettingsStore store(path);
        if (!width.isNull()) {
            store.SaveSetting(u"Position"_s, u"K_Width"_s, width);
            store.SaveSetting(u"Position"_s, u"K_Height"_s, height);
        }
    }
    SettingsStore store(path);
    const TwipsSize shown = CandidateWindowSize(store);
    QCOMPARE(shown, (TwipsSize{shownWidth, shownHeight}));
    // Closing the window unchanged keeps what it opened with.
    StoreCandidateWindowSize(store, shown);
    QCOMPARE(store.Sync(), QSettings::NoError);
    QCOMPARE(CandidateWindowSize(SettingsStore(path)), shown);
}

QTEST_GUILESS_MAIN(TestCandidateSearch)
#include "tst_candidatesearch.moc"
