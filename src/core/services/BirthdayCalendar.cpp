#include "BirthdayCalendar.h"

#include "editor/EditorTexts.h"
#include "services/ServiceTexts.h"

#include <algorithm>

using namespace ServiceTexts;

namespace {

bool IsAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool AllDigits(QStringView text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), IsAsciiDigit);
}

QString RangeDate(QDate date)
{
    return date.toString(QStringLiteral("yyyy/MM/dd"));
}

} // namespace

BirthdayRange BirthdayRangeUntil(QDate today)
{
    return {QDate(EditorTexts::kFirstBirthYear, 1, 1), today};
}

bool IsTypedDateCharacter(QChar c)
{
    return IsAsciiDigit(c) || c == u'/' || c == u'-' || c == u'.';
}

std::optional<QDate> TypedBirthday(QStringView typed, const BirthdayRange& range)
{
    QStringView year;
    QStringView month;
    QStringView day;
    const auto separator = std::find_if(typed.begin(), typed.end(), [](QChar c) { return !IsAsciiDigit(c); });
    if (separator == typed.end()) {
        if (typed.size() != 8) {
            return std::nullopt;
        }
        year = typed.first(4);
        month = typed.sliced(4, 2);
        day = typed.sliced(6);
    } else {
        const QList<QStringView> parts = typed.split(*separator);
        if (parts.size() != 3) {
            return std::nullopt;
        }
        year = parts[0];
        month = parts[1];
        day = parts[2];
    }
    // toInt would take signs and blanks: only plain digits, a year of four and no more than two
    // for month and day.
    if (year.size() != 4 || !AllDigits(year) || month.size() > 2 || !AllDigits(month) || day.size() > 2 ||
        !AllDigits(day)) {
        return std::nullopt;
    }
    const QDate date(year.toInt(), month.toInt(), day.toInt());
    if (!date.isValid() || date < range.first || date > range.last) {
        return std::nullopt;
    }
    return date;
}

QString TypedBirthdayRefusal(const BirthdayRange& range)
{
    return kTypedDateText.arg(RangeDate(range.first), RangeDate(range.last));
}

QDate SelectionOnPage(QDate selected, int year, int month, const BirthdayRange& range)
{
    const QDate first(year, month, 1);
    const QDate date(year, month, std::min(selected.day(), first.daysInMonth()));
    return std::clamp(date, range.first, range.last);
}

QString CalendarYearCaption(int year)
{
    return QString::number(year) + kCalendarYearSuffix.toString();
}
