#include "EditorWindowFixture.h"

namespace {

const QString kSaveChanges = u"変更を保存しますか"_s;
const QString kSaveChangesTitle = u"変更確認"_s;
const QString kOverwrite = u"既に当該番号の個別情報は存在します。　上書きしますか？　"_s;
const QString kOverwriteTitle = u"上書確認"_s;

} // namespace

// The editor asks before it drops fields that differ from the entry it showed: on closing,
// on moving to another entry and on starting a new one.
class TestEditorUnsaved : public EditorWindowFixture
{
    Q_OBJECT

private:
    void Run(EditorWindow& editor, const QString& command)
    {
        EditorActions& a = editor.Actions();
        if (command == u"close") {
            editor.close();
        } else if (command == u"close command") {
            a.mnuFileEnd->trigger();
        } else if (command == u"previous") {
            a.mnuFileRecord[0]->trigger();
        } else if (command == u"next") {
            a.mnuFileRecord[1]->trigger();
        } else if (command == u"first") {
            a.button[5]->trigger();
        } else if (command == u"last") {
            a.button[8]->trigger();
        } else {
            a.mnuFileCreate->trigger();
        }
    }

private slots:
    void init() { Reset(); }

    void cleanup()
    {
        m_editor.reset();
        VERIFY_INTERACTION(m_ui);
    }

    void askBeforeDropping_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<SaveChoice>("choice");
        QTest::addColumn<QString>("nameAfter"); // the name box once the command went on

        const QList<std::pair<QString, QString>> commands = {
            {u"close"_s, QString()},     {u"close command"_s, QString()}, {u"previous"_s, u"名前0"_s},
            {u"next"_s, u"名前2"_s},     {u"first"_s, u"名前0"_s},        {u"last"_s, u"名前2"_s},
            {u"new entry"_s, QString()},
        };
        for (const auto& [command, nameAfter] : commands) {
            QTest::addRow("%s, 保存", qPrintable(command)) << command << SaveChoice::Save << nameAfter;
            QTest::addRow("%s, 保存しない", qPrintable(command)) << command << SaveChoice::Discard << nameAfter;
            QTest::addRow("%s, キャンセル", qPrintable(command)) << command << SaveChoice::Cancel << nameAfter;
        }
    }

    void askBeforeDropping()
    {
        QFETCH(QString, command);
        QFETCH(SaveChoice, choice);
        QFETCH(QString, nameAfter);
        EditorWindow& editor = Open(u"2"_s);
        ShowActive();
        Text(kTextName)->setText(u"変更後"_s);
        Combo(kComboBloodType)->setEditText(u"AB"_s);

        m_ui.ExpectAskSave(kSaveChanges, kSaveChangesTitle, choice);
        if (choice == SaveChoice::Save) {
            m_ui.ExpectAsk(kOverwrite, kOverwriteTitle, true);
        }
        const bool goesOn = choice != SaveChoice::Cancel;
        if (goesOn && command == u"new entry") {
            m_ui.ExpectAsk(u"新規に個別情報を作成します。　当該の個別情報をコピーしますか？　"_s, u"コピー確認"_s,
                           false);
            m_ui.ExpectTell(u"新規の個別情報を 「003番」 に作成しました。　"_s, kCreatedTitle,
                            MessageIcon::Information);
        }
        Run(editor, command);
        VERIFY_INTERACTION(m_ui);

        const bool saved = choice == SaveChoice::Save;
        QCOMPARE(m_dial.rows[1][kColName], saved ? u"変更後"_s : u"名前1"_s);
        QCOMPARE(m_dial.rows[1][kColBloodType], saved ? u"AB"_s : QString());
        QCOMPARE(m_dial.RowCount(), 3);
        const bool closing = command.startsWith(u"close");
        if (!goesOn) {
            QVERIFY(editor.isVisible());
            QVERIFY(m_saved.isEmpty());
            QCOMPARE(m_dial.SelectedRow, 2);
            QCOMPARE(Text(kTextName)->text(), u"変更後"_s);
            QCOMPARE(Combo(kComboBloodType)->currentText(), u"AB"_s);
        } else if (closing) {
            QVERIFY(!editor.isVisible());
            QCOMPARE(m_saved.size(), 1);
        } else {
            QCOMPARE(Text(kTextName)->text(), nameAfter);
            // What the command showed is the new starting point: leaving it asks nothing.
            m_editor->close();
            QVERIFY(!editor.isVisible());
        }
    }

    // Fields typed back to what was shown, or a drop-down set to its own text, are no change.
    void fieldsAsShownAskNothing()
    {
        EditorWindow& editor = Open(u"2"_s);
        ShowActive();
        QLineEdit* name = Text(kTextName);
        name->setFocus();
        QTRY_VERIFY(name->hasFocus());
        QTest::keyClick(name, Qt::Key_End);
        QTest::keyClicks(name, u"x"_s);
        QTest::keyClick(name, Qt::Key_Backspace);
        Combo(kComboBirthYear)->setCurrentIndex(Combo(kComboBirthYear)->currentIndex());
        Combo(kComboGroup)->setEditText(Combo(kComboGroup)->currentText());
        editor.Form().Option1[kOptionPublic]->setChecked(true);
        editor.Actions().mnuFileRecord[1]->trigger();
        editor.Actions().mnuFileEnd->trigger();
        QVERIFY(!editor.isVisible());
    }

    // 保存 that the checks refuse keeps the editor open on the fields, the focus on the box.
    void refusedStoreStopsTheClose()
    {
        EditorWindow& editor = Open(u"2"_s);
        ShowActive();
        Text(kTextTel1)->setText(u"03-1234"_s);
        m_ui.ExpectAskSave(kSaveChanges, kSaveChangesTitle, SaveChoice::Save);
        m_ui.ExpectTell(u"入力された電話番号が数字ではありません。　"_s, u"数字確認"_s, MessageIcon::Warning);
        editor.close();
        QVERIFY(editor.isVisible());
        QTRY_VERIFY(Text(kTextTel1)->hasFocus());
        QCOMPARE(Text(kTextTel1)->text(), u"03-1234"_s);
        QCOMPARE(m_dial.rows[1][kColTel1], u"09000000001"_s);
        QVERIFY(m_saved.isEmpty());
    }
};

QTEST_MAIN(TestEditorUnsaved)
#include "tst_editorunsaved.moc"
