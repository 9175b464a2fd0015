#include "exchange/AddressBook.h"
#include "exchange/TextFit.h"
#include "exchange/VCardLines.h"
#include "memorydial/CodePage.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QDateTime kNow(QDate(2026, 1, 2), QTime(3, 4, 5));

struct Imported
{
    MemoryDial dial;
    ExchangeReport report;
};

Imported Import(const QByteArray& bytes)
{
    Imported result;
    ImportAddressBookBytes(result.dial, u"in.vcf"_s, bytes, kNow, result.report);
    return result;
}

// Every field filled, as the editor would store it.
Entry FullEntry(int n)
{
    Entry e;
    e[kColNumber] = u"%1"_s.arg(n, 3, 10, QChar(u'0'));
    e[kColName] = u"山田 太郎%1"_s.arg(n);
    e[kColReading] = u"ﾔﾏﾀﾞ ﾀﾛｳ"_s;
    e[kColSecret] = u"PRIVATE"_s;
    const QStringList telKinds = {u"携帯"_s, u"PHS"_s, u"自宅"_s, u"仕事"_s, u"FAX"_s};
    const QStringList mailKinds = {u"携帯"_s, u"学校"_s, u"自宅"_s, u"仕事"_s, u"その他"_s};
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        e[TelNumberCell(slot)] = u"090-0000-000%1"_s.arg(slot);
        e[TelKindCell(slot)] = telKinds[slot - 1];
        e[MailAddressCell(slot)] = u"user%1@example.jp"_s.arg(slot);
        e[MailKindCell(slot)] = mailKinds[slot - 1];
    }
    e[kColGroupNumber] = u"07"_s;
    e[kColGroupName] = u"友人"_s;
    e[kColAddress] = u"東京都渋谷区桜丘町26-1"_s;
    e[kColPostalCode] = u"150-8512"_s;
    e[kColAddressKind] = u"会社"_s;
    e[kColConstellation] = u"魚"_s;
    e[kColBirthday] = u"19700315"_s;
    e[kColBloodType] = u"AB"_s;
    e[kColHobby] = u"釣り"_s;
    e[kColMemo] = u"メモ～です"_s;
    e[kColUrl] = u"http://example.jp/~yamada"_s;
    e[kColGps] = u"+35.39.29.20&+139.44.28.80&"_s;
    e[kColRevision] = u"20050307T090503Z"_s;
    return e;
}

QString Card(const QString& lines)
{
    return u"BEGIN:VCARD\r\nVERSION:3.0\r\n"_s + lines + u"END:VCARD\r\n"_s;
}

QByteArray CardOf(const char* version, const QString& lines)
{
    return (u"BEGIN:VCARD\r\nVERSION:"_s + QLatin1StringView(version) + u"\r\n"_s + lines + u"END:VCARD\r\n"_s)
        .toUtf8();
}

// The columns of the tables that import one card and look at one cell and the notes.
void AddCellColumns()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("cell");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QStringList>("notes");
}

void CheckCell()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, cell);
    QFETCH(QString, value);
    QFETCH(QStringList, notes);
    const Imported imported = Import(bytes);
    QCOMPARE(imported.dial.RowCount(), 1);
    QCOMPARE(imported.dial.rows[0][cell], value);
    QCOMPARE(imported.report.details.isEmpty() ? QStringList() : imported.report.details[0].notes, notes);
}

// What each entry of an import holds in a few cells, one text an entry.
QStringList Summaries(const Imported& imported)
{
    QStringList summaries;
    for (const Entry& entry : imported.dial.rows) {
        summaries.append(entry[kColName] + u'|' + entry[kColTel1] + u'|' + entry[TelNumberCell(2)] + u'|' +
                         entry[kColMemo]);
    }
    return summaries;
}

} // namespace

class TestExchange : public QObject
{
    Q_OBJECT

private slots:
    void lineLayer_data();
    void lineLayer();
    void unescape_data();
    void unescape();
    void foldLine_data();
    void foldLine();
    void reading_data();
    void reading();
    void fit_data();
    void fit();
    void mapping_data();
    void mapping();
    void nestedCards_data();
    void nestedCards();
    void sortAsReading_data();
    void sortAsReading() { CheckCell(); }
    void commas_data();
    void commas() { CheckCell(); }
    void charsetLabels_data();
    void charsetLabels() { CheckCell(); }
    void escapesByVersion_data();
    void escapesByVersion() { CheckCell(); }
    void numbersAndNames_data();
    void numbersAndNames() { CheckCell(); }
    void nothingTaken_data();
    void nothingTaken();
    void report_data();
    void report();
    void exportLines_data();
    void exportLines();
    void exportKinds_data();
    void exportKinds();
    void formattedName_data();
    void formattedName();
    void roundTrip_data();
    void roundTrip();
    void appendsWithFreeNumbers();
    void csvChecks_data();
    void csvChecks();
    void csvHeader();
    void csvFormulaGuard_data();
    void csvFormulaGuard();
    void charsets_data();
    void charsets();
    void groups_data();
    void groups();
    void boundOf1001();
    void reportBounds_data();
    void reportBounds();
    void cardKeepsBoundedLines();
    void refusedFiles_data();
    void refusedFiles();
    void fixtures_data();
    void fixtures();
    void externalSamples_data();
    void externalSamples();
};

void TestExchange::lineLayer_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("types");

    QTest::newRow("fold with space") << "BEGIN:VCARD\r\nTEL;WORK:5555\r\n 4444\r\nEND:VCARD\r\n"_ba << u"TEL"_s
                                     << u"55554444"_s << QStringList{u"WORK"_s};
    QTest::newRow("type list quoted whole") << "BEGIN:VCARD\r\nTEL;TYPE=\"cell,voice\":1\r\nEND:VCARD\r\n"_ba
                                            << u"TEL"_s << u"1"_s << QStringList{u"CELL"_s, u"VOICE"_s};
    QTest::newRow("soft line break before a blank")
        << "BEGIN:VCARD\r\nNOTE;ENCODING=QUOTED-PRINTABLE:hello=\r\n world=\r\n again\r\nEND:VCARD\r\n"_ba << u"NOTE"_s
        << u"hello world again"_s << QStringList{};
    QTest::newRow("fold with tab inside parameters")
        << "BEGIN:VCARD\nTEL;TYPE=VOICE,M\n\tSG,WORK:+1\nEND:VCARD\n"_ba << u"TEL"_s << u"+1"_s
        << QStringList{u"VOICE"_s, u"MSG"_s, u"WORK"_s};
    QTest::newRow("quoted-printable soft breaks")
        << "BEGIN:VCARD\nN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=\nBr=C3=BCning;=\nMichael\nEND:VCARD\n"_ba << u"N"_s
        << u"Brüning;Michael"_s << QStringList();
    QTest::newRow("soft break inside a UTF-8 sequence")
        << "BEGIN:VCARD\r\nNOTE;CHARSET=UTF-8;QUOTED-PRINTABLE:8=E2=80=\r\n=9312\r\nEND:VCARD\r\n"_ba << u"NOTE"_s
        << u"8–12"_s << QStringList();
    QTest::newRow("soft break inside an escape")
        << "BEGIN:VCARD\nN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=D0=9A==\nD0=A1\nEND:VCARD\n"_ba << u"N"_s << u"КС"_s
        << QStringList();
    QTest::newRow("soft line break eating the end of a line without colon")
        << "BEGIN:VCARD\nNOTE;QUOTED-PRINTABLE;X=\n\nEND:VCARD\n"_ba << u"NOTE"_s << QString() << QStringList();
    QTest::newRow("equals sign ending a plain value")
        << "BEGIN:VCARD\nNOTE:ends with=\nTEL:1\nEND:VCARD\n"_ba << u"NOTE"_s << u"ends with="_s << QStringList();
    QTest::newRow("Shift_JIS trail byte 0x5C before a separator")
        << "BEGIN:VCARD\nN;CHARSET=SHIFT_JIS:\x94\\;\x8c\\\nEND:VCARD\n"_ba << u"N"_s << u"能;圭"_s << QStringList();
    QTest::newRow("no charset, valid UTF-8")
        << "BEGIN:VCARD\nFN:山田\nEND:VCARD\n"_ba << u"FN"_s << u"山田"_s << QStringList();
    QTest::newRow("no charset, UTF-8 of two, three and four bytes")
        << "BEGIN:VCARD\nFN:Jos\xc3\xa9 \xe5\xb1\xb1 \xf0\x9f\x98\x80\nEND:VCARD\n"_ba << u"FN"_s << u"José 山 😀"_s
        << QStringList();
    QTest::newRow("byte-order mark before a value")
        << "BEGIN:VCARD\nFN:\xef\xbb\xbf\xe5\xb1\xb1\nEND:VCARD\n"_ba << u"FN"_s << u"山"_s << QStringList();
    QTest::newRow("no charset, Shift_JIS")
        << "BEGIN:VCARD\nFN:\x8eR\x93\x63\nEND:VCARD\n"_ba << u"FN"_s << u"山田"_s << QStringList();
    QTest::newRow("kanji in UTF-8 stay UTF-8 beside a Shift_JIS line")
        << "BEGIN:VCARD\nFN:\xe5\xb1\xb1\nEND:VCARD\nX-AFTER:\x8eR\n"_ba << u"FN"_s << u"山"_s << QStringList();
    QTest::newRow("a Shift_JIS line after the card decides two-byte text")
        << "BEGIN:VCARD\nFN:\xc3\xa9\nEND:VCARD\nX-AFTER:\x8eR\n"_ba << u"FN"_s << u"ﾃｩ"_s << QStringList();
    QTest::newRow("fold splitting a UTF-8 sequence")
        << "BEGIN:VCARD\r\nFN:\xe5\xb1\r\n \xb1\xe7\x94\xb0\r\nEND:VCARD\r\n"_ba << u"FN"_s << u"山田"_s
        << QStringList();
    QTest::newRow("bare 2.1 type words") << "BEGIN:VCARD\nTEL;CELL;PREF:090\nEND:VCARD\n"_ba << u"TEL"_s << u"090"_s
                                         << QStringList{u"CELL"_s, u"PREF"_s};
    QTest::newRow("quoted parameter value with comma and colon")
        << "BEGIN:VCARD\nTEL;TYPE=\"COMMA,SEPARATED:INSIDE.DQUOTE\",PREF:1\nEND:VCARD\n"_ba << u"TEL"_s << u"1"_s
        << QStringList{u"COMMA,SEPARATED:INSIDE.DQUOTE"_s, u"PREF"_s};
    QTest::newRow("group and lower-case type")
        << "BEGIN:VCARD\r\r\nitem1.EMAIL;type=INTERNET;type=pref:a@b.jp\r\r\nEND:VCARD\r\r\n"_ba << u"EMAIL"_s
        << u"a@b.jp"_s << QStringList{u"INTERNET"_s, u"PREF"_s};
    QTest::newRow("UTF-16 big-endian without BOM")
        << "\0B\0E\0G\0I\0N\0:\0V\0C\0A\0R\0D\0\n\0F\0N\0:0\xce\0\n"_ba << u"FN"_s << u"ノ"_s << QStringList();
}

void TestExchange::lineLayer()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QStringList, types);
    QList<VCardCard> cards;
    const QString error = ReadVCards(bytes, [&](const VCardCard& card) { cards.append(card); });
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(cards.size(), 1);
    const auto& properties = cards.front().properties;
    const auto found =
        std::find_if(properties.cbegin(), properties.cend(), [&](const VCardProperty& p) { return p.name == name; });
    QVERIFY(found != properties.cend());
    QVERIFY(!found->undecodable);
    QCOMPARE(found->text, text);
    QCOMPARE(found->types, types);
}

void TestExchange::unescape_data()
{
    QTest::addColumn<QString>("escaped");
    QTest::addColumn<QString>("text");
    QTest::newRow("line breaks") << u"a\\nb\\Nc"_s << u"a\nb\nc"_s;
    QTest::newRow("separators") << u"a\\,b\\;c\\:d\\\\e"_s << u"a,b;c:d\\e"_s;
    QTest::newRow("unknown escape stays") << u"a\\Mb"_s << u"a\\Mb"_s;
    QTest::newRow("trailing backslash stays") << u"end\\"_s << u"end\\"_s;
}

void TestExchange::unescape()
{
    QFETCH(QString, escaped);
    QFETCH(QString, text);
    QCOMPARE(UnescapeText(escaped, VCardVersion::V30), text);
    QString written = u"NOTE:"_s;
    AppendEscapedText(written, text);
    QCOMPARE(UnescapeText(QStringView(written).sliced(5), VCardVersion::V30), text);
}

void TestExchange::foldLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("short") << u"FN:山田"_s;
    QTest::newRow("ASCII over 75") << u"NOTE:"_s + QString(200, u'x');
    QTest::newRow("three-byte characters") << u"NOTE:"_s + QString(100, u'漢');
    QTest::newRow("four-byte characters") << u"NOTE:"_s + QString::fromUcs4(U"😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀");
}

void TestExchange::foldLine()
{
    QFETCH(QString, line);
    // Appended after the lines before it, and folded by its own length alone.
    QByteArray bytes = "BEGIN:VCARD\r\n"_ba;
    AppendFoldedLine(bytes, line);
    QVERIFY(bytes.startsWith("BEGIN:VCARD\r\n"));
    const QByteArray folded = bytes.sliced(13);
    QVERIFY(folded.endsWith("\r\n"));
    QByteArray unfolded;
    const QList<QByteArray> pieces = folded.chopped(2).split('\n');
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        QByteArray piece = pieces[i];
        if (piece.endsWith('\r')) {
            piece.chop(1);
        }
        QVERIFY2(piece.size() <= 75, piece.constData());
        // A fold comes only where the next character would not fit.
        QVERIFY2(i + 1 == pieces.size() || piece.size() > 75 - 4, piece.constData());
        QVERIFY(piece.isValidUtf8()); // no character split across lines
        if (i > 0) {
            QVERIFY(piece.startsWith(' '));
            piece.remove(0, 1);
        }
        unfolded += piece;
    }
    QCOMPARE(QString::fromUtf8(unfolded), line);
}

void TestExchange::reading_data()
{
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("half");
    QTest::newRow("full-width katakana") << u"ヤマダ タロウ"_s << u"ﾔﾏﾀﾞ ﾀﾛｳ"_s;
    QTest::newRow("hiragana") << u"やまだ　たろう"_s << u"ﾔﾏﾀﾞ ﾀﾛｳ"_s;
    QTest::newRow("voiced and semi-voiced") << u"ヴァンパイア・パー"_s << u"ｳﾞｧﾝﾊﾟｲｱ･ﾊﾟｰ"_s;
    QTest::newRow("full-width Latin") << u"ＡＢＣ１"_s << u"ABC1"_s;
    QTest::newRow("already half-width") << u"ｱﾝﾄﾞｳ"_s << u"ｱﾝﾄﾞｳ"_s;
    QTest::newRow("square word") << u"サト㍃"_s << u"ｻﾄﾏｲｸﾛ"_s;
    QTest::newRow("vertical comma as the comma") << u"ア︑イ"_s << u"ｱ､ｲ"_s;
    QTest::newRow("spacing voiced mark kept") << u"か゛"_s << u"ｶ ﾞ"_s;
}

void TestExchange::reading()
{
    QFETCH(QString, written);
    QFETCH(QString, half);
    QCOMPARE(HalfWidthReading(written), half);
    // Back to full width only changes the half-width katakana.
    QCOMPARE(HalfWidthReading(FullWidthKatakana(half)), half);
}

void TestExchange::fit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("fitted");
    QTest::addColumn<QString>("dropped");
    QTest::newRow("wave dash") << u"10〜12時"_s << u"10～12時"_s << QString();
    QTest::newRow("minus and em dash") << u"−—"_s << u"－―"_s << QString();
    QTest::newRow("emoji left out") << u"太郎😀"_s << u"太郎"_s << QString::fromUcs4(U"😀");
    QTest::newRow("umlaut left out") << u"Müller"_s << u"Mller"_s << u"ü"_s;
    QTest::newRow("separators of the file") << u"a, b\r\nc"_s << u"a， b c"_s << QString();
    QTest::newRow("trimmed") << u"  x  "_s << u"x"_s << QString();
    QTest::newRow("unpaired high surrogate alone left out")
        << u"a"_s + QChar(0xD83D) + u"b"_s << u"ab"_s << QString(QChar(0xD83D));
}

void TestExchange::fit()
{
    QFETCH(QString, text);
    QFETCH(QString, fitted);
    QFETCH(QString, dropped);
    const FittedText result = FitMemoryDialCell(text);
    QCOMPARE(result.text, fitted);
    QCOMPARE(result.dropped, dropped);
    QVERIFY(CodePage::CanHold(result.text));
}

void TestExchange::mapping_data()
{
    QTest::addColumn<QString>("lines");
    QTest::addColumn<int>("cell");
    QTest::addColumn<QString>("value");

    QTest::newRow("FN before N") << u"N:Yamada;Taro;;;\r\nFN:山田 太郎\r\n"_s << int(kColName) << u"山田 太郎"_s;
    QTest::newRow("N without FN") << u"N:山田;太郎;;;\r\n"_s << int(kColName) << u"山田 太郎"_s;
    QTest::newRow("ORG alone") << u"ORG:Bike Shop;Sales\r\n"_s << int(kColName) << u"Bike Shop"_s;
    QTest::newRow("phonetic names") << u"X-PHONETIC-LAST-NAME:やまだ\r\nX-PHONETIC-FIRST-NAME:たろう\r\n"_s
                                    << int(kColReading) << u"ﾔﾏﾀﾞ ﾀﾛｳ"_s;
    QTest::newRow("SORT-STRING before phonetic parts")
        << u"X-PHONETIC-LAST-NAME:ア\r\nX-PHONETIC-FIRST-NAME:イ\r\nSORT-STRING:ア  イ\r\n"_s << int(kColReading)
        << u"ｱ  ｲ"_s;
    QTest::newRow("SORT-STRING") << u"SORT-STRING:ヤマダ\r\n"_s << int(kColReading) << u"ﾔﾏﾀﾞ"_s;
    QTest::newRow("SOUND X-IRMC-N") << u"SOUND;X-IRMC-N:ﾔﾏﾀﾞ;ﾀﾛｳ;;;\r\n"_s << int(kColReading) << u"ﾔﾏﾀﾞ ﾀﾛｳ"_s;
    QTest::newRow("CELL") << u"TEL;TYPE=CELL:090\r\n"_s << TelKindCell(1) << u"携帯"_s;
    QTest::newRow("FAX wins over HOME") << u"TEL;HOME;FAX:03\r\n"_s << TelKindCell(1) << u"FAX"_s;
    QTest::newRow("PCS") << u"TEL;TYPE=PCS:070\r\n"_s << TelKindCell(1) << u"PHS"_s;
    QTest::newRow("PHS label") << u"item1.TEL:070\r\nitem1.X-ABLabel:PHS\r\n"_s << TelKindCell(1) << u"PHS"_s;
    QTest::newRow("no type") << u"TEL:03\r\n"_s << TelKindCell(1) << u"その他"_s;
    QTest::newRow("tel URI") << u"TEL;VALUE=uri;TYPE=cell:tel:+81-90-1234-5678\r\n"_s << TelNumberCell(1)
                             << u"+81-90-1234-5678"_s;
    QTest::newRow("scheme behind a control character") << u"TEL:\u0015TEL:03\r\n"_s << TelNumberCell(1) << u"03"_s;
    QTest::newRow("mailto twice") << u"EMAIL:mailto:MAILTO:a@b\r\n"_s << MailAddressCell(1) << u"a@b"_s;
    QTest::newRow("work mail") << u"EMAIL;TYPE=INTERNET,WORK:a@b\r\n"_s << MailKindCell(1) << u"仕事"_s;
    QTest::newRow("school mail") << u"EMAIL;TYPE=INTERNET,X-SCHOOL:a@b\r\n"_s << MailKindCell(1) << u"学校"_s;
    QTest::newRow("preferred mail to slot 1")
        << u"EMAIL:a@b\r\nEMAIL;TYPE=PREF:c@d\r\n"_s << MailAddressCell(1) << u"c@d"_s;
    QTest::newRow("other mail to slot 2")
        << u"EMAIL:a@b\r\nEMAIL;TYPE=PREF:c@d\r\n"_s << MailAddressCell(2) << u"a@b"_s;
    QTest::newRow("ADR in Japanese order") << u"ADR;TYPE=HOME:;;桜丘町26-1;渋谷区;東京都;150-8512;日本\r\n"_s
                                           << int(kColAddress) << u"東京都渋谷区桜丘町26-1"_s;
    QTest::newRow("ADR keeps inner spaces")
        << u"ADR:;;401 Park Drive  3 West;;;;\r\n"_s << int(kColAddress) << u"401 Park Drive  3 West"_s;
    QTest::newRow("LABEL alone with its kind") << u"LABEL;TYPE=HOME:x\r\n"_s << int(kColAddressKind) << u"自宅"_s;
    QTest::newRow("ADR kind") << u"ADR;TYPE=WORK:;;x;;;;\r\n"_s << int(kColAddressKind) << u"会社"_s;
    QTest::newRow("postal code with mark")
        << u"ADR:;;x;;;〒１５０−８５１２;\r\n"_s << int(kColPostalCode) << u"150-8512"_s;
    QTest::newRow("postal code digits only") << u"ADR:;;x;;;1508512;\r\n"_s << int(kColPostalCode) << u"150-8512"_s;
    QTest::newRow("BDAY ISO") << u"BDAY:1980-03-22\r\n"_s << int(kColBirthday) << u"19800322"_s;
    QTest::newRow("BDAY basic") << u"BDAY:19781229\r\n"_s << int(kColBirthday) << u"19781229"_s;
    QTest::newRow("BDAY with time") << u"BDAY:1980-03-22T00:00:00Z\r\n"_s << int(kColBirthday) << u"19800322"_s;
    QTest::newRow("BDAY without year") << u"BDAY:--0322\r\n"_s << int(kColBirthday) << QString();
    QTest::newRow("BDAY Apple omitted year")
        << u"BDAY;X-APPLE-OMIT-YEAR=1604:1604-03-22\r\n"_s << int(kColBirthday) << QString();
    QTest::newRow("BDAY impossible") << u"BDAY:2001-02-30\r\n"_s << int(kColBirthday) << QString();
    QTest::newRow("GEO 3.0") << u"GEO:35.658111;139.741333\r\n"_s << int(kColGps) << u"+35.39.29.20&+139.44.28.80&"_s;
    QTest::newRow("GEO 4.0 URI") << u"GEO:geo:-33.85,-70.666667\r\n"_s << int(kColGps)
                                 << u"-33.51.00.00&-070.40.00.00&"_s;
    QTest::newRow("NOTE escapes") << u"NOTE:a\\nb\\, c\r\n"_s << int(kColMemo) << u"a b， c"_s;
    QTest::newRow("URL escaped colon") << u"URL:http\\://x.jp\r\n"_s << int(kColUrl) << u"http://x.jp"_s;
    QTest::newRow("number of nothing holdable leaves no gap")
        << u"TEL:\u0001\u0002\r\nTEL:03\r\n"_s << TelNumberCell(1) << u"03"_s;
    QTest::newRow("decomposed kana") << u"NOTE:か\u3099っこう\r\n"_s << int(kColMemo) << u"がっこう"_s;
    QTest::newRow("CATEGORIES first") << u"CATEGORIES:友人,会社\r\n"_s << int(kColGroupName) << u"友人"_s;
    QTest::newRow("CATEGORIES with an escaped comma")
        << u"CATEGORIES:友人\\,知人,会社\r\n"_s << int(kColGroupName) << u"友人，知人"_s;
    QTest::newRow("CLASS") << u"CLASS:confidential\r\n"_s << int(kColSecret) << u"PRIVATE"_s;
    QTest::newRow("constellation code") << u"X-CONSTELLATION:PISCES\r\n"_s << int(kColConstellation) << u"魚"_s;
}

void TestExchange::mapping()
{
    QFETCH(QString, lines);
    QFETCH(int, cell);
    QFETCH(QString, value);
    const bool named = lines.contains(u"FN:") || lines.startsWith(u"N:") || lines.startsWith(u"ORG:");
    const Imported imported = Import(Card((named ? QString() : u"FN:x\r\n"_s) + lines).toUtf8());
    QCOMPARE(imported.dial.RowCount(), 1);
    QCOMPARE(imported.dial.rows[0][cell], value);
}

// A card right inside another one (not an agent's) is an entry of its own; the outer card
// keeps every line, those after the inner card too.
void TestExchange::nestedCards_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("2.1 card inside a card")
        << "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Outer\r\nTEL:1\r\nBEGIN:VCARD\r\nVERSION:2.1\r\nN:Inner\r\nTEL:2\r\n"
           "END:VCARD\r\nTEL:3\r\nNOTE:after\r\nEND:VCARD\r\n"_ba
        << QStringList{u"Inner|2||"_s, u"Outer|1|3|after"_s};
    QTest::newRow("cards without END lines, in their order")
        << "BEGIN:VCARD\r\nN:A\r\nBEGIN:VCARD\r\nN:B\r\nBEGIN:VCARD\r\nN:C\r\n"_ba
        << QStringList{u"A|||"_s, u"B|||"_s, u"C|||"_s};
    QByteArray many;
    QStringList names;
    for (int i = 0; i < 10; ++i) {
        many += "BEGIN:VCARD\r\nFN:c" + QByteArray::number(i) + "\r\n";
        names.append(u"c%1|||"_s.arg(i));
    }
    QTest::newRow("more cards without END than may be open") << many << names;
}

void TestExchange::nestedCards()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, entries);
    const Imported imported = Import(bytes);
    QCOMPARE(Summaries(imported), entries);
    QVERIFY2(imported.report.details.isEmpty(), qPrintable(imported.report.Text(true)));
}

void TestExchange::sortAsReading_data()
{
    AddCellColumns();
    QTest::newRow("hiragana in 4.0 SORT-AS")
        << CardOf("4.0", u"FN:山田 太郎\r\nN;SORT-AS=\"やまだ,たろう\":山田;太郎;;;\r\n"_s) << int(kColReading)
        << u"ﾔﾏﾀﾞ ﾀﾛｳ"_s << QStringList();
    QTest::newRow("katakana of the family name alone") << CardOf("4.0", u"FN:山田\r\nN;SORT-AS=ヤマダ:山田;;;;\r\n"_s)
                                                       << int(kColReading) << u"ﾔﾏﾀﾞ"_s << QStringList();
    QTest::newRow("Latin letters only order the list")
        << CardOf("4.0", u"FN:Vincent\r\nN;SORT-AS=\"Gogh,Vincent\":van Gogh;Vincent;;;\r\n"_s) << int(kColReading)
        << QString() << QStringList();
    QTest::newRow("phonetic names come first")
        << CardOf("4.0", u"FN:x\r\nX-PHONETIC-LAST-NAME:ア\r\nN;SORT-AS=イ:x;;;;\r\n"_s) << int(kColReading) << u"ｱ"_s
        << QStringList();
}

// A comma stays dialable in a number and the same address in a URL; only text cells take the
// full-width comma, and say so.
void TestExchange::commas_data()
{
    AddCellColumns();
    QTest::newRow("pauses in a number")
        << CardOf("3.0", u"FN:x\r\nTEL:0312345678,,123\r\n"_s) << TelNumberCell(1) << u"0312345678PP123"_s
        << QStringList{u"TEL 0312345678,,123：ポーズ（「,」と「;ext=」）を P にして取り込みました"_s};
    QTest::newRow("extension of a tel URI")
        << CardOf("4.0", u"FN:x\r\nTEL;VALUE=uri:tel:+81-3-1234-5678;ext=123\r\n"_s) << TelNumberCell(1)
        << u"+81-3-1234-5678P123"_s
        << QStringList{u"TEL +81-3-1234-5678;ext=123：ポーズ（「,」と「;ext=」）を P にして取り込みました"_s};
    QTest::newRow("comma in a URL") << CardOf("3.0", u"FN:x\r\nURL:http://example.jp/a\\,b\r\n"_s) << int(kColUrl)
                                    << u"http://example.jp/a%2Cb"_s << QStringList();
    QTest::newRow("comma in a memo") << CardOf("3.0", u"FN:x\r\nNOTE:a\\, b\r\n"_s) << int(kColMemo) << u"a， b"_s
                                     << QStringList{u"NOTE a, b：カンマ「,」を全角の「，」にして取り込みました"_s};
    QTest::newRow("comma in a mail address")
        << CardOf("3.0", u"FN:x\r\nEMAIL:a\\,b@example.jp\r\nEMAIL:c@example.jp\r\n"_s) << MailAddressCell(1)
        << u"c@example.jp"_s << QStringList{u"EMAIL a,b@example.jp：カンマを含むため取り込みませんでした"_s};
}

// A CHARSET label that refuses a value of valid UTF-8 is wrong for its whole card; a name that
// a label refused is never replaced by a fallback that the same label decoded.
void TestExchange::charsetLabels_data()
{
    AddCellColumns();
    const QByteArray card = "BEGIN:VCARD\r\nVERSION:2.1\r\nFN;CHARSET=SHIFT_JIS:" + u"山田太郎"_s.toUtf8() +
                            "\r\nORG;CHARSET=SHIFT_JIS:" + u"オープン"_s.toUtf8() + "\r\nEND:VCARD\r\n";
    QTest::newRow("UTF-8 under a Shift_JIS label")
        << card << int(kColName) << u"山田太郎"_s
        << QStringList{
               u"CHARSET=SHIFT_JIS：この文字コードでは読めない値が UTF-8 だったため、この連絡先の値を UTF-8 として取り込みました"_s,
               u"ORG オープン：対応する項目がないため取り込みませんでした"_s};
    QTest::newRow("no fallback under the label that refused the name")
        << "BEGIN:VCARD\r\nVERSION:2.1\r\nFN;CHARSET=SHIFT_JIS;ENCODING=QUOTED-PRINTABLE:=81=FF\r\n"
           "ORG;CHARSET=SHIFT_JIS:" +
               *CodePage::Encode(u"山田商店") + "\r\nTEL:03\r\nEND:VCARD\r\n"
        << int(kColName) << QString()
        << QStringList{u"FN：文字コードが正しくないため取り込みませんでした"_s,
                       u"ORG 山田商店：対応する項目がないため取り込みませんでした"_s};
    QTest::newRow("a label that holds") << "BEGIN:VCARD\r\nVERSION:2.1\r\nFN;CHARSET=SHIFT_JIS:" +
                                               *CodePage::Encode(u"山田太郎") + "\r\nEND:VCARD\r\n"
                                        << int(kColName) << u"山田太郎"_s << QStringList();
}

void TestExchange::escapesByVersion_data()
{
    AddCellColumns();
    QTest::newRow("3.0 quote") << CardOf("3.0", u"FN:x\r\nNOTE:say \\\"hi\\\"\r\n"_s) << int(kColMemo)
                               << u"say \"hi\""_s << QStringList();
    QTest::newRow("4.0 quote and separators")
        << CardOf("4.0", u"FN:x\r\nNOTE:\\\"a\\;b\\\\c\\:d\r\n"_s) << int(kColMemo) << u"\"a;b\\c:d"_s << QStringList();
    QTest::newRow("2.1 backslashes stay in text") << CardOf("2.1", u"FN:x\r\nNOTE:C:\\\\dir\\new\\;x\r\n"_s)
                                                  << int(kColMemo) << u"C:\\\\dir\\new\\;x"_s << QStringList();
    QTest::newRow("2.1 escaped semicolon in a structured value")
        << CardOf("2.1", u"N:Smith\\;Jones;John\r\n"_s) << int(kColName) << u"Smith;Jones John"_s << QStringList();
    QTest::newRow("2.1 other backslash in a structured value")
        << CardOf("2.1", u"N:a\\\\b;c\\,d\r\n"_s) << int(kColName) << u"a\\\\b c\\，d"_s
        << QStringList{u"N a\\\\b c\\,d：カンマ「,」を全角の「，」にして取り込みました"_s};
}

void TestExchange::numbersAndNames_data()
{
    AddCellColumns();
    QTest::newRow("sip address is no number")
        << CardOf("3.0", u"FN:x\r\nTEL;TYPE=HOME:sip:taro@example.jp\r\nTEL:03\r\n"_s) << TelNumberCell(1) << u"03"_s
        << QStringList{u"TEL sip:taro@example.jp：電話番号ではないため取り込みませんでした"_s};
    QTest::newRow("carrier PHS word") << CardOf("2.1", u"FN:x\r\nTEL;X-NEC-PHS:070\r\n"_s) << TelKindCell(1) << u"PHS"_s
                                      << QStringList();
    QTest::newRow("PHS mail of our export") << CardOf("3.0", u"FN:x\r\nEMAIL;TYPE=X-PHS,INTERNET:a@b\r\n"_s)
                                            << MailKindCell(1) << u"PHS"_s << QStringList();
    QTest::newRow("N keeps its middle names") << CardOf("3.0", u"N:Doe;John;Quinlan,Paul;Mr.;\r\n"_s) << int(kColName)
                                              << u"Doe John Quinlan Paul"_s << QStringList();
    QTest::newRow("2.1 N keeps its middle name")
        << CardOf("2.1", u"N:Doe;John;Q.;;\r\n"_s) << int(kColName) << u"Doe John Q."_s << QStringList();
}

void TestExchange::nothingTaken_data()
{
    QTest::addColumn<QString>("lines");
    QTest::newRow("empty card") << QString();
    QTest::newRow("only a tel scheme") << u"TEL:tel:\r\n"_s;
    QTest::newRow("only a mailto scheme and a blank") << u"EMAIL:mailto: \r\n"_s;
    QTest::newRow("birthday taken back by a later BDAY") << u"X-MORVANE-BIRTHDAY:0322\r\nBDAY:x\r\n"_s;
}

void TestExchange::nothingTaken()
{
    QFETCH(QString, lines);
    const Imported imported = Import(Card(lines).toUtf8());
    QCOMPARE(imported.report.entries, 0);
    QCOMPARE(imported.dial.RowCount(), 0);
    QCOMPARE(imported.report.details.size(), 1);
    QVERIFY(imported.report.details[0].notes.contains(u"取り込める項目がないため、個別情報を作りませんでした"_s));
}

void TestExchange::report_data()
{
    QTest::addColumn<QString>("lines");
    QTest::addColumn<QString>("note");
    QTest::newRow("sixth telephone") << u"TEL:1\r\nTEL:2\r\nTEL:3\r\nTEL:4\r\nTEL:5\r\nTEL:6\r\n"_s
                                     << u"TEL 6：枠が一杯のため取り込みませんでした"_s;
    QTest::newRow("sixth telephone as a URI")
        << u"TEL:1\r\nTEL:2\r\nTEL:3\r\nTEL:4\r\nTEL:5\r\nTEL;VALUE=uri:tel:6\r\n"_s
        << u"TEL 6：枠が一杯のため取り込みませんでした"_s;
    QTest::newRow("photo") << u"PHOTO;ENCODING=b;TYPE=JPEG:/9j/4AAQ\r\n"_s
                           << u"PHOTO：画像などのデータは取り込めません"_s;
    QTest::newRow("other property") << u"ORG:Acme\r\n"_s << u"ORG Acme：対応する項目がないため取り込みませんでした"_s;
    QTest::newRow("emoji") << u"NOTE:楽しい😀\r\n"_s
                           << u"NOTE 楽しい😀：Shift_JIS にない文字 「😀」 を除いて取り込みました"_s;
    QTest::newRow("US zip code") << u"ADR:;;x;;;27613-3502;\r\n"_s
                                 << u"ADR 27613-3502：郵便番号が 7 桁でないため取り込みませんでした"_s;
    QTest::newRow("partial birthday") << u"BDAY:--03-22\r\n"_s
                                      << u"BDAY --03-22：年月日のそろった日付でないため取り込みませんでした"_s;
    QTest::newRow("wrong Shift_JIS bytes") << u"NOTE;CHARSET=SHIFT_JIS;ENCODING=QUOTED-PRINTABLE:=81\r\n"_s
                                           << u"NOTE：文字コードが正しくないため取り込みませんでした"_s;
    QTest::newRow("wrong bytes in the reading") << u"SORT-STRING;CHARSET=SHIFT_JIS;ENCODING=QUOTED-PRINTABLE:=81\r\n"_s
                                                << u"SORT-STRING：文字コードが正しくないため取り込みませんでした"_s;
    QTest::newRow("postal code without address")
        << u"ADR;TYPE=home:;;;;;150-0001;\r\n"_s << u"ADR 150-0001：住所がないため郵便番号を取り込みませんでした"_s;
}

void TestExchange::report()
{
    QFETCH(QString, lines);
    QFETCH(QString, note);
    const Imported imported = Import(Card(u"FN:山田\r\n"_s + lines).toUtf8());
    QCOMPARE(imported.report.entries, 1);
    QCOMPARE(imported.report.details.size(), 1);
    QCOMPARE(imported.report.details[0].entry, u"000 山田"_s);
    QCOMPARE(imported.report.details[0].notes, QStringList{note});
    QVERIFY(imported.report.Text(true).contains(note));
    for (const QString& cell : imported.dial.rows[0].cells) {
        QVERIFY(!cell.contains(u'?'));
    }
}

void TestExchange::exportLines_data()
{
    QTest::addColumn<int>("cell");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("note");
    QTest::newRow("GEO from degrees, minutes, seconds")
        << int(kColGps) << u"+35.39.29.20&+139.44.28.80&"_s << "GEO:35.658111;139.741333\r\n"_ba << QString();
    QTest::newRow("GEO from decimal pair")
        << int(kColGps) << u"35.68;139.76"_s << "GEO:35.680000;139.760000\r\n"_ba << QString();
    QTest::newRow("GPS text that does not parse")
        << int(kColGps) << u"somewhere"_s << QByteArray()
        << u"GPS somewhere：位置の形式が読めないため GEO を書き出しませんでした"_s;
    QTest::newRow("full birthday") << int(kColBirthday) << u"19991231"_s << "BDAY:1999-12-31\r\n"_ba << QString();
    QTest::newRow("month with a blank kept for our import")
        << int(kColBirthday) << u"1980 101"_s << "X-MORVANE-BIRTHDAY:1980 101\r\n"_ba << QString();
    QTest::newRow("partial birthday kept for our import")
        << int(kColBirthday) << u"0315"_s << "X-MORVANE-BIRTHDAY:0315\r\n"_ba << QString();
    QTest::newRow("reading to full width")
        << int(kColReading) << u"ﾔﾏﾀﾞ ﾀﾛｳ"_s << "X-PHONETIC-LAST-NAME:ヤマダ\r\nX-PHONETIC-FIRST-NAME:タロウ\r\n"_ba
        << QString();
    QTest::newRow("escaped separators") << int(kColMemo) << u"a,b;c\\d"_s << "NOTE:a\\,b\\;c\\\\d\r\n"_ba << QString();
    QTest::newRow("URL as written") << int(kColUrl) << u"http://x.jp/a;b\\c,d"_s << "URL:http://x.jp/a;b\\c,d\r\n"_ba
                                    << QString();
}

void TestExchange::exportLines()
{
    QFETCH(int, cell);
    QFETCH(QString, value);
    QFETCH(QByteArray, line);
    QFETCH(QString, note);
    MemoryDial dial;
    Entry entry;
    entry[kColNumber] = u"000"_s;
    entry[kColName] = u"x"_s;
    entry[kColTel1] = u"1"_s;
    entry[cell] = value;
    dial.rows = {entry};
    const ExportResult exported = ExportAddressBook(dial, ExchangeFormat::VCard, false);
    if (!line.isEmpty()) {
        QVERIFY2(exported.bytes.contains(line), exported.bytes.constData());
    }
    QCOMPARE(exported.report.details.isEmpty(), note.isEmpty());
    if (!note.isEmpty()) {
        QCOMPARE(exported.report.details[0].notes, QStringList{note});
        QVERIFY(!exported.bytes.contains("GEO"));
    }
}

// Each kind as Android (its first unknown type word) and iPhones (the grouped X-ABLabel) label
// it, and back as the same kind.
void TestExchange::exportKinds_data()
{
    QTest::addColumn<int>("cell");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QByteArray>("lines");
    const int tel = TelKindCell(1);
    const int mail = MailKindCell(1);
    const int address = kColAddressKind;
    QTest::newRow("telephone その他") << tel << u"その他"_s
                                      << "item1.TEL;TYPE=VOICE,PREF:1\r\nitem1.X-ABLabel:_$!<Other>!$_\r\n"_ba;
    QTest::newRow("telephone 携帯") << tel << u"携帯"_s << "\r\nTEL;TYPE=CELL,PREF:1\r\n"_ba;
    QTest::newRow("telephone PHS") << tel << u"PHS"_s << "item1.TEL;TYPE=X-PHS,PREF:1\r\nitem1.X-ABLabel:PHS\r\n"_ba;
    QTest::newRow("telephone 自宅") << tel << u"自宅"_s << "\r\nTEL;TYPE=HOME,PREF:1\r\n"_ba;
    QTest::newRow("telephone 仕事") << tel << u"仕事"_s << "\r\nTEL;TYPE=WORK,PREF:1\r\n"_ba;
    QTest::newRow("telephone FAX") << tel << u"FAX"_s << "\r\nTEL;TYPE=FAX,PREF:1\r\n"_ba;
    QTest::newRow("mail その他") << mail << u"その他"_s
                                 << "item1.EMAIL;TYPE=OTHER,INTERNET,PREF:a@b\r\nitem1.X-ABLabel:_$!<Other>!$_\r\n"_ba;
    QTest::newRow("mail 携帯") << mail << u"携帯"_s
                               << "item1.EMAIL;TYPE=CELL,INTERNET,PREF:a@b\r\nitem1.X-ABLabel:携帯\r\n"_ba;
    QTest::newRow("mail PHS") << mail << u"PHS"_s
                              << "item1.EMAIL;TYPE=X-PHS,INTERNET,PREF:a@b\r\nitem1.X-ABLabel:PHS\r\n"_ba;
    QTest::newRow("mail 自宅") << mail << u"自宅"_s << "\r\nEMAIL;TYPE=HOME,INTERNET,PREF:a@b\r\n"_ba;
    QTest::newRow("mail 学校") << mail << u"学校"_s
                               << "item1.EMAIL;TYPE=X-SCHOOL,INTERNET,PREF:a@b\r\nitem1.X-ABLabel:学校\r\n"_ba;
    QTest::newRow("mail 仕事") << mail << u"仕事"_s << "\r\nEMAIL;TYPE=WORK,INTERNET,PREF:a@b\r\n"_ba;
    QTest::newRow("address その他")
        << address << u"その他"_s
        << "item1.ADR;TYPE=OTHER:;;東京都;;;;\r\nitem1.LABEL;TYPE=OTHER:東京都\r\nitem1.X-ABLabel:_$!<Other>!$_\r\n"_ba;
    QTest::newRow("address 自宅") << address << u"自宅"_s
                                  << "\r\nADR;TYPE=HOME:;;東京都;;;;\r\nLABEL;TYPE=HOME:東京都\r\n"_ba;
    QTest::newRow("address 会社") << address << u"会社"_s
                                  << "\r\nADR;TYPE=WORK:;;東京都;;;;\r\nLABEL;TYPE=WORK:東京都\r\n"_ba;
}

void TestExchange::exportKinds()
{
    QFETCH(int, cell);
    QFETCH(QString, word);
    QFETCH(QByteArray, lines);
    MemoryDial dial;
    Entry entry;
    entry[kColNumber] = u"000"_s;
    entry[kColName] = u"x"_s;
    if (cell == TelKindCell(1)) {
        entry[kColTel1] = u"1"_s;
    } else if (cell == MailKindCell(1)) {
        entry[MailAddressCell(1)] = u"a@b"_s;
    } else {
        entry[kColAddress] = u"東京都"_s;
    }
    entry[cell] = word;
    dial.rows = {entry};
    const QByteArray bytes = ExportAddressBook(dial, ExchangeFormat::VCard, false).bytes;
    QVERIFY2(bytes.contains(lines), bytes.constData());
    const Imported back = Import(bytes);
    QCOMPARE(back.dial.rows[0][cell], word);
}

void TestExchange::formattedName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reading");
    QTest::addColumn<QString>("mail");
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("back");
    QTest::newRow("name") << u"山田"_s << u"ﾔﾏﾀﾞ"_s << u"a@b"_s << "\r\nFN:山田\r\n"_ba << u"山田"_s;
    QTest::newRow("reading") << QString() << u"ﾔﾏﾀﾞ"_s << u"a@b"_s << "\r\nFN:ヤマダ\r\n"_ba << QString();
    QTest::newRow("mail address") << QString() << QString() << u"a@b"_s << "\r\nFN:a@b\r\n"_ba << QString();
    QTest::newRow("entry number") << QString() << QString() << QString() << "\r\nFN:005\r\n"_ba << u"005"_s;
}

void TestExchange::formattedName()
{
    QFETCH(QString, name);
    QFETCH(QString, reading);
    QFETCH(QString, mail);
    QFETCH(QByteArray, line);
    QFETCH(QString, back);
    MemoryDial dial;
    Entry entry;
    entry[kColNumber] = u"005"_s;
    entry[kColName] = name;
    entry[kColReading] = reading;
    entry[MailAddressCell(1)] = mail;
    entry[kColMemo] = u"m"_s;
    dial.rows = {entry};
    const QByteArray bytes = ExportAddressBook(dial, ExchangeFormat::VCard, false).bytes;
    QVERIFY2(bytes.contains(line), bytes.constData());
    QCOMPARE(Import(bytes).dial.rows[0][kColName], back);
    // A number comes before a mail address.
    dial.rows[0][TelNumberCell(2)] = u"090"_s;
    QCOMPARE(ExportAddressBook(dial, ExchangeFormat::VCard, false).bytes.contains("\r\nFN:090\r\n"),
             name.isEmpty() && reading.isEmpty());
}

void TestExchange::roundTrip_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("memo");
    QTest::addColumn<QString>("hobby");
    const int vcard = int(ExchangeFormat::VCard);
    const int csv = int(ExchangeFormat::Csv);
    QTest::newRow("vCard 3.0") << vcard << u"メモ～です"_s << u"釣り"_s;
    QTest::newRow("CSV") << csv << u"メモ～です"_s << u"釣り"_s;
    QTest::newRow("CSV, memo with double quotes") << csv << u"\"至急\"と伝言"_s << u"釣り"_s;
    QTest::newRow("vCard 3.0, hobby with a leading blank") << vcard << u"メモ～です"_s << u" 釣り"_s;
    QTest::newRow("vCard 3.0, hobby with blanks around, no memo") << vcard << QString() << u"　釣り "_s;
    QTest::newRow("CSV, hobby with a leading blank") << csv << u"メモ～です"_s << u" 釣り"_s;
}

void TestExchange::roundTrip()
{
    QFETCH(int, format);
    QFETCH(QString, memo);
    QFETCH(QString, hobby);
    MemoryDial source;
    source.rows = {FullEntry(0), FullEntry(1), FullEntry(2)};
    for (Entry& entry : source.rows) {
        entry[kColMemo] = memo;
        entry[kColHobby] = hobby;
    }
    source.rows[2][kColGroupNumber] = u"00"_s; // the group every new memory dial starts with
    source.rows[2][kColGroupName] = u"ｸﾞﾙｰﾌﾟ0"_s;
    source.rows[1][kColGroupNumber] = u"12"_s;
    source.rows[1][kColGroupName] = u"会社の人"_s;
    source.rows[1][kColTelKind1] = u"その他"_s;
    source.rows[1][kColAddressKind] = u"自宅"_s;
    const ExportResult exported = ExportAddressBook(source, ExchangeFormat(format), false);
    QCOMPARE(exported.report.entries, 3);
    QVERIFY(exported.report.details.isEmpty());
    if (ExchangeFormat(format) == ExchangeFormat::VCard) {
        QVERIFY(exported.bytes.contains("X-PHONETIC-LAST-NAME:ヤマダ\r\n"));
        QVERIFY(exported.bytes.contains("BDAY:1970-03-15\r\n"));
        const QString note = (memo.isEmpty() ? QString() : memo + u"\\n"_s) + u"趣味："_s + hobby;
        QVERIFY(exported.bytes.contains((u"NOTE:"_s + note + u"\r\n"_s).toUtf8()));
    } else {
        QVERIFY(exported.bytes.startsWith("\xEF\xBB\xBFNo.,名前,ﾌﾘｶﾞﾅ,"));
    }

    const Imported back = Import(exported.bytes);
    QCOMPARE(back.report.entries, 3);
    QVERIFY2(back.report.details.isEmpty(), qPrintable(back.report.Text(true)));
    QCOMPARE(back.dial.RowCount(), 3);
    for (int row = 0; row < 3; ++row) {
        for (int cell = 1; cell < kColRevision; ++cell) {
            QCOMPARE(back.dial.rows[row][cell], source.rows[row][cell]);
        }
        QCOMPARE(back.dial.rows[row][kColRevision], u"20260102T030405Z"_s);
    }
    QCOMPARE(back.dial.GroupNames[7], u"友人"_s);
    QCOMPARE(back.dial.GroupNames[12], u"会社の人"_s);
    QCOMPARE(back.dial.GroupNames[0], u"ｸﾞﾙｰﾌﾟ0"_s);
    QCOMPARE(back.dial.GroupNames.count(u"ｸﾞﾙｰﾌﾟ0"_s), 1);
}

void TestExchange::appendsWithFreeNumbers()
{
    MemoryDial dial;
    Entry zero = FullEntry(0);
    Entry two = FullEntry(2);
    dial.rows = {zero, two};
    dial.GroupNames[7] = u"家族"_s; // the card's group number is taken by another name
    dial.GroupNames[0] = u"未分類"_s;
    ExchangeReport report;
    const QByteArray cards = Card(u"FN:A\r\nCATEGORIES:友人\r\nX-GNO:7\r\n"_s).toUtf8() + Card(u"FN:B\r\n"_s).toUtf8();
    ImportAddressBookBytes(dial, u"in.vcf"_s, cards, kNow, report);
    QCOMPARE(report.entries, 2);
    QCOMPARE(dial.RowCount(), 4);
    QCOMPARE(dial.rows[0], zero);
    QCOMPARE(dial.rows[1], two);
    QCOMPARE(dial.rows[2][kColNumber], u"001"_s);
    QCOMPARE(dial.rows[3][kColNumber], u"003"_s);
    QCOMPARE(dial.rows[2][kColGroupNumber], u"01"_s);
    QCOMPARE(dial.GroupNames[7], u"家族"_s);
    // A card without a group joins group 0 as a new entry does; saved with an empty group
    // instead, the next read would erase group 0's name.
    QCOMPARE(dial.rows[3][kColGroupNumber], u"00"_s);
    QCOMPARE(dial.rows[3][kColGroupName], u"未分類"_s);
    QCOMPARE(dial.GroupNames[0], u"未分類"_s);
    QCOMPARE(dial.EntryCount, 4);
}

// Cells of a CSV that a memory dial would not carry back are reported and left empty.
void TestExchange::csvChecks_data()
{
    QTest::addColumn<int>("cell");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("note");
    QTest::newRow("secret") << int(kColSecret) << u"maybe"_s << u"東京都"_s << u"取り込める値ではありません"_s;
    QTest::newRow("blood type") << int(kColBloodType) << u"Z"_s << u"東京都"_s << u"取り込める値ではありません"_s;
    QTest::newRow("short postal code") << int(kColPostalCode) << u"12345"_s << u"東京都"_s << u"7 桁でない"_s;
    QTest::newRow("postal code alone") << int(kColPostalCode) << u"100-0001"_s << QString() << u"住所がない"_s;
}

void TestExchange::csvChecks()
{
    QFETCH(int, cell);
    QFETCH(QString, text);
    QFETCH(QString, address);
    QFETCH(QString, note);
    MemoryDial source;
    source.rows = {FullEntry(0)};
    source.rows[0][cell] = text;
    source.rows[0][kColAddress] = address;
    const Imported back = Import(ExportAddressBook(source, ExchangeFormat::Csv, false).bytes);
    QCOMPARE(back.dial.RowCount(), 1);
    QCOMPARE(back.dial.rows[0][cell], QString());
    QVERIFY2(back.report.Details().contains(note), qPrintable(back.report.Details()));
}

void TestExchange::csvHeader()
{
    const QByteArray bytes = ExportAddressBook(MemoryDial(), ExchangeFormat::Csv, false).bytes;
    QCOMPARE(bytes,
             QByteArray("\xEF\xBB\xBFNo.,名前,ﾌﾘｶﾞﾅ,ｼｰｸﾚｯﾄ,Tel 1,Tel 種別 1,Tel 2,Tel 種別 2,Tel 3,Tel 種別 3,Tel 4,"
                        "Tel 種別 4,Tel 5,Tel 種別 5,E-mail 1,E-mail 種別 1,E-mail 2,E-mail 種別 2,E-mail 3,"
                        "E-mail 種別 3,E-mail 4,E-mail 種別 4,E-mail 5,E-mail 種別 5,ｸﾞﾙｰﾌﾟNo,ｸﾞﾙｰﾌﾟ名,住所,"
                        "郵便番号,住所種別,星座,誕生日,血液型,趣味,ﾒﾓ,URL,GPS,更新時間\r\n"));
    // Files exported with the list's own captions still import.
    const QByteArray old =
        "\xEF\xBB\xBFNo.,名前,ﾌﾘｶﾞﾅ,ｼｰｸﾚｯﾄ,Tel 1,種別 1,Tel 2,種別 2,Tel 3,種別 3,Tel 4,種別 4,Tel 5,"
        "種別 5,E-mail 1,種別 1,E-mail 2,種別 2,E-mail 3,種別 3,E-mail 4,種別 4,E-mail 5,種別 5,"
        "ｸﾞﾙｰﾌﾟNo,ｸﾞﾙｰﾌﾟ名,住所,郵便番号,住所種別,星座,誕生日,血液型,趣味,ﾒﾓ,URL,GPS,更新時間\r\n"
        "000,山田\r\n";
    QCOMPARE(Import(old).dial.rows.value(0)[kColName], u"山田"_s);
}

// A cell a spreadsheet would compute is written after an apostrophe that the import takes
// away again; numbers stay as they are.
void TestExchange::csvFormulaGuard_data()
{
    QTest::addColumn<int>("cell");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("back");
    const int memo = kColMemo;
    QTest::newRow("equals sign") << memo << u"=1+2"_s << u"'=1+2"_s << u"=1+2"_s;
    QTest::newRow("at sign") << memo << u"@SUM(A1)"_s << u"'@SUM(A1)"_s << u"@SUM(A1)"_s;
    QTest::newRow("tab") << memo << u"\tx"_s << u"'\tx"_s << u"x"_s;
    QTest::newRow("carriage return") << memo << u"\rx"_s << u"\"'\rx\""_s << u"x"_s;
    QTest::newRow("plus that is no number") << memo << u"+A1"_s << u"'+A1"_s << u"+A1"_s;
    QTest::newRow("minus that is no number") << memo << u"-1+2"_s << u"'-1+2"_s << u"-1+2"_s;
    QTest::newRow("international number")
        << TelNumberCell(1) << u"+81 90-1234-5678"_s << u"+81 90-1234-5678"_s << u"+81 90-1234-5678"_s;
    QTest::newRow("number in parentheses") << TelNumberCell(1) << u"-(03)1234"_s << u"-(03)1234"_s << u"-(03)1234"_s;
    QTest::newRow("apostrophe before a formula") << memo << u"'=x"_s << u"''=x"_s << u"'=x"_s;
    QTest::newRow("apostrophe before text") << memo << u"'x"_s << u"'x"_s << u"'x"_s;
}

void TestExchange::csvFormulaGuard()
{
    QFETCH(int, cell);
    QFETCH(QString, text);
    QFETCH(QString, field);
    QFETCH(QString, back);
    MemoryDial dial;
    dial.rows = {FullEntry(0)};
    dial.rows[0][cell] = text;
    const QByteArray bytes = ExportAddressBook(dial, ExchangeFormat::Csv, false).bytes;
    QVERIFY2(QString::fromUtf8(bytes).contains(u',' + field + u','), bytes.constData());
    const Imported imported = Import(bytes);
    QCOMPARE(imported.dial.rows[0][cell], back);
}

// Which bytes are read as what: values without a CHARSET, in files that mix cards, in
// Shift_JIS half-width katakana that is valid UTF-8 too, and around an embedded card.
void TestExchange::charsets_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("memo");
    QTest::addColumn<QString>("note");

    const QByteArray utf8Card = u"BEGIN:VCARD\r\nVERSION:3.0\r\nFN:山田太郎\r\nNOTE:東京都\r\nEND:VCARD\r\n"_s.toUtf8();
    const QByteArray sjisCard =
        "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=SHIFT_JIS:" + *CodePage::Encode(u"佐藤") + "\r\nEND:VCARD\r\n";
    QTest::newRow("UTF-8 card, then a Shift_JIS one that says so")
        << utf8Card + sjisCard << QStringList{u"山田太郎"_s, u"佐藤"_s} << u"東京都"_s << QString();
    QTest::newRow("UTF-8 card joined with a Shift_JIS one that does not say so")
        << utf8Card + "BEGIN:VCARD\r\nVERSION:2.1\r\nN:" + *CodePage::Encode(u"佐藤") + "\r\nEND:VCARD\r\n"
        << QStringList{u"山田太郎"_s, u"佐藤"_s} << u"東京都"_s << QString();
    QTest::newRow("half-width katakana of a 2.1 phone")
        << "BEGIN:VCARD\r\nVERSION:2.1\r\nN:" + *CodePage::Encode(u"ﾏｷ") + "\r\nNOTE:" + *CodePage::Encode(u"ﾐｶ") +
               "\r\nEND:VCARD\r\n"
        << QStringList{u"ﾏｷ"_s} << u"ﾐｶ"_s << QString();
    // As the memory-dial writer writes it; "ﾏｷ", "ﾕｲ" and "ﾐｶ" are also valid UTF-8 of two-byte characters.
    QTest::newRow("memory dial of half-width katakana only")
        << "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:" + *CodePage::Encode(u"ﾏｷ") + "\r\nN:" + *CodePage::Encode(u"ﾏｷ") +
               ";;;;\r\nSORT-STRING:" + *CodePage::Encode(u"ﾕｲ") + "\r\nTEL;TYPE=PREF,CELL:090\r\nX-GNO:0\r\n" +
               "CATEGORIES:\r\nX-REDUCTION:5\r\nCLASS:PUBLIC\r\nNOTE:" + *CodePage::Encode(u"ﾐｶ") + "\r\nEND:VCARD\r\n"
        << QStringList{u"ﾏｷ"_s} << u"ﾐｶ"_s << QString();
    QTest::newRow("accented letters of our own export, which has a group number but no entry number")
        << u"BEGIN:VCARD\r\nVERSION:3.0\r\nFN:José\r\nNOTE:Müller\r\nX-GNO:3\r\nEND:VCARD\r\n"_s.toUtf8()
        << QStringList{u"Jos"_s} << u"Mller"_s << u"「é」"_s;
    QTest::newRow("accented letters of a 3.0 file")
        << u"BEGIN:VCARD\r\nVERSION:3.0\r\nFN:José\r\nNOTE:Müller\r\nEND:VCARD\r\n"_s.toUtf8() << QStringList{u"Jos"_s}
        << u"Mller"_s << u"「é」"_s;
    QTest::newRow("agent card inside a 2.1 card")
        << "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Boss\r\nAGENT:\r\nBEGIN:VCARD\r\nVERSION:2.1\r\nFN:Secretary\r\n"
           "TEL:111\r\nEND:VCARD\r\nNOTE:after\r\nEND:VCARD\r\n"_ba
        << QStringList{u"Boss"_s} << u"after"_s << u"AGENT Secretary"_s;
}

void TestExchange::charsets()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, names);
    QFETCH(QString, memo);
    QFETCH(QString, note);
    const Imported imported = Import(bytes);
    QStringList got;
    for (const Entry& entry : imported.dial.rows) {
        got.append(entry[kColName]);
    }
    QCOMPARE(got, names);
    QCOMPARE(imported.dial.rows[0][kColMemo], memo);
    QCOMPARE(imported.report.Details().contains(note), true);
}

void TestExchange::groups_data()
{
    QTest::addColumn<bool>("newDial");
    QTest::addColumn<QString>("card");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("name");
    QTest::newRow("no group, new memory dial") << true << u"FN:a\r\n"_s << u"00"_s << u"ｸﾞﾙｰﾌﾟ0"_s;
    QTest::newRow("no group, group 0 named") << false << u"FN:a\r\n"_s << u"00"_s << u"未分類"_s;
    QTest::newRow("group 0 by name") << false << u"FN:a\r\nCATEGORIES:未分類\r\n"_s << u"00"_s << u"未分類"_s;
    QTest::newRow("group 0 of a new memory dial")
        << true << u"FN:a\r\nCATEGORIES:ｸﾞﾙｰﾌﾟ0\r\nX-GNO:0\r\n"_s << u"00"_s << u"ｸﾞﾙｰﾌﾟ0"_s;
    QTest::newRow("unnamed group by number") << false << u"FN:a\r\nX-GNO:7\r\n"_s << u"07"_s << QString();
    QTest::newRow("new name") << true << u"FN:a\r\nCATEGORIES:友人\r\n"_s << u"01"_s << u"友人"_s;
}

void TestExchange::groups()
{
    QFETCH(bool, newDial);
    QFETCH(QString, card);
    QFETCH(QString, number);
    QFETCH(QString, name);
    MemoryDial dial;
    if (!newDial) {
        dial.rows = {FullEntry(0)};
        dial.GroupNames[0] = u"未分類"_s;
    }
    ExchangeReport report;
    ImportAddressBookBytes(dial, u"in.vcf"_s, Card(card).toUtf8(), kNow, report);
    QCOMPARE(report.entries, 1);
    QCOMPARE(dial.rows.last()[kColGroupNumber], number);
    QCOMPARE(dial.rows.last()[kColGroupName], name);
    QCOMPARE(dial.GroupNames[number.toInt()], name);
}

void TestExchange::boundOf1001()
{
    MemoryDial dial;
    for (int i = 0; i < kMaxEntries - 1; ++i) {
        dial.rows.append(FullEntry(i));
    }
    QByteArray cards;
    for (int i = 0; i < 3; ++i) {
        cards += Card(u"FN:c%1\r\n"_s.arg(i)).toUtf8();
    }
    ExchangeReport report;
    ImportAddressBookBytes(dial, u"in.vcf"_s, cards, kNow, report);
    QCOMPARE(dial.RowCount(), kMaxEntries);
    QCOMPARE(report.entries, 1);
    QCOMPARE(report.overLimit, 2);
    QVERIFY(report.Text(true).contains(u"上限の 1001 件を超えるため取り込まなかった個別情報：2 件"_s));

    // A flood of cards with nothing to take is counted, not listed line by line.
    QByteArray empty;
    for (int i = 0; i < kMaxReportedEntries + 5; ++i) {
        empty += "BEGIN:VCARD\r\nEND:VCARD\r\n";
    }
    const Imported flood = Import(empty);
    QCOMPARE(flood.report.details.size(), kMaxReportedEntries);
    QCOMPARE(flood.report.unlistedEntries, 5);
    QVERIFY(flood.report.Details().endsWith(u"ほかに 5 件の個別情報にも、取り込めなかった値があります。\n"_s));
}

// However much a file holds, the report lists a bounded number of notes per entry, of lines
// of bounded length, and of entries up to about a megabyte; the rest is counted.
void TestExchange::reportBounds_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("listed");
    QTest::addColumn<QString>("lastLine");

    QByteArray blankCsv = ExportAddressBook(MemoryDial(), ExchangeFormat::Csv, false).bytes;
    blankCsv += QByteArray("\r\n").repeated(1000) + ", ,\r\n,名前\r\n";
    QTest::newRow("blank CSV records are no cards") << blankCsv << 1 << 0 << QString();

    QString numbers = u"FN:山田\r\n"_s;
    for (int i = 1; i <= 1000; ++i) {
        numbers += u"TEL:%1\r\n"_s.arg(i);
    }
    QTest::newRow("numbers past the notes of one entry")
        << Card(numbers).toUtf8() << 1 << 1 << u"  ほかに 945 件の値にも、取り込めなかったところがあります。"_s;

    QStringList groups(1000, u"g"_s);
    QTest::newRow("groups past the notes of one entry")
        << Card(u"FN:山田\r\nCATEGORIES:"_s + groups.join(u',') + u"\r\n"_s).toUtf8() << 1 << 1
        << u"  ほかに 949 件の値にも、取り込めなかったところがあります。"_s;

    QTest::newRow("lines past what one card keeps")
        << Card(u"FN:山田\r\n"_s + u"X-A:1\r\n"_s.repeated(kMaxCardProperties + 5)).toUtf8() << 1 << 1
        << u"  ほかに 9955 件の値にも、取り込めなかったところがあります。"_s;

    QTest::newRow("a long note cut") << Card(u"FN:山田\r\nNOTE:"_s + u"😀"_s.repeated(1000) + u"\r\n"_s).toUtf8() << 1
                                     << 1
                                     << u"  NOTE 😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀…：Shift_JIS にない文字 「"_s +
                                            u"😀"_s.repeated(68) + u"…"_s;

    QByteArray wide;
    const QString longName = u"X-"_s + QString(150, u'A');
    for (int card = 0; card < 200; ++card) {
        wide += Card(u"FN:c%1\r\n"_s.arg(card) + (longName + u":v\r\n"_s).repeated(60)).toUtf8();
    }
    QTest::newRow("entries past the length of the report")
        << wide << 200 << 59 << u"ほかに 141 件の個別情報にも、取り込めなかった値があります。"_s;
}

void TestExchange::reportBounds()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, entries);
    QFETCH(int, listed);
    QFETCH(QString, lastLine);
    const Imported imported = Import(bytes);
    QCOMPARE(imported.report.entries, entries);
    QCOMPARE(imported.report.details.size(), listed);
    const QString details = imported.report.Details();
    QCOMPARE(details.isEmpty() ? QString() : details.chopped(1).section(u'\n', -1), lastLine);
    QVERIFY(details.size() < kMaxReportLength + 12 * 1024);
    for (const QStringView line : QStringView(details).tokenize(u'\n')) {
        QVERIFY(line.size() <= kMaxReportLineLength + 3);
    }
}

// The lines past the bound are counted, not kept, however many there are.
void TestExchange::cardKeepsBoundedLines()
{
    const QByteArray bytes = Card(u"X-A:1\r\n"_s.repeated(kMaxCardProperties) + u"TEL:1\r\nTEL:2\r\n"_s).toUtf8();
    QList<qsizetype> kept;
    QList<qsizetype> unread;
    const QString error = ReadVCards(bytes, [&](const VCardCard& card) {
        kept.append(card.properties.size());
        unread.append(card.unreadProperties);
    });
    QCOMPARE(error, QString());
    QCOMPARE(kept, QList<qsizetype>{kMaxCardProperties});
    QCOMPARE(unread, QList<qsizetype>{3});
}

void TestExchange::refusedFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    QTest::newRow("empty") << QByteArray()
                           << u"vCard（BEGIN:VCARD）も、このプログラムの書き出した CSV も見つかりません。"_s;
    QTest::newRow("plain text") << "hello: world\n"_ba
                                << u"vCard（BEGIN:VCARD）も、このプログラムの書き出した CSV も見つかりません。"_s;
    QTest::newRow("binary") << "BEGIN:VCARD\n\x01\x00\x02\n"_ba
                            << u"文字データではありません（NUL バイトを含みます）。"_s;
    QTest::newRow("unclosed CSV quote")
        << QByteArray("\xEF\xBB\xBF") + ExportAddressBook(MemoryDial(), ExchangeFormat::Csv, false).bytes.sliced(3) +
               "\"x"_ba
        << u"CSV の引用符が閉じていません。"_s;
}

void TestExchange::refusedFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    const Imported imported = Import(bytes);
    QCOMPARE(imported.report.entries, 0);
    QCOMPARE(imported.report.refusedFiles, QStringList{u"in.vcf："_s + reason});
    QCOMPARE(imported.dial.RowCount(), 0);
}

void TestExchange::fixtures_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("cell");
    QTest::addColumn<QString>("value");
    QTest::newRow("2.1 Shift_JIS name") << u"phone-v21-shiftjis.vcf"_s << int(kColName) << u"安藤 ロイド"_s;
    QTest::newRow("2.1 IrMC reading") << u"phone-v21-shiftjis.vcf"_s << int(kColReading) << u"ｱﾝﾄﾞｳ ﾛｲﾄﾞ"_s;
    QTest::newRow("2.1 preferred cell phone") << u"phone-v21-shiftjis.vcf"_s << TelKindCell(1) << u"携帯"_s;
    QTest::newRow("2.1 home fax") << u"phone-v21-shiftjis.vcf"_s << TelKindCell(2) << u"FAX"_s;
    QTest::newRow("2.1 QP Shift_JIS address") << u"phone-v21-shiftjis.vcf"_s << int(kColAddress) << u"東京都渋谷"_s;
    QTest::newRow("2.1 postal code") << u"phone-v21-shiftjis.vcf"_s << int(kColPostalCode) << u"150-8512"_s;
    QTest::newRow("2.1 QP memo") << u"phone-v21-shiftjis.vcf"_s << int(kColMemo) << u"メモ"_s;
    QTest::newRow("iOS grouped mail") << u"ios-v30-groups.vcf"_s << MailAddressCell(1) << u"jane@example.com"_s;
    QTest::newRow("iOS PHS label") << u"ios-v30-groups.vcf"_s << TelKindCell(1) << u"PHS"_s;
    QTest::newRow("iOS birthday") << u"ios-v30-groups.vcf"_s << int(kColBirthday) << u"19800322"_s;
    QTest::newRow("no BEGIN, no END") << u"no-begin-no-end.vcf"_s << int(kColTel1) << u"123"_s;
    QTest::newRow("UTF-16 without BOM") << u"utf16be-no-bom.vcf"_s << int(kColName) << u"ノキア"_s;
}

void TestExchange::fixtures()
{
    QFETCH(QString, file);
    QFETCH(int, cell);
    QFETCH(QString, value);
    MemoryDial dial;
    const ExchangeReport report = ImportAddressBook(dial, {QStringLiteral(MORVANX_TEST_DATA "/vcard/") + file}, kNow);
    QCOMPARE(report.entries, 1);
    QCOMPARE(dial.rows[0][cell], value);
}

void TestExchange::externalSamples_data()
{
    QTest::addColumn<QString>("path");
    // The outside samples lie beside the repository, not in it (their licences are mixed).
    const QDir samples(QStringLiteral(MORVANX_TEST_DATA "/../../../shared/data/vcard-samples"));
    const QStringList files = samples.entryList({u"*.vcf"_s}, QDir::Files, QDir::Name);
    if (files.isEmpty()) {
        QTest::newRow("absent") << QString();
    }
    for (const QString& file : files) {
        QTest::newRow(qPrintable(file)) << samples.filePath(file);
    }
}

void TestExchange::externalSamples()
{
    QFETCH(QString, path);
    if (path.isEmpty()) {
        QSKIP("the external vCard samples are not on this machine");
    }
    MemoryDial dial;
    const ExchangeReport report = ImportAddressBook(dial, {path}, kNow);
    // Each sample imports, or the file is refused with a reason; never both, never neither.
    QVERIFY2((report.entries > 0) != !report.refusedFiles.isEmpty(), qPrintable(report.Text(true)));
    for (const Entry& entry : dial.rows) {
        for (const QString& cell : entry.cells) {
            QVERIFY(CodePage::CanHold(cell));
            QVERIFY(!cell.contains(QChar::ReplacementCharacter));
        }
    }
}

QTEST_GUILESS_MAIN(TestExchange)
#include "tst_exchange.moc"
