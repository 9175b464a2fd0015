#include "Constellation.h"

#include "memorydial/Entry.h"
#include "services/ServiceTexts.h"

#include <array>

using namespace ServiceTexts;

namespace {

struct ConstellationRange
{
    QStringView word;
    int first;
    int last;
};

// Tested in this order; "山羊" spans the turn of the year through the keys above 1300.
constexpr std::array<ConstellationRange, 12> kRanges = {{
    {u"牡羊", 321, 419},
    {u"牡牛", 420, 520},
    {u"双子", 521, 621},
    {u"蟹", 622, 722},
    {u"獅子", 723, 822},
    {u"乙女", 823, 922},
    {u"天秤", 923, 1023},
    {u"蠍", 1024, 1121},
    {u"射手", 1122, 1221},
    {u"山羊", 1222, 1319},
    {u"水瓶", 120, 218},
    {u"魚", 219, 320},
}};

} // namespace

std::optional<QString> ConstellationForBirthday(QStringView month, QStringView day)
{
    qint64 key = LeadingNumber(month.toString() + day.toString());
    if (key <= 119) {
        key += 1200;
    }
    for (const ConstellationRange& range : kRanges) {
        if (key >= range.first && key <= range.last) {
            return range.word.toString();
        }
    }
    return std::nullopt;
}

int mnuEditVerifyStar_Click(EditorFields& fields, Interaction& interaction)
{
    const QString& month = fields.Combo(kComboBirthMonth);
    const QString& day = fields.Combo(kComboBirthDay);
    if (month.isEmpty()) {
        interaction.Tell(kMonthMissingText.toString(), kBirthdayMissingTitle.toString(), MessageIcon::Warning);
        return kComboBirthMonth;
    }
    if (day.isEmpty()) {
        interaction.Tell(kDayMissingText.toString(), kBirthdayMissingTitle.toString(), MessageIcon::Warning);
        return kComboBirthDay;
    }
    if (const std::optional<QString> word = ConstellationForBirthday(month, day)) {
        fields.Combo(kComboConstellation) = *word;
    }
    return -1;
}

void SetBirthdayFromCalendar(EditorFields& fields, QDate date)
{
    fields.Combo(kComboBirthYear) = QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0'));
    fields.Combo(kComboBirthMonth) = QStringLiteral("%1").arg(date.month(), 2, 10, QLatin1Char('0'));
    fields.Combo(kComboBirthDay) = QStringLiteral("%1").arg(date.day(), 2, 10, QLatin1Char('0'));
}
