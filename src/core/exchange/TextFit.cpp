#include "TextFit.h"

#include "memorydial/CodePage.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace {

constexpr char16_t kHalfWidthFirst = 0xFF61;
constexpr char16_t kHalfWidthLast = 0xFF9F;
constexpr char16_t kHiraganaFirst = 0x3041;
constexpr char16_t kHiraganaLast = 0x3096;
// Hiragana and katakana lie in parallel rows of the same block.
constexpr char16_t kKatakanaOffset = 0x60;
constexpr char16_t kVoicedMark = 0xFF9E;
constexpr char16_t kSemiVoicedMark = 0xFF9F;

// The block of kana and CJK punctuation, where every character with a half-width form lies.
constexpr char16_t kKanaBlockFirst = 0x3000;
constexpr char16_t kKanaBlockLast = 0x30FF;

// The half-width spelling of a character: one letter, or a letter and its voiced mark.
struct HalfForm
{
    char16_t letter = 0; // 0 when the character has none
    char16_t mark = 0;
};

// Kana-block character → its half-width spelling, derived from NFKC (which goes the other
// way) so that no table is written by hand.
const std::array<HalfForm, kKanaBlockLast - kKanaBlockFirst + 1>& HalfWidthForms()
{
    static const auto forms = [] {
        std::array<HalfForm, kKanaBlockLast - kKanaBlockFirst + 1> table{};
        const auto slot = [&](const QString& full) -> HalfForm* {
            if (full.size() != 1 || full[0].unicode() < kKanaBlockFirst || full[0].unicode() > kKanaBlockLast) {
                return nullptr;
            }
            return &table[full[0].unicode() - kKanaBlockFirst];
        };
        for (char16_t h = kHalfWidthFirst; h <= kHalfWidthLast; ++h) {
            const QString half(QChar{h});
            HalfForm* plain = slot(half.normalized(QString::NormalizationForm_KC));
            if (plain && plain->letter == 0) {
                *plain = {h, 0};
            }
            for (const char16_t mark : {kVoicedMark, kSemiVoicedMark}) {
                const QString pair = half + QChar{mark};
                if (HalfForm* voiced = slot(pair.normalized(QString::NormalizationForm_KC))) {
                    *voiced = {h, mark};
                }
            }
        }
        return table;
    }();
    return forms;
}

bool IsHalfWidthKana(char16_t c)
{
    return c >= kHalfWidthFirst && c <= kHalfWidthLast;
}

// Characters that other encoders produce for glyphs that code page 932 holds under another
// code point (the JIS X 0208 mapping against Microsoft's).
char16_t CodePageEquivalent(char32_t c)
{
    switch (c) {
    case 0x301C: // WAVE DASH
        return 0xFF5E;
    case 0x2016: // DOUBLE VERTICAL LINE
        return 0x2225;
    case 0x2212: // MINUS SIGN
        return 0xFF0D;
    case 0x00A2: // CENT SIGN
        return 0xFFE0;
    case 0x00A3: // POUND SIGN
        return 0xFFE1;
    case 0x00AC: // NOT SIGN
        return 0xFFE2;
    case 0x2014: // EM DASH
        return 0x2015;
    case 0x00A6: // BROKEN BAR
        return 0xFFE4;
    case 0x00A5: // YEN SIGN
        return 0xFFE5;
    case 0x203E: // OVERLINE
        return 0xFFE3;
    case 0x2010: // HYPHEN
    case 0x2011: // NON-BREAKING HYPHEN
    case 0x2013: // EN DASH
        return u'-';
    case 0x00A0: // NO-BREAK SPACE
        return u' ';
    default:
        return 0;
    }
}

// The control characters (category Cc): Unicode keeps them to these two ranges for good, and
// the check runs for every character of every imported cell.
bool IsControl(QChar c)
{
    return c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0);
}

bool IsHarmless(QChar c)
{
    return c != u',' && !IsControl(c);
}

// Separators of the memory-dial file and control characters, made harmless. Most texts have
// none and are shared, not copied.
QString WithoutSeparators(const QString& text)
{
    if (std::all_of(text.begin(), text.end(), IsHarmless)) {
        return TrimmedText(text);
    }
    QString out(text.size(), Qt::Uninitialized);
    QChar* end = out.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            continue;
        }
        if (c == u',') {
            *end++ = QChar{0xFF0C};
        } else if (IsControl(c)) {
            *end++ = u' ';
        } else {
            *end++ = c;
        }
    }
    out.truncate(end - out.constData());
    return std::move(out).trimmed();
}

} // namespace

QString HalfWidthReading(QStringView text)
{
    // The half-width spelling of a kana or the ideographic space; no letter for anything else.
    const auto formOf = [&forms = HalfWidthForms()](char16_t u) -> HalfForm {
        if (u >= kHiraganaFirst && u <= kHiraganaLast) {
            u += kKatakanaOffset;
        }
        if (IsHalfWidthKana(u)) {
            return {u, 0};
        }
        if (u == 0x3000) {
            return {u' ', 0};
        }
        return u >= kKanaBlockFirst && u <= kKanaBlockLast ? forms[u - kKanaBlockFirst] : HalfForm{};
    };
    // A letter takes at most two characters, and NFKC makes at most a few of a character (a
    // square word four); the buffer grows only for the latter.
    QString out(text.size() * 2, Qt::Uninitialized);
    qsizetype used = 0;
    const auto room = [&](qsizetype more) {
        if (used + more > out.size()) {
            out.resize(std::max(out.size() * 2, used + more));
        }
    };
    const auto put = [&](HalfForm form) {
        room(2);
        out[used++] = QChar{form.letter};
        if (form.mark != 0) {
            out[used++] = QChar{form.mark};
        }
    };
    QString other;
    const auto flushOther = [&] {
        if (other.isEmpty()) {
            return;
        }
        // NFKC leaves ASCII as it is. It may turn other characters into kana (the square
        // word ㍃ into マイクロ), and those take their half-width form as well.
        const QString normal = std::all_of(other.cbegin(), other.cend(), [](QChar c) { return c.unicode() < 0x80; })
                                   ? other
                                   : other.normalized(QString::NormalizationForm_KC);
        for (const QChar c : normal) {
            const HalfForm form = formOf(c.unicode());
            if (form.letter != 0) {
                put(form);
            } else {
                room(1);
                out[used++] = c;
            }
        }
        other.resize(0);
    };
    for (const QChar c : text) {
        const HalfForm form = formOf(c.unicode());
        if (form.letter != 0) {
            flushOther();
            put(form);
        } else {
            other += c;
        }
    }
    flushOther();
    out.truncate(used);
    return out;
}

QString FullWidthKatakana(QStringView text)
{
    // NFKC of each half-width letter alone and with each voiced mark, asked once: the same
    // result as normalising every run of half-width katakana, without a normalisation per text.
    struct FullForm
    {
        char16_t alone = 0;
        std::array<char16_t, 2> voiced{}; // with ﾞ and with ﾟ; 0 when they do not combine
    };
    static const auto forms = [] {
        std::array<FullForm, kHalfWidthLast - kHalfWidthFirst + 1> table{};
        for (char16_t h = kHalfWidthFirst; h <= kHalfWidthLast; ++h) {
            FullForm& form = table[h - kHalfWidthFirst];
            const QString half(QChar{h});
            form.alone = half.normalized(QString::NormalizationForm_KC).at(0).unicode();
            for (const char16_t mark : {kVoicedMark, kSemiVoicedMark}) {
                const QString composed = (half + QChar{mark}).normalized(QString::NormalizationForm_KC);
                if (composed.size() == 1) {
                    form.voiced[mark - kVoicedMark] = composed[0].unicode();
                }
            }
        }
        return table;
    }();
    QString out(text.size(), Qt::Uninitialized);
    QChar* end = out.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        if (!IsHalfWidthKana(u)) {
            *end++ = text[i];
            continue;
        }
        const FullForm& form = forms[u - kHalfWidthFirst];
        const char16_t next = i + 1 < text.size() ? text[i + 1].unicode() : 0;
        const char16_t voiced =
            next == kVoicedMark || next == kSemiVoicedMark ? form.voiced[next - kVoicedMark] : char16_t{0};
        if (voiced != 0) {
            *end++ = QChar{voiced};
            ++i;
        } else {
            *end++ = QChar{form.alone};
        }
    }
    out.truncate(end - out.constData());
    return out;
}

bool FitsMemoryDialCell(QStringView text)
{
    return !HasBlankEdge(text) && std::all_of(text.begin(), text.end(), IsHarmless) && CodePage::CanHold(text);
}

FittedText FitMemoryDialCell(const QString& text, CellEdges edges)
{
    if (edges == CellEdges::Kept && HasBlankEdge(text)) {
        qsizetype first = 0;
        while (first < text.size() && IsBlankCharacter(text[first])) {
            ++first;
        }
        qsizetype last = text.size();
        while (last > first && IsBlankCharacter(text[last - 1])) {
            --last;
        }
        const auto holdable = [](QStringView blanks) {
            QString kept;
            std::copy_if(blanks.begin(), blanks.end(), std::back_inserter(kept),
                         [](QChar c) { return c == u' ' || c == QChar{0x3000}; });
            return kept;
        };
        FittedText fitted = FitMemoryDialCell(text.sliced(first, last - first));
        fitted.text = holdable(QStringView(text).first(first)) + fitted.text + holdable(QStringView(text).sliced(last));
        return fitted;
    }
    FittedText fitted;
    if (FitsMemoryDialCell(text)) {
        fitted.text = text;
        return fitted;
    }
    QString clean = WithoutSeparators(text);
    if (CodePage::CanHold(clean)) {
        fitted.text = std::move(clean);
        return fitted;
    }
    // Some address books keep kana decomposed (か followed by a combining voiced mark); the
    // composed letter is what code page 932 holds, where the bare mark would be dropped.
    if (std::any_of(clean.cbegin(), clean.cend(), [](QChar c) { return c.combiningClass() != 0; })) {
        clean = clean.normalized(QString::NormalizationForm_C);
        if (CodePage::CanHold(clean)) {
            fitted.text = std::move(clean);
            return fitted;
        }
    }
    // Each character is kept, replaced by one character, or left out: the text never grows.
    QString out(clean.size(), Qt::Uninitialized);
    QChar* end = out.data();
    qsizetype i = 0;
    while (i < clean.size()) {
        const qsizetype length =
            clean[i].isHighSurrogate() && i + 1 < clean.size() && clean[i + 1].isLowSurrogate() ? 2 : 1;
        const QStringView one = QStringView(clean).sliced(i, length);
        i += length;
        if (CodePage::CanHold(one)) {
            end = std::copy(one.begin(), one.end(), end);
            continue;
        }
        const char32_t code = length == 2 ? QChar::surrogateToUcs4(one[0], one[1]) : one[0].unicode();
        const char16_t equivalent = CodePageEquivalent(code);
        if (equivalent != 0) {
            *end++ = QChar{equivalent};
        } else {
            fitted.dropped += one;
        }
    }
    out.truncate(end - out.constData());
    fitted.text = std::move(out).trimmed();
    return fitted;
}
