#include "VCardExport.h"

#include "ExchangeTexts.h"
#include "TextFit.h"
#include "VCardLines.h"
#include "memorydial/KindCodes.h"

#include <QDate>

namespace {

// A name or reading splits into family and given name at its first half- or full-width space.
std::pair<QString, QString> SplitName(const QString& name)
{
    qsizetype at = -1;
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (name[i] == u' ' || name[i] == QChar{0x3000}) {
            at = i;
            break;
        }
    }
    if (at < 0) {
        return {name, QString()};
    }
    return {name.first(at), name.sliced(at + 1)};
}

std::optional<double> Degrees(QStringView text)
{
    if (text.size() < 2 || (text.front() != u'+' && text.front() != u'-')) {
        return std::nullopt;
    }
    const double sign = text.front() == u'-' ? -1.0 : 1.0;
    const QList<QStringView> parts = text.sliced(1).split(u'.');
    bool ok = true;
    double value = 0;
    if (parts.size() == 4) {
        const double factors[] = {1.0, 1.0 / 60, 1.0 / 3600, 1.0 / 360000};
        for (int i = 0; i < 4 && ok; ++i) {
            if (parts[i].isEmpty()) {
                ok = false;
                break;
            }
            value += parts[i].toUInt(&ok) * factors[i];
        }
    } else if (parts.size() <= 2) {
        value = text.sliced(1).toDouble(&ok);
    } else {
        ok = false;
    }
    if (!ok) {
        return std::nullopt;
    }
    return sign * value;
}

class CardWriter
{
public:
    void Line(const QString& line) { m_bytes += FoldLine(line); }
    void Text(QStringView name, const QString& value)
    {
        if (!value.isEmpty()) {
            Line(name.toString() + u':' + EscapeText(value));
        }
    }
    QByteArray Take() { return std::move(m_bytes); }
    int NextGroup() { return ++m_groups; }

private:
    QByteArray m_bytes;
    int m_groups = 0;
};

void WriteSlot(CardWriter& out, QStringView property, const QString& value, const QString& code, int slot)
{
    QStringList types;
    if (property == u"EMAIL") {
        types.append(QStringLiteral("INTERNET"));
    }
    QString label;
    if (code == u"PCS" || code == u"SCHOOL") {
        // No common importer knows these types: an X- type keeps them on Android, a grouped
        // label on iOS and in web address books.
        types.append(QStringLiteral("X-") + code);
        label = code == u"PCS" ? QStringLiteral("PHS") : QStringLiteral("学校");
    } else if (!code.isEmpty() && code != u"INTERNET") {
        types.append(code);
    }
    if (slot == 1) {
        types.append(QStringLiteral("PREF"));
    }
    QString head = property.toString();
    if (!label.isEmpty()) {
        head = QStringLiteral("item%1.").arg(out.NextGroup()) + head;
    }
    if (!types.isEmpty()) {
        head += QStringLiteral(";TYPE=") + types.join(u',');
    }
    out.Line(head + u':' + EscapeText(value));
    if (!label.isEmpty()) {
        out.Line(head.first(head.indexOf(u'.') + 1) + QStringLiteral("X-ABLabel:") + label);
    }
}

} // namespace

std::optional<std::pair<double, double>> GpsDegrees(QStringView cell)
{
    const QList<QStringView> parts = cell.trimmed().split(u'&');
    if (parts.size() < 2) {
        // Some files hold the position as two decimal numbers, as GEO writes them.
        for (const char16_t separator : {u';', u','}) {
            const QList<QStringView> pair = cell.trimmed().split(separator);
            bool latOk = false;
            bool lonOk = false;
            const double lat = pair.size() == 2 ? pair[0].trimmed().toDouble(&latOk) : 0;
            const double lon = pair.size() == 2 ? pair[1].trimmed().toDouble(&lonOk) : 0;
            if (latOk && lonOk && std::abs(lat) <= 90 && std::abs(lon) <= 180) {
                return std::pair{lat, lon};
            }
        }
        return std::nullopt;
    }
    const std::optional<double> lat = Degrees(parts[0].trimmed());
    const std::optional<double> lon = Degrees(parts[1].trimmed());
    if (!lat || !lon || std::abs(*lat) > 90 || std::abs(*lon) > 180) {
        return std::nullopt;
    }
    return std::pair{*lat, *lon};
}

QString IsoBirthday(QStringView cell)
{
    if (cell.size() != 8) {
        return {};
    }
    bool ok = true;
    const int year = cell.first(4).toInt(&ok);
    const int month = ok ? cell.sliced(4, 2).toInt(&ok) : 0;
    const int day = ok ? cell.sliced(6, 2).toInt(&ok) : 0;
    if (!ok || !QDate(year, month, day).isValid() || !cell.first(4).front().isDigit()) {
        return {};
    }
    return QStringLiteral("%1-%2-%3").arg(cell.first(4), cell.sliced(4, 2), cell.sliced(6, 2));
}

QByteArray ExportCard(const Entry& entry, QStringList& notes)
{
    CardWriter out;
    out.Line(QStringLiteral("BEGIN:VCARD"));
    out.Line(QStringLiteral("VERSION:3.0"));
    const QString& name = entry[kColName];
    out.Line(QStringLiteral("FN:") + EscapeText(name));
    const auto [family, given] = SplitName(name);
    out.Line(QStringLiteral("N:") + EscapeText(family) + u';' + EscapeText(given) + QStringLiteral(";;;"));
    const QString reading = FullWidthKatakana(entry[kColReading]);
    if (!reading.isEmpty()) {
        const auto [readingFamily, readingGiven] = SplitName(reading);
        out.Text(u"X-PHONETIC-LAST-NAME", readingFamily);
        out.Text(u"X-PHONETIC-FIRST-NAME", readingGiven);
        out.Text(u"SORT-STRING", reading);
    }
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        if (!entry[TelNumberCell(slot)].isEmpty()) {
            WriteSlot(out, u"TEL", entry[TelNumberCell(slot)], Tel_Kind2(entry[TelKindCell(slot)]), slot);
        }
    }
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        if (!entry[MailAddressCell(slot)].isEmpty()) {
            WriteSlot(out, u"EMAIL", entry[MailAddressCell(slot)], E_mail_Kind2(entry[MailKindCell(slot)]), slot);
        }
    }
    const QString& address = entry[kColAddress];
    const QString& postalCode = entry[kColPostalCode];
    if (!address.isEmpty() || !postalCode.isEmpty()) {
        const QString code = Jusho_Kind2(entry[kColAddressKind]);
        const QString type = code.isEmpty() ? QString() : QStringLiteral(";TYPE=") + code;
        out.Line(QStringLiteral("ADR") + type + QStringLiteral(":;;") + EscapeText(address) + QStringLiteral(";;;") +
                 EscapeText(postalCode) + u';');
        const QString label = postalCode.isEmpty() ? address : u'〒' + postalCode + u' ' + address;
        out.Line(QStringLiteral("LABEL") + type + u':' + EscapeText(label));
    }
    const QString& birthday = entry[kColBirthday];
    if (!birthday.isEmpty()) {
        const QString iso = IsoBirthday(birthday);
        // A partial date has no vCard 3.0 form; it is kept for our own import only.
        out.Line(iso.isEmpty() ? QStringLiteral("X-MORVANE-BIRTHDAY:") + EscapeText(birthday)
                               : QStringLiteral("BDAY:") + iso);
    }
    out.Text(u"URL", entry[kColUrl]);
    QString note = entry[kColMemo];
    if (!entry[kColHobby].isEmpty()) {
        note += (note.isEmpty() ? QString() : QStringLiteral("\n")) + ExchangeTexts::kHobbyLabel + entry[kColHobby];
    }
    out.Text(u"NOTE", note);
    if (!entry[kColGps].isEmpty()) {
        if (const auto degrees = GpsDegrees(entry[kColGps])) {
            out.Line(QStringLiteral("GEO:%1;%2").arg(degrees->first, 0, 'f', 6).arg(degrees->second, 0, 'f', 6));
        } else {
            notes.append(QStringLiteral("GPS ") + entry[kColGps] + u'：' + ExchangeTexts::kGpsNotWritten);
        }
    }
    out.Text(u"CATEGORIES", entry[kColGroupName]);
    // The number travels even for a group without a name, so that the entry comes back to it.
    if (!entry[kColGroupNumber].isEmpty()) {
        out.Line(QStringLiteral("X-GNO:") + QString::number(LeadingNumber(entry[kColGroupNumber])));
    }
    out.Text(u"CLASS", entry[kColSecret]);
    out.Text(u"X-HOBBY", entry[kColHobby]);
    out.Text(u"X-BLOODTYPE", entry[kColBloodType]);
    out.Text(u"X-CONSTELLATION", Seiza_Kind2(entry[kColConstellation]));
    out.Line(QStringLiteral("END:VCARD"));
    return out.Take();
}
