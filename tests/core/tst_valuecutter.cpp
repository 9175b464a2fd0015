#include "memorydial/ValueCutter.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestValueCutter : public QObject
{
    Q_OBJECT

private slots:
    void cut_data();
    void cut();
};

void TestValueCutter::cut_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("values");

    QTest::newRow("CR LF lines") << "BEGIN:VCARD\r\nVERSION:3.0\r\n" << QStringList{u"BEGIN:VCARD"_s, u"VERSION:3.0"_s};
    QTest::newRow("lone LF and lone CR") << "a\nb\rc" << QStringList{u"a"_s, u"b"_s, u"c"_s};
    QTest::newRow("LF CR is two line ends") << "a\n\rb" << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("empty lines give nothing") << "a\r\n\r\n\r\nb\r\n" << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("blank line gives nothing") << "a\r\n   \t\r\nb" << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("comma cuts") << "TEL;TYPE=PREF,CELL:090" << QStringList{u"TEL;TYPE=PREF"_s, u"CELL:090"_s};
    QTest::newRow("empty between commas") << "a,,b" << QStringList{u"a"_s, u""_s, u"b"_s};
    QTest::newRow("final comma before line end")
        << "TEL;TYPE=PREF,\r\nX" << QStringList{u"TEL;TYPE=PREF"_s, u""_s, u"X"_s};
    QTest::newRow("final comma at end of text") << "a," << QStringList{u"a"_s, u""_s};
    QTest::newRow("leading blanks skipped") << "  \tFN:x, y" << QStringList{u"FN:x"_s, u"y"_s};
    QTest::newRow("trailing blanks stay") << "FN:x  \r\n" << QStringList{u"FN:x  "_s};
    QTest::newRow("full-width space is no blank") << "\u3000FN" << QStringList{u"\u3000FN"_s};
    QTest::newRow("quoted value keeps commas") << "\"a,b\",c" << QStringList{u"a,b"_s, u"c"_s};
    QTest::newRow("after closing quote dropped") << "\"a\" tail,b" << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("quote runs over line ends") << "\"a\r\nb\"\r\nc" << QStringList{u"a\r\nb"_s, u"c"_s};
    QTest::newRow("unclosed quote runs to the end") << "x\r\n\"abc\r\ndef" << QStringList{u"x"_s, u"abc\r\ndef"_s};
    QTest::newRow("quote inside a value is plain") << "NOTE:say \"hi\"" << QStringList{u"NOTE:say \"hi\""_s};
    QTest::newRow("empty quoted value") << "\"\"" << QStringList{u""_s};
    QTest::newRow("no line end at the end") << "a\r\nb" << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("empty text") << "" << QStringList{};
}

void TestValueCutter::cut()
{
    QFETCH(QString, text);
    QFETCH(QStringList, values);
    QStringList got;
    ValueCutter cutter(text);
    while (const std::optional<QStringView> value = cutter.Next()) {
        got << value->toString();
    }
    QCOMPARE(got, values);
}

QTEST_GUILESS_MAIN(TestValueCutter)
#include "tst_valuecutter.moc"
