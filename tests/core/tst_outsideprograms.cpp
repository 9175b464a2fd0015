#include "FakeInteraction.h"
#include "app/OutsidePrograms.h"
#include "editor/EditorFields.h"

#include <QTest>

namespace {

const QString kMap = QStringLiteral("https://www.its-mo.com/z.htm?m=");
const QString kNoBrowser = QStringLiteral("「Internet Explorer」 が ｲﾝｽﾄｰﾙ されていません。　");
const QString kNoBrowserTitle = QStringLiteral("IE ｲﾝｽﾄｰﾙ 確認");
const QString kNoMail = QStringLiteral("「Outlook Express」 が ｲﾝｽﾄｰﾙ されていません。　");
const QString kNoMailTitle = QStringLiteral("OE ｲﾝｽﾄｰﾙ 確認");
const QString kRefusedWeb =
    QStringLiteral("このｱﾄﾞﾚｽは開けません。Web 閲覧で開くのは、半角で書かれた http:// か https:// のｱﾄﾞﾚｽだけです。　");
const QString kRefusedWebTitle = QStringLiteral("Web 閲覧 確認");
const QString kRefusedMail =
    QStringLiteral("このﾒｰﾙｱﾄﾞﾚｽには送信できません。送信先にできるのは、半角で書かれたﾒｰﾙｱﾄﾞﾚｽ 1 "
                   "つだけです（「mailto:」 や 「?」 以降は付けません）。　");
const QString kRefusedMailTitle = QStringLiteral("ﾒｰﾙ 送信 確認");

// An empty expectation stands for "refused".
QString OrEmpty(const std::optional<QString>& text)
{
    return text.value_or(QString());
}

} // namespace

class TestOutsidePrograms : public QObject
{
    Q_OBJECT

private slots:
    void gpsMapAddress_data()
    {
        QTest::addColumn<QString>("gps");
        QTest::addColumn<QString>("address");
        QTest::newRow("north east") << QStringLiteral("+35.39.29.20&+139.44.28.80&")
                                    << kMap + QStringLiteral("139.44.28.80E35.39.29.20N&l=9");
        QTest::newRow("south west") << QStringLiteral("-33.51.00.00&-070.40.00.00&")
                                    << kMap + QStringLiteral("070.40.00.00W33.51.00.00S&l=9");
        QTest::newRow("datum after the longitude") << QStringLiteral("+35.39.29.20&+139.44.28.80&WGS84")
                                                   << kMap + QStringLiteral("139.44.28.80E35.39.29.20N&l=9");
        QTest::newRow("text before the first sign")
            << QStringLiteral("lat+35.1&lon-139.2&") << kMap + QStringLiteral("139.2W35.1N&l=9");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("no sign") << QStringLiteral("35.39.29.20&139.44.28.80&") << QString();
        QTest::newRow("no longitude sign") << QStringLiteral("+35.39.29.20&139.44.28.80&") << QString();
        QTest::newRow("last & missing") << QStringLiteral("+35.39.29.20&+139.44.28.80") << QString();
        QTest::newRow("only one position") << QStringLiteral("+35.39.29.20&") << QString();
        QTest::newRow("empty latitude") << QStringLiteral("+&+139.44.28.80&") << QString();
        // Whatever stands between the marks would otherwise become part of the address.
        QTest::newRow("query smuggled into the latitude") << QStringLiteral("+35?x=1#&+139.44&") << QString();
        QTest::newRow("blank in the longitude") << QStringLiteral("+35.39&+139 44&") << QString();
        QTest::newRow("address as a position") << QStringLiteral("+evil.example/&+1&") << QString();
    }

    void gpsMapAddress()
    {
        QFETCH(QString, gps);
        QFETCH(QString, address);
        QCOMPARE(OrEmpty(GpsMapAddress(gps)), address);
    }

    void browserAddress_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("address");
        QTest::newRow("http") << QStringLiteral("http://www.example.jp/") << QStringLiteral("http://www.example.jp/");
        QTest::newRow("https with path and query") << QStringLiteral("https://example.jp/a/b.html?x=1&y=2#top")
                                                   << QStringLiteral("https://example.jp/a/b.html?x=1&y=2#top");
        QTest::newRow("upper-case scheme and host")
            << QStringLiteral("HTTP://WWW.Example.JP/Page") << QStringLiteral("http://www.example.jp/Page");
        QTest::newRow("blanks around") << QStringLiteral("  http://example.jp  ")
                                       << QStringLiteral("http://example.jp");
        QTest::newRow("bare host name") << QStringLiteral("www.example.jp") << QStringLiteral("http://www.example.jp");
        QTest::newRow("bare host with port and path")
            << QStringLiteral("www.example.jp:8080/top") << QStringLiteral("http://www.example.jp:8080/top");
        QTest::newRow("Japanese path") << QStringLiteral("http://example.jp/日本")
                                       << QStringLiteral("http://example.jp/%E6%97%A5%E6%9C%AC");
        QTest::newRow("javascript") << QStringLiteral("javascript:alert(1)") << QString();
        QTest::newRow("javascript, mixed case") << QStringLiteral("JavaScript://example.jp/%0Aalert(1)") << QString();
        QTest::newRow("file") << QStringLiteral("file:///etc/passwd") << QString();
        QTest::newRow("data") << QStringLiteral("data:text/html,<script>x</script>") << QString();
        QTest::newRow("mailto") << QStringLiteral("mailto:a@b.jp") << QString();
        QTest::newRow("ftp") << QStringLiteral("ftp://example.jp/") << QString();
        QTest::newRow("bare word") << QStringLiteral("ホームページ") << QString();
        QTest::newRow("bare latin word") << QStringLiteral("homepage") << QString();
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("only blanks") << QStringLiteral("   ") << QString();
        QTest::newRow("http without host") << QStringLiteral("http:///etc/passwd") << QString();
        QTest::newRow("http without slashes") << QStringLiteral("http:example.jp") << QString();
        QTest::newRow("scheme only") << QStringLiteral("https://") << QString();
        QTest::newRow("protocol-relative") << QStringLiteral("//example.jp/") << QString();
        QTest::newRow("user part hiding the host")
            << QStringLiteral("http://www.bank.example.jp@evil.example/") << QString();
        QTest::newRow("mail address in the URL field") << QStringLiteral("a@b.jp") << QString();
        QTest::newRow("blank inside") << QStringLiteral("http://example.jp/a b") << QString();
        QTest::newRow("line break inside") << QStringLiteral("http://example.jp/\r\n--new-window") << QString();
        QTest::newRow("option-like text") << QStringLiteral("--help") << QString();
        QTest::newRow("too long") << QStringLiteral("http://example.jp/") + QString(2048, u'a') << QString();
    }

    void browserAddress()
    {
        QFETCH(QString, text);
        QFETCH(QString, address);
        QCOMPARE(OrEmpty(BrowserAddress(text)), address);
    }

    void mailAddress_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("address");
        QTest::newRow("plain") << QStringLiteral("a@b.jp") << QStringLiteral("a@b.jp");
        QTest::newRow("carrier address with dots and hyphens")
            << QStringLiteral("taro.yamada-1987_x@docomo.ne.jp") << QStringLiteral("taro.yamada-1987_x@docomo.ne.jp");
        QTest::newRow("dots next to the at sign")
            << QStringLiteral("taro..hanako.@ezweb.ne.jp") << QStringLiteral("taro..hanako.@ezweb.ne.jp");
        QTest::newRow("plus tag") << QStringLiteral("taro+memo@example.jp") << QStringLiteral("taro+memo@example.jp");
        QTest::newRow("blanks around") << QStringLiteral(" a@b.jp ") << QStringLiteral("a@b.jp");
        QTest::newRow("query") << QStringLiteral("a@b.jp?subject=x") << QString();
        QTest::newRow("second parameter") << QStringLiteral("a@b.jp&body=x") << QString();
        QTest::newRow("second address") << QStringLiteral("a@b.jp,c@d.jp") << QString();
        QTest::newRow("second address after a semicolon") << QStringLiteral("a@b.jp;c@d.jp") << QString();
        QTest::newRow("header after CR LF") << QStringLiteral("a@b.jp\r\nBcc: c@d.jp") << QString();
        QTest::newRow("header after LF") << QStringLiteral("a@b.jp\nCc: c@d.jp") << QString();
        QTest::newRow("escaped line break") << QStringLiteral("a@b.jp%0ABcc:c@d.jp") << QString();
        QTest::newRow("escaped line break in the name") << QStringLiteral("a%0D%0A@b.jp") << QString();
        QTest::newRow("display name") << QStringLiteral("太郎 <a@b.jp>") << QString();
        QTest::newRow("two at signs") << QStringLiteral("a@b@c.jp") << QString();
        QTest::newRow("no at sign") << QStringLiteral("b.jp") << QString();
        QTest::newRow("no name") << QStringLiteral("@b.jp") << QString();
        QTest::newRow("host without dot") << QStringLiteral("a@localhost") << QString();
        QTest::newRow("host label ending in a hyphen") << QStringLiteral("a@b-.jp") << QString();
        QTest::newRow("full-width at sign") << QStringLiteral("a＠b.jp") << QString();
        QTest::newRow("scheme inside") << QStringLiteral("mailto:a@b.jp") << QString();
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("too long") << QString(250, u'a') + QStringLiteral("@b.jp") << QString();
    }

    void mailAddress()
    {
        QFETCH(QString, text);
        QFETCH(QString, address);
        QCOMPARE(OrEmpty(MailAddress(text)), address);
    }

    // What reaches the desktop, and the warning when nothing takes it or the address is refused.
    void openInBrowser_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("launched"); // empty: nothing launched
        QTest::addColumn<bool>("browserExists");
        QTest::addColumn<QString>("warning"); // empty: none
        QTest::newRow("web page") << QStringLiteral("https://example.jp/") << QStringLiteral("https://example.jp/")
                                  << true << QString();
        QTest::newRow("bare host") << QStringLiteral("www.example.jp") << QStringLiteral("http://www.example.jp")
                                   << true << QString();
        QTest::newRow("no browser") << QStringLiteral("https://example.jp/") << QStringLiteral("https://example.jp/")
                                    << false << kNoBrowser;
        QTest::newRow("javascript, no browser either")
            << QStringLiteral("javascript:alert(1)") << QString() << false << kRefusedWeb;
        QTest::newRow("file") << QStringLiteral("file:///home") << QString() << true << kRefusedWeb;
        QTest::newRow("full-width address")
            << QStringLiteral("ｈｔｔｐ：／／ｅｘａｍｐｌｅ．ｊｐ") << QString() << true << kRefusedWeb;
    }

    void openInBrowser()
    {
        QFETCH(QString, address);
        QFETCH(QString, launched);
        QFETCH(bool, browserExists);
        QFETCH(QString, warning);
        FakeInteraction fake;
        if (!launched.isEmpty()) {
            fake.ExpectOpenUrl(launched, browserExists);
        }
        if (!warning.isEmpty()) {
            fake.ExpectTell(warning, warning == kNoBrowser ? kNoBrowserTitle : kRefusedWebTitle, MessageIcon::Warning);
        }
        OpenInBrowser(address, fake);
        VERIFY_INTERACTION(fake);
    }

    void mailTo_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("launched");
        QTest::addColumn<bool>("mailerExists");
        QTest::addColumn<QString>("warning");
        QTest::newRow("address") << QStringLiteral("hanako@example.jp") << QStringLiteral("mailto:hanako@example.jp")
                                 << true << QString();
        QTest::newRow("no mail program") << QStringLiteral("hanako@example.jp")
                                         << QStringLiteral("mailto:hanako@example.jp") << false << kNoMail;
        QTest::newRow("injected header, no mail program")
            << QStringLiteral("a@b.jp%0ABcc:c@d.jp") << QString() << false << kRefusedMail;
        QTest::newRow("two addresses") << QStringLiteral("a@b.jp,c@d.jp") << QString() << true << kRefusedMail;
        QTest::newRow("mailto: typed into the field")
            << QStringLiteral("mailto:hanako@example.jp") << QString() << true << kRefusedMail;
        QTest::newRow("full-width address")
            << QStringLiteral("ｈａｎａｋｏ＠ｅｘａｍｐｌｅ．ｊｐ") << QString() << true << kRefusedMail;
    }

    void mailTo()
    {
        QFETCH(QString, address);
        QFETCH(QString, launched);
        QFETCH(bool, mailerExists);
        QFETCH(QString, warning);
        FakeInteraction fake;
        if (!launched.isEmpty()) {
            fake.ExpectOpenUrl(launched, mailerExists);
        }
        if (!warning.isEmpty()) {
            fake.ExpectTell(warning, warning == kNoMail ? kNoMailTitle : kRefusedMailTitle, MessageIcon::Warning);
        }
        MailTo(address, fake);
        VERIFY_INTERACTION(fake);
    }

    void webView()
    {
        EditorFields fields;
        FakeInteraction fake;
        // An empty URL field asks nothing, not even whether a browser exists.
        mnuOptWebView_Click(fields, fake);
        VERIFY_INTERACTION(fake);

        fields.Text(kTextUrl) = QStringLiteral("www.example.jp/taro");
        fake.ExpectOpenUrl(QStringLiteral("http://www.example.jp/taro"));
        mnuOptWebView_Click(fields, fake);
        VERIFY_INTERACTION(fake);
    }

    void gpsInfo()
    {
        EditorFields fields;
        FakeInteraction fake;
        // An empty GPS field says nothing, as an empty URL field does.
        mnuOptGPS_Info_Click(fields, fake);
        VERIFY_INTERACTION(fake);

        fields.Text(kTextGps) = QStringLiteral("+35.39.29.20&+139.44.28.80");
        fake.ExpectTell(QStringLiteral("この GPS 情報からは地図を開けません。緯度と経度を符号付きで、それぞれ 「&」 "
                                       "で終えて書きます（例：「+35.39.29.20&+139.44.28.80&」）。　"),
                        QStringLiteral("GPS 情報 確認"), MessageIcon::Warning);
        mnuOptGPS_Info_Click(fields, fake);
        VERIFY_INTERACTION(fake);

        fields.Text(kTextGps) = QStringLiteral("+35.39.29.20&+139.44.28.80&");
        fake.ExpectOpenUrl(kMap + QStringLiteral("139.44.28.80E35.39.29.20N&l=9"), false);
        fake.ExpectTell(kNoBrowser, kNoBrowserTitle, MessageIcon::Warning);
        mnuOptGPS_Info_Click(fields, fake);
        VERIFY_INTERACTION(fake);
    }

    void eMail_data()
    {
        QTest::addColumn<int>("lastFocus");
        QTest::addColumn<QString>("launched");
        QTest::newRow("name field") << int(kTextName) << QString();
        QTest::newRow("third mail field") << int(kTextMail1 + 2) << QStringLiteral("mailto:third@example.jp");
        QTest::newRow("first mail field, empty") << int(kTextMail1) << QString();
        QTest::newRow("fifth mail field") << int(kTextMail5) << QStringLiteral("mailto:fifth@example.jp");
        QTest::newRow("URL field") << int(kTextUrl) << QString();
    }

    void eMail()
    {
        QFETCH(int, lastFocus);
        QFETCH(QString, launched);
        EditorFields fields;
        fields.Text(kTextName) = QStringLiteral("name@example.jp");
        fields.Text(kTextMail1 + 2) = QStringLiteral("third@example.jp");
        fields.Text(kTextMail5) = QStringLiteral("fifth@example.jp");
        fields.Text(kTextUrl) = QStringLiteral("url@example.jp");
        fields.LastFocusIndex = lastFocus;
        FakeInteraction fake;
        if (!launched.isEmpty()) {
            fake.ExpectOpenUrl(launched);
        }
        mnuOptE_Mail_Click(fields, fake);
        VERIFY_INTERACTION(fake);
    }
};

QTEST_GUILESS_MAIN(TestOutsidePrograms)
#include "tst_outsideprograms.moc"
