#include "EditorChanges.h"

#include "EditorTexts.h"

bool FieldsChanged(const EditorFields& fields, const EditorFields& shown)
{
    return fields.Text1 != shown.Text1 || fields.Combo1 != shown.Combo1 || fields.Private != shown.Private;
}

DropFieldsResult ConfirmDropFields(MemoryDial& dial, const EditorFields& fields, const EditorFields& shown,
                                   Interaction& ui, const QDateTime& now)
{
    DropFieldsResult result;
    if (!FieldsChanged(fields, shown)) {
        return result;
    }
    switch (ui.AskSaveChanges(EditorTexts::kSaveChangesText.toString(), EditorTexts::kSaveChangesTitle.toString())) {
    case SaveChoice::Discard:
        return result;
    case SaveChoice::Cancel:
        result.goOn = false;
        return result;
    case SaveChoice::Save:
        break;
    }
    result.saved = SaveEntry(dial, fields, ui, now);
    result.goOn =
        result.saved->outcome == EntrySaveOutcome::Overwritten || result.saved->outcome == EntrySaveOutcome::Appended;
    return result;
}
