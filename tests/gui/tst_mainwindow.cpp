#include "EntryTableModel.h"
#include "FakeInteraction.h"
#include "LogoWindow.h"
#include "MainWindow.h"
#include "MainWindowActions.h"
#include "QtInteraction.h"
#include "RenameDialog.h"
#include "SampleEntries.h"
#include "list/RenameCommand.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(SaveChoice)

namespace {

struct MenuLine
{
    QString text; // "-" for a separator
    QKeySequence shortcut;
};

QList<MenuLine> VisibleLines(QMenu* menu)
{
    QList<MenuLine> lines;
    for (QAction* action : menu->actions()) {
        if (!action->isVisible()) {
            continue;
        }
        lines << MenuLine{action->isSeparator() ? u"-"_s : action->text(), action->shortcut()};
    }
    return lines;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    MemoryDial m_dial;
    FakeInteraction m_fake;
    QList<MainWindowPlacement> m_saved;
    std::unique_ptr<MainWindow> m_window;

    void Make(MainWindowOptions options = {})
    {
        m_dial = MemoryDial();
        m_fake = FakeInteraction();
        m_saved.clear();
        options.today = u"2006/03/07"_s;
        options.now = u"午後 03:05"_s;
        m_window = std::make_unique<MainWindow>(m_dial, m_fake, options, u"/opt/morvanx"_s, nullptr,
                                                [this](const MainWindowPlacement& p) { m_saved << p; });
    }
    void Load(int count)
    {
        m_dial.rows = SampleRows(count);
        m_dial.EntryCount = count;
        m_window->Controller().EnableDocumentCommands();
        m_window->ShowRows();
    }
    QMenu* Menu(int index) { return m_window->menuBar()->actions().at(index)->menu(); }

private slots:
    void init() { Make(); }
    void cleanup()
    {
        VERIFY_INTERACTION(m_fake);
        m_window.reset();
    }

    void menuTitles()
    {
        QStringList titles;
        for (QAction* action : m_window->menuBar()->actions()) {
            titles << action->text();
        }
        QCOMPARE(titles, (QStringList{u"ﾌｧｲﾙ(&F)"_s, u"編集(&E)"_s, u"ｵﾌﾟｼｮﾝ(&O)"_s, u"ﾍﾙﾌﾟ(&H)"_s}));
    }

    void menuItems_data()
    {
        QTest::addColumn<int>("menu");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QStringList>("shortcuts");
        QTest::newRow("file") << 0
                              << QStringList{u"ﾒﾓﾘﾀﾞｲﾔﾙの新規作成(&N)"_s,
                                             u"ﾒﾓﾘﾀﾞｲﾔﾙを開く(&O)..."_s,
                                             u"-"_s,
                                             u"保存(&S)"_s,
                                             u"名前を付けて保存(&A)..."_s,
                                             u"-"_s,
                                             u"ｱﾄﾞﾚｽ帳の取り込み(&I)..."_s,
                                             u"ｱﾄﾞﾚｽ帳への書き出し(&E)..."_s,
                                             u"選択した個別情報の書き出し(&T)..."_s,
                                             u"-"_s,
                                             u"Morvane の終了(&X)..."_s}
                              << QStringList{u"Ctrl+N"_s, u"Ctrl+O"_s, {}, u"Ctrl+S"_s, {}, {}, {}, {}, {}, {}, {}};
        QTest::newRow("edit") << 1
                              << QStringList{u"個別情報の編集(E)"_s,
                                             u"-"_s,
                                             u"ﾘﾅﾝﾊﾞｰ(&R)"_s,
                                             u"入替え(&S)"_s,
                                             u"上方へ移動↑(&U)"_s,
                                             u"下方へ移動↓(&D)"_s,
                                             u"個別情報の削除(&D)..."_s,
                                             u"-"_s,
                                             u"ﾒﾓﾘﾀﾞｲﾔﾙ名の変更"_s,
                                             u"ﾒﾓﾘﾀﾞｲﾔﾙの削除(&M)..."_s,
                                             u"-"_s,
                                             u"検索(&F)"_s,
                                             u"重複の検出と統合(&P)..."_s}
                              << QStringList{u"Ctrl+E"_s, {}, u"Ctrl+R"_s, {}, u"Ctrl+U"_s, u"Ctrl+D"_s, {},
                                             {},          {}, {},          {}, u"Ctrl+F"_s, {}};
        QTest::newRow("option") << 2 << QStringList{u"各種設定(&K)"_s} << QStringList{u"Ctrl+K"_s};
        QTest::newRow("help") << 3 << QStringList{u"ﾄﾋﾟｯｸの検索(&H)"_s, u"目次(&C)"_s, u"-"_s, u"ﾊﾞｰｼﾞｮﾝ情報(&A)..."_s}
                              << QStringList{u"F1"_s, {}, {}, {}};
    }
    void menuItems()
    {
        QFETCH(int, menu);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, shortcuts);
        const QList<MenuLine> lines = VisibleLines(Menu(menu));
        QStringList gotTexts;
        QStringList gotShortcuts;
        for (const MenuLine& line : lines) {
            gotTexts << line.text;
            gotShortcuts << line.shortcut.toString(QKeySequence::PortableText);
        }
        QCOMPARE(gotTexts, texts);
        QCOMPARE(gotShortcuts, shortcuts);
    }

    void recentFilesBetweenSaveAsAndExit()
    {
        m_dial.Rireki = QStringList{u"/home/u/Family.VCF"_s, u"/home/u/R&D.vcf"_s, {}, {}, {}};
        m_window->ShowRows();
        const QList<MenuLine> lines = VisibleLines(Menu(0));
        QStringList texts;
        for (const MenuLine& line : lines) {
            texts << line.text;
        }
        QCOMPARE(texts.mid(4, 4), (QStringList{u"名前を付けて保存(&A)..."_s, u"&1 /home/u/Family.VCF"_s,
                                               u"&2 /home/u/R&&D.vcf"_s, u"-"_s}));
    }

    void toolbar_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("toolTip");
        QTest::newRow("2") << 2 << u" ﾒﾓﾘﾀﾞｲﾔﾙの新規作成 "_s;
        QTest::newRow("3") << 3 << u" ﾒﾓﾘﾀﾞｲﾔﾙを開く "_s;
        QTest::newRow("4") << 4 << u" 保存 "_s;
        QTest::newRow("6") << 6 << u" 個別情報の編集 "_s;
        QTest::newRow("8") << 8 << u" ﾘﾅﾝﾊﾞｰ "_s;
        QTest::newRow("9") << 9 << u" 入替え "_s;
        QTest::newRow("10") << 10 << u" 上方へ移動↑"_s;
        QTest::newRow("11") << 11 << u" 下方へ移動↓"_s;
        QTest::newRow("13") << 13 << u" 個別情報の削除 "_s;
        QTest::newRow("14") << 14 << u" ﾒﾓﾘﾀﾞｲﾔﾙの削除 "_s;
        QTest::newRow("16") << 16 << u" 各種設定 "_s;
        QTest::newRow("18") << 18 << u" ﾊﾞｰｼﾞｮﾝ情報 "_s;
        QTest::newRow("19") << 19 << u" ﾍﾙﾌﾟ "_s;
    }
    void toolbar()
    {
        QFETCH(int, position);
        QFETCH(QString, toolTip);
        const QList<QAction*> actions = m_window->Actions().toolBar->actions();
        QCOMPARE(actions.size(), 19);
        QAction* button = actions.at(position - 1);
        QCOMPARE(button, m_window->Actions().button[static_cast<std::size_t>(position)]);
        QCOMPARE(button->toolTip(), toolTip);
        QVERIFY(!button->icon().isNull());
    }

    void toolbarSeparators()
    {
        const QList<QAction*> actions = m_window->Actions().toolBar->actions();
        QList<int> separators;
        for (int i = 0; i < actions.size(); ++i) {
            if (actions[i]->isSeparator()) {
                separators << i + 1;
            }
        }
        QCOMPARE(separators, (QList<int>{1, 5, 7, 12, 15, 17}));
    }

    void toolbarButtonsRunTheirCommands()
    {
        int created = 0;
        m_window->SetCreateCommand([&] { ++created; });
        m_window->Actions().button[2]->trigger();
        QCOMPARE(created, 1);
        m_fake.ExpectOpenFile(u"ﾒﾓﾘﾀﾞｲﾔﾙを開く"_s, {});
        m_window->Actions().button[3]->trigger();
        m_fake.ExpectOpenFile(u"削除するﾒﾓﾘﾀﾞｲﾔﾙを選択"_s, {});
        m_window->Actions().button[14]->trigger();
        Load(3);
        m_fake.ExpectAsk(u"リナンバー処理を実行しますか？　"_s, u"実行確認"_s, false);
        m_window->Actions().button[8]->trigger();
        m_fake.ExpectTell(u"入れ替える個別情報を２つ選択して下さい。　"_s, u"選択確認"_s, MessageIcon::Warning);
        m_window->Actions().button[9]->trigger();
        m_dial.SelectedRow = 1;
        m_fake.ExpectTell(u"個別情報は先頭に移動しています。　"_s, u"先頭確認"_s, MessageIcon::Warning);
        m_window->Actions().button[10]->trigger();
        m_window->Actions().button[11]->trigger();
        QCOMPARE(m_dial.SelectedRow, 2);
        QCOMPARE(m_window->List().currentIndex().row(), 1);
        m_fake.ExpectTell(u"削除する個別情報を選択して下さい。　"_s, u"選択確認"_s, MessageIcon::Warning);
        m_window->Actions().button[13]->trigger();
    }

    void startsDisabled()
    {
        QCOMPARE(m_window->windowTitle(), u"Morvane for Windows"_s);
        MainWindowActions& a = m_window->Actions();
        for (QAction* action :
             {a.mnuFileSave[0], a.mnuFileSave[1], a.mnuFileExport[0], a.mnuFileExport[1], a.mnuEditEditor,
              a.mnuEditReNumber, a.mnuEditSwap, a.mnuEditUpDown[0], a.mnuEditUpDown[1], a.mnuEditDelete_Record}) {
            QVERIFY2(!action->isEnabled(), qPrintable(action->text()));
        }
        for (int position : {4, 6, 8, 9, 10, 11, 13}) {
            QVERIFY2(!a.button[static_cast<std::size_t>(position)]->isEnabled(), qPrintable(QString::number(position)));
        }
        for (QAction* action :
             {a.mnuFileCreate, a.mnuFileOpen, a.mnuFileImport, a.mnuFileEnd, a.mnuEditRename, a.mnuEditDelete_Memory}) {
            QVERIFY2(action->isEnabled(), qPrintable(action->text()));
        }
        for (int position : {2, 3, 14}) {
            QVERIFY(a.button[static_cast<std::size_t>(position)]->isEnabled());
        }
    }

    void clickOnRowEnablesEditing()
    {
        m_dial.rows = SampleRows(3);
        m_window->ShowRows();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QTableView& list = m_window->List();
        const QRect cell = list.visualRect(list.model()->index(1, 2));
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(m_dial.SelectedRow, 2);
        QVERIFY(m_window->Actions().mnuEditEditor->isEnabled());
        QVERIFY(m_window->Actions().button[6]->isEnabled());
        QVERIFY(!m_window->Actions().mnuFileSave[0]->isEnabled());
    }

    void keyboardSelectsLikeAClick()
    {
        Load(3);
        m_dial.SelectedRow = 1;
        m_window->ShowRows();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QTableView& list = m_window->List();
        list.setFocus();
        QCOMPARE(m_dial.SelectedRow, 1);
        QTest::keyClick(&list, Qt::Key_Down);
        QCOMPARE(m_dial.SelectedRow, 2);
        m_fake.ExpectTell(u"個別情報は最後に移動しています。　"_s, u"最後確認"_s, MessageIcon::Warning);
        QTest::keyClick(&list, Qt::Key_Down);
        m_window->Actions().mnuEditUpDown[1]->trigger();
        QCOMPARE(m_dial.SelectedRow, 3);
    }

    void doubleClickOpensTheEditorOnThatRow()
    {
        m_dial.rows = SampleRows(3);
        QStringList opened;
        m_window->SetEditorOpener([&] { opened << m_dial.EditMode + u':' + QString::number(m_dial.SelectedRow); });
        m_window->ShowRows();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QTableView& list = m_window->List();
        const QRect cell = list.visualRect(list.model()->index(2, 3));
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(opened, (QStringList{u"2:3"_s}));
        m_window->Actions().mnuEditEditor->trigger();
        QCOMPARE(opened.size(), 2);
    }

    void editCommandNeedsASelectedRow_data()
    {
        QTest::addColumn<bool>("deleteSelected");
        QTest::newRow("no row clicked yet") << false;
        QTest::newRow("selected row deleted") << true;
    }

    // The list taking the focus puts its current row on row 1 without highlighting it: that
    // selects nothing, and the edit command then has no row to open.
    void editCommandNeedsASelectedRow()
    {
        QFETCH(bool, deleteSelected);
        Load(3);
        QStringList opened;
        m_window->SetEditorOpener([&] { opened << QString::number(m_dial.SelectedRow); });
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QTableView& list = m_window->List();
        if (deleteSelected) {
            QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualRect(list.model()->index(2, 2)).center());
            QCOMPARE(m_dial.SelectedRow, 3);
            m_dial.rows[1].checked = true;
            m_dial.rows[2].checked = true;
            m_fake.ExpectAsk(u"指定された個別情報を削除しますか？　"_s, u"削除確認"_s, true);
            m_window->Actions().mnuEditDelete_Record->trigger();
            QCOMPARE(m_dial.RowCount(), 1);
        }
        list.clearFocus();
        list.setFocus();
        QTRY_VERIFY(list.hasFocus());
        QVERIFY(list.selectionModel()->selectedRows().isEmpty());
        QCOMPARE(m_dial.SelectedRow, deleteSelected ? 3 : 0);
        QVERIFY(m_window->Actions().mnuEditEditor->isEnabled());
        QTest::keyClick(&list, Qt::Key_E, Qt::ControlModifier);
        QVERIFY2(opened.isEmpty(), qPrintable(opened.join(u',')));
        m_window->Actions().button[6]->trigger();
        QVERIFY(opened.isEmpty());
    }

    // Each start is a new window on the stored geometry: it must open at that size, frame
    // included, every time, and close leaving the same values behind.
    void sameSizeOnEveryStart_data()
    {
        QTest::addColumn<bool>("centred");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<QSize>("shown");
        QTest::newRow("stored place") << false << 12000 << 9000 << QSize(800, 600);
        QTest::newRow("centred") << true << 12000 << 9000 << QSize(800, 600);
        QTest::newRow("OptSize 2") << false << 15375 << 11520 << QSize(1025, 768);
    }
    void sameSizeOnEveryStart()
    {
        QFETCH(bool, centred);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(QSize, shown);
        MainWindowOptions options;
        options.centreWindow = centred;
        options.left = 1440;
        options.top = 1440;
        options.width = width;
        options.height = height;
        for (int start = 1; start <= 6; ++start) {
            Make(options);
            m_window->show();
            QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
            QCoreApplication::processEvents();
            QVERIFY2(m_window->frameGeometry().size() == shown,
                     qPrintable(u"start %1: %2x%3"_s.arg(start)
                                    .arg(m_window->frameGeometry().width())
                                    .arg(m_window->frameGeometry().height())));
            m_window->close();
            QCOMPARE(m_saved.size(), 1);
            QCOMPARE(m_saved[0].width, width);
            QCOMPARE(m_saved[0].height, height);
        }
    }

    void placedOnTheScreen_data()
    {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("H_Left 30000") << 30000 << 1440 << 12000 << 9000;
        QTest::newRow("H_Top 30000") << 1440 << 30000 << 12000 << 9000;
        QTest::newRow("FH_Width 999999999") << 1440 << 1440 << 999999999 << 9000;
        QTest::newRow("FH_Height 999999999") << 1440 << 1440 << 12000 << 999999999;
        QTest::newRow("negative position") << -30000 << -30000 << 12000 << 9000;
    }

    // Placement kept from a screen since removed shows the window on the screen there is.
    void placedOnTheScreen()
    {
        MainWindowOptions options;
        QFETCH(int, left);
        QFETCH(int, top);
        QFETCH(int, width);
        QFETCH(int, height);
        options.left = left;
        options.top = top;
        options.width = width;
        options.height = height;
        Make(options);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        const QRect area = m_window->screen()->availableGeometry();
        const QRect shown = m_window->frameGeometry();
        QVERIFY2(area.contains(shown),
                 qPrintable(u"%1,%2 %3x%4"_s.arg(shown.x()).arg(shown.y()).arg(shown.width()).arg(shown.height())));
    }

    void headerClickSortsDescendingFirst()
    {
        Load(3);
        m_dial.rows[0][kColMemo] = u"い"_s;
        m_dial.rows[1][kColMemo] = u"う"_s;
        m_dial.rows[2][kColMemo] = u"あ"_s;
        m_window->ShowRows();
        QVERIFY(!m_window->List().horizontalHeader()->isSortIndicatorShown());
        m_window->List().setColumnWidth(3, 123);
        emit m_window->List().horizontalHeader()->sectionClicked(kColMemo);
        QCOMPARE(m_window->Model().index(0, kColMemo).data().toString(), u"う"_s);
        QVERIFY(m_window->List().horizontalHeader()->isSortIndicatorShown());
        QCOMPARE(m_window->List().horizontalHeader()->sortIndicatorSection(), int(kColMemo));
        // The rows are shown anew; the widths the user set stay.
        QCOMPARE(m_window->List().columnWidth(3), 123);
        QCOMPARE(m_window->List().currentIndex().row(), 0);
        emit m_window->List().horizontalHeader()->sectionClicked(kColMemo);
        QCOMPARE(m_window->Model().index(0, kColMemo).data().toString(), u"あ"_s);
    }

    void statusBarPanels()
    {
        auto* today = m_window->statusBar()->findChild<QLabel*>(u"Panel2"_s);
        auto* now = m_window->statusBar()->findChild<QLabel*>(u"Panel3"_s);
        QVERIFY(today && now);
        QCOMPARE(today->text().trimmed(), u"2006/03/07"_s);
        QCOMPARE(now->text().trimmed(), u"午後 03:05"_s);
    }

    void listAppearanceFromOptions()
    {
        MainWindowOptions options;
        options.hideHeaders = true;
        options.gridLines = false;
        options.columnWidths[2] = 2880;
        options.textColour = 0x0000FF; // red in 0x00BBGGRR
        options.fontFace = u"ＭＳ ゴシック"_s;
        options.fontSize = 10.5;
        Make(options);
        QTableView& list = m_window->List();
        QVERIFY(list.horizontalHeader()->isHidden());
        QVERIFY(!list.showGrid());
        QCOMPARE(list.columnWidth(2), 2 * list.logicalDpiX());
        QCOMPARE(list.columnWidth(1), qRound(1000.0 * list.logicalDpiX() / 1440));
        QCOMPARE(list.palette().color(QPalette::Text), QColor(255, 0, 0));
        QCOMPARE(list.font().family(), u"IPAGothic"_s);
        QCOMPARE(list.font().pointSizeF(), 10.5);
    }

    void centredColumns()
    {
        MainWindowOptions options;
        options.centreColumns = true;
        Make(options);
        Load(1);
        const auto alignment = [&](int column) {
            return m_window->Model().index(0, column).data(Qt::TextAlignmentRole).value<Qt::Alignment>() &
                   Qt::AlignHorizontal_Mask;
        };
        QCOMPARE(alignment(0), Qt::AlignLeft);
        QCOMPARE(alignment(1), Qt::AlignHCenter);
        QCOMPARE(alignment(37), Qt::AlignHCenter);
    }

    void resizeRule()
    {
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        const int dpiY = m_window->logicalDpiY();
        // The rule measures the whole window, frame included.
        const int frame = m_window->frameGeometry().height() - m_window->height();
        m_window->resize(m_window->width(), qRound(9000.0 * dpiY / 1440) - frame);
        QTRY_COMPARE(m_window->List().height(), qRound(7185.0 * dpiY / 1440));
    }

    void closeBoxSavesWithoutQuestion()
    {
        m_window->show();
        m_window->List().setColumnWidth(3, 200);
        QVERIFY(m_window->close());
        QCOMPARE(m_saved.size(), 1);
        QCOMPARE(m_saved[0].columnWidths[0], 1000);
        QCOMPARE(m_saved[0].columnWidths[3], qRound(200.0 * 1440 / m_window->logicalDpiX()));
        QCOMPARE(m_saved[0].width, 12000);
        QCOMPARE(m_saved[0].height, 9000);
    }

    void exitCommand_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::newRow("OK") << true;
        QTest::newRow("Cancel") << false;
    }
    void exitCommand()
    {
        QFETCH(bool, answer);
        m_window->show();
        m_fake.ExpectAsk(u"「Morvane for Windows」 を終了しますか？　"_s, u"終了確認"_s, answer);
        m_window->Actions().mnuFileEnd->trigger();
        QCOMPARE(m_window->isVisible(), !answer);
        QCOMPARE(m_saved.isEmpty(), !answer);
    }

    // Closing a window whose memory dial holds changes asks first; the caption marks them.
    void closeOverChanges_data()
    {
        QTest::addColumn<SaveChoice>("choice");
        QTest::newRow("保存しない closes") << SaveChoice::Discard;
        QTest::newRow("キャンセル stays") << SaveChoice::Cancel;
    }
    void closeOverChanges()
    {
        QFETCH(SaveChoice, choice);
        Load(3);
        m_dial.MarkSaved();
        m_window->show();
        m_window->List().horizontalHeader()->sectionClicked(kColName);
        QCOMPARE(m_window->windowTitle(), u"Morvane for Windows*"_s);
        m_fake.ExpectAskSave(u"変更を保存しますか"_s, u"変更確認"_s, choice);
        QVERIFY(m_window->close() == (choice == SaveChoice::Discard));
        QCOMPARE(m_window->isVisible(), choice == SaveChoice::Cancel);
        QCOMPARE(m_saved.isEmpty(), choice == SaveChoice::Cancel);
    }

    void doubleClickOnStatusBar_data()
    {
        QTest::addColumn<bool>("exits");
        QTest::newRow("OptDEnd(0) 1") << true;
        QTest::newRow("OptDEnd(0) 0") << false;
    }
    void doubleClickOnStatusBar()
    {
        QFETCH(bool, exits);
        MainWindowOptions options;
        options.doubleClickExits = exits;
        Make(options);
        m_window->show();
        if (exits) {
            m_fake.ExpectAsk(u"「Morvane for Windows」 を終了しますか？　"_s, u"終了確認"_s, false);
        }
        QTest::mouseDClick(m_window->statusBar(), Qt::LeftButton);
        QVERIFY(m_window->isVisible());
    }

    void modelUnderTester()
    {
        Load(5);
        EntryTableModel& model = m_window->Model();
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model.columnCount(), 38);
        QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QString());
        QCOMPARE(model.headerData(34, Qt::Horizontal).toString(), u"ﾒﾓ"_s);
        QCOMPARE(model.index(2, 1).data().toString(), u"002"_s);
        QVERIFY(!model.index(2, 0).data().isValid());
        QCOMPARE(model.index(2, 0).data(Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Unchecked);
        QVERIFY(!model.index(2, 1).data(Qt::CheckStateRole).isValid());
        QVERIFY(model.flags(model.index(2, 0)) & Qt::ItemIsUserCheckable);
        QVERIFY(!(model.flags(model.index(2, 5)) & Qt::ItemIsUserCheckable));
        QVERIFY(model.setData(model.index(2, 0), Qt::Checked, Qt::CheckStateRole));
        QVERIFY(m_dial.rows[2].checked);
        QVERIFY(!model.setData(model.index(2, 4), u"x"_s, Qt::EditRole));
        m_dial.rows.removeFirst();
        model.Reload();
        QCOMPARE(model.rowCount(), 4);
    }

    void renameDialog()
    {
        QTemporaryDir dir;
        const QString source = dir.filePath(u"Old.VCF"_s);
        QFile file(source);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        RenameCommand command(source, m_fake);
        RenameDialog dialog(command);
        QCOMPARE(dialog.windowTitle(), u"ﾒﾓﾘﾀﾞｲﾔﾙ名の変更"_s);
        QCOMPARE(dialog.findChild<QLabel*>(u"Label2"_s)->text(), u"Old.VCF"_s);
        QStringList labels;
        for (QLabel* label : dialog.findChildren<QLabel*>()) {
            labels << label->text();
        }
        QVERIFY(labels.contains(u"新しいﾒﾓﾘﾀﾞｲﾔﾙ名を入力して、OKﾎﾞﾀﾝを押して下さい。"_s));
        QVERIFY(labels.contains(u"元の名前"_s));
        QVERIFY(labels.contains(u"新しい名前"_s));
        m_fake.ExpectAnyTell(u"ﾒﾓﾘﾀﾞｲﾔﾙ名入力確認"_s, MessageIcon::Information);
        dialog.Ok();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        m_fake.ExpectHelp(63);
        dialog.findChild<QPushButton*>(u"Command1_2"_s)->click();
        m_fake.ExpectTell(u"ﾒﾓﾘﾀﾞｲﾔﾙ名を変更しました。　"_s, u"変更確認"_s, MessageIcon::Information);
        dialog.NewName().setText(u"New.VCF"_s);
        dialog.Ok();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(QFile::exists(dir.filePath(u"New.VCF"_s)));
    }

    void fileFilterMatchesAnyLetterCase()
    {
        const QString filter = QtFileFilter(u"ﾒﾓﾘﾀﾞｲﾔﾙ(*.VCF)|*.VCF"_s);
        QCOMPARE(filter, u"ﾒﾓﾘﾀﾞｲﾔﾙ(*.VCF) (*.[Vv][Cc][Ff])"_s);
        QTemporaryDir dir;
        for (const QString& name : {u"a.VCF"_s, u"b.vcf"_s, u"c.Vcf"_s, u"d.txt"_s, u"e.VCF.bak"_s}) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        // What the chooser matches: the patterns inside the last parentheses.
        const QStringList patterns = filter.section(u'(', -1).chopped(1).split(u' ');
        QCOMPARE(QDir(dir.path()).entryList(patterns, QDir::Files, QDir::Name),
                 (QStringList{u"a.VCF"_s, u"b.vcf"_s, u"c.Vcf"_s}));
    }

    void logoShowsItsTextsAndGoes()
    {
        LogoWindow logo(50);
        QStringList texts;
        for (QLabel* label : logo.findChildren<QLabel*>()) {
            texts << label->text();
        }
        QVERIFY(texts.contains(u"Ver.2.3.6"_s));
        QVERIFY(texts.contains(u"for Windows 98/Me/NT/2000/XP"_s));
        QVERIFY(texts.contains(u"Morvane for Windows"_s));
        QElapsedTimer timer;
        timer.start();
        logo.ShowUntilTimer();
        QVERIFY(timer.elapsed() >= 45);
        QVERIFY(!logo.isVisible());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
