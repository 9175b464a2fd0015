#pragma once

#include "EditorFields.h"
#include "EntryStore.h"
#include "Interaction.h"
#include "memorydial/MemoryDial.h"

#include <QDateTime>

#include <optional>

// True when a text, a drop-down text or the secret choice of `fields` differs from `shown`,
// the fields as the editor last put them on the screen. The focus, the group list and the
// revision panel are not part of the entry and do not count.
[[nodiscard]] bool FieldsChanged(const EditorFields& fields, const EditorFields& shown);

struct DropFieldsResult
{
    bool goOn = true;                     // the command may replace the fields
    std::optional<EntrySaveResult> saved; // what 保存 did, when it was chosen
};

// Run before the editor drops its fields (closing, previous, next, first, last, new entry).
// Fields equal to `shown` go on without a word. Otherwise "変更を保存しますか": 保存 runs the
// editor's save command and goes on only when the entry was stored (not when a check refused
// it or the overwrite question was cancelled); 保存しない goes on and drops the edits;
// キャンセル stops and keeps them.
[[nodiscard]] DropFieldsResult ConfirmDropFields(MemoryDial& dial, const EditorFields& fields,
                                                 const EditorFields& shown, Interaction& ui, const QDateTime& now);
