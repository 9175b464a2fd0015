#pragma once

#include "EditorFields.h"
#include "Interaction.h"
#include "memorydial/MemoryDial.h"

#include <QString>

#include <functional>

// Asked by the commands below right before they replace the editor's fields (the window
// runs ConfirmDropFields); false stops the command with nothing changed. An empty guard lets
// every command go on.
using DropGuard = std::function<bool()>;
// Puts the fields on the screen while a command still has a question or a message to show,
// so that it is asked over what it is about.
using FieldsShower = std::function<void(const EditorFields&)>;

// The number proposed for a new entry: the smallest whole number, 0 included, that no row
// carries in its entry number, in three digits ("000", "042"). Rebuilds EntryNumbers; changes
// no row.
[[nodiscard]] QString AllocateEntryNumber(MemoryDial& dial);

// The creation message for the number in the number box.
[[nodiscard]] QString EntryCreatedText(const QString& number);
void TellEntryCreated(Interaction& ui, const EditorFields& fields);

// The editor's new-entry command (its mnuFileCreate_Click): puts the proposed number into the
// form and shows it, asks whether to keep the shown entry as a copy (Cancel empties the form,
// shown again), then tells the number. Nothing is stored. False, with nothing changed, when
// the list is already full or `mayDrop` stops it.
[[nodiscard]] bool EditorNewEntry(MemoryDial& dial, EditorFields& fields, Interaction& ui,
                                  const DropGuard& mayDrop = {}, const FieldsShower& show = {});

struct MainWindowNewEntryResult
{
    bool openEditor = false; // show the editor, loaded with LoadEditor(dial, fields, proposedNumber)
    QString proposedNumber;  // empty in mode "1", which numbers its entry "000" itself
};

// The main window's new-entry command (its mnuFileCreate_Click): an empty, unloaded list
// starts a new memory dial (EditMode "1", SelectedRow 1); otherwise EditMode "0" and the copy
// question, and a copy needs a selected row that exists. Sets EditMode, CopyEntry and
// SelectedRow for the editor's load.
[[nodiscard]] MainWindowNewEntryResult MainWindowNewEntry(MemoryDial& dial, Interaction& ui);

// Previous (index 0) and next (index 1), the editor's mnuFileRecord_Click: one row up or
// down, or the end-of-list warning and the current row shown again. With SelectedRow outside
// the rows, or when `mayDrop` stops it, nothing moves and nothing is shown. True when the
// fields were refilled.
[[nodiscard]] bool mnuFileRecord_Click(int index, MemoryDial& dial, EditorFields& fields, Interaction& ui,
                                       const DropGuard& mayDrop = {});

// First and last row, without a message; false, with nothing changed, on an empty list or
// when `mayDrop` stops it.
[[nodiscard]] bool ShowFirstEntry(MemoryDial& dial, EditorFields& fields, const DropGuard& mayDrop = {});
[[nodiscard]] bool ShowLastEntry(MemoryDial& dial, EditorFields& fields, const DropGuard& mayDrop = {});
