#include "EntryFind.h"

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

} // namespace

QString FoldedText(QStringView text)
{
    const QString normal = text.toString().normalized(QString::NormalizationForm_KC);
    QString out;
    out.reserve(normal.size());
    for (const QChar c : normal) {
        if (c.isSpace()) {
            continue;
        }
        out += IsHiragana(c.unicode()) ? QChar(char16_t(c.unicode() + 0x60)) : c;
    }
    return out.toCaseFolded();
}

QString NumberKey(QStringView text)
{
    const QString normal = text.toString().normalized(QString::NormalizationForm_KC);
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
    const QString normal = typed.normalized(QString::NormalizationForm_KC);
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
