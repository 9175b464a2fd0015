#include "memorydial/MemoryDialReader.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_LINUX
#include <sys/resource.h>
#endif

using namespace Qt::Literals::StringLiterals;

namespace {

QByteArray Sjis(const QString& text)
{
    QStringEncoder encoder("Shift_JIS");
    return encoder.encode(text);
}

QString Record(const QString& body)
{
    return u"BEGIN:VCARD\r\nVERSION:3.0\r\n"_s + body + u"END:VCARD\r\n"_s;
}

const QString kUtf8Message =
    u"指定したファイルはUTF-8で書かれています。　メモリダイヤル（Shift_JIS）ではありません。　"_s;
const QString kMissingMessage = u"指定したメモリデータが存在しません。　存在を確認して下さい。　"_s;

// The message a read of `bytes` should give, judged by the library's own decoders: UTF-8 for
// a byte-order mark, for valid UTF-8 (once line folds, which may split a character, are taken
// out) holding a character of three or more bytes, and for any other valid UTF-8 beyond ASCII
// that is not code page 932; nothing for code page 932 text; otherwise the one message for
// every other failure.
QString ExpectedMessage(const QByteArray& bytes)
{
    QByteArray unfolded = bytes;
    for (const char* fold : {"\r\n ", "\r\n\t", "\n ", "\n\t"}) {
        unfolded.replace(fold, "");
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    const QString asUtf8 = utf8.decode(unfolded);
    const bool validUtf8 = !utf8.hasError();
    const auto holds = [&asUtf8](char16_t from) {
        return std::any_of(asUtf8.begin(), asUtf8.end(), [from](QChar c) { return c.unicode() >= from; });
    };
    QStringDecoder sjis("Shift_JIS", QStringConverter::Flag::Stateless);
    const QString asSjis = sjis.decode(bytes);
    const bool validSjis = !sjis.hasError() && !bytes.contains('\0');
    if (bytes.startsWith("\xEF\xBB\xBF") || (validUtf8 && holds(0x800)) || (validUtf8 && holds(0x80) && !validSjis)) {
        return kUtf8Message;
    }
    return validSjis ? QString() : kMissingMessage;
}

#ifdef Q_OS_LINUX
long PeakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}
#endif

} // namespace

class TestMemoryDialReader : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void referenceFile();
    void classification_data();
    void classification();
    void records_data();
    void records();
    void groupNames();
    void failures_data();
    void failures();
    void shape_data();
    void shape();
    void encodings_data();
    void encodings();
    void files_data();
    void files();
    void openFailures();
    void boundOfEntries();
    void commaFlood();
};

void TestMemoryDialReader::initTestCase()
{
    QVERIFY(QStringEncoder("Shift_JIS").isValid());
}

void TestMemoryDialReader::referenceFile()
{
    const MemoryDialReadResult result =
        MemoryDataOpen(QStringLiteral(MORVANX_TEST_DATA "/memorydial/reference.vcf"), QStringList());
    QVERIFY(result.content);
    const MemoryDialContent& content = *result.content;
    QCOMPARE(content.VcVer, u"VERSION:3.0"_s);
    QCOMPARE(content.EntryCount, 2);
    QCOMPARE(content.rows.size(), 2);
    const QStringList expected = {
        u""_s,
        u"007"_s,
        u"山田太郎"_s,
        u"ﾔﾏﾀﾞﾀﾛｳ"_s,
        u"PRIVATE"_s,
        u"09012345678"_s,
        u"携帯"_s,
        u"0312345678"_s,
        u"自宅"_s,
        u"0312345679"_s,
        u"FAX"_s,
        u""_s,
        u""_s,
        u""_s,
        u""_s,
        u"taro@example.jp"_s,
        u"携帯"_s,
        u"t@example.ac.jp"_s,
        u"学校"_s,
        u""_s,
        u""_s,
        u""_s,
        u""_s,
        u""_s,
        u""_s,
        u"03"_s,
        u"友人"_s,
        u"東京都千代田区千代田1-1"_s,
        u"100-0001"_s,
        u"自宅"_s,
        u"山羊"_s,
        u"19800101"_s,
        u"AB"_s,
        u"釣り"_s,
        u"メモ\uE000"_s,
        u"http://example.jp/"_s,
        u"35.68;139.76"_s,
        u"2026/12/08 00:00:00"_s,
    };
    QCOMPARE(expected.size(), 38);
    for (int cell = 0; cell < 38; ++cell) {
        QCOMPARE(content.rows[0][cell], expected[cell]);
    }
    QCOMPARE(content.rows[1][1], u"012"_s);
    QCOMPARE(content.rows[1][2], u"佐藤花子"_s);
    QCOMPARE(content.rows[1][25], u"15"_s);
    QCOMPARE(content.GroupNames.size(), 1001);
    QCOMPARE(content.GroupNames[3], u"友人"_s);
    QCOMPARE(content.GroupNames[15], u"仕事仲間"_s);
    QCOMPARE(content.GroupCount, u"0"_s);
}

// Each row: the record's property lines, and the cells expected as "cell=value".
void TestMemoryDialReader::classification_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<QStringList>("cells");

    QTest::newRow("preferred telephone") << u"TEL;TYPE=PREF,CELL:09011112222\r\n"_s
                                         << QStringList{u"5=09011112222"_s, u"6=携帯"_s};
    QTest::newRow("key is three characters")
        << u"TEL;TYPE=PREF,CELLULAR:1\r\n"_s << QStringList{u"5=CELLULAR:1"_s, u"6=携帯"_s};
    QTest::newRow("unknown preferred type") << u"TEL;TYPE=PREF,PAGER:123\r\n"_s << QStringList{u"5=123"_s, u"6="_s};
    QTest::newRow("unknown type does not inherit")
        << u"TEL;TYPE=PREF,HOME:1\r\nTEL;TYPE=PAGER:2\r\n"_s << QStringList{u"6=自宅"_s, u"7=2"_s, u"8="_s};
    QTest::newRow("empty type code") << u"TEL;TYPE=:555\r\n"_s << QStringList{u"7=555"_s, u"8="_s};
    // Without a kind only the ":" in front goes; the colons of the value are the user's.
    QTest::newRow("empty preferred telephone kind") << u"TEL;TYPE=PREF,:03:1234\r\nTEL;TYPE=:06:5678\r\n"_s
                                                    << QStringList{u"5=03:1234"_s, u"6="_s, u"7=06:5678"_s, u"8="_s};
    QTest::newRow("empty preferred mail kind")
        << u"EMAIL;TYPE=PREF,:a:b@c\r\n"_s << QStringList{u"15=a:b@c"_s, u"16="_s};
    QTest::newRow("empty address kind") << u"ADR;TYPE=PREF,:;東京都:;港区;;;;105-0011;\r\n"_s
                                        << QStringList{u"27=東京都:;港区"_s, u"28=105-0011"_s, u"29="_s};
    QTest::newRow("type removed in front only")
        << u"TEL;TYPE=PREF,PAGER:1PAGER:2\r\nTEL;TYPE=CELL:3TEL;TYPE=CELL:4\r\n"_s
        << QStringList{u"5=1PAGER:2"_s, u"6="_s, u"7=3TEL;TYPE=CELL:4"_s, u"8=携帯"_s};
    QTest::newRow("type inside the address")
        << u"ADR;TYPE=PREF,HOME:;HOME:;;;;;\r\n"_s << QStringList{u"27=HOME:"_s, u"28="_s, u"29=自宅"_s};
    QTest::newRow("empty number gives no kind")
        << u"TEL;TYPE=PREF,CELL:\r\nEMAIL;TYPE=HOME:\r\n"_s << QStringList{u"5="_s, u"6="_s, u"17="_s, u"18="_s};
    QTest::newRow("six telephone lines keep four")
        << u"TEL;TYPE=HOME:1\r\nTEL;TYPE=WORK:2\r\nTEL;TYPE=FAX:3\r\nTEL;TYPE=PCS:4\r\nTEL;TYPE=VOICE:5\r\n"
           u"TEL;TYPE=CELL:6\r\n"_s
        << QStringList{u"5="_s,   u"7=1"_s,    u"8=自宅"_s, u"9=2"_s,   u"10=仕事"_s,
                       u"11=3"_s, u"12=FAX"_s, u"13=4"_s,   u"14=PHS"_s};
    QTest::newRow("second preferred replaces")
        << u"TEL;TYPE=PREF,HOME:1\r\nTEL;TYPE=PREF,WORK:2\r\n"_s << QStringList{u"5=2"_s, u"6=仕事"_s, u"7="_s};
    QTest::newRow("mail slots") << u"EMAIL;TYPE=PREF,INTERNET:a@b\r\nEMAIL;TYPE=SCHOOL:c@d\r\nEMAIL;TYPE=PCS:e@f\r\n"_s
                                << QStringList{u"15=a@b"_s,  u"16=その他"_s, u"17=c@d"_s,
                                               u"18=学校"_s, u"19=e@f"_s,    u"20=PHS"_s};
    QTest::newRow("mail FAX is unknown") << u"EMAIL;TYPE=FAX:x@y\r\n"_s << QStringList{u"17=x@y"_s, u"18="_s};
    QTest::newRow("later duplicate wins")
        << u"FN:first\r\nFN:second\r\nNOTE:a\r\nNOTE:b\r\n"_s << QStringList{u"2=second"_s, u"34=b"_s};
    // The writer puts a marker in front only: one inside the text is the user's.
    QTest::newRow("marker inside the text stays")
        << u"FN:Team FN: Tokyo\r\nNOTE:call NOTE: 3pm\r\nX-HOBBY:X-HOBBY:go\r\n"_s
        << QStringList{u"2=Team FN: Tokyo"_s, u"34=call NOTE: 3pm"_s, u"33=X-HOBBY:go"_s};
    QTest::newRow("marker repeated in front")
        << u"FN:FN:a\r\nREV:REV:1\r\n"_s << QStringList{u"2=FN:a"_s, u"37=REV:1"_s};
    QTest::newRow("comma cuts the memo") << u"NOTE:first, second\r\n"_s << QStringList{u"34=first"_s};
    QTest::newRow("value after comma is classified")
        << u"NOTE:first,URL:x\r\n"_s << QStringList{u"34=first"_s, u"35=x"_s};
    QTest::newRow("quoted memo keeps comma") << u"\"NOTE:a, b\" dropped\r\n"_s << QStringList{u"34=a, b"_s};
    QTest::newRow("leading blanks skipped, trailing kept") << u"   FN:x  \r\n"_s << QStringList{u"2=x  "_s};
    QTest::newRow("lone LF and CR") << u"FN:a\nSORT-STRING:b\rX-HOBBY:c\r\n"_s
                                    << QStringList{u"2=a"_s, u"3=b"_s, u"33=c"_s};
    QTest::newRow("one-digit numbers padded")
        << u"X-REDUCTION:7\r\nX-GNO:7\r\n"_s << QStringList{u"1=007"_s, u"25=07"_s};
    QTest::newRow("two-digit numbers") << u"X-REDUCTION:12\r\nX-GNO:12\r\n"_s << QStringList{u"1=012"_s, u"25=12"_s};
    QTest::newRow("long numbers stay") << u"X-REDUCTION:1000\r\nX-GNO:123\r\n"_s
                                       << QStringList{u"1=1000"_s, u"25=123"_s};
    QTest::newRow("missing numbers stay empty") << u"FN:x\r\n"_s << QStringList{u"1="_s, u"25="_s};
    QTest::newRow("address") << u"ADR;TYPE=PREF,WORK:;大阪市北区;;;;530-0001;\r\n"_s
                             << QStringList{u"27=大阪市北区"_s, u"28=530-0001"_s, u"29=会社"_s};
    QTest::newRow("address without postal code")
        << u"ADR;TYPE=PREF,HOME:;東京都港区;;;;;\r\n"_s << QStringList{u"27=東京都港区"_s, u"28="_s, u"29=自宅"_s};
    QTest::newRow("address with unknown type")
        << u"ADR;TYPE=PREF,DOM:;札幌市;;;;060-0001;\r\n"_s << QStringList{u"27=札幌市"_s, u"28=060-0001"_s, u"29="_s};
    QTest::newRow("short address value") << u"ADR;TYPE=PREF,;;;;\r\n"_s
                                         << QStringList{u"27=;;;;"_s, u"28="_s, u"29="_s};
    QTest::newRow("constellation") << u"X-CONSTELLATION:PISCES\r\n"_s << QStringList{u"30=魚"_s};
    QTest::newRow("unknown constellation") << u"X-CONSTELLATION:pisces\r\n"_s << QStringList{u"30="_s};
    QTest::newRow("secret and the rest")
        << u"CLASS:PUBLIC\r\nBDAY:20000229\r\nX-BLOODTYPE:O\r\nURL:http://a/\r\nGEO:1,2\r\nREV:r\r\n"_s
        << QStringList{u"4=PUBLIC"_s, u"31=20000229"_s, u"32=O"_s, u"35=http://a/"_s, u"36=1"_s, u"37=r"_s};
    QTest::newRow("case-sensitive prefixes") << u"fn:x\r\nnote:y\r\n"_s << QStringList{u"2="_s, u"34="_s};
    QTest::newRow("N line is not the name") << u"N:x;;;;\r\n"_s << QStringList{u"2="_s};
}

void TestMemoryDialReader::classification()
{
    QFETCH(QString, body);
    QFETCH(QStringList, cells);
    const MemoryDialReadResult result = ParseMemoryDial(Sjis(Record(body)), QStringList());
    QVERIFY(result.content);
    QCOMPARE(result.content->rows.size(), 1);
    const Entry& entry = result.content->rows[0];
    QCOMPARE(entry[0], QString());
    for (const QString& expectation : cells) {
        const qsizetype equals = expectation.indexOf(u'=');
        const int cell = expectation.left(equals).toInt();
        QCOMPARE(entry[cell], expectation.mid(equals + 1));
    }
}

void TestMemoryDialReader::records_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("vcVer");

    QTest::newRow("two records") << u"BEGIN:VCARD\r\nVERSION:3.0\r\nFN:a\r\nEND:VCARD\r\nBEGIN:VCARD\r\n"
                                    u"VERSION:3.0\r\nFN:b\r\nEND:VCARD\r\n"_s
                                 << QStringList{u"a"_s, u"b"_s} << u"VERSION:3.0"_s;
    QTest::newRow("missing END merges") << u"BEGIN:VCARD\r\nVERSION:2.1\r\nFN:a\r\nBEGIN:VCARD\r\nVERSION:2.1\r\n"
                                           u"SORT-STRING:b\r\nEND:VCARD\r\n"_s
                                        << QStringList{u"a"_s} << u"VERSION:2.1"_s;
    QTest::newRow("no END at all") << u"BEGIN:VCARD\r\nVERSION:3.0\r\nFN:a\r\n"_s << QStringList{u"a"_s}
                                   << u"VERSION:3.0"_s;
    QTest::newRow("nothing after last END")
        << u"BEGIN:VCARD\r\nVERSION:3.0\r\nFN:a\r\nEND:VCARD\r\nBEGIN:VCARD\r\n\r\n"_s << QStringList{u"a"_s}
        << u"VERSION:3.0"_s;
    QTest::newRow("record cut short after last END") << u"BEGIN:VCARD\r\nVERSION:3.0\r\nFN:a\r\nEND:VCARD\r\nFN:b\r\n"_s
                                                     << QStringList{u"a"_s, u"b"_s} << u"VERSION:3.0"_s;
    QTest::newRow("END prefix only") << u"BEGIN:VCARD,b,FN:x,ENDING,FN:y,END"_s << QStringList{u"x"_s, u"y"_s}
                                     << u"VERSION:3.0"_s;
    // The second value is the version line only when it is one, and the writer repeats it in
    // every record: anything else taken for it would be written into every entry.
    QTest::newRow("no version line") << u"BEGIN:VCARD\r\nFN:a\r\nEND:VCARD\r\n"_s << QStringList{u"a"_s}
                                     << u"VERSION:3.0"_s;
    QTest::newRow("empty first record") << u"BEGIN:VCARD\r\nEND:VCARD\r\nBEGIN:VCARD\r\nVERSION:3.0\r\nFN:a\r\n"
                                           u"END:VCARD\r\n"_s
                                        << QStringList{u""_s, u"a"_s} << u"VERSION:3.0"_s;
    QTest::newRow("telephone in second place")
        << u"BEGIN:VCARD\r\nTEL;TYPE=PREF,CELL:1\r\nFN:a\r\nEND:VCARD\r\n"_s << QStringList{u"a"_s} << u"VERSION:3.0"_s;
    QTest::newRow("quoted version holding a line end")
        << u"BEGIN:VCARD\r\n\"VERSION:3.0\r\nEND:VCARD\"\r\nFN:a\r\nEND:VCARD\r\n"_s << QStringList{u"a"_s}
        << u"VERSION:3.0"_s;
}

void TestMemoryDialReader::records()
{
    QFETCH(QString, text);
    QFETCH(QStringList, names);
    QFETCH(QString, vcVer);
    const MemoryDialReadResult result = ParseMemoryDial(Sjis(text), QStringList());
    QVERIFY(result.content);
    QCOMPARE(result.content->EntryCount, names.size());
    QStringList got;
    for (const Entry& entry : result.content->rows) {
        got << entry[kColName];
    }
    QCOMPARE(got, names);
    QCOMPARE(result.content->VcVer, vcVer);
}

void TestMemoryDialReader::groupNames()
{
    QStringList previous(1001);
    previous[0] = u"前の0"_s;
    previous[1] = u"前の1"_s;
    previous[5] = u"前の5"_s;
    previous[500] = u"前の500"_s;
    const QString text = Record(u"X-GNO:1\r\nCATEGORIES:家族\r\n"_s) + Record(u"X-GNO:2\r\nCATEGORIES:学校\r\n"_s) +
                         Record(u"X-GNO:1\r\nCATEGORIES:親戚\r\n"_s) + Record(u"X-GNO:5\r\nCATEGORIES:\r\n"_s) +
                         Record(u"X-GNO:150\r\nCATEGORIES:大\r\n"_s);
    const MemoryDialReadResult result = ParseMemoryDial(Sjis(text), previous);
    QVERIFY(result.content);
    const QStringList& names = result.content->GroupNames;
    QCOMPARE(names.size(), 1001);
    QCOMPARE(names[0], u"前の0"_s);
    QCOMPARE(names[1], u"親戚"_s);
    QCOMPARE(names[2], u"学校"_s);
    QCOMPARE(names[3], QString());
    QCOMPARE(names[5], QString());
    QCOMPARE(names[150], QString());
    QCOMPARE(names[500], u"前の500"_s);
    QCOMPARE(result.content->GroupCount, u"3"_s);
    QCOMPARE(result.content->rows[4][kColGroupNumber], u"150"_s);
}

void TestMemoryDialReader::failures_data()
{
    QTest::addColumn<QByteArray>("bytes");

    const QByteArray head = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:";
    const QByteArray tail = "\r\nEND:VCARD\r\n";
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("only blank lines") << QByteArray("\r\n  \r\n\r\n");
    QTest::newRow("one value") << QByteArray("BEGIN:VCARD\r\n");
    QTest::newRow("invalid single byte 80") << head + "\x80" + tail;
    QTest::newRow("invalid single byte A0") << head + "\xa0" + tail;
    QTest::newRow("invalid trail byte") << head + "\x82\x20" + tail;
    QTest::newRow("invalid lead byte FD") << head + "\xfd\x40" + tail;
    QTest::newRow("NUL byte") << head + QByteArray("a\0b", 3) + tail;
    QTest::newRow("truncated lead byte") << head + "\x82";
}

void TestMemoryDialReader::failures()
{
    QFETCH(QByteArray, bytes);
    const MemoryDialReadResult result = ParseMemoryDial(bytes, QStringList());
    QVERIFY(!result.content);
    QCOMPARE(result.error, u"指定したメモリデータが存在しません。　存在を確認して下さい。　"_s);
}

// What a file holds beside the cells: no card at all (refused), or properties a save would lose.
void TestMemoryDialReader::shape_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("read");
    QTest::addColumn<QStringList>("foreign");
    QTest::newRow("memory dial") << Record(u"FN:a\r\nNOTE:ORG:x\r\n"_s) << true << QStringList{};
    QTest::newRow("shell script") << u"#!/bin/sh\nrm -rf \"$HOME/tmp\"\necho done\n"_s << false << QStringList{};
    QTest::newRow("two values") << u"x\r\ny"_s << false << QStringList{};
    QTest::newRow("card in the middle of a line") << u"note: BEGIN:VCARD\r\nFN:a\r\n"_s << false << QStringList{};
    QTest::newRow("lower-case card") << u"begin:vcard\r\nversion:3.0\r\nfn:a\r\nend:vcard\r\n"_s << true
                                     << QStringList{};
    QTest::newRow("phone's own vCard")
        << u"BEGIN:VCARD\r\nVERSION:3.0\r\nFN:a\r\nORG:Acme;Sales\r\nTITLE:Boss\r\n"
           u"PHOTO;ENCODING=b;TYPE=JPEG:/9j/4AAQ\r\n  SkZJRgABAQ\r\nitem1.X-ABLabel:x\r\norg:again\r\nEND:VCARD\r\n"_s
        << true << QStringList{u"ORG"_s, u"TITLE"_s, u"PHOTO"_s, u"ITEM1.X-ABLABEL"_s};
}

void TestMemoryDialReader::shape()
{
    QFETCH(QString, text);
    QFETCH(bool, read);
    QFETCH(QStringList, foreign);
    const MemoryDialReadResult result = ParseMemoryDial(Sjis(text), QStringList());
    QCOMPARE(result.content.has_value(), read);
    if (read) {
        QCOMPARE(result.content->foreignProperties, foreign);
    } else {
        QCOMPARE(result.error,
                 u"指定したファイルはメモリダイヤル（vCard）ではありません。　ファイルを確認して下さい。　"_s);
        QCOMPARE(result.title, u"ﾒﾓﾘﾃﾞｰﾀの形式確認"_s);
    }
}

void TestMemoryDialReader::encodings_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error");

    const QByteArray head = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:";
    const QByteArray tail = "\r\nEND:VCARD\r\n";
    QTest::newRow("UTF-8 name") << head + u"山太辺さん"_s.toUtf8() + tail << kUtf8Message;
    QTest::newRow("UTF-8 two-byte letter, no Shift_JIS") << head + "\xC4\x80" + tail << kUtf8Message;
    QTest::newRow("UTF-8 byte-order mark") << "\xEF\xBB\xBF" + head + "a" + tail << kUtf8Message;
    QTest::newRow("UTF-8 character split by a fold") << head + "\xE5\xB1\r\n \xB1" + tail << kUtf8Message;
    QTest::newRow("Shift_JIS name") << head + Sjis(u"山太辺さん"_s) + tail << QString();
    QTest::newRow("Shift_JIS reading") << head + Sjis(u"ﾔﾏﾀﾞﾀﾛｳ"_s) + tail << QString();
    // Each of these pairs is a two-byte UTF-8 character as well.
    QTest::newRow("Shift_JIS half-width names") << head + Sjis(u"ﾏｷ\r\nSORT-STRING:ﾕｲ"_s) + tail << QString();
    QTest::newRow("ASCII only") << head + "Taro" + tail << QString();
}

void TestMemoryDialReader::encodings()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    const MemoryDialReadResult result = ParseMemoryDial(bytes, QStringList());
    QCOMPARE(ExpectedMessage(bytes), error);
    QCOMPARE(result.error, error);
    QCOMPARE(result.content.has_value(), error.isEmpty());
    if (!error.isEmpty()) {
        QCOMPARE(result.title, u"ﾒﾓﾘﾃﾞｰﾀの文字コード確認"_s);
    }
}

// Real files, written by other programs in either encoding: each code page 932 file loads,
// each UTF-8 one is refused as UTF-8.
void TestMemoryDialReader::files_data()
{
    QTest::addColumn<QString>("path");
    for (const QString& folder :
         {QStringLiteral(MORVANX_TEST_DATA "/memorydial"), QStringLiteral(MORVANX_VCARD_SAMPLES)}) {
        if (folder.isEmpty()) {
            continue;
        }
        const QDir dir(folder);
        for (const QString& name : dir.entryList({u"*.vcf"_s, u"*.VCF"_s}, QDir::Files)) {
            QTest::newRow(qPrintable(name)) << dir.filePath(name);
        }
    }
}

void TestMemoryDialReader::files()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const MemoryDialReadResult result = MemoryDataOpen(path, QStringList());
    QCOMPARE(result.error, ExpectedMessage(bytes));
}

void TestMemoryDialReader::openFailures()
{
    const QString message = u"指定したメモリデータが存在しません。　存在を確認して下さい。　"_s;
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QCOMPARE(MemoryDataOpen(dir.filePath(u"absent.vcf"_s), QStringList()).error, message);
    QCOMPARE(MemoryDataOpen(dir.path(), QStringList()).error,
             u"「"_s + dir.path() + u"」は通常のファイルではないため、読み込みできません。　"_s);
    QCOMPARE(MemoryDataOpen(QString(), QStringList()).error, message);
    QFile empty(dir.filePath(u"empty.vcf"_s));
    QVERIFY(empty.open(QIODevice::WriteOnly));
    empty.close();
    const MemoryDialReadResult result = MemoryDataOpen(empty.fileName(), QStringList());
    QVERIFY(!result.content);
    QCOMPARE(result.error, message);
    // A sparse file costs no disk space but would need gigabytes of memory to read whole.
    QFile huge(dir.filePath(u"huge.vcf"_s));
    QVERIFY(huge.open(QIODevice::WriteOnly));
    QVERIFY(huge.resize(300LL * 1024 * 1024));
    huge.close();
    QCOMPARE(MemoryDataOpen(huge.fileName(), QStringList()).error, message);
}

void TestMemoryDialReader::boundOfEntries()
{
    QString text;
    for (int i = 0; i < 1001; ++i) {
        text += Record(u"FN:名前"_s + QString::number(i) + u"\r\nX-REDUCTION:"_s + QString::number(i) + u"\r\n"_s);
    }
    const MemoryDialReadResult full = ParseMemoryDial(Sjis(text), QStringList());
    QVERIFY(full.content);
    QCOMPARE(full.content->EntryCount, 1001);
    QCOMPARE(full.content->rows[1000][kColNumber], u"1000"_s);

    const MemoryDialReadResult oneMore = ParseMemoryDial(Sjis(text + Record(u"FN:x\r\n"_s)), QStringList());
    QVERIFY(!oneMore.content);
    const MemoryDialReadResult strayValue = ParseMemoryDial(Sjis(text + u"FN:x\r\n"_s), QStringList());
    QVERIFY(!strayValue.content);
    const MemoryDialReadResult bareEnd = ParseMemoryDial(Sjis(text + u"END\r\n"_s), QStringList());
    QVERIFY(!bareEnd.content);
}

// Sixteen million empty values are cut and dropped one by one: the read costs about the
// decoded text, not a place for every value (which took gigabytes for a large file).
void TestMemoryDialReader::commaFlood()
{
#ifdef Q_OS_LINUX
    const QByteArray commas = "BEGIN:VCARD\r\n" + QByteArray(16 * 1024 * 1024, ',');
    const long before = PeakKilobytes();
    const MemoryDialReadResult result = ParseMemoryDial(commas, QStringList());
    const long grown = PeakKilobytes() - before;
    QVERIFY(result.content);
    QCOMPARE(result.content->EntryCount, 0);
    QVERIFY2(grown < 4 * commas.size() / 1024, qPrintable(QString::number(grown) + u" KiB more at the peak"_s));
#else
    QSKIP("the peak memory of the process is read on Linux only");
#endif
}

QTEST_GUILESS_MAIN(TestMemoryDialReader)
#include "tst_memorydialreader.moc"
