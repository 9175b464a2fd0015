#include "VCardLines.h"

#include "ExchangeTexts.h"
#include "memorydial/CodePage.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QVarLengthArray>

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

namespace {

constexpr auto kStateless = QStringConverter::Flag::Stateless;

enum class DefaultCharset
{
    Utf8,
    ShiftJis,
};

// The physical lines of a file, one after another. CR LF, LF, CR alone and the CR CR LF that
// some exports write each end one line.
class LineReader
{
public:
    explicit LineReader(QByteArrayView bytes) : m_bytes(bytes) { Advance(); }

    [[nodiscard]] bool AtEnd() const { return m_atEnd; }
    // The line that Next() gives; empty at the end.
    [[nodiscard]] QByteArrayView Peek() const { return m_next; }
    QByteArrayView Next()
    {
        const QByteArrayView line = m_next;
        Advance();
        return line;
    }

private:
    void Advance()
    {
        const qsizetype n = m_bytes.size();
        if (m_start >= n) {
            m_atEnd = true;
            m_next = {};
            return;
        }
        if (m_lf < m_start) {
            m_lf = m_bytes.indexOf('\n', m_start);
            m_lf = m_lf < 0 ? n : m_lf;
        }
        const qsizetype cr = m_bytes.first(m_lf).indexOf('\r', m_start);
        const qsizetype end = cr < 0 ? m_lf : cr;
        m_next = m_bytes.sliced(m_start, end - m_start);
        m_start = end;
        while (m_start < n && m_bytes[m_start] == '\r') {
            ++m_start;
        }
        if (m_start < n && m_bytes[m_start] == '\n') {
            ++m_start;
        }
    }

    QByteArrayView m_bytes;
    QByteArrayView m_next;
    qsizetype m_start = 0; // where the line after m_next begins
    qsizetype m_lf = -1;   // the first LF at or after m_start (the end when none), looked for once passed
    bool m_atEnd = false;
};

bool IsFold(QByteArrayView line)
{
    return !line.isEmpty() && (line.front() == ' ' || line.front() == '\t');
}

// A byte read as Latin-1, or a character.
char16_t Unit(char byte)
{
    return static_cast<unsigned char>(byte);
}

char16_t Unit(QChar c)
{
    return c.unicode();
}

// Position of the first `separator` outside double quotes, or -1. An unbalanced quote makes
// the quoted run end at the end of the text.
template <typename View> qsizetype FindUnquoted(View text, char16_t separator, qsizetype from = 0)
{
    bool quoted = false;
    for (qsizetype i = from; i < text.size(); ++i) {
        const char16_t c = Unit(text[i]);
        if (c == u'"') {
            quoted = !quoted;
        } else if (c == separator && !quoted) {
            return i;
        }
    }
    return -1;
}

// Calls `take` with each part of `text` between separators outside double quotes.
template <typename Take> void ForEachUnquoted(QStringView text, char16_t separator, Take take)
{
    qsizetype start = 0;
    for (qsizetype at = FindUnquoted(text, separator); at >= 0; at = FindUnquoted(text, separator, start)) {
        take(text.sliced(start, at - start));
        start = at + 1;
    }
    take(text.sliced(start));
}

QStringView Unquoted(QStringView text)
{
    text = text.trimmed();
    if (text.size() >= 2 && text.front() == u'"' && text.back() == u'"') {
        text = text.sliced(1, text.size() - 2);
    }
    return text;
}

char16_t AsciiUpper(char16_t c)
{
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - (u'a' - u'A')) : c;
}

// A hash of the upper-case form of an ASCII text; nothing for any other text.
std::optional<std::uint64_t> AsciiUpperHash(QStringView text)
{
    std::uint64_t hash = text.size();
    for (const QChar c : text) {
        if (c.unicode() >= 0x80) {
            return std::nullopt;
        }
        hash = hash * 31 + AsciiUpper(c.unicode());
    }
    return hash;
}

// Upper-case property names, parameter keys and type words. They repeat on every card of a
// file, so each one is made once and shared; a hostile file with ever new words only fills
// the table up to its bound. They are ASCII in every real file, and ASCII needs no case table.
class Words
{
public:
    Words()
    {
        // The words that phones write on every card are the program's own texts, shared
        // without counting references.
        static const QString kKnown[] = {
            QStringLiteral("BEGIN"),
            QStringLiteral("END"),
            QStringLiteral("VERSION"),
            QStringLiteral("PRODID"),
            QStringLiteral("UID"),
            QStringLiteral("REV"),
            QStringLiteral("FN"),
            QStringLiteral("N"),
            QStringLiteral("ORG"),
            QStringLiteral("SORT-STRING"),
            QStringLiteral("SOUND"),
            QStringLiteral("X-IRMC-N"),
            QStringLiteral("TEL"),
            QStringLiteral("EMAIL"),
            QStringLiteral("ADR"),
            QStringLiteral("LABEL"),
            QStringLiteral("BDAY"),
            QStringLiteral("URL"),
            QStringLiteral("NOTE"),
            QStringLiteral("GEO"),
            QStringLiteral("CATEGORIES"),
            QStringLiteral("CLASS"),
            QStringLiteral("PHOTO"),
            QStringLiteral("X-ABLABEL"),
            QStringLiteral("TYPE"),
            QStringLiteral("VALUE"),
            QStringLiteral("CHARSET"),
            QStringLiteral("ENCODING"),
            QStringLiteral("PREF"),
            QStringLiteral("INTERNET"),
            QStringLiteral("VOICE"),
            QStringLiteral("CELL"),
            QStringLiteral("HOME"),
            QStringLiteral("WORK"),
            QStringLiteral("FAX"),
            QStringLiteral("X-PHONETIC-LAST-NAME"),
            QStringLiteral("X-PHONETIC-FIRST-NAME"),
        };
        for (const QString& word : kKnown) {
            Slot(word, *AsciiUpperHash(word)) = word;
            ++m_count;
        }
    }

    QString Upper(QStringView text)
    {
        const std::optional<std::uint64_t> hash = AsciiUpperHash(text);
        if (!hash) {
            return text.toString().toUpper();
        }
        QString& slot = Slot(text, *hash);
        if (!slot.isNull()) {
            return slot;
        }
        QString word(text.size(), Qt::Uninitialized);
        std::transform(text.begin(), text.end(), word.begin(), [](QChar c) { return QChar(AsciiUpper(c.unicode())); });
        if (m_count < m_slots.size() / 2) {
            slot = word;
            ++m_count;
        }
        return word;
    }

private:
    // Open addressing, at most half full, so a word is found within a few slots: the slot
    // that holds `text`, or the empty one where it would go.
    QString& Slot(QStringView text, std::uint64_t hash)
    {
        const auto same = [&](const QString& word) {
            return word.size() == text.size() &&
                   std::equal(word.cbegin(), word.cend(), text.begin(),
                              [](QChar w, QChar t) { return w.unicode() == AsciiUpper(t.unicode()); });
        };
        std::size_t at = (hash * 0x9E3779B97F4A7C15U) >> (64 - kSlotBits);
        while (!m_slots[at].isNull() && !same(m_slots[at])) {
            at = (at + 1) % m_slots.size();
        }
        return m_slots[at];
    }

    static constexpr int kSlotBits = 8;
    std::array<QString, 1 << kSlotBits> m_slots;
    std::size_t m_count = 0;
};

bool IsName(QStringView name)
{
    if (name.isEmpty()) {
        return false;
    }
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        const bool ok =
            (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') || (u >= u'0' && u <= u'9') || u == u'-' || u == u'_';
        if (!ok) {
            return false;
        }
    }
    return true;
}

bool IsShiftJisName(const QString& charset)
{
    static const QStringList names = {
        QStringLiteral("SHIFT_JIS"), QStringLiteral("SHIFT-JIS"),   QStringLiteral("SJIS"),
        QStringLiteral("CP932"),     QStringLiteral("WINDOWS-31J"), QStringLiteral("MS_KANJI"),
        QStringLiteral("X-SJIS"),    QStringLiteral("MS932"),       QStringLiteral("CSSHIFTJIS")};
    return names.contains(charset.toUpper());
}

bool IsUtf8Name(const QString& charset)
{
    const QString upper = charset.toUpper();
    return upper == QLatin1StringView("UTF-8") || upper == QLatin1StringView("UTF8");
}

std::optional<QString> DecodeUtf8(QByteArrayView bytes)
{
    // Checked first and converted then: a decoder that reports errors takes several times as
    // long for the short texts of a card.
    if (!bytes.isValidUtf8()) {
        return std::nullopt;
    }
    return QString::fromUtf8(bytes);
}

// In valid UTF-8 a byte from 0xE0 up can only start a character of three or four bytes.
bool HasWideLead(QByteArrayView bytes)
{
    return std::any_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) >= 0xE0; });
}

std::optional<QString> DecodeDefault(QByteArrayView bytes, DefaultCharset charset)
{
    // Kana or kanji in valid UTF-8 are UTF-8 even in a file of Shift_JIS cards: a file joined
    // from an old phone's export and a new one's holds both, and decoding them as Shift_JIS
    // would garble them.
    if (charset == DefaultCharset::ShiftJis && bytes.isValidUtf8() && HasWideLead(bytes)) {
        return QString::fromUtf8(bytes);
    }
    return charset == DefaultCharset::Utf8 ? DecodeUtf8(bytes) : CodePage::Decode(bytes);
}

std::optional<QString> DecodeCharset(QByteArrayView bytes, const QString& charset, DefaultCharset fallback)
{
    if (charset.isEmpty()) {
        return DecodeDefault(bytes, fallback);
    }
    if (IsShiftJisName(charset)) {
        return CodePage::Decode(bytes);
    }
    if (IsUtf8Name(charset)) {
        return DecodeUtf8(bytes);
    }
    QStringDecoder decoder(charset.toLatin1().constData(), kStateless);
    if (!decoder.isValid()) {
        return DecodeDefault(bytes, fallback);
    }
    QString text = decoder.decode(bytes);
    return decoder.hasError() ? std::nullopt : std::optional<QString>(std::move(text));
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

// Soft line breaks are already joined; an '=' that starts no escape stays as written.
QByteArray DecodeQuotedPrintable(QByteArrayView in)
{
    QByteArray out;
    out.reserve(in.size());
    for (qsizetype i = 0; i < in.size(); ++i) {
        if (in[i] == '=' && i + 2 < in.size() && HexValue(in[i + 1]) >= 0 && HexValue(in[i + 2]) >= 0) {
            out += static_cast<char>(HexValue(in[i + 1]) * 16 + HexValue(in[i + 2]));
            i += 2;
        } else {
            out += in[i];
        }
    }
    return out;
}

struct Head
{
    VCardProperty property;
    qsizetype valueStart = -1; // byte position of the value in the logical line
    bool valid = false;
};

// Name, group and parameters of a logical line. The part before the value is ASCII in every
// real file; it is read as Latin-1 so that no byte is lost or reinterpreted.
Head ParseHead(QByteArrayView line, Words& words)
{
    Head head;
    qsizetype colon = FindUnquoted(line, u':');
    if (colon < 0) {
        colon = line.indexOf(':');
    }
    head.valueStart = colon < 0 ? line.size() : colon + 1;
    const QByteArrayView beforeBytes = colon < 0 ? line : line.first(colon);
    QVarLengthArray<QChar, 256> latin(beforeBytes.size());
    std::transform(beforeBytes.begin(), beforeBytes.end(), latin.begin(), [](char c) { return QChar(QLatin1Char(c)); });
    const QStringView before(latin.constData(), latin.size());
    const qsizetype semicolon = FindUnquoted(before, u';');
    QStringView name = (semicolon < 0 ? before : before.first(semicolon)).trimmed();
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot >= 0) {
        head.property.group = name.first(dot).toString();
        name = name.sliced(dot + 1);
    }
    if (!IsName(name)) {
        return head;
    }
    head.property.name = words.Upper(name);
    if (semicolon < 0) {
        head.valid = true;
        return head;
    }
    ForEachUnquoted(before.sliced(semicolon + 1), u';', [&](QStringView item) {
        item = item.trimmed();
        if (item.isEmpty()) {
            return;
        }
        const qsizetype equals = item.indexOf(u'=');
        if (equals < 0) {
            QString word = words.Upper(Unquoted(item));
            if (word == QLatin1StringView("QUOTED-PRINTABLE") || word == QLatin1StringView("BASE64") ||
                word == QLatin1StringView("8BIT") || word == QLatin1StringView("7BIT")) {
                head.property.parameters.append({QStringLiteral("ENCODING"), std::move(word)});
            } else {
                head.property.types.append(std::move(word));
            }
            return;
        }
        QString key = words.Upper(item.first(equals).trimmed());
        const QStringView value = item.sliced(equals + 1);
        if (key == QLatin1StringView("TYPE")) {
            const auto add = [&](QStringView type) {
                QString word = words.Upper(Unquoted(type));
                if (!word.isEmpty()) {
                    head.property.types.append(std::move(word));
                }
            };
            // vCard 4.0 quotes the whole list (TYPE="cell,voice"); a quoted item among others
            // stays whole.
            const QStringView inner = Unquoted(value);
            if (inner.size() != value.trimmed().size() && !inner.contains(u'"')) {
                for (const QStringView type : inner.tokenize(u',')) {
                    add(type);
                }
            } else {
                ForEachUnquoted(value, u',', add);
            }
        } else {
            if (key == QLatin1StringView("PREF")) {
                head.property.types.append(QStringLiteral("PREF"));
            }
            head.property.parameters.append({std::move(key), Unquoted(value).toString()});
        }
    });
    head.valid = true;
    return head;
}

bool IsQuotedPrintable(const VCardProperty& property)
{
    return property.Parameter(u"ENCODING").compare(u"QUOTED-PRINTABLE", Qt::CaseInsensitive) == 0;
}

// Whether a line's head (before the first colon) names quoted-printable encoding; a quick
// look for the few lines that end in '=' before they are joined.
bool SaysQuotedPrintable(QByteArrayView line)
{
    const qsizetype colon = line.indexOf(':');
    const QByteArrayView head = colon < 0 ? line : line.first(colon);
    constexpr QByteArrayView kWord("QUOTED-PRINTABLE");
    for (qsizetype at = 0; at + kWord.size() <= head.size(); ++at) {
        if (head.sliced(at, kWord.size()).compare(kWord, Qt::CaseInsensitive) == 0) {
            return true;
        }
    }
    return false;
}

bool IsEndLine(QByteArrayView line)
{
    return line.trimmed().compare("END:VCARD", Qt::CaseInsensitive) == 0;
}

struct FileText
{
    QByteArray utf8; // set when the file was converted from UTF-16
    QByteArrayView bytes;
    bool unicodeFile = false; // every raw value is UTF-8, whatever its CHARSET says
    QString error;
};

FileText PrepareBytes(QByteArrayView bytes)
{
    FileText file;
    std::optional<QStringConverter::Encoding> utf16;
    if (bytes.startsWith("\xFF\xFE")) {
        utf16 = QStringConverter::Utf16LE;
        bytes = bytes.sliced(2);
    } else if (bytes.startsWith("\xFE\xFF")) {
        utf16 = QStringConverter::Utf16BE;
        bytes = bytes.sliced(2);
    } else if (bytes.size() >= 2 && bytes[0] == '\0' && bytes[1] != '\0') {
        utf16 = QStringConverter::Utf16BE;
    } else if (bytes.size() >= 2 && bytes[0] != '\0' && bytes[1] == '\0') {
        utf16 = QStringConverter::Utf16LE;
    }
    if (utf16) {
        QStringDecoder decoder(*utf16, kStateless);
        const QString text = decoder.decode(bytes);
        if (decoder.hasError() || text.contains(QChar(0))) {
            file.error = ExchangeTexts::kBadUtf16.toString();
            return file;
        }
        file.utf8 = text.toUtf8();
        file.bytes = file.utf8;
        file.unicodeFile = true;
        return file;
    }
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        bytes = bytes.sliced(3);
        file.unicodeFile = true;
    }
    if (bytes.contains('\0')) {
        file.error = ExchangeTexts::kBinary;
        return file;
    }
    file.bytes = bytes;
    return file;
}

void DecodeValue(VCardProperty& property, QByteArrayView raw, const FileText& file, DefaultCharset charset)
{
    const QString encoding = property.Parameter(u"ENCODING").toUpper();
    if (encoding == QLatin1StringView("B") || encoding == QLatin1StringView("BASE64")) {
        property.binary = true;
        return;
    }
    std::optional<QString> text;
    if (encoding == QLatin1StringView("QUOTED-PRINTABLE")) {
        const QByteArray decoded = DecodeQuotedPrintable(raw);
        // Without a CHARSET the decoded bytes decide for themselves where they can: UTF-8
        // when they hold kana or kanji as UTF-8, Shift_JIS when they are no UTF-8; the file's
        // default for two-byte text that could be either.
        DefaultCharset fallback = charset;
        if (!decoded.isValidUtf8()) {
            fallback = DefaultCharset::ShiftJis;
        } else if (CodePage::AsUtf8(decoded) == CodePage::Utf8Form::Wide) {
            fallback = DefaultCharset::Utf8;
        }
        text = DecodeCharset(decoded, property.Parameter(u"CHARSET"), fallback);
    } else if (charset == DefaultCharset::Utf8 && (file.unicodeFile || property.Parameter(u"CHARSET").isEmpty())) {
        // Every line of such a file is valid UTF-8, and so is the value after its colon.
        text = QString::fromUtf8(raw);
    } else if (file.unicodeFile) {
        text = DecodeUtf8(raw);
    } else {
        text = DecodeCharset(raw, property.Parameter(u"CHARSET"), charset);
    }
    if (text) {
        property.text = std::move(*text);
    } else {
        property.undecodable = true;
    }
}

// The parts of `text` between unescaped `separator`s, each unescaped.
QStringList SplitUnescaped(QStringView text, QChar separator)
{
    QStringList parts;
    parts.reserve(text.count(separator) + 1);
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\') {
            ++i;
        } else if (text[i] == separator) {
            parts.append(UnescapeText(text.sliced(start, i - start)));
            start = i + 1;
        }
    }
    parts.append(UnescapeText(text.sliced(std::min(start, text.size()))));
    return parts;
}

struct LogicalLine
{
    QByteArrayView bytes; // valid until the next line is read
    Head head;
};

// The lines of a file with their folds and soft line breaks joined, blank ones left out.
class LogicalLines
{
public:
    explicit LogicalLines(QByteArrayView bytes) : m_lines(bytes) {}

    // False at the end.
    bool Next(LogicalLine& line)
    {
        QByteArrayView logical;
        do {
            if (m_lines.AtEnd()) {
                return false;
            }
            logical = m_lines.Next();
            if (logical.endsWith('=') && SaysQuotedPrintable(logical)) {
                // A soft line break: the next line goes on unchanged, a leading blank
                // included, however it looks.
                break;
            }
            if (IsFold(m_lines.Peek())) {
                m_joined.resize(0);
                m_joined += logical;
                while (IsFold(m_lines.Peek())) {
                    m_joined += m_lines.Next().sliced(1);
                }
                logical = m_joined;
            }
        } while (logical.trimmed().isEmpty());
        line.head = ParseHead(logical, m_words);
        if (line.head.valid && IsQuotedPrintable(line.head.property) && logical.endsWith('=') && !m_lines.AtEnd() &&
            !IsEndLine(m_lines.Peek())) {
            // A quoted-printable value goes on over lines that end in '=', fold or not.
            if (logical.data() != m_joined.constData()) {
                m_joined.resize(0);
                m_joined += logical;
            }
            while (m_joined.endsWith('=') && !m_lines.AtEnd() && !IsEndLine(m_lines.Peek())) {
                m_joined.chop(1);
                m_joined += m_lines.Next();
            }
            logical = m_joined;
        }
        line.bytes = logical;
        return true;
    }

private:
    LineReader m_lines;
    QByteArray m_joined; // the current line when something was joined to it
    Words m_words;
};

// The charset of values that name none. Only such values count: a file may join cards in
// UTF-8 with cards that say CHARSET=SHIFT_JIS. They are UTF-8 when all are valid UTF-8 and
// one holds a character of three or four bytes, as every kana and kanji does in UTF-8. Valid
// UTF-8 of two-byte characters only is also valid Shift_JIS of half-width katakana whenever
// it is, say, "ﾏｷ": in a vCard 2.1 file, which Japanese phones write in Shift_JIS, such
// values are Shift_JIS; in later versions, whose default is UTF-8, they are UTF-8.
DefaultCharset FileCharset(QByteArrayView bytes)
{
    // The first kana or kanji ends the search.
    if (bytes.isValidUtf8() && HasWideLead(bytes)) {
        return DefaultCharset::Utf8;
    }
    bool allUtf8 = true;
    bool wide = false;
    bool allShiftJis = true;
    bool version21 = false;
    LogicalLines lines(bytes);
    LogicalLine line;
    while (lines.Next(line)) {
        const Head& head = line.head;
        if (!head.valid) {
            allUtf8 = allUtf8 && line.bytes.isValidUtf8();
            continue;
        }
        if (head.property.name == QLatin1StringView("VERSION")) {
            version21 = version21 || line.bytes.sliced(head.valueStart).trimmed() == "2.1";
        }
        if (!head.property.Parameter(u"CHARSET").isEmpty() || IsQuotedPrintable(head.property)) {
            continue;
        }
        const QByteArrayView value = line.bytes.sliced(std::min(head.valueStart, line.bytes.size()));
        if (!value.isValidUtf8()) {
            allUtf8 = false;
            break;
        }
        wide = wide || CodePage::AsUtf8(value) == CodePage::Utf8Form::Wide;
        allShiftJis = allShiftJis && CodePage::Decode(value).has_value();
    }
    if (!allUtf8) {
        return DefaultCharset::ShiftJis;
    }
    if (!wide && version21 && allShiftJis) {
        return DefaultCharset::ShiftJis;
    }
    return DefaultCharset::Utf8;
}

} // namespace

bool VCardProperty::HasType(QStringView type) const
{
    return std::any_of(types.cbegin(), types.cend(), [&](const QString& word) { return word == type; });
}

QString VCardProperty::Parameter(QStringView key) const
{
    for (const auto& [k, value] : parameters) {
        if (k == key) {
            return value;
        }
    }
    return {};
}

QString ReadVCards(QByteArrayView bytes, const std::function<void(const VCardCard&)>& take)
{
    const FileText file = PrepareBytes(bytes);
    if (!file.error.isEmpty()) {
        return file.error;
    }
    const DefaultCharset charset = FileCharset(file.bytes);
    // One card at a time, its list of properties kept for the next one.
    VCardCard card;
    bool open = false;
    bool any = false;
    auto closeCard = [&] {
        if (open) {
            take(card);
            card.properties.clear();
            open = false;
            any = true;
        }
    };
    int embedded = 0; // how deep inside a card that an AGENT carries within this one
    LogicalLines lines(file.bytes);
    LogicalLine line;
    while (lines.Next(line)) {
        Head& head = line.head;
        // A line without a colon may have lost its last byte to a soft line break.
        const QByteArrayView raw = line.bytes.sliced(std::min(head.valueStart, line.bytes.size()));
        const bool cardLine = head.valid && raw.trimmed().compare("VCARD", Qt::CaseInsensitive) == 0;
        if (embedded > 0) {
            if (cardLine && head.property.name == QLatin1StringView("BEGIN")) {
                ++embedded;
            } else if (cardLine && head.property.name == QLatin1StringView("END")) {
                --embedded;
            } else if (embedded == 1 && head.valid && head.property.name == QLatin1StringView("FN")) {
                // The agent's name stands for the card in the report.
                DecodeValue(head.property, raw, file, charset);
                card.properties.back().text = head.property.text;
            }
            continue;
        }
        if (head.valid && head.property.name == QLatin1StringView("BEGIN")) {
            if (cardLine) {
                // vCard 2.1 writes an agent's whole card right after an empty AGENT value;
                // it belongs to this card, and the lines after it too.
                if (open && !card.properties.isEmpty() && card.properties.back().name == QLatin1StringView("AGENT") &&
                    card.properties.back().text.trimmed().isEmpty()) {
                    embedded = 1;
                    card.properties.back().text = QStringLiteral("VCARD");
                    continue;
                }
                closeCard();
                open = true;
            }
            continue;
        }
        if (head.valid && head.property.name == QLatin1StringView("END")) {
            if (raw.trimmed().compare("VCARD", Qt::CaseInsensitive) == 0) {
                closeCard();
            }
            continue;
        }
        if (!open) {
            if (!head.valid || head.property.name != QLatin1StringView("VERSION")) {
                continue;
            }
            open = true;
        }
        if (!head.valid) {
            // Kept nameless so that the report can show what was skipped.
            VCardProperty unreadable;
            unreadable.text = DecodeDefault(line.bytes, charset).value_or(QString::fromLatin1(line.bytes));
            card.properties.append(std::move(unreadable));
            continue;
        }
        DecodeValue(head.property, raw, file, charset);
        card.properties.append(std::move(head.property));
    }
    closeCard();
    return any ? QString() : ExchangeTexts::kNoCard;
}

QStringList SplitComponents(QStringView text)
{
    return SplitUnescaped(text, u';');
}

QStringList SplitList(QStringView text)
{
    return SplitUnescaped(text, u',');
}

QString UnescapeText(QStringView text)
{
    qsizetype i = text.indexOf(u'\\');
    if (i < 0) {
        return text.toString();
    }
    // No escape is shorter than what it stands for.
    QString out(text.size(), Qt::Uninitialized);
    QChar* end = std::copy(text.begin(), text.begin() + i, out.data());
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\\' || i + 1 == text.size()) {
            *end++ = c;
            continue;
        }
        const QChar next = text[++i];
        switch (next.unicode()) {
        case u'n':
        case u'N':
            *end++ = u'\n';
            break;
        case u'\\':
        case u';':
        case u',':
        case u':':
            *end++ = next;
            break;
        default:
            *end++ = c;
            *end++ = next;
            break;
        }
    }
    out.truncate(end - out.constData());
    return out;
}

QString UnescapeText(const QString& text)
{
    return text.contains(u'\\') ? UnescapeText(QStringView(text)) : text;
}

void AppendEscapedText(QString& out, QStringView text)
{
    qsizetype from = 0; // where the run that needs no escape begins
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\\' && c != u',' && c != u';' && c != u'\r' && c != u'\n') {
            continue;
        }
        out += text.sliced(from, i - from);
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
                ++i;
            }
            out += QLatin1StringView("\\n");
        } else {
            out += u'\\';
            out += c;
        }
        from = i + 1;
    }
    out += text.sliced(from);
}

void AppendFoldedLine(QByteArray& out, QStringView line)
{
    constexpr qsizetype kMaxOctets = 75;
    const qsizetype start = out.size();
    // The encoder writes U+FFFD for a surrogate without its partner where toUtf8() writes '?'.
    if (std::any_of(line.begin(), line.end(), [](QChar c) { return c.isSurrogate(); })) {
        out += line.toUtf8();
    } else {
        QStringEncoder encoder(QStringConverter::Utf8, kStateless);
        out.resize(start + encoder.requiredSpace(line.size()));
        out.truncate(encoder.appendToBuffer(out.data() + start, line) - out.constData());
    }
    if (out.size() - start > kMaxOctets) {
        const QByteArray utf8 = out.sliced(start);
        out.truncate(start);
        qsizetype pos = 0;
        qsizetype room = kMaxOctets;
        while (utf8.size() - pos > room) {
            qsizetype cut = pos + room;
            // Back off to the start of a UTF-8 sequence so that no character is split.
            while (cut > pos && (static_cast<unsigned char>(utf8[cut]) & 0xC0) == 0x80) {
                --cut;
            }
            out += QByteArrayView(utf8).sliced(pos, cut - pos);
            out += "\r\n ";
            pos = cut;
            room = kMaxOctets - 1; // the leading space counts
        }
        out += QByteArrayView(utf8).sliced(pos);
    }
    out += "\r\n";
}
