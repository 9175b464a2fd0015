#include "CsvExchange.h"

namespace {

QStringList Header()
{
    QStringList captions;
    for (int column = 1; column < kEntryColumnCount; ++column) {
        captions.append(EntryColumnCaption(column));
    }
    return captions;
}

QString Field(const QString& text)
{
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
    AppendRecord(text, Header());
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
    return record == Header();
}
