#include "services/PostalIndex.h"

#include "app/Interaction.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <array>

namespace {

// Positions (from 0) of the kept fields in a KEN_ALL line.
constexpr qsizetype kCodeField = 2;
constexpr qsizetype kPrefectureField = 6;
constexpr qsizetype kCityField = 7;
constexpr qsizetype kTownField = 8;
constexpr qsizetype kNeededFields = 9;

constexpr char16_t kQuote = u'"';

// The field's text with its quoting undone. A quote opens or closes a quoted stretch anywhere in
// the field; inside one, a doubled quote stands for a quote character.
void AppendUnquoted(QStringView raw, QString& out)
{
    bool inQuotes = false;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const char16_t c = raw[i].unicode();
        if (c != kQuote) {
            out.append(raw[i]);
        } else if (inQuotes && i + 1 < raw.size() && raw[i + 1] == kQuote) {
            out.append(QChar(kQuote));
            ++i;
        } else {
            inQuotes = !inQuotes;
        }
    }
}

// The plain forms, a bare value and one quoted value, need no copy to be compared.
std::optional<QStringView> PlainText(QStringView raw, qsizetype quotes)
{
    if (quotes == 0) {
        return raw;
    }
    if (quotes == 2 && raw.size() >= 2 && raw.front() == kQuote && raw.back() == kQuote) {
        return raw.sliced(1, raw.size() - 2);
    }
    return std::nullopt;
}

} // namespace

QString PostalIndex::code(qsizetype i) const
{
    return View(m_records.at(i).code).toString();
}

QString PostalIndex::prefecture(qsizetype i) const
{
    return View(m_records.at(i).prefecture).toString();
}

QString PostalIndex::city(qsizetype i) const
{
    return View(m_records.at(i).city).toString();
}

QString PostalIndex::town(qsizetype i) const
{
    return View(m_records.at(i).town).toString();
}

qsizetype PostalIndex::FindFirst(QStringView code) const
{
    // File order decides which of several records with one code wins, so the scan stays linear.
    for (qsizetype i = 0; i < m_records.size(); ++i) {
        if (View(m_records[i].code) == code) {
            return i;
        }
    }
    return -1;
}

void PostalIndex::Clear()
{
    m_pool = QString();
    m_records = QList<Record>();
}

PostalIndex::Span PostalIndex::Append(RawField field)
{
    const Span span{m_pool.size(), 0};
    if (const auto plain = PlainText(field.text, field.quotes)) {
        m_pool.append(*plain);
    } else {
        AppendUnquoted(field.text, m_pool);
    }
    return Span{span.offset, m_pool.size() - span.offset};
}

PostalIndex::Span PostalIndex::AppendShared(RawField field, Span previous)
{
    if (const auto plain = PlainText(field.text, field.quotes)) {
        if (*plain == View(previous)) {
            return previous;
        }
        const Span span{m_pool.size(), plain->size()};
        m_pool.append(*plain);
        return span;
    }
    const Span span = Append(field);
    if (View(span) == View(previous)) {
        m_pool.truncate(span.offset);
        return previous;
    }
    return span;
}

void PostalIndex::LoadFromBytes(const QByteArray& csv)
{
    Clear();
    // One decoder call for the whole file: per-field calls would cost more than the decoding.
    QStringDecoder decoder("Shift_JIS", QStringConverter::Flag::Stateless);
    const QString text = decoder.decode(csv);

    // The kept fields are about a third of the text; most lines are near 70 characters.
    m_pool.reserve(text.size() / 3);
    m_records.reserve(text.size() / 64 + 1);

    const char16_t* p = reinterpret_cast<const char16_t*>(text.constData());
    const char16_t* const end = p + text.size();
    std::array<RawField, kNeededFields> fields;
    Record previous;
    while (p < end) {
        qsizetype fieldCount = 0;
        const char16_t* fieldStart = p;
        qsizetype quotes = 0;
        bool inQuotes = false;
        for (;; ++p) {
            const bool lineEnd = p == end || *p == u'\r' || *p == u'\n';
            if (lineEnd || (*p == u',' && !inQuotes)) {
                if (fieldCount < kNeededFields) {
                    fields[fieldCount] = RawField{QStringView(fieldStart, p), quotes};
                }
                ++fieldCount;
                if (lineEnd) {
                    break;
                }
                fieldStart = p + 1;
                quotes = 0;
            } else if (*p == kQuote) {
                inQuotes = !inQuotes;
                ++quotes;
            }
        }
        if (p < end && *p == u'\r') {
            ++p;
        }
        if (p < end && *p == u'\n') {
            ++p;
        }
        if (fieldCount < kNeededFields) {
            continue;
        }
        Record record;
        record.code = Append(fields[kCodeField]);
        record.prefecture = AppendShared(fields[kPrefectureField], previous.prefecture);
        record.city = AppendShared(fields[kCityField], previous.city);
        record.town = Append(fields[kTownField]);
        m_records.append(record);
        previous = record;
    }
    m_pool.squeeze();
    m_records.squeeze();
}

QString PostalSlotPath(const QString& folder, const QString& fileName)
{
    return folder + u'/' + fileName;
}

std::optional<QString> LoadPostalIndex(PostalIndex& index, const QString& path)
{
    index.Clear();
    const QFileInfo info(path);
    if (!info.exists() || info.isDir()) {
        return kPostalMissingText;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return kPostalUnreadableText;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return kPostalUnreadableText;
    }
    index.LoadFromBytes(bytes);
    return std::nullopt;
}

bool LoadPostalIndexOrWarn(PostalIndex& index, const QString& path, Interaction& interaction)
{
    const std::optional<QString> failure = LoadPostalIndex(index, path);
    if (failure) {
        interaction.Tell(*failure, kPostalMissingTitle, MessageIcon::Warning);
        return false;
    }
    return true;
}

QString ShowAddressForPostalCode(const PostalIndex& index, const QString& code)
{
    const qsizetype found = code.isEmpty() ? -1 : index.FindFirst(code);
    if (found < 0) {
        return kAddressNotFoundText;
    }
    return index.prefecture(found) + index.city(found) + index.town(found);
}
