#pragma once

#include "Interaction.h"
#include "editor/EditorFields.h"

#include <QDate>
#include <QString>
#include <QStringView>

#include <optional>

// The constellation word of a birthday, from the month and day texts as they stand: their
// concatenation read as a decimal number from its leading digits (March 21 is 321), 1200 added
// to 119 or less so that early January follows December. Nothing for a key in no range.
[[nodiscard]] std::optional<QString> ConstellationForBirthday(QStringView month, QStringView day);

// Menu "星座の設定(S)" and its picture button: sets the constellation field from the birthday's
// month and day, or tells which of the two is missing. Returns the field to focus (a Combo1
// index), or -1.
[[nodiscard]] int mnuEditVerifyStar_Click(EditorFields& fields, Interaction& interaction);

// The calendar's OK: the birthday fields take the date's year (4 digits), month and day (2 digits
// each). A year beyond the year list is written all the same, and the constellation stays as it
// was.
void SetBirthdayFromCalendar(EditorFields& fields, QDate date);
