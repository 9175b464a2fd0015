#pragma once

#include "memorydial/Entry.h"

#include <QByteArray>
#include <QStringList>

#include <optional>
#include <utility>

// Appends one entry as a vCard 3.0 card: UTF-8, CR LF, folded at 75 octets. `notes` receives
// what could not be written (a position text that does not parse).
void ExportCard(const Entry& entry, QByteArray& bytes, QStringList& notes);

// Latitude and longitude in degrees for a position text "+35.39.29.20&+139.44.28.80&" (degrees,
// minutes, seconds and hundredths) or "+35.658&+139.741&" (decimal degrees); nothing when it
// does not have that shape.
[[nodiscard]] std::optional<std::pair<double, double>> GpsDegrees(QStringView cell);

// "1970-03-15" for a birthday cell of a real date "19700315"; empty otherwise.
[[nodiscard]] QString IsoBirthday(QStringView cell);
