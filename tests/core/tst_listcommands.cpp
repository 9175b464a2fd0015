#include "FakeInteraction.h"
#include "SampleEntries.h"
#include "app/MainController.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString kSelectionTitle = QStringLiteral("選択確認");

QStringList Numbers(const MemoryDial& dial)
{
    return ColumnTexts(dial.rows, kColNumber);
}

} // namespace

class TestListCommands : public QObject
{
    Q_OBJECT

private:
    MemoryDial m_dial;
    FakeInteraction m_fake;
    std::unique_ptr<MainController> m_controller;

    void Load(int count)
    {
        m_dial.rows = SampleRows(count);
        m_dial.EntryCount = count;
        m_dial.RebuildEntryNumbers();
    }
    void Tick(std::initializer_list<int> rows)
    {
        for (int row : rows) {
            m_dial.rows[row - 1].checked = true;
        }
    }

private slots:
    void init()
    {
        m_dial = MemoryDial();
        m_fake = FakeInteraction();
        m_controller = std::make_unique<MainController>(m_dial, m_fake, QStringLiteral("/opt/morvanx"), nullptr);
    }
    void cleanup() { VERIFY_INTERACTION(m_fake); }

    void renumber_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::newRow("OK") << true;
        QTest::newRow("Cancel") << false;
    }
    void renumber()
    {
        QFETCH(bool, answer);
        Load(12);
        m_dial.rows.move(0, 11);
        m_dial.rows[3][kColNumber] = QStringLiteral("7");
        const QStringList before = Numbers(m_dial);
        m_fake.ExpectAsk(QStringLiteral("リナンバー処理を実行しますか？　"), QStringLiteral("実行確認"), answer);
        m_controller->mnuEditReNumber_Click();
        if (!answer) {
            QCOMPARE(Numbers(m_dial), before);
            return;
        }
        const QStringList expected{u"000"_s, u"001"_s, u"002"_s, u"003"_s, u"004"_s, u"005"_s,
                                   u"006"_s, u"007"_s, u"008"_s, u"009"_s, u"010"_s, u"011"_s};
        QCOMPARE(Numbers(m_dial), expected);
        QCOMPARE(m_dial.EntryNumbers.mid(0, 13), expected + QStringList{QString()});
        QCOMPARE(m_dial.rows[11][kColName], QStringLiteral("名前0"));
    }

    void swapNeedsExactlyTwo_data()
    {
        QTest::addColumn<QList<int>>("ticked");
        QTest::newRow("none") << QList<int>{};
        QTest::newRow("one") << QList<int>{3};
        QTest::newRow("three") << QList<int>{1, 3, 7};
    }
    void swapNeedsExactlyTwo()
    {
        QFETCH(QList<int>, ticked);
        Load(8);
        for (int row : ticked) {
            m_dial.rows[row - 1].checked = true;
        }
        const QList<Entry> before = m_dial.rows;
        m_fake.ExpectTell(QStringLiteral("入れ替える個別情報を２つ選択して下さい。　"), kSelectionTitle,
                          MessageIcon::Warning);
        m_controller->mnuEditSwap_Click();
        QCOMPARE(m_dial.rows, before);
        QCOMPARE(TickedRows(), ticked);
    }

    void swapTwo_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::newRow("OK") << true;
        QTest::newRow("Cancel") << false;
    }
    void swapTwo()
    {
        QFETCH(bool, answer);
        Load(8);
        Tick({3, 7});
        m_fake.ExpectAsk(QStringLiteral("指定された個別情報を入れ替えますか？　"), QStringLiteral("入れ替え確認"),
                         answer);
        m_controller->mnuEditSwap_Click();
        if (!answer) {
            QCOMPARE(m_dial.rows[2][kColName], QStringLiteral("名前2"));
            QCOMPARE(TickedRows(), (QList<int>{3, 7}));
            return;
        }
        QCOMPARE(Numbers(m_dial).mid(2, 5), (QStringList{u"002"_s, u"003"_s, u"004"_s, u"005"_s, u"006"_s}));
        QCOMPARE(m_dial.rows[2][kColName], QStringLiteral("名前6"));
        QCOMPARE(m_dial.rows[6][kColName], QStringLiteral("名前2"));
        QCOMPARE(m_dial.rows[6][kColMemo], QStringLiteral("memo 2"));
        QVERIFY(TickedRows().isEmpty());
    }

    void moveAtTheEnds_data()
    {
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("title");
        QTest::newRow("first row up") << 1 << 0 << u"個別情報は先頭に移動しています。　"_s << u"先頭確認"_s;
        QTest::newRow("nothing selected, up") << 0 << 0 << u"個別情報は先頭に移動しています。　"_s << u"先頭確認"_s;
        QTest::newRow("last row down") << 5 << 1 << u"個別情報は最後に移動しています。　"_s << u"最後確認"_s;
        QTest::newRow("past the end, down") << 7 << 1 << u"個別情報は最後に移動しています。　"_s << u"最後確認"_s;
        QTest::newRow("nothing selected, down") << 0 << 1 << QString() << QString();
        QTest::newRow("past the end, up") << 7 << 0 << QString() << QString();
    }
    void moveAtTheEnds()
    {
        QFETCH(int, selected);
        QFETCH(int, index);
        QFETCH(QString, warning);
        QFETCH(QString, title);
        Load(5);
        m_dial.SelectedRow = selected;
        if (!warning.isEmpty()) {
            m_fake.ExpectTell(warning, title, MessageIcon::Warning);
        }
        m_controller->mnuEditUpDown_Click(index);
        QCOMPARE(m_dial.rows, SampleRows(5));
        QCOMPARE(m_dial.SelectedRow, selected);
    }

    void moveCarriesTheWholeEntry_data()
    {
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("newRow");
        QTest::addColumn<QStringList>("numbers");
        QTest::newRow("row 2 up") << 2 << 0 << 1 << QStringList{u"001"_s, u"000"_s, u"002"_s};
        QTest::newRow("row 2 down") << 2 << 1 << 3 << QStringList{u"000"_s, u"002"_s, u"001"_s};
        QTest::newRow("row 1 down") << 1 << 1 << 2 << QStringList{u"001"_s, u"000"_s, u"002"_s};
        QTest::newRow("last row up") << 3 << 0 << 2 << QStringList{u"000"_s, u"002"_s, u"001"_s};
    }
    void moveCarriesTheWholeEntry()
    {
        QFETCH(int, selected);
        QFETCH(int, index);
        QFETCH(int, newRow);
        QFETCH(QStringList, numbers);
        Load(3);
        m_dial.SelectedRow = selected;
        const Entry moved = m_dial.rows[selected - 1];
        m_controller->mnuEditUpDown_Click(index);
        QCOMPARE(Numbers(m_dial), numbers);
        QCOMPARE(m_dial.rows[newRow - 1], moved);
        QCOMPARE(m_dial.SelectedRow, newRow);
        QCOMPARE(m_dial.EntryNumbers.mid(0, 3), numbers);
    }

    void deleteEntries_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QStringList>("numbers");
        QTest::newRow("OK") << true << QStringList{u"000"_s, u"002"_s, u"003"_s, u"005"_s};
        QTest::newRow("Cancel") << false << QStringList{u"000"_s, u"001"_s, u"002"_s, u"003"_s, u"004"_s, u"005"_s};
    }
    void deleteEntries()
    {
        QFETCH(bool, answer);
        QFETCH(QStringList, numbers);
        Load(6);
        m_dial.SelectedRow = 6;
        Tick({2, 5});
        m_dial.EntryNumbers[0] = QStringLiteral("stale");
        m_fake.ExpectAsk(QStringLiteral("指定された個別情報を削除しますか？　"), QStringLiteral("削除確認"), answer);
        m_controller->mnuEditDelete_Record_Click();
        QCOMPARE(Numbers(m_dial), numbers);
        QCOMPARE(m_dial.EntryCount, numbers.size());
        // Recounted after Cancel as well.
        QCOMPARE(m_dial.EntryNumbers.mid(0, numbers.size()), numbers);
        QCOMPARE(m_dial.SelectedRow, 6);
    }

    void deleteWithoutTicks()
    {
        Load(3);
        m_fake.ExpectTell(QStringLiteral("削除する個別情報を選択して下さい。　"), kSelectionTitle,
                          MessageIcon::Warning);
        m_controller->mnuEditDelete_Record_Click();
        QCOMPARE(m_dial.RowCount(), 3);
    }

    void deletingAllRowsEndsTheQuestionOnOpen()
    {
        Load(2);
        Tick({1, 2});
        m_fake.ExpectAsk(QString(), QStringLiteral("削除確認"), true);
        m_controller->mnuEditDelete_Record_Click();
        QCOMPARE(m_dial.RowCount(), 0);
        QCOMPARE(m_dial.EntryCount, 0);
        // No "already loaded" question now: the chooser comes first.
        m_fake.ExpectOpenFile(QStringLiteral("ﾒﾓﾘﾀﾞｲﾔﾙを開く"), QString());
        m_controller->mnuFileOpen_Click();
    }

    void columnClickFlipsTheDirection()
    {
        Load(4);
        m_dial.rows[0][kColMemo] = QStringLiteral("か");
        m_dial.rows[1][kColMemo] = QStringLiteral("あ");
        m_dial.rows[2][kColMemo] = QStringLiteral("さ");
        m_dial.rows[3][kColMemo] = QStringLiteral("た");
        m_dial.SelectedRow = 3;
        m_controller->ListView1_ColumnClick(kColMemo);
        QCOMPARE(ColumnTexts(m_dial.rows, kColMemo), (QStringList{u"た"_s, u"さ"_s, u"か"_s, u"あ"_s}));
        QCOMPARE(m_dial.SelectedRow, 1);
        QCOMPARE(m_controller->SortColumn(), int(kColMemo));
        QVERIFY(!m_controller->SortAscending());
        m_controller->ListView1_ColumnClick(kColMemo);
        QCOMPARE(ColumnTexts(m_dial.rows, kColMemo), (QStringList{u"あ"_s, u"か"_s, u"さ"_s, u"た"_s}));
        QCOMPARE(Numbers(m_dial), (QStringList{u"001"_s, u"000"_s, u"002"_s, u"003"_s}));
        QCOMPARE(m_dial.EntryNumbers.mid(0, 4), Numbers(m_dial));
    }

    void clicks_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("selected");
        QTest::addColumn<bool>("editEnabled");
        QTest::newRow("row 2") << 2 << 2 << true;
        QTest::newRow("below the last row") << -1 << 0 << false;
    }
    void clicks()
    {
        QFETCH(int, row);
        QFETCH(int, selected);
        QFETCH(bool, editEnabled);
        Load(3);
        m_controller->ListView1_Click(row);
        QCOMPARE(m_dial.SelectedRow, selected);
        QCOMPARE(m_controller->Commands().editEntry, editEnabled);
        QCOMPARE(m_controller->Commands().save, false);
    }

    void doubleClickOpensEditorOnThatRow()
    {
        Load(3);
        m_controller->ListView1_Click(1);
        QVERIFY(m_controller->ListView1_DblClick(3));
        QCOMPARE(m_dial.SelectedRow, 3);
        QCOMPARE(m_dial.EditMode, QStringLiteral("2"));
        QVERIFY(!m_controller->ListView1_DblClick(-1));
        QCOMPARE(m_dial.SelectedRow, 3);
    }

    void deleteFile_data()
    {
        QTest::addColumn<bool>("chosen");
        QTest::addColumn<bool>("answer");
        QTest::newRow("OK") << true << true;
        QTest::newRow("Cancel at the question") << true << false;
        QTest::newRow("Cancel at the chooser") << false << false;
    }
    void deleteFile()
    {
        QFETCH(bool, chosen);
        QFETCH(bool, answer);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Old.VCF"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        Load(2);
        m_dial.CurrentPath = path;
        m_fake.ExpectOpenFile(QStringLiteral("削除するﾒﾓﾘﾀﾞｲﾔﾙを選択"), chosen ? path : QString());
        if (chosen) {
            m_fake.ExpectAsk(QStringLiteral("指定されたメモリダイヤルを削除しますか？　"), QStringLiteral("削除確認"),
                             answer);
        }
        if (answer) {
            m_fake.ExpectTell(QStringLiteral("指定されたメモリダイヤルを削除しました。　"), QStringLiteral("削除情報"),
                              MessageIcon::Information);
        }
        m_controller->mnuEditDelete_Memory_Click();
        QCOMPARE(QFile::exists(path), !answer);
        // The open document is not touched, even when its own file went.
        QCOMPARE(m_dial.RowCount(), 2);
        QCOMPARE(m_dial.CurrentPath, path);
    }

    // Only a regular file is deleted or renamed: anything else is named before the question.
    void fileCommandsRefuseOtherThings_data()
    {
        QTest::addColumn<bool>("rename");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("text");
        const QString missing = QStringLiteral("」が見つかりません。　存在を確認して下さい。　");
        QTest::newRow("delete, missing") << false << u"missing"_s << missing;
        QTest::newRow("delete, FIFO") << false << u"fifo"_s
                                      << QStringLiteral("」は通常のファイルではないため、削除できません。　");
        QTest::newRow("delete, folder") << false << u"folder"_s
                                        << QStringLiteral("」は通常のファイルではないため、削除できません。　");
        QTest::newRow("rename, missing") << true << u"missing"_s << missing;
        QTest::newRow("rename, link to a FIFO")
            << true << u"link"_s << QStringLiteral("」は通常のファイルではないため、名前を変更できません。　");
    }
    void fileCommandsRefuseOtherThings()
    {
        QFETCH(bool, rename);
        QFETCH(QString, kind);
        QFETCH(QString, text);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("thing.VCF"));
        if (kind == u"fifo" || kind == u"link") {
            const QString fifo = kind == u"fifo" ? path : dir.filePath(QStringLiteral("fifo"));
            QVERIFY(mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
            if (kind == u"link") {
                QVERIFY(QFile::link(fifo, path));
            }
        } else if (kind == u"folder") {
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("thing.VCF")));
        }
        m_fake.ExpectOpenFile(QString(), path);
        m_fake.ExpectTell(u"「"_s + path + text, rename ? u"変更確認"_s : u"削除確認"_s, MessageIcon::Error);
        if (rename) {
            QCOMPARE(m_controller->ChooseRenameSource(), QString());
        } else {
            m_controller->mnuEditDelete_Memory_Click();
        }
        QCOMPARE(QFileInfo::exists(path) || QFileInfo(path).isSymLink(), kind != u"missing");
    }

    void refusedDeleteCanBeRetriedOrCancelled()
    {
        if (geteuid() == 0) {
            QSKIP("the superuser deletes from a read-only folder");
        }
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("kept.VCF"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        const QString failed =
            QStringLiteral("指定されたメモリダイヤルを削除できませんでした。　もう一度削除しますか？　");
        m_fake.ExpectOpenFile(QString(), path);
        m_fake.ExpectAsk(QString(), QStringLiteral("削除確認"), true);
        m_fake.ExpectAsk(failed, QStringLiteral("削除確認"), true, MessageIcon::Error);
        m_fake.ExpectAsk(failed, QStringLiteral("削除確認"), false, MessageIcon::Error);
        m_controller->mnuEditDelete_Memory_Click();
        QVERIFY(QFile::setPermissions(dir.path(),
                                      QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        QVERIFY(QFile::exists(path));
    }

private:
    QList<int> TickedRows() const
    {
        QList<int> ticked;
        for (int i = 0; i < m_dial.RowCount(); ++i) {
            if (m_dial.rows[i].checked) {
                ticked << i + 1;
            }
        }
        return ticked;
    }
};

QTEST_GUILESS_MAIN(TestListCommands)
#include "tst_listcommands.moc"
