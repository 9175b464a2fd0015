#include "CodePage.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QVarLengthArray>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdint>
#include <cstring>
#include <functional>

namespace {

// Stateless: a two-byte character cut off at the end counts as an error instead of being
// kept back for a next chunk that never comes.
constexpr auto kFlags = QStringConverter::Flag::Stateless;

// Most of a memory dial is ASCII (property names, numbers, mail addresses), and the converter
// costs tens of instructions a character. Bytes and characters below 0x80 that it maps to each
// other both ways are copied directly; everything else still goes through the converter.
// The set is asked of the converter once rather than assumed: the IBM table behind
// "Shift_JIS" swaps the control codes 0x1A, 0x1C and 0x7F.
struct AsciiMap
{
    std::array<bool, 0x100> same{}; // by byte or character; false from 0x80 on
    bool printableSame = false;     // true when all of 0x20-0x7E are self-mapped
};

const AsciiMap& SelfMappedAscii()
{
    static const AsciiMap map = [] {
        AsciiMap ascii;
        QStringDecoder decoder("Shift_JIS", kFlags);
        QStringEncoder encoder("Shift_JIS", kFlags);
        if (!decoder.isValid() || !encoder.isValid()) {
            return ascii;
        }
        // NUL stays out: a NUL byte is refused.
        for (char16_t c = 1; c < 0x80; ++c) {
            const char byte = static_cast<char>(c);
            const QChar character(c);
            decoder.resetState();
            encoder.resetState();
            const QString text = decoder.decode(QByteArrayView(&byte, 1));
            const QByteArray bytes = encoder.encode(QStringView(&character, 1));
            ascii.same[c] = !decoder.hasError() && !encoder.hasError() && text == QStringView(&character, 1) &&
                            bytes == QByteArrayView(&byte, 1);
        }
        ascii.printableSame = std::all_of(ascii.same.begin() + 0x20, ascii.same.begin() + 0x7F, std::identity());
        return ascii;
    }();
    return map;
}

bool IsSelfMapped(const AsciiMap& map, char16_t c)
{
    return c < 0x80 && map.same[c];
}

// Whether the eight bytes of `word` are all printable ASCII (0x20-0x7E). Each test adds within
// a byte below 0x80, so no carry crosses into the next byte.
bool AllPrintableBytes(std::uint64_t word)
{
    constexpr std::uint64_t kTop = 0x8080808080808080;
    return (word & kTop) == 0 && ((word + 0x6060606060606060) & kTop) == kTop &&
           ((word + 0x0101010101010101) & kTop) == 0;
}

// The same for four UTF-16 characters.
bool AllPrintableChars(std::uint64_t word)
{
    constexpr std::uint64_t kTop = 0x0080008000800080;
    return (word & 0xff80ff80ff80ff80) == 0 && ((word + 0x0060006000600060) & kTop) == kTop &&
           ((word + 0x0001000100010001) & kTop) == 0;
}

// Grows `buffer` so that `room` more units fit after the first `used`.
template <typename Buffer> void EnsureRoom(Buffer& buffer, qsizetype used, qsizetype room)
{
    if (used + room > buffer.size()) {
        buffer.resize(used + room);
    }
}

bool ReadsBackAs(QStringDecoder& decoder, QByteArrayView bytes, QStringView text)
{
    if (bytes.contains('\0')) {
        return false;
    }
    QVarLengthArray<QChar, 256> back(decoder.requiredSpace(bytes.size()));
    const QChar* end = decoder.appendToBuffer(back.data(), bytes);
    return !decoder.hasError() && QStringView(back.constData(), end) == text;
}

// The bytes of `text`, with each run of characters the converter handles checked to read back
// unchanged when `exact` is set. A run ends before a self-mapped character, which is never half
// of a surrogate pair, and its bytes are whole characters; so checking run by run gives the
// same answer as decoding the whole result.
std::optional<QByteArray> EncodeRuns(QStringView text, bool exact)
{
    QStringEncoder encoder("Shift_JIS", kFlags);
    QStringDecoder decoder("Shift_JIS", kFlags);
    if (!encoder.isValid() || !decoder.isValid()) {
        return std::nullopt;
    }
    const AsciiMap& ascii = SelfMappedAscii();
    QByteArray bytes(encoder.requiredSpace(text.size()), Qt::Uninitialized);
    char* out = bytes.data();
    const qsizetype size = text.size();
    qsizetype i = 0;
    while (i < size) {
        if (ascii.printableSame && i + 4 <= size) {
            // Copied through a local block, which cannot alias the output, so the loop vectorises.
            char16_t block[4];
            std::memcpy(block, text.data() + i, sizeof block);
            std::uint64_t word;
            std::memcpy(&word, block, sizeof word);
            if (AllPrintableChars(word)) {
                for (std::size_t k = 0; k < 4; ++k) {
                    out[k] = static_cast<char>(block[k]);
                }
                out += 4;
                i += 4;
                continue;
            }
        }
        const char16_t c = text[i].unicode();
        if (IsSelfMapped(ascii, c)) {
            *out++ = static_cast<char>(c);
            ++i;
            continue;
        }
        qsizetype end = i + 1;
        while (end < size && !IsSelfMapped(ascii, text[end].unicode())) {
            ++end;
        }
        const QStringView run = text.sliced(i, end - i);
        const qsizetype used = out - bytes.constData();
        EnsureRoom(bytes, used, encoder.requiredSpace(run.size()));
        char* const runStart = bytes.data() + used;
        out = encoder.appendToBuffer(runStart, run);
        if (encoder.hasError() || (exact && !ReadsBackAs(decoder, QByteArrayView(runStart, out), run))) {
            return std::nullopt;
        }
        i = end;
    }
    bytes.truncate(out - bytes.constData());
    return bytes;
}

// Whether one character of the basic plane (not a surrogate) survives encoding and decoding.
// Each character has its own code, with no shift state between them, and each code read alone
// gives its character back; so a text without surrogates holds exactly when each of its
// characters does. Cells are checked again and again while an import or a save runs, so the
// converter is asked once per character and its answer kept. Threads that ask at the same time
// both compute the same answer.
enum class Held : std::uint8_t
{
    Unknown,
    Yes,
    No,
};

std::array<std::atomic<Held>, 0x10000> g_held{};

// The converter's answer for a character not asked about before; kept out of line so that
// the look-up below stays small enough to be inlined into every loop over a text.
Q_NEVER_INLINE Held LearnCharacter(QChar c)
{
    const Held held = EncodeRuns(QStringView(&c, 1), true).has_value() ? Held::Yes : Held::No;
    g_held[c.unicode()].store(held, std::memory_order_relaxed);
    return held;
}

bool HoldsCharacter(QChar c)
{
    Held held = g_held[c.unicode()].load(std::memory_order_relaxed);
    if (held == Held::Unknown) [[unlikely]] {
        held = LearnCharacter(c);
    }
    return held == Held::Yes;
}

} // namespace

bool CodePage::IsAvailable()
{
    return QStringDecoder("Shift_JIS", kFlags).isValid() && QStringEncoder("Shift_JIS", kFlags).isValid();
}

std::optional<QString> CodePage::Decode(QByteArrayView bytes)
{
    // The decoder passes NUL through silently, and a NUL has no place in a text file.
    if (bytes.contains('\0')) {
        return std::nullopt;
    }
    QStringDecoder decoder("Shift_JIS", kFlags);
    if (!decoder.isValid()) {
        return std::nullopt;
    }
    const AsciiMap& ascii = SelfMappedAscii();
    QString text(decoder.requiredSpace(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    const auto* data = reinterpret_cast<const uchar*>(bytes.data());
    const qsizetype size = bytes.size();
    qsizetype i = 0;
    while (i < size) {
        if (ascii.printableSame && i + 8 <= size) {
            // Copied through a local block, which cannot alias the output, so the loop vectorises.
            unsigned char block[8];
            std::memcpy(block, data + i, sizeof block);
            std::uint64_t word;
            std::memcpy(&word, block, sizeof word);
            if (AllPrintableBytes(word)) {
                for (std::size_t k = 0; k < 8; ++k) {
                    out[k] = QChar(static_cast<char16_t>(block[k]));
                }
                out += 8;
                i += 8;
                continue;
            }
        }
        if (ascii.same[data[i]]) {
            *out++ = QChar(static_cast<char16_t>(data[i]));
            ++i;
            continue;
        }
        // A byte below 0x40 is never the second byte of a character, so a run that stops
        // before a self-mapped one hands the converter whole characters only (or an
        // incomplete one that is an error either way).
        qsizetype end = i + 1;
        while (end < size && !(data[end] < 0x40 && IsSelfMapped(ascii, data[end]))) {
            ++end;
        }
        const QByteArrayView run = bytes.sliced(i, end - i);
        const qsizetype used = out - text.constData();
        EnsureRoom(text, used, decoder.requiredSpace(run.size()));
        out = decoder.appendToBuffer(text.data() + used, run);
        i = end;
    }
    if (decoder.hasError()) {
        return std::nullopt;
    }
    text.truncate(out - text.constData());
    return text;
}

std::optional<QByteArray> CodePage::Encode(QStringView text)
{
    return EncodeRuns(text, false);
}

std::optional<QByteArray> CodePage::EncodeExact(QStringView text)
{
    return EncodeRuns(text, true);
}

CodePage::Utf8Form CodePage::AsUtf8(QByteArrayView bytes)
{
    const auto* data = reinterpret_cast<const uchar*>(bytes.data());
    const qsizetype size = bytes.size();
    if (size >= 3 && data[0] == 0xEF && data[1] == 0xBB && data[2] == 0xBF) {
        return Utf8Form::Wide;
    }
    // Index just past a line fold at `i` (CR LF or LF, then a space or tab), or `i`.
    const auto skipFold = [&](qsizetype i) {
        qsizetype at = i;
        if (at < size && data[at] == '\r') {
            ++at;
        }
        if (at < size && data[at] == '\n' && at + 1 < size && (data[at + 1] == ' ' || data[at + 1] == '\t')) {
            return at + 2;
        }
        return i;
    };
    Utf8Form form = Utf8Form::None;
    qsizetype i = 0;
    while (i < size) {
        const uchar lead = data[i];
        if (lead < 0x80) {
            ++i;
            continue;
        }
        // The continuation count and the range of the first continuation byte, which rules
        // out overlong forms, surrogates and code points above U+10FFFF.
        int more = 0;
        uchar low = 0x80;
        uchar high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            more = 1;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            more = 2;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            more = 3;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return Utf8Form::None;
        }
        ++i;
        for (int k = 0; k < more; ++k) {
            i = skipFold(i);
            if (i >= size || data[i] < low || data[i] > high) {
                return Utf8Form::None;
            }
            low = 0x80;
            high = 0xBF;
            ++i;
        }
        form = std::max(form, more == 1 ? Utf8Form::TwoByte : Utf8Form::Wide);
    }
    return form;
}

CodePage::FileCharset CodePage::MemoryDialCharset(QByteArrayView bytes, QString* text)
{
    // UTF-8 must be told apart before decoding: code page 932 accepts most byte pairs, and a
    // third or more of UTF-8 names decode into well-formed nonsense. Japanese text takes three
    // bytes a character in UTF-8. Code page 932 text is valid UTF-8 only by coincidence: every
    // hiragana, katakana, full-width sign and first-level kanji has a first byte of 0x81-0x9F,
    // which UTF-8 allows only inside a character, so a name in kanji or kana fails at once
    // unless that byte follows a UTF-8 lead byte (a half-width ﾂ-ﾟ, or a second-level kanji
    // 0xE0-0xEA whose second byte happens to be 0x80-0xBF), its own second byte then starts a
    // valid character again, and so on through every character of the file. Half-width katakana
    // alone fit far more easily: a pair of ﾂ-ﾟ and ｡-ｿ such as "ﾏｷ" or "ﾕｲ" is a two-byte UTF-8
    // character, and a small address book of such names would be taken for UTF-8, even one this
    // program saved. So UTF-8 whose characters all take two bytes (accented Latin, Greek,
    // Cyrillic: no Japanese) is code page 932 when it decodes as such.
    const Utf8Form utf8 = AsUtf8(bytes);
    if (utf8 == Utf8Form::Wide) {
        return FileCharset::Utf8;
    }
    bool decodes = true;
    if (text) {
        std::optional<QString> decoded = Decode(bytes);
        decodes = decoded.has_value();
        if (decoded) {
            *text = std::move(*decoded);
        }
    } else {
        // A line feed is never part of a two-byte character, so pieces that end after one
        // decode exactly when the whole does.
        constexpr qsizetype kPiece = 64 * 1024;
        for (qsizetype at = 0; at < bytes.size() && decodes;) {
            const qsizetype lineFeed = at + kPiece < bytes.size() ? bytes.indexOf('\n', at + kPiece) : -1;
            const qsizetype end = lineFeed < 0 ? bytes.size() : lineFeed + 1;
            decodes = Decode(bytes.sliced(at, end - at)).has_value();
            at = end;
        }
    }
    if (decodes) {
        return FileCharset::CodePage932;
    }
    return utf8 == Utf8Form::TwoByte ? FileCharset::Utf8 : FileCharset::Neither;
}

bool CodePage::CanHold(QStringView text)
{
    // Some characters encode without an error to a code that reads back as another character;
    // such a save would change the data silently.
    static const bool available = IsAvailable();
    if (!available) {
        return false;
    }
    if (std::any_of(text.begin(), text.end(), [](QChar c) { return c.isSurrogate(); })) {
        return EncodeExact(text).has_value();
    }
    return std::all_of(text.begin(), text.end(), [](QChar c) { return HoldsCharacter(c); });
}
