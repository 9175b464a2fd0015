#include "EditorActions.h"
#include "EditorForm.h"
#include "EditorLauncher.h"
#include "EditorWindow.h"
#include "EntryTableModel.h"
#include "FakeInteraction.h"
#include "MainWindow.h"
#include "MainWindowActions.h"
#include "QtInteraction.h"
#include "memorydial/MemoryDialReader.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString kReference = QStringLiteral(MORVANX_TEST_DATA "/memorydial/reference.vcf");

QList<Entry> ReadRows(const QString& path)
{
    MemoryDialReadResult read = MemoryDataOpen(path, QStringList(kGroupTableSize));
    if (!read.content) {
        qWarning() << "cannot read" << path << read.error;
        return {};
    }
    return read.content->rows;
}

// The cells of every row, for a comparison that names the cell that differs.
QStringList Cells(const QList<Entry>& rows)
{
    QStringList cells;
    for (qsizetype row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < kEntryColumnCount; ++column) {
            cells << QStringLiteral("%1/%2: %3").arg(row + 1).arg(column).arg(rows[row][column]);
        }
    }
    return cells;
}

// Japanese text arrives through the input method, as a committed string.
void Type(QWidget* box, const QString& text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(box, &event);
}

} // namespace

// The editor through the real windows: the main window opens a file, the editor opens
// modally on a row or a new entry and is driven while its exec() runs, the main window saves.
class TestEditorRoundTrip : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_path;
    MemoryDial m_dial;
    FakeInteraction m_ui;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<EditorLauncher> m_launcher;
    QList<QPoint> m_positions;
    bool m_driven = false;

    // Runs `drive` on the editor once it is the active modal window.
    void WhenEditorShows(std::function<void(EditorWindow&)> drive)
    {
        m_driven = false;
        QTimer::singleShot(0, this, [this, drive] {
            auto* editor = qobject_cast<EditorWindow*>(QApplication::activeModalWidget());
            QVERIFY2(editor, "the editor is not the modal window");
            // The offscreen platform leaves the main window active after the double-click.
            editor->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(editor));
            QTRY_COMPARE(QApplication::activeWindow(), editor);
            drive(*editor);
            m_driven = true;
            editor->Actions().mnuFileEnd->trigger();
        });
    }
    void OpenFile()
    {
        m_ui.ExpectOpenFile(u"ﾒﾓﾘﾀﾞｲﾔﾙを開く"_s, m_path);
        m_window->Actions().mnuFileOpen->trigger();
    }
    void SaveFile()
    {
        m_ui.ExpectAsk(u"既存のメモリダイヤルが存在します。　上書きしますか？　"_s, u"上書き確認"_s, true);
        m_window->Actions().mnuFileSave[0]->trigger();
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_path = m_dir.filePath(u"DIAL.VCF"_s);
        QFile::remove(m_path);
        QVERIFY(QFile::copy(kReference, m_path));
        QVERIFY(QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner));
        m_dial = MemoryDial();
        m_ui = FakeInteraction();
        m_positions.clear();
        m_window = std::make_unique<MainWindow>(m_dial, m_ui, MainWindowOptions(), m_dir.path(), nullptr, nullptr);
        EditorWindowSettings settings;
        settings.today = u"2006/03/07"_s;
        m_launcher = std::make_unique<EditorLauncher>(
            *m_window, m_dial, m_ui, [settings] { return settings; },
            [this](int top, int left) { m_positions << QPoint(left, top); });
        m_launcher->Install();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void cleanup()
    {
        m_launcher.reset();
        m_window.reset();
        VERIFY_INTERACTION(m_ui);
    }

    void editedEntryReachesTheFileAndNothingElse()
    {
        const QList<Entry> before = ReadRows(m_path);
        QCOMPARE(before.size(), 2);
        OpenFile();
        QCOMPARE(m_dial.RowCount(), 2);

        WhenEditorShows([this](EditorWindow& editor) {
            QLineEdit* memo = editor.Form().Text1[kTextMemo];
            QCOMPARE(editor.Form().Text1[kTextNumber]->text(), u"007"_s);
            memo->setFocus();
            QTest::keyClick(memo, Qt::Key_End);
            Type(memo, u"・電話は夜"_s);
            m_ui.ExpectAsk(u"既に当該番号の個別情報は存在します。　上書きしますか？　"_s, u"上書確認"_s, true);
            QTest::keyClick(memo, Qt::Key_S, Qt::ControlModifier);
        });
        QTableView& list = m_window->List();
        const QRect first = list.visualRect(list.model()->index(0, kColName));
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, first.center());
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, first.center());
        QVERIFY(m_driven);
        QCOMPARE(m_positions.size(), 1);

        SaveFile();
        QList<Entry> expected = before;
        expected[0][kColMemo] += u"・電話は夜"_s;
        QCOMPARE(Cells(ReadRows(m_path)), Cells(expected));
    }

    void newEntryIsAppendedAndEnablesTheMainCommands()
    {
        const QList<Entry> before = ReadRows(m_path);
        OpenFile();
        m_window->List().selectRow(0);
        m_dial.SelectedRow = 1;

        m_ui.ExpectAsk(u"新規に個別情報を作成します。　当該の個別情報をコピーしますか？　"_s, u"コピー確認"_s, false);
        m_ui.ExpectTell(u"新規の個別情報を 「000番」 に作成しました。　"_s, u"新規作成確認"_s,
                        MessageIcon::Information);
        WhenEditorShows([this](EditorWindow& editor) {
            QTRY_VERIFY(m_ui.Verify());
            QCOMPARE(editor.Form().Text1[kTextName]->text(), QString());
            Type(editor.Form().Text1[kTextName], u"鈴木一郎"_s);
            Type(editor.Form().Text1[TelText(1)], u"0451234567"_s);
            m_ui.ExpectTell(u"新規に個別情報を保存しました。　"_s, u"新規保存確認"_s, MessageIcon::Information);
            editor.Actions().button[3]->trigger();
        });
        m_window->Actions().mnuFileCreate->trigger();
        QVERIFY(m_driven);
        QCOMPARE(m_dial.RowCount(), 3);
        QVERIFY(m_window->Actions().mnuFileSave[0]->isEnabled());
        QVERIFY(m_window->Actions().mnuEditReNumber->isEnabled());

        SaveFile();
        const QList<Entry> after = ReadRows(m_path);
        QCOMPARE(after.size(), 3);
        QCOMPARE(Cells(after.mid(0, 2)), Cells(before));
        QCOMPARE(after[2][kColNumber], u"000"_s);
        QCOMPARE(after[2][kColName], u"鈴木一郎"_s);
        QCOMPARE(after[2][kColTel1], u"0451234567"_s);
        QCOMPARE(after[2][kColTelKind1], u"その他"_s);
        QCOMPARE(after[2][kColRevision].size(), 16);
    }

    // The editor's message boxes open over the editor; the main window's over the main window.
    void messagesBelongToTheirWindow()
    {
        OpenFile();
        QtInteraction boxes(m_window.get());
        EditorLauncher launcher(*m_window, m_dial, boxes, nullptr, nullptr);
        QStringList shown; // text, then the window the box belongs to
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [&shown] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown << box->text() + u" @ "_s + (box->parentWidget() ? box->parentWidget()->objectName() : QString());
                box->buttons().constFirst()->click();
            }
        });
        answer.start(10);
        launcher.SetRunner([](EditorWindow& editor) {
            editor.show();
            editor.Actions().button[8]->trigger();
            editor.Actions().mnuFileRecord[1]->trigger();
        });
        m_dial.SelectedRow = 1;
        m_dial.EditMode = u"2"_s;
        launcher.OpenEditor();
        boxes.Tell(u"本体"_s, u"確認"_s, MessageIcon::Information);
        QCOMPARE(shown, (QStringList{u"最後の個別情報です。　 @ EDITOR"_s, u"本体 @ MORVANX"_s}));
    }

    void firstEntryOfANewMemoryDialLeavesSaveToSaveAs()
    {
        QVERIFY(!m_window->Actions().mnuFileSave[1]->isEnabled());
        WhenEditorShows([this](EditorWindow& editor) {
            QCOMPARE(editor.Form().Text1[kTextNumber]->text(), u"000"_s);
            Type(editor.Form().Text1[kTextName], u"最初の人"_s);
            m_ui.ExpectTell(u"新規に個別情報を保存しました。　"_s, u"新規保存確認"_s, MessageIcon::Information);
            editor.Actions().mnuFileSave->trigger();
        });
        m_window->Actions().mnuFileCreate->trigger();
        QVERIFY(m_driven);
        QCOMPARE(m_dial.RowCount(), 1);
        QCOMPARE(m_dial.rows[0][kColGroupName], u"ｸﾞﾙｰﾌﾟ0"_s);
        QVERIFY(m_window->Actions().mnuFileSave[1]->isEnabled());
        QVERIFY(!m_window->Actions().mnuFileSave[0]->isEnabled());
        QVERIFY(!m_window->Actions().button[4]->isEnabled());
        QVERIFY(m_window->Actions().button[8]->isEnabled());
        QVERIFY(m_window->Actions().button[11]->isEnabled());

        const QString named = m_dir.filePath(u"NEW.VCF"_s);
        QFile::remove(named);
        m_ui.ExpectSaveFile(u"ﾒﾓﾘﾀﾞｲﾔﾙの保存"_s, named);
        m_ui.ExpectTell(u"新規にメモリダイヤルを保存しました。　"_s, u"新規保存確認"_s, MessageIcon::Information);
        m_window->Actions().mnuFileSave[1]->trigger();
        const QList<Entry> saved = ReadRows(named);
        QCOMPARE(saved.size(), 1);
        QCOMPARE(saved[0][kColName], u"最初の人"_s);
        QVERIFY(m_window->Actions().mnuFileSave[0]->isEnabled());
    }
};

QTEST_MAIN(TestEditorRoundTrip)
#include "tst_editorroundtrip.moc"
