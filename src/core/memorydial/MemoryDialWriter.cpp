#include "MemoryDialWriter.h"

#include "CodePage.h"
#include "KindCodes.h"

#include "files/SafeFileWrite.h"

#include <algorithm>
#include <initializer_list>

namespace {

// Calls `put` with the parts of each line of one record and the cell the line shows as
// written (-1 for lines of fixed text or numbers, which always encode). The parts are views,
// so composing a file makes no temporary string per line.
template <typename Put> void ForEachLine(const Entry& entry, const QString& vcVer, Put&& put)
{
    put({u"BEGIN:VCARD"}, -1);
    put({vcVer}, -1);
    put({u"FN:", entry[kColName]}, kColName);
    put({u"N:", entry[kColName], u";;;;"}, kColName);
    put({u"SORT-STRING:", entry[kColReading]}, kColReading);
    for (int n = 1; n <= kSlotCount; ++n) {
        const QString& number = entry[TelNumberCell(n)];
        if (!number.isEmpty()) {
            const QString code = Tel_Kind2(entry[TelKindCell(n)]);
            put({n == 1 ? u"TEL;TYPE=PREF," : u"TEL;TYPE=", code, u":", number}, TelNumberCell(n));
        }
    }
    for (int n = 1; n <= kSlotCount; ++n) {
        const QString& address = entry[MailAddressCell(n)];
        if (!address.isEmpty()) {
            const QString code = E_mail_Kind2(entry[MailKindCell(n)]);
            put({n == 1 ? u"EMAIL;TYPE=PREF," : u"EMAIL;TYPE=", code, u":", address}, MailAddressCell(n));
        }
    }
    put({u"X-GNO:", QString::number(LeadingNumber(entry[kColGroupNumber]))}, -1);
    put({u"CATEGORIES:", entry[kColGroupName]}, kColGroupName);
    put({u"X-REDUCTION:", QString::number(LeadingNumber(entry[kColNumber]))}, -1);
    if (!entry[kColSecret].isEmpty()) {
        put({u"CLASS:", entry[kColSecret]}, kColSecret);
    }
    if (!entry[kColAddress].isEmpty()) {
        const QString code = Jusho_Kind2(entry[kColAddressKind]);
        put({u"ADR;TYPE=PREF,", code, u":;", entry[kColAddress], u";;;;", entry[kColPostalCode], u";"}, kColAddress);
    }
    const struct
    {
        QStringView head;
        int cell;
    } optionalLines[] = {
        {u"NOTE:", kColMemo},     {u"URL:", kColUrl},       {u"GEO:", kColGps},
        {u"BDAY:", kColBirthday}, {u"X-HOBBY:", kColHobby}, {u"X-BLOODTYPE:", kColBloodType},
    };
    for (const auto& line : optionalLines) {
        if (!entry[line.cell].isEmpty()) {
            put({line.head, entry[line.cell]}, line.cell);
        }
    }
    if (!entry[kColConstellation].isEmpty()) {
        put({u"X-CONSTELLATION:", Seiza_Kind2(entry[kColConstellation])}, -1);
    }
    put({u"REV:", entry[kColRevision]}, kColRevision);
    put({u"END:VCARD"}, -1);
}

// The first cell of `entry` that code page 932 cannot hold, or -1. The postal code shares
// the address line, so it is checked on its own.
int FirstUnencodableCell(const Entry& entry, const QString& vcVer)
{
    int found = -1;
    ForEachLine(entry, vcVer, [&](std::initializer_list<QStringView>, int cell) {
        if (found >= 0 || cell < 0) {
            return;
        }
        if (!CodePage::CanHold(entry[cell])) {
            found = cell;
        } else if (cell == kColAddress && !CodePage::CanHold(entry[kColPostalCode])) {
            found = kColPostalCode;
        }
    });
    return found;
}

QString UnencodableMessage(const Entry& entry, int cell)
{
    return QStringLiteral("No.") + entry[kColNumber] + QStringLiteral(" の「") + EntryColumnCaption(cell) +
           QStringLiteral("」に、保存できない文字が含まれています。　");
}

QString WriteFailedMessage(const QString& path)
{
    return QStringLiteral("メモリダイヤル「") + path +
           QStringLiteral("」を保存できませんでした。　保存先とディスクの空きを確認して下さい。　");
}

QString NotRegularFileMessage(const QString& path)
{
    return QStringLiteral("「") + path +
           QStringLiteral("」は通常のファイルではないため、メモリダイヤルを保存できません。　");
}

} // namespace

std::optional<QString> SeparatorNotice(const QList<Entry>& rows)
{
    for (const Entry& entry : rows) {
        for (int cell = kColNumber; cell < kEntryColumnCount; ++cell) {
            const QString& text = entry[cell];
            if (text.contains(u',') || text.contains(u'\r') || text.contains(u'\n')) {
                return QStringLiteral("No.") + entry[kColNumber] + QStringLiteral(" の「") + EntryColumnCaption(cell) +
                       QStringLiteral("」に、カンマ（,）または改行が含まれています。　このまま保存すると、"
                                      "次に読み込んだ時にその位置から後ろが失われます。　");
            }
        }
    }
    return std::nullopt;
}

std::optional<QString> SeparatorWarning(const QList<Entry>& rows)
{
    std::optional<QString> question = SeparatorNotice(rows);
    if (question) {
        *question += QStringLiteral("保存しますか？　");
    }
    return question;
}

QString ComposeMemoryDialText(const QList<Entry>& rows, const QString& vcVer)
{
    // Measure first, then copy into one exactly sized text: no growing, no capacity checks.
    qsizetype size = 0;
    for (const Entry& entry : rows) {
        ForEachLine(entry, vcVer, [&size](std::initializer_list<QStringView> parts, int) {
            for (const QStringView part : parts) {
                size += part.size();
            }
            size += 2;
        });
    }
    QString text(size, Qt::Uninitialized);
    QChar* out = text.data();
    for (const Entry& entry : rows) {
        ForEachLine(entry, vcVer, [&out](std::initializer_list<QStringView> parts, int) {
            for (const QStringView part : parts) {
                out = std::copy(part.begin(), part.end(), out);
            }
            *out++ = u'\r';
            *out++ = u'\n';
        });
    }
    return text;
}

std::optional<QByteArray> EncodeMemoryDial(const QList<Entry>& rows, const QString& vcVer, QString& error)
{
    const QString text = ComposeMemoryDialText(rows, vcVer);
    // Whole-file conversion first; the slow search for the culprit runs only when it fails.
    if (std::optional<QByteArray> bytes = CodePage::EncodeExact(text)) {
        return bytes;
    }
    for (const Entry& entry : rows) {
        const int cell = FirstUnencodableCell(entry, vcVer);
        if (cell >= 0) {
            error = UnencodableMessage(entry, cell);
            return std::nullopt;
        }
    }
    error = QStringLiteral("バージョン行「") + vcVer + QStringLiteral("」に、保存できない文字が含まれています。　");
    return std::nullopt;
}

std::optional<QString> SaveTargetProblem(const QString& path)
{
    if (MayWriteFile(path)) {
        return std::nullopt;
    }
    return NotRegularFileMessage(path);
}

MemoryDialWriteResult WriteMemoryDial(const QString& path, const QList<Entry>& rows, const QString& vcVer)
{
    if (std::optional<QString> problem = SaveTargetProblem(path)) {
        return {false, *problem};
    }
    QString error;
    const std::optional<QByteArray> bytes = EncodeMemoryDial(rows, vcVer, error);
    if (!bytes) {
        return {false, error};
    }
    switch (WriteFileSafely(path, *bytes)) {
    case SafeWriteResult::Written:
        return {true, QString()};
    case SafeWriteResult::NotRegularFile:
        return {false, NotRegularFileMessage(path)};
    case SafeWriteResult::Failed:
        break;
    }
    return {false, WriteFailedMessage(path)};
}
