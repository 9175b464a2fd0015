#include "VCardImport.h"

#include "ExchangeTexts.h"
#include "TextFit.h"
#include "memorydial/KindCodes.h"

#include <QDate>
#include <QVarLengthArray>

#include <array>
#include <cmath>
#include <numeric>
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
    return std::all_of(text.begin(), text.end(), IsBlankCharacter);
}

// The components of a structured value, as views into `text` when it holds no escape (as
// nearly every value does) and into unescaped copies kept in `storage` otherwise. No value
// that the mapping reads has more than seven; the eighth holds the rest, so that a value of
// millions of separators stays one text in memory.
QVarLengthArray<QStringView, 8> Components(const QString& text, QStringList& storage)
{
    constexpr qsizetype kMaxParts = 8;
    QVarLengthArray<QStringView, 8> parts;
    if (std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c == u'\\'; })) {
        storage = SplitComponents(text, kMaxParts);
        for (const QString& part : storage) {
            parts.append(part);
        }
    } else {
        qsizetype start = 0;
        for (qsizetype i = 0; i < text.size() && parts.size() + 1 < kMaxParts; ++i) {
            if (text[i] == u';') {
                parts.append(QStringView(text).sliced(start, i - start));
                start = i + 1;
            }
        }
        parts.append(QStringView(text).sliced(start));
    }
    return parts;
}

QStringView Part(const QVarLengthArray<QStringView, 8>& parts, qsizetype i)
{
    return i < parts.size() ? parts[i] : QStringView();
}

class CardMapper
{
public:
    explicit CardMapper(const VCardCard& card) : m_card(card) { m_result.unlistedNotes = card.unreadProperties; }

    MappedCard Map();

private:
    void Note(const VCardProperty& property, QStringView value, const QString& reason)
    {
        if (m_result.notes.size() == kMaxNotesPerEntry) {
            ++m_result.unlistedNotes;
            return;
        }
        QString label = property.name.isEmpty() ? QString() : property.name;
        if (!value.isEmpty()) {
            label += label.isEmpty() ? QString() : QStringLiteral(" ");
            label += Shown(value);
        }
        m_result.notes.append(label + u'：' + reason);
    }
    // Writes a text into a cell through the code-page fit, noting what was left out.
    void Put(int cell, QString text, const VCardProperty& property, CellEdges edges = CellEdges::Trimmed)
    {
        if (FitsMemoryDialCell(text)) {
            m_result.entry[cell] = std::move(text);
            return;
        }
        FittedText fitted = FitMemoryDialCell(text, edges);
        if (!fitted.dropped.isEmpty()) {
            Note(property, text, ExchangeTexts::kDroppedBefore + fitted.dropped + ExchangeTexts::kDroppedAfter);
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
    const VCardProperty* First(VCardName name) const
    {
        for (const VCardProperty& property : m_card.properties) {
            if (property.id == name && !property.undecodable && !IsBlank(property.text)) {
                return &property;
            }
        }
        return nullptr;
    }
    // The X-ABLabel of the property's group, empty when there is none.
    QString Label(const VCardProperty& property) const
    {
        if (property.group.isEmpty()) {
            return {};
        }
        for (const VCardProperty& other : m_card.properties) {
            if (other.id == VCardName::AbLabel && other.group == property.group) {
                return UnescapeText(other.text);
            }
        }
        return {};
    }

    void MapName();
    void MapReading();
    void MapSlots(VCardName name, int (*numberCell)(int), int (*kindCell)(int));
    void MapAddress();
    void SetAddressKind(const VCardProperty& property);
    void MapProperty(const VCardProperty& property);
    QString TelCode(const VCardProperty& property) const;
    QString MailCode(const VCardProperty& property) const;

    const VCardCard& m_card;
    MappedCard m_result;
    QStringList m_memo; // the lines of every NOTE, joined once at the end
    const VCardProperty* m_memoProperty = nullptr;
    std::optional<QString> m_hobby;                     // trimmed, to recognise the labelled copy in the NOTE
    QVarLengthArray<const VCardProperty*, 16> m_single; // single-valued properties already taken
    bool m_namedByPerson = false;                       // FN or N gave the name, not ORG
};

void CardMapper::MapName()
{
    const VCardProperty* fn = First(VCardName::Fn);
    const VCardProperty* n = First(VCardName::N);
    m_namedByPerson = fn != nullptr || n != nullptr;
    if (fn) {
        Put(kColName, UnescapeText(fn->text), *fn);
        return;
    }
    if (n) {
        QStringList storage;
        const auto parts = Components(n->text, storage);
        QString name;
        for (int i : {0, 1}) {
            const QStringView part = Part(parts, i).trimmed();
            if (!part.isEmpty()) {
                if (!name.isEmpty()) {
                    name += u' ';
                }
                name += part;
            }
        }
        if (!name.isEmpty()) {
            Put(kColName, name, *n);
            return;
        }
    }
    // Shops and offices often carry only their organisation.
    if (const VCardProperty* org = First(VCardName::Org)) {
        QStringList storage;
        Put(kColName, Part(Components(org->text, storage), 0).toString(), *org);
    }
}

void CardMapper::MapReading()
{
    // SORT-STRING holds the whole reading as written; the phonetic parts lose how the two
    // halves were separated.
    if (const VCardProperty* sort = First(VCardName::SortString)) {
        Put(kColReading, HalfWidthReading(UnescapeText(sort->text)), *sort);
        return;
    }
    const VCardProperty* last = First(VCardName::PhoneticLastName);
    const VCardProperty* first = First(VCardName::PhoneticFirstName);
    if (last || first) {
        QString reading;
        for (const VCardProperty* part : {last, first}) {
            if (part) {
                if (part == first && last) {
                    reading += u' ';
                }
                reading += QStringView(UnescapeText(part->text)).trimmed();
            }
        }
        Put(kColReading, HalfWidthReading(reading), last ? *last : *first);
        return;
    }
    for (const VCardProperty& property : m_card.properties) {
        if (property.id == VCardName::Sound && property.HasType(VCardType::IrmcN) && !property.undecodable) {
            QStringList storage;
            QString reading;
            for (const QStringView part : Components(property.text, storage)) {
                const QStringView trimmed = part.trimmed();
                if (!trimmed.isEmpty()) {
                    if (!reading.isEmpty()) {
                        reading += u' ';
                    }
                    reading += trimmed;
                }
            }
            Put(kColReading, HalfWidthReading(reading), property);
            return;
        }
    }
}

// `text` without the blanks around it and the URI schemes at its start, however often written:
// vCard 4.0 writes numbers and mail addresses as URIs (tel:, mailto:), and the scheme is no part
// of the cell.
QStringView WithoutScheme(QStringView text, QStringView scheme)
{
    const auto trimmed = [](QStringView t) { return HasBlankEdge(t) ? t.trimmed() : t; };
    // The first letter in either case is looked at first: hardly any value starts with a scheme.
    const auto startsWithScheme = [&](QStringView t) {
        return !t.isEmpty() && (t.front().unicode() | 0x20) == scheme.front().unicode() &&
               t.startsWith(scheme, Qt::CaseInsensitive);
    };
    text = trimmed(text);
    while (startsWithScheme(text)) {
        text = trimmed(text.sliced(scheme.size()));
    }
    return text;
}

// Whether a label names one of `words`, whatever its case.
bool LabelIs(QStringView label, std::initializer_list<QStringView> words)
{
    label = label.trimmed();
    // Case folding keeps the length of every character these words hold.
    return !label.isEmpty() && std::any_of(words.begin(), words.end(), [&](QStringView word) {
        return label.size() == word.size() && label.compare(word, Qt::CaseInsensitive) == 0;
    });
}

QString CardMapper::TelCode(const VCardProperty& property) const
{
    if (property.HasType(VCardType::Fax)) {
        return QStringLiteral("FAX");
    }
    if (property.HasType(VCardType::Cell) || property.HasType(VCardType::IPhone)) {
        return QStringLiteral("CELL");
    }
    if (property.HasType(VCardType::Pcs) || LabelIs(Label(property), {u"PHS", u"PCS"})) {
        return QStringLiteral("PCS");
    }
    if (property.HasType(VCardType::Home)) {
        return QStringLiteral("HOME");
    }
    if (property.HasType(VCardType::Work)) {
        return QStringLiteral("WORK");
    }
    return QStringLiteral("VOICE");
}

QString CardMapper::MailCode(const VCardProperty& property) const
{
    if (property.HasType(VCardType::Cell)) {
        return QStringLiteral("CELL");
    }
    const QString label = Label(property);
    if (property.HasType(VCardType::Pcs) || LabelIs(label, {u"PHS", u"PCS"})) {
        return QStringLiteral("PCS");
    }
    if (property.HasType(VCardType::School) || LabelIs(label, {u"学校", u"SCHOOL"})) {
        return QStringLiteral("SCHOOL");
    }
    if (property.HasType(VCardType::Home)) {
        return QStringLiteral("HOME");
    }
    if (property.HasType(VCardType::Work)) {
        return QStringLiteral("WORK");
    }
    return QStringLiteral("INTERNET");
}

void CardMapper::MapSlots(VCardName name, int (*numberCell)(int), int (*kindCell)(int))
{
    QVarLengthArray<const VCardProperty*, kSlotCount + 1> found;
    for (const VCardProperty& property : m_card.properties) {
        if (property.id != name || (!property.undecodable && IsBlank(property.text))) {
            continue;
        }
        if (Readable(property)) {
            found.append(&property);
        }
    }
    // Slot 1 is the preferred one.
    const auto preferred =
        std::find_if(found.begin(), found.end(), [](const VCardProperty* p) { return p->HasType(VCardType::Pref); });
    if (preferred != found.end()) {
        std::rotate(found.begin(), preferred, preferred + 1);
    }
    const bool tel = name == VCardName::Tel;
    int filled = 0;
    for (qsizetype i = 0; i < found.size(); ++i) {
        const VCardProperty& property = *found[i];
        const QStringView scheme = tel ? QStringView(u"tel:") : QStringView(u"mailto:");
        const QString unescaped = UnescapeText(property.text);
        const QStringView plain = WithoutScheme(unescaped, scheme);
        QString value = plain.size() == unescaped.size() ? unescaped : plain.toString();
        if (filled == kSlotCount) {
            Note(property, value, ExchangeTexts::kSlotsFull);
            continue;
        }
        const int slot = filled + 1;
        Put(numberCell(slot), std::move(value), property);
        // Control characters become blanks and go while the text is fitted, and may uncover a
        // scheme; no cell may start with one, or the next import of our own export would take
        // it away.
        QString& cell = m_result.entry[numberCell(slot)];
        if (const QStringView rest = WithoutScheme(cell, scheme); rest.size() != cell.size()) {
            cell = rest.toString();
        }
        // A value with nothing a memory dial can hold leaves its slot to the next one: a gap
        // before a filled slot would not survive the next export.
        if (cell.isEmpty()) {
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

QString JoinAddress(const QVarLengthArray<QStringView, 8>& parts)
{
    // Japanese order, largest first: region, locality, street, extended address, box.
    QString address(std::accumulate(parts.cbegin(), parts.cend(), qsizetype(5),
                                    [](qsizetype size, QStringView part) { return size + part.size(); }),
                    Qt::Uninitialized);
    QChar* const begin = address.data();
    QChar* end = begin;
    for (const int i : {4, 3, 2, 1, 0}) {
        const QStringView part = Part(parts, i).trimmed();
        if (part.isEmpty()) {
            continue;
        }
        if (end != begin && end[-1].unicode() < 0x80 && part.front().unicode() < 0x80) {
            *end++ = u' ';
        }
        end = std::copy(part.begin(), part.end(), end);
    }
    address.truncate(end - begin);
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
        if (property.id == VCardName::Adr && (property.undecodable || !IsBlank(property.text)) && Readable(property)) {
            found.append(&property);
        }
    }
    const auto preferred =
        std::find_if(found.begin(), found.end(), [](const VCardProperty* p) { return p->HasType(VCardType::Pref); });
    if (preferred != found.end()) {
        std::rotate(found.begin(), preferred, preferred + 1);
    }
    if (found.isEmpty()) {
        // A label alone still says where the person lives.
        if (const VCardProperty* label = First(VCardName::Label)) {
            Put(kColAddress, UnescapeText(label->text), *label);
            SetAddressKind(*label);
        }
        return;
    }
    for (qsizetype i = 1; i < found.size(); ++i) {
        Note(*found[i], UnescapeText(found[i]->text), ExchangeTexts::kSlotsFull);
    }
    const VCardProperty& adr = *found.front();
    QStringList storage;
    const auto parts = Components(adr.text, storage);
    Put(kColAddress, JoinAddress(parts), adr);
    const QStringView code = Part(parts, 5).trimmed();
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
    if (!IsJapan(Part(parts, 6))) {
        Note(adr, Part(parts, 6), ExchangeTexts::kNoPlace);
    }
    SetAddressKind(adr);
}

void CardMapper::SetAddressKind(const VCardProperty& property)
{
    QString kind = property.HasType(VCardType::Home)   ? QStringLiteral("HOME")
                   : property.HasType(VCardType::Work) ? QStringLiteral("WORK")
                                                       : QStringLiteral("POSTAL");
    QString word;
    if (!m_result.entry[kColAddress].isEmpty() && Jusho_Kind(QStringView(kind).left(3), kind, word)) {
        m_result.entry[kColAddressKind] = word;
    }
}

// Properties that only repeat what another one gave, or that describe the file, not the
// person; they are not reported.
bool Consumed(VCardName name)
{
    switch (name) {
    case VCardName::Version:
    case VCardName::Prodid:
    case VCardName::Uid:
    case VCardName::Rev:
    case VCardName::Fn:
    case VCardName::N:
    case VCardName::SortString:
    case VCardName::PhoneticLastName:
    case VCardName::PhoneticFirstName:
    case VCardName::AbLabel:
    case VCardName::Reduction:
    case VCardName::Tel:
    case VCardName::Email:
    case VCardName::Adr:
    case VCardName::Label:
        return true;
    default:
        return false;
    }
}

// FN, N and the readings: what MapName and MapReading take the first readable one of.
bool NamesThePerson(VCardName name)
{
    switch (name) {
    case VCardName::Fn:
    case VCardName::N:
    case VCardName::SortString:
    case VCardName::PhoneticLastName:
    case VCardName::PhoneticFirstName:
    case VCardName::Sound:
        return true;
    default:
        return false;
    }
}

// The single-valued properties that fill a cell of their own.
bool HasCell(VCardName name)
{
    switch (name) {
    case VCardName::Url:
    case VCardName::Class:
    case VCardName::Bday:
    case VCardName::MorvaneBirthday:
    case VCardName::Geo:
    case VCardName::Categories:
    case VCardName::Hobby:
    case VCardName::BloodType:
    case VCardName::Constellation:
        return true;
    default:
        return false;
    }
}

void CardMapper::MapProperty(const VCardProperty& property)
{
    if (property.name.isEmpty()) {
        Note(property, property.text, ExchangeTexts::kUnreadableLine);
        return;
    }
    const VCardName id = property.id;
    if (Consumed(id) || (id == VCardName::Sound && property.HasType(VCardType::IrmcN))) {
        // The name and reading are taken from the first readable one; one that could not be
        // decoded would otherwise vanish without a word.
        if (property.undecodable && NamesThePerson(id)) {
            Note(property, {}, ExchangeTexts::kUndecodable);
        }
        return;
    }
    if (id == VCardName::Org && !m_namedByPerson) {
        QStringList storage;
        if (m_result.entry[kColName] == Part(Components(property.text, storage), 0).trimmed()) {
            return;
        }
    }
    if (!Readable(property)) {
        return;
    }
    const QString unescaped = UnescapeText(property.text);
    const QString text = TrimmedText(unescaped);
    if (id == VCardName::Hobby && (!m_hobby || m_hobby->isEmpty())) {
        m_hobby = text;
    }
    if (text.isEmpty()) {
        return;
    }
    if (id == VCardName::Note) {
        if (!text.contains(u'\n')) {
            m_memo.append(text); // already trimmed and not empty
        } else {
            for (const QStringView line : QStringView(text).tokenize(u'\n')) {
                if (!line.trimmed().isEmpty()) {
                    m_memo.append(line.trimmed().toString());
                }
            }
        }
        m_memoProperty = &property;
        return;
    }
    if (id == VCardName::Gno) {
        m_result.groupHint = text;
        return;
    }
    if (!HasCell(id)) {
        Note(property, text, ExchangeTexts::kNoPlace);
        return;
    }
    // The rest keep one value each; a second one is reported.
    const auto taken =
        std::find_if(m_single.cbegin(), m_single.cend(), [&](const VCardProperty* p) { return p->id == id; });
    if (taken != m_single.cend()) {
        Note(property, text, ExchangeTexts::kSlotsFull);
        return;
    }
    m_single.append(&property);
    if (id == VCardName::Url) {
        Put(kColUrl, text, property);
    } else if (id == VCardName::Class) {
        const QString upper = text.toUpper();
        if (upper == u"PUBLIC" || upper == u"PRIVATE") {
            m_result.entry[kColSecret] = upper;
        } else if (upper == u"CONFIDENTIAL") {
            m_result.entry[kColSecret] = QStringLiteral("PRIVATE");
        } else {
            Note(property, text, ExchangeTexts::kUnknownValue);
        }
    } else if (id == VCardName::Bday) {
        const QString cell = BirthdayCell(property);
        if (cell.isEmpty()) {
            Note(property, text, ExchangeTexts::kBadBirthday);
        }
        m_result.entry[kColBirthday] = cell;
    } else if (id == VCardName::MorvaneBirthday) {
        Put(kColBirthday, text, property);
    } else if (id == VCardName::Geo) {
        const QString cell = GpsCell(property.text);
        if (cell.isEmpty()) {
            Note(property, text, ExchangeTexts::kUnknownValue);
        }
        m_result.entry[kColGps] = cell;
    } else if (id == VCardName::Categories) {
        // The items are walked, not split into a list: a value of millions of items stays one
        // text in memory. A single group is the value itself, shared rather than copied.
        const QStringView items(property.text);
        qsizetype end = NextSeparator(items, u',', 0);
        Put(kColGroupName, end < 0 ? UnescapeText(property.text) : UnescapeText(items.first(end)), property);
        while (end >= 0) {
            const qsizetype start = end + 1;
            end = NextSeparator(items, u',', start);
            const QStringView item = items.sliced(start, (end < 0 ? items.size() : end) - start);
            if (!item.trimmed().isEmpty()) {
                Note(property, UnescapeText(item), ExchangeTexts::kSlotsFull);
            }
        }
    } else if (id == VCardName::Hobby) {
        // A memory dial keeps the blanks around a hobby, and our own export writes them.
        Put(kColHobby, unescaped, property, CellEdges::Kept);
    } else if (id == VCardName::BloodType) {
        const QString upper = text.toUpper();
        if (upper == u"A" || upper == u"B" || upper == u"O" || upper == u"AB") {
            m_result.entry[kColBloodType] = upper;
        } else {
            Note(property, text, ExchangeTexts::kUnknownValue);
        }
    } else if (id == VCardName::Constellation) {
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
    MapSlots(VCardName::Tel, TelNumberCell, TelKindCell);
    MapSlots(VCardName::Email, MailAddressCell, MailKindCell);
    MapAddress();
    for (const VCardProperty& property : m_card.properties) {
        MapProperty(property);
    }
    // Our own export repeats the hobby as the NOTE's last line, for address books that show
    // no X-HOBBY; it is not part of the memo. The line is trimmed like every memo line, and
    // the hobby's own blanks stand right after the label.
    if (m_hobby && !m_memo.isEmpty() && m_memo.last().startsWith(ExchangeTexts::kHobbyLabel) &&
        QStringView(m_memo.last()).sliced(ExchangeTexts::kHobbyLabel.size()).trimmed() == *m_hobby) {
        m_memo.removeLast();
    }
    if (m_memoProperty && !m_memo.isEmpty()) {
        Put(kColMemo, m_memo.size() == 1 ? m_memo.front() : m_memo.join(u' '), *m_memoProperty);
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

QStringList MappedCard::ReportNotes() const
{
    if (unlistedNotes == 0) {
        return notes;
    }
    return notes + QStringList{ExchangeTexts::kUnlistedBefore + QString::number(unlistedNotes) +
                               ExchangeTexts::kUnlistedNotesAfter};
}

MappedCard MapCard(const VCardCard& card)
{
    return CardMapper(card).Map();
}

QString BirthdayCell(const VCardProperty& property)
{
    const QString unescaped = UnescapeText(property.text);
    QStringView date = QStringView(unescaped).trimmed();
    const qsizetype time = date.indexOf(u'T');
    if (time >= 0) {
        date.truncate(time);
    }
    // The digits once the separators are gone; anything but eight of them is no full date.
    std::array<QChar, 8> digits;
    qsizetype count = 0;
    for (const QChar c : date) {
        if (c == u'-' || c == u'/' || c == u'.') {
            continue;
        }
        if (count == qsizetype(digits.size())) {
            return {};
        }
        digits[count++] = c;
    }
    if (count != qsizetype(digits.size())) {
        return {};
    }
    const QStringView text(digits.data(), digits.size());
    const std::optional<int> year = Digits(text.first(4));
    const std::optional<int> month = Digits(text.sliced(4, 2));
    const std::optional<int> day = Digits(text.sliced(6, 2));
    if (!year || !month || !day || !QDate(*year, *month, *day).isValid()) {
        return {};
    }
    // Apple marks a birthday without year by a placeholder year named in this parameter.
    if (!property.parameters.isEmpty() && property.Parameter(u"X-APPLE-OMIT-YEAR") == text.first(4)) {
        return {};
    }
    return text.toString();
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
    // NFKC turns full-width digits into ASCII; ASCII, as nearly every code is, stays as it is.
    QString normalized;
    if (!std::all_of(code.begin(), code.end(), [](QChar c) { return c.unicode() < 0x80; })) {
        normalized = code.toString().normalized(QString::NormalizationForm_KC);
        code = normalized;
    }
    constexpr qsizetype kDigits = 7;
    std::array<QChar, kDigits + 1> cell; // "150-8512"
    qsizetype count = 0;
    for (const QChar c : code) {
        if (c == u'-' || c == u'〒' || c == QChar{0x2212} || c == QChar{0x30FC} || c == u' ') {
            continue;
        }
        if (c < u'0' || c > u'9' || count == kDigits) {
            return {};
        }
        cell[count < 3 ? count : count + 1] = c;
        ++count;
    }
    if (count != kDigits) {
        return {};
    }
    cell[3] = u'-';
    return QString(cell.data(), cell.size());
}
