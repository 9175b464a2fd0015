#include "FakeInteraction.h"
#include "services/BirthdayCalendar.h"
#include "services/Constellation.h"
#include "services/FieldFocus.h"
#include "services/PickerCommands.h"
#include "services/PickerTables.h"
#include "settings/AppSettings.h"
#include "settings/SettingsStore.h"

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
    void typedBirthday_data();
    void typedBirthday();
    void selectionOnPage_data();
    void selectionOnPage();
    void domainTable_data();
    void domainTable();
    void pickerResults_data();
    void pickerResults();
    void optAutoIsStored();
    void autoOpening_data();
    void autoOpening();
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

void TestFieldServices::typedBirthday_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QDate>("date"); // invalid: refused

    QTest::newRow("eight digits") << u"19960229"_s << QDate(1996, 2, 29);
    QTest::newRow("slashes") << u"1996/02/29"_s << QDate(1996, 2, 29);
    QTest::newRow("short month and day") << u"1996/2/9"_s << QDate(1996, 2, 9);
    QTest::newRow("hyphens") << u"1960-01-01"_s << QDate(1960, 1, 1);
    QTest::newRow("dots") << u"1960.1.1"_s << QDate(1960, 1, 1);
    QTest::newRow("first day of the range") << u"19000101"_s << QDate(1900, 1, 1);
    QTest::newRow("today") << u"20261209"_s << QDate(2026, 12, 9);
    QTest::newRow("tomorrow") << u"20261210"_s << QDate();
    QTest::newRow("before 1900") << u"18991231"_s << QDate();
    QTest::newRow("no leap day") << u"19970229"_s << QDate();
    QTest::newRow("month 13") << u"19961301"_s << QDate();
    QTest::newRow("month 0") << u"19960001"_s << QDate();
    QTest::newRow("day 0") << u"1996/02/0"_s << QDate();
    QTest::newRow("seven digits") << u"1996022"_s << QDate();
    QTest::newRow("nine digits") << u"199602290"_s << QDate();
    QTest::newRow("year of three digits") << u"196/02/29"_s << QDate();
    QTest::newRow("month of three digits") << u"1996/002/9"_s << QDate();
    QTest::newRow("mixed separators") << u"1996/02-29"_s << QDate();
    QTest::newRow("leading separator") << u"-0451209"_s << QDate();
    QTest::newRow("two parts") << u"1996/0229"_s << QDate();
    QTest::newRow("empty part") << u"1996//29"_s << QDate();
    QTest::newRow("nothing") << u""_s << QDate();
}

void TestFieldServices::typedBirthday()
{
    QFETCH(QString, typed);
    QFETCH(QDate, date);
    const std::optional<QDate> parsed = TypedBirthday(typed, BirthdayRangeUntil(QDate(2026, 12, 9)));
    QCOMPARE(parsed.value_or(QDate()), date);
    QCOMPARE(
        TypedBirthdayRefusal(BirthdayRangeUntil(QDate(2026, 12, 9))),
        u"入力された日付は正しくありません。　1900/01/01 から 2026/12/09 までの日付を、年月日の順に入力して下さい。　"_s);
}

void TestFieldServices::selectionOnPage_data()
{
    QTest::addColumn<QDate>("selected");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<QDate>("date");

    QTest::newRow("same day, other year") << QDate(2026, 12, 9) << 1960 << 12 << QDate(1960, 12, 9);
    QTest::newRow("31st into a short month") << QDate(1999, 1, 31) << 1999 << 2 << QDate(1999, 2, 28);
    QTest::newRow("leap day into a common year") << QDate(1996, 2, 29) << 1997 << 2 << QDate(1997, 2, 28);
    QTest::newRow("this month, after today") << QDate(2025, 12, 25) << 2026 << 12 << QDate(2026, 12, 9);
    QTest::newRow("first month of the range") << QDate(1900, 3, 15) << 1900 << 1 << QDate(1900, 1, 15);
}

void TestFieldServices::selectionOnPage()
{
    QFETCH(QDate, selected);
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(QDate, date);
    QCOMPARE(SelectionOnPage(selected, year, month, BirthdayRangeUntil(QDate(2026, 12, 9))), date);
}

void TestFieldServices::domainTable_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QStringList>("shown");
    const QString ended = u"（終了したサービス）"_s;
    QTest::newRow("ｲﾝﾀｰﾈｯﾄ") << u"ｲﾝﾀｰﾈｯﾄ"_s
                             << QStringList{u"biglobe.ne.jp"_s, u"dion.ne.jp"_s,   u"gmail.com"_s,   u"hotmail.co.jp"_s,
                                            u"icloud.com"_s,    u"nifty.com"_s,    u"ocn.ne.jp"_s,   u"outlook.jp"_s,
                                            u"plala.or.jp"_s,   u"so-net.ne.jp"_s, u"yahoo.co.jp"_s, u"ac.jp"_s,
                                            u"co.jp"_s,         u"go.jp"_s,        u"ne.jp"_s,       u"or.jp"_s};
    QTest::newRow("NTT DoCoMo") << u"NTT DoCoMo"_s << QStringList{u"docomo.ne.jp"_s, u"mopera.net"_s};
    QTest::newRow("vodafone, now SoftBank")
        << u"vodafone"_s << QStringList{u"softbank.ne.jp"_s,           u"i.softbank.jp"_s,
                                        u"c.vodafone.ne.jp"_s + ended, u"d.vodafone.ne.jp"_s + ended,
                                        u"h.vodafone.ne.jp"_s + ended, u"k.vodafone.ne.jp"_s + ended,
                                        u"n.vodafone.ne.jp"_s + ended, u"q.vodafone.ne.jp"_s + ended,
                                        u"r.vodafone.ne.jp"_s + ended, u"s.vodafone.ne.jp"_s + ended,
                                        u"t.vodafone.ne.jp"_s + ended};
    QTest::newRow("au") << u"au"_s << QStringList{u"ezweb.ne.jp"_s, u"au.com"_s};
    QTest::newRow("Tu-Ka, moved to au") << u"Tu-Ka"_s << QStringList{u"ezweb.ne.jp"_s, u"au.com"_s};
    QTest::newRow("WILLCOM, now Y!mobile") << u"WILLCOM"_s << QStringList{u"ymobile.ne.jp"_s, u"yahoo.ne.jp"_s};
    QTest::newRow("楽天モバイル") << u"楽天モバイル"_s << QStringList{u"rakumail.jp"_s};
    QTest::newRow("no group") << u""_s << QStringList();
    QTest::newRow("another spelling") << u"AU"_s << QStringList();
}

void TestFieldServices::domainTable()
{
    QFETCH(QString, group);
    QFETCH(QStringList, shown);
    QCOMPARE(DomainListTexts(group), shown);
    // What OK appends is the domain alone, the mark left out.
    QStringList domains;
    for (const QString& text : shown) {
        domains << text.section(u'（', 0, 0);
    }
    QCOMPARE(DomainsOfGroup(group), domains);
    QCOMPARE(DomainGroupNames(), (QStringList{u"ｲﾝﾀｰﾈｯﾄ"_s, u"NTT DoCoMo"_s, u"vodafone"_s, u"au"_s, u"Tu-Ka"_s,
                                              u"WILLCOM"_s, u"楽天モバイル"_s}));
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

QTEST_GUILESS_MAIN(TestFieldServices)
#include "tst_fieldservices.moc"
