#include "KindCodes.h"

#include <algorithm>
#include <span>

namespace {

struct KindRow
{
    QStringView key;
    QStringView code;
    QStringView word;
};

constexpr KindRow kTelKinds[] = {
    {u"VOI", u"VOICE", u"その他"}, {u"CEL", u"CELL", u"携帯"}, {u"PCS", u"PCS", u"PHS"},
    {u"HOM", u"HOME", u"自宅"},    {u"WOR", u"WORK", u"仕事"}, {u"FAX", u"FAX", u"FAX"},
};

constexpr KindRow kMailKinds[] = {
    {u"INT", u"INTERNET", u"その他"}, {u"CEL", u"CELL", u"携帯"},   {u"PCS", u"PCS", u"PHS"},
    {u"HOM", u"HOME", u"自宅"},       {u"SCH", u"SCHOOL", u"学校"}, {u"WOR", u"WORK", u"仕事"},
};

constexpr KindRow kAddressKinds[] = {
    {u"POS", u"POSTAL", u"その他"},
    {u"HOM", u"HOME", u"自宅"},
    {u"WOR", u"WORK", u"会社"},
};

struct ConstellationRow
{
    QStringView code;
    QStringView word;
};

constexpr ConstellationRow kConstellations[] = {
    {u"ARIES", u"牡羊"},       {u"TAURUS", u"牡牛"},      {u"GEMINI", u"双子"},   {u"CANCER", u"蟹"},
    {u"LEO", u"獅子"},         {u"VIRGO", u"乙女"},       {u"LIBRA", u"天秤"},    {u"SCORPIUS", u"蠍"},
    {u"SAGITTARIUS", u"射手"}, {u"CAPRICORNUS", u"山羊"}, {u"AQUARIUS", u"水瓶"}, {u"PISCES", u"魚"},
};

// The tables' texts live as long as the program, so results can point at them instead of
// allocating a copy for each of the thousands of kind cells a memory dial holds.
QString Static(QStringView text)
{
    return QString::fromRawData(text.data(), text.size());
}

// Inline, as the library's comparison is a call for every row of every lookup.
bool Same(QStringView a, QStringView b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin());
}

bool KeyToKind(std::span<const KindRow> table, QStringView key, QString& code, QString& word)
{
    for (const KindRow& row : table) {
        if (Same(row.key, key)) {
            code = Static(row.code);
            word = Static(row.word);
            return true;
        }
    }
    return false;
}

QString WordToCode(std::span<const KindRow> table, const QString& word)
{
    for (const KindRow& row : table) {
        if (Same(row.word, word)) {
            return Static(row.code);
        }
    }
    return {};
}

} // namespace

bool Tel_Kind(QStringView key, QString& code, QString& word)
{
    return KeyToKind(kTelKinds, key, code, word);
}

QString Tel_Kind2(const QString& word)
{
    return WordToCode(kTelKinds, word);
}

bool E_mail_Kind(QStringView key, QString& code, QString& word)
{
    return KeyToKind(kMailKinds, key, code, word);
}

QString E_mail_Kind2(const QString& word)
{
    return WordToCode(kMailKinds, word);
}

bool Jusho_Kind(QStringView key, QString& code, QString& word)
{
    return KeyToKind(kAddressKinds, key, code, word);
}

QString Jusho_Kind2(const QString& word)
{
    return WordToCode(kAddressKinds, word);
}

QString Seiza_Kind(const QString& code)
{
    for (const ConstellationRow& row : kConstellations) {
        if (Same(row.code, code)) {
            return Static(row.word);
        }
    }
    return {};
}

QString Seiza_Kind2(const QString& word)
{
    for (const ConstellationRow& row : kConstellations) {
        if (Same(row.word, word)) {
            return Static(row.code);
        }
    }
    return {};
}
