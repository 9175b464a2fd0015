#include "EntryNavigation.h"

#include "EditorTexts.h"

#include <vector>

namespace {

// Only a cell that starts with a digit carries a number: an empty cell does not hold 000.
bool CarriesNumber(const QString& cell)
{
    const QString trimmed = cell.trimmed();
    return !trimmed.isEmpty() && trimmed.front() >= u'0' && trimmed.front() <= u'9';
}

bool ListFull(const MemoryDial& dial, Interaction& ui)
{
    if (dial.RowCount() < kMaxEntries) {
        return false;
    }
    ui.Tell(EditorTexts::kListFullText.toString(), EditorTexts::kListFullTitle.toString(), MessageIcon::Warning);
    return true;
}

bool MayGoOn(const DropGuard& mayDrop)
{
    return !mayDrop || mayDrop();
}

void ShowNow(const FieldsShower& show, const EditorFields& fields)
{
    if (show) {
        show(fields);
    }
}

} // namespace

QString AllocateEntryNumber(MemoryDial& dial)
{
    dial.RebuildEntryNumbers();
    // n rows carry at most n numbers, so one of 0 … n is always free.
    const int rowCount = dial.RowCount();
    std::vector<bool> taken(static_cast<std::size_t>(rowCount) + 1, false);
    for (const Entry& entry : dial.rows) {
        if (!CarriesNumber(entry[kColNumber])) {
            continue;
        }
        const qint64 number = LeadingNumber(entry[kColNumber]);
        if (number <= rowCount) {
            taken[static_cast<std::size_t>(number)] = true;
        }
    }
    const auto firstFree = std::find(taken.cbegin(), taken.cend(), false);
    return EntryNumberText(firstFree - taken.cbegin());
}

QString EntryCreatedText(const QString& number)
{
    return EditorTexts::kCreatedBefore.toString() + number + EditorTexts::kCreatedAfter.toString();
}

void TellEntryCreated(Interaction& ui, const EditorFields& fields)
{
    ui.Tell(EntryCreatedText(fields.Text(kTextNumber)), EditorTexts::kCreatedTitle.toString(),
            MessageIcon::Information);
}

bool EditorNewEntry(MemoryDial& dial, EditorFields& fields, Interaction& ui, const DropGuard& mayDrop,
                    const FieldsShower& show)
{
    if (ListFull(dial, ui) || !MayGoOn(mayDrop)) {
        return false;
    }
    // Storing the edits may have taken the last free place.
    if (ListFull(dial, ui)) {
        return false;
    }
    fields.Text(kTextNumber) = AllocateEntryNumber(dial);
    ShowNow(show, fields);
    if (!ui.Ask(EditorTexts::kCopyText.toString(), EditorTexts::kCopyTitle.toString())) {
        ClearForNewEntry(fields);
        ShowNow(show, fields);
    }
    TellEntryCreated(ui, fields);
    return true;
}

MainWindowNewEntryResult MainWindowNewEntry(MemoryDial& dial, Interaction& ui)
{
    MainWindowNewEntryResult result;
    dial.CopyEntry = QStringLiteral("0");
    if (dial.RowCount() == 0 && dial.EntryCount == 0) {
        dial.EditMode = QStringLiteral("1");
        dial.SelectedRow = 1;
        result.openEditor = true;
        return result;
    }
    if (ListFull(dial, ui)) {
        return result;
    }
    dial.EditMode = QStringLiteral("0");
    if (ui.Ask(EditorTexts::kCopyText.toString(), EditorTexts::kCopyTitle.toString())) {
        // A row deleted since it was clicked leaves SelectedRow past the end: nothing to copy.
        if (dial.SelectedRow < 1 || dial.SelectedRow > dial.RowCount()) {
            ui.Tell(EditorTexts::kSelectText.toString(), EditorTexts::kSelectTitle.toString(), MessageIcon::Error);
            return result;
        }
        dial.CopyEntry = QStringLiteral("1");
    }
    result.proposedNumber = AllocateEntryNumber(dial);
    result.openEditor = true;
    return result;
}

bool mnuFileRecord_Click(int index, MemoryDial& dial, EditorFields& fields, Interaction& ui, const DropGuard& mayDrop)
{
    if (dial.SelectedRow < 1 || dial.SelectedRow > dial.RowCount() || !MayGoOn(mayDrop)) {
        return false;
    }
    // Read after the guard: storing the edits may have appended a row and moved to it.
    const int rowCount = dial.RowCount();
    if (index == 1) {
        if (dial.SelectedRow != rowCount) {
            ++dial.SelectedRow;
        } else {
            ui.Tell(EditorTexts::kLastText.toString(), EditorTexts::kLastTitle.toString(), MessageIcon::Warning);
        }
    } else {
        if (dial.SelectedRow != 1) {
            --dial.SelectedRow;
        } else {
            ui.Tell(EditorTexts::kFirstText.toString(), EditorTexts::kFirstTitle.toString(), MessageIcon::Warning);
        }
    }
    return ShowEntry(fields, dial, dial.SelectedRow);
}

bool ShowFirstEntry(MemoryDial& dial, EditorFields& fields, const DropGuard& mayDrop)
{
    if (dial.RowCount() == 0 || !MayGoOn(mayDrop)) {
        return false;
    }
    dial.SelectedRow = 1;
    return ShowEntry(fields, dial, dial.SelectedRow);
}

bool ShowLastEntry(MemoryDial& dial, EditorFields& fields, const DropGuard& mayDrop)
{
    if (dial.RowCount() == 0 || !MayGoOn(mayDrop)) {
        return false;
    }
    dial.SelectedRow = dial.RowCount();
    return ShowEntry(fields, dial, dial.SelectedRow);
}
