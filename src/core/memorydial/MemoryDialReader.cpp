#include "MemoryDialReader.h"

#include "CodePage.h"
#include "KindCodes.h"
#include "ValueCutter.h"
#include "files/FileTexts.h"

#include <QVarLengthArray>

#include <algorithm>
#include <array>

namespace {

constexpr int kExtraSlots = kSlotCount - 1;

// The values one record collected, before they become cells.
struct RecordSlots
{
    QStringView fn;
    QStringView sort;
    QStringView telPref;
    std::array<QStringView, kExtraSlots> tels;
    int telCount = 0;
    QStringView mailPref;
    std::array<QStringView, kExtraSlots> mails;
    int mailCount = 0;
    QStringView gno;
    QStringView categories;
    QStringView reduction;
    QStringView secret;
    QStringView address;
    QStringView note;
    QStringView url;
    QStringView geo;
    QStringView birthday;
    QStringView hobby;
    QStringView bloodType;
    QStringView constellation;
    QStringView revision;
    // Some property was stored for this record; an unclosed record that holds nothing is no entry.
    bool used = false;
};

using KindLookup = bool (*)(QStringView, QString&, QString&);

// `value` without `marker` in front. The writer puts each marker only there, so one met further
// on is the user's own text ("call NOTE: 3pm") and stays.
QString Removed(QStringView value, QStringView marker)
{
    return (value.startsWith(marker) ? value.sliced(marker.size()) : value).toString();
}

// A marker put together on the stack: built for every typed value.
using Marker = QVarLengthArray<char16_t, 64>;

Marker Joined(std::initializer_list<QStringView> parts)
{
    Marker text;
    for (const QStringView part : parts) {
        text.append(part.utf16(), part.size());
    }
    return text;
}

QStringView ViewOf(const Marker& marker)
{
    return QStringView(marker.constData(), marker.size());
}

// Splits a typed value ("CELL:0901234567" or, for slots 2-5, "TEL;TYPE=CELL:0901234567") into
// its number and kind word. The key is the three characters after `prefix`; a known key gives
// the kind word. The type (`prefix`, the code, `codeEnd`) is removed only where it stands, in
// front: the rest is the user's text, colons included, and removing a type met inside it
// would take text from the cell and, as the address is written with ";;;;" + postal code
// behind it, could even join a new one on every save. An unknown or empty code gives no kind
// word and ends at the first ":".
void SplitTyped(QStringView value, QStringView prefix, KindLookup lookup, QStringView codeEnd, QString& number,
                QString& word)
{
    const qsizetype keyAt = prefix.size();
    QString code;
    word.clear();
    qsizetype end = -1;
    if (lookup(value.mid(keyAt, 3), code, word)) {
        const Marker type = Joined({prefix, code, codeEnd});
        if (value.startsWith(ViewOf(type))) {
            end = type.size();
        }
    } else {
        const qsizetype colon = value.indexOf(u':', value.startsWith(prefix) ? keyAt : 0);
        if (colon >= 0 && value.sliced(colon).startsWith(codeEnd)) {
            end = colon + codeEnd.size();
        }
    }
    number = end < 0 ? value.toString() : value.sliced(end).toString();
}

// Splits "address;;;;postal;" into the address text (left in `address`) and the postal code.
// The postal code is whatever stands between the last ";;;;" and the closing ";", so an empty
// or short code reads back as written instead of eating the end of the address.
QString SplitPostalCode(QString& address)
{
    // Shorter than ";;;;;" there is no separator (and a negative start would search from the end).
    if (address.size() < 5 || !address.endsWith(u';')) {
        return {};
    }
    const qsizetype separator = address.lastIndexOf(u";;;;", address.size() - 5);
    if (separator < 0) {
        return {};
    }
    const QString postal = address.sliced(separator + 4, address.size() - 1 - (separator + 4));
    address.truncate(separator);
    return postal;
}

QString PadLeft(const QString& text, qsizetype width)
{
    if (text.isEmpty() || text.size() >= width) {
        return text;
    }
    QString padded;
    padded.reserve(width);
    padded.resize(width - text.size(), u'0');
    padded.append(text);
    return padded;
}

Entry ToEntry(const RecordSlots& record)
{
    Entry entry;
    entry[kColNumber] = PadLeft(Removed(record.reduction, u"X-REDUCTION:"), 3);
    entry[kColName] = Removed(record.fn, u"FN:");
    entry[kColReading] = Removed(record.sort, u"SORT-STRING:");

    QString number;
    QString word;
    SplitTyped(record.telPref, u"", Tel_Kind, u":", number, word);
    entry[TelNumberCell(1)] = number;
    entry[TelKindCell(1)] = number.isEmpty() ? QString() : word;
    for (int n = 2; n <= kSlotCount; ++n) {
        SplitTyped(record.tels[static_cast<std::size_t>(n - 2)], u"TEL;TYPE=", Tel_Kind, u":", number, word);
        entry[TelNumberCell(n)] = number;
        entry[TelKindCell(n)] = number.isEmpty() ? QString() : word;
    }
    SplitTyped(record.mailPref, u"", E_mail_Kind, u":", number, word);
    entry[MailAddressCell(1)] = number;
    entry[MailKindCell(1)] = number.isEmpty() ? QString() : word;
    for (int n = 2; n <= kSlotCount; ++n) {
        SplitTyped(record.mails[static_cast<std::size_t>(n - 2)], u"EMAIL;TYPE=", E_mail_Kind, u":", number, word);
        entry[MailAddressCell(n)] = number;
        entry[MailKindCell(n)] = number.isEmpty() ? QString() : word;
    }

    entry[kColGroupNumber] = PadLeft(Removed(record.gno, u"X-GNO:"), 2);
    entry[kColGroupName] = Removed(record.categories, u"CATEGORIES:");
    entry[kColSecret] = Removed(record.secret, u"CLASS:");

    QString address;
    SplitTyped(record.address, u"", Jusho_Kind, u":;", address, word);
    const QString postal = SplitPostalCode(address);
    entry[kColAddress] = address;
    entry[kColPostalCode] = postal;
    entry[kColAddressKind] = address.isEmpty() ? QString() : word;

    entry[kColConstellation] = Seiza_Kind(Removed(record.constellation, u"X-CONSTELLATION:"));
    entry[kColBirthday] = Removed(record.birthday, u"BDAY:");
    entry[kColBloodType] = Removed(record.bloodType, u"X-BLOODTYPE:");
    entry[kColHobby] = Removed(record.hobby, u"X-HOBBY:");
    entry[kColMemo] = Removed(record.note, u"NOTE:");
    entry[kColUrl] = Removed(record.url, u"URL:");
    entry[kColGps] = Removed(record.geo, u"GEO:");
    entry[kColRevision] = Removed(record.revision, u"REV:");
    return entry;
}

MemoryDialReadResult Failure(const QString& text = kMemoryDataMissingText,
                             const QString& title = kMemoryDataMissingTitle)
{
    return {std::nullopt, text, title};
}

// Where a value goes, by its first matching prefix.
enum class Slot
{
    None,
    Name,
    Reading,
    TelPref,
    Tel,
    MailPref,
    Mail,
    GroupNumber,
    GroupName,
    Number,
    Secret,
    Address,
    Memo,
    Url,
    Gps,
    Birthday,
    Hobby,
    BloodType,
    Constellation,
    Revision,
    End,
};

struct Prefix
{
    QStringView text;
    Slot slot;
};

// Order matters: the first match decides ("TEL;TYPE=PREF" before "TEL").
constexpr Prefix kPrefixes[] = {
    {u"FN", Slot::Name},
    {u"N:", Slot::None},
    {u"SORT", Slot::Reading},
    {u"TEL;TYPE=PREF", Slot::TelPref},
    {u"TEL", Slot::Tel},
    {u"EMAIL;TYPE=PREF", Slot::MailPref},
    {u"EMAIL", Slot::Mail},
    {u"X-GNO", Slot::GroupNumber},
    {u"CATE", Slot::GroupName},
    {u"X-RE", Slot::Number},
    {u"CLAS", Slot::Secret},
    {u"ADR", Slot::Address},
    {u"NOTE", Slot::Memo},
    {u"URL", Slot::Url},
    {u"GEO", Slot::Gps},
    {u"BDAY", Slot::Birthday},
    {u"X-HO", Slot::Hobby},
    {u"X-BL", Slot::BloodType},
    {u"X-CO", Slot::Constellation},
    {u"REV", Slot::Revision},
    {u"END", Slot::End},
};

// For each first character, the prefixes that start with it, in table order and ended by -1:
// tens of thousands of values are classified, and most first characters rule out all but a few.
using PrefixIndex = std::array<std::array<qint8, 6>, 0x80>;

constexpr PrefixIndex IndexPrefixes()
{
    PrefixIndex index{};
    for (auto& row : index) {
        row.fill(-1);
    }
    std::array<std::size_t, 0x80> count{};
    for (std::size_t p = 0; p < std::size(kPrefixes); ++p) {
        const char16_t first = kPrefixes[p].text[0].unicode();
        // One place is kept for the end mark.
        if (count[first] + 1 >= index[first].size()) {
            throw "too many prefixes share a first character";
        }
        index[first][count[first]++] = static_cast<qint8>(p);
    }
    return index;
}

constexpr PrefixIndex kPrefixIndex = IndexPrefixes();

Slot Classify(QStringView value)
{
    if (value.isEmpty() || value[0].unicode() >= 0x80) {
        return Slot::None;
    }
    for (const qint8 p : kPrefixIndex[value[0].unicode()]) {
        if (p < 0) {
            break;
        }
        const Prefix& prefix = kPrefixes[static_cast<std::size_t>(p)];
        if (value.size() >= prefix.text.size() &&
            std::equal(prefix.text.begin() + 1, prefix.text.end(), value.begin() + 1)) {
            return prefix.slot;
        }
    }
    return Slot::None;
}

QStringView* SimpleSlot(RecordSlots& record, Slot slot)
{
    switch (slot) {
    case Slot::Name:
        return &record.fn;
    case Slot::Reading:
        return &record.sort;
    case Slot::GroupNumber:
        return &record.gno;
    case Slot::GroupName:
        return &record.categories;
    case Slot::Number:
        return &record.reduction;
    case Slot::Secret:
        return &record.secret;
    case Slot::Memo:
        return &record.note;
    case Slot::Url:
        return &record.url;
    case Slot::Gps:
        return &record.geo;
    case Slot::Birthday:
        return &record.birthday;
    case Slot::Hobby:
        return &record.hobby;
    case Slot::BloodType:
        return &record.bloodType;
    case Slot::Constellation:
        return &record.constellation;
    case Slot::Revision:
        return &record.revision;
    default:
        return nullptr;
    }
}

void AddExtra(std::array<QStringView, kExtraSlots>& extras, int& count, QStringView value)
{
    if (count < kExtraSlots) {
        extras[static_cast<std::size_t>(count++)] = value;
    }
}

// Collects the values of the file into records as they are cut, so no list of all values is
// ever held: a file of nothing but commas costs no more than its text.
class RecordCollector
{
public:
    explicit RecordCollector(qsizetype textSize)
    {
        // A record takes a few hundred characters; the reserve is only a guess.
        m_records.reserve(std::min<qsizetype>(textSize / 64 + 2, kMaxEntries + 2));
        m_records.append(RecordSlots());
    }

    // False once a value would go into a record past the last one a memory dial can hold;
    // the read fails there, without cutting the rest of the file.
    [[nodiscard]] bool Add(QStringView value)
    {
        if (m_waiting) {
            // The value after a "TEL;TYPE=PREF", "EMAIL;TYPE=PREF" or "ADR" value; it is still
            // classified in its own turn below.
            *m_waiting = value;
            m_waiting = nullptr;
        }
        const Slot slot = Classify(value);
        if (slot == Slot::None) {
            return true;
        }
        if (m_records.size() > kMaxEntries) {
            return false;
        }
        RecordSlots& record = m_records.back();
        if (slot != Slot::End) {
            record.used = true;
        }
        switch (slot) {
        case Slot::TelPref:
            WaitFor(record.telPref);
            break;
        case Slot::MailPref:
            WaitFor(record.mailPref);
            break;
        case Slot::Address:
            WaitFor(record.address);
            break;
        case Slot::Tel:
            AddExtra(record.tels, record.telCount, value);
            break;
        case Slot::Mail:
            AddExtra(record.mails, record.mailCount, value);
            break;
        case Slot::End:
            // Appending may move the records, so nothing may wait for a value across it; the
            // waiting slot was filled above.
            m_records.append(RecordSlots());
            break;
        default:
            *SimpleSlot(record, slot) = value;
            break;
        }
        return true;
    }

    // The records read. A last record without "END" (a file cut short) still holds the
    // user's data: it stays an entry, or a later save would drop it from the file. Only an
    // empty one is no entry.
    [[nodiscard]] QList<RecordSlots> Finish()
    {
        if (!m_records.back().used) {
            m_records.removeLast();
        }
        return std::move(m_records);
    }

private:
    // The slot is empty until the next value comes, and stays so when the file ends first.
    void WaitFor(QStringView& slot)
    {
        slot = QStringView();
        m_waiting = &slot;
    }

    QList<RecordSlots> m_records;
    QStringView* m_waiting = nullptr;
};

// The property names the writer writes: every other line of a file is lost on the next save.
constexpr QStringView kKeptProperties[] = {
    u"BEGIN",           u"VERSION", u"FN",  u"N",    u"SORT-STRING", u"TEL", u"EMAIL", u"X-GNO",   u"CATEGORIES",
    u"X-REDUCTION",     u"CLASS",   u"ADR", u"NOTE", u"URL",         u"GEO", u"BDAY",  u"X-HOBBY", u"X-BLOODTYPE",
    u"X-CONSTELLATION", u"REV",     u"END",
};

// A message names this many properties at most; a file of a thousand made-up names is no
// reason for a message of a thousand lines.
constexpr qsizetype kMaxForeignNames = 20;

bool IsNameCharacter(QChar c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'-' || c == u'.';
}

// What the lines of a file are: whether one begins a card, and the properties (a name at the
// start of a line, then ";" or ":") that the rows cannot keep.
struct FileShape
{
    bool hasCard = false;
    QStringList foreign;
};

FileShape ShapeOf(QStringView text)
{
    FileShape shape;
    for (qsizetype at = 0; at < text.size();) {
        qsizetype end = at;
        while (end < text.size() && IsNameCharacter(text[end])) {
            ++end;
        }
        if (end > at && end < text.size() && (text[end] == u':' || text[end] == u';')) {
            const QStringView name = text.sliced(at, end - at);
            const auto kept =
                std::find_if(std::begin(kKeptProperties), std::end(kKeptProperties),
                             [name](QStringView known) { return name.compare(known, Qt::CaseInsensitive) == 0; });
            if (kept == std::end(kKeptProperties)) {
                const QString upper = name.toString().toUpper();
                if (shape.foreign.size() < kMaxForeignNames && !shape.foreign.contains(upper)) {
                    shape.foreign.append(upper);
                }
            } else if (*kept == u"BEGIN" && text.sliced(end + 1).startsWith(u"VCARD", Qt::CaseInsensitive)) {
                shape.hasCard = true;
            }
        }
        // The next line starts past the next CR or LF; between CR and LF stands an empty one.
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n') {
            ++end;
        }
        at = end + 1;
    }
    return shape;
}

// The writer repeats the version line in every record, so only a line that reads back as
// this one value is kept: "VERSION:" and a version, with no comma or line end (a quoted value
// may hold them) that would cut it into values of their own on the next read.
bool IsVersionLine(QStringView value)
{
    const QStringView version = u"VERSION:";
    return value.size() > version.size() && value.startsWith(version) && !value.contains(u',') &&
           !value.contains(u'\r') && !value.contains(u'\n');
}

// Group numbers 0 to 99 take the name of the last entry that uses them; other names stay.
void MergeGroupNames(const QList<Entry>& rows, QStringList& names)
{
    names.resize(kGroupTableSize);
    for (const Entry& entry : rows) {
        const QString& number = entry[kColGroupNumber];
        if (number.size() == 2 && number[0].isDigit() && number[1].isDigit() && number[0].unicode() < 128 &&
            number[1].unicode() < 128) {
            names[(number[0].unicode() - u'0') * 10 + (number[1].unicode() - u'0')] = entry[kColGroupName];
        }
    }
}

QString FirstUnnamedGroup(const QStringList& names)
{
    qsizetype g = 0;
    while (g < names.size() && !names[g].isEmpty()) {
        ++g;
    }
    return QString::number(g);
}

} // namespace

MemoryDialReadResult ParseMemoryDial(const QByteArray& bytes, const QStringList& previousGroupNames)
{
    // The import decides alike for a file it recognises as a memory dial.
    QString text;
    switch (CodePage::MemoryDialCharset(bytes, &text)) {
    case CodePage::FileCharset::CodePage932:
        break;
    case CodePage::FileCharset::Utf8:
        return Failure(kMemoryDataUtf8Text, kMemoryDataUtf8Title);
    case CodePage::FileCharset::Neither:
        return Failure();
    }
    FileShape shape = ShapeOf(text);
    ValueCutter cutter(text);
    // The first value is the begin line, the second the version line.
    const std::optional<QStringView> begin = cutter.Next();
    const std::optional<QStringView> version = begin ? cutter.Next() : std::nullopt;
    if (!version) {
        return Failure();
    }
    // Some text, and not one card: a script, a note or a list saved under the wrong name, which
    // a save would replace with an empty memory dial.
    if (!shape.hasCard) {
        return Failure(kNoMemoryDialText, kNoMemoryDialTitle);
    }
    RecordCollector collector(text.size());
    // A file without a version line has its first property there; it belongs to the first
    // entry, and the writer's own version line stands in.
    const bool versioned = IsVersionLine(*version);
    if (!versioned && !collector.Add(*version)) {
        return Failure();
    }
    while (const std::optional<QStringView> value = cutter.Next()) {
        if (!collector.Add(*value)) {
            return Failure();
        }
    }
    const QList<RecordSlots> records = collector.Finish();

    MemoryDialContent content;
    content.VcVer = versioned ? version->toString() : QStringLiteral("VERSION:3.0");
    content.rows.reserve(records.size());
    for (const RecordSlots& record : records) {
        content.rows.append(ToEntry(record));
    }
    content.EntryCount = static_cast<int>(content.rows.size());
    content.GroupNames = previousGroupNames;
    MergeGroupNames(content.rows, content.GroupNames);
    content.GroupCount = FirstUnnamedGroup(content.GroupNames);
    content.foreignProperties = std::move(shape.foreign);
    return {std::move(content), QString(), QString()};
}

MemoryDialReadResult MemoryDataOpen(const QString& path, const QStringList& previousGroupNames)
{
    if (path.isEmpty()) {
        return Failure();
    }
    FileRead file = ReadRegularFile(path, kMaxMemoryDialSize);
    if (file.outcome == RegularFileOpen::NotRegularFile) {
        return Failure(FileTexts::NotRegularFile(path, kReadWhat), kMemoryDataMissingTitle);
    }
    if (file.outcome != RegularFileOpen::Opened) {
        return Failure();
    }
    MemoryDialReadResult result = ParseMemoryDial(file.bytes, previousGroupNames);
    if (result.content) {
        result.content->stamp = std::move(file.stamp);
    }
    return result;
}
