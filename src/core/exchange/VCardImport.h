#pragma once

#include "VCardLines.h"
#include "memorydial/Entry.h"

#include <QString>
#include <QStringList>

// One card mapped onto the cells of an entry. The entry number, the group number and the
// revision stamp are the caller's: they depend on the memory dial the entry joins.
// More than a card from a phone or an address book ever needs; the rest is only counted, so
// that a card of a million numbers does not make a million lines.
constexpr qsizetype kMaxNotesPerEntry = 50;

struct MappedCard
{
    Entry entry;
    QString groupHint;           // the group number the card was written with (X-GNO), if any
    QStringList notes;           // what was not taken or not taken whole, one line each
    qsizetype unlistedNotes = 0; // further values past kMaxNotesPerEntry, counted only
    bool taken = false;          // false when nothing of the card found a cell

    // The notes with a closing line for the counted ones.
    [[nodiscard]] QStringList ReportNotes() const;
};

[[nodiscard]] MappedCard MapCard(const VCardCard& card);

// "YYYYMMDD" for the common birthday forms (2000-01-31, 20000131, with or without a time,
// 2000/01/31); nothing for a date without year, month or day, or one that does not exist.
[[nodiscard]] QString BirthdayCell(const VCardProperty& property);

// The memory dial's position text ("+35.39.29.20&+139.44.28.80&") for a GEO value
// ("35.658;139.7413", "geo:35.658,139.7413" or "35.658,139.7413"); empty when it does not parse.
[[nodiscard]] QString GpsCell(QStringView geo);

// The postal-code cell ("150-8512") for a code of 7 digits once "-", "〒" and blanks are gone;
// empty otherwise.
[[nodiscard]] QString PostalCodeCell(QStringView code);
