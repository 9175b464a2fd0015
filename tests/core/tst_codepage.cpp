#include "memorydial/CodePage.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>

using namespace Qt::StringLiterals;

// The converter's own whole-text answers, for comparison with the run-by-run conversion.
namespace {

std::optional<QString> ConverterDecode(QByteArrayView bytes)
{
    if (bytes.contains('\0')) {
        return std::nullopt;
    }
    QStringDecoder decoder("Shift_JIS", QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    return decoder.hasError() ? std::nullopt : std::optional<QString>(text);
}

std::optional<QByteArray> ConverterEncode(QStringView text)
{
    QStringEncoder encoder("Shift_JIS", QStringConverter::Flag::Stateless);
    QByteArray bytes = encoder.encode(text);
    return encoder.hasError() ? std::nullopt : std::optional<QByteArray>(bytes);
}

bool ConverterCanHold(QStringView text)
{
    const std::optional<QByteArray> bytes = ConverterEncode(text);
    if (!bytes) {
        return false;
    }
    const std::optional<QString> back = ConverterDecode(*bytes);
    return back && *back == text;
}

} // namespace

class TestCodePage : public QObject
{
    Q_OBJECT

private slots:
    void decode_data();
    void decode();
    void encode_data();
    void encode();
    void decodeMatchesConverter();
    void encodeMatchesConverter();
    void longTextsMatchConverter();
    void pairsMatchConverter();
    void utf8TextMatchesConverter();
};

void TestCodePage::decode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("text");

    QTest::newRow("backslash and tilde stay ASCII") << QByteArray("a\\b~c") << true << u"a\\b~c"_s;
    QTest::newRow("swapped control codes") << QByteArray("\x1a\x1c\x7f") << true << u"\u001c\u007f\u001a"_s;
    QTest::newRow("0x5C as second byte") << QByteArray("\x83\x5c\x81\x5c,") << true << u"ソ―,"_s;
    QTest::newRow("0x7E as second byte") << QByteArray("\x81\x7e") << true << u"×"_s;
    QTest::newRow("half-width kana then backslash") << QByteArray("\xb1\x5c") << true << u"ｱ\\"_s;
    QTest::newRow("two-byte character before a comma") << QByteArray("FN:\x82\xa0,X") << true << u"FN:あ,X"_s;
    QTest::newRow("user-defined character") << QByteArray("\xf0\x40\xf9\xfc") << true << u"\ue000\ue757"_s;
    QTest::newRow("first byte at the end") << QByteArray("ab\x82") << false << QString();
    QTest::newRow("first byte before a line end") << QByteArray("\x82\r\nA") << false << QString();
    QTest::newRow("first byte before a digit") << QByteArray("\x82\x31") << false << QString();
    QTest::newRow("NUL") << QByteArray("a\0b", 3) << false << QString();
    QTest::newRow("empty") << QByteArray() << true << QString();
}

void TestCodePage::decode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, ok);
    QFETCH(QString, text);
    const std::optional<QString> result = CodePage::Decode(bytes);
    QCOMPARE(result.has_value(), ok);
    if (ok) {
        QCOMPARE(*result, text);
    }
}

void TestCodePage::encode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("exact");

    QTest::newRow("backslash and tilde") << u"a\\b~"_s << true << QByteArray("a\\b~") << true;
    QTest::newRow("swapped control codes") << u"\u001a\u001c\u007f"_s << true << QByteArray("\x7f\x1a\x1c") << true;
    QTest::newRow("kana between ASCII") << u"A\u3042B"_s << true
                                        << QByteArray("A\x82\xa0"
                                                      "B")
                                        << true;
    QTest::newRow("user-defined character") << u"\ue000:"_s << true << QByteArray("\xf0\x40:") << true;
    QTest::newRow("NUL encodes but cannot be read") << u"a\0"_s << true << QByteArray("a\0", 2) << false;
    QTest::newRow("lone high surrogate before ASCII") << u"\xd83d"
                                                         "A"_s
                                                      << false << QByteArray() << false;
    QTest::newRow("lone low surrogate") << u"A\xde00"_s << false << QByteArray() << false;
    QTest::newRow("emoji") << u"a😀b"_s << false << QByteArray() << false;
}

void TestCodePage::encode()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, exact);
    const std::optional<QByteArray> result = CodePage::Encode(text);
    QCOMPARE(result.has_value(), ok);
    if (ok) {
        QCOMPARE(*result, bytes);
    }
    QCOMPARE(CodePage::EncodeExact(text).has_value(), exact);
    QCOMPARE(CodePage::CanHold(text), exact);
}

// Every one- and two-byte input, and three bytes where a non-ASCII byte meets an ASCII one.
void TestCodePage::decodeMatchesConverter()
{
    for (int first = 0; first < 0x100; ++first) {
        const char one[] = {static_cast<char>(first)};
        QCOMPARE(CodePage::Decode(QByteArrayView(one, 1)), ConverterDecode(QByteArrayView(one, 1)));
        for (int second = 0; second < 0x100; ++second) {
            const char two[] = {static_cast<char>(first), static_cast<char>(second)};
            QCOMPARE(CodePage::Decode(QByteArrayView(two, 2)), ConverterDecode(QByteArrayView(two, 2)));
            if (first < 0x80) {
                continue;
            }
            for (const char third : {'\x0a', '1', '\x1a', '\\', '~', '\x7f', '\x81'}) {
                const char three[] = {static_cast<char>(first), static_cast<char>(second), third};
                QCOMPARE(CodePage::Decode(QByteArrayView(three, 3)), ConverterDecode(QByteArrayView(three, 3)));
            }
        }
    }
}

// Every character of the basic plane, alone and between ASCII characters.
void TestCodePage::encodeMatchesConverter()
{
    for (int c = 0; c < 0x10000; ++c) {
        const QChar character(static_cast<char16_t>(c));
        const QStringView alone(&character, 1);
        const QString between = u"a"_s + character + u"\\"_s;
        // Asked within a text first, so that a remembered answer cannot stand in for it.
        QCOMPARE(CodePage::CanHold(between), ConverterCanHold(between));
        QCOMPARE(CodePage::Encode(alone), ConverterEncode(alone));
        QCOMPARE(CodePage::Encode(between), ConverterEncode(between));
        QCOMPARE(CodePage::CanHold(alone), ConverterCanHold(alone));
        QCOMPARE(CodePage::EncodeExact(between).has_value(), ConverterCanHold(between));
    }
}

// ASCII is copied in blocks of eight bytes or four characters: every byte and many characters
// at every place of such blocks.
void TestCodePage::longTextsMatchConverter()
{
    const QByteArray plain = "FN:Yamada Taro,~\\x";
    for (qsizetype at = 0; at < plain.size(); ++at) {
        for (int byte = 0; byte < 0x100; ++byte) {
            QByteArray bytes = plain;
            bytes[at] = static_cast<char>(byte);
            QCOMPARE(CodePage::Decode(bytes), ConverterDecode(bytes));
            bytes.insert(at + 1, '\x40');
            QCOMPARE(CodePage::Decode(bytes), ConverterDecode(bytes));
        }
    }
    const QString text = u"TEL;TYPE=CELL:0901234~\\x"_s;
    QList<char16_t> characters;
    for (char16_t c = 0; c < 0x180; ++c) {
        characters << c;
    }
    characters << u'あ' << u'￥' << u'〜' << u'\ue000' << char16_t(0xd83d) << char16_t(0xde00);
    for (qsizetype at = 0; at < text.size(); ++at) {
        for (const char16_t c : characters) {
            QString changed = text;
            changed[at] = QChar(c);
            QCOMPARE(CodePage::Encode(changed), ConverterEncode(changed));
            QCOMPARE(CodePage::EncodeExact(changed).has_value(), ConverterCanHold(changed));
            QCOMPARE(CodePage::CanHold(changed), ConverterCanHold(changed));
        }
    }
}

// CanHold answers character by character: every pair of characters whose codes could run into
// each other (single bytes, half-width kana, second bytes that are ASCII, characters with two
// codes or none, the user-defined area and its edges, surrogates), against the whole text.
void TestCodePage::pairsMatchConverter()
{
    QList<char16_t> characters;
    for (char16_t c = 0; c < 0x100; ++c) {
        characters << c;
    }
    for (char16_t c = 0xff61; c <= 0xff9f; ++c) {
        characters << c;
    }
    for (const char16_t c : {u'あ', u'ソ', u'―', u'×', u'￥', u'〜', u'～', u'≒', u'∵', u'￢', u'髙', u'纊', u'\ue000',
                             u'\ue757', u'\ue758', u'\uf8f0', char16_t(0xd83d), char16_t(0xde00)}) {
        characters << c;
    }
    for (const char16_t first : characters) {
        for (const char16_t second : characters) {
            const char16_t pair[] = {first, second};
            const QStringView text(pair, 2);
            QCOMPARE(CodePage::CanHold(text), ConverterCanHold(text));
        }
    }
}

// Every one- and two-byte input and every three- and four-byte one that starts with a lead
// byte, against the library's UTF-8 decoder (a byte-order mark decides alone).
void TestCodePage::utf8TextMatchesConverter()
{
    const auto converterSays = [](QByteArrayView bytes) {
        if (bytes.startsWith("\xef\xbb\xbf")) {
            return CodePage::Utf8Form::Wide;
        }
        QStringDecoder decoder(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
        const QString text = decoder.decode(bytes);
        if (decoder.hasError()) {
            return CodePage::Utf8Form::None;
        }
        if (std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x800; })) {
            return CodePage::Utf8Form::Wide;
        }
        return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x80; })
                   ? CodePage::Utf8Form::TwoByte
                   : CodePage::Utf8Form::None;
    };
    for (int first = 0; first < 0x100; ++first) {
        for (int second = 0; second < 0x100; ++second) {
            const char two[] = {static_cast<char>(first), static_cast<char>(second)};
            QCOMPARE(CodePage::AsUtf8(QByteArrayView(two, 1)), converterSays(QByteArrayView(two, 1)));
            QCOMPARE(CodePage::AsUtf8(QByteArrayView(two, 2)), converterSays(QByteArrayView(two, 2)));
            if (first < 0xe0) {
                continue;
            }
            for (int third = 0x70; third < 0xc8; ++third) {
                const char more[] = {static_cast<char>(first), static_cast<char>(second), static_cast<char>(third),
                                     '\x80'};
                QCOMPARE(CodePage::AsUtf8(QByteArrayView(more, 3)), converterSays(QByteArrayView(more, 3)));
                QCOMPARE(CodePage::AsUtf8(QByteArrayView(more, 4)), converterSays(QByteArrayView(more, 4)));
            }
        }
    }
}

QTEST_APPLESS_MAIN(TestCodePage)
#include "tst_codepage.moc"
