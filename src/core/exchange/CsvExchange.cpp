#include "CsvExchange.h"

#include <algorithm>

namespace {

// The list's captions; the kind columns of the telephone numbers and of the mail addresses
// share theirs ("種別 1"), which a reader that keys the columns by caption cannot tell apart.
QStringList Header(bool unique)
{
    QStringList captions;
    for (int column = 1; column < kEntryColumnCount; ++column) {
        captions.append(EntryColumnCaption(column));
    }
    for (int slot = 1; unique && slot <= kSlotCount; ++slot) {
        captions[TelKindCell(slot) - 1].prepend(QStringLiteral("Tel "));
        captions[MailKindCell(slot) - 1].prepend(QStringLiteral("E-mail "));
    }
    return captions;
}

// Digits, blanks, hyphens and parentheses after at most one leading '+': a spreadsheet may
// compute with such a cell, but the user wants it written as the number it is.
bool IsTelephoneNumber(QStringView text)
{
    if (text.startsWith(u'+')) {
        text = text.sliced(1);
    }
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }) &&
           std::all_of(text.begin(), text.end(), [](QChar c) {
               return (c >= u'0' && c <= u'9') || c == u' ' || c == u'-' || c == u'(' || c == u')';
           });
}

// Whether a spreadsheet would take the text for a formula. Behind apostrophes too: the import
// takes one leading apostrophe away only from such a text, so one that was in the cell is
// guarded like the formula it hides and comes back as it was.
bool NeedsGuard(QStringView text)
{
    while (text.startsWith(u'\'')) {
        text = text.sliced(1);
    }
    if (text.isEmpty()) {
        return false;
    }
    const QChar first = text.front();
    if (first == u'=' || first == u'@' || first == u'\t' || first == u'\r') {
        return true;
    }
    return (first == u'+' || first == u'-') && !IsTelephoneNumber(text);
}

QString Field(const QString& cell)
{
    const QString text = NeedsGuard(cell) ? u'\'' + cell : cell;
    const bool quote = text.contains(u',') || text.contains(u'"') || text.contains(u'\r') || text.contains(u'\n') ||
                       text.startsWith(u' ') || text.endsWith(u' ');
    if (!quote) {
        return text;
    }
    QString out = text;
    out.replace(u'"', QStringLiteral("\"\""));
    return u'"' + out + u'"';
}

void AppendRecord(QString& out, const QStringList& fields)
{
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            out += u',';
        }
        out += Field(fields[i]);
    }
    out += QStringLiteral("\r\n");
}

} // namespace

QByteArray ExportCsv(const QList<Entry>& rows)
{
    QString text;
    AppendRecord(text, Header(true));
    for (const Entry& entry : rows) {
        QStringList fields;
        for (int column = 1; column < kEntryColumnCount; ++column) {
            fields.append(entry[column]);
        }
        AppendRecord(text, fields);
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

bool ForEachCsvRecord(QStringView text, qsizetype keptFields, const std::function<void(const QStringList&)>& take)
{
    QStringList record;
    QString field;
    bool quoted = false;
    bool wasQuoted = false;
    auto endField = [&] {
        if (record.size() < keptFields) {
            record.append(field);
        }
        field.clear();
        wasQuoted = false;
    };
    auto endRecord = [&] {
        endField();
        take(record);
        record.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c != u'"') {
                field += c;
            } else if (i + 1 < text.size() && text[i + 1] == u'"') {
                field += c;
                ++i;
            } else {
                quoted = false;
            }
        } else if (c == u'"' && field.isEmpty() && !wasQuoted) {
            quoted = wasQuoted = true;
        } else if (c == u',') {
            endField();
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
                ++i;
            }
            endRecord();
        } else {
            field += c;
        }
    }
    if (quoted) {
        return false;
    }
    if (!field.isEmpty() || !record.isEmpty() || wasQuoted) {
        endRecord();
    }
    return true;
}

bool IsExportHeader(const QStringList& record)
{
    // Files exported before the kind captions were told apart stay readable.
    return record == Header(true) || record == Header(false);
}

QString UnguardedCell(const QString& field)
{
    return field.startsWith(u'\'') && NeedsGuard(QStringView(field).sliced(1)) ? field.sliced(1) : field;
}
