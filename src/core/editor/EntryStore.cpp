#include "EntryStore.h"

#include "EditorTexts.h"

namespace {

// Full-width digits arrive only by pasting; the file and the phone expect ASCII digits.
bool AllDigits(const QString& text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

std::optional<EntryCheckFailure> DigitFailure(const EditorFields& fields, int first, int last, QStringView text)
{
    for (int i = first; i <= last; ++i) {
        if (!AllDigits(fields.Text(i))) {
            return EntryCheckFailure{text.toString(), EditorTexts::kDigitTitle.toString(), i};
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<EntryCheckFailure> CheckEntryFields(const EditorFields& fields)
{
    const QString& postalFirst = fields.Text(kTextPostalFirst);
    const QString& postalSecond = fields.Text(kTextPostalSecond);
    const bool postalComplete = postalFirst.size() == 3 && postalSecond.size() == 4;
    if (!postalComplete && !(postalFirst.isEmpty() && postalSecond.isEmpty())) {
        return EntryCheckFailure{EditorTexts::kPostalLengthText.toString(), EditorTexts::kPostalLengthTitle.toString(),
                                 -1};
    }
    if (auto failure = DigitFailure(fields, kTextPostalFirst, kTextPostalSecond, EditorTexts::kPostalDigitText)) {
        return failure;
    }
    if (auto failure = DigitFailure(fields, kTextTel1, kTextTel5, EditorTexts::kTelDigitText)) {
        return failure;
    }
    const int emptyParts = static_cast<int>(fields.Combo(kComboBirthYear).isEmpty()) +
                           static_cast<int>(fields.Combo(kComboBirthMonth).isEmpty()) +
                           static_cast<int>(fields.Combo(kComboBirthDay).isEmpty());
    if (emptyParts == 1 || emptyParts == 2) {
        return EntryCheckFailure{EditorTexts::kBirthdayText.toString(), EditorTexts::kBirthdayTitle.toString(), -1};
    }
    // The birthday cell runs year, month and day together and is cut by position when shown
    // again: a year of another length, or with a sign, comes back as another date.
    const QString& year = fields.Combo(kComboBirthYear);
    if (!year.isEmpty() && (year.size() != 4 || !AllDigits(year))) {
        return EntryCheckFailure{EditorTexts::kBirthYearText.toString(), EditorTexts::kDigitTitle.toString(), -1};
    }
    return std::nullopt;
}

bool StoreEntry(MemoryDial& dial, int row, const EditorFields& fields)
{
    if (row < 1 || row > dial.RowCount()) {
        return false;
    }
    ComposeEntryCells(fields, dial.GroupNames, dial.rows[row - 1]);
    dial.RebuildEntryNumbers();
    return true;
}

QString RevisionStamp(const QDateTime& now)
{
    return now.toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
}

bool StampEntry(MemoryDial& dial, int row, const QDateTime& now)
{
    if (row < 1 || row > dial.RowCount()) {
        return false;
    }
    dial.rows[row - 1][kColRevision] = RevisionStamp(now);
    return true;
}

EntrySaveResult SaveEntry(MemoryDial& dial, const EditorFields& fields, Interaction& ui, const QDateTime& now)
{
    EntrySaveResult result;
    dial.RebuildEntryNumbers();
    // Compared against the rows themselves rather than EntryNumbers, which stops at 1001 places.
    int matchRow = 0;
    const QString& number = fields.Text(kTextNumber);
    for (int row = 1; row <= dial.RowCount(); ++row) {
        if (dial.rows[row - 1][kColNumber] == number) {
            matchRow = row;
        }
    }

    if (const auto failure = CheckEntryFields(fields)) {
        ui.Tell(failure->text, failure->title, MessageIcon::Warning);
        result.focusIndex = failure->focusIndex;
        return result;
    }

    if (matchRow > 0) {
        if (ui.Ask(EditorTexts::kOverwriteText.toString(), EditorTexts::kOverwriteTitle.toString())) {
            dial.SelectedRow = matchRow;
            result.outcome =
                StoreEntry(dial, matchRow, fields) ? EntrySaveOutcome::Overwritten : EntrySaveOutcome::Refused;
        } else {
            result.outcome = EntrySaveOutcome::Cancelled;
        }
        dial.RebuildEntryNumbers();
        return result;
    }

    if (dial.RowCount() >= kMaxEntries) {
        ui.Tell(EditorTexts::kListFullText.toString(), EditorTexts::kListFullTitle.toString(), MessageIcon::Warning);
        return result;
    }
    Entry entry;
    ComposeEntryCells(fields, dial.GroupNames, entry);
    dial.rows.append(entry);
    dial.SelectedRow = dial.RowCount();
    // The row was appended just now, so it exists.
    const bool stamped = StampEntry(dial, dial.SelectedRow, now);
    Q_ASSERT(stamped);
    result.outcome = EntrySaveOutcome::Appended;
    result.enableMainSave = dial.EditMode != u"1";
    ui.Tell(EditorTexts::kAppendedText.toString(), EditorTexts::kAppendedTitle.toString(), MessageIcon::Information);
    dial.RebuildEntryNumbers();
    return result;
}
