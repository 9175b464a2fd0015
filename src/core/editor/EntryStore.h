#pragma once

#include "EditorFields.h"
#include "Interaction.h"
#include "memorydial/MemoryDial.h"

#include <QDateTime>
#include <QString>

#include <optional>

// A field check that failed: the warning to show and the Text1 box that should get the
// focus, -1 for none.
struct EntryCheckFailure
{
    QString text;
    QString title;
    int focusIndex = -1;
};

// The checks of the save command, in order: postal code of 7 digits, postal digits, telephone
// digits, birthday year/month/day all chosen or all empty, a birth year of four digits. Only the
// ASCII digits 0-9 count as digits; month and day texts are taken as they stand. The first failure is returned; nullopt
// when the fields may be stored.
[[nodiscard]] std::optional<EntryCheckFailure> CheckEntryFields(const EditorFields& fields);

// Writes the fields into 1-based row `row` and rebuilds EntryNumbers; false, with nothing
// changed, when the row does not exist.
[[nodiscard]] bool StoreEntry(MemoryDial& dial, int row, const EditorFields& fields);

// The revision stamp of `now` as the clock shows it: "20050307T090503Z".
[[nodiscard]] QString RevisionStamp(const QDateTime& now);

// Writes RevisionStamp(now) into cell 37 of 1-based row `row`; false when it does not exist.
[[nodiscard]] bool StampEntry(MemoryDial& dial, int row, const QDateTime& now);

enum class EntrySaveOutcome
{
    Refused,     // a check failed, or the list is full; a warning was shown
    Cancelled,   // the user declined to overwrite
    Overwritten, // the row with the same number now holds the fields; SelectedRow points at it
    Appended,    // a new stamped row ends the list; SelectedRow points at it
};

struct EntrySaveResult
{
    EntrySaveOutcome outcome = EntrySaveOutcome::Refused;
    // The Text1 box to focus after a refused digit check, -1 for none.
    int focusIndex = -1;
    // After an append the main window enables "名前を付けて保存(&A)...", "ﾘﾅﾝﾊﾞｰ(&R)",
    // "入替え(&S)", "個別情報の削除(&D)..." and toolbar buttons 8 and 11, and also "保存(&S)"
    // when this is true (false for the first entry of a memory dial that has no file yet).
    bool enableMainSave = false;
};

// The editor's save command (mnuFileSave_Click): checks the fields, then overwrites the last
// row carrying the same entry number after asking, or appends a new row stamped with `now`.
// A 1002nd row is refused with a warning. EntryNumbers is rebuilt from the rows in every
// outcome.
[[nodiscard]] EntrySaveResult SaveEntry(MemoryDial& dial, const EditorFields& fields, Interaction& ui,
                                        const QDateTime& now);
