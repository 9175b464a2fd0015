#include "FakeInteraction.h"
#include "editor/EditorFields.h"
#include "editor/EntryStore.h"

#include <QTest>
#include <QTimeZone>

using namespace Qt::StringLiterals;

namespace {

const QString kPostalLength = u"入力された郵便番号が７桁ではありません。　"_s;
const QString kPostalDigit = u"入力された郵便番号が数字ではありません。　"_s;
const QString kTelDigit = u"入力された電話番号が数字ではありません。　"_s;
const QString kBirthday = u"誕生日の 「年」、「月」、「日」 のどれかが、選択入力されていません。　"_s;
const QString kBirthYear = u"入力された誕生日の 「年」 が４桁の数字ではありません。　"_s;
const QString kOverwrite = u"既に当該番号の個別情報は存在します。　上書きしますか？　"_s;
const QString kAppended = u"新規に個別情報を保存しました。　"_s;

QDateTime FixedClock()
{
    return QDateTime(QDate(2005, 3, 7), QTime(9, 5, 3));
}

Entry Row(const QString& number, const QString& name)
{
    Entry entry;
    entry[kColNumber] = number;
    entry[kColName] = name;
    entry[kColSecret] = u"PUBLIC"_s;
    entry[kColTelKind1 + 2] = u"自宅"_s;
    entry[kColRevision] = u"20010101T101010Z"_s;
    return entry;
}

MemoryDial ThreeRows()
{
    MemoryDial dial;
    dial.rows = {Row(u"000"_s, u"太郎"_s), Row(u"001"_s, u"花子"_s), Row(u"002"_s, u"次郎"_s)};
    dial.GroupCount = u"1"_s;
    dial.EditMode = u"2"_s;
    dial.SelectedRow = 2;
    return dial;
}

EditorFields FieldsFor(const QString& number, const QString& name)
{
    EditorFields fields;
    fields.Text(kTextNumber) = number;
    fields.Text(kTextName) = name;
    fields.Combo(kComboGroup) = u"00 "_s;
    return fields;
}

} // namespace

class TestEditorStore : public QObject
{
    Q_OBJECT

private slots:
    void checks_data()
    {
        QTest::addColumn<QStringList>("texts"); // index=value pairs for Text1
        QTest::addColumn<QStringList>("birthday");
        QTest::addColumn<QString>("message"); // empty: passes
        QTest::addColumn<int>("focus");

        const QStringList noBirthday = {u""_s, u""_s, u""_s};
        QTest::newRow("all empty passes") << QStringList{} << noBirthday << u""_s << -1;
        QTest::newRow("full postal and digits pass")
            << QStringList{u"13=123"_s, u"14=4567"_s, u"3=0312345678"_s, u"7=09000000000"_s}
            << QStringList{u"1970"_s, u"03"_s, u"15"_s} << u""_s << -1;
        QTest::newRow("first part alone") << QStringList{u"13=123"_s} << noBirthday << kPostalLength << -1;
        QTest::newRow("second part alone") << QStringList{u"14=4567"_s} << noBirthday << kPostalLength << -1;
        QTest::newRow("short second part")
            << QStringList{u"13=123"_s, u"14=456"_s} << noBirthday << kPostalLength << -1;
        QTest::newRow("length before digits")
            << QStringList{u"13=1a"_s, u"14=4567"_s} << noBirthday << kPostalLength << -1;
        QTest::newRow("letter in first part")
            << QStringList{u"13=12a"_s, u"14=4567"_s} << noBirthday << kPostalDigit << 13;
        QTest::newRow("letter in second part")
            << QStringList{u"13=123"_s, u"14=45-7"_s} << noBirthday << kPostalDigit << 14;
        QTest::newRow("full-width postal digits")
            << QStringList{u"13=１２３"_s, u"14=4567"_s} << noBirthday << kPostalDigit << 13;
        QTest::newRow("postal before telephone")
            << QStringList{u"13=12a"_s, u"14=4567"_s, u"3=03-1234"_s} << noBirthday << kPostalDigit << 13;
        QTest::newRow("hyphen in telephone 1") << QStringList{u"3=03-1234"_s} << noBirthday << kTelDigit << 3;
        QTest::newRow("blank in telephone 4") << QStringList{u"6=03 1234"_s} << noBirthday << kTelDigit << 6;
        QTest::newRow("first bad telephone wins")
            << QStringList{u"5=+81"_s, u"7=abc"_s} << noBirthday << kTelDigit << 5;
        QTest::newRow("full-width telephone digit") << QStringList{u"7=０３"_s} << noBirthday << kTelDigit << 7;
        QTest::newRow("mail and others unchecked")
            << QStringList{u"8=a b@c"_s, u"1=名前 1"_s, u"19=35.6,139.7"_s} << noBirthday << u""_s << -1;
        QTest::newRow("telephone before birthday")
            << QStringList{u"3=x"_s} << QStringList{u"1970"_s, u""_s, u""_s} << kTelDigit << 3;
        QTest::newRow("day missing") << QStringList{} << QStringList{u"1970"_s, u"03"_s, u""_s} << kBirthday << -1;
        QTest::newRow("only day") << QStringList{} << QStringList{u""_s, u""_s, u"15"_s} << kBirthday << -1;
        QTest::newRow("month and day texts not validated")
            << QStringList{} << QStringList{u"1970"_s, u"99"_s, u"x"_s} << u""_s << -1;
        QTest::newRow("year before 1900 of four digits")
            << QStringList{} << QStringList{u"0050"_s, u"01"_s, u"01"_s} << u""_s << -1;
        QTest::newRow("negative year") << QStringList{} << QStringList{u"-45"_s, u"12"_s, u"09"_s} << kBirthYear << -1;
        QTest::newRow("year of far past")
            << QStringList{} << QStringList{u"-4714"_s, u"11"_s, u"25"_s} << kBirthYear << -1;
        QTest::newRow("year of two digits")
            << QStringList{} << QStringList{u"96"_s, u"02"_s, u"29"_s} << kBirthYear << -1;
        QTest::newRow("year of five digits")
            << QStringList{} << QStringList{u"19960"_s, u"02"_s, u"29"_s} << kBirthYear << -1;
        QTest::newRow("letters for year")
            << QStringList{} << QStringList{u"abcd"_s, u"02"_s, u"29"_s} << kBirthYear << -1;
        QTest::newRow("full-width year") << QStringList{} << QStringList{u"１９６０"_s, u"01"_s, u"01"_s} << kBirthYear
                                         << -1;
        QTest::newRow("incomplete birthday before year")
            << QStringList{} << QStringList{u"-45"_s, u""_s, u"09"_s} << kBirthday << -1;
    }

    void checks()
    {
        QFETCH(QStringList, texts);
        QFETCH(QStringList, birthday);
        QFETCH(QString, message);
        QFETCH(int, focus);

        EditorFields fields;
        for (const QString& pair : texts) {
            const qsizetype equals = pair.indexOf(u'=');
            fields.Text(pair.left(equals).toInt()) = pair.mid(equals + 1);
        }
        fields.Combo(kComboBirthYear) = birthday[0];
        fields.Combo(kComboBirthMonth) = birthday[1];
        fields.Combo(kComboBirthDay) = birthday[2];

        const auto failure = CheckEntryFields(fields);
        if (message.isEmpty()) {
            QVERIFY2(!failure, qPrintable(failure ? failure->text : QString()));
            return;
        }
        QVERIFY(failure);
        QCOMPARE(failure->text, message);
        QCOMPARE(failure->focusIndex, focus);

        // The save command shows the same warning and stores nothing.
        MemoryDial dial = ThreeRows();
        fields.Text(kTextNumber) = u"001"_s;
        const QList<Entry> before = dial.rows;
        FakeInteraction ui;
        const QString title = message == kPostalLength ? u"桁数確認"_s
                              : message == kBirthday   ? u"入力確認"_s
                                                       : u"数字確認"_s;
        QCOMPARE(failure->title, title);
        ui.ExpectTell(message, title, MessageIcon::Warning);
        const EntrySaveResult result = SaveEntry(dial, fields, ui, FixedClock());
        VERIFY_INTERACTION(ui);
        QCOMPARE(result.outcome, EntrySaveOutcome::Refused);
        QCOMPARE(result.focusIndex, focus);
        QCOMPARE(dial.rows, before);
        QCOMPARE(dial.SelectedRow, 2);
    }

    void stampFormat_data()
    {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("stamp");

        QTest::newRow("morning") << FixedClock() << u"20050307T090503Z"_s;
        QTest::newRow("last second of a year")
            << QDateTime(QDate(1999, 12, 31), QTime(23, 59, 59)) << u"19991231T235959Z"_s;
        QTest::newRow("midnight") << QDateTime(QDate(2024, 1, 1), QTime(0, 0, 0)) << u"20240101T000000Z"_s;
        // The clock's own time is written; the Z is not a promise of UTC.
        QTest::newRow("offset clock not converted")
            << QDateTime(QDate(2005, 3, 7), QTime(9, 5, 3), QTimeZone(9 * 3600)) << u"20050307T090503Z"_s;
    }

    void stampFormat()
    {
        QFETCH(QDateTime, now);
        QFETCH(QString, stamp);
        QCOMPARE(RevisionStamp(now), stamp);
    }

    void overwriteOrAppend_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<EntrySaveOutcome>("outcome");
        QTest::addColumn<int>("changedRow"); // 0: no row changed
        QTest::addColumn<int>("rowCount");
        QTest::addColumn<int>("selectedRow");

        QTest::newRow("own number, OK") << u"001"_s << true << EntrySaveOutcome::Overwritten << 2 << 3 << 2;
        QTest::newRow("own number, Cancel") << u"001"_s << false << EntrySaveOutcome::Cancelled << 0 << 3 << 2;
        QTest::newRow("other row's number, OK") << u"002"_s << true << EntrySaveOutcome::Overwritten << 3 << 3 << 3;
        QTest::newRow("new number appends") << u"003"_s << false << EntrySaveOutcome::Appended << 4 << 4 << 4;
        QTest::newRow("text compare: 1 is not 001") << u"1"_s << false << EntrySaveOutcome::Appended << 4 << 4 << 4;
    }

    void overwriteOrAppend()
    {
        QFETCH(QString, number);
        QFETCH(bool, answer);
        QFETCH(EntrySaveOutcome, outcome);
        QFETCH(int, changedRow);
        QFETCH(int, rowCount);
        QFETCH(int, selectedRow);

        MemoryDial dial = ThreeRows();
        const QList<Entry> before = dial.rows;
        EditorFields fields = FieldsFor(number, u"新しい名前"_s);
        FakeInteraction ui;
        if (outcome == EntrySaveOutcome::Appended) {
            ui.ExpectTell(kAppended, u"新規保存確認"_s, MessageIcon::Information);
        } else {
            ui.ExpectAsk(kOverwrite, u"上書確認"_s, answer);
        }
        const EntrySaveResult result = SaveEntry(dial, fields, ui, FixedClock());
        VERIFY_INTERACTION(ui);

        QCOMPARE(result.outcome, outcome);
        QCOMPARE(dial.RowCount(), rowCount);
        QCOMPARE(dial.SelectedRow, selectedRow);
        for (int row = 1; row <= dial.RowCount(); ++row) {
            if (row == changedRow) {
                QCOMPARE(dial.Cell(row, kColName), u"新しい名前"_s);
                QCOMPARE(dial.Cell(row, kColNumber), number);
            } else {
                QCOMPARE(dial.rows[row - 1], before[row - 1]);
            }
            QCOMPARE(dial.EntryNumbers[row - 1], dial.Cell(row, kColNumber));
        }
        if (outcome == EntrySaveOutcome::Overwritten) {
            // An overwrite keeps the stamp and the kind of the cleared telephone 2.
            QCOMPARE(dial.Cell(changedRow, kColRevision), u"20010101T101010Z"_s);
            QCOMPARE(dial.Cell(changedRow, TelKindCell(2)), u"自宅"_s);
        }
        if (outcome == EntrySaveOutcome::Appended) {
            QCOMPARE(dial.Cell(4, kColRevision), u"20050307T090503Z"_s);
            QCOMPARE(dial.Cell(4, TelKindCell(2)), u""_s);
            QCOMPARE(dial.Cell(4, kColItem), u""_s);
            QVERIFY(result.enableMainSave);
        }
    }

    void numbersOfEveryLength_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<int>("changedRow");
        QTest::newRow("000") << u"000"_s << 1;
        QTest::newRow("123") << u"123"_s << 2;
        QTest::newRow("1234 is not 123") << u"1234"_s << 3;
    }

    void numbersOfEveryLength()
    {
        QFETCH(QString, number);
        QFETCH(int, changedRow);
        MemoryDial dial = ThreeRows();
        dial.rows[1][kColNumber] = u"123"_s;
        dial.rows[2][kColNumber] = u"1234"_s;
        const QList<Entry> before = dial.rows;
        FakeInteraction ui;
        ui.ExpectAsk(kOverwrite, u"上書確認"_s, true);
        QCOMPARE(SaveEntry(dial, FieldsFor(number, u"上書き"_s), ui, FixedClock()).outcome,
                 EntrySaveOutcome::Overwritten);
        VERIFY_INTERACTION(ui);
        QCOMPARE(dial.SelectedRow, changedRow);
        for (int row = 1; row <= 3; ++row) {
            QCOMPARE(dial.Cell(row, kColName), row == changedRow ? u"上書き"_s : before[row - 1][kColName]);
            QCOMPARE(dial.Cell(row, kColNumber), before[row - 1][kColNumber]);
        }
    }

    void duplicateNumbersOverwriteLater()
    {
        MemoryDial dial = ThreeRows();
        dial.rows[2][kColNumber] = u"001"_s;
        EditorFields fields = FieldsFor(u"001"_s, u"上書き"_s);
        FakeInteraction ui;
        ui.ExpectAsk(kOverwrite, u"上書確認"_s, true);
        QCOMPARE(SaveEntry(dial, fields, ui, FixedClock()).outcome, EntrySaveOutcome::Overwritten);
        VERIFY_INTERACTION(ui);
        QCOMPARE(dial.Cell(2, kColName), u"花子"_s);
        QCOMPARE(dial.Cell(3, kColName), u"上書き"_s);
        QCOMPARE(dial.SelectedRow, 3);
    }

    void secondSaveOfNewEntryOverwrites()
    {
        MemoryDial dial = ThreeRows();
        EditorFields fields = FieldsFor(u"003"_s, u"四郎"_s);
        FakeInteraction ui;
        ui.ExpectTell(kAppended, u"新規保存確認"_s, MessageIcon::Information);
        ui.ExpectAsk(kOverwrite, u"上書確認"_s, true);
        QCOMPARE(SaveEntry(dial, fields, ui, FixedClock()).outcome, EntrySaveOutcome::Appended);
        fields.Text(kTextName) = u"四郎2"_s;
        QCOMPARE(SaveEntry(dial, fields, ui, QDateTime(QDate(2006, 1, 1), QTime(1, 1, 1))).outcome,
                 EntrySaveOutcome::Overwritten);
        VERIFY_INTERACTION(ui);
        QCOMPARE(dial.RowCount(), 4);
        QCOMPARE(dial.Cell(4, kColName), u"四郎2"_s);
        QCOMPARE(dial.Cell(4, kColRevision), u"20050307T090503Z"_s);
    }

    void firstEntryOfNewDial()
    {
        MemoryDial dial;
        dial.EditMode = u"1"_s;
        dial.SelectedRow = 1;
        dial.GroupNames[0] = u"ｸﾞﾙｰﾌﾟ0"_s;
        dial.GroupCount = u"1"_s;
        EditorFields fields = FieldsFor(u"000"_s, u"最初"_s);
        fields.Combo(kComboGroup) = u"00 ｸﾞﾙｰﾌﾟ0"_s;
        FakeInteraction ui;
        ui.ExpectTell(kAppended, u"新規保存確認"_s, MessageIcon::Information);
        const EntrySaveResult result = SaveEntry(dial, fields, ui, FixedClock());
        VERIFY_INTERACTION(ui);
        QCOMPARE(result.outcome, EntrySaveOutcome::Appended);
        QVERIFY(!result.enableMainSave);
        QCOMPARE(dial.Cell(1, kColNumber), u"000"_s);
        QCOMPARE(dial.Cell(1, kColGroupNumber), u"00"_s);
        QCOMPARE(dial.Cell(1, kColGroupName), u"ｸﾞﾙｰﾌﾟ0"_s);
        QCOMPARE(dial.Cell(1, kColSecret), u"PUBLIC"_s);
        QCOMPARE(dial.SelectedRow, 1);
        QCOMPARE(dial.EditMode, u"1"_s);
    }

    void fullListRefusesAppend()
    {
        MemoryDial dial;
        for (int i = 0; i < 1001; ++i) {
            dial.rows.append(Row(u"%1"_s.arg(i, 3, 10, QChar(u'0')), u"n"_s));
        }
        dial.SelectedRow = 5;
        FakeInteraction ui;
        ui.ExpectTell(u"個別情報は 1001 件までしか保存できません。　これ以上は追加できません。　"_s, u"件数確認"_s,
                      MessageIcon::Warning);
        EditorFields fields = FieldsFor(u"1001"_s, u"溢れ"_s);
        QCOMPARE(SaveEntry(dial, fields, ui, FixedClock()).outcome, EntrySaveOutcome::Refused);
        QCOMPARE(dial.RowCount(), 1001);
        QCOMPARE(dial.SelectedRow, 5);

        // A full list still takes overwrites.
        ui.ExpectAsk(kOverwrite, u"上書確認"_s, true);
        fields.Text(kTextNumber) = u"1000"_s;
        QCOMPARE(SaveEntry(dial, fields, ui, FixedClock()).outcome, EntrySaveOutcome::Overwritten);
        VERIFY_INTERACTION(ui);
        QCOMPARE(dial.Cell(1001, kColName), u"溢れ"_s);
    }

    void storeAndStampRefuseMissingRows()
    {
        MemoryDial dial = ThreeRows();
        const QList<Entry> before = dial.rows;
        const EditorFields fields = FieldsFor(u"009"_s, u"x"_s);
        QVERIFY(!StoreEntry(dial, 0, fields));
        QVERIFY(!StoreEntry(dial, 4, fields));
        QVERIFY(!StampEntry(dial, 4, FixedClock()));
        QCOMPARE(dial.rows, before);
        QVERIFY(StampEntry(dial, 3, FixedClock()));
        QCOMPARE(dial.Cell(3, kColRevision), u"20050307T090503Z"_s);
    }
};

QTEST_GUILESS_MAIN(TestEditorStore)
#include "tst_editorstore.moc"
