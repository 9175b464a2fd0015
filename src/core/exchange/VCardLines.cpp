#include "VCardLines.h"

#include "ExchangeTexts.h"
#include "memorydial/CodePage.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QVarLengthArray>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <tuple>
#include <vector>

namespace {

constexpr auto kStateless = QStringConverter::Flag::Stateless;

enum class DefaultCharset
{
    Utf8,
    ShiftJis,    // kana or kanji that are valid UTF-8 still read as UTF-8
    CodePage932, // a memory dial: code page 932 throughout, as the memory-dial reader reads it
};

// Position of the first `c` in `bytes` at or after `from`, or -1. Lines and heads are short:
// the C library's search is called directly, not through Qt's general one.
qsizetype Find(QByteArrayView bytes, char c, qsizetype from = 0)
{
    if (from >= bytes.size()) {
        return -1;
    }
    const void* found = std::memchr(bytes.data() + from, c, static_cast<std::size_t>(bytes.size() - from));
    return found ? static_cast<const char*>(found) - bytes.data() : -1;
}

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
            m_lf = Find(m_bytes, '\n', m_start);
            m_lf = m_lf < 0 ? n : m_lf;
        }
        const qsizetype cr = Find(m_bytes.first(m_lf), '\r', m_start);
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

// Position of the first `separator` outside double quotes, or -1. An unbalanced quote makes
// the quoted run end at the end of the text.
qsizetype FindUnquoted(QByteArrayView text, char separator, qsizetype from = 0)
{
    // Most heads hold no quote at all; two vectorised searches then settle it.
    const qsizetype first = Find(text, separator, from);
    if (first < 0 || Find(text.first(first), '"', from) < 0) {
        return first;
    }
    bool quoted = false;
    for (qsizetype i = from; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            quoted = !quoted;
        } else if (c == separator && !quoted) {
            return i;
        }
    }
    return -1;
}

// Calls `take` with each part of `text` between separators outside double quotes.
template <typename Take> void ForEachUnquoted(QByteArrayView text, char separator, Take take)
{
    qsizetype start = 0;
    for (qsizetype at = FindUnquoted(text, separator); at >= 0; at = FindUnquoted(text, separator, start)) {
        take(text.sliced(start, at - start));
        start = at + 1;
    }
    take(text.sliced(start));
}

// The blanks of QChar::isSpace among the Latin-1 characters.
bool IsLatin1Space(char byte)
{
    const char16_t c = Unit(byte);
    return c == u' ' || (c >= u'\t' && c <= u'\r') || c == 0x85 || c == 0xA0;
}

QByteArrayView Trimmed(QByteArrayView text)
{
    while (!text.isEmpty() && IsLatin1Space(text.front())) {
        text = text.sliced(1);
    }
    while (!text.isEmpty() && IsLatin1Space(text.back())) {
        text.chop(1);
    }
    return text;
}

QByteArrayView Unquoted(QByteArrayView text)
{
    text = Trimmed(text);
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
        text = text.sliced(1, text.size() - 2);
    }
    return text;
}

char AsciiUpper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - ('a' - 'A')) : c;
}

// A property name, parameter key or type word in upper case, with what it stands for when it
// is one of the known ones.
struct Word
{
    QString text;
    VCardName name = VCardName::Other;
    quint16 typeBit = 0;
};

// Upper-case property names, parameter keys and type words. They repeat on every card of a
// file, so each one is made once and shared; a hostile file with ever new words only fills
// the table up to its bound. They are ASCII in every real file, and ASCII needs no case table.
class Words
{
public:
    Words()
    {
        const auto type = [](VCardType t) { return static_cast<quint16>(t); };
        // The words that phones write on every card are the program's own texts, shared
        // without counting references.
        static const Word kKnown[] = {
            {QStringLiteral("BEGIN"), VCardName::Begin},
            {QStringLiteral("END"), VCardName::End},
            {QStringLiteral("VERSION"), VCardName::Version},
            {QStringLiteral("PRODID"), VCardName::Prodid},
            {QStringLiteral("UID"), VCardName::Uid},
            {QStringLiteral("REV"), VCardName::Rev},
            {QStringLiteral("AGENT"), VCardName::Agent},
            {QStringLiteral("FN"), VCardName::Fn},
            {QStringLiteral("N"), VCardName::N},
            {QStringLiteral("ORG"), VCardName::Org},
            {QStringLiteral("SORT-STRING"), VCardName::SortString},
            {QStringLiteral("X-PHONETIC-LAST-NAME"), VCardName::PhoneticLastName},
            {QStringLiteral("X-PHONETIC-FIRST-NAME"), VCardName::PhoneticFirstName},
            {QStringLiteral("SOUND"), VCardName::Sound},
            {QStringLiteral("TEL"), VCardName::Tel},
            {QStringLiteral("EMAIL"), VCardName::Email},
            {QStringLiteral("ADR"), VCardName::Adr},
            {QStringLiteral("LABEL"), VCardName::Label},
            {QStringLiteral("X-ABLABEL"), VCardName::AbLabel},
            {QStringLiteral("BDAY"), VCardName::Bday},
            {QStringLiteral("X-MORVANE-BIRTHDAY"), VCardName::MorvaneBirthday},
            {QStringLiteral("URL"), VCardName::Url},
            {QStringLiteral("NOTE"), VCardName::Note},
            {QStringLiteral("GEO"), VCardName::Geo},
            {QStringLiteral("CATEGORIES"), VCardName::Categories},
            {QStringLiteral("CLASS"), VCardName::Class},
            {QStringLiteral("X-GNO"), VCardName::Gno},
            {QStringLiteral("X-HOBBY"), VCardName::Hobby},
            {QStringLiteral("X-BLOODTYPE"), VCardName::BloodType},
            {QStringLiteral("X-CONSTELLATION"), VCardName::Constellation},
            {QStringLiteral("X-REDUCTION"), VCardName::Reduction},
            {QStringLiteral("PHOTO")},
            {QStringLiteral("TYPE")},
            {QStringLiteral("VALUE")},
            {QStringLiteral("CHARSET")},
            {QStringLiteral("ENCODING")},
            {QStringLiteral("QUOTED-PRINTABLE")},
            {QStringLiteral("INTERNET")},
            {QStringLiteral("VOICE")},
            {QStringLiteral("PREF"), VCardName::Other, type(VCardType::Pref)},
            {QStringLiteral("CELL"), VCardName::Other, type(VCardType::Cell)},
            {QStringLiteral("IPHONE"), VCardName::Other, type(VCardType::IPhone)},
            {QStringLiteral("FAX"), VCardName::Other, type(VCardType::Fax)},
            {QStringLiteral("PCS"), VCardName::Other, type(VCardType::Pcs)},
            {QStringLiteral("X-PCS"), VCardName::Other, type(VCardType::Pcs)},
            {QStringLiteral("PHS"), VCardName::Other, type(VCardType::Pcs)},
            {QStringLiteral("X-PHS"), VCardName::Other, type(VCardType::Pcs)},
            {QStringLiteral("HOME"), VCardName::Other, type(VCardType::Home)},
            {QStringLiteral("WORK"), VCardName::Other, type(VCardType::Work)},
            {QStringLiteral("SCHOOL"), VCardName::Other, type(VCardType::School)},
            {QStringLiteral("X-SCHOOL"), VCardName::Other, type(VCardType::School)},
            {QStringLiteral("X-IRMC-N"), VCardName::Other, type(VCardType::IrmcN)},
        };
        for (const Word& known : kKnown) {
            const QByteArray key = known.text.toLatin1();
            Entry& slot = Slot(key, Hash(key));
            slot.key = key;
            slot.word = known;
            ++m_count;
        }
    }

    // The upper-case form of a word read as Latin-1.
    Word Upper(QByteArrayView text)
    {
        std::array<char, kLongestKept> upper;
        if (text.isEmpty() || text.size() > qsizetype(upper.size())) {
            return Uncached(text);
        }
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (Unit(text[i]) >= 0x80) {
                return Uncached(text);
            }
            upper[i] = AsciiUpper(text[i]);
        }
        const QByteArrayView key(upper.data(), text.size());
        Entry& slot = Slot(key, Hash(key));
        if (!slot.key.isNull()) {
            return slot.word;
        }
        Word word{QString::fromLatin1(key)};
        if (m_count < m_slots.size() / 2) {
            slot.key = key.toByteArray();
            slot.word = word;
            ++m_count;
        }
        return word;
    }

private:
    struct Entry
    {
        QByteArray key; // the upper-case bytes; null while the slot is free
        Word word;
    };

    // Longer words are not kept; no real name, key or type comes near.
    static constexpr std::size_t kLongestKept = 64;

    static Word Uncached(QByteArrayView text) { return {QString::fromLatin1(text).toUpper()}; }

    static std::uint64_t Hash(QByteArrayView key)
    {
        std::uint64_t hash = key.size();
        for (const char c : key) {
            hash = hash * 31 + static_cast<unsigned char>(c);
        }
        return hash;
    }

    // Open addressing, at most half full, so a word is found within a few slots: the slot
    // that holds `key`, or the free one where it would go.
    Entry& Slot(QByteArrayView key, std::uint64_t hash)
    {
        std::size_t at = (hash * 0x9E3779B97F4A7C15U) >> (64 - kSlotBits);
        const auto same = [&](const QByteArray& other) {
            return other.size() == key.size() && std::equal(key.begin(), key.end(), other.cbegin());
        };
        while (!m_slots[at].key.isNull() && !same(m_slots[at].key)) {
            at = (at + 1) % m_slots.size();
        }
        return m_slots[at];
    }

    static constexpr int kSlotBits = 8;
    std::vector<Entry> m_slots = std::vector<Entry>(std::size_t{1} << kSlotBits);
    std::size_t m_count = 0;
};

bool IsName(QByteArrayView name)
{
    if (name.isEmpty()) {
        return false;
    }
    return std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
    });
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

// QString::fromUtf8 for the short values of a card. Qt's decoder is quick for ASCII but takes
// about twice as long per kana or kanji as this loop, which every value of a Japanese address
// book goes through; anything but one to three bytes a character in their shortest form is
// left to Qt, so the result is the same.
QString FromUtf8(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        return QString::fromUtf8(bytes); // which drops a byte-order mark at the start
    }
    QString text(bytes.size(), Qt::Uninitialized); // never more UTF-16 units than UTF-8 bytes
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* const end = in + bytes.size();
    const auto follows = [](unsigned char b) { return (b & 0xC0) == 0x80; };
    while (in < end) {
        const unsigned char b = *in;
        if (b < 0x80) {
            *out++ = b;
            ++in;
        } else if (b >= 0xC2 && b < 0xE0 && end - in >= 2 && follows(in[1])) {
            *out++ = static_cast<char16_t>(((b & 0x1F) << 6) | (in[1] & 0x3F));
            in += 2;
        } else if (b >= 0xE0 && b < 0xF0 && end - in >= 3 && follows(in[1]) && follows(in[2])) {
            const auto c = static_cast<char16_t>(((b & 0x0F) << 12) | ((in[1] & 0x3F) << 6) | (in[2] & 0x3F));
            if (c < 0x800 || (c >= 0xD800 && c <= 0xDFFF)) {
                return QString::fromUtf8(bytes);
            }
            *out++ = c;
            in += 3;
        } else {
            return QString::fromUtf8(bytes);
        }
    }
    text.truncate(out - reinterpret_cast<const char16_t*>(text.constData()));
    return text;
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
    QString encoding;          // the first ENCODING, upper case
    QString charset;           // the first CHARSET, as written
    qsizetype valueStart = -1; // byte position of the value in the logical line
    bool valid = false;
    bool wideParameters = false; // a parameter value holds bytes past ASCII

    [[nodiscard]] bool QuotedPrintable() const
    {
        return !encoding.isEmpty() && encoding == QLatin1StringView("QUOTED-PRINTABLE");
    }
};

// Name, group and parameters of a logical line. The part before the value is ASCII in every
// real file; it is read as Latin-1 so that no byte is lost or reinterpreted.
Head ParseHead(QByteArrayView line, Words& words)
{
    Head head;
    // One pass finds the colon that ends the head and the first semicolon before it, both
    // outside double quotes.
    qsizetype colon = -1;
    qsizetype semicolon = -1;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && c == ':') {
            colon = i;
            break;
        } else if (!quoted && c == ';' && semicolon < 0) {
            semicolon = i;
        }
    }
    if (colon < 0) {
        colon = line.indexOf(':');
        semicolon = FindUnquoted(colon < 0 ? line : line.first(colon), ';');
    }
    head.valueStart = colon < 0 ? line.size() : colon + 1;
    const QByteArrayView before = colon < 0 ? line : line.first(colon);
    QByteArrayView name = Trimmed(semicolon < 0 ? before : before.first(semicolon));
    for (qsizetype dot = name.size() - 1; dot >= 0; --dot) {
        if (name[dot] == '.') {
            head.property.group = QString::fromLatin1(name.first(dot));
            name = name.sliced(dot + 1);
            break;
        }
    }
    if (!IsName(name)) {
        return head;
    }
    Word word = words.Upper(name);
    head.property.name = std::move(word.text);
    head.property.id = word.name;
    head.valid = true;
    if (semicolon < 0) {
        return head;
    }
    const auto addType = [&](Word type) {
        if (head.property.types.isEmpty()) {
            // Phones write two or three types a line; growing one by one would allocate each time.
            head.property.types.reserve(4);
        }
        head.property.types.append(std::move(type.text));
        head.property.typeBits |= type.typeBit;
    };
    ForEachUnquoted(before.sliced(semicolon + 1), ';', [&](QByteArrayView item) {
        item = Trimmed(item);
        if (item.isEmpty()) {
            return;
        }
        const qsizetype equals = item.indexOf('=');
        if (equals < 0) {
            Word bare = words.Upper(Unquoted(item));
            const QString& text = bare.text;
            if (text == QLatin1StringView("QUOTED-PRINTABLE") || text == QLatin1StringView("BASE64") ||
                text == QLatin1StringView("8BIT") || text == QLatin1StringView("7BIT")) {
                head.property.parameters.append({QStringLiteral("ENCODING"), std::move(bare.text)});
            } else {
                addType(std::move(bare));
            }
            return;
        }
        QString key = words.Upper(Trimmed(item.first(equals))).text;
        const QByteArrayView value = item.sliced(equals + 1);
        if (key == QLatin1StringView("TYPE")) {
            // vCard 4.0 quotes the whole list (TYPE="cell,voice"); a quoted item among others
            // stays whole.
            const QByteArrayView inner = Unquoted(value);
            const bool quotedList = inner.size() != Trimmed(value).size() && !inner.contains('"');
            ForEachUnquoted(quotedList ? inner : value, ',', [&](QByteArrayView type) {
                Word typeWord = words.Upper(Unquoted(type));
                if (!typeWord.text.isEmpty()) {
                    addType(std::move(typeWord));
                }
            });
        } else {
            if (key == QLatin1StringView("PREF")) {
                addType(words.Upper("PREF"));
            }
            const QByteArrayView unquoted = Unquoted(value);
            head.wideParameters = head.wideParameters ||
                                  std::any_of(unquoted.begin(), unquoted.end(), [](char c) { return Unit(c) >= 0x80; });
            head.property.parameters.append({std::move(key), QString::fromLatin1(unquoted)});
        }
    });
    if (!head.property.parameters.isEmpty()) {
        head.encoding = head.property.Parameter(u"ENCODING").toUpper();
        head.charset = head.property.Parameter(u"CHARSET");
    }
    return head;
}

// Parsed heads by their bytes. Phones write the same few heads on every card
// ("TEL;type=CELL;type=VOICE;type=pref"), so each one is parsed once and its texts and lists
// are shared by every line that repeats it. Like the words, a hostile file with ever new heads
// only fills the table up to its bound.
class Heads
{
public:
    // The head of `line`; valid until the next call.
    const Head& Parse(QByteArrayView line)
    {
        const qsizetype colon = FindUnquoted(line, ':');
        if (colon < 0) {
            m_uncached = ParseHead(line, m_words);
            return m_uncached;
        }
        const QByteArrayView key = line.first(colon);
        std::size_t at = (Hash(key) * 0x9E3779B97F4A7C15U) >> (64 - kSlotBits);
        // A hostile file may make many long heads look alike to the hash: after a few probes a
        // head is parsed without the table, so that no line costs more than a few comparisons.
        for (int probe = 0; probe < kMostProbes; ++probe) {
            QByteArray& slotKey = m_keys[at];
            if (slotKey.isNull()) {
                if (m_count == m_keys.size() / 2) {
                    break;
                }
                slotKey = key.toByteArray();
                m_heads[at] = ParseHead(line, m_words);
                ++m_count;
                return m_heads[at];
            }
            if (QByteArrayView(slotKey) == key) {
                return m_heads[at];
            }
            at = (at + 1) % m_keys.size();
        }
        m_uncached = ParseHead(line, m_words);
        return m_uncached;
    }

private:
    // The length and the first and last eight bytes: enough to tell the heads of a file apart,
    // and a hash over every byte would take longer than the rest of the look-up.
    static std::uint64_t Hash(QByteArrayView key)
    {
        const auto size = static_cast<std::size_t>(key.size());
        const std::size_t part = std::min<std::size_t>(size, 8);
        std::uint64_t head = 0;
        std::uint64_t tail = 0;
        std::memcpy(&head, key.data(), part);
        std::memcpy(&tail, key.data() + size - part, part);
        return (head * 0x100000001B3U) ^ (tail + size);
    }

    static constexpr int kSlotBits = 8;
    static constexpr int kMostProbes = 8;
    Words m_words;
    // The bytes before the colon (null while a slot is free) apart from the parsed heads, so
    // that looking for a key touches little memory.
    std::vector<QByteArray> m_keys = std::vector<QByteArray>(std::size_t{1} << kSlotBits);
    std::vector<Head> m_heads = std::vector<Head>(std::size_t{1} << kSlotBits);
    std::size_t m_count = 0;
    Head m_uncached; // the head of a line that the table does not keep
};

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

bool IsBlankLine(QByteArrayView line)
{
    return std::all_of(line.begin(), line.end(), [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); });
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

// The value read as UTF-8 when its CHARSET names another charset and its bytes are valid UTF-8
// of more than ASCII: what it says if the label on its card lies.
std::optional<QString> LabelledAsOther(QByteArrayView bytes, const Head& head)
{
    if (head.charset.isEmpty() || IsUtf8Name(head.charset) ||
        std::all_of(bytes.begin(), bytes.end(), [](char c) { return Unit(c) < 0x80; }) || !bytes.isValidUtf8()) {
        return std::nullopt;
    }
    return QString::fromUtf8(bytes);
}

// Sets the value of `property`, whose head is `head`; returns LabelledAsOther() of its bytes.
std::optional<QString> DecodeValue(const Head& head, QByteArrayView raw, const FileText& file, DefaultCharset charset,
                                   VCardProperty& property)
{
    const QString& encoding = head.encoding;
    if (!encoding.isEmpty() && (encoding == QLatin1StringView("B") || encoding == QLatin1StringView("BASE64"))) {
        property.binary = true;
        return std::nullopt;
    }
    std::optional<QString> text;
    std::optional<QString> asUtf8;
    if (head.QuotedPrintable()) {
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
        text = DecodeCharset(decoded, head.charset, fallback);
        asUtf8 = LabelledAsOther(decoded, head);
    } else if (charset == DefaultCharset::Utf8 && (file.unicodeFile || head.charset.isEmpty())) {
        // Every line of such a file is valid UTF-8, and so is the value after its colon.
        text = FromUtf8(raw);
    } else if (file.unicodeFile) {
        text = DecodeUtf8(raw);
    } else {
        text = DecodeCharset(raw, head.charset, charset);
        asUtf8 = LabelledAsOther(raw, head);
    }
    if (text) {
        property.text = std::move(*text);
    } else {
        property.undecodable = true;
    }
    if (head.wideParameters) {
        // Parameters are read as Latin-1 with the head; the reading in vCard 4.0's SORT-AS is
        // kana or kanji in the value's charset.
        for (auto& [key, value] : property.parameters) {
            if (std::any_of(value.cbegin(), value.cend(), [](QChar c) { return c.unicode() >= 0x80; })) {
                const QByteArray bytes = value.toLatin1();
                value = (file.unicodeFile ? DecodeUtf8(bytes) : DecodeCharset(bytes, head.charset, charset))
                            .value_or(QString());
            }
        }
    }
    return asUtf8;
}

struct LogicalLine
{
    QByteArrayView bytes;       // valid until the next line is read
    const Head* head = nullptr; // likewise
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
        } while (IsBlankLine(logical));
        line.head = &m_heads.Parse(logical);
        if (line.head->valid && line.head->QuotedPrintable() && logical.endsWith('=') && !m_lines.AtEnd() &&
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
    Heads m_heads;
};

// Whether the first card is a record of a memory dial: it has the entry-number and group-number
// lines (X-REDUCTION, X-GNO) that only the memory-dial writer writes, and no CHARSET or
// ENCODING, which it never writes. This program's own export leaves the entry number out, and
// phones and web address books write neither line.
bool StartsAsMemoryDial(QByteArrayView bytes)
{
    bool number = false;
    bool group = false;
    LogicalLines lines(bytes);
    LogicalLine line;
    while (lines.Next(line)) {
        const Head& head = *line.head;
        if (!head.charset.isEmpty() || !head.encoding.isEmpty()) {
            return false;
        }
        if (head.property.id == VCardName::End) {
            break;
        }
        number = number || head.property.id == VCardName::Reduction;
        group = group || head.property.id == VCardName::Gno;
    }
    return number && group;
}

// The charset of values that name none. Only such values count: a file may join cards in
// UTF-8 with cards that say CHARSET=SHIFT_JIS. They are UTF-8 when all are valid UTF-8 and
// one holds a character of three or four bytes, as every kana and kanji does in UTF-8. Valid
// UTF-8 of two-byte characters only is also valid Shift_JIS of half-width katakana whenever
// it is, say, "ﾏｷ": in a vCard 2.1 file, which Japanese phones write in Shift_JIS, such
// values are Shift_JIS; in later versions, whose default is UTF-8, they are UTF-8. A memory
// dial is read as the memory-dial reader reads it, whatever its version.
DefaultCharset FileCharset(QByteArrayView bytes)
{
    if (StartsAsMemoryDial(bytes)) {
        switch (CodePage::MemoryDialCharset(bytes)) {
        case CodePage::FileCharset::CodePage932:
            return DefaultCharset::CodePage932;
        case CodePage::FileCharset::Utf8:
            return DefaultCharset::Utf8;
        case CodePage::FileCharset::Neither:
            break;
        }
    }
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
        const Head& head = *line.head;
        if (!head.valid) {
            allUtf8 = allUtf8 && line.bytes.isValidUtf8();
            continue;
        }
        if (head.property.id == VCardName::Version) {
            version21 = version21 || line.bytes.sliced(head.valueStart).trimmed() == "2.1";
        }
        if (!head.charset.isEmpty() || head.QuotedPrintable()) {
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

QString VCardProperty::Parameter(QStringView key) const
{
    for (const auto& [k, value] : parameters) {
        if (k == key) {
            return value;
        }
    }
    return {};
}

namespace {

// A card being read, with what decides its charset once it is whole.
struct OpenCard
{
    VCardCard card;
    // Values under a label other than UTF-8 that are valid UTF-8 too: their index and label,
    // and their text as UTF-8.
    QList<std::tuple<qsizetype, QString, QString>> asUtf8;
    int embedded = 0; // how deep inside a card that an AGENT carries within this one

    void Clear()
    {
        card.properties.clear();
        card.unreadProperties = 0;
        card.version = VCardVersion::V30;
        card.utf8Labels.clear();
        asUtf8.clear();
        embedded = 0;
    }

    // The values under a label that lied elsewhere on the card are UTF-8 as well.
    void SettleCharsets()
    {
        if (card.utf8Labels.isEmpty()) {
            return;
        }
        for (auto& [index, label, text] : asUtf8) {
            if (card.utf8Labels.contains(label, Qt::CaseInsensitive)) {
                card.properties[index].text = std::move(text);
            }
        }
    }
};

VCardVersion VersionOf(QStringView text)
{
    text = text.trimmed();
    return text == u"2.1" ? VCardVersion::V21 : text == u"4.0" ? VCardVersion::V40 : VCardVersion::V30;
}

} // namespace

QString ReadVCards(QByteArrayView bytes, const std::function<void(const VCardCard&)>& take)
{
    const FileText file = PrepareBytes(bytes);
    if (!file.error.isEmpty()) {
        return file.error;
    }
    const DefaultCharset charset = FileCharset(file.bytes);
    // The open cards, innermost last; each keeps its list of properties for the next card at
    // its depth.
    std::vector<OpenCard> cards(1);
    qsizetype depth = 0;
    bool any = false;
    auto hand = [&](OpenCard& open) {
        open.SettleCharsets();
        take(open.card);
        open.Clear();
        any = true;
    };
    auto closeCard = [&] { hand(cards[--depth]); };
    auto closeAll = [&] {
        // Outermost first: in a file whose cards lack their END lines, that is their order.
        for (qsizetype i = 0; i < depth; ++i) {
            hand(cards[i]);
        }
        depth = 0;
    };
    auto openCard = [&] {
        if (depth == kMaxOpenCards) {
            closeAll();
        }
        if (qsizetype(cards.size()) == depth) {
            cards.emplace_back();
        }
        ++depth;
    };
    LogicalLines lines(file.bytes);
    LogicalLine line;
    while (lines.Next(line)) {
        const Head& head = *line.head;
        // A line without a colon may have lost its last byte to a soft line break.
        const QByteArrayView raw = line.bytes.sliced(std::min(head.valueStart, line.bytes.size()));
        const VCardName id = head.property.id;
        const bool cardLine = (id == VCardName::Begin || id == VCardName::End) &&
                              raw.trimmed().compare("VCARD", Qt::CaseInsensitive) == 0;
        if (depth > 0 && cards[depth - 1].embedded > 0) {
            OpenCard& open = cards[depth - 1];
            if (cardLine && id == VCardName::Begin) {
                ++open.embedded;
            } else if (cardLine && id == VCardName::End) {
                --open.embedded;
            } else if (open.embedded == 1 && id == VCardName::Fn) {
                // The agent's name stands for the card in the report.
                VCardProperty name = head.property;
                DecodeValue(head, raw, file, charset, name);
                open.card.properties.back().text = name.text;
            }
            continue;
        }
        if (id == VCardName::Begin) {
            if (cardLine) {
                // vCard 2.1 writes an agent's whole card right after an empty AGENT value;
                // it belongs to this card, and the lines after it too.
                if (depth > 0) {
                    OpenCard& open = cards[depth - 1];
                    QList<VCardProperty>& properties = open.card.properties;
                    if (!properties.isEmpty() && properties.back().id == VCardName::Agent &&
                        properties.back().text.trimmed().isEmpty()) {
                        open.embedded = 1;
                        properties.back().text = QStringLiteral("VCARD");
                        continue;
                    }
                }
                openCard();
            }
            continue;
        }
        if (id == VCardName::End) {
            if (cardLine && depth > 0) {
                closeCard();
            }
            continue;
        }
        if (depth == 0) {
            if (id != VCardName::Version) {
                continue;
            }
            openCard();
        }
        OpenCard& open = cards[depth - 1];
        VCardCard& card = open.card;
        if (card.properties.size() == kMaxCardProperties) {
            ++card.unreadProperties;
            continue;
        }
        if (!head.valid) {
            // Kept nameless so that the report can show what was skipped.
            VCardProperty unreadable;
            unreadable.text = DecodeDefault(line.bytes, charset).value_or(QString::fromLatin1(line.bytes));
            card.properties.append(std::move(unreadable));
            continue;
        }
        VCardProperty& property = card.properties.emplace_back(head.property);
        if (std::optional<QString> asUtf8 = DecodeValue(head, raw, file, charset, property)) {
            if (property.undecodable) {
                // The label cannot be right: the bytes are no text in its charset, but UTF-8.
                property.undecodable = false;
                property.text = std::move(*asUtf8);
                if (!card.utf8Labels.contains(head.charset, Qt::CaseInsensitive)) {
                    card.utf8Labels.append(head.charset);
                }
            } else {
                open.asUtf8.append({card.properties.size() - 1, head.charset, std::move(*asUtf8)});
            }
        }
        if (id == VCardName::Version) {
            card.version = VersionOf(property.text);
        }
    }
    closeAll();
    return any ? QString() : ExchangeTexts::kNoCard;
}

qsizetype NextSeparator(QStringView text, QChar separator, qsizetype from, VCardVersion version)
{
    for (qsizetype i = from; i < text.size(); ++i) {
        if (text[i] == u'\\' && (version != VCardVersion::V21 || (i + 1 < text.size() && text[i + 1] == u';'))) {
            ++i;
        } else if (text[i] == separator) {
            return i;
        }
    }
    return -1;
}

namespace {

// A component of a 2.1 value, where "\;" alone is an escape.
QString UnescapeComponent21(QStringView text)
{
    QString out = text.toString();
    out.replace(QStringLiteral("\\;"), QStringLiteral(";"));
    return out;
}

} // namespace

QStringList SplitComponents(QStringView text, qsizetype maxParts, VCardVersion version)
{
    const auto unescape = [version](QStringView part) {
        return version == VCardVersion::V21 ? UnescapeComponent21(part) : UnescapeText(part, version);
    };
    QStringList parts;
    qsizetype start = 0;
    for (qsizetype at = NextSeparator(text, u';', 0, version); at >= 0 && parts.size() + 1 < maxParts;
         at = NextSeparator(text, u';', start, version)) {
        parts.append(unescape(text.sliced(start, at - start)));
        start = at + 1;
    }
    parts.append(unescape(text.sliced(start)));
    return parts;
}

QString UnescapeText(QStringView text, VCardVersion version)
{
    qsizetype i = text.indexOf(u'\\');
    if (i < 0 || version == VCardVersion::V21) {
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
        case u'"':
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

QString UnescapeText(const QString& text, VCardVersion version)
{
    // Values are short: a plain loop beats the call into a vectorised search.
    const bool escaped =
        version != VCardVersion::V21 && std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c == u'\\'; });
    return escaped ? UnescapeText(QStringView(text), version) : text;
}

namespace {

void AppendView(QString& out, QStringView text)
{
    out += text;
}

void AppendView(std::u16string& out, QStringView text)
{
    out.append(text.utf16(), static_cast<std::size_t>(text.size()));
}

} // namespace

template <typename Text> void AppendEscapedText(Text& out, QStringView text)
{
    qsizetype from = 0; // where the run that needs no escape begins
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\\' && c != u',' && c != u';' && c != u'\r' && c != u'\n') {
            continue;
        }
        AppendView(out, text.sliced(from, i - from));
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
                ++i;
            }
            AppendView(out, u"\\n");
        } else {
            const char16_t escaped[] = {u'\\', c.unicode()};
            AppendView(out, QStringView(escaped, 2));
        }
        from = i + 1;
    }
    AppendView(out, text.sliced(from));
}

template void AppendEscapedText(QString& out, QStringView text);
template void AppendEscapedText(std::u16string& out, QStringView text);

void AppendFoldedLine(QByteArray& out, QStringView line)
{
    constexpr qsizetype kMaxOctets = 75;
    const qsizetype start = out.size();
    // The encoder writes U+FFFD for a surrogate without its partner where toUtf8() writes '?'.
    if (std::any_of(line.begin(), line.end(), [](QChar c) { return c.isSurrogate(); })) {
        out += line.toUtf8();
    } else {
        QStringEncoder encoder(QStringConverter::Utf8, kStateless);
        // Room for the line end too: most lines need no fold, and end here.
        out.resize(start + encoder.requiredSpace(line.size()) + 2);
        char* end = encoder.appendToBuffer(out.data() + start, line);
        if (end - (out.constData() + start) <= kMaxOctets) {
            *end++ = '\r';
            *end++ = '\n';
            out.truncate(end - out.constData());
            return;
        }
        out.truncate(end - out.constData());
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
