#pragma once

#include "Interaction.h"
#include "editor/EditorFields.h"
#include "settings/SettingValues.h"

#include <QString>
#include <QStringList>
#include <QStringView>

class PostalIndex;
class SettingsStore;

// The prefecture and city read off the front of an address.
struct ParsedAddress
{
    QString prefecture; // empty: none recognised, nothing can be found
    QString city;       // empty: every code of the prefecture matches

    friend bool operator==(const ParsedAddress&, const ParsedAddress&) = default;
};

// Tokyo ("東京都") takes its city up to the first "区", "市", "郡" or "島" at characters 5 to 15;
// "北海道", "大阪府" and "京都府" are whole words; any other prefecture is the first 3 or 4
// characters when they end in "県", and its city runs up to the first "市" or "郡" at
// characters 5 to 15 (so a designated city is cut before its ward). Characters are counted as
// the user sees them: a character outside the BMP counts once.
[[nodiscard]] ParsedAddress ParseAddress(QStringView address);

// One candidate row: "123-4567", a full-width space, then city and town.
[[nodiscard]] QString CandidateRow(QStringView code, QStringView city, QStringView town);

// The candidate rows of an address: every record of the parsed prefecture whose city begins with
// the parsed city, in file order, duplicates kept. None without a recognised prefecture.
[[nodiscard]] QStringList SearchCandidatesByAddress(const PostalIndex& index, QStringView address);

// The same as the candidate dialog opens: an empty result is told as a warning first.
[[nodiscard]] QStringList LoadCandidateRows(const PostalIndex& index, QStringView address, Interaction& interaction);

// The candidate dialog's OK with the selected row (null: none selected). Writes the code's
// two parts into the postal-code fields and returns true when the dialog is to close; with no
// selection it asks for one and returns false.
[[nodiscard]] bool CandidateOk(const QString* selectedRow, EditorFields& fields, Interaction& interaction);

// The candidate window keeps its size from one opening to the next, in twips in section
// "Position" as "K_Width" and "K_Height": the window without its frame, which the window system
// adds to a dialog. The default is wide enough for a row with one of the long building names.
inline constexpr TwipsSize kCandidateWindowDefault{9600, 6000};
// Smaller or larger kept sizes (a damaged file) give the default.
inline constexpr TwipsSize kCandidateWindowMinimum{3000, 2250};
inline constexpr int kCandidateWindowMaximumTwips = 200000;
[[nodiscard]] TwipsSize CandidateWindowSize(const SettingsStore& store);
void StoreCandidateWindowSize(SettingsStore& store, TwipsSize size);
