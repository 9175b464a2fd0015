#include "FakeInteraction.h"
#include "editor/EditorChanges.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString kSaveChanges = u"変更を保存しますか"_s;
const QString kSaveChangesTitle = u"変更確認"_s;
const QString kOverwrite = u"既に当該番号の個別情報は存在します。　上書きしますか？　"_s;

Entry Row(const QString& number, const QString& name)
{
    Entry entry;
    entry[kColNumber] = number;
    entry[kColName] = name;
    entry[kColSecret] = u"PUBLIC"_s;
    entry[kColGroupNumber] = u"00"_s;
    entry[kColRevision] = u"20010101T101010Z"_s;
    return entry;
}

MemoryDial TwoRows()
{
    MemoryDial dial;
    dial.rows = {Row(u"000"_s, u"太郎"_s), Row(u"001"_s, u"花子"_s)};
    dial.GroupCount = u"1"_s;
    dial.EditMode = u"2"_s;
    dial.SelectedRow = 2;
    dial.RebuildEntryNumbers();
    return dial;
}

EditorFields Shown(const MemoryDial& dial)
{
    EditorFields fields;
    fields.GroupList = {u"00 "_s};
    ShowEntry(fields, dial.rows[1]);
    return fields;
}

} // namespace

class TestEditorChanges : public QObject
{
    Q_OBJECT

private slots:
    void fieldsChanged_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("changed");
        QTest::newRow("nothing") << u""_s << false;
        QTest::newRow("name typed") << u"name"_s << true;
        QTest::newRow("drop-down text") << u"blood"_s << true;
        QTest::newRow("secret choice") << u"private"_s << true;
        QTest::newRow("focus moved") << u"focus"_s << false;
        QTest::newRow("revision panel") << u"panel"_s << false;
    }

    void fieldsChanged()
    {
        QFETCH(QString, change);
        const EditorFields shown = Shown(TwoRows());
        EditorFields fields = shown;
        if (change == u"name") {
            fields.Text(kTextName) += u"子"_s;
        } else if (change == u"blood") {
            fields.Combo(kComboBloodType) = u"AB"_s;
        } else if (change == u"private") {
            fields.Private = !fields.Private;
        } else if (change == u"focus") {
            fields.LastFocusIndex = 17;
        } else if (change == u"panel") {
            fields.RevisionPanel.clear();
        }
        QTEST(FieldsChanged(fields, shown), "changed");
    }

    void confirmDrop_data()
    {
        QTest::addColumn<QString>("edit");  // "" leaves the fields as shown
        QTest::addColumn<int>("choice");    // -1: no question; else a SaveChoice
        QTest::addColumn<int>("overwrite"); // -1: no overwrite question; 0 Cancel, 1 OK
        QTest::addColumn<bool>("goOn");
        QTest::addColumn<QString>("stored"); // name in row 2 afterwards
        QTest::addColumn<int>("rowCount");

        const int save = static_cast<int>(SaveChoice::Save);
        const int discard = static_cast<int>(SaveChoice::Discard);
        const int cancel = static_cast<int>(SaveChoice::Cancel);
        QTest::newRow("fields as shown: no question") << u""_s << -1 << -1 << true << u"花子"_s << 2;
        QTest::newRow("保存しない drops the edits") << u"name"_s << discard << -1 << true << u"花子"_s << 2;
        QTest::newRow("キャンセル keeps them") << u"name"_s << cancel << -1 << false << u"花子"_s << 2;
        QTest::newRow("保存 overwrites the entry") << u"name"_s << save << 1 << true << u"花子さん"_s << 2;
        QTest::newRow("保存, overwrite cancelled") << u"name"_s << save << 0 << false << u"花子"_s << 2;
        QTest::newRow("保存 refused by a check") << u"postal"_s << save << -1 << false << u"花子"_s << 2;
        QTest::newRow("保存 of a new number appends") << u"number"_s << save << -1 << true << u"花子"_s << 3;
    }

    void confirmDrop()
    {
        QFETCH(QString, edit);
        QFETCH(int, choice);
        QFETCH(int, overwrite);
        QFETCH(bool, goOn);
        QFETCH(QString, stored);
        QFETCH(int, rowCount);

        MemoryDial dial = TwoRows();
        const EditorFields shown = Shown(dial);
        EditorFields fields = shown;
        if (edit == u"name") {
            fields.Text(kTextName) = u"花子さん"_s;
        } else if (edit == u"postal") {
            fields.Text(kTextPostalFirst) = u"12"_s;
        } else if (edit == u"number") {
            fields.Text(kTextNumber) = u"1000"_s;
        }
        FakeInteraction ui;
        if (choice >= 0) {
            ui.ExpectAskSave(kSaveChanges, kSaveChangesTitle, static_cast<SaveChoice>(choice));
        }
        if (overwrite >= 0) {
            ui.ExpectAsk(kOverwrite, u"上書確認"_s, overwrite == 1);
        }
        if (edit == u"postal") {
            ui.ExpectTell(u"入力された郵便番号が７桁ではありません。　"_s, u"桁数確認"_s, MessageIcon::Warning);
        }
        if (edit == u"number") {
            ui.ExpectTell(u"新規に個別情報を保存しました。　"_s, u"新規保存確認"_s, MessageIcon::Information);
        }
        const DropFieldsResult result =
            ConfirmDropFields(dial, fields, shown, ui, QDateTime(QDate(2005, 3, 7), QTime(9, 5, 3)));
        VERIFY_INTERACTION(ui);

        QCOMPARE(result.goOn, goOn);
        QCOMPARE(result.saved.has_value(), choice == static_cast<int>(SaveChoice::Save));
        QCOMPARE(dial.Cell(2, kColName), stored);
        QCOMPARE(dial.RowCount(), rowCount);
        if (rowCount == 3) {
            QCOMPARE(dial.Cell(3, kColNumber), u"1000"_s);
            QCOMPARE(result.saved->outcome, EntrySaveOutcome::Appended);
        }
    }
};

QTEST_GUILESS_MAIN(TestEditorChanges)
#include "tst_editorchanges.moc"
