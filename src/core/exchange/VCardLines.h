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
    QList<std::pair<QString, QString>> parameters; // the others, key upper case, value unquoted
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

struct VCardCard
{
    QList<VCardProperty> properties; // at most kMaxCardProperties
    qsizetype unreadProperties = 0;  // the lines past them, counted only
};

// Hands each card of a whole file to `take` in turn; the card is only valid during the call.
// Values without a CHARSET are UTF-8 when the whole file is valid UTF-8 and Shift_JIS
// otherwise; UTF-16 files (with or without a byte-order mark) are read as such. A missing END
// at the end of the file closes the last card; a missing BEGIN before a VERSION line opens one.
// Returns why the bytes hold no vCard at all, or nothing when cards were found.
[[nodiscard]] QString ReadVCards(QByteArrayView bytes, const std::function<void(const VCardCard&)>& take);

// Position of the first `separator` at or after `from` that no backslash escapes, or -1.
[[nodiscard]] qsizetype NextSeparator(QStringView text, QChar separator, qsizetype from);
// The components of a structured value (N, ADR) split at unescaped ';', each unescaped; the
// last of `maxParts` holds the rest of the value, separators and all.
[[nodiscard]] QStringList SplitComponents(QStringView text, qsizetype maxParts);
// Resolves \n \N \, \; \: \\; any other backslash stays as written.
[[nodiscard]] QString UnescapeText(QStringView text);
// The same for a whole value, which is shared, not copied, when it holds no backslash.
[[nodiscard]] QString UnescapeText(const QString& text);

// Appends the escaped form of a text value for writing: '\' ',' ';' and line breaks. `out` is
// a QString or, where lines are put together by the thousand, a std::u16string.
template <typename Text> void AppendEscapedText(Text& out, QStringView text);
// Appends a content line encoded as UTF-8 and folded so that no line passes 75 octets, never
// inside a UTF-8 sequence; ends with CR LF.
void AppendFoldedLine(QByteArray& out, QStringView line);
