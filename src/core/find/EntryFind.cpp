#include "EntryFind.h"

#include <algorithm>
#include <array>

namespace {

// Cells a person looks an entry up by; kind codes, stamps and the like are left out.
constexpr std::array<int, 16> kSearchedCells{
    kColName,           kColReading,        TelNumberCell(1),   TelNumberCell(2),
    TelNumberCell(3),   TelNumberCell(4),   TelNumberCell(5),   MailAddressCell(1),
    MailAddressCell(2), MailAddressCell(3), MailAddressCell(4), MailAddressCell(5),
    kColGroupName,      kColPostalCode,     kColAddress,        kColMemo};

// Keeps cells apart in one folded text, so a query never matches across two of them; it is
// no blank (folding keeps it) and no one types it.
constexpr char16_t kCellBreak = u'\x1f';

bool IsHiragana(char16_t c)
{
    // ぁ to ゖ, and the iteration marks ゝ ゞ, sit exactly 0x60 below their katakana.
    return (c >= u'\x3041' && c <= u'\x3096') || c == u'\x309d' || c == u'\x309e';
}

bool IsTelephonePunctuation(QChar c)
{
    return c.isSpace() || c == u'-' || c == u'+' || c == u'(' || c == u')' || c == u'.' || c == u'\x30fc';
}

// Characters NFKC leaves as they are, whatever stands around them, and that never combine with
// the character before: printable ASCII, hiragana, katakana and the common kanji. Most of a
// memory dial is made of them.
bool IsNfkcStable(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x20 && u <= 0x7e) || (u >= 0x3041 && u <= 0x3096) || (u >= 0x30a1 && u <= 0x30fa) || u == 0x30fc ||
           (u >= 0x4e00 && u <= 0x9fff);
}

// NFKC, with the normalization applied only to the runs that need it: a search folds every
// row on every keystroke, and normalizing whole texts costs most of that time.
QString Nfkc(QStringView text)
{
    const qsizetype size = text.size();
    QString out;
    qsizetype done = 0;
    for (qsizetype i = 0; i < size; ++i) {
        if (IsNfkcStable(text[i])) {
            continue;
        }
        // The run starts with the stable character before it, with which a combining mark
        // may compose, and ends before the next stable character.
        const qsizetype start = std::max(done, i - 1);
        qsizetype end = i + 1;
        while (end < size && !IsNfkcStable(text[end])) {
            ++end;
        }
        out += text.sliced(done, start - done);
        out += text.sliced(start, end - start).toString().normalized(QString::NormalizationForm_KC);
        done = end;
        i = end - 1;
    }
    if (done == 0) {
        return text.toString();
    }
    out += text.sliced(done);
    return out;
}

} // namespace

QString FoldedText(QStringView text)
{
    const QString normal = Nfkc(text);
    QString out(normal.size(), Qt::Uninitialized);
    QChar* next = out.data();
    for (const QChar c : normal) {
        char16_t u = c.unicode();
        if (u < 0x80) {
            // The common case, without a look-up in the character tables.
            if (u == u' ' || (u >= u'\t' && u <= u'\r')) {
                continue;
            }
            *next++ = QChar(u >= u'A' && u <= u'Z' ? char16_t(u + 0x20) : u);
        } else if (!c.isSpace()) {
            *next++ = IsHiragana(u) ? QChar(char16_t(u + 0x60)) : (c.isSurrogate() ? c : c.toCaseFolded());
        }
    }
    out.truncate(next - out.constData());
    return out;
}

QString NumberKey(QStringView text)
{
    const QString normal = Nfkc(text);
    QString digits;
    for (const QChar c : normal) {
        if (c >= u'0' && c <= u'9') {
            digits += c;
        }
    }
    if (normal.trimmed().startsWith(u'+') && digits.startsWith(u"81")) {
        // "+81 (0)3 ..." keeps the trunk zero some people write in brackets.
        const QString national = digits.mid(2);
        return national.startsWith(u'0') ? national : u'0' + national;
    }
    return digits;
}

QString MailKey(QStringView text)
{
    return text.trimmed().toString().toCaseFolded();
}

EntryQuery::EntryQuery(const QString& typed) : m_typed(typed), m_text(FoldedText(typed))
{
    const QString normal = Nfkc(typed);
    bool numeric = false;
    for (const QChar c : normal) {
        if (c >= u'0' && c <= u'9') {
            numeric = true;
        } else if (!IsTelephonePunctuation(c)) {
            return;
        }
    }
    if (numeric) {
        m_number = NumberKey(normal);
    }
}

bool EntryQuery::Matches(const Entry& entry) const
{
    if (IsEmpty()) {
        return true;
    }
    if (!m_number.isEmpty()) {
        for (int slot = 1; slot <= kSlotCount; ++slot) {
            if (NumberKey(entry[TelNumberCell(slot)]).contains(m_number)) {
                return true;
            }
        }
    }
    // One fold of all cells together costs a fraction of one fold per cell.
    QString joined;
    for (const int cell : kSearchedCells) {
        joined += entry[cell];
        joined += kCellBreak;
    }
    return FoldedText(joined).contains(m_text);
}
