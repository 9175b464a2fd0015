#include "VCardExport.h"

#include "ExchangeTexts.h"
#include "TextFit.h"
#include "VCardLines.h"
#include "memorydial/KindCodes.h"

#include <QDate>
#include <QVarLengthArray>

#include <algorithm>
#include <array>

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

// What split() gives, without a list on the heap for the few parts of a cell.
QVarLengthArray<QStringView, 5> Split(QStringView text, QChar separator)
{
    QVarLengthArray<QStringView, 5> parts;
    qsizetype start = 0;
    for (qsizetype at = text.indexOf(separator); at >= 0; at = text.indexOf(separator, start)) {
        parts.append(text.sliced(start, at - start));
        start = at + 1;
    }
    parts.append(text.sliced(start));
    return parts;
}

// A whole number of digits read without QLocale, which costs more than the rest of a card;
// anything else as toUInt() reads it.
uint Number(QStringView text, bool& ok)
{
    constexpr qsizetype kMostDigits = 9; // fits an unsigned int
    if (text.isEmpty() || text.size() > kMostDigits ||
        !std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; })) {
        return text.toUInt(&ok);
    }
    uint value = 0;
    for (const QChar c : text) {
        value = value * 10 + (c.unicode() - u'0');
    }
    ok = true;
    return value;
}

std::optional<double> Degrees(QStringView text)
{
    if (text.size() < 2 || (text.front() != u'+' && text.front() != u'-')) {
        return std::nullopt;
    }
    const double sign = text.front() == u'-' ? -1.0 : 1.0;
    const auto parts = Split(text.sliced(1), u'.');
    bool ok = true;
    double value = 0;
    if (parts.size() == 4) {
        const double factors[] = {1.0, 1.0 / 60, 1.0 / 3600, 1.0 / 360000};
        for (int i = 0; i < 4 && ok; ++i) {
            if (parts[i].isEmpty()) {
                ok = false;
                break;
            }
            value += Number(parts[i], ok) * factors[i];
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

// Puts each content line together in one reused buffer and appends it, folded, to the bytes
// of the file.
class CardWriter
{
public:
    // Room for the longest line of a usual card, so that the line buffer is allocated once.
    explicit CardWriter(QByteArray& bytes) : m_bytes(bytes) { m_line.reserve(160); }

    // Starts a line with `text`, its name and parameters.
    CardWriter& Begin(QStringView text)
    {
        m_line.clear();
        return Add(text);
    }
    CardWriter& Add(QStringView text)
    {
        m_line.append(text.utf16(), static_cast<std::size_t>(text.size()));
        return *this;
    }
    CardWriter& Add(QChar c)
    {
        m_line.push_back(c.unicode());
        return *this;
    }
    CardWriter& Escaped(QStringView text)
    {
        AppendEscapedText(m_line, text);
        return *this;
    }
    void End() { AppendFoldedLine(m_bytes, QStringView(m_line.data(), static_cast<qsizetype>(m_line.size()))); }
    void Line(QStringView line) { Begin(line).End(); }
    // "name:value", left out when the value is empty.
    void Text(QStringView name, QStringView value)
    {
        if (!value.isEmpty()) {
            Begin(name).Add(u':').Escaped(value).End();
        }
    }
    int NextGroup() { return ++m_groups; }

private:
    QByteArray& m_bytes;
    // A standard string: its appends inline, where a QString's take a call each.
    std::u16string m_line;
    int m_groups = 0;
};

// How each kind of the memory dial is written, so that phones label it as the list does.
// Android's vCard reader labels a line with the first type word it does not know (less an
// "X-") and reads no X-ABLabel; iPhones show the X-ABLabel of the line's group. A kind that
// Android knows keeps its own type; the others lead with the word Android is to show, and carry
// the label iPhones show ("_$!<Other>!$_" is the iPhone's own word for その他).
struct KindTypes
{
    QStringView property;             // TEL, EMAIL or ADR
    QStringView code;                 // the code of the kind word (Tel_Kind2 and the like)
    std::array<QStringView, 2> types; // in this order; an empty one is not written
    QStringView label;                // the X-ABLabel, empty for none
};

constexpr QStringView kOtherLabel = u"_$!<Other>!$_";

constexpr KindTypes kKindTypes[] = {
    {u"TEL", u"VOICE", {u"VOICE"}, kOtherLabel},
    {u"TEL", u"CELL", {u"CELL"}, {}},
    {u"TEL", u"PCS", {u"X-PHS"}, u"PHS"},
    {u"TEL", u"HOME", {u"HOME"}, {}},
    {u"TEL", u"WORK", {u"WORK"}, {}},
    {u"TEL", u"FAX", {u"FAX"}, {}},
    {u"EMAIL", u"INTERNET", {u"OTHER", u"INTERNET"}, kOtherLabel},
    {u"EMAIL", u"CELL", {u"CELL", u"INTERNET"}, u"携帯"},
    {u"EMAIL", u"PCS", {u"X-PHS", u"INTERNET"}, u"PHS"},
    {u"EMAIL", u"HOME", {u"HOME", u"INTERNET"}, {}},
    {u"EMAIL", u"SCHOOL", {u"X-SCHOOL", u"INTERNET"}, u"学校"},
    {u"EMAIL", u"WORK", {u"WORK", u"INTERNET"}, {}},
    {u"ADR", u"POSTAL", {u"OTHER"}, kOtherLabel},
    {u"ADR", u"HOME", {u"HOME"}, {}},
    {u"ADR", u"WORK", {u"WORK"}, {}},
};

// The types and label of a kind; a code without a kind (an empty kind cell) gets none, but a
// mail address is still an Internet one.
KindTypes TypesOf(QStringView property, QStringView code)
{
    for (const KindTypes& kind : kKindTypes) {
        if (kind.property == property && kind.code == code) {
            return kind;
        }
    }
    return {property, code, {property == u"EMAIL" ? QStringView(u"INTERNET") : QStringView()}, {}};
}

// A group of its own ("item3.") for the lines of a kind with a label, which names the group.
QString NewGroup(CardWriter& out, const KindTypes& kind)
{
    return kind.label.isEmpty() ? QString() : QStringLiteral("item") + QString::number(out.NextGroup()) + u'.';
}

// Starts a line of `property` in `group` with the kind's types.
void BeginKindLine(CardWriter& out, QStringView group, QStringView property, const KindTypes& kind, bool preferred)
{
    out.Begin(group).Add(property);
    QStringView separator = u";TYPE=";
    for (const QStringView type : kind.types) {
        if (!type.isEmpty()) {
            out.Add(separator).Add(type);
            separator = u",";
        }
    }
    if (preferred) {
        out.Add(separator).Add(u"PREF");
    }
}

void WriteLabel(CardWriter& out, const QString& group, const KindTypes& kind)
{
    if (!group.isEmpty()) {
        out.Begin(group).Add(u"X-ABLabel:").Escaped(kind.label).End();
    }
}

void WriteSlot(CardWriter& out, QStringView property, const QString& value, const QString& code, int slot)
{
    const KindTypes kind = TypesOf(property, code);
    const QString group = NewGroup(out, kind);
    BeginKindLine(out, group, property, kind, slot == 1);
    out.Add(u':').Escaped(value).End();
    WriteLabel(out, group, kind);
}

// A URL is a URI, which other readers take as written: nothing is escaped. Only characters no
// URI holds and that would end the line are written as "%" and their code.
void WriteUrl(CardWriter& out, QStringView url)
{
    if (url.isEmpty()) {
        return;
    }
    out.Begin(u"URL:");
    for (const QChar c : url) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F) {
            out.Add(QStringLiteral("%%1").arg(c.unicode(), 2, 16, QChar(u'0')).toUpper());
        } else {
            out.Add(c);
        }
    }
    out.End();
}

// Address books show a contact by its FN: one without a name is shown by its reading, else its
// first number or mail address, else its entry number.
QString FormattedName(const Entry& entry)
{
    if (!entry[kColName].isEmpty()) {
        return entry[kColName];
    }
    if (!entry[kColReading].isEmpty()) {
        return FullWidthKatakana(entry[kColReading]);
    }
    for (int (*cell)(int) : {TelNumberCell, MailAddressCell}) {
        for (int slot = 1; slot <= kSlotCount; ++slot) {
            if (!entry[cell(slot)].isEmpty()) {
                return entry[cell(slot)];
            }
        }
    }
    return entry[kColNumber];
}

} // namespace

std::optional<std::pair<double, double>> GpsDegrees(QStringView cell)
{
    const auto parts = Split(cell.trimmed(), u'&');
    if (parts.size() < 2) {
        // Some files hold the position as two decimal numbers, as GEO writes them.
        for (const char16_t separator : {u';', u','}) {
            const auto pair = Split(cell.trimmed(), separator);
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
    // Eight ASCII digits; toInt() alone would also take " 1" for a month.
    if (cell.size() != 8 || !std::all_of(cell.begin(), cell.end(), [](QChar c) { return c >= u'0' && c <= u'9'; })) {
        return {};
    }
    bool ok = true;
    const int year = cell.first(4).toInt(&ok);
    const int month = ok ? cell.sliced(4, 2).toInt(&ok) : 0;
    const int day = ok ? cell.sliced(6, 2).toInt(&ok) : 0;
    if (!ok || !QDate(year, month, day).isValid()) {
        return {};
    }
    QString iso(10, Qt::Uninitialized);
    QChar* out = std::copy(cell.begin(), cell.begin() + 4, iso.data());
    *out++ = u'-';
    out = std::copy(cell.begin() + 4, cell.begin() + 6, out);
    *out++ = u'-';
    std::copy(cell.begin() + 6, cell.end(), out);
    return iso;
}

void ExportCard(const Entry& entry, QByteArray& bytes, QStringList& notes)
{
    CardWriter out(bytes);
    out.Line(u"BEGIN:VCARD");
    out.Line(u"VERSION:3.0");
    const QString& name = entry[kColName];
    out.Begin(u"FN:").Escaped(FormattedName(entry)).End();
    const auto [family, given] = SplitName(name);
    out.Begin(u"N:").Escaped(family).Add(u';').Escaped(given).Add(u";;;").End();
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
        const KindTypes kind = TypesOf(u"ADR", Jusho_Kind2(entry[kColAddressKind]));
        const QString group = NewGroup(out, kind);
        BeginKindLine(out, group, u"ADR", kind, false);
        out.Add(u":;;").Escaped(address).Add(u";;;").Escaped(postalCode).Add(u';').End();
        // The printed form shares the address's group, and so its label.
        BeginKindLine(out, group, u"LABEL", kind, false);
        out.Add(u':');
        if (!postalCode.isEmpty()) {
            out.Escaped(u"〒").Escaped(postalCode).Escaped(u" ");
        }
        out.Escaped(address).End();
        WriteLabel(out, group, kind);
    }
    const QString& birthday = entry[kColBirthday];
    if (!birthday.isEmpty()) {
        const QString iso = IsoBirthday(birthday);
        // A partial date has no vCard 3.0 form; it is kept for our own import only.
        if (iso.isEmpty()) {
            out.Begin(u"X-MORVANE-BIRTHDAY:").Escaped(birthday).End();
        } else {
            out.Begin(u"BDAY:").Add(iso).End();
        }
    }
    WriteUrl(out, entry[kColUrl]);
    QString note = entry[kColMemo];
    if (!entry[kColHobby].isEmpty()) {
        note += (note.isEmpty() ? QString() : QStringLiteral("\n")) + ExchangeTexts::kHobbyLabel + entry[kColHobby];
    }
    out.Text(u"NOTE", note);
    if (!entry[kColGps].isEmpty()) {
        if (const auto degrees = GpsDegrees(entry[kColGps])) {
            out.Begin(u"GEO:")
                .Add(QString::number(degrees->first, 'f', 6))
                .Add(u';')
                .Add(QString::number(degrees->second, 'f', 6))
                .End();
        } else {
            notes.append(QStringLiteral("GPS ") + entry[kColGps] + u'：' + ExchangeTexts::kGpsNotWritten);
        }
    }
    out.Text(u"CATEGORIES", entry[kColGroupName]);
    // The number travels even for a group without a name, so that the entry comes back to it.
    if (!entry[kColGroupNumber].isEmpty()) {
        out.Begin(u"X-GNO:").Add(QString::number(LeadingNumber(entry[kColGroupNumber]))).End();
    }
    out.Text(u"CLASS", entry[kColSecret]);
    out.Text(u"X-HOBBY", entry[kColHobby]);
    out.Text(u"X-BLOODTYPE", entry[kColBloodType]);
    out.Text(u"X-CONSTELLATION", Seiza_Kind2(entry[kColConstellation]));
    out.Line(u"END:VCARD");
}
