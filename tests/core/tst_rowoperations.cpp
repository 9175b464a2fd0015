#include "SampleEntries.h"
#include "list/RowOperations.h"

#include <QTest>

class TestRowOperations : public QObject
{
    Q_OBJECT

private slots:
    void entryNumberText_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("text");
        QTest::newRow("first") << 0 << QStringLiteral("000");
        QTest::newRow("one digit") << 9 << QStringLiteral("009");
        QTest::newRow("eleventh") << 10 << QStringLiteral("010");
        QTest::newRow("two digits") << 99 << QStringLiteral("099");
        QTest::newRow("hundred-and-first") << 100 << QStringLiteral("100");
        QTest::newRow("four digits stay") << 1000 << QStringLiteral("1000");
    }
    void entryNumberText()
    {
        QFETCH(int, number);
        QFETCH(QString, text);
        QCOMPARE(EntryNumberText(number), text);
    }

    void renumberFollowsListOrder()
    {
        QList<Entry> rows = SampleRows(12);
        rows[0][kColNumber] = QStringLiteral("050");
        rows[5][kColNumber] = QStringLiteral("7");
        rows.move(3, 10);
        const QList<Entry> before = rows;
        RenumberRows(rows);
        QStringList expected;
        for (int i = 0; i < 12; ++i) {
            expected << QString::number(i).rightJustified(3, u'0');
        }
        QCOMPARE(ColumnTexts(rows, kColNumber), expected);
        QCOMPARE(ColumnTexts(rows, kColName), ColumnTexts(before, kColName));
    }

    void tickedRowsComeLastFirst()
    {
        QList<Entry> rows = SampleRows(6);
        rows[1].checked = true;
        rows[4].checked = true;
        rows[5].checked = true;
        QCOMPARE(TickedRowsFromLast(rows), (QList<int>{6, 5, 2}));
        QVERIFY(TickedRowsFromLast(SampleRows(3)).isEmpty());
    }

    void swapKeepsNumbersAndUnticks()
    {
        QList<Entry> rows = SampleRows(8);
        rows[2].checked = true;
        rows[6].checked = true;
        const Entry third = rows[2];
        const Entry seventh = rows[6];
        SwapEntryContents(rows, 7, 3);
        QCOMPARE(rows[2][kColNumber], QStringLiteral("002"));
        QCOMPARE(rows[6][kColNumber], QStringLiteral("006"));
        for (int column = kColName; column < kEntryColumnCount; ++column) {
            QCOMPARE(rows[2][column], seventh[column]);
            QCOMPARE(rows[6][column], third[column]);
        }
        QVERIFY(!rows[2].checked);
        QVERIFY(!rows[6].checked);
    }

    void exchangeCarriesNumberAndTick()
    {
        QList<Entry> rows = SampleRows(3);
        rows[1].checked = true;
        ExchangeRows(rows, 2, 1);
        QCOMPARE(ColumnTexts(rows, kColNumber),
                 (QStringList{QStringLiteral("001"), QStringLiteral("000"), QStringLiteral("002")}));
        QVERIFY(rows[0].checked);
        QVERIFY(!rows[1].checked);
    }

    void removeTickedRows()
    {
        QList<Entry> rows = SampleRows(6);
        rows[1].checked = true;
        rows[4].checked = true;
        QCOMPARE(RemoveTickedRows(rows), 2);
        QCOMPARE(ColumnTexts(rows, kColNumber), (QStringList{QStringLiteral("000"), QStringLiteral("002"),
                                                             QStringLiteral("003"), QStringLiteral("005")}));
        QCOMPARE(RemoveTickedRows(rows), 0);
        for (Entry& entry : rows) {
            entry.checked = true;
        }
        QCOMPARE(RemoveTickedRows(rows), 4);
        QVERIFY(rows.isEmpty());
    }

    void sortByMemo_data()
    {
        QTest::addColumn<QStringList>("memos");
        QTest::addColumn<bool>("ascending");
        QTest::addColumn<QStringList>("sorted");
        // Code-point order would put every katakana after every hiragana.
        QTest::newRow("kana by sound") << QStringList{QStringLiteral("う"), QStringLiteral("イ"), QStringLiteral("あ")}
                                       << true
                                       << QStringList{QStringLiteral("あ"), QStringLiteral("イ"), QStringLiteral("う")};
        QTest::newRow("half-width kana") << QStringList{QStringLiteral("き"), QStringLiteral("ｶ"), QStringLiteral("お")}
                                         << true
                                         << QStringList{QStringLiteral("お"), QStringLiteral("ｶ"),
                                                        QStringLiteral("き")};
        QTest::newRow("descending") << QStringList{QStringLiteral("さくら"), QStringLiteral("あおい"),
                                                   QStringLiteral("かえで")}
                                    << false
                                    << QStringList{QStringLiteral("さくら"), QStringLiteral("かえで"),
                                                   QStringLiteral("あおい")};
        QTest::newRow("padded numbers") << QStringList{QStringLiteral("010"), QStringLiteral("009"),
                                                       QStringLiteral("100")}
                                        << true
                                        << QStringList{QStringLiteral("009"), QStringLiteral("010"),
                                                       QStringLiteral("100")};
        QTest::newRow("empty first") << QStringList{QStringLiteral("b"), QString(), QStringLiteral("a")} << true
                                     << QStringList{QString(), QStringLiteral("a"), QStringLiteral("b")};
    }
    void sortByMemo()
    {
        QFETCH(QStringList, memos);
        QFETCH(bool, ascending);
        QFETCH(QStringList, sorted);
        QList<Entry> rows;
        for (int i = 0; i < memos.size(); ++i) {
            rows << SampleEntry(QString::number(i).rightJustified(3, u'0'), QStringLiteral("n"), memos[i]);
        }
        SortRows(rows, kColMemo, ascending);
        QCOMPARE(ColumnTexts(rows, kColMemo), sorted);
    }

    void sortKeepsRowsWholeAndEqualTextsInOrder()
    {
        QList<Entry> rows = SampleRows(5);
        rows[0][kColMemo] = QStringLiteral("b");
        rows[1][kColMemo] = QStringLiteral("a");
        rows[2][kColMemo] = QStringLiteral("b");
        rows[3][kColMemo] = QStringLiteral("a");
        rows[4][kColMemo] = QStringLiteral("b");
        rows[3].checked = true;
        SortRows(rows, kColMemo, true);
        QCOMPARE(ColumnTexts(rows, kColNumber),
                 (QStringList{QStringLiteral("001"), QStringLiteral("003"), QStringLiteral("000"),
                              QStringLiteral("002"), QStringLiteral("004")}));
        QCOMPARE(ColumnTexts(rows, kColName),
                 (QStringList{QStringLiteral("名前1"), QStringLiteral("名前3"), QStringLiteral("名前0"),
                              QStringLiteral("名前2"), QStringLiteral("名前4")}));
        QVERIFY(rows[1].checked);
        SortRows(rows, kColMemo, false);
        QCOMPARE(ColumnTexts(rows, kColNumber),
                 (QStringList{QStringLiteral("000"), QStringLiteral("002"), QStringLiteral("004"),
                              QStringLiteral("001"), QStringLiteral("003")}));
    }
};

QTEST_GUILESS_MAIN(TestRowOperations)
#include "tst_rowoperations.moc"
