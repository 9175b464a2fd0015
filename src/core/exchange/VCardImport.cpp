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
QVarLengthArray<QStringView, 8> ValueComponents(const QString& text, VCardVersion version, QStringList& storage)
{
    constexpr qsizetype kMaxParts = 8;
    QVarLengthArray<QStringView, 8> parts;
    if (std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c == u'\\'; })) {
        storage = SplitComponents(text, kMaxParts, version);
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

// The cells of free text, where a comma becomes the full-width comma; in a number, a mail
// address or a URL that would change what it reaches.
bool IsTextCell(int cell)
{
    return cell == kColName || cell == kColGroupName || cell == kColAddress || cell == kColHobby || cell == kColMemo;
}

// Kana and the blanks and commas between its parts, with at least one kana.
bool IsKanaReading(QStringView text)
{
    const auto kana = [](QChar c) {
        return (c >= QChar{0x3041} && c <= QChar{0x30FF}) || (c >= QChar{0xFF65} && c <= QChar{0xFF9F});
    };
    return std::any_of(text.begin(), text.end(), kana) &&
           std::all_of(text.begin(), text.end(), [&](QChar c) { return kana(c) || c == u',' || IsBlankCharacter(c); });
}

// A number that the phones of the memory dial's time dial as written: the pause that today's
// phones write as a comma, and the extension of a tel URI (";ext="), become the pause letter P.
QString DialableNumber(QStringView number)
{
    QString out;
    out.reserve(number.size());
    for (qsizetype i = 0; i < number.size(); ++i) {
        if (number[i] == u',') {
            out += u'P';
        } else if (number[i] == u';' && number.sliced(i + 1).startsWith(u"ext=", Qt::CaseInsensitive)) {
            out += u'P';
            i += 4;
        } else {
            out += number[i];
        }
    }
    return out;
}

// Whether a value starts with a URI scheme ("sip:", "xmpp:"): an address to call by other
// means, not a telephone number.
bool StartsWithScheme(QStringView text)
{
    const qsizetype colon = text.indexOf(u':');
    const auto isLetter = [](QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); };
    return colon >= 2 && isLetter(text.front()) && std::all_of(text.begin(), text.begin() + colon, [&](QChar c) {
               return isLetter(c) || (c >= u'0' && c <= u'9') || c == u'+' || c == u'.' || c == u'-';
           });
}

// Carriers name the PHS kind in type words of their own (X-NEC-PHS).
bool HasPhsWord(const VCardProperty& property)
{
    return std::any_of(property.types.cbegin(), property.types.cend(),
                       [](const QString& type) { return type.startsWith(u"X-") && type.split(u'-').contains(u"PHS"); });
}

class CardMapper
{
public:
    explicit CardMapper(const VCardCard& card) : m_card(card), m_version(card.version)
    {
        m_result.unlistedNotes = card.unreadProperties;
    }

    MappedCard Map();

private:
    void Note(const QString& what, QStringView value, const QString& reason)
    {
        if (m_result.notes.size() == kMaxNotesPerEntry) {
            ++m_result.unlistedNotes;
            return;
        }
        QString label = what;
        if (!value.isEmpty()) {
            label += label.isEmpty() ? QString() : QStringLiteral(" ");
            label += Shown(value);
        }
        m_result.notes.append(label + u'：' + reason);
    }
    void Note(const VCardProperty& property, QStringView value, const QString& reason)
    {
        Note(property.name, value, reason);
    }
    // Writes a text into a cell through the code-page fit, noting what was left out.
    void Put(int cell, QString text, const VCardProperty& property, CellEdges edges = CellEdges::Trimmed)
    {
        if (FitsMemoryDialCell(text)) {
            m_result.entry[cell] = std::move(text);
            return;
        }
        if (IsTextCell(cell) && text.contains(u',')) {
            Note(property, text, ExchangeTexts::kCommaWidened);
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
                return Unescaped(other.text);
            }
        }
        return {};
    }

    // Whether an FN or N before `fallback` was refused under the same CHARSET: the rule that
    // refused it decoded the fallback too, most likely into other characters.
    bool RefusedBefore(const VCardProperty& fallback, std::initializer_list<VCardName> before) const
    {
        const QString label = fallback.Parameter(u"CHARSET");
        return std::any_of(m_card.properties.cbegin(), m_card.properties.cend(), [&](const VCardProperty& p) {
            return p.undecodable && std::find(before.begin(), before.end(), p.id) != before.end() &&
                   p.Parameter(u"CHARSET").compare(label, Qt::CaseInsensitive) == 0;
        });
    }
    bool NameOfNoName(const VCardProperty& fn) const;

    void MapName();
    void MapReading();
    void MapSlots(VCardName name, int (*numberCell)(int), int (*kindCell)(int));
    void MapAddress();
    void SetAddressKind(const VCardProperty& property);
    void MapProperty(const VCardProperty& property);
    QString TelCode(const VCardProperty& property) const;
    QString MailCode(const VCardProperty& property) const;

    QString Unescaped(const QString& text) const { return UnescapeText(text, m_version); }
    QString Unescaped(QStringView text) const { return UnescapeText(text, m_version); }
    QVarLengthArray<QStringView, 8> Components(const QString& text, QStringList& storage) const
    {
        return ValueComponents(text, m_version, storage);
    }

    const VCardCard& m_card;
    const VCardVersion m_version;
    MappedCard m_result;
    QStringList m_memo; // the lines of every NOTE, joined once at the end
    const VCardProperty* m_memoProperty = nullptr;
    std::optional<QString> m_hobby;                     // trimmed, to recognise the labelled copy in the NOTE
    QVarLengthArray<const VCardProperty*, 16> m_single; // single-valued properties already taken
    bool m_namedByPerson = false;                       // FN or N gave the name, not ORG
};

// Our export gives an entry without a name an FN from its reading, else from its first number
// or mail address, beside an N of empty components; such an entry comes back without a name.
bool CardMapper::NameOfNoName(const VCardProperty& fn) const
{
    const auto n = std::find_if(m_card.properties.cbegin(), m_card.properties.cend(),
                                [](const VCardProperty& p) { return p.id == VCardName::N; });
    if (n == m_card.properties.cend() || n->undecodable ||
        !std::all_of(n->text.cbegin(), n->text.cend(), [](QChar c) { return c == u';' || IsBlankCharacter(c); })) {
        return false;
    }
    const QString name = TrimmedText(Unescaped(fn.text));
    const Entry& entry = m_result.entry;
    return (!entry[kColReading].isEmpty() && name == FullWidthKatakana(entry[kColReading])) ||
           (!entry[TelNumberCell(1)].isEmpty() && name == entry[TelNumberCell(1)]) ||
           (!entry[MailAddressCell(1)].isEmpty() && name == entry[MailAddressCell(1)]);
}

void CardMapper::MapName()
{
    const VCardProperty* fn = First(VCardName::Fn);
    const VCardProperty* n = First(VCardName::N);
    m_namedByPerson = fn != nullptr || n != nullptr;
    if (fn) {
        if (!NameOfNoName(*fn)) {
            Put(kColName, Unescaped(fn->text), *fn);
        }
        return;
    }
    if (n && !RefusedBefore(*n, {VCardName::Fn})) {
        QStringList storage;
        const auto parts = Components(n->text, storage);
        QString name;
        // Family name, given name and the middle names, which 3.0 and 4.0 list with commas.
        for (int i : {0, 1, 2}) {
            QString part = Part(parts, i).trimmed().toString();
            if (i == 2 && m_version != VCardVersion::V21) {
                part = part.replace(u',', u' ').simplified();
            }
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
    const VCardProperty* org = First(VCardName::Org);
    if (org && !RefusedBefore(*org, {VCardName::Fn, VCardName::N})) {
        QStringList storage;
        Put(kColName, Part(Components(org->text, storage), 0).toString(), *org);
    }
}

void CardMapper::MapReading()
{
    // SORT-STRING holds the whole reading as written; the phonetic parts lose how the two
    // halves were separated.
    if (const VCardProperty* sort = First(VCardName::SortString)) {
        Put(kColReading, HalfWidthReading(Unescaped(sort->text)), *sort);
        return;
    }
    const VCardProperty* last = First(VCardName::PhoneticLastName);
    const VCardProperty* first = First(VCardName::PhoneticFirstName);
    if ((last || first) && !RefusedBefore(last ? *last : *first, {VCardName::SortString})) {
        QString reading;
        for (const VCardProperty* part : {last, first}) {
            if (part) {
                if (part == first && last) {
                    reading += u' ';
                }
                reading += QStringView(Unescaped(part->text)).trimmed();
            }
        }
        Put(kColReading, HalfWidthReading(reading), last ? *last : *first);
        return;
    }
    // vCard 4.0 gives the reading as N's SORT-AS ("family,given"); one in Latin letters only
    // orders the list and is no reading.
    if (const VCardProperty* n = First(VCardName::N); n && !n->parameters.isEmpty()) {
        const QString sortAs = n->Parameter(u"SORT-AS");
        if (IsKanaReading(sortAs) &&
            !RefusedBefore(*n, {VCardName::SortString, VCardName::PhoneticLastName, VCardName::PhoneticFirstName})) {
            QString reading;
            for (const QStringView part : QStringView(sortAs).tokenize(u',')) {
                if (!part.trimmed().isEmpty()) {
                    if (!reading.isEmpty()) {
                        reading += u' ';
                    }
                    reading += part.trimmed();
                }
            }
            Put(kColReading, HalfWidthReading(reading), *n);
            return;
        }
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
    if (property.HasType(VCardType::Pcs) || HasPhsWord(property) || LabelIs(Label(property), {u"PHS", u"PCS"})) {
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
    if (property.HasType(VCardType::Pcs) || HasPhsWord(property) || LabelIs(label, {u"PHS", u"PCS"})) {
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
        const QString unescaped = Unescaped(property.text);
        const QStringView plain = WithoutScheme(unescaped, scheme);
        QString value = plain.size() == unescaped.size() ? unescaped : plain.toString();
        if (tel && StartsWithScheme(value)) {
            Note(property, value, ExchangeTexts::kNotTelephone);
            continue;
        }
        if (!tel && value.contains(u',')) {
            Note(property, value, ExchangeTexts::kCommaInAddress);
            continue;
        }
        if (filled == kSlotCount) {
            Note(property, value, ExchangeTexts::kSlotsFull);
            continue;
        }
        const int slot = filled + 1;
        if (tel && (value.contains(u',') || value.contains(u';'))) {
            QString dialable = DialableNumber(value);
            if (dialable != value) {
                Note(property, value, ExchangeTexts::kPauseLetter);
                value = std::move(dialable);
            }
        }
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
            Put(kColAddress, Unescaped(label->text), *label);
            SetAddressKind(*label);
        }
        return;
    }
    for (qsizetype i = 1; i < found.size(); ++i) {
        Note(*found[i], Unescaped(found[i]->text), ExchangeTexts::kSlotsFull);
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
    const QString unescaped = Unescaped(property.text);
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
        // "%2C" is the same address as the comma, which a memory-dial cell cannot hold.
        Put(kColUrl, text.contains(u',') ? QString(text).replace(u',', QStringLiteral("%2C")) : text, property);
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
        qsizetype end = NextSeparator(items, u',', 0, m_version);
        Put(kColGroupName, end < 0 ? Unescaped(property.text) : Unescaped(items.first(end)), property);
        while (end >= 0) {
            const qsizetype start = end + 1;
            end = NextSeparator(items, u',', start, m_version);
            const QStringView item = items.sliced(start, (end < 0 ? items.size() : end) - start);
            if (!item.trimmed().isEmpty()) {
                Note(property, Unescaped(item), ExchangeTexts::kSlotsFull);
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
    for (const QString& label : m_card.utf8Labels) {
        Note(QStringLiteral("CHARSET=") + label, {}, ExchangeTexts::kReadAsUtf8);
    }
    MapReading();
    MapSlots(VCardName::Tel, TelNumberCell, TelKindCell);
    MapSlots(VCardName::Email, MailAddressCell, MailKindCell);
    // After the reading and the numbers, which an FN may merely repeat.
    MapName();
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
    // Dates hold no backslash that means anything in any version.
    const QString unescaped = UnescapeText(property.text, VCardVersion::V30);
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
    text = UnescapeText(text, VCardVersion::V30);
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
