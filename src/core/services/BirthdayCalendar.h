#pragma once

#include <QDate>
#include <QString>
#include <QStringView>

#include <optional>

// The dates the birthday calendar offers: from 1 January of the year list's first year (1900)
// to today. Nobody alive was born earlier, and nobody has a birthday still to come.
struct BirthdayRange
{
    QDate first;
    QDate last;
};
[[nodiscard]] BirthdayRange BirthdayRangeUntil(QDate today);

// A date typed on the calendar is at most this long ("1996/02/29").
inline constexpr qsizetype kTypedDateMaxLength = 10;

// Whether `c` may be typed into a date: an ASCII digit or one of the separators "/", "-", ".".
[[nodiscard]] bool IsTypedDateCharacter(QChar c);

// The date a typed text names: eight digits, year month day ("19960229"), or a four-digit year,
// a month and a day split by one kind of separator ("1996/2/29"). Nothing when the text names no
// date, or one outside the range.
[[nodiscard]] std::optional<QDate> TypedBirthday(QStringView typed, const BirthdayRange& range);

// The warning for a typed text that names no date of the range; it names the range.
[[nodiscard]] QString TypedBirthdayRefusal(const BirthdayRange& range);

// The day the calendar selects when the user turns to another month: the selected day of the
// month in the new month, the month's last day when it is shorter, kept inside the range.
// The selection thus stays on the page shown, and OK never takes a date the user cannot see.
[[nodiscard]] QDate SelectionOnPage(QDate selected, int year, int month, const BirthdayRange& range);

// The year as the calendar's header shows it before the month: "2026年".
[[nodiscard]] QString CalendarYearCaption(int year);
