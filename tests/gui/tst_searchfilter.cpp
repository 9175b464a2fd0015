#include "DuplicatesDialog.h"
#include "EntryFilterModel.h"
#include "FakeInteraction.h"
#include "MainWindow.h"
#include "MainWindowActions.h"
#include "SampleEntries.h"
#include "SearchBar.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

// The search box as a user meets it: typed through the keyboard or an input method, the list
// shrinks at once, the status bar counts, and the commands reach the rows the user sees.
class TestSearchFilter : public QObject
{
    Q_OBJECT

private:
    MemoryDial m_dial;
    FakeInteraction m_fake;
    std::unique_ptr<MainWindow> m_window;

    QStringList ShownNames() const
    {
        QStringList names;
        const QAbstractItemModel* model = m_window->List().model();
        for (int row = 0; row < model->rowCount(); ++row) {
            names << model->index(row, kColName).data().toString();
        }
        return names;
    }
    QString StatusText() const { return m_window->statusBar()->findChild<QLabel*>(u"Panel1"_s)->text(); }
    void Type(const QString& text)
    {
        QLineEdit& box = m_window->Search().Box();
        // Japanese arrives from the input method as a committed string, ASCII as key presses.
        if (text.front().unicode() < 0x80) {
            QTest::keyClicks(&box, text);
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(text);
            QApplication::sendEvent(&box, &commit);
        }
    }

private slots:
    void init()
    {
        m_dial = MemoryDial();
        m_fake = FakeInteraction();
        const QList<std::array<QString, 3>> people{{u"鈴木 一郎"_s, u"ｽｽﾞｷ ｲﾁﾛｳ"_s, u"090-1234-5678"_s},
                                                   {u"佐藤 花子"_s, u"ｻﾄｳ ﾊﾅｺ"_s, u"03-1111-2222"_s},
                                                   {u"すずき 花"_s, u"ｽｽﾞｷ ﾊﾅ"_s, u"+81 90 1234 9999"_s},
                                                   {u"田中 一"_s, u"ﾀﾅｶ ﾊｼﾞﾒ"_s, u"0120-000-000"_s}};
        for (const auto& [name, reading, tel] : people) {
            Entry entry = SampleEntry(u"00%1"_s.arg(m_dial.RowCount()), name);
            entry[kColReading] = reading;
            entry[kColTel1] = tel;
            m_dial.rows << entry;
        }
        m_dial.EntryCount = m_dial.RowCount();
        m_window =
            std::make_unique<MainWindow>(m_dial, m_fake, MainWindowOptions{}, u"/opt/morvanx"_s, nullptr, nullptr);
        m_window->Controller().EnableDocumentCommands();
        m_window->ShowRows();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    void cleanup()
    {
        QVERIFY2(m_fake.Verify(), qPrintable(m_fake.Report()));
        m_window.reset();
    }

    void typing_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QString>("status");
        QTest::newRow("hiragana") << u"すずき"_s << QStringList{u"鈴木 一郎"_s, u"すずき 花"_s} << u"2 / 4 件"_s;
        QTest::newRow("half-width katakana") << u"ｽｽﾞｷｲﾁ"_s << QStringList{u"鈴木 一郎"_s} << u"1 / 4 件"_s;
        QTest::newRow("digits") << u"09012"_s << QStringList{u"鈴木 一郎"_s, u"すずき 花"_s} << u"2 / 4 件"_s;
        QTest::newRow("nothing") << u"xyz"_s << QStringList{} << u"0 / 4 件"_s;
    }
    void typing()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, shown);
        QFETCH(QString, status);
        QTest::keyClick(m_window.get(), Qt::Key_F, Qt::ControlModifier);
        QTRY_VERIFY(m_window->Search().Box().hasFocus());
        Type(typed);
        QCOMPARE(ShownNames(), shown);
        QCOMPARE(StatusText(), status);
        QTest::keyClick(&m_window->Search().Box(), Qt::Key_Escape);
        QCOMPARE(m_window->Search().Box().text(), QString());
        QCOMPARE(ShownNames().size(), 4);
        QCOMPARE(StatusText(), QString());
    }

    // A tick and a click on the second shown row reach the third entry of the list.
    void commandsReachTheShownRow()
    {
        Type(u"すずき"_s);
        QTableView& list = m_window->List();
        QVERIFY(list.model()->setData(list.model()->index(1, kColItem), Qt::Checked, Qt::CheckStateRole));
        QVERIFY(m_dial.rows[2].checked);
        m_dial.rows[1].checked = true; // a tick the filter hides
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualRect(list.model()->index(1, 2)).center());
        QCOMPARE(m_dial.SelectedRow, 3);
        m_fake.ExpectTell(u"個別情報は先頭に移動しています。　"_s, u"先頭確認"_s, MessageIcon::Warning);
        m_fake.ExpectAsk(u"指定された個別情報を削除しますか？　"_s, u"削除確認"_s, true);
        QTest::keyClick(m_window.get(), Qt::Key_U, Qt::ControlModifier);
        QCOMPARE(m_dial.rows[0][kColName], u"すずき 花"_s);
        QCOMPARE(m_dial.rows[2][kColName], u"鈴木 一郎"_s);
        QCOMPARE(m_dial.SelectedRow, 1);
        QTest::keyClick(m_window.get(), Qt::Key_U, Qt::ControlModifier);
        m_window->Actions().mnuEditDelete_Record->trigger();
        QCOMPARE(ColumnTexts(m_dial.rows, kColName), (QStringList{u"佐藤 花子"_s, u"鈴木 一郎"_s, u"田中 一"_s}));
        QCOMPARE(ShownNames(), QStringList{u"鈴木 一郎"_s});
        QCOMPARE(StatusText(), u"1 / 3 件"_s);
    }

    // 鈴木 一郎 and すずき 花 share a number: ticked and merged with the older name kept, they
    // become one entry in the first row, and the list holds no group any more.
    void duplicatesMerged()
    {
        m_dial.rows[2][kColTel1] = u"+81 90 1234 5678"_s;
        m_dial.rows[2][kColRevision] = u"20300101T000000Z"_s;
        DuplicatesDialog dialog(m_window->Controller(), m_fake, m_window.get());
        QTreeWidget& groups = dialog.Groups();
        QCOMPARE(groups.topLevelItemCount(), 1);
        QTreeWidgetItem* group = groups.topLevelItem(0);
        QCOMPARE(group->text(0), u"グループ 1（2 件）"_s);
        QCOMPARE(group->child(1)->text(1), u"すずき 花"_s);
        QVERIFY(!dialog.MergeButton().isEnabled());
        group->child(0)->setCheckState(0, Qt::Checked);
        QVERIFY(!dialog.MergeButton().isEnabled());
        group->child(1)->setCheckState(0, Qt::Checked);
        QVERIFY(dialog.MergeButton().isEnabled());
        QStringList offered;
        QTimer::singleShot(0, this, [&] {
            auto* merge = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(merge && merge->objectName() == u"MergeDialog"_s);
            const QList<QRadioButton*> choices = merge->findChildren<QRadioButton*>();
            for (QRadioButton* choice : choices) {
                offered << choice->text() + (choice->isChecked() ? u" *"_s : QString());
            }
            choices[0]->setChecked(true);
            merge->accept();
        });
        dialog.MergeButton().click();
        QCOMPARE(offered,
                 (QStringList{u"000：鈴木 一郎"_s, u"002：すずき 花 *"_s, u"000：ｽｽﾞｷ ｲﾁﾛｳ"_s, u"002：ｽｽﾞｷ ﾊﾅ *"_s}));
        QCOMPARE(ColumnTexts(m_dial.rows, kColName), (QStringList{u"鈴木 一郎"_s, u"佐藤 花子"_s, u"田中 一"_s}));
        QCOMPARE(m_dial.rows[0][kColReading], u"ｽｽﾞｷ ﾊﾅ"_s);
        QCOMPARE(m_dial.rows[0][kColTel1], u"+81 90 1234 5678"_s);
        QCOMPARE(groups.topLevelItem(0)->text(0), u"重複しているらしい個別情報はありません。　"_s);
    }
};

QTEST_MAIN(TestSearchFilter)
#include "tst_searchfilter.moc"
