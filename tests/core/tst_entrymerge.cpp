#include "FakeInteraction.h"
#include "SampleEntries.h"
#include "app/MainController.h"
#include "find/EntryMerge.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Cells as "column=text" pairs; every other cell stays empty.
Entry Make(const QStringList& cells)
{
    Entry entry;
    for (const QString& pair : cells) {
        const qsizetype equals = pair.indexOf(u'=');
        entry[pair.left(equals).toInt()] = pair.mid(equals + 1);
    }
    return entry;
}

QStringList Filled(const Entry& entry)
{
    QStringList cells;
    for (int column = 0; column < kEntryColumnCount; ++column) {
        if (!entry[column].isEmpty()) {
            cells << QString::number(column) + u'=' + entry[column];
        }
    }
    return cells;
}

} // namespace

class TestEntryMerge : public QObject
{
    Q_OBJECT

private slots:
    void merge_data()
    {
        QTest::addColumn<QStringList>("first");
        QTest::addColumn<QStringList>("second");
        QTest::addColumn<QStringList>("conflicts"); // captions of the parts asked about
        QTest::addColumn<bool>("secondNewer");
        QTest::addColumn<QStringList>("leftOver");
        QTest::addColumn<QStringList>("merged"); // with the defaults: every part from the newer entry
        QTest::newRow("agreeing and one-sided cells need no choice")
            << QStringList{u"1=005"_s, u"2=鈴木 一郎"_s, u"5=090-1234-5678"_s, u"6=携帯"_s, u"37=20200101T000000Z"_s}
            << QStringList{u"1=017"_s, u"2=鈴木 一郎"_s, u"3=ｽｽﾞｷ ｲﾁﾛｳ"_s, u"34=ゴルフ"_s, u"37=20190101T000000Z"_s}
            << QStringList{} << false << QStringList{}
            << QStringList{u"1=005"_s,  u"2=鈴木 一郎"_s, u"3=ｽｽﾞｷ ｲﾁﾛｳ"_s, u"5=090-1234-5678"_s,
                           u"6=携帯"_s, u"34=ゴルフ"_s,   u"37=STAMP"_s};
        QTest::newRow("differing parts default to the newer stamp")
            << QStringList{u"1=005"_s, u"2=鈴木 一郎"_s, u"27=東京都"_s, u"28=1000001"_s, u"37=2019-01-01T00:00:00Z"_s}
            << QStringList{u"1=017"_s, u"2=ｽｽﾞｷ ｲﾁﾛｳ"_s, u"27=大阪府"_s, u"29=自宅"_s, u"37=20200101T000000Z"_s}
            << QStringList{u"名前"_s, u"住所"_s} << true << QStringList{}
            << QStringList{u"1=005"_s, u"2=ｽｽﾞｷ ｲﾁﾛｳ"_s, u"27=大阪府"_s, u"29=自宅"_s, u"37=STAMP"_s};
        QTest::newRow("same number written twice is one slot")
            << QStringList{u"5=090-1234-5678"_s, u"6=携帯"_s, u"15=Ichiro@Example.jp"_s, u"16=PC"_s}
            << QStringList{u"5=03-1111-2222"_s, u"6=自宅"_s, u"7=+81 90 1234 5678"_s, u"8=会社"_s,
                           u"15=ichiro@example.JP"_s}
            << QStringList{} << false << QStringList{}
            << QStringList{u"5=090-1234-5678"_s,      u"6=携帯"_s, u"7=03-1111-2222"_s, u"8=自宅"_s,
                           u"15=Ichiro@Example.jp"_s, u"16=PC"_s,  u"37=STAMP"_s};
        QTest::newRow("newer numbers first, the sixth shown as left over")
            << QStringList{u"5=01"_s, u"7=02"_s, u"9=03"_s, u"37=20180101T000000Z"_s}
            << QStringList{u"5=04"_s, u"7=05"_s, u"9=06"_s, u"11=01"_s, u"23=a@example.jp"_s, u"37=20190101T000000Z"_s}
            << QStringList{} << true << QStringList{u"Tel 6: 03"_s}
            << QStringList{u"5=04"_s,    u"7=05"_s, u"9=06"_s, u"11=01"_s, u"13=02"_s, u"15=a@example.jp"_s,
                           u"37=STAMP"_s};
        QTest::newRow("group number and name chosen together")
            << QStringList{u"25=01"_s, u"26=家族"_s, u"37=20200101T000000Z"_s}
            << QStringList{u"25=02"_s, u"26=友人"_s, u"37=20200101T000000Z"_s} << QStringList{u"ｸﾞﾙｰﾌﾟ名"_s} << false
            << QStringList{} << QStringList{u"25=01"_s, u"26=家族"_s, u"37=STAMP"_s};
    }
    void merge()
    {
        QFETCH(QStringList, first);
        QFETCH(QStringList, second);
        QFETCH(QStringList, conflicts);
        QFETCH(bool, secondNewer);
        QFETCH(QStringList, leftOver);
        QFETCH(QStringList, merged);
        const Entry a = Make(first);
        const Entry b = Make(second);
        const MergePlan plan = PlanMerge(a, b);
        QStringList captions;
        for (const int part : plan.conflicts) {
            captions << MergeParts()[part].caption;
        }
        QCOMPARE(captions, conflicts);
        QCOMPARE(plan.newer == MergeSide::Second, secondNewer);
        QCOMPARE(plan.leftOver, leftOver);
        const QList<MergeSide> defaults(MergeParts().size(), plan.newer);
        QCOMPARE(Filled(MergeEntries(a, b, defaults, u"STAMP"_s)), merged);
    }

    void pickOlder()
    {
        const Entry a = Make({u"2=鈴木"_s, u"3=ｽｽﾞｷ"_s, u"37=20200101T000000Z"_s});
        const Entry b = Make({u"2=鈴木 一郎"_s, u"3=ｽｽﾞｷ ｲﾁﾛｳ"_s, u"37=20210101T000000Z"_s});
        QList<MergeSide> picks(MergeParts().size(), MergeSide::Second);
        picks[0] = MergeSide::First;
        QCOMPARE(Filled(MergeEntries(a, b, picks, u"S"_s)), (QStringList{u"2=鈴木"_s, u"3=ｽｽﾞｷ ｲﾁﾛｳ"_s, u"37=S"_s}));
    }

    // The merged entry takes the upper row's place and number; the document counts as changed
    // until it is saved, and the entry numbers the editor checks against follow.
    void mergeRowsInTheList()
    {
        MemoryDial dial;
        dial.rows = SampleRows(3);
        dial.rows[2][kColTel1] = dial.rows[0][kColTel1];
        dial.rows[2][kColRevision] = u"20300101T000000Z"_s;
        dial.EntryCount = 3;
        dial.MarkSaved();
        FakeInteraction fake;
        MainController controller(dial, fake, QString(), nullptr);
        QCOMPARE(controller.DuplicateGroups(), (QList<QList<int>>{{1, 3}}));
        QVERIFY(!controller.MergeRows(2, 2, {}));
        QVERIFY(!controller.MergeRows(3, 4, {}));
        QVERIFY(!controller.Modified());

        QVERIFY(controller.MergeRows(3, 1, QList<MergeSide>(MergeParts().size(), MergeSide::Second)));
        QCOMPARE(ColumnTexts(dial.rows, kColNumber), (QStringList{u"000"_s, u"001"_s}));
        QCOMPARE(ColumnTexts(dial.rows, kColName), (QStringList{u"名前2"_s, u"名前1"_s}));
        QCOMPARE(ColumnTexts(dial.rows, kColTel1), (QStringList{u"090-0000-0000"_s, u"090-0000-0001"_s}));
        QCOMPARE(dial.EntryCount, 2);
        QCOMPARE(dial.EntryNumbers.mid(0, 3), (QStringList{u"000"_s, u"001"_s, QString()}));
        QCOMPARE(dial.SelectedRow, 1);
        QVERIFY(controller.Modified());
        QVERIFY(controller.DuplicateGroups().isEmpty());
        QVERIFY2(fake.Verify(), qPrintable(fake.Report()));
    }
};

QTEST_GUILESS_MAIN(TestEntryMerge)
#include "tst_entrymerge.moc"
