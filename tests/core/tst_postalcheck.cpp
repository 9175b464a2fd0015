#include "FakeInteraction.h"
#include "services/PostalCheck.h"
#include "services/PostalIndex.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString kLength = u"入力された郵便番号が７桁ではありません。　"_s;
const QString kDigit = u"入力された郵便番号が数字ではありません。　"_s;
const QString kEmpty = u"郵便番号が入力されていません。　"_s;
const QString kNotFound = u"該当する 「住所」 は存在しません。"_s;

QString TitleOf(const QString& text)
{
    if (text == kLength) {
        return u"桁数確認"_s;
    }
    return text == kDigit ? u"数字確認"_s : u"入力確認"_s;
}

} // namespace

class TestPostalCheck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void check_data();
    void check();
    void postalButton_data();
    void postalButton();

private:
    PostalIndex m_index;
};

void TestPostalCheck::initTestCase()
{
    QCOMPARE(LoadPostalIndex(m_index, QStringLiteral(MORVANX_TEST_DATA) + u"/postal_candidates.csv"_s), std::nullopt);
}

void TestPostalCheck::check_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("focus");

    QTest::newRow("well formed") << u"100"_s << u"0001"_s << QStringList() << -1;
    QTest::newRow("short first part") << u"12"_s << u"3456"_s << QStringList{kLength} << -1;
    QTest::newRow("second part empty") << u"123"_s << QString() << QStringList{kLength} << -1;
    QTest::newRow("three-digit second part") << u"100"_s << u"000"_s << QStringList{kLength} << -1;
    QTest::newRow("first part empty") << QString() << u"3456"_s << QStringList{kLength} << -1;
    QTest::newRow("both empty: no length message") << QString() << QString() << QStringList{kEmpty} << -1;
    QTest::newRow("one message per bad character, focus on the last part")
        << u"1a3"_s << u"45b6"_s << QStringList{kDigit, kDigit} << 14;
    QTest::newRow("bad first part only") << u"1-3"_s << u"4567"_s << QStringList{kDigit} << 13;
    QTest::newRow("length and digits together") << u"1a"_s << u"45"_s << QStringList{kLength, kDigit} << 13;
    QTest::newRow("full-width digits are refused")
        << u"１２３"_s << u"4567"_s << QStringList{kDigit, kDigit, kDigit} << 13;
    QTest::newRow("Arabic-Indic digits are refused") << u"123"_s << u"456\u0667"_s << QStringList{kDigit} << 14;
    QTest::newRow("blank counts as a bad character") << u"123"_s << u"456 "_s << QStringList{kDigit} << 14;
}

void TestPostalCheck::check()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QStringList, messages);
    QFETCH(int, focus);

    FakeInteraction ui;
    for (const QString& text : messages) {
        ui.ExpectTell(text, TitleOf(text), MessageIcon::Warning);
    }
    const YubinCheckResult result = Yubin_Check(first, second, ui);
    VERIFY_INTERACTION(ui);
    QCOMPARE(result.failed, !messages.isEmpty());
    QCOMPARE(result.focusIndex, focus);
}

void TestPostalCheck::postalButton_data()
{
    QTest::addColumn<int>("lastFocus");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("address");

    const QString before = u"前の住所"_s;
    const int none = int(PostalButtonAction::None);
    const int lookedUp = int(PostalButtonAction::LookedUp);
    const int candidates = int(PostalButtonAction::OpenCandidates);
    QTest::newRow("first part: found") << 13 << u"100"_s << u"0001"_s << QStringList() << lookedUp
                                       << u"東京都千代田区千代田"_s;
    QTest::newRow("second part: first of three records")
        << 14 << u"079"_s << u"1571"_s << QStringList() << lookedUp << u"北海道富良野市山部西１２線"_s;
    QTest::newRow("last record") << 14 << u"907"_s << u"1800"_s << QStringList() << lookedUp
                                 << u"沖縄県八重山郡与那国町以下に掲載がない場合"_s;
    QTest::newRow("not in the table: notice in the field")
        << 13 << u"000"_s << u"0000"_s << QStringList() << lookedUp << kNotFound;
    QTest::newRow("bad code: address unchanged")
        << 13 << u"12"_s << u"3456"_s << QStringList{kLength} << lookedUp << before;
    QTest::newRow("address field: candidates") << 15 << u"100"_s << u"0001"_s << QStringList() << candidates << before;
    QTest::newRow("name field: nothing") << 1 << u"100"_s << u"0001"_s << QStringList() << none << before;
    QTest::newRow("hobby field: nothing") << 16 << QString() << QString() << QStringList() << none << before;
}

void TestPostalCheck::postalButton()
{
    QFETCH(int, lastFocus);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QStringList, messages);
    QFETCH(int, action);
    QFETCH(QString, address);

    EditorFields fields;
    fields.LastFocusIndex = lastFocus;
    fields.Text(kTextPostalFirst) = first;
    fields.Text(kTextPostalSecond) = second;
    fields.Text(kTextAddress) = u"前の住所"_s;
    FakeInteraction ui;
    for (const QString& text : messages) {
        ui.ExpectTell(text, TitleOf(text), MessageIcon::Warning);
    }
    const PostalButtonResult result = PostalButton_Click(fields, m_index, ui);
    VERIFY_INTERACTION(ui);
    QCOMPARE(int(result.action), action);
    QCOMPARE(fields.Text(kTextAddress), address);

    // The menu works in this direction whatever field had the focus.
    if (result.action == PostalButtonAction::LookedUp) {
        EditorFields viaMenu = fields;
        viaMenu.LastFocusIndex = 1;
        viaMenu.Text(kTextAddress) = u"前の住所"_s;
        for (const QString& text : messages) {
            ui.ExpectTell(text, TitleOf(text), MessageIcon::Warning);
        }
        QCOMPARE(mnuEditYubin_Jusho_Click(viaMenu, m_index, ui), result.focusIndex);
        VERIFY_INTERACTION(ui);
        QCOMPARE(viaMenu.Text(kTextAddress), address);
    }
}

QTEST_GUILESS_MAIN(TestPostalCheck)
#include "tst_postalcheck.moc"
