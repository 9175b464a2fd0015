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
