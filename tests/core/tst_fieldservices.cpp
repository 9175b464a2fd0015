#include "FakeInteraction.h"
#include "services/Constellation.h"
#include "services/FieldFocus.h"
#include "services/PickerCommands.h"
#include "services/PickerTables.h"
#include "services/SlotSwap.h"
#include "settings/AppSettings.h"
#include "settings/SettingsStore.h"

#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestFieldServices : public QObject
{
    Q_OBJECT

private slots:
    void constellation_data();
    void constellation();
    void constellationMissingParts_data();
    void constellationMissingParts();
    void calendarDate_data();
    void calendarDate();
    void domainTable();
    void pickerResults_data();
    void pickerResults();
    void optAutoIsStored();
    void focusMenus_data();
    void focusMenus();
    void autoOpening_data();
    void autoOpening();
    void swap_data();
    void swap();
};

void TestFieldServices::constellation_data()
{
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("word"); // empty: the field keeps its text

    QTest::newRow("03/21 first of 牡羊") << u"03"_s << u"21"_s << u"牡羊"_s;
    QTest::newRow("04/19 last of 牡羊") << u"04"_s << u"19"_s << u"牡羊"_s;
    QTest::newRow("04/20 牡牛") << u"04"_s << u"20"_s << u"牡牛"_s;
    QTest::newRow("06/21 双子") << u"06"_s << u"21"_s << u"双子"_s;
    QTest::newRow("06/22 蟹") << u"06"_s << u"22"_s << u"蟹"_s;
    QTest::newRow("08/22 獅子") << u"08"_s << u"22"_s << u"獅子"_s;
    QTest::newRow("09/22 乙女") << u"09"_s << u"22"_s << u"乙女"_s;
    QTest::newRow("10/23 天秤") << u"10"_s << u"23"_s << u"天秤"_s;
    QTest::newRow("10/24 蠍") << u"10"_s << u"24"_s << u"蠍"_s;
    QTest::newRow("11/22 射手") << u"11"_s << u"22"_s << u"射手"_s;
    QTest::newRow("12/21 射手") << u"12"_s << u"21"_s << u"射手"_s;
    QTest::newRow("12/22 山羊") << u"12"_s << u"22"_s << u"山羊"_s;
    QTest::newRow("01/19 becomes 1319, 山羊") << u"01"_s << u"19"_s << u"山羊"_s;
    QTest::newRow("01/20 水瓶") << u"01"_s << u"20"_s << u"水瓶"_s;
    QTest::newRow("02/18 水瓶") << u"02"_s << u"18"_s << u"水瓶"_s;
    QTest::newRow("02/19 魚") << u"02"_s << u"19"_s << u"魚"_s;
    QTest::newRow("02/29 魚") << u"02"_s << u"29"_s << u"魚"_s;
    QTest::newRow("02/30 does not exist, still 魚") << u"02"_s << u"30"_s << u"魚"_s;
    QTest::newRow("03/20 魚") << u"03"_s << u"20"_s << u"魚"_s;
    QTest::newRow("typed 1 and 5: key 15, 射手") << u"1"_s << u"5"_s << u"射手"_s;
    QTest::newRow("12/32 reads as key 1232, 山羊") << u"12"_s << u"32"_s << u"山羊"_s;
    QTest::newRow("13/20, key 1320, is in no range") << u"13"_s << u"20"_s << QString();
    QTest::newRow("digits stop at the first other character") << u"05"_s << u"1日"_s << u"山羊"_s;
    QTest::newRow("a long digit run does not wrap") << u"99999999999"_s << u"99999999999"_s << QString();
}

void TestFieldServices::constellation()
{
    QFETCH(QString, month);
    QFETCH(QString, day);
    QFETCH(QString, word);

    EditorFields fields;
    fields.Combo(kComboBirthYear) = u"1970"_s;
    fields.Combo(kComboBirthMonth) = month;
    fields.Combo(kComboBirthDay) = day;
    fields.Combo(kComboConstellation) = u"前"_s;
    FakeInteraction ui;
    QCOMPARE(mnuEditVerifyStar_Click(fields, ui), -1);
    VERIFY_INTERACTION(ui);
    QCOMPARE(fields.Combo(kComboConstellation), word.isEmpty() ? u"前"_s : word);
}

void TestFieldServices::constellationMissingParts_data()
{
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("focus");

    QTest::newRow("no month") << QString() << u"21"_s << u"生年月日の 「月」 が選択入力されていません。　"_s << 13;
    QTest::newRow("no day") << u"03"_s << QString() << u"生年月日の 「日」 が選択入力されていません。　"_s << 14;
    QTest::newRow("neither: the month first")
        << QString() << QString() << u"生年月日の 「月」 が選択入力されていません。　"_s << 13;
}

void TestFieldServices::constellationMissingParts()
{
    QFETCH(QString, month);
    QFETCH(QString, day);
    QFETCH(QString, message);
    QFETCH(int, focus);

    EditorFields fields;
    fields.Combo(kComboBirthMonth) = month;
    fields.Combo(kComboBirthDay) = day;
    fields.Combo(kComboConstellation) = u"蟹"_s;
    FakeInteraction ui;
    ui.ExpectTell(message, u"選択入力確認"_s, MessageIcon::Warning);
    QCOMPARE(mnuEditVerifyStar_Click(fields, ui), focus);
    VERIFY_INTERACTION(ui);
    QCOMPARE(fields.Combo(kComboConstellation), u"蟹"_s);
}

void TestFieldServices::calendarDate_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QStringList>("fields"); // year, month, day

    QTest::newRow("5 January 1970") << QDate(1970, 1, 5) << QStringList{u"1970"_s, u"01"_s, u"05"_s};
    QTest::newRow("31 December 1999") << QDate(1999, 12, 31) << QStringList{u"1999"_s, u"12"_s, u"31"_s};
    QTest::newRow("after the year list") << QDate(2024, 2, 29) << QStringList{u"2024"_s, u"02"_s, u"29"_s};
    QTest::newRow("a year of three digits") << QDate(800, 3, 1) << QStringList{u"0800"_s, u"03"_s, u"01"_s};
}

void TestFieldServices::calendarDate()
{
    QFETCH(QDate, date);
    QFETCH(QStringList, fields);
    EditorFields form;
    form.Combo(kComboConstellation) = u"蟹"_s;
    SetBirthdayFromCalendar(form, date);
    QCOMPARE((QStringList{form.Combo(kComboBirthYear), form.Combo(kComboBirthMonth), form.Combo(kComboBirthDay)}),
             fields);
    QCOMPARE(form.Combo(kComboConstellation), u"蟹"_s);
}

void TestFieldServices::domainTable()
{
    QCOMPARE(DomainGroupNames(),
             (QStringList{u"ｲﾝﾀｰﾈｯﾄ"_s, u"NTT DoCoMo"_s, u"vodafone"_s, u"au"_s, u"Tu-Ka"_s, u"WILLCOM"_s}));
    QList<int> counts;
    QSet<QString> distinct;
    int total = 0;
    for (const QString& name : DomainGroupNames()) {
        const QStringList domains = DomainsOfGroup(name);
        counts << int(domains.size());
        total += int(domains.size());
        for (const QString& domain : domains) {
            QVERIFY2(!domain.contains(u'@') && domain.contains(u'.') && domain == domain.toLower(), qPrintable(domain));
            distinct.insert(domain);
        }
    }
    QCOMPARE(counts, (QList<int>{16, 5, 9, 2, 4, 1}));
    QCOMPARE(total, 37);
    QCOMPARE(distinct.size(), 36);
    QCOMPARE(DomainsOfGroup(u"Tu-Ka").first(), DomainsOfGroup(u"au").first());
    QCOMPARE(DomainsOfGroup(u"au").first(), u"ezweb.ne.jp"_s);
    QCOMPARE(DomainsOfGroup(u"WILLCOM"), QStringList{u"pdx.ne.jp"_s});

    // Providers sorted, then the five second-level suffixes sorted; the regional domains sorted.
    const QStringList internet = DomainsOfGroup(u"ｲﾝﾀｰﾈｯﾄ");
    const QStringList providers = internet.first(11);
    QStringList sorted = providers;
    sorted.sort();
    QCOMPARE(providers, sorted);
    QCOMPARE(internet.sliced(11), (QStringList{u"ac.jp"_s, u"co.jp"_s, u"go.jp"_s, u"ne.jp"_s, u"or.jp"_s}));
    const QStringList regional = DomainsOfGroup(u"vodafone");
    sorted = regional;
    sorted.sort();
    QCOMPARE(regional, sorted);
    for (const QString& domain : regional) {
        QVERIFY(domain.size() == 16 && domain.endsWith(u".vodafone.ne.jp"));
    }
    QVERIFY(DomainsOfGroup(u"NTT DoCoMo").contains(u"docomo.ne.jp"_s));
    QVERIFY(DomainsOfGroup(u"").isEmpty());
    QVERIFY(DomainsOfGroup(u"AU").isEmpty());

    QCOMPARE(PrefixTable(), (QStringList{u"184"_s, u"186"_s, u"0063"_s}));
}

void TestFieldServices::pickerResults_data()
{
    QTest::addColumn<bool>("domain");
    QTest::addColumn<int>("lastFocus");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("result"); // the last focused field afterwards

    QTest::newRow("domain after the typed @") << true << 9 << u"taro@"_s << u"ezweb.ne.jp"_s << u"taro@ezweb.ne.jp"_s;
    QTest::newRow("domain on mail 5") << true << 12 << u"taro@"_s << u"gmail.com"_s << u"taro@gmail.com"_s;
    QTest::newRow("domain without @ is appended as it is") << true << 8 << u"taro"_s << u"au.com"_s << u"taroau.com"_s;
    QTest::newRow("no domain chosen") << true << 8 << u"taro@"_s << QString() << u"taro@"_s;
    QTest::newRow("domain on a telephone field: nothing") << true << 3 << u"0901"_s << u"au.com"_s << u"0901"_s;
    QTest::newRow("prefix 184") << false << 3 << u"0312345678"_s << u"184"_s << u"1840312345678"_s;
    QTest::newRow("prefix on telephone 5") << false << 7 << u"0312345678"_s << u"0063"_s << u"00630312345678"_s;
    QTest::newRow("no prefix chosen") << false << 4 << u"0312345678"_s << QString() << u"0312345678"_s;
    QTest::newRow("prefix on a mail field: nothing") << false << 8 << u"taro@"_s << u"186"_s << u"taro@"_s;
}

void TestFieldServices::pickerResults()
{
    QFETCH(bool, domain);
    QFETCH(int, lastFocus);
    QFETCH(QString, text);
    QFETCH(QString, chosen);
    QFETCH(QString, result);

    EditorFields fields;
    for (int index = 0; index < kTextCount; ++index) {
        fields.Text(index) = u"other"_s;
    }
    fields.Text(lastFocus) = text;
    fields.LastFocusIndex = lastFocus;
    EditorFields expected = fields;
    expected.Text(lastFocus) = result;
    if (domain) {
        AppendDomain(fields, chosen);
    } else {
        AddPrefix(fields, chosen);
    }
    QCOMPARE(fields.Text1, expected.Text1);
}

void TestFieldServices::optAutoIsStored()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    SettingsStore store(dir.filePath(u"MORVANX.ini"_s));
    AppSettings settings;
    settings.optAuto = u"1"_s;
    QVERIFY(DomainPickerOpensByItself(settings));
    StoreOptAuto(store, settings, false);
    QCOMPARE(settings.optAuto, u"0"_s);
    QCOMPARE(store.GetSetting(u"Config"_s, u"OptAuto"_s), u"0"_s);
    QVERIFY(!DomainPickerOpensByItself(settings));
    StoreOptAuto(store, settings, true);
    QCOMPARE(store.GetSetting(u"Config"_s, u"OptAuto"_s), u"1"_s);
    settings.optAuto = u"yes"_s;
    QVERIFY(!DomainPickerOpensByItself(settings));
}

void TestFieldServices::focusMenus_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("prefix");
    QTest::addColumn<bool>("domainAndMail");

    for (int index = 0; index < kTextCount; ++index) {
        QTest::addRow("Text1(%d)", index) << index << (index >= 3 && index <= 7) << (index >= 8 && index <= 12);
    }
}

void TestFieldServices::focusMenus()
{
    QFETCH(int, index);
    QFETCH(bool, prefix);
    QFETCH(bool, domainAndMail);
    EditorFields fields;
    fields.LastFocusIndex = 4;
    QCOMPARE(TextFocusEntered(fields, index), (FieldMenus{prefix, domainAndMail, domainAndMail}));
    QCOMPARE(fields.LastFocusIndex, index);
}

void TestFieldServices::autoOpening_data()
{
    QTest::addColumn<bool>("autoOpen");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("typed");
    QTest::addColumn<bool>("opens");

    QTest::newRow("typed @ on mail 2") << true << 9 << u"taro@"_s << true << true;
    QTest::newRow("typed @ on mail 1") << true << 8 << u"@"_s << true << true;
    QTest::newRow("typed @ on mail 5") << true << 12 << u"taro@"_s << true << true;
    QTest::newRow("option off") << false << 9 << u"taro@"_s << true << false;
    QTest::newRow("shown by the editor") << true << 9 << u"taro@"_s << false << false;
    QTest::newRow("@ not at the end") << true << 9 << u"taro@d"_s << true << false;
    QTest::newRow("full-width ＠") << true << 9 << u"taro＠"_s << true << false;
    QTest::newRow("telephone field") << true << 7 << u"taro@"_s << true << false;
    QTest::newRow("URL field") << true << 18 << u"http://a@"_s << true << false;
}

void TestFieldServices::autoOpening()
{
    QFETCH(bool, autoOpen);
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(bool, typed);
    QFETCH(bool, opens);
    QCOMPARE(OpensDomainPicker(autoOpen, index, text, typed ? FieldChange::Typed : FieldChange::Filled), opens);
}

void TestFieldServices::swap_data()
{
    QTest::addColumn<int>("source");
    QTest::addColumn<int>("target");
    QTest::addColumn<QString>("dragText"); // the source's text when the drag began
    QTest::addColumn<bool>("told");
    // Source text and kind, target text and kind afterwards; empty when nothing may change.
    QTest::addColumn<QStringList>("after");

    QTest::newRow("telephone 1 onto filled telephone 4")
        << 3 << 6 << u"T1"_s << true << QStringList{u"T4"_s, u"K4"_s, u"T1"_s, u"K1"_s};
    QTest::newRow("mail 2 onto empty mail 5")
        << 9 << 12 << u"T7"_s << false << QStringList{QString(), QString(), u"T7"_s, u"K7"_s};
    QTest::newRow("mail 5 (empty) onto filled mail 1")
        << 12 << 8 << QString() << true << QStringList{u"T6"_s, u"K6"_s, QString(), QString()};
    QTest::newRow("the text of the drag start moves")
        << 4 << 5 << u"before"_s << true << QStringList{u"T3"_s, u"K3"_s, u"before"_s, u"K2"_s};
    QTest::newRow("telephone onto mail") << 3 << 8 << u"T1"_s << false << QStringList();
    QTest::newRow("mail onto telephone") << 8 << 7 << u"T6"_s << false << QStringList();
    QTest::newRow("onto itself") << 4 << 4 << u"T2"_s << false << QStringList();
    QTest::newRow("name onto telephone") << 1 << 3 << u"name"_s << false << QStringList();
    QTest::newRow("postal code onto mail") << 13 << 9 << u"100"_s << false << QStringList();
}

void TestFieldServices::swap()
{
    QFETCH(int, source);
    QFETCH(int, target);
    QFETCH(QString, dragText);
    QFETCH(bool, told);
    QFETCH(QStringList, after);

    // Telephones 1-5 hold T1-T5 with kinds K1-K5, mails 1-4 T6-T9 with K6-K9; mail 5 is empty.
    EditorFields fields;
    for (int slot = 1; slot <= 5; ++slot) {
        fields.Text(TelText(slot)) = u"T"_s + QString::number(slot);
        fields.Combo(TelKindCombo(slot)) = u"K"_s + QString::number(slot);
        if (slot < 5) {
            fields.Text(MailText(slot)) = u"T"_s + QString::number(slot + 5);
            fields.Combo(MailKindCombo(slot)) = u"K"_s + QString::number(slot + 5);
        }
    }
    const EditorFields before = fields;

    FakeInteraction ui;
    if (told) {
        ui.ExpectTell(target <= 7 ? u"「電話番号」 を入れ替えます。　"_s : u"「ﾒｰﾙｱﾄﾞﾚｽ」 を入れ替えます。　"_s,
                      u"入替え先確認"_s, MessageIcon::Information);
    }
    QCOMPARE(SwapSlots(fields, source, target, dragText, ui), !after.isEmpty());
    VERIFY_INTERACTION(ui);
    if (after.isEmpty()) {
        QCOMPARE(fields.Text1, before.Text1);
        QCOMPARE(fields.Combo1, before.Combo1);
        return;
    }
    QCOMPARE(
        (QStringList{fields.Text(source), fields.Combo(source - 2), fields.Text(target), fields.Combo(target - 2)}),
        after);
}

QTEST_GUILESS_MAIN(TestFieldServices)
#include "tst_fieldservices.moc"
