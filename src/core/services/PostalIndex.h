#pragma once

#include "services/PostalTexts.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

class Interaction;

// The national postal-code table (KEN_ALL layout) held in memory: for each record in file
// order the 7-digit code, prefecture, city and town area. File order decides every tie.
//
// The published file has some 124,000 lines; 500,000 separate QStrings would cost several
// times the text itself, so all kept fields live in one pool and each record holds spans into
// it. Consecutive records nearly always share prefecture and city, which are stored once.
// Only the kept fields are decoded: the line is split on its bytes, which is safe because
// Shift_JIS never uses quote, comma, CR or LF as the second byte of a character.
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
    // False, with the table empty, for a text of kMaxBytes or more.
    [[nodiscard]] bool LoadFromBytes(const QByteArray& csv);

    static constexpr qsizetype kMaxBytes = qsizetype(1) << 32;

private:
    // 32-bit spans halve the records, the larger part of the table's memory; the pool never
    // outgrows the file, and LoadFromBytes refuses a file too large for them.
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
    // Decodes the kept fields, `fieldsKept` of them each ended by a line feed, into the pool and
    // builds the records over them; `repeats` holds a byte per record telling which fields
    // repeat the previous record's and were not kept again.
    void DecodeKept(const QByteArray& kept, qsizetype fieldsKept, const QByteArray& repeats);

    QString m_pool;
    QList<Record> m_records;
};

// Loads the table from a file path. Returns the missing-file message when no file exists
// there, the unreadable-file message when it cannot be read or is too large (the index is
// empty in both cases), nothing on success.
[[nodiscard]] std::optional<QString> LoadPostalIndex(PostalIndex& index, const QString& path);

// The same, showing a failure as a warning titled "ファイル確認". True when the table loaded.
[[nodiscard]] bool LoadPostalIndexOrWarn(PostalIndex& index, const QString& path, Interaction& interaction);

// prefecture + city + town of the first record with this code, or the not-found text.
// An empty code finds nothing, even when a damaged line left a record without a code.
[[nodiscard]] QString ShowAddressForPostalCode(const PostalIndex& index, const QString& code);
