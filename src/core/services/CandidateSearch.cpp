#include "CandidateSearch.h"

#include "services/PostalIndex.h"
#include "services/ServiceTexts.h"
#include "settings/SettingsStore.h"

#include <algorithm>
#include <initializer_list>

using namespace ServiceTexts;

namespace {

// The markers are searched at characters 5 to 15 (1-based) only.
constexpr qsizetype kFirstMarker = 5;
constexpr qsizetype kLastMarker = 15;

const QString kWidthKey = QStringLiteral("K_Width");
const QString kHeightKey = QStringLiteral("K_Height");

QString Characters(const QList<uint>& text, qsizetype from, qsizetype to)
{
    // 1-based, inclusive.
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(text.constData()) + from - 1, to - from + 1);
}

bool IsOneOf(uint c, std::initializer_list<char32_t> set)
{
    return std::find(set.begin(), set.end(), c) != set.end();
}

// The city from `start` up to the first marker at characters 5 to 15, or empty.
QString CityUpToMarker(const QList<uint>& text, qsizetype start, std::initializer_list<char32_t> markers)
{
    const qsizetype last = std::min(kLastMarker, text.size());
    for (qsizetype i = kFirstMarker; i <= last; ++i) {
        if (IsOneOf(text[i - 1], markers)) {
            return Characters(text, start, i);
        }
    }
    return QString();
}

} // namespace

ParsedAddress ParseAddress(QStringView address)
{
    const QList<uint> text = address.toUcs4();
    if (text.size() < 3) {
        return ParsedAddress();
    }
    const QString firstThree = Characters(text, 1, 3);
    if (firstThree == u"東京都") {
        return ParsedAddress{firstThree, CityUpToMarker(text, 4, {U'区', U'市', U'郡', U'島'})};
    }
    qsizetype cityStart = 0;
    if (firstThree == u"北海道" || firstThree == u"大阪府" || firstThree == u"京都府" || text[2] == U'県') {
        cityStart = 4;
    } else if (text.size() >= 4 && text[3] == U'県') {
        cityStart = 5;
    } else {
        return ParsedAddress();
    }
    return ParsedAddress{Characters(text, 1, cityStart - 1), CityUpToMarker(text, cityStart, {U'市', U'郡'})};
}

QString CandidateRow(QStringView code, QStringView city, QStringView town)
{
    QString row;
    row.reserve(9 + city.size() + town.size());
    row.append(code.left(3)).append(u'-').append(code.right(4)).append(u'\u3000');
    return row.append(city).append(town);
}

QStringList SearchCandidatesByAddress(const PostalIndex& index, QStringView address)
{
    const ParsedAddress parsed = ParseAddress(address);
    QStringList rows;
    if (parsed.prefecture.isEmpty()) {
        return rows;
    }
    for (qsizetype i = 0; i < index.count(); ++i) {
        if (index.prefecture(i) != parsed.prefecture) {
            continue;
        }
        const QString city = index.city(i);
        if (parsed.city.isEmpty() || city.startsWith(parsed.city)) {
            rows.append(CandidateRow(index.code(i), city, index.town(i)));
        }
    }
    return rows;
}

QStringList LoadCandidateRows(const PostalIndex& index, QStringView address, Interaction& interaction)
{
    QStringList rows = SearchCandidatesByAddress(index, address);
    if (rows.isEmpty()) {
        interaction.Tell(kCandidateNotFoundText.toString(), kCandidateNotFoundTitle.toString(), MessageIcon::Warning);
    }
    return rows;
}

bool CandidateOk(const QString* selectedRow, EditorFields& fields, Interaction& interaction)
{
    if (!selectedRow) {
        interaction.Tell(kCandidateSelectText.toString(), kCandidateSelectTitle.toString(), MessageIcon::Warning);
        return false;
    }
    fields.Text(kTextPostalFirst) = selectedRow->left(3);
    fields.Text(kTextPostalSecond) = selectedRow->mid(4, 4);
    return true;
}

TwipsSize CandidateWindowSize(const SettingsStore& store)
{
    const double width = ParseSettingNumber(store.GetSetting(kSectionPosition, kWidthKey));
    const double height = ParseSettingNumber(store.GetSetting(kSectionPosition, kHeightKey));
    if (width < kCandidateWindowMinimum.width || height < kCandidateWindowMinimum.height ||
        width > kCandidateWindowMaximumTwips || height > kCandidateWindowMaximumTwips) {
        return kCandidateWindowDefault;
    }
    return TwipsSize{static_cast<int>(width), static_cast<int>(height)};
}

void StoreCandidateWindowSize(SettingsStore& store, TwipsSize size)
{
    store.SaveSetting(kSectionPosition, kWidthKey, QString::number(size.width));
    store.SaveSetting(kSectionPosition, kHeightKey, QString::number(size.height));
}
