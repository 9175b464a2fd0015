#pragma once

#include "services/PostalTexts.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

class Interaction;
class QIODevice;

// The national postal-code table (KEN_ALL layout) held in memory: for each record in file
// order the 7-digit code, prefecture, city and town area. File order decides every tie.
//
// The published file has some 124,000 lines; 500,000 separate QStrings would cost several
// times the text itself, so all kept fields live in one pool and each record holds spans into
// it. Consecutive records nearly always share prefecture and city, which are stored once.
// Only the kept fields are decoded: the line is split on its bytes, which is safe because
// Shift_JIS never uses quote, comma, CR or LF as the second byte of a character. The file is
// taken in pieces of whole lines, so the bytes of the file are never all held at once.
class PostalIndex
{
public:
    [[nodiscard]] qsizetype count() const { return m_records.size(); }
    [[nodiscard]] QString code(qsizetype i) const;
    [[nodiscard]] QString prefecture(qsizetype i) const;
    [[nodiscard]] QString city(qsizetype i) const;
    [[nodiscard]] QString town(qsizetype i) const;

    // Index of the first record with exactly this code, or -1.
    [[nodiscard]] qsizetype FindFirst(QStringView code) const;

    void Clear();
    // Replaces the whole table with the records of a Shift_JIS CSV text. Fields are split as in
    // the published file: double-quoted text ("" inside quotes is one quote, a comma inside
    // quotes stays in the field) and bare numbers. CR LF, LF and CR each end a line, and a line
    // end always ends the record, so an unclosed quote cannot swallow the rest of the file.
    // Lines with fewer than 9 fields are skipped. Bytes that are not Shift_JIS load as U+001A
    // in the field that holds them; the rest of the line, and its code, stay usable.
    //
    // Every prefecture name ends in 都, 道, 府 or 県. A record whose prefecture does not is left
    // out, so a damaged line never shows as an address, while the rest of a damaged table stays
    // usable. A text whose records are mostly of that kind is no postal table at all (another
    // layout, or another encoding read as Shift_JIS) and is refused.
    //
    // False, with the table empty, for a text larger than kMaxBytes or no postal table.
    [[nodiscard]] bool LoadFromBytes(const QByteArray& csv);
    // The same for the text read from `device` in pieces of `pieceBytes`. Reads at most one byte
    // more than `maxBytes`, however much the device holds. False, with the table empty, also when
    // a read fails.
    [[nodiscard]] bool LoadFromDevice(QIODevice& device, qint64 maxBytes = kMaxBytes,
                                      qsizetype pieceBytes = kPieceBytes);

    // The published file has about 12 MB; a larger bound would only let a wrong file eat memory.
    static constexpr qint64 kMaxBytes = qint64(64) * 1024 * 1024;
    // Large enough that a piece costs little beside its decoding, small enough to stay in cache.
    static constexpr qsizetype kPieceBytes = 256 * 1024;

private:
    class Builder;

    // 32-bit spans halve the records, the larger part of the table's memory; the pool never
    // outgrows the file, and the bound on the file keeps it far below their range.
    struct Span
    {
        quint32 offset = 0;
        quint32 length = 0;
    };
    struct Record
    {
        Span code;
        Span prefecture;
        Span city;
        Span town;
    };

    [[nodiscard]] QStringView View(Span span) const { return QStringView(m_pool).sliced(span.offset, span.length); }

    QString m_pool;
    QList<Record> m_records;
};

// Loads the table from a file path. Returns the missing-file message when no regular file
// exists there (nothing else is opened: a device or a FIFO is no table), the unreadable-file
// message when it cannot be read, is larger than PostalIndex::kMaxBytes or is no postal table
// (the index is empty in these cases), nothing on success.
[[nodiscard]] std::optional<QString> LoadPostalIndex(PostalIndex& index, const QString& path);

// The same, showing a failure as a warning titled "ファイル確認". True when the table loaded.
[[nodiscard]] bool LoadPostalIndexOrWarn(PostalIndex& index, const QString& path, Interaction& interaction);

// prefecture + city + town of the first record with this code, or the not-found text.
// An empty code finds nothing, even when a damaged line left a record without a code.
[[nodiscard]] QString ShowAddressForPostalCode(const PostalIndex& index, const QString& code);
