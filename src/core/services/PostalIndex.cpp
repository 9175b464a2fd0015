#include "services/PostalIndex.h"

#include "Interaction.h"

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

// Parts the kept fields in the text that goes through the decoder. A field never holds a line
// feed (a line end ends the record), and the decoder never takes an ASCII byte as the second
// half of a character, so each line feed of the decoded text ends exactly one field.
constexpr char kSeparator = '\n';

// The bytes that end a field or a line or change the quoting: one look-up instead of four tests
// for each of the other bytes, which are nearly all of the file.
constexpr auto kSpecialByte = [] {
    std::array<bool, 256> special{};
    for (const unsigned char c : {'\r', '\n', ',', '"'}) {
        special[c] = true;
    }
    return special;
}();

constexpr int kRepeatedPrefecture = 1;
constexpr int kRepeatedCity = 2;

// A field as it stands in the line, quotes included.
struct RawField
{
    QByteArrayView bytes;
    qsizetype quotes = 0;
};

// The plain forms, a bare value and one quoted value, need no copy.
std::optional<QByteArrayView> PlainBytes(RawField field)
{
    if (field.quotes == 0) {
        return field.bytes;
    }
    if (field.quotes == 2 && field.bytes.size() >= 2 && field.bytes.front() == '"' && field.bytes.back() == '"') {
        return field.bytes.sliced(1, field.bytes.size() - 2);
    }
    return std::nullopt;
}

// Appends the field with its quoting undone. A quote opens or closes a quoted stretch anywhere in
// the field; inside one, a doubled quote stands for a quote character.
void AppendUnquoted(RawField field, QByteArray& out)
{
    if (const auto plain = PlainBytes(field)) {
        out.append(*plain);
        return;
    }
    const QByteArrayView raw = field.bytes;
    bool inQuotes = false;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] != '"') {
            out.append(raw[i]);
        } else if (inQuotes && i + 1 < raw.size() && raw[i + 1] == '"') {
            out.append('"');
            ++i;
        } else {
            inQuotes = !inQuotes;
        }
    }
}

struct KeptSpan
{
    qsizetype offset = 0;
    qsizetype length = 0;
};

void AppendKept(RawField field, QByteArray& kept)
{
    AppendUnquoted(field, kept);
    kept.append(kSeparator);
}

// Appends a field unless it repeats `previous`; true when it was appended.
bool AppendKeptUnlessRepeated(RawField field, KeptSpan& previous, QByteArray& kept)
{
    const QByteArrayView before = QByteArrayView(kept).sliced(previous.offset, previous.length);
    if (const auto plain = PlainBytes(field); plain && *plain == before) {
        return false;
    }
    const qsizetype offset = kept.size();
    AppendUnquoted(field, kept);
    if (QByteArrayView(kept).sliced(offset) == QByteArrayView(kept).sliced(previous.offset, previous.length)) {
        kept.truncate(offset);
        return false;
    }
    previous = KeptSpan{offset, kept.size() - offset};
    kept.append(kSeparator);
    return true;
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

bool PostalIndex::LoadFromBytes(const QByteArray& csv)
{
    Clear();
    if (csv.size() >= kMaxBytes) {
        return false;
    }
    // The kept fields go to the decoder in one call: per-field calls would cost more than the
    // decoding, and decoding the whole line would spend most of the time on discarded fields.
    // They never outgrow the file (a line of 9 fields has 8 commas for the 4 separators).
    QByteArray kept;
    kept.reserve(csv.size());
    // One byte per record: which of prefecture and city repeat the previous record's.
    QByteArray repeats;
    KeptSpan previousPrefecture;
    KeptSpan previousCity;
    qsizetype fieldsKept = 0;

    const char* p = csv.constData();
    const char* const end = p + csv.size();
    std::array<RawField, kNeededFields> fields;
    while (p < end) {
        qsizetype fieldCount = 0;
        const char* fieldStart = p;
        qsizetype quotes = 0;
        bool inQuotes = false;
        for (; fieldCount < kNeededFields; ++p) {
            if (p != end && !kSpecialByte[static_cast<unsigned char>(*p)]) {
                continue;
            }
            const bool lineEnd = p == end || *p == '\r' || *p == '\n';
            if (lineEnd || (*p == ',' && !inQuotes)) {
                fields[fieldCount++] = RawField{QByteArrayView(fieldStart, p), quotes};
                if (lineEnd) {
                    break;
                }
                fieldStart = p + 1;
                quotes = 0;
            } else if (*p == '"') {
                inQuotes = !inQuotes;
                ++quotes;
            }
        }
        while (p < end && *p != '\r' && *p != '\n') {
            ++p;
        }
        if (p < end && *p == '\r') {
            ++p;
        }
        if (p < end && *p == '\n') {
            ++p;
        }
        if (fieldCount < kNeededFields) {
            continue;
        }
        AppendKept(fields[kCodeField], kept);
        const bool newPrefecture = AppendKeptUnlessRepeated(fields[kPrefectureField], previousPrefecture, kept);
        const bool newCity = AppendKeptUnlessRepeated(fields[kCityField], previousCity, kept);
        AppendKept(fields[kTownField], kept);
        fieldsKept += 2 + (newPrefecture ? 1 : 0) + (newCity ? 1 : 0);
        repeats.append(static_cast<char>((newPrefecture ? 0 : kRepeatedPrefecture) | (newCity ? 0 : kRepeatedCity)));
    }
    DecodeKept(kept, fieldsKept, repeats);
    return true;
}

void PostalIndex::DecodeKept(const QByteArray& kept, qsizetype fieldsKept, const QByteArray& repeats)
{
    QStringDecoder decoder("Shift_JIS", QStringConverter::Flag::Stateless);
    m_pool = decoder.decode(kept);
    if (m_pool.count(QChar(u'\n')) != fieldsKept) {
        // Should a decoder ever take a separator into a character, decoding field by field
        // keeps every record its own text.
        m_pool.clear();
        for (qsizetype start = 0; start < kept.size();) {
            const qsizetype separator = kept.indexOf(kSeparator, start);
            m_pool.append(decoder.decode(QByteArrayView(kept).sliced(start, separator - start)));
            m_pool.append(u'\n');
            start = separator + 1;
        }
    }
    m_pool.squeeze();

    qsizetype position = 0;
    const auto next = [this, &position]() {
        const qsizetype separator = m_pool.indexOf(u'\n', position);
        const qsizetype stop = separator < 0 ? m_pool.size() : separator;
        const Span span{static_cast<quint32>(position), static_cast<quint32>(stop - position)};
        position = separator < 0 ? m_pool.size() : separator + 1;
        return span;
    };
    m_records.resize(repeats.size());
    Record previous;
    for (qsizetype i = 0; i < repeats.size(); ++i) {
        Record& record = m_records[i];
        record.code = next();
        record.prefecture = (repeats[i] & kRepeatedPrefecture) != 0 ? previous.prefecture : next();
        record.city = (repeats[i] & kRepeatedCity) != 0 ? previous.city : next();
        record.town = next();
        previous = record;
    }
}

std::optional<QString> LoadPostalIndex(PostalIndex& index, const QString& path)
{
    index.Clear();
    const QFileInfo info(path);
    if (!info.exists() || info.isDir()) {
        return kPostalMissingText;
    }
    QFile file(path);
    if (info.size() >= PostalIndex::kMaxBytes || !file.open(QIODevice::ReadOnly)) {
        return kPostalUnreadableText;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError || !index.LoadFromBytes(bytes)) {
        index.Clear();
        return kPostalUnreadableText;
    }
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
