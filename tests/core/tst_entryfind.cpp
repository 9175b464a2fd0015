#include "SampleEntries.h"
#include "find/Duplicates.h"
#include "find/EntryFind.h"

#include <QTest>

using namespace Qt::StringLiterals;

using Groups = QList<QList<int>>;

namespace {

Entry Person(const QString& name, const QString& reading, const QString& tel, const QString& mail = {})
{
    Entry entry;
    entry[kColName] = name;
    entry[kColReading] = reading;
    entry[kColTel1] = tel;
    entry[kColMail1] = mail;
    return entry;
}

} // namespace

class TestEntryFind : public QObject
{
    Q_OBJECT

private slots:
    void folding_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("folded");
        QTest::addColumn<QString>("number");
        QTest::newRow("hiragana") << u"すずき"_s << u"スズキ"_s << QString();
        QTest::newRow("half-width voiced mark composed") << u"ｽｽﾞｷ"_s << u"スズキ"_s << QString();
        QTest::newRow("half-width semi-voiced") << u"ﾎﾟｯﾌﾟ"_s << u"ポップ"_s << QString();
        QTest::newRow("combining mark composes with the kana before") << u"か\u3099き"_s << u"ガキ"_s << QString();
        QTest::newRow("half-width run between stable text") << u"AｶﾞB漢ﾎﾟ"_s << u"aガb漢ポ"_s << QString();
        QTest::newRow("vu from hiragana") << u"ゔぁ"_s << u"ヴァ"_s << QString();
        QTest::newRow("iteration mark") << u"いすゞ"_s << u"イスヾ"_s << QString();
        QTest::newRow("long vowel half-width") << u"ﾒｰﾙ"_s << u"メール"_s << QString();
        QTest::newRow("full-width latin and case") << u"ＡＢＣ　Def"_s << u"abcdef"_s << QString();
        QTest::newRow("blanks of both widths") << u" 鈴木　一郎 "_s << u"鈴木一郎"_s << QString();
        QTest::newRow("hyphenated number") << u"090-1234-5678"_s << u"090-1234-5678"_s << u"09012345678"_s;
        QTest::newRow("full-width digits") << u"０９０（１２３４）５６７８"_s << u"090(1234)5678"_s << u"09012345678"_s;
        QTest::newRow("+81 is the trunk zero") << u"+81-90-1234-5678"_s << u"+81-90-1234-5678"_s << u"09012345678"_s;
        QTest::newRow("+81 with bracketed zero") << u"+81 (0)3 1234 5678"_s << u"+81(0)312345678"_s << u"0312345678"_s;
        QTest::newRow("81 without plus stays") << u"8190"_s << u"8190"_s << u"8190"_s;
        QTest::newRow("other country code stays") << u"+1 212 555"_s << u"+1212555"_s << u"1212555"_s;
    }
    void folding()
    {
        QFETCH(QString, text);
        QFETCH(QString, folded);
        QFETCH(QString, number);
        QCOMPARE(FoldedText(text), folded);
        QCOMPARE(NumberKey(text), number);
    }

    void matches_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<bool>("matches");
        QTest::newRow("empty") << u"  "_s << true;
        QTest::newRow("hiragana finds half-width reading") << u"すずき"_s << true;
        QTest::newRow("half-width") << u"ｽｽﾞｷ"_s << true;
        QTest::newRow("katakana") << u"スズキ"_s << true;
        QTest::newRow("kanji name") << u"鈴木"_s << true;
        QTest::newRow("name without its blank") << u"鈴木一郎"_s << true;
        QTest::newRow("digits inside hyphens") << u"09012"_s << true;
        QTest::newRow("international form") << u"+81 90-1234"_s << true;
        QTest::newRow("mail any case") << u"SUZUKI@EXAMPLE"_s << true;
        QTest::newRow("address") << u"千代田"_s << true;
        QTest::newRow("memo") << u"ゴルフ"_s << true;
        QTest::newRow("group") << u"取引先"_s << true;
        QTest::newRow("unvoiced is another word") << u"すすき"_s << false;
        QTest::newRow("number not in any cell") << u"0801"_s << false;
        QTest::newRow("not across two cells") << u"ｲﾁﾛｳ090"_s << false;
        QTest::newRow("stamp is not searched") << u"20060307"_s << false;
    }
    void matches()
    {
        QFETCH(QString, query);
        QFETCH(bool, matches);
        Entry entry = Person(u"鈴木 一郎"_s, u"ｽｽﾞｷ ｲﾁﾛｳ"_s, u"090-1234-5678"_s, u"suzuki@example.jp"_s);
        entry[kColAddress] = u"東京都千代田区"_s;
        entry[kColMemo] = u"ごるふ仲間"_s;
        entry[kColGroupName] = u"取引先"_s;
        entry[kColRevision] = u"20060307T150500Z"_s;
        QCOMPARE(EntryQuery(query).Matches(entry), matches);
    }

    void duplicateGroups_data()
    {
        QTest::addColumn<QList<Entry>>("rows");
        QTest::addColumn<Groups>("groups");
        QTest::addColumn<int>("lookAlikesFromRow3");
        const Entry suzuki = Person(u"鈴木 一郎"_s, u"ｽｽﾞｷ ｲﾁﾛｳ"_s, u"090-1234-5678"_s);
        const Entry sato = Person(u"佐藤 花子"_s, u"ｻﾄｳ ﾊﾅｺ"_s, u"03-1111-2222"_s, u"hanako@example.jp"_s);
        QTest::newRow("none") << QList<Entry>{suzuki, sato} << Groups{} << 0;
        QTest::newRow("same number, other writing")
            << QList<Entry>{suzuki, sato, Person(u"ｽｽﾞｷ ｲﾁﾛｳ"_s, QString(), u"09012345678"_s)} << Groups{{1, 3}} << 1;
        QTest::newRow("mail in another case and slot")
            << QList<Entry>{sato, suzuki,
                            [] {
                                Entry e = Person(u"はなこ"_s, QString(), QString());
                                e[MailAddressCell(3)] = u"Hanako@Example.JP"_s;
                                return e;
                            }()}
            << Groups{{1, 3}} << 1;
        QTest::newRow("name and reading folded")
            << QList<Entry>{suzuki, sato, Person(u"鈴木一郎"_s, u"すずきいちろう"_s, QString())} << Groups{{1, 3}} << 1;
        QTest::newRow("same name, other reading")
            << QList<Entry>{suzuki, sato, Person(u"鈴木 一郎"_s, u"ｽｽﾞｷ ｶｽﾞｵ"_s, QString())} << Groups{} << 0;
        QTest::newRow("linked through two keys")
            << QList<Entry>{suzuki, Person(u"一郎"_s, QString(), u"+81 90 1234 5678"_s, u"ichiro@example.jp"_s), sato,
                            Person(u"いちろう"_s, QString(), QString(), u"ICHIRO@example.jp"_s)}
            << Groups{{1, 2, 4}} << 1;
        QTest::newRow("empty cells link nothing") << QList<Entry>{Entry(), Entry(), Entry()} << Groups{} << 0;
    }
    void duplicateGroups()
    {
        QFETCH(QList<Entry>, rows);
        QFETCH(Groups, groups);
        QFETCH(int, lookAlikesFromRow3);
        QCOMPARE(FindDuplicateGroups(rows), groups);
        QCOMPARE(CountLookAlikes(rows, 3), lookAlikesFromRow3);
    }
};

QTEST_GUILESS_MAIN(TestEntryFind)
#include "tst_entryfind.moc"
