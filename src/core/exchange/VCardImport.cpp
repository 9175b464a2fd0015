#include "VCardImport.h"

#include "ExchangeTexts.h"
#include "TextFit.h"
#include "memorydial/KindCodes.h"

#include <QDate>
#include <QVarLengthArray>

#include <cmath>
#include <optional>

namespace {

constexpr qsizetype kShownValueLength = 40;

QString Shown(QStringView value)
{
    QString text = value.toString().simplified();
    if (text.size() > kShownValueLength) {
        text = text.first(kShownValueLength) + u'…';
    }
    return text;
}

bool IsBlank(QStringView text)
{
    return text.trimmed().isEmpty();
}

class CardMapper
{
public:
    explicit CardMapper(const VCardCard& card) : m_card(card) {}

    MappedCard Map();

private:
    void Note(const VCardProperty& property, QStringView value, const QString& reason)
    {
        QString label = property.name.isEmpty() ? QString() : property.name;
        if (!value.isEmpty()) {
            label += label.isEmpty() ? QString() : QStringLiteral(" ");
            label += Shown(value);
        }
        m_result.notes.append(label + u'：' + reason);
    }
    // Writes a text into a cell through the code-page fit, noting what was left out.
    void Put(int cell, const QString& text, const VCardProperty& property)
    {
        FittedText fitted = FitMemoryDialCell(text);
        if (!fitted.dropped.isEmpty()) {
            Note(property, text, ExchangeTexts::kDroppedBefore + fitted.dropped + ExchangeTexts::kDroppedAfter);
        }
        if (!fitted.text.isEmpty()) {
            m_result.taken = true;
        }
        m_result.entry[cell] = std::move(fitted.text);
    }
    // True when the property's value may be read; notes the reason otherwise.
    bool Readable(const VCardProperty& property)
    {
        if (property.binary) {
            Note(property, {}, ExchangeTexts::kBinaryData);
            return false;
        }
        if (property.undecodable) {
            Note(property, {}, ExchangeTexts::kUndecodable);
            return false;
        }
        return true;
    }
    const VCardProperty* First(QStringView name) const
    {
        for (const VCardProperty& property : m_card.properties) {
            if (property.name == name && !property.undecodable && !IsBlank(property.text)) {
                return &property;
            }
        }
        return nullptr;
    }
    QString Label(const VCardProperty& property) const
    {
        if (property.group.isEmpty()) {
            return {};
        }
        for (const VCardProperty& other : m_card.properties) {
            if (other.group == property.group && other.name == u"X-ABLABEL") {
                return UnescapeText(other.text).trimmed().toUpper();
            }
        }
        return {};
    }

    void MapName();
    void MapReading();
    void MapSlots(QStringView name, int (*numberCell)(int), int (*kindCell)(int));
    void MapAddress();
    void SetAddressKind(const VCardProperty& property);
    void MapProperty(const VCardProperty& property);
    QString TelCode(const VCardProperty& property) const;
    QString MailCode(const VCardProperty& property) const;

    const VCardCard& m_card;
    MappedCard m_result;
    QStringList m_memo; // the lines of every NOTE, joined once at the end
    const VCardProperty* m_memoProperty = nullptr;
    QString m_hobby;                                    // as written, to recognise the labelled copy in the NOTE
    QVarLengthArray<const VCardProperty*, 16> m_single; // single-valued properties already taken
    bool m_namedByPerson = false;                       // FN or N gave the name, not ORG
};

void CardMapper::MapName()
{
    m_namedByPerson = First(u"FN") != nullptr || First(u"N") != nullptr;
    if (const VCardProperty* fn = First(u"FN")) {
        Put(kColName, UnescapeText(fn->text), *fn);
        return;
    }
    if (const VCardProperty* n = First(u"N")) {
        const QStringList parts = SplitComponents(n->text);
        QStringList names;
        for (int i : {0, 1}) {
            if (i < parts.size() && !parts[i].trimmed().isEmpty()) {
                names.append(parts[i].trimmed());
            }
        }
        if (!names.isEmpty()) {
            Put(kColName, names.join(u' '), *n);
            return;
        }
    }
    // Shops and offices often carry only their organisation.
    if (const VCardProperty* org = First(u"ORG")) {
        Put(kColName, SplitComponents(org->text).value(0), *org);
    }
}

void CardMapper::MapReading()
{
    // SORT-STRING holds the whole reading as written; the phonetic parts lose how the two
    // halves were separated.
    if (const VCardProperty* sort = First(u"SORT-STRING")) {
        Put(kColReading, HalfWidthReading(UnescapeText(sort->text)), *sort);
        return;
    }
    const VCardProperty* last = First(u"X-PHONETIC-LAST-NAME");
    const VCardProperty* first = First(u"X-PHONETIC-FIRST-NAME");
    if (last || first) {
        QStringList parts;
        for (const VCardProperty* part : {last, first}) {
            if (part) {
                parts.append(UnescapeText(part->text).trimmed());
            }
        }
        Put(kColReading, HalfWidthReading(parts.join(u' ')), last ? *last : *first);
        return;
    }
    for (const VCardProperty& property : m_card.properties) {
        if (property.name == u"SOUND" && property.HasType(u"X-IRMC-N") && !property.undecodable) {
            QStringList parts;
            for (const QString& part : SplitComponents(property.text)) {
                if (!part.trimmed().isEmpty()) {
                    parts.append(part.trimmed());
                }
            }
            Put(kColReading, HalfWidthReading(parts.join(u' ')), property);
            return;
        }
    }
}

QString CardMapper::TelCode(const VCardProperty& property) const
{
    const QString label = Label(property);
    if (property.HasType(u"FAX")) {
        return QStringLiteral("FAX");
    }
    if (property.HasType(u"CELL") || property.HasType(u"IPHONE")) {
        return QStringLiteral("CELL");
    }
    if (property.HasType(u"PCS") || property.HasType(u"X-PCS") || label == u"PHS" || label == u"PCS") {
        return QStringLiteral("PCS");
    }
    if (property.HasType(u"HOME")) {
        return QStringLiteral("HOME");
    }
    if (property.HasType(u"WORK")) {
        return QStringLiteral("WORK");
    }
    return QStringLiteral("VOICE");
}

QString CardMapper::MailCode(const VCardProperty& property) const
{
    const QString label = Label(property);
    if (property.HasType(u"CELL")) {
        return QStringLiteral("CELL");
    }
    if (property.HasType(u"PCS") || property.HasType(u"X-PCS") || label == u"PHS" || label == u"PCS") {
        return QStringLiteral("PCS");
    }
    if (property.HasType(u"SCHOOL") || property.HasType(u"X-SCHOOL") || label == u"学校" || label == u"SCHOOL") {
        return QStringLiteral("SCHOOL");
    }
    if (property.HasType(u"HOME")) {
        return QStringLiteral("HOME");
    }
    if (property.HasType(u"WORK")) {
        return QStringLiteral("WORK");
    }
    return QStringLiteral("INTERNET");
}

void CardMapper::MapSlots(QStringView name, int (*numberCell)(int), int (*kindCell)(int))
{
    QVarLengthArray<const VCardProperty*, kSlotCount + 1> found;
    for (const VCardProperty& property : m_card.properties) {
        if (property.name != name || (!property.undecodable && IsBlank(property.text))) {
            continue;
        }
        if (Readable(property)) {
            found.append(&property);
        }
    }
    // Slot 1 is the preferred one.
    const auto preferred =
        std::find_if(found.begin(), found.end(), [](const VCardProperty* p) { return p->HasType(u"PREF"); });
    if (preferred != found.end()) {
        std::rotate(found.begin(), preferred, preferred + 1);
    }
    const bool tel = name == u"TEL";
    int filled = 0;
    for (qsizetype i = 0; i < found.size(); ++i) {
        const VCardProperty& property = *found[i];
        QString value = UnescapeText(property.text).trimmed();
        if (tel && value.startsWith(u"tel:", Qt::CaseInsensitive)) {
            value = value.sliced(4);
        } else if (!tel && value.startsWith(u"mailto:", Qt::CaseInsensitive)) {
            value = value.sliced(7);
        }
        if (filled == kSlotCount) {
            Note(property, value, ExchangeTexts::kSlotsFull);
            continue;
        }
        const int slot = filled + 1;
        Put(numberCell(slot), value, property);
        // A value with nothing a memory dial can hold leaves its slot to the next one: a gap
        // before a filled slot would not survive the next export.
        if (m_result.entry[numberCell(slot)].isEmpty()) {
            continue;
        }
        filled = slot;
        QString code = tel ? TelCode(property) : MailCode(property);
        QString word;
        if (tel ? Tel_Kind(QStringView(code).left(3), code, word)
                : E_mail_Kind(QStringView(code).left(3), code, word)) {
            m_result.entry[kindCell(slot)] = word;
        }
    }
}

QString JoinAddress(const QStringList& parts)
{
    // Japanese order, largest first: region, locality, street, extended address, box.
    QString address;
    for (const int i : {4, 3, 2, 1, 0}) {
        const QString part = parts.value(i).trimmed();
        if (part.isEmpty()) {
            continue;
        }
        if (!address.isEmpty() && address.back().unicode() < 0x80 && part.front().unicode() < 0x80) {
            address += u' ';
        }
        address += part;
    }
    return address;
}

bool IsJapan(QStringView country)
{
    country = country.trimmed();
    return country.isEmpty() || country == u"日本" || country == u"日本国" ||
           country.compare(u"JAPAN", Qt::CaseInsensitive) == 0 || country.compare(u"JP", Qt::CaseInsensitive) == 0;
}

void CardMapper::MapAddress()
{
    QVarLengthArray<const VCardProperty*, 2> found;
    for (const VCardProperty& property : m_card.properties) {
        if (property.name == u"ADR" && (property.undecodable || !IsBlank(property.text)) && Readable(property)) {
            found.append(&property);
        }
    }
    const auto preferred =
        std::find_if(found.begin(), found.end(), [](const VCardProperty* p) { return p->HasType(u"PREF"); });
    if (preferred != found.end()) {
        std::rotate(found.begin(), preferred, preferred + 1);
    }
    if (found.isEmpty()) {
        // A label alone still says where the person lives.
        if (const VCardProperty* label = First(u"LABEL")) {
            Put(kColAddress, UnescapeText(label->text), *label);
            SetAddressKind(*label);
        }
        return;
    }
    for (qsizetype i = 1; i < found.size(); ++i) {
        Note(*found[i], UnescapeText(found[i]->text), ExchangeTexts::kSlotsFull);
    }
    const VCardProperty& adr = *found.front();
    const QStringList parts = SplitComponents(adr.text);
    Put(kColAddress, JoinAddress(parts), adr);
    const QString code = parts.value(5).trimmed();
    if (!code.isEmpty()) {
        const QString cell = PostalCodeCell(code);
        if (cell.isEmpty()) {
            Note(adr, code, ExchangeTexts::kBadPostalCode);
        } else if (m_result.entry[kColAddress].isEmpty()) {
            // A memory dial keeps the postal code on the address line; without an address it
            // would not be saved.
            Note(adr, code, ExchangeTexts::kPostalCodeAlone);
        } else {
            m_result.entry[kColPostalCode] = cell;
        }
    }
    if (!IsJapan(parts.value(6))) {
        Note(adr, parts.value(6), ExchangeTexts::kNoPlace);
    }
    SetAddressKind(adr);
}

void CardMapper::SetAddressKind(const VCardProperty& property)
{
    QString kind = property.HasType(u"HOME")   ? QStringLiteral("HOME")
                   : property.HasType(u"WORK") ? QStringLiteral("WORK")
                                               : QStringLiteral("POSTAL");
    QString word;
    if (!m_result.entry[kColAddress].isEmpty() && Jusho_Kind(QStringView(kind).left(3), kind, word)) {
        m_result.entry[kColAddressKind] = word;
    }
}

// Properties that only repeat what another one gave, or that describe the file, not the
// person; they are not reported.
bool Consumed(QStringView name)
{
    static constexpr QLatin1StringView kNames[] = {
        QLatin1StringView("VERSION"),
        QLatin1StringView("PRODID"),
        QLatin1StringView("UID"),
        QLatin1StringView("REV"),
        QLatin1StringView("FN"),
        QLatin1StringView("N"),
        QLatin1StringView("SORT-STRING"),
        QLatin1StringView("X-PHONETIC-LAST-NAME"),
        QLatin1StringView("X-PHONETIC-FIRST-NAME"),
        QLatin1StringView("X-ABLABEL"),
        QLatin1StringView("X-REDUCTION"),
        QLatin1StringView("TEL"),
        QLatin1StringView("EMAIL"),
        QLatin1StringView("ADR"),
        QLatin1StringView("LABEL"),
    };
    return std::any_of(std::begin(kNames), std::end(kNames), [&](QLatin1StringView known) { return name == known; });
}

// FN, N and the readings: what MapName and MapReading take the first readable one of.
bool NamesThePerson(const VCardProperty& property)
{
    static constexpr QLatin1StringView kNames[] = {
        QLatin1StringView("FN"),
        QLatin1StringView("N"),
        QLatin1StringView("SORT-STRING"),
        QLatin1StringView("X-PHONETIC-LAST-NAME"),
        QLatin1StringView("X-PHONETIC-FIRST-NAME"),
        QLatin1StringView("SOUND"),
    };
    return std::any_of(std::begin(kNames), std::end(kNames),
                       [&](QLatin1StringView known) { return property.name == known; });
}

// The single-valued properties that fill a cell of their own.
bool HasCell(QStringView name)
{
    static constexpr QLatin1StringView kNames[] = {
        QLatin1StringView("URL"),
        QLatin1StringView("CLASS"),
        QLatin1StringView("BDAY"),
        QLatin1StringView("X-MORVANE-BIRTHDAY"),
        QLatin1StringView("GEO"),
        QLatin1StringView("CATEGORIES"),
        QLatin1StringView("X-HOBBY"),
        QLatin1StringView("X-BLOODTYPE"),
        QLatin1StringView("X-CONSTELLATION"),
    };
    return std::any_of(std::begin(kNames), std::end(kNames), [&](QLatin1StringView known) { return name == known; });
}

void CardMapper::MapProperty(const VCardProperty& property)
{
    if (property.name.isEmpty()) {
        Note(property, property.text, ExchangeTexts::kUnreadableLine);
        return;
    }
    if (Consumed(property.name) || (property.name == u"SOUND" && property.HasType(u"X-IRMC-N"))) {
        // The name and reading are taken from the first readable one; one that could not be
        // decoded would otherwise vanish without a word.
        if (property.undecodable && NamesThePerson(property)) {
            Note(property, {}, ExchangeTexts::kUndecodable);
        }
        return;
    }
    if (property.name == u"ORG" && !m_namedByPerson &&
        m_result.entry[kColName] == SplitComponents(property.text).value(0).trimmed()) {
        return;
    }
    if (!Readable(property)) {
        return;
    }
    const QString text = UnescapeText(property.text).trimmed();
    if (text.isEmpty()) {
        return;
    }
    if (property.name == u"NOTE") {
        for (const QString& line : text.split(u'\n')) {
            if (!line.trimmed().isEmpty()) {
                m_memo.append(line.trimmed());
            }
        }
        m_memoProperty = &property;
        return;
    }
    if (property.name == u"X-GNO") {
        m_result.groupHint = text;
        return;
    }
    if (!HasCell(property.name)) {
        Note(property, text, ExchangeTexts::kNoPlace);
        return;
    }
    // The rest keep one value each; a second one is reported.
    const auto taken = std::find_if(m_single.cbegin(), m_single.cend(),
                                    [&](const VCardProperty* p) { return p->name == property.name; });
    if (taken != m_single.cend()) {
        Note(property, text, ExchangeTexts::kSlotsFull);
        return;
    }
    m_single.append(&property);
    if (property.name == u"URL") {
        Put(kColUrl, text, property);
    } else if (property.name == u"CLASS") {
        const QString upper = text.toUpper();
        if (upper == u"PUBLIC" || upper == u"PRIVATE") {
            m_result.entry[kColSecret] = upper;
        } else if (upper == u"CONFIDENTIAL") {
            m_result.entry[kColSecret] = QStringLiteral("PRIVATE");
        } else {
            Note(property, text, ExchangeTexts::kUnknownValue);
        }
    } else if (property.name == u"BDAY") {
        const QString cell = BirthdayCell(property);
        if (cell.isEmpty()) {
            Note(property, text, ExchangeTexts::kBadBirthday);
        }
        m_result.entry[kColBirthday] = cell;
    } else if (property.name == u"X-MORVANE-BIRTHDAY") {
        Put(kColBirthday, text, property);
    } else if (property.name == u"GEO") {
        const QString cell = GpsCell(property.text);
        if (cell.isEmpty()) {
            Note(property, text, ExchangeTexts::kUnknownValue);
        }
        m_result.entry[kColGps] = cell;
    } else if (property.name == u"CATEGORIES") {
        const QStringList groups = SplitList(property.text);
        Put(kColGroupName, groups.value(0), property);
        for (qsizetype i = 1; i < groups.size(); ++i) {
            if (!groups[i].trimmed().isEmpty()) {
                Note(property, groups[i], ExchangeTexts::kSlotsFull);
            }
        }
    } else if (property.name == u"X-HOBBY") {
        Put(kColHobby, text, property);
        m_hobby = text;
    } else if (property.name == u"X-BLOODTYPE") {
        const QString upper = text.toUpper();
        if (upper == u"A" || upper == u"B" || upper == u"O" || upper == u"AB") {
            m_result.entry[kColBloodType] = upper;
        } else {
            Note(property, text, ExchangeTexts::kUnknownValue);
        }
    } else if (property.name == u"X-CONSTELLATION") {
        const QString word = Seiza_Kind(text.toUpper());
        if (word.isEmpty()) {
            Note(property, text, ExchangeTexts::kUnknownValue);
        }
        m_result.entry[kColConstellation] = word;
    }
}

MappedCard CardMapper::Map()
{
    MapName();
    MapReading();
    MapSlots(u"TEL", TelNumberCell, TelKindCell);
    MapSlots(u"EMAIL", MailAddressCell, MailKindCell);
    MapAddress();
    for (const VCardProperty& property : m_card.properties) {
        MapProperty(property);
    }
    // Our own export repeats the hobby as the NOTE's last line, for address books that show
    // no X-HOBBY; it is not part of the memo.
    if (!m_hobby.isEmpty() && !m_memo.isEmpty() && m_memo.last() == ExchangeTexts::kHobbyLabel + m_hobby) {
        m_memo.removeLast();
    }
    if (m_memoProperty && !m_memo.isEmpty()) {
        Put(kColMemo, m_memo.join(u' '), *m_memoProperty);
    }
    for (int cell = 1; cell < kEntryColumnCount && !m_result.taken; ++cell) {
        m_result.taken = !m_result.entry[cell].isEmpty();
    }
    return std::move(m_result);
}

std::optional<int> Digits(QStringView text)
{
    if (text.isEmpty()) {
        return std::nullopt;
    }
    int value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

} // namespace

MappedCard MapCard(const VCardCard& card)
{
    return CardMapper(card).Map();
}

QString BirthdayCell(const VCardProperty& property)
{
    QString text = UnescapeText(property.text).trimmed();
    const qsizetype time = text.indexOf(u'T');
    if (time >= 0) {
        text.truncate(time);
    }
    text.remove(u'-');
    text.remove(u'/');
    text.remove(u'.');
    if (text.size() != 8) {
        return {};
    }
    const std::optional<int> year = Digits(QStringView(text).first(4));
    const std::optional<int> month = Digits(QStringView(text).sliced(4, 2));
    const std::optional<int> day = Digits(QStringView(text).sliced(6, 2));
    if (!year || !month || !day || !QDate(*year, *month, *day).isValid()) {
        return {};
    }
    // Apple marks a birthday without year by a placeholder year named in this parameter.
    if (property.Parameter(u"X-APPLE-OMIT-YEAR") == QStringView(text).first(4)) {
        return {};
    }
    return text;
}

QString GpsCell(QStringView geo)
{
    QString text = geo.trimmed().toString();
    if (text.startsWith(u"geo:", Qt::CaseInsensitive)) {
        text = text.sliced(4);
        text.truncate(text.indexOf(u';') < 0 ? text.size() : text.indexOf(u';'));
    }
    text = UnescapeText(text);
    QStringList parts = text.split(u';');
    if (parts.size() != 2) {
        parts = text.split(u',');
    }
    if (parts.size() < 2) {
        return {};
    }
    bool latOk = false;
    bool lonOk = false;
    const double lat = parts[0].trimmed().toDouble(&latOk);
    const double lon = parts[1].trimmed().toDouble(&lonOk);
    if (!latOk || !lonOk || !std::isfinite(lat) || !std::isfinite(lon) || std::abs(lat) > 90 || std::abs(lon) > 180) {
        return {};
    }
    auto dms = [](double degrees, int width) {
        // Hundredths of a second are the finest unit the position text holds.
        const qint64 hundredths = std::llround(std::abs(degrees) * 360000.0);
        const qint64 d = hundredths / 360000;
        const qint64 m = hundredths / 6000 % 60;
        const qint64 s = hundredths / 100 % 60;
        const qint64 h = hundredths % 100;
        return QString(degrees < 0 ? u'-' : u'+') + QStringLiteral("%1.%2.%3.%4")
                                                        .arg(d, width, 10, QChar(u'0'))
                                                        .arg(m, 2, 10, QChar(u'0'))
                                                        .arg(s, 2, 10, QChar(u'0'))
                                                        .arg(h, 2, 10, QChar(u'0'));
    };
    return dms(lat, 2) + u'&' + dms(lon, 3) + u'&';
}

QString PostalCodeCell(QStringView code)
{
    QString digits = code.toString().normalized(QString::NormalizationForm_KC);
    digits.removeIf(
        [](QChar c) { return c == u'-' || c == u'〒' || c == QChar{0x2212} || c == QChar{0x30FC} || c == u' '; });
    if (digits.size() != 7 || !Digits(digits)) {
        return {};
    }
    return digits.first(3) + u'-' + digits.sliced(3);
}
