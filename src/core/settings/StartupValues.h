#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

// Sets the organisation and application names that place the settings file in the user's
// configuration folder; call once before the settings store is opened.
void SetApplicationIdentity();

// The help file beside the program.
[[nodiscard]] QString HelpFilePath(const QString& programFolder);

// "2006/03/07": year, month and day, month and day two digits.
[[nodiscard]] QString TodayText(QDate date);

// "PM 03:05": the locale's AM/PM designator, a blank, the 12-hour clock hour and the minute.
[[nodiscard]] QString NowText(QTime time, const QLocale& locale);
