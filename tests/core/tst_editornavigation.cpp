#include "FakeInteraction.h"
#include "editor/EditorFields.h"
#include "editor/EditorLoad.h"
#include "editor/EntryNavigation.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString kCopyQuestion = u"新規に個別情報を作成します。　当該の個別情報をコピーしますか？　"_s;
const QString kCopyTitle = u"コピー確認"_s;
const QString kCreatedTitle = u"新規作成確認"_s;

MemoryDial DialNumbered(const QStringList& numbers)
{
    MemoryDial dial;
    for (const QString& number : numbers) {
        Entry entry;
        entry[kColNumber] = number;
        entry[kColName] = u"名前"_s + number;
        entry[kColSecret] = u"PRIVATE"_s;
        entry[kColTel1] = u"0300"_s + number;
        entry[kColRevision] = u"stamp"_s + number;
        dial.rows.append(entry);
    }
    dial.EntryCount = dial.RowCount();
    dial.GroupNames[0] = u"家族"_s;
    dial.GroupCount = u"2"_s;
    return dial;
}

QStringList Range(int first, int last)
{
    QStringList numbers;
    for (int i = first; i <= last; ++i) {
        numbers << u"%1"_s.arg(i, 3, 10, QChar(u'0'));
    }
    return numbers;
}

} // namespace

class TestEditorNavigation : public QObject
{
    Q_OBJECT

private slots:
    void allocate_data()
    {
        QTest::addColumn<QStringList>("numbers");
        QTest::addColumn<QString>("proposed");

        QTest::newRow("empty list") << QStringList{} << u"000"_s;
        QTest::newRow("no gap") << QStringList{u"000"_s, u"001"_s, u"002"_s} << u"003"_s;
        QTest::newRow("gap at 1") << QStringList{u"000"_s, u"002"_s} << u"001"_s;
        QTest::newRow("gap at 2, 3 and 4") << QStringList{u"000"_s, u"001"_s, u"005"_s} << u"002"_s;
        QTest::newRow("deleted middle row") << QStringList{u"000"_s, u"001"_s, u"003"_s, u"004"_s} << u"002"_s;
        QTest::newRow("numbers from 001") << QStringList{u"001"_s, u"002"_s} << u"000"_s;
        QTest::newRow("unsorted") << QStringList{u"003"_s, u"000"_s, u"002"_s, u"001"_s} << u"004"_s;
        QTest::newRow("duplicates") << QStringList{u"000"_s, u"000"_s, u"001"_s, u"001"_s} << u"002"_s;
        QTest::newRow("unpadded numbers count") << QStringList{u"0"_s, u"1"_s, u"02"_s} << u"003"_s;
        QTest::newRow("empty number holds nothing") << QStringList{u""_s, u"001"_s} << u"000"_s;
        QTest::newRow("non-numeric number holds nothing") << QStringList{u"abc"_s, u"000"_s} << u"001"_s;
        QTest::newRow("large numbers ignored") << QStringList{u"000"_s, u"999"_s} << u"001"_s;
        QTest::newRow("100 rows") << Range(0, 99) << u"100"_s;
        QTest::newRow("1000 rows") << Range(0, 999) << u"1000"_s;
    }

    void allocate()
    {
        QFETCH(QStringList, numbers);
        QFETCH(QString, proposed);

        MemoryDial dial = DialNumbered(numbers);
        const QList<Entry> before = dial.rows;
        QCOMPARE(AllocateEntryNumber(dial), proposed);
        QCOMPARE(dial.rows, before);
        for (int i = 0; i < numbers.size(); ++i) {
            QCOMPARE(dial.EntryNumbers[i], numbers[i]);
        }
    }

    void editorNewEntry_data()
    {
        QTest::addColumn<bool>("copy");
        QTest::newRow("OK keeps the shown entry") << true;
        QTest::newRow("Cancel empties the form") << false;
    }

    void editorNewEntry()
    {
        QFETCH(bool, copy);

        MemoryDial dial = DialNumbered({u"000"_s, u"001"_s, u"003"_s});
        dial.EditMode = u"2"_s;
        dial.SelectedRow = 2;
        EditorFields fields;
        QVERIFY(!LoadEditor(dial, fields).rowMissing);
        fields.Combo(kComboGroup) = u"01 "_s;
        fields.Combo(kComboBloodType) = u"AB"_s;
        fields.Text(kTextMemo) = u"unsaved"_s;

        FakeInteraction ui;
        ui.ExpectAsk(kCopyQuestion, kCopyTitle, copy);
        ui.ExpectTell(u"新規の個別情報を 「002番」 に作成しました。　"_s, kCreatedTitle, MessageIcon::Information);
        QVERIFY(EditorNewEntry(dial, fields, ui));
        VERIFY_INTERACTION(ui);

        QCOMPARE(fields.Text(kTextNumber), u"002"_s);
        QCOMPARE(dial.RowCount(), 3);
        QCOMPARE(dial.SelectedRow, 2);
        QCOMPARE(dial.EditMode, u"2"_s);
        QCOMPARE(fields.RevisionPanel, u"stamp001"_s);
        if (copy) {
            QCOMPARE(fields.Text(kTextName), u"名前001"_s);
            QCOMPARE(fields.Text(kTextTel1), u"0300001"_s);
            QCOMPARE(fields.Text(kTextMemo), u"unsaved"_s);
            QCOMPARE(fields.Combo(kComboGroup), u"01 "_s);
            QCOMPARE(fields.Combo(kComboBloodType), u"AB"_s);
            QVERIFY(fields.Private);
        } else {
            for (int i = 1; i < kTextCount; ++i) {
                QCOMPARE(fields.Text(i), u""_s);
            }
            for (int i = 1; i < kComboCount; ++i) {
                QCOMPARE(fields.Combo(i), u""_s);
            }
            QCOMPARE(fields.Combo(kComboGroup), u"00 家族"_s);
            QVERIFY(!fields.Private);
        }
    }

    void editorNewEntryShowsBeforeItAsks_data()
    {
        QTest::addColumn<bool>("copy");
        QTest::addColumn<QStringList>("steps");
        const QString ask = u"Ask: コピー確認 / "_s + kCopyQuestion;
        const QString tell = u"Tell: 新規作成確認 / 新規の個別情報を 「1000番」 に作成しました。　"_s;
        QTest::newRow("OK") << true << QStringList{u"Show: 1000 名前998"_s, ask, tell};
        QTest::newRow("Cancel") << false << QStringList{u"Show: 1000 名前998"_s, ask, u"Show: 1000 "_s, tell};
    }

    void editorNewEntryShowsBeforeItAsks()
    {
        QFETCH(bool, copy);
        MemoryDial dial = DialNumbered(Range(0, 999));
        dial.SelectedRow = 999;
        EditorFields fields;
        QVERIFY(ShowEntry(fields, dial, dial.SelectedRow));
        FakeInteraction ui;
        ui.ExpectAsk(kCopyQuestion, kCopyTitle, copy);
        ui.ExpectTell(u"新規の個別情報を 「1000番」 に作成しました。　"_s, kCreatedTitle, MessageIcon::Information);
        const auto show = [&ui](const EditorFields& shown) {
            ui.log << u"Show: "_s + shown.Text(kTextNumber) + u' ' + shown.Text(kTextName);
        };
        QVERIFY(EditorNewEntry(dial, fields, ui, {}, show));
        VERIFY_INTERACTION(ui);
        QTEST(ui.log, "steps");
        QCOMPARE(fields.Text(kTextNumber), u"1000"_s);
    }

    void commandsAskBeforeDroppingFields_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("start");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<QString>("message"); // told although the command stops or goes on

        QTest::newRow("new entry") << u"new"_s << 3 << 2 << true << u""_s;
        QTest::newRow("previous") << u"previous"_s << 3 << 2 << true << u""_s;
        QTest::newRow("next") << u"next"_s << 3 << 2 << true << u""_s;
        QTest::newRow("next on the last row") << u"next"_s << 3 << 3 << true << u""_s;
        QTest::newRow("first") << u"first"_s << 3 << 2 << true << u""_s;
        QTest::newRow("last") << u"last"_s << 3 << 2 << true << u""_s;
        QTest::newRow("next with nothing selected") << u"next"_s << 3 << 0 << false << u""_s;
        QTest::newRow("first on an empty list") << u"first"_s << 0 << 1 << false << u""_s;
        QTest::newRow("last on an empty list") << u"last"_s << 0 << 1 << false << u""_s;
        QTest::newRow("new entry on a full list") << u"new"_s << 1001 << 2 << false << u"件数確認"_s;
    }

    // The guard is asked exactly when the command would replace the fields; when it says no,
    // nothing moves and the fields stay.
    void commandsAskBeforeDroppingFields()
    {
        QFETCH(QString, command);
        QFETCH(int, rows);
        QFETCH(int, start);
        QFETCH(bool, asked);
        QFETCH(QString, message);

        MemoryDial dial = DialNumbered(Range(0, rows - 1));
        dial.SelectedRow = start;
        EditorFields fields;
        fields.Text(kTextNumber) = u"005"_s;
        fields.Text(kTextName) = u"unsaved"_s;
        const EditorFields before = fields;
        FakeInteraction ui;
        if (!message.isEmpty()) {
            ui.ExpectAnyTell(message, MessageIcon::Warning);
        }
        int guardCalls = 0;
        const DropGuard refuse = [&guardCalls] {
            ++guardCalls;
            return false;
        };
        bool refilled = true;
        if (command == u"new") {
            refilled = EditorNewEntry(dial, fields, ui, refuse);
        } else if (command == u"previous" || command == u"next") {
            refilled = mnuFileRecord_Click(command == u"next" ? 1 : 0, dial, fields, ui, refuse);
        } else if (command == u"first") {
            refilled = ShowFirstEntry(dial, fields, refuse);
        } else {
            refilled = ShowLastEntry(dial, fields, refuse);
        }
        VERIFY_INTERACTION(ui);
        QVERIFY(!refilled);
        QCOMPARE(guardCalls, asked ? 1 : 0);
        QCOMPARE(dial.SelectedRow, start);
        QCOMPARE(dial.RowCount(), rows);
        QCOMPARE(fields.Text1, before.Text1);
    }

    // Storing the edits from inside the guard appends a row and moves to it; the command then
    // goes on from there.
    void commandGoesOnFromTheStoredEntry()
    {
        MemoryDial dial = DialNumbered(Range(0, 2));
        dial.SelectedRow = 2;
        EditorFields fields;
        const DropGuard appendRow = [&dial] {
            dial.rows.append(dial.rows.first());
            dial.rows.last()[kColName] = u"追加"_s;
            dial.SelectedRow = dial.RowCount();
            return true;
        };
        FakeInteraction ui;
        ui.ExpectTell(u"最後の個別情報です。　"_s, u"最後確認"_s, MessageIcon::Warning);
        QVERIFY(mnuFileRecord_Click(1, dial, fields, ui, appendRow));
        VERIFY_INTERACTION(ui);
        QCOMPARE(dial.SelectedRow, 4);
        QCOMPARE(fields.Text(kTextName), u"追加"_s);
    }

    void editorNewEntryOnFullList()
    {
        MemoryDial dial = DialNumbered(Range(0, 1000));
        EditorFields fields;
        fields.Text(kTextNumber) = u"005"_s;
        FakeInteraction ui;
        ui.ExpectTell(u"個別情報は 1001 件までしか保存できません。　これ以上は追加できません。　"_s, u"件数確認"_s,
                      MessageIcon::Warning);
        QVERIFY(!EditorNewEntry(dial, fields, ui));
        VERIFY_INTERACTION(ui);
        QCOMPARE(fields.Text(kTextNumber), u"005"_s);
    }

    void mainWindowNewEntry_data()
    {
        QTest::addColumn<QStringList>("numbers");
        QTest::addColumn<int>("entryCount");
        QTest::addColumn<int>("selectedRow");
        QTest::addColumn<int>("answer"); // -1: no question, 0 Cancel, 1 OK
        QTest::addColumn<bool>("selectMessage");
        QTest::addColumn<bool>("openEditor");
        QTest::addColumn<QString>("editMode");
        QTest::addColumn<QString>("copyEntry");
        QTest::addColumn<QString>("proposed");
        QTest::addColumn<int>("selectedAfter");

        const QStringList three = {u"000"_s, u"001"_s, u"003"_s};
        QTest::newRow("empty list starts a memory dial")
            << QStringList{} << 0 << 0 << -1 << false << true << u"1"_s << u"0"_s << u""_s << 1;
        QTest::newRow("copy of the selected row")
            << three << 3 << 2 << 1 << false << true << u"0"_s << u"1"_s << u"002"_s << 2;
        QTest::newRow("empty new entry") << three << 3 << 0 << 0 << false << true << u"0"_s << u"0"_s << u"002"_s << 0;
        QTest::newRow("copy without a selection")
            << three << 3 << 0 << 1 << true << false << u"0"_s << u"0"_s << u""_s << 0;
        QTest::newRow("copy of a deleted row")
            << three << 3 << 4 << 1 << true << false << u"0"_s << u"0"_s << u""_s << 4;
        QTest::newRow("all rows deleted, memory dial still loaded")
            << QStringList{} << 2 << 1 << 0 << false << true << u"0"_s << u"0"_s << u"000"_s << 1;
    }

    void mainWindowNewEntry()
    {
        QFETCH(QStringList, numbers);
        QFETCH(int, entryCount);
        QFETCH(int, selectedRow);
        QFETCH(int, answer);
        QFETCH(bool, selectMessage);
        QFETCH(bool, openEditor);
        QFETCH(QString, editMode);
        QFETCH(QString, copyEntry);
        QFETCH(QString, proposed);
        QFETCH(int, selectedAfter);

        MemoryDial dial = DialNumbered(numbers);
        dial.EntryCount = entryCount;
        dial.SelectedRow = selectedRow;
        dial.EditMode = u"2"_s;
        dial.CopyEntry = u"1"_s;
        FakeInteraction ui;
        if (answer >= 0) {
            ui.ExpectAsk(kCopyQuestion, kCopyTitle, answer == 1);
        }
        if (selectMessage) {
            ui.ExpectTell(u"コピーする個別情報をクリックして選択して下さい。　"_s, u"選択確認"_s, MessageIcon::Error);
        }
        const MainWindowNewEntryResult result = MainWindowNewEntry(dial, ui);
        VERIFY_INTERACTION(ui);

        QCOMPARE(result.openEditor, openEditor);
        QCOMPARE(result.proposedNumber, proposed);
        QCOMPARE(dial.EditMode, editMode);
        QCOMPARE(dial.CopyEntry, copyEntry);
        QCOMPARE(dial.SelectedRow, selectedAfter);
        QCOMPARE(dial.RowCount(), numbers.size());
    }

    void mainWindowNewEntryLoadsEditor()
    {
        MemoryDial dial = DialNumbered({u"000"_s, u"002"_s});
        dial.SelectedRow = 2;
        FakeInteraction ui;
        ui.ExpectAsk(kCopyQuestion, kCopyTitle, true);
        const MainWindowNewEntryResult result = MainWindowNewEntry(dial, ui);
        EditorFields fields;
        const EditorLoadState state = LoadEditor(dial, fields, result.proposedNumber);
        QCOMPARE(fields.Text(kTextNumber), u"001"_s);
        QCOMPARE(fields.Text(kTextName), u"名前002"_s);
        QVERIFY(state.tellCreatedOnActivate);

        ui.ExpectTell(u"新規の個別情報を 「001番」 に作成しました。　"_s, kCreatedTitle, MessageIcon::Information);
        TellEntryCreated(ui, fields);
        VERIFY_INTERACTION(ui);
    }

    void records_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("index"); // 0 previous, 1 next
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<int>("end");

        QTest::newRow("next in the middle") << 3 << 2 << 1 << u""_s << true << 3;
        QTest::newRow("previous in the middle") << 3 << 2 << 0 << u""_s << true << 1;
        QTest::newRow("next on the last row") << 3 << 3 << 1 << u"最後の個別情報です。　"_s << true << 3;
        QTest::newRow("previous on the first row") << 3 << 1 << 0 << u"先頭の個別情報です。　"_s << true << 1;
        QTest::newRow("next on a single row") << 1 << 1 << 1 << u"最後の個別情報です。　"_s << true << 1;
        QTest::newRow("empty list") << 0 << 1 << 1 << u""_s << false << 1;
        QTest::newRow("nothing selected") << 3 << 0 << 1 << u""_s << false << 0;
        QTest::newRow("selection past the end") << 3 << 5 << 0 << u""_s << false << 5;
    }

    void records()
    {
        QFETCH(int, rows);
        QFETCH(int, start);
        QFETCH(int, index);
        QFETCH(QString, message);
        QFETCH(bool, shown);
        QFETCH(int, end);

        MemoryDial dial = DialNumbered(Range(0, rows - 1));
        dial.SelectedRow = start;
        EditorFields fields;
        fields.Text(kTextName) = u"unsaved"_s;
        FakeInteraction ui;
        if (!message.isEmpty()) {
            ui.ExpectTell(message, index == 1 ? u"最後確認"_s : u"先頭確認"_s, MessageIcon::Warning);
        }
        QCOMPARE(mnuFileRecord_Click(index, dial, fields, ui), shown);
        VERIFY_INTERACTION(ui);
        QCOMPARE(dial.SelectedRow, end);
        QCOMPARE(fields.Text(kTextName), shown ? u"名前%1"_s.arg(end - 1, 3, 10, QChar(u'0')) : u"unsaved"_s);
    }

    void firstAndLast_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("start");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");

        QTest::newRow("three rows") << 3 << 2 << true << 1 << 3;
        QTest::newRow("nothing selected") << 3 << 0 << true << 1 << 3;
        QTest::newRow("empty list") << 0 << 1 << false << 1 << 1;
    }

    void firstAndLast()
    {
        QFETCH(int, rows);
        QFETCH(int, start);
        QFETCH(bool, shown);
        QFETCH(int, first);
        QFETCH(int, last);

        MemoryDial dial = DialNumbered(Range(0, rows - 1));
        dial.SelectedRow = start;
        EditorFields fields;
        fields.Text(kTextName) = u"unsaved"_s;
        QCOMPARE(ShowFirstEntry(dial, fields), shown);
        QCOMPARE(dial.SelectedRow, first);
        QCOMPARE(fields.Text(kTextName), shown ? u"名前000"_s : u"unsaved"_s);
        QCOMPARE(ShowLastEntry(dial, fields), shown);
        QCOMPARE(dial.SelectedRow, last);
        QCOMPARE(fields.Text(kTextName), shown ? u"名前%1"_s.arg(rows - 1, 3, 10, QChar(u'0')) : u"unsaved"_s);
    }
};

QTEST_GUILESS_MAIN(TestEditorNavigation)
#include "tst_editornavigation.moc"
