#include "settings/AppSettings.h"
#include "settings/SettingValues.h"
#include "settings/StartupValues.h"

#include <QTest>

class TestSettingValues : public QObject
{
    Q_OBJECT

private slots:
    void parseNumber_data();
    void parseNumber();
    void colour_data();
    void colour();
    void mainWindowSize_data();
    void mainWindowSize();
    void roundHalfEven_data();
    void roundHalfEven();
    void todayText_data();
    void todayText();
    void nowText_data();
    void nowText();
    void pushRireki_data();
    void pushRireki();
    void postalSlot_data();
    void postalSlot();
};

void TestSettingValues::parseNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("plain") << QStringLiteral("12000") << 12000.0;
    QTest::newRow("number prefix") << QStringLiteral("12abc") << 12.0;
    QTest::newRow("fraction") << QStringLiteral("10.5") << 10.5;
    QTest::newRow("negative") << QStringLiteral("-150") << -150.0;
    QTest::newRow("plus sign") << QStringLiteral("+8") << 8.0;
    QTest::newRow("leading blanks") << QStringLiteral("   42") << 42.0;
    QTest::newRow("leading tab") << QStringLiteral("\t7") << 7.0;
    QTest::newRow("blank ends number") << QStringLiteral("12 34") << 12.0;
    QTest::newRow("second point ends number") << QStringLiteral("1.2.3") << 1.2;
    QTest::newRow("bare fraction") << QStringLiteral(".5") << 0.5;
    QTest::newRow("negative bare fraction") << QStringLiteral("-.5") << -0.5;
    QTest::newRow("trailing point") << QStringLiteral("3.") << 3.0;
    QTest::newRow("no exponent") << QStringLiteral("1e3") << 1.0;
    QTest::newRow("hex with closing ampersand") << QStringLiteral("&H00FFFFFF&") << 16777215.0;
    QTest::newRow("hex without closing ampersand") << QStringLiteral("&H00FFFFFF") << 16777215.0;
    QTest::newRow("hex lower case") << QStringLiteral("&hff") << 255.0;
    QTest::newRow("hex black") << QStringLiteral("&H00000000&") << 0.0;
    QTest::newRow("hex after blanks") << QStringLiteral("  &H10&") << 16.0;
    QTest::newRow("hex prefix only") << QStringLiteral("&H") << 0.0;
    QTest::newRow("hex without digits") << QStringLiteral("&HZZ") << 0.0;
    QTest::newRow("hex stops at non-digit") << QStringLiteral("&H1G") << 1.0;
    QTest::newRow("empty") << QString() << 0.0;
    QTest::newRow("blanks only") << QStringLiteral("   ") << 0.0;
    QTest::newRow("letters") << QStringLiteral("abc") << 0.0;
    QTest::newRow("sign only") << QStringLiteral("-") << 0.0;
    QTest::newRow("point only") << QStringLiteral(".") << 0.0;
    QTest::newRow("full-width digits") << QStringLiteral("１２") << 0.0;
    QTest::newRow("huge") << (QStringLiteral("9").repeated(400)) << 0.0;
}

void TestSettingValues::parseNumber()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(ParseSettingNumber(text), expected);
}

void TestSettingValues::colour_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");

    QTest::newRow("white as hex") << QStringLiteral("&H00FFFFFF&") << 255 << 255 << 255;
    QTest::newRow("white as decimal") << QStringLiteral("16777215") << 255 << 255 << 255;
    QTest::newRow("black") << QStringLiteral("&H00000000&") << 0 << 0 << 0;
    QTest::newRow("red is the low byte") << QStringLiteral("255") << 255 << 0 << 0;
    QTest::newRow("blue is the high byte") << QStringLiteral("&H00FF0000&") << 0 << 0 << 255;
    QTest::newRow("mixed") << QStringLiteral("&H00123456&") << 0x56 << 0x34 << 0x12;
    QTest::newRow("bits above colour dropped") << QStringLiteral("&HFF0000FF&") << 255 << 0 << 0;
    QTest::newRow("negative is black") << QStringLiteral("-1") << 0 << 0 << 0;
    QTest::newRow("empty is black") << QString() << 0 << 0 << 0;
}

void TestSettingValues::colour()
{
    QFETCH(QString, text);
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    QCOMPARE(ColourComponents(SettingColour(text)), (RgbComponents{red, green, blue}));
}

void TestSettingValues::mainWindowSize_data()
{
    QTest::addColumn<QString>("optSize");
    QTest::addColumn<QString>("fhWidth");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");

    QTest::newRow("VGA") << QStringLiteral("0") << QStringLiteral("14000") << 9600 << 7200;
    QTest::newRow("SVGA") << QStringLiteral("1") << QStringLiteral("14000") << 12000 << 9000;
    QTest::newRow("XGA") << QStringLiteral("2") << QStringLiteral("14000") << 15375 << 11520;
    QTest::newRow("SXGA") << QStringLiteral("3") << QStringLiteral("14000") << 19240 << 15375;
    QTest::newRow("own size") << QStringLiteral("4") << QStringLiteral("14000") << 14000 << 10050;
    QTest::newRow("out of range") << QStringLiteral("7") << QStringLiteral("14000") << 12000 << 9000;
    QTest::newRow("negative") << QStringLiteral("-1") << QStringLiteral("14000") << 12000 << 9000;
    QTest::newRow("empty") << QString() << QStringLiteral("14000") << 12000 << 9000;
    QTest::newRow("own size of zero") << QStringLiteral("4") << QStringLiteral("abc") << 12000 << 9000;
    QTest::newRow("own size negative") << QStringLiteral("4") << QStringLiteral("-14000") << 12000 << 9000;
    QTest::newRow("two digits") << QStringLiteral("10") << QStringLiteral("14000") << 12000 << 9000;
}

void TestSettingValues::mainWindowSize()
{
    QFETCH(QString, optSize);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QString, fhWidth);
    const TwipsSize size = MainWindowSizeTwips(optSize, fhWidth, u"10050");
    QCOMPARE(size.width, width);
    QCOMPARE(size.height, height);
}

void TestSettingValues::roundHalfEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected");

    QTest::newRow("2.5 down") << 2.5 << 2;
    QTest::newRow("3.5 up") << 3.5 << 4;
    QTest::newRow("-2.5 up") << -2.5 << -2;
    QTest::newRow("-3.5 down") << -3.5 << -4;
    QTest::newRow("below half") << 1.4 << 1;
    QTest::newRow("above half") << 1.6 << 2;
    QTest::newRow("negative above half") << -1.6 << -2;
    QTest::newRow("whole") << 3600.0 << 3600;
}

void TestSettingValues::roundHalfEven()
{
    QFETCH(double, value);
    QFETCH(int, expected);
    QCOMPARE(RoundHalfEven(value), expected);
}

void TestSettingValues::todayText_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("expected");

    QTest::newRow("padded") << QDate(2006, 3, 7) << QStringLiteral("2006/03/07");
    QTest::newRow("two-digit month and day") << QDate(2024, 12, 31) << QStringLiteral("2024/12/31");
}

void TestSettingValues::todayText()
{
    QFETCH(QDate, date);
    QFETCH(QString, expected);
    QCOMPARE(TodayText(date), expected);
}

void TestSettingValues::nowText_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("localeName");
    QTest::addColumn<QString>("expected");

    QTest::newRow("afternoon") << QTime(15, 5) << QStringLiteral("C") << QStringLiteral("PM 03:05");
    QTest::newRow("morning") << QTime(9, 7) << QStringLiteral("C") << QStringLiteral("AM 09:07");
    QTest::newRow("midnight is 12") << QTime(0, 30) << QStringLiteral("C") << QStringLiteral("AM 12:30");
    QTest::newRow("noon is 12 PM") << QTime(12, 0) << QStringLiteral("C") << QStringLiteral("PM 12:00");
    QTest::newRow("last minute") << QTime(23, 59) << QStringLiteral("C") << QStringLiteral("PM 11:59");
    QTest::newRow("Japanese afternoon") << QTime(15, 5) << QStringLiteral("ja_JP") << QStringLiteral("午後 03:05");
    QTest::newRow("Japanese morning") << QTime(8, 0) << QStringLiteral("ja_JP") << QStringLiteral("午前 08:00");
}

void TestSettingValues::nowText()
{
    QFETCH(QTime, time);
    QFETCH(QString, localeName);
    QFETCH(QString, expected);
    QCOMPARE(NowText(time, QLocale(localeName)), expected);
}

void TestSettingValues::pushRireki_data()
{
    QTest::addColumn<QStringList>("history");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("expected");

    const QStringList full{QStringLiteral("/a.VCF"), QStringLiteral("/b.VCF"), QStringLiteral("/c.VCF"),
                           QStringLiteral("/d.VCF"), QStringLiteral("/e.VCF")};
    QTest::newRow("new path drops the last")
        << full << QStringLiteral("/x.VCF")
        << QStringList{QStringLiteral("/x.VCF"), QStringLiteral("/a.VCF"), QStringLiteral("/b.VCF"),
                       QStringLiteral("/c.VCF"), QStringLiteral("/d.VCF")};
    QTest::newRow("path in the middle moves up")
        << full << QStringLiteral("/c.VCF")
        << QStringList{QStringLiteral("/c.VCF"), QStringLiteral("/a.VCF"), QStringLiteral("/b.VCF"),
                       QStringLiteral("/d.VCF"), QStringLiteral("/e.VCF")};
    QTest::newRow("path already first") << full << QStringLiteral("/a.VCF") << full;
    QTest::newRow("last path moves up") << full << QStringLiteral("/e.VCF")
                                        << QStringList{QStringLiteral("/e.VCF"), QStringLiteral("/a.VCF"),
                                                       QStringLiteral("/b.VCF"), QStringLiteral("/c.VCF"),
                                                       QStringLiteral("/d.VCF")};
    QTest::newRow("case differs: a new path")
        << full << QStringLiteral("/C.VCF")
        << QStringList{QStringLiteral("/C.VCF"), QStringLiteral("/a.VCF"), QStringLiteral("/b.VCF"),
                       QStringLiteral("/c.VCF"), QStringLiteral("/d.VCF")};
    QTest::newRow("empty history") << QStringList() << QStringLiteral("/x.VCF")
                                   << QStringList{QStringLiteral("/x.VCF"), QString(), QString(), QString(), QString()};
    QTest::newRow("partly filled history")
        << QStringList{QStringLiteral("/a.VCF"), QStringLiteral("/b.VCF"), QString(), QString(), QString()}
        << QStringLiteral("/b.VCF")
        << QStringList{QStringLiteral("/b.VCF"), QStringLiteral("/a.VCF"), QString(), QString(), QString()};
    QTest::newRow("empty path changes nothing") << full << QString() << full;
}

void TestSettingValues::pushRireki()
{
    QFETCH(QStringList, history);
    QFETCH(QString, path);
    QFETCH(QStringList, expected);
    PushRireki(history, path);
    QCOMPARE(history, expected);
}

void TestSettingValues::postalSlot_data()
{
    QTest::addColumn<QString>("optSen");
    QTest::addColumn<int>("slot");

    QTest::newRow("0") << QStringLiteral("0") << 0;
    QTest::newRow("1") << QStringLiteral("1") << 1;
    QTest::newRow("2") << QStringLiteral("2") << 2;
    QTest::newRow("out of range") << QStringLiteral("3") << 0;
    QTest::newRow("negative") << QStringLiteral("-1") << 0;
    QTest::newRow("fraction") << QStringLiteral("1.5") << 0;
    QTest::newRow("text") << QStringLiteral("two") << 0;
}

void TestSettingValues::postalSlot()
{
    QFETCH(QString, optSen);
    QFETCH(int, slot);
    QCOMPARE(PostalSlot(optSen), slot);
}

QTEST_GUILESS_MAIN(TestSettingValues)
#include "tst_settingvalues.moc"
