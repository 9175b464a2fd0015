#include "FakeInteraction.h"
#include "SampleEntries.h"
#include "app/MainController.h"
#include "memorydial/MemoryDialReader.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// Every row command on a list filtered by "すずき", which shows rows 1, 3 and 5 of six:
// what each one touched, written as "number name" per row and "+" for a tick.
class TestFilteredList : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    MemoryDial m_dial;
    FakeInteraction m_fake;
    std::unique_ptr<MainController> m_controller;

    QStringList Rows(const QList<Entry>& rows) const
    {
        QStringList texts;
        for (const Entry& entry : rows) {
            texts << entry[kColNumber] + u' ' + entry[kColName] + (entry.checked ? u"+"_s : QString());
        }
        return texts;
    }

private slots:
    void init()
    {
        m_dial = MemoryDial();
        m_fake = FakeInteraction();
        for (int i = 1; i <= 6; ++i) {
            const bool suzuki = i % 2 == 1;
            Entry entry = SampleEntry(u"0%1"_s.arg(i + 10), (suzuki ? u"鈴木"_s : u"佐藤"_s) + QString::number(i));
            entry[kColReading] = suzuki ? u"ｽｽﾞｷ"_s : u"ｻﾄｳ"_s;
            m_dial.rows << entry;
        }
        m_dial.EntryCount = 6;
        m_dial.RebuildEntryNumbers();
        m_controller = std::make_unique<MainController>(m_dial, m_fake, m_dir.path(), nullptr);
        m_controller->EnableDocumentCommands();
        m_controller->SetFilter(u"すずき"_s);
    }
    void cleanup() { QVERIFY2(m_fake.Verify(), qPrintable(m_fake.Report())); }

    void commands_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QList<int>>("ticked");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("message"); // what the user is told or asked (and answers OK to)
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("selectedAfter");
        const QStringList untouched{u"011 鈴木1"_s, u"012 佐藤2"_s, u"013 鈴木3"_s,
                                    u"014 佐藤4"_s, u"015 鈴木5"_s, u"016 佐藤6"_s};
        QTest::newRow("swap takes the two shown ticks")
            << u"swap"_s << QList<int>{2, 3, 5} << 1 << u"指定された個別情報を入れ替えますか？　"_s
            << QStringList{u"011 鈴木1"_s, u"012 佐藤2+"_s, u"013 鈴木5"_s,
                           u"014 佐藤4"_s, u"015 鈴木3"_s,  u"016 佐藤6"_s}
            << 1;
        QTest::newRow("swap does not count a hidden tick")
            << u"swap"_s << QList<int>{2, 3} << 1 << u"入れ替える個別情報を２つ選択して下さい。　"_s
            << QStringList{u"011 鈴木1"_s, u"012 佐藤2+"_s, u"013 鈴木3+"_s,
                           u"014 佐藤4"_s, u"015 鈴木5"_s,  u"016 佐藤6"_s}
            << 1;
        QTest::newRow("delete keeps the hidden ticked row")
            << u"delete"_s << QList<int>{2, 3, 6} << 1 << u"指定された個別情報を削除しますか？　"_s
            << QStringList{u"011 鈴木1"_s, u"012 佐藤2+"_s, u"014 佐藤4"_s, u"015 鈴木5"_s, u"016 佐藤6+"_s} << 1;
        QTest::newRow("delete with hidden ticks only")
            << u"delete"_s << QList<int>{4} << 1 << u"削除する個別情報を選択して下さい。　"_s
            << QStringList{u"011 鈴木1"_s,  u"012 佐藤2"_s, u"013 鈴木3"_s,
                           u"014 佐藤4+"_s, u"015 鈴木5"_s, u"016 佐藤6"_s}
            << 1;
        QTest::newRow("up passes over a hidden row")
            << u"up"_s << QList<int>{} << 3 << QString() << QStringList{u"013 鈴木3"_s, u"012 佐藤2"_s, u"011 鈴木1"_s,
                                                                        u"014 佐藤4"_s, u"015 鈴木5"_s, u"016 佐藤6"_s}
            << 1;
        QTest::newRow("up from the first shown row")
            << u"up"_s << QList<int>{} << 1 << u"個別情報は先頭に移動しています。　"_s << untouched << 1;
        QTest::newRow("down passes over a hidden row") << u"down"_s << QList<int>{} << 3 << QString()
                                                       << QStringList{u"011 鈴木1"_s, u"012 佐藤2"_s, u"015 鈴木5"_s,
                                                                      u"014 佐藤4"_s, u"013 鈴木3"_s, u"016 佐藤6"_s}
                                                       << 5;
        QTest::newRow("down from the last shown row with a hidden one below")
            << u"down"_s << QList<int>{} << 5 << u"個別情報は最後に移動しています。　"_s << untouched << 5;
        QTest::newRow("down on a hidden selection") << u"down"_s << QList<int>{} << 4 << QString() << untouched << 4;
        QTest::newRow("edit a hidden selection") << u"edit"_s << QList<int>{} << 2 << QString() << untouched << 2;
        QTest::newRow("edit a shown selection") << u"edit"_s << QList<int>{} << 3 << u"editor"_s << untouched << 3;
        QTest::newRow("renumber numbers every row")
            << u"renumber"_s << QList<int>{} << 1 << u"リナンバー処理を実行しますか？　"_s
            << QStringList{u"000 鈴木1"_s, u"001 佐藤2"_s, u"002 鈴木3"_s,
                           u"003 佐藤4"_s, u"004 鈴木5"_s, u"005 佐藤6"_s}
            << 1;
        QTest::newRow("save writes every row")
            << u"save"_s << QList<int>{2} << 1 << u"新規にメモリダイヤルを保存しました。　"_s << untouched << 1;
    }
    void commands()
    {
        QFETCH(QString, command);
        QFETCH(QList<int>, ticked);
        QFETCH(int, selected);
        QFETCH(QString, message);
        QFETCH(QStringList, rows);
        QFETCH(int, selectedAfter);
        for (const int row : ticked) {
            m_dial.rows[row - 1].checked = true;
        }
        m_controller->ListView1_Click(selected);
        const bool asks = message.endsWith(u"か？　");
        if (asks) {
            m_fake.ExpectAsk(message, QString(), true);
        } else if (command == u"save") {
            m_fake.ExpectSaveFile(u"ﾒﾓﾘﾀﾞｲﾔﾙの保存"_s, m_dir.filePath(u"saved.vcf"_s));
            m_fake.ExpectTell(message, QString(), MessageIcon::Information);
        } else if (!message.isEmpty() && message != u"editor") {
            m_fake.ExpectTell(message, QString(), MessageIcon::Warning);
        }

        if (command == u"swap") {
            m_controller->mnuEditSwap_Click();
        } else if (command == u"delete") {
            m_controller->mnuEditDelete_Record_Click();
        } else if (command == u"up" || command == u"down") {
            m_controller->mnuEditUpDown_Click(command == u"up" ? 0 : 1);
        } else if (command == u"edit") {
            QCOMPARE(m_controller->mnuEditEditor_Click(), message == u"editor");
        } else if (command == u"renumber") {
            m_controller->mnuEditReNumber_Click();
        } else if (command == u"save") {
            m_controller->mnuFileSave_Click(1);
            MemoryDialReadResult read = MemoryDataOpen(m_dir.filePath(u"saved.vcf"_s), {});
            QVERIFY(read.content);
            QList<Entry> saved = read.content->rows;
            saved[1].checked = true; // ticks are no part of the file
            QCOMPARE(Rows(saved), (QStringList{u"011 鈴木1"_s, u"012 佐藤2+"_s, u"013 鈴木3"_s, u"014 佐藤4"_s,
                                               u"015 鈴木5"_s, u"016 佐藤6"_s}));
            rows[1] += u'+';
        }
        QCOMPARE(Rows(m_dial.rows), rows);
        QCOMPARE(m_dial.SelectedRow, selectedAfter);
    }

    // "選択した個別情報の書き出し": a ticked row the filter hides is not written.
    void exportTicked()
    {
        m_dial.rows[1].checked = true;
        m_dial.rows[2].checked = true;
        const QString out = m_dir.filePath(u"ticked.csv"_s);
        m_fake.ExpectSaveFile(u"ｱﾄﾞﾚｽ帳への書き出し"_s, out);
        m_fake.ExpectReport(u"書き出した個別情報：1 件\n"_s, u"書き出し結果"_s, MessageIcon::Information);
        m_controller->mnuFileExport_Click(1);
        QFile file(out);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        QVERIFY2(text.contains(u"鈴木3"_s) && !text.contains(u"佐藤2"_s), qPrintable(text));
        QVERIFY(m_dial.rows[1].checked);
    }
};

QTEST_GUILESS_MAIN(TestFilteredList)
#include "tst_filteredlist.moc"
