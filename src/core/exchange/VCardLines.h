#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <string>
#include <utility>

// The property names that reading and mapping look for, so that they compare numbers.
enum class VCardName : quint8
{
    Other,
    Begin,
    End,
    Version,
    Prodid,
    Uid,
    Rev,
    Agent,
    Fn,
    N,
    Org,
    SortString,
    PhoneticLastName,
    PhoneticFirstName,
    Sound,
    Tel,
    Email,
    Adr,
    Label,
    AbLabel,
    Bday,
    MorvaneBirthday,
    Url,
    Note,
    Geo,
    Categories,
    Class,
    Gno,
    Hobby,
    BloodType,
    Constellation,
    Reduction,
};

// The type words that mapping looks for, one bit each.
enum class VCardType : quint16
{
    Pref = 1 << 0,
    Cell = 1 << 1,
    IPhone = 1 << 2,
    Fax = 1 << 3,
    Pcs = 1 << 4,
    Home = 1 << 5,
    Work = 1 << 6,
    School = 1 << 7,
    IrmcN = 1 << 8,
};

// One content line of a vCard (2.1, 3.0 or 4.0) after unfolding, parameter parsing, transfer
// decoding (quoted-printable) and charset decoding. The value's backslash escapes are left in
// place: only the property knows whether ';' and ',' separate components.
struct VCardProperty
{
    QString group;     // "item1" of "item1.EMAIL", as written
    QString name;      // upper case
    QStringList types; // upper case: TYPE= lists, bare 2.1 type words, quoted values kept whole
    QList<std::pair<QString, QString>> parameters; // the others, key upper case, value unquoted and decoded
    QString text;                                  // the decoded value, escapes still in place
    bool binary = false;                           // base64 or other non-text data
    bool undecodable = false;                      // the value's bytes are not valid in its charset; text is empty
    VCardName id = VCardName::Other;               // the name, when it is one of the known ones
    quint16 typeBits = 0;                          // the known types among `types`

    [[nodiscard]] bool HasType(VCardType type) const { return (typeBits & static_cast<quint16>(type)) != 0; }
    // The first value of parameter `key` (upper case), empty when absent.
    [[nodiscard]] QString Parameter(QStringView key) const;
};

// Every member may be moved by copying its bytes, so a growing list of properties need not
// move them one by one.
Q_DECLARE_TYPEINFO(VCardProperty, Q_RELOCATABLE_TYPE);

// More lines than any address book writes for one person; a card keeps no more, so that a
// file of a million lines in one card takes memory for these only.
constexpr qsizetype kMaxCardProperties = 10000;

// The versions differ in what a backslash escapes: 2.1 escapes only the ';' that would
// separate the components of a structured value.
enum class VCardVersion : quint8
{
    V21,
    V30, // also for a card that names no version
    V40,
};

struct VCardCard
{
    QList<VCardProperty> properties; // at most kMaxCardProperties
    qsizetype unreadProperties = 0;  // the lines past them, counted only
    VCardVersion version = VCardVersion::V30;
    QStringList utf8Labels; // CHARSET labels that the bytes of this card proved wrong: read as UTF-8
};

// Cards open at once: a card may hold another one (2.1 phones write one without AGENT), which
// may hold a third. Past this depth a file is taken for one whose cards lack their END lines.
constexpr qsizetype kMaxOpenCards = 8;

// Hands each card of a whole file to `take` in turn; the card is only valid during the call.
// Values without a CHARSET are UTF-8 when the whole file is valid UTF-8 and Shift_JIS
// otherwise; UTF-16 files (with or without a byte-order mark) are read as such. A card whose
// CHARSET label refuses a value that is valid UTF-8 of several bytes a character is read as
// UTF-8 wherever that label stands on it. A card inside another (not an AGENT's) is a card of
// its own, handed over at its END; the outer card goes on after it. Cards still open at the end
// of the file are handed over outermost first, as are all open cards when one more would pass
// kMaxOpenCards; a missing BEGIN before a VERSION line opens a card.
// Returns why the bytes hold no vCard at all, or nothing when cards were found.
[[nodiscard]] QString ReadVCards(QByteArrayView bytes, const std::function<void(const VCardCard&)>& take);

// Position of the first `separator` at or after `from` that no backslash escapes, or -1.
[[nodiscard]] qsizetype NextSeparator(QStringView text, QChar separator, qsizetype from, VCardVersion version);
// The components of a structured value (N, ADR) split at unescaped ';', each unescaped; the
// last of `maxParts` holds the rest of the value, separators and all. In 2.1 only "\;" is an
// escape.
[[nodiscard]] QStringList SplitComponents(QStringView text, qsizetype maxParts, VCardVersion version);
// The text of an unstructured value. 3.0 and 4.0 resolve \n \N \, \; \: \" \\ and keep any
// other backslash as written; 2.1 has no escapes there and keeps every backslash.
[[nodiscard]] QString UnescapeText(QStringView text, VCardVersion version);
// The same for a whole value, which is shared, not copied, when it holds no escape.
[[nodiscard]] QString UnescapeText(const QString& text, VCardVersion version);

// Appends the escaped form of a text value for writing: '\' ',' ';' and line breaks. `out` is
// a QString or, where lines are put together by the thousand, a std::u16string.
template <typename Text> void AppendEscapedText(Text& out, QStringView text);
// Appends a content line encoded as UTF-8 and folded so that no line passes 75 octets, never
// inside a UTF-8 sequence; ends with CR LF.
void AppendFoldedLine(QByteArray& out, QStringView line);
