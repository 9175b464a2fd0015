#include "memorydial/Entry.h"
#include "memorydial/MemoryDial.h"

#include <QTest>

class TestEntry : public QObject
{
    Q_OBJECT

private slots:
    void leadingNumber_data();
    void leadingNumber();
    void captions();
    void cellOutsideRows();
    void windowCaption();
};

void TestEntry::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("expected");
    QTest::newRow("padded") << u"007"_qs << qint64(7);
    QTest::newRow("four digits") << u"1000"_qs << qint64(1000);
    QTest::newRow("empty") << QString() << qint64(0);
    QTest::newRow("letters") << u"abc"_qs << qint64(0);
    QTest::newRow("digits then text") << u"12ab"_qs << qint64(12);
    QTest::newRow("leading blanks") << u"  42"_qs << qint64(42);
    QTest::newRow("full-width digits are not numbers") << u"１２"_qs << qint64(0);
    QTest::newRow("sign is not a digit") << u"-5"_qs << qint64(0);
    QTest::newRow("overlong keeps 18 digits") << u"12345678901234567890"_qs << qint64(123456789012345678);
}

void TestEntry::leadingNumber()
{
    QFETCH(QString, text);
    QFETCH(qint64, expected);
    QCOMPARE(LeadingNumber(text), expected);
}

void TestEntry::captions()
{
    QCOMPARE(EntryColumnCaption(0), QString());
    QCOMPARE(EntryColumnCaption(1), u"No."_qs);
    QCOMPARE(EntryColumnCaption(14), u"種別 5"_qs);
    QCOMPARE(EntryColumnCaption(16), u"種別 1"_qs);
    QCOMPARE(EntryColumnCaption(25), u"ｸﾞﾙｰﾌﾟNo"_qs);
    QCOMPARE(EntryColumnCaption(37), u"更新時間"_qs);
    QCOMPARE(EntryColumnCaption(38), QString());
    QCOMPARE(TelNumberCell(2), 7);
    QCOMPARE(MailKindCell(5), 24);
}

void TestEntry::cellOutsideRows()
{
    MemoryDial dial;
    Entry entry;
    entry[kColName] = u"山田"_qs;
    dial.rows.append(entry);
    QCOMPARE(dial.Cell(1, kColName), u"山田"_qs);
    QCOMPARE(dial.Cell(0, kColName), QString());
    QCOMPARE(dial.Cell(2, kColName), QString());
    QCOMPARE(dial.Cell(1, 38), QString());
}

void TestEntry::windowCaption()
{
    QCOMPARE(WindowCaption(QString()), u"Morvane for Windows"_qs);
    QCOMPARE(WindowCaption(u"/home/a/x.VCF"_qs), u"Morvane for Windows - [ /home/a/x.VCF ]"_qs);
}

QTEST_GUILESS_MAIN(TestEntry)
#include "tst_entry.moc"
