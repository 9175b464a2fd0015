#include "editor/EditorFields.h"
#include "editor/EditorLoad.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// An entry with a distinct text in every cell, so a cell copied to the wrong place shows.
Entry FullEntry()
{
    Entry entry;
    for (int cell = 1; cell < kEntryColumnCount; ++cell) {
        entry[cell] = u"c%1"_s.arg(cell);
    }
    entry[kColSecret] = u"PUBLIC"_s;
    entry[kColGroupNumber] = u"07"_s;
    entry[kColGroupName] = u"友人"_s;
    entry[kColPostalCode] = u"123-4567"_s;
    entry[kColBirthday] = u"19700315"_s;
    return entry;
}

MemoryDial DialWithGroups(const QString& groupCount)
{
    MemoryDial dial;
    dial.GroupNames[0] = u"家族"_s;
    dial.GroupNames[7] = u"友人"_s;
    dial.GroupNames[9] = u"仕事"_s;
    dial.GroupNames[10] = u"学校"_s;
    dial.GroupCount = groupCount;
    return dial;
}

} // namespace

class TestEditorFields : public QObject
{
    Q_OBJECT

private slots:
    void showEveryField()
    {
        EditorFields fields;
        fields.LastFocusIndex = 15;
        ShowEntry(fields, FullEntry());

        const QStringList texts = {u"c1"_s,   u"c2"_s,  u"c3"_s,  u"c5"_s,  u"c7"_s,  u"c9"_s,  u"c11"_s,
                                   u"c13"_s,  u"c15"_s, u"c17"_s, u"c19"_s, u"c21"_s, u"c23"_s, u"123"_s,
                                   u"4567"_s, u"c27"_s, u"c33"_s, u"c34"_s, u"c35"_s, u"c36"_s};
        for (int i = 0; i < kTextCount; ++i) {
            QCOMPARE(fields.Text1[static_cast<std::size_t>(i)], texts[i]);
        }
        const QStringList combos = {u"07 友人"_s, u"c6"_s,  u"c8"_s,  u"c10"_s, u"c12"_s, u"c14"_s,
                                    u"c16"_s,     u"c18"_s, u"c20"_s, u"c22"_s, u"c24"_s, u"c29"_s,
                                    u"1970"_s,    u"03"_s,  u"15"_s,  u"c32"_s, u"c30"_s};
        for (int i = 0; i < kComboCount; ++i) {
            QCOMPARE(fields.Combo1[static_cast<std::size_t>(i)], combos[i]);
        }
        QVERIFY(!fields.Private);
        QCOMPARE(fields.RevisionPanel, u"c37"_s);
        QCOMPARE(fields.LastFocusIndex, 15);
    }

    void showSplitsAndSecret_data()
    {
        QTest::addColumn<QString>("secret");
        QTest::addColumn<QString>("postal");
        QTest::addColumn<QString>("birthday");
        QTest::addColumn<QString>("groupNumber");
        QTest::addColumn<QString>("groupName");
        QTest::addColumn<bool>("isPrivate");
        QTest::addColumn<QStringList>("shown"); // postal 1, postal 2, year, month, day, group

        QTest::newRow("public, full forms")
            << u"PUBLIC"_s << u"123-4567"_s << u"19700315"_s << u"07"_s << u"友人"_s << false
            << QStringList{u"123"_s, u"4567"_s, u"1970"_s, u"03"_s, u"15"_s, u"07 友人"_s};
        QTest::newRow("private, seven-digit postal")
            << u"PRIVATE"_s << u"1234567"_s << u""_s << u"00"_s << u""_s << true
            << QStringList{u"123"_s, u"4567"_s, u""_s, u""_s, u""_s, u"00 "_s};
        QTest::newRow("empty cells") << u""_s << u""_s << u""_s << u""_s << u""_s << true
                                     << QStringList{u""_s, u""_s, u""_s, u""_s, u""_s, u" "_s};
        QTest::newRow("lower-case public is private")
            << u"public"_s << u"12"_s << u"197"_s << u"1"_s << u"x"_s << true
            << QStringList{u"12"_s, u"12"_s, u"197"_s, u""_s, u"97"_s, u"1 x"_s};
    }

    void showSplitsAndSecret()
    {
        QFETCH(QString, secret);
        QFETCH(QString, postal);
        QFETCH(QString, birthday);
        QFETCH(QString, groupNumber);
        QFETCH(QString, groupName);
        QFETCH(bool, isPrivate);
        QFETCH(QStringList, shown);

        Entry entry;
        entry[kColSecret] = secret;
        entry[kColPostalCode] = postal;
        entry[kColBirthday] = birthday;
        entry[kColGroupNumber] = groupNumber;
        entry[kColGroupName] = groupName;
        EditorFields fields;
        ShowEntry(fields, entry);

        QCOMPARE(fields.Private, isPrivate);
        QCOMPARE(fields.Text(kTextPostalFirst), shown[0]);
        QCOMPARE(fields.Text(kTextPostalSecond), shown[1]);
        QCOMPARE(fields.Combo(kComboBirthYear), shown[2]);
        QCOMPARE(fields.Combo(kComboBirthMonth), shown[3]);
        QCOMPARE(fields.Combo(kComboBirthDay), shown[4]);
        QCOMPARE(fields.Combo(kComboGroup), shown[5]);
    }

    void showMissingRowLeavesFields()
    {
        MemoryDial dial;
        dial.rows.append(FullEntry());
        EditorFields fields;
        fields.Text(kTextName) = u"typed"_s;
        QVERIFY(!ShowEntry(fields, dial, 0));
        QVERIFY(!ShowEntry(fields, dial, 2));
        QCOMPARE(fields.Text(kTextName), u"typed"_s);
        QVERIFY(ShowEntry(fields, dial, 1));
        QCOMPARE(fields.Text(kTextName), u"c2"_s);
    }

    void composeEveryCell()
    {
        EditorFields fields;
        for (int i = 0; i < kTextCount; ++i) {
            fields.Text(i) = u"t%1"_s.arg(i);
        }
        for (int i = 0; i < kComboCount; ++i) {
            fields.Combo(i) = u"k%1"_s.arg(i);
        }
        fields.Combo(kComboGroup) = u"05 typed"_s;
        fields.Private = true;
        Entry entry;
        entry[kColItem] = u"item"_s;
        entry[kColRevision] = u"20000101T000000Z"_s;
        ComposeEntryCells(fields, MemoryDial().GroupNames, entry);

        const QStringList expected = {u"item"_s,    u"t0"_s,
                                      u"t1"_s,      u"t2"_s,
                                      u"PRIVATE"_s, u"t3"_s,
                                      u"k1"_s,      u"t4"_s,
                                      u"k2"_s,      u"t5"_s,
                                      u"k3"_s,      u"t6"_s,
                                      u"k4"_s,      u"t7"_s,
                                      u"k5"_s,      u"t8"_s,
                                      u"k6"_s,      u"t9"_s,
                                      u"k7"_s,      u"t10"_s,
                                      u"k8"_s,      u"t11"_s,
                                      u"k9"_s,      u"t12"_s,
                                      u"k10"_s,     u"05"_s,
                                      u"typed"_s,   u"t15"_s,
                                      u"t13-t14"_s, u"k11"_s,
                                      u"k16"_s,     u"k12k13k14"_s,
                                      u"k15"_s,     u"t16"_s,
                                      u"t17"_s,     u"t18"_s,
                                      u"t19"_s,     u"20000101T000000Z"_s};
        for (int cell = 0; cell < kEntryColumnCount; ++cell) {
            QCOMPARE(entry[cell], expected[cell]);
        }
    }

    void composeKinds_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("kindBox");
        QTest::addColumn<QString>("oldKind");
        QTest::addColumn<QString>("storedKind");

        QTest::newRow("tel, kind chosen") << 1 << u"0312345678"_s << u"携帯"_s << u""_s << u"携帯"_s;
        QTest::newRow("tel, empty kind defaults") << 3 << u"0312345678"_s << u""_s << u"FAX"_s << u"その他"_s;
        QTest::newRow("tel cleared keeps old kind") << 5 << u""_s << u"携帯"_s << u"自宅"_s << u"自宅"_s;
        QTest::newRow("mail, empty kind defaults") << 6 << u"a@b.jp"_s << u""_s << u""_s << u"その他"_s;
        QTest::newRow("mail cleared keeps old kind") << 10 << u""_s << u""_s << u"学校"_s << u"学校"_s;
        QTest::newRow("typed word kept") << 7 << u"x@y.jp"_s << u"恋人"_s << u""_s << u"恋人"_s;
    }

    void composeKinds()
    {
        QFETCH(int, slot); // 1-5 telephones, 6-10 mail addresses
        QFETCH(QString, number);
        QFETCH(QString, kindBox);
        QFETCH(QString, oldKind);
        QFETCH(QString, storedKind);

        EditorFields fields;
        fields.Text(kTextTel1 + slot - 1) = number;
        fields.Combo(kComboTelKind1 + slot - 1) = kindBox;
        Entry entry;
        const int numberCell = 3 + 2 * slot;
        entry[numberCell] = u"old number"_s;
        entry[numberCell + 1] = oldKind;
        ComposeEntryCells(fields, MemoryDial().GroupNames, entry);
        QCOMPARE(entry[numberCell], number);
        QCOMPARE(entry[numberCell + 1], storedKind);
    }

    void composeGroupName_data()
    {
        QTest::addColumn<QString>("groupText");
        QTest::addColumn<QString>("groupNumber");
        QTest::addColumn<QString>("groupName");

        QTest::newRow("named group wins over typed name") << u"07 別名"_s << u"07"_s << u"友人"_s;
        QTest::newRow("unnamed group takes typed name") << u"08 新しい"_s << u"08"_s << u"新しい"_s;
        QTest::newRow("two-digit group 10") << u"10 学校"_s << u"10"_s << u"学校"_s;
        QTest::newRow("short text, no name") << u"05"_s << u"05"_s << u""_s;
        QTest::newRow("no leading number reads group 0") << u"友人たち"_s << u"友人"_s << u"家族"_s;
        QTest::newRow("empty box reads group 0") << u""_s << u""_s << u"家族"_s;
        QTest::newRow("above 1000 has no name") << u"1007 遠い"_s << u"10"_s << u"7 遠い"_s;
        QTest::newRow("name starting with a digit") << u"08 7組"_s << u"08"_s << u"7組"_s;
        QTest::newRow("first entry of a new dial") << u"00 ｸﾞﾙｰﾌﾟ0"_s << u"00"_s << u"家族"_s;
    }

    void composeGroupName()
    {
        QFETCH(QString, groupText);
        QFETCH(QString, groupNumber);
        QFETCH(QString, groupName);

        EditorFields fields;
        fields.Combo(kComboGroup) = groupText;
        Entry entry;
        ComposeEntryCells(fields, DialWithGroups(u"11"_s).GroupNames, entry);
        QCOMPARE(entry[kColGroupNumber], groupNumber);
        QCOMPARE(entry[kColGroupName], groupName);
    }

    void composeJoinsPostalAndBirthday_data()
    {
        QTest::addColumn<QStringList>("parts"); // postal 1, postal 2, year, month, day
        QTest::addColumn<QString>("postal");
        QTest::addColumn<QString>("birthday");

        QTest::newRow("full") << QStringList{u"123"_s, u"4567"_s, u"1970"_s, u"03"_s, u"15"_s} << u"123-4567"_s
                              << u"19700315"_s;
        QTest::newRow("empty") << QStringList{u""_s, u""_s, u""_s, u""_s, u""_s} << u""_s << u""_s;
        QTest::newRow("second part alone is dropped")
            << QStringList{u""_s, u"4567"_s, u"1970"_s, u""_s, u""_s} << u""_s << u"1970"_s;
        QTest::newRow("untrimmed") << QStringList{u" 12"_s, u"34 "_s, u" 1970"_s, u"3"_s, u"5 "_s} << u" 12-34 "_s
                                   << u" 197035 "_s;
    }

    void composeJoinsPostalAndBirthday()
    {
        QFETCH(QStringList, parts);
        QFETCH(QString, postal);
        QFETCH(QString, birthday);

        EditorFields fields;
        fields.Text(kTextPostalFirst) = parts[0];
        fields.Text(kTextPostalSecond) = parts[1];
        fields.Combo(kComboBirthYear) = parts[2];
        fields.Combo(kComboBirthMonth) = parts[3];
        fields.Combo(kComboBirthDay) = parts[4];
        Entry entry;
        ComposeEntryCells(fields, MemoryDial().GroupNames, entry);
        QCOMPARE(entry[kColPostalCode], postal);
        QCOMPARE(entry[kColBirthday], birthday);
    }

    void showThenComposeKeepsEntry()
    {
        const Entry original = FullEntry();
        EditorFields fields;
        ShowEntry(fields, original);
        Entry stored = original;
        ComposeEntryCells(fields, MemoryDial().GroupNames, stored);
        QCOMPARE(stored.cells, original.cells);
    }

    void groupList_data()
    {
        QTest::addColumn<QString>("groupCount");
        QTest::addColumn<QStringList>("items");

        QTest::newRow("none") << u"0"_s << QStringList{};
        QTest::newRow("not a number") << u""_s << QStringList{};
        QTest::newRow("eleven") << u"11"_s << QStringList{u"00 家族"_s, u"01 "_s,     u"02 "_s,    u"03 "_s,
                                                          u"04 "_s,     u"05 "_s,     u"06 "_s,    u"07 友人"_s,
                                                          u"08 "_s,     u"09 仕事"_s, u"10 学校"_s};
    }

    void groupList()
    {
        QFETCH(QString, groupCount);
        QFETCH(QStringList, items);
        QCOMPARE(GroupListItems(DialWithGroups(groupCount)), items);
    }

    void generatedLists()
    {
        const EditorFields fields;
        const QStringList years = ComboItems(fields, 12);
        QCOMPARE(years.size(), 107);
        QCOMPARE(years.first(), u"1900"_s);
        QCOMPARE(years.last(), u"2006"_s);
        QCOMPARE(ComboItems(fields, 13).size(), 12);
        QCOMPARE(ComboItems(fields, 13).first(), u"01"_s);
        QCOMPARE(ComboItems(fields, 14).size(), 31);
        QCOMPARE(ComboItems(fields, 14).last(), u"31"_s);
        // Telephone and mail kinds differ in their fifth word.
        QCOMPARE(ComboItems(fields, 5).at(4), u"仕事"_s);
        QCOMPARE(ComboItems(fields, 6).at(4), u"学校"_s);
    }

    void loadModes_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("copy");
        QTest::addColumn<int>("selectedRow");
        QTest::addColumn<QString>("proposed");
        QTest::addColumn<QStringList>("groupList");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("isPrivate");
        QTest::addColumn<bool>("tellCreated");
        QTest::addColumn<bool>("rowMissing");

        const QStringList groups = {u"00 家族"_s, u"01 "_s};
        QTest::newRow("2: edit row 2") << u"2"_s << u"0"_s << 2 << u""_s << groups << u"005"_s << u"次郎"_s << true
                                       << false << false;
        QTest::newRow("2: row gone") << u"2"_s << u"0"_s << 3 << u""_s << groups << u""_s << u""_s << false << false
                                     << true;
        QTest::newRow("0: empty new entry")
            << u"0"_s << u"0"_s << 2 << u"002"_s << groups << u"002"_s << u""_s << false << true << false;
        QTest::newRow("0: copy of row 2")
            << u"0"_s << u"1"_s << 2 << u"002"_s << groups << u"002"_s << u"次郎"_s << true << true << false;
        QTest::newRow("1: first entry") << u"1"_s << u"0"_s << 1 << u""_s << QStringList{u"00 ｸﾞﾙｰﾌﾟ0"_s} << u"000"_s
                                        << u""_s << false << false << false;
    }

    void loadModes()
    {
        QFETCH(QString, mode);
        QFETCH(QString, copy);
        QFETCH(int, selectedRow);
        QFETCH(QString, proposed);
        QFETCH(QStringList, groupList);
        QFETCH(QString, number);
        QFETCH(QString, name);
        QFETCH(bool, isPrivate);
        QFETCH(bool, tellCreated);
        QFETCH(bool, rowMissing);

        MemoryDial dial = DialWithGroups(u"2"_s);
        Entry first;
        first[kColNumber] = u"000"_s;
        first[kColName] = u"太郎"_s;
        first[kColSecret] = u"PUBLIC"_s;
        Entry second;
        second[kColNumber] = u"005"_s;
        second[kColName] = u"次郎"_s;
        second[kColSecret] = u"PRIVATE"_s;
        second[kColGroupNumber] = u"01"_s;
        if (mode != u"1") {
            dial.rows = {first, second};
        }
        dial.EditMode = mode;
        dial.CopyEntry = copy;
        dial.SelectedRow = selectedRow;

        EditorFields fields;
        fields.LastFocusIndex = 12;
        fields.Text(kTextMemo) = u"left over"_s;
        const EditorLoadState state = LoadEditor(dial, fields, proposed);

        QCOMPARE(fields.GroupList, groupList);
        QCOMPARE(fields.Text(kTextNumber), number);
        QCOMPARE(fields.Text(kTextName), name);
        QCOMPARE(fields.Text(kTextMemo), u""_s);
        QCOMPARE(fields.Private, isPrivate);
        QCOMPARE(fields.LastFocusIndex, 0);
        QCOMPARE(state.tellCreatedOnActivate, tellCreated);
        QCOMPARE(state.rowMissing, rowMissing);
        QVERIFY(!state.prefixMenuEnabled);
        QVERIFY(!state.domainMenuEnabled);
        QCOMPARE(dial.EditMode, mode);
        QCOMPARE(dial.SelectedRow, selectedRow);
        if (name == u"次郎") {
            QCOMPARE(fields.Combo(kComboGroup), u"01 "_s);
        } else {
            QCOMPARE(fields.Combo(kComboGroup), groupList.first());
        }
        if (mode == u"1") {
            QCOMPARE(dial.GroupNames[0], u"ｸﾞﾙｰﾌﾟ0"_s);
            QCOMPARE(dial.GroupCount, u"1"_s);
        } else {
            QCOMPARE(dial.GroupNames[0], u"家族"_s);
            QCOMPARE(dial.GroupCount, u"2"_s);
        }
    }

    void loadWithoutGroups()
    {
        MemoryDial dial;
        dial.GroupCount = u"0"_s;
        dial.EditMode = u"0"_s;
        EditorFields fields;
        const EditorLoadState state = LoadEditor(dial, fields);
        QVERIFY(fields.GroupList.isEmpty());
        QCOMPARE(fields.Combo(kComboGroup), u""_s);
        QVERIFY(state.tellCreatedOnActivate);
    }
};

QTEST_GUILESS_MAIN(TestEditorFields)
#include "tst_editorfields.moc"
