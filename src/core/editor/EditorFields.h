#pragma once

#include "memorydial/Entry.h"
#include "memorydial/MemoryDial.h"

#include <QString>
#include <QStringList>

#include <array>

// Indexes of the editor's text boxes (the Text1 control array).
enum EditorText : int
{
    kTextNumber = 0,
    kTextName = 1,
    kTextReading = 2,
    kTextTel1 = 3, // telephones 1 to 5: 3 to 7
    kTextTel5 = 7,
    kTextMail1 = 8, // mail addresses 1 to 5: 8 to 12
    kTextMail5 = 12,
    kTextPostalFirst = 13,
    kTextPostalSecond = 14,
    kTextAddress = 15,
    kTextHobby = 16,
    kTextMemo = 17,
    kTextUrl = 18,
    kTextGps = 19,
    kTextCount = 20,
};

// Indexes of the editor's editable drop-down boxes (the Combo1 control array).
enum EditorCombo : int
{
    kComboGroup = 0,
    kComboTelKind1 = 1, // telephone kinds 1 to 5: 1 to 5
    kComboTelKind5 = 5,
    kComboMailKind1 = 6, // mail kinds 1 to 5: 6 to 10
    kComboMailKind5 = 10,
    kComboAddressKind = 11,
    kComboBirthYear = 12,
    kComboBirthMonth = 13,
    kComboBirthDay = 14,
    kComboBloodType = 15,
    kComboConstellation = 16,
    kComboCount = 17,
};

// Indexes of the secret option pair (the Option1 control array).
enum EditorOption : int
{
    kOptionPublic = 0,
    kOptionPrivate = 1,
    kOptionCount = 2,
};

// Slots are numbered 1 to 5, as in the entry's cells.
constexpr int TelText(int slot)
{
    return kTextTel1 - 1 + slot;
}
constexpr int TelKindCombo(int slot)
{
    return kComboTelKind1 - 1 + slot;
}
constexpr int MailText(int slot)
{
    return kTextMail1 - 1 + slot;
}
constexpr int MailKindCombo(int slot)
{
    return kComboMailKind1 - 1 + slot;
}

// The editor form as plain data: the window copies its widgets to and from this and keeps
// nothing of its own, so every rule on the fields runs and is tested without a window.
struct EditorFields
{
    std::array<QString, kTextCount> Text1;
    std::array<QString, kComboCount> Combo1;
    bool Private = false;   // Option1(1) selected; otherwise Option1(0), PUBLIC
    int LastFocusIndex = 0; // the Text1 box that last had the focus
    QStringList GroupList;  // the items of Combo1(0), built when the editor loads
    QString RevisionPanel;  // status-bar panel 2: the stamp of the entry last shown

    QString& Text(int index) { return Text1[static_cast<std::size_t>(index)]; }
    const QString& Text(int index) const { return Text1[static_cast<std::size_t>(index)]; }
    QString& Combo(int index) { return Combo1[static_cast<std::size_t>(index)]; }
    const QString& Combo(int index) const { return Combo1[static_cast<std::size_t>(index)]; }
};

// Copies every cell of `entry` into the fields: all texts, all combo texts, the secret
// choice and the revision panel. LastFocusIndex and GroupList stay as they are.
void ShowEntry(EditorFields& fields, const Entry& entry);

// The same for 1-based row `row` of the document; false, with the fields untouched, when
// the row does not exist.
[[nodiscard]] bool ShowEntry(EditorFields& fields, const MemoryDial& dial, int row);

// Writes the fields into cells 1 to 36 of `entry`. A telephone or mail kind is written
// only beside a number, so clearing a number keeps the kind it had.
void ComposeEntryCells(const EditorFields& fields, const QStringList& groupNames, Entry& entry);

// Empties the form for a fresh entry: every text but the number, every combo text, the
// group box back to its first item and the secret choice back to PUBLIC.
void ClearForNewEntry(EditorFields& fields);

// An entry number as the list shows it: at least three digits, zeros in front.
[[nodiscard]] QString EntryNumberText(qint64 number);
