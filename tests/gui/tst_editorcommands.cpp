#include "EditorWindowFixture.h"
#include "QtInteraction.h"

#include <QApplication>
#include <QMessageBox>

#include <functional>

namespace {

// Passes every message on to the scripted user, noting first what the editor shows.
class Watching final : public Interaction
{
public:
    Watching(Interaction& user, std::function<void()> note) : m_user(user), m_note(std::move(note)) {}

    void Tell(const QString& text, const QString& title, MessageIcon icon) override
    {
        m_note();
        m_user.Tell(text, title, icon);
    }
    void ShowReport(const QString& summary, const QString& details, const QString& title, MessageIcon icon) override
    {
        m_note();
        m_user.ShowReport(summary, details, title, icon);
    }
    bool Ask(const QString& text, const QString& title, MessageIcon icon) override
    {
        m_note();
        return m_user.Ask(text, title, icon);
    }
    SaveChoice AskSaveChanges(const QString& text, const QString& title) override
    {
        m_note();
        return m_user.AskSaveChanges(text, title);
    }
    ChangedFileChoice AskChangedFile(const QString& text, const QString& title) override
    {
        m_note();
        return m_user.AskChangedFile(text, title);
    }
    QString ChooseOpenFile(const QString& title, const QString& folder, const QString& filter) override
    {
        return m_user.ChooseOpenFile(title, folder, filter);
    }
    QString ChooseSaveFile(const QString& title, const QString& folder, const QString& filter) override
    {
        return m_user.ChooseSaveFile(title, folder, filter);
    }
    bool OpenUrl(const QString& url) override { return m_user.OpenUrl(url); }
    void ShowHelp(int context) override { m_user.ShowHelp(context); }

private:
    Interaction& m_user;
    std::function<void()> m_note;
};

} // namespace

// The editor at work: position kept on closing, double-click closing, the focus index, the
// commands and their shortcuts, and the creation message on activation.
class TestEditorCommands : public EditorWindowFixture
{
    Q_OBJECT

private slots:
    void init() { Reset(); }

    void cleanup()
    {
        m_editor.reset();
        VERIFY_INTERACTION(m_ui);
    }

    void position_data()
    {
        QTest::addColumn<bool>("centre");
        QTest::newRow("stored position") << false;
        QTest::newRow("centred") << true;
    }

    void positionOffTheScreen_data()
    {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::newRow("far right") << 30000 << 1440;
        QTest::newRow("above the screen") << 1440 << -3000;
    }

    // A position kept from a screen since removed shows the editor on the screen there is.
    void positionOffTheScreen()
    {
        QFETCH(int, left);
        QFETCH(int, top);
        m_settings.left = left;
        m_settings.top = top;
        EditorWindow& editor = Open(u"2"_s);
        const QRect area = editor.screen()->availableGeometry();
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        const QRect shown = editor.frameGeometry();
        QVERIFY2(area.contains(shown),
                 qPrintable(u"%1,%2 %3x%4"_s.arg(shown.x()).arg(shown.y()).arg(shown.width()).arg(shown.height())));
    }

    void position()
    {
        QFETCH(bool, centre);
        m_settings.centre = centre;
        EditorWindow& editor = Open(u"2"_s);
        if (centre) {
            const QRect screen = editor.screen()->geometry();
            QCOMPARE(editor.x(), screen.x() + (screen.width() - editor.width()) / 2);
            QCOMPARE(editor.y(), screen.y() + (screen.height() - editor.height()) / 2);
        } else {
            QCOMPARE(editor.x(), qRound(2880.0 * editor.logicalDpiX() / 1440));
            QCOMPARE(editor.y(), qRound(1440.0 * editor.logicalDpiY() / 1440));
        }
        const QPoint opened = editor.pos();
        ShowActive();
        QCOMPARE(editor.pos(), opened);
        editor.Actions().mnuFileEnd->trigger();
        QVERIFY(!editor.isVisible());
        QCOMPARE(m_saved.size(), 1);
        if (!centre) {
            // An editor closed where it opened keeps the stored twips exactly.
            QCOMPARE(m_saved.first(), QPoint(1440, 2880));
        }
    }

    void everyCloseSavesThePosition()
    {
        EditorWindow& editor = Open(u"2"_s);
        ShowActive();
        editor.move(editor.x() + 30, editor.y());
        editor.close();
        QVERIFY(!editor.isVisible());
        QCOMPARE(m_saved.size(), 1);
        QCOMPARE(m_saved.first().x(), 1440);
        QVERIFY(m_saved.first().y() > 2880);
    }

    void escapeDoesNotClose()
    {
        EditorWindow& editor = Open(u"2"_s);
        ShowActive();
        QTest::keyClick(Text(kTextName), Qt::Key_Escape);
        QVERIFY(editor.isVisible());
        Text(kTextName)->setText(u"変更"_s);
        QTest::keyClick(Text(kTextName), Qt::Key_Return);
        QVERIFY(editor.isVisible());
        QVERIFY(m_saved.isEmpty());
    }

    void doubleClick_data()
    {
        QTest::addColumn<bool>("option");
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("closes");
        QTest::newRow("frame background, option on") << true << u"frame"_s << true;
        QTest::newRow("status bar, option on") << true << u"status"_s << true;
        QTest::newRow("toolbar background, option on") << true << u"toolbar"_s << true;
        QTest::newRow("frame background, option off") << false << u"frame"_s << false;
        QTest::newRow("caption inside a frame") << true << u"caption"_s << false;
        QTest::newRow("text box") << true << u"text"_s << false;
    }

    void doubleClick()
    {
        QFETCH(bool, option);
        QFETCH(QString, target);
        m_settings.doubleClickCloses = option;
        EditorWindow& editor = Open(u"2"_s);
        ShowActive();
        QWidget* widget = nullptr;
        QPoint at;
        if (target == u"frame") {
            widget = editor.Form().Frame1[2];
            at = QPoint(widget->width() - 2, widget->height() - 2);
            QVERIFY(!widget->childAt(at));
        } else if (target == u"toolbar") {
            widget = editor.Actions().toolBar;
            at = QPoint(widget->width() - 3, widget->height() / 2);
            QVERIFY(!widget->childAt(at));
        } else if (target == u"status") {
            widget = &editor.Panel(1);
            at = widget->rect().center();
        } else if (target == u"caption") {
            widget = editor.Form().Label1[15];
            at = widget->rect().center();
        } else {
            widget = Text(kTextAddress);
            at = widget->rect().center();
        }
        QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
        QFETCH(bool, closes);
        QCOMPARE(editor.isVisible(), !closes);
        QCOMPARE(m_saved.size(), closes ? 1 : 0);
    }

    void lastFocusIndexFollowsTextBoxesOnly()
    {
        EditorWindow& editor = Open(u"2"_s);
        ShowActive();
        Text(kTextTel1 + 1)->setFocus();
        QTRY_COMPARE(editor.Fields().LastFocusIndex, 4);
        Combo(kComboBloodType)->setFocus();
        QTRY_VERIFY(Combo(kComboBloodType)->hasFocus());
        QCOMPARE(editor.Fields().LastFocusIndex, 4);
        Text(kTextPostalSecond)->setFocus();
        QTRY_COMPARE(editor.Fields().LastFocusIndex, 14);
    }

    void shortcutsMoveFromInsideATextBox()
    {
        EditorWindow& editor = Open(u"2"_s);
        ShowActive();
        Text(kTextName)->setFocus();
        QTRY_VERIFY(Text(kTextName)->hasFocus());
        QTest::keyClick(Text(kTextName), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(Text(kTextNumber)->text(), u"002"_s);
        QCOMPARE(m_dial.SelectedRow, 3);
        QTest::keyClick(Text(kTextName), Qt::Key_B, Qt::ControlModifier);
        QTest::keyClick(Text(kTextName), Qt::Key_B, Qt::ControlModifier);
        QCOMPARE(Text(kTextNumber)->text(), u"000"_s);
        m_ui.ExpectAskSave(u"変更を保存しますか"_s, u"変更確認"_s, SaveChoice::Discard);
        m_ui.ExpectTell(u"先頭の個別情報です。　"_s, u"先頭確認"_s, MessageIcon::Warning);
        Text(kTextName)->setText(u"未保存"_s);
        QTest::keyClick(Text(kTextName), Qt::Key_B, Qt::ControlModifier);
        QCOMPARE(Text(kTextName)->text(), u"名前0"_s);
        Q_UNUSED(editor);
    }

    void shortcutsWinInEveryField_data()
    {
        QTest::addColumn<QString>("field");
        QTest::newRow("text box") << u"Text1_17"_s;
        QTest::newRow("group drop-down") << u"Combo1_0"_s;
        QTest::newRow("text of the group drop-down") << u"Combo1_0/edit"_s;
        QTest::newRow("text of the blood-type drop-down") << u"Combo1_15/edit"_s;
        QTest::newRow("secret option") << u"Option1_1"_s;
    }

    // Ctrl+A is "select all" in a text box and in the text of a drop-down; in the editor it
    // is the next entry, whatever field has the focus.
    void shortcutsWinInEveryField()
    {
        QFETCH(QString, field);
        EditorWindow& editor = Open(u"2"_s);
        ShowActive();
        const QStringList path = field.split(u'/');
        QWidget* focus = editor.findChild<QWidget*>(path.first());
        QVERIFY(focus);
        QWidget* target = path.size() > 1 ? qobject_cast<QComboBox*>(focus)->lineEdit() : focus;
        focus->setFocus();
        QTRY_VERIFY(focus->hasFocus());
        QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(Text(kTextNumber)->text(), u"002"_s);
        QCOMPARE(m_dial.SelectedRow, 3);
        QTest::keyClick(target, Qt::Key_B, Qt::ControlModifier);
        QCOMPARE(Text(kTextNumber)->text(), u"001"_s);
        m_ui.ExpectAsk(u"既に当該番号の個別情報は存在します。　上書きしますか？　"_s, u"上書確認"_s, false);
        QTest::keyClick(target, Qt::Key_S, Qt::ControlModifier);
        VERIFY_INTERACTION(m_ui);
    }

    void firstAndLastButtons()
    {
        EditorWindow& editor = Open(u"2"_s);
        editor.Actions().button[8]->trigger();
        QCOMPARE(Text(kTextNumber)->text(), u"002"_s);
        QVERIFY(editor.Form().Option1[kOptionPrivate]->isChecked());
        editor.Actions().button[5]->trigger();
        QCOMPARE(Text(kTextNumber)->text(), u"000"_s);
        QCOMPARE(m_dial.SelectedRow, 1);
        QCOMPARE(editor.Panel(2).text(), u"20060307T150500Z"_s);
    }

    void numbersOfEveryLength_data()
    {
        QTest::addColumn<int>("row");
        QTest::newRow("000") << 1;
        QTest::newRow("123") << 2;
        QTest::newRow("1234") << 3;
    }

    // The number box shows the row's number whole, and saving overwrites that row only.
    void numbersOfEveryLength()
    {
        QFETCH(int, row);
        const QStringList numbers = {u"000"_s, u"123"_s, u"1234"_s};
        for (int i = 0; i < 3; ++i) {
            m_dial.rows[i][kColNumber] = numbers[i];
        }
        m_dial.RebuildEntryNumbers();
        const QList<Entry> before = m_dial.rows;
        EditorWindow& editor = Open(u"2"_s, row);
        QCOMPARE(Text(kTextNumber)->text(), numbers[row - 1]);
        Text(kTextMemo)->setText(u"編集"_s);
        m_ui.ExpectAsk(u"既に当該番号の個別情報は存在します。　上書きしますか？　"_s, u"上書確認"_s, true);
        editor.Actions().mnuFileSave->trigger();
        QCOMPARE(m_dial.RowCount(), 3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(m_dial.rows[i][kColNumber], numbers[i]);
            QCOMPARE(m_dial.rows[i][kColMemo], i == row - 1 ? u"編集"_s : before[i][kColMemo]);
        }
    }

    void newEntryAtOneThousandRows_data()
    {
        QTest::addColumn<bool>("fromEditor");
        QTest::newRow("opened by the main window") << false;
        QTest::newRow("editor's new-entry command") << true;
    }

    // With 1000 rows the proposed number has four digits: it is shown, told and stored whole,
    // never as the number of entry 100.
    void newEntryAtOneThousandRows()
    {
        QFETCH(bool, fromEditor);
        m_dial.rows = SampleRows(1000);
        m_dial.RebuildEntryNumbers();
        const Entry hundred = m_dial.rows[100];
        const QString created = u"新規の個別情報を 「1000番」 に作成しました。　"_s;
        m_dial.CopyEntry = u"0"_s;
        if (fromEditor) {
            EditorWindow& editor = Open(u"2"_s, 1000);
            m_ui.ExpectAsk(u"新規に個別情報を作成します。　当該の個別情報をコピーしますか？　"_s, u"コピー確認"_s,
                           false);
            m_ui.ExpectTell(created, kCreatedTitle, MessageIcon::Information);
            editor.Actions().mnuFileCreate->trigger();
        } else {
            Open(u"0"_s, 1, u"1000"_s);
            m_ui.ExpectTell(created, kCreatedTitle, MessageIcon::Information);
            ShowActive();
            QTRY_VERIFY(m_ui.Verify());
        }
        QCOMPARE(Text(kTextNumber)->text(), u"1000"_s);
        Text(kTextName)->setText(u"千人目"_s);
        m_ui.ExpectTell(u"新規に個別情報を保存しました。　"_s, u"新規保存確認"_s, MessageIcon::Information);
        m_editor->Actions().mnuFileSave->trigger();
        QCOMPARE(m_dial.RowCount(), 1001);
        QCOMPARE(m_dial.rows[1000][kColNumber], u"1000"_s);
        QCOMPARE(m_dial.rows[1000][kColName], u"千人目"_s);
        QCOMPARE(m_dial.rows[100], hundred);
    }

    void newEntryShowsTheNumberBeforeAsking_data()
    {
        QTest::addColumn<bool>("copy");
        QTest::addColumn<QStringList>("seen"); // number box and name box at each message
        QTest::newRow("OK keeps the fields") << true << QStringList{u"003 名前1"_s, u"003 名前1"_s};
        QTest::newRow("Cancel empties them first") << false << QStringList{u"003 名前1"_s, u"003 "_s};
    }

    void newEntryShowsTheNumberBeforeAsking()
    {
        QFETCH(bool, copy);
        QStringList seen;
        Watching watching(m_ui, [this, &seen] { seen << Text(kTextNumber)->text() + u' ' + Text(kTextName)->text(); });
        m_dial.EditMode = u"2"_s;
        m_dial.SelectedRow = 2;
        m_editor = std::make_unique<EditorWindow>(m_dial, watching, m_settings, nullptr);
        m_editor->Load();
        m_ui.ExpectAsk(u"新規に個別情報を作成します。　当該の個別情報をコピーしますか？　"_s, u"コピー確認"_s, copy);
        m_ui.ExpectTell(u"新規の個別情報を 「003番」 に作成しました。　"_s, kCreatedTitle, MessageIcon::Information);
        m_editor->Actions().mnuFileCreate->trigger();
        QTEST(seen, "seen");
    }

    void saveRefusalPutsTheFocusIntoTheBox()
    {
        EditorWindow& editor = Open(u"2"_s);
        ShowActive();
        Text(kTextPostalFirst)->setText(u"12a"_s);
        Text(kTextName)->setFocus();
        m_ui.ExpectTell(u"入力された郵便番号が数字ではありません。　"_s, u"数字確認"_s, MessageIcon::Warning);
        editor.Actions().mnuFileSave->trigger();
        QTRY_VERIFY(Text(kTextPostalFirst)->hasFocus());
        QCOMPARE(m_dial.rows[1][kColPostalCode], u"123-4567"_s);
    }

    void saveStoresWhatTheWidgetsShow()
    {
        EditorWindow& editor = Open(u"2"_s);
        QSignalSpy appended(&editor, &EditorWindow::EntryAppended);
        Text(kTextMemo)->setText(u"新しいメモ"_s);
        Combo(kComboTelKind1)->setEditText(u"自宅"_s);
        editor.Form().Option1[kOptionPrivate]->setChecked(true);
        m_ui.ExpectAsk(u"既に当該番号の個別情報は存在します。　上書きしますか？　"_s, u"上書確認"_s, true);
        editor.Actions().button[3]->trigger();
        QCOMPARE(m_dial.rows[1][kColMemo], u"新しいメモ"_s);
        QCOMPARE(m_dial.rows[1][kColTelKind1], u"自宅"_s);
        QCOMPARE(m_dial.rows[1][kColSecret], u"PRIVATE"_s);
        QCOMPARE(m_dial.rows[1][kColRevision], u"20050307T090503Z"_s);
        QCOMPARE(appended.size(), 0);
    }

    void appendStampsWithTheClockAndSignals()
    {
        m_dial.CopyEntry = u"0"_s;
        EditorWindow& editor = Open(u"0"_s, 2, u"003"_s);
        editor.SetClock([] { return QDateTime(QDate(2005, 3, 7), QTime(9, 5, 3)); });
        QSignalSpy appended(&editor, &EditorWindow::EntryAppended);
        Text(kTextName)->setText(u"新人"_s);
        m_ui.ExpectTell(u"新規に個別情報を保存しました。　"_s, u"新規保存確認"_s, MessageIcon::Information);
        editor.Actions().mnuFileSave->trigger();
        QCOMPARE(m_dial.RowCount(), 4);
        QCOMPARE(m_dial.rows[3][kColNumber], u"003"_s);
        QCOMPARE(m_dial.rows[3][kColName], u"新人"_s);
        QCOMPARE(m_dial.rows[3][kColRevision], u"20050307T090503Z"_s);
        QCOMPARE(m_dial.SelectedRow, 4);
        QCOMPARE(appended.size(), 1);
        QCOMPARE(appended.first().first().toBool(), true);
    }

    void newEntryCancelEmptiesTheForm()
    {
        EditorWindow& editor = Open(u"2"_s);
        m_ui.ExpectAsk(u"新規に個別情報を作成します。　当該の個別情報をコピーしますか？　"_s, u"コピー確認"_s, false);
        m_ui.ExpectTell(u"新規の個別情報を 「003番」 に作成しました。　"_s, kCreatedTitle, MessageIcon::Information);
        editor.Actions().button[2]->trigger();
        QCOMPARE(Text(kTextNumber)->text(), u"003"_s);
        QCOMPARE(Text(kTextName)->text(), QString());
        QCOMPARE(Text(kTextPostalFirst)->text(), QString());
        QCOMPARE(Combo(kComboGroup)->currentText(), u"00 家族"_s);
        QCOMPARE(Combo(kComboBirthYear)->currentText(), QString());
        QVERIFY(editor.Form().Option1[kOptionPublic]->isChecked());
        QCOMPARE(editor.Panel(2).text(), u"20050307T090503Z"_s);
        QCOMPARE(m_dial.RowCount(), 3);
    }

    void creationMessageOnActivation()
    {
        m_dial.CopyEntry = u"0"_s;
        EditorWindow& editor = Open(u"0"_s, 2, u"003"_s);
        const QString text = u"新規の個別情報を 「003番」 に作成しました。　"_s;
        m_ui.ExpectTell(text, kCreatedTitle, MessageIcon::Information);
        ShowActive();
        QTRY_VERIFY(m_ui.Verify());

        // Coming back from a message box or another application says nothing.
        QWidget other;
        other.show();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        editor.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        QTest::qWait(20);
        QVERIFY2(m_ui.Verify(), qPrintable(m_ui.Report()));

        // Coming back from one of the program's own windows tells the number again, once.
        m_ui.ExpectTell(text, kCreatedTitle, MessageIcon::Information);
        QDialog own(&editor);
        QTimer::singleShot(0, &own, [&own] {
            QVERIFY(QTest::qWaitForWindowExposed(&own));
            own.accept();
        });
        editor.ShowOwnWindow(own);
        editor.activateWindow();
        QTRY_VERIFY(m_ui.Verify());
        QTest::qWait(20);
        VERIFY_INTERACTION(m_ui);
    }

    void realMessageBoxDoesNotBringTheMessageBack()
    {
        QtInteraction boxes;
        m_dial.CopyEntry = u"0"_s;
        m_dial.EditMode = u"0"_s;
        m_dial.SelectedRow = 2;
        EditorWindow editor(m_dial, boxes, m_settings, nullptr);
        boxes.setParent(&editor);
        editor.Load(u"003"_s);
        QStringList shown;
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [&shown] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown << box->text();
                box->buttons().first()->click();
            }
        });
        closer.start(10);
        editor.show();
        QTRY_COMPARE(shown.size(), 1);
        QCOMPARE(shown.first(), u"新規の個別情報を 「003番」 に作成しました。　"_s);
        // The window system hands the activation back to the editor once the box has gone
        // (the offscreen platform needs telling); nothing follows.
        editor.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &editor);
        QTest::qWait(200);
        QCOMPARE(shown.size(), 1);
    }

    void noCreationMessageWhenEditing_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::newRow("2") << u"2"_s;
        QTest::newRow("1") << u"1"_s;
    }

    void noCreationMessageWhenEditing()
    {
        QFETCH(QString, mode);
        if (mode == u"1") {
            m_dial = MemoryDial();
        }
        EditorWindow& editor = Open(mode, mode == u"1" ? 1 : 2);
        ShowActive();
        QDialog own(&editor);
        QTimer::singleShot(0, &own, &QDialog::accept);
        editor.ShowOwnWindow(own);
        QTest::qWait(20);
    }
};

QTEST_MAIN(TestEditorCommands)
#include "tst_editorcommands.moc"
