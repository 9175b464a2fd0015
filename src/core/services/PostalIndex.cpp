#include "services/PostalIndex.h"

#include "Interaction.h"
#include "files/SafeFileRead.h"

#include <QBuffer>
#include <QFile>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <cstring>

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

// Fewer bytes than this cannot hold the nine fields a record needs with the texts of a real line.
constexpr qint64 kFewestLineBytes = 40;

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

// Writes the field with its quoting undone at `out` and returns the end of what it wrote. A quote
// opens or closes a quoted stretch anywhere in the field; inside one, a doubled quote stands for a
// quote character.
char* WriteUnquoted(RawField field, char* out)
{
    if (const auto plain = PlainBytes(field)) {
        return std::copy(plain->begin(), plain->end(), out);
    }
    const QByteArrayView raw = field.bytes;
    bool inQuotes = false;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] != '"') {
            *out++ = raw[i];
        } else if (inQuotes && i + 1 < raw.size() && raw[i + 1] == '"') {
            *out++ = '"';
            ++i;
        } else {
            inQuotes = !inQuotes;
        }
    }
    return out;
}

struct KeptSpan
{
    qsizetype offset = 0;
    qsizetype length = 0;
};

// One past the last line end of `bytes`, or 0 when it holds none.
qsizetype CompleteLinesEnd(QByteArrayView bytes)
{
    for (qsizetype i = bytes.size(); i > 0; --i) {
        if (bytes[i - 1] == '\r' || bytes[i - 1] == '\n') {
            return i;
        }
    }
    return 0;
}

bool IsPrefectureName(QStringView name)
{
    if (name.isEmpty()) {
        return false;
    }
    const QChar last = name.back();
    return last == u'都' || last == u'道' || last == u'府' || last == u'県';
}

} // namespace

// Builds the table from the lines of a text, handed over in pieces of whole lines.
class PostalIndex::Builder
{
public:
    explicit Builder(PostalIndex& index) : m_index(index) { m_index.Clear(); }

    // Makes room for the table of a text of `textBytes` at once, so the record list and the pool
    // are not copied as they grow (nor once more to trim them). The room is generous on purpose:
    // pages never written are never made resident, so what is left unused costs address space
    // only. A text that needs more still gets it, by growing.
    void Reserve(qint64 textBytes);

    // Adds the records of the lines. Only the last piece of a text may end without a line end; a
    // CR LF cut between two pieces makes an empty line, which holds no record.
    void AddLines(QByteArrayView lines);
    // False, with the table emptied, when the records are mostly not postal records.
    [[nodiscard]] bool Finish();

private:
    // Writes the kept fields of the lines to m_kept, each ended by a separator, and a byte per
    // record to m_repeats telling which fields repeat the previous record's and were not kept
    // again. Returns the number of fields kept.
    qsizetype Split(QByteArrayView lines);
    // Appends the decoded kept fields to the pool.
    void Decode(qsizetype fieldsKept);
    // Adds the records over the pool from `position` on.
    void AddRecords(qsizetype position);

    PostalIndex& m_index;
    QStringDecoder m_decoder{"Shift_JIS", QStringConverter::Flag::Stateless};
    // Reused from piece to piece, so the kept bytes of the file never take fresh memory again.
    QByteArray m_kept;
    QByteArray m_repeats;
    qsizetype m_otherRecords = 0;
};

void PostalIndex::Builder::Reserve(qint64 textBytes)
{
    // A KEN_ALL line takes some 100 bytes, hardly ever fewer than 40; its kept fields decode to
    // about a fifth as many characters as it has bytes.
    m_index.m_records.reserve(static_cast<qsizetype>(textBytes / kFewestLineBytes + 1));
    m_index.m_pool.reserve(static_cast<qsizetype>(textBytes / 4 + kPieceBytes));
}

void PostalIndex::Builder::AddLines(QByteArrayView lines)
{
    const qsizetype position = m_index.m_pool.size();
    Decode(Split(lines));
    AddRecords(position);
}

qsizetype PostalIndex::Builder::Split(QByteArrayView lines)
{
    // The kept fields never outgrow their lines (a line of 9 fields has 8 commas for the 4
    // separators).
    m_kept.resize(lines.size());
    char* const kept = m_kept.data();
    char* out = kept;
    m_repeats.resize(0);
    qsizetype fieldsKept = 0;

    const auto keep = [&out](RawField field) {
        out = WriteUnquoted(field, out);
        *out++ = kSeparator;
    };
    // Keeps a field unless it repeats `previous`; true when it was kept.
    const auto keepUnlessRepeated = [kept, &out](RawField field, KeptSpan& previous) {
        const QByteArrayView before(kept + previous.offset, previous.length);
        if (const auto plain = PlainBytes(field); plain && *plain == before) {
            return false;
        }
        char* const start = out;
        out = WriteUnquoted(field, out);
        if (QByteArrayView(start, out) == before) {
            out = start;
            return false;
        }
        previous = KeptSpan{start - kept, out - start};
        *out++ = kSeparator;
        return true;
    };
    KeptSpan previousPrefecture;
    KeptSpan previousCity;

    const char* p = lines.data();
    const char* const end = p + lines.size();
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
        keep(fields[kCodeField]);
        const bool newPrefecture = keepUnlessRepeated(fields[kPrefectureField], previousPrefecture);
        const bool newCity = keepUnlessRepeated(fields[kCityField], previousCity);
        keep(fields[kTownField]);
        fieldsKept += 2 + (newPrefecture ? 1 : 0) + (newCity ? 1 : 0);
        m_repeats.append(static_cast<char>((newPrefecture ? 0 : kRepeatedPrefecture) | (newCity ? 0 : kRepeatedCity)));
    }
    m_kept.resize(out - kept);
    return fieldsKept;
}

void PostalIndex::Builder::Decode(qsizetype fieldsKept)
{
    // The kept fields of a piece go to the decoder in one call: per-field calls would cost more
    // than the decoding. It writes straight into the pool, which grows in place.
    QString& pool = m_index.m_pool;
    const qsizetype start = pool.size();
    pool.resize(start + m_decoder.requiredSpace(m_kept.size()));
    const QChar* end = m_decoder.appendToBuffer(pool.data() + start, m_kept);
    if (QStringView(pool.constData() + start, end).count(QChar(u'\n')) != fieldsKept) {
        // Should a decoder ever take a separator into a character, decoding field by field
        // keeps every record its own text.
        pool.resize(start);
        for (qsizetype from = 0; from < m_kept.size();) {
            const qsizetype separator = m_kept.indexOf(kSeparator, from);
            const QByteArrayView field = QByteArrayView(m_kept).sliced(from, separator - from);
            const qsizetype at = pool.size();
            pool.resize(at + m_decoder.requiredSpace(field.size()) + 1);
            QChar* fieldEnd = m_decoder.appendToBuffer(pool.data() + at, field);
            *fieldEnd++ = u'\n';
            pool.resize(fieldEnd - pool.constData());
            from = separator + 1;
        }
        return;
    }
    pool.resize(end - pool.constData());
}

void PostalIndex::Builder::AddRecords(qsizetype position)
{
    const QString& pool = m_index.m_pool;
    const auto next = [&pool, &position]() {
        const qsizetype separator = pool.indexOf(u'\n', position);
        const qsizetype stop = separator < 0 ? pool.size() : separator;
        const Span span{static_cast<quint32>(position), static_cast<quint32>(stop - position)};
        position = separator < 0 ? pool.size() : separator + 1;
        return span;
    };
    Record previous;
    for (const char repeats : std::as_const(m_repeats)) {
        Record record;
        record.code = next();
        record.prefecture = (repeats & kRepeatedPrefecture) != 0 ? previous.prefecture : next();
        record.city = (repeats & kRepeatedCity) != 0 ? previous.city : next();
        record.town = next();
        previous = record;
        if (IsPrefectureName(m_index.View(record.prefecture))) {
            m_index.m_records.append(record);
        } else {
            ++m_otherRecords;
        }
    }
}

bool PostalIndex::Builder::Finish()
{
    if (m_otherRecords > m_index.m_records.size()) {
        m_index.Clear();
        return false;
    }
    return true;
}

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
    QBuffer buffer;
    buffer.setData(csv);
    return buffer.open(QIODevice::ReadOnly) && LoadFromDevice(buffer);
}

bool PostalIndex::LoadFromDevice(QIODevice& device, qint64 maxBytes, qsizetype pieceBytes)
{
    Builder builder(*this);
    if (!device.isSequential()) {
        builder.Reserve(std::min(device.size(), maxBytes));
    }
    // Whole lines go to the builder; the unfinished line at the end of a piece waits at the
    // front of the buffer for the rest of it.
    QByteArray buffer;
    qsizetype held = 0;
    qint64 total = 0;
    for (;;) {
        // One byte past the bound tells a file too large, even one that grew since it was sized;
        // a small file takes no larger buffer than it needs.
        qint64 wanted = std::min<qint64>(pieceBytes, maxBytes + 1 - total);
        if (!device.isSequential()) {
            wanted = std::min(wanted, device.bytesAvailable() + 1);
        }
        buffer.resize(held + wanted);
        const qint64 got = device.read(buffer.data() + held, wanted);
        total += std::max<qint64>(got, 0);
        if (got < 0 || total > maxBytes) {
            Clear();
            return false;
        }
        if (got == 0) {
            builder.AddLines(QByteArrayView(buffer.constData(), held));
            return builder.Finish();
        }
        const qsizetype filled = held + got;
        const qsizetype complete = CompleteLinesEnd(QByteArrayView(buffer.constData() + held, got));
        if (complete == 0) {
            held = filled;
            continue;
        }
        const qsizetype cut = held + complete;
        builder.AddLines(QByteArrayView(buffer.constData(), cut));
        held = filled - cut;
        std::memmove(buffer.data(), buffer.constData() + cut, held);
    }
}

std::optional<QString> LoadPostalIndex(PostalIndex& index, const QString& path)
{
    index.Clear();
    // Only a regular file can hold a table.
    QFile file;
    switch (OpenRegularFile(path, PostalIndex::kMaxBytes, file)) {
    case RegularFileOpen::Opened:
        break;
    case RegularFileOpen::Missing:
    case RegularFileOpen::NotRegularFile:
        return kPostalMissingText;
    case RegularFileOpen::TooLarge:
    case RegularFileOpen::Unreadable:
        return kPostalUnreadableText;
    }
    // The size was checked, but the file may grow while it is read: the loader keeps the bound.
    if (!index.LoadFromDevice(file)) {
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
