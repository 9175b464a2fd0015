#include "EditorWindowFixture.h"
#include "QtInteraction.h"

#include <QApplication>
#include <QMessageBox>

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
        m_ui.ExpectTell(u"先頭の個別情報です。　"_s, u"先頭確認"_s, MessageIcon::Warning);
        Text(kTextName)->setText(u"未保存"_s);
        QTest::keyClick(Text(kTextName), Qt::Key_B, Qt::ControlModifier);
        QCOMPARE(Text(kTextName)->text(), u"名前0"_s);
        Q_UNUSED(editor);
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
