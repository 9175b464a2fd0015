#include "SampleEntries.h"

#include <QStringList>

Entry SampleEntry(const QString& number, const QString& name, const QString& memo)
{
    Entry entry;
    entry[kColNumber] = number;
    entry[kColName] = name;
    entry[kColReading] = QStringLiteral("ﾌﾘｶﾞﾅ");
    entry[kColTel1] = QStringLiteral("090-0000-00") + number.right(2);
    entry[kColTelKind1] = QStringLiteral("携帯");
    entry[kColGroupNumber] = QStringLiteral("00");
    entry[kColMemo] = memo;
    entry[kColRevision] = QStringLiteral("20060307T150500Z");
    return entry;
}

QList<Entry> SampleRows(int count)
{
    QList<Entry> rows;
    for (int i = 0; i < count; ++i) {
        rows << SampleEntry(QString::number(i).rightJustified(3, u'0'), QStringLiteral("名前%1").arg(i),
                            QStringLiteral("memo %1").arg(i));
    }
    return rows;
}

QStringList ColumnTexts(const QList<Entry>& rows, int column)
{
    QStringList texts;
    for (const Entry& entry : rows) {
        texts << entry[column];
    }
    return texts;
}
