#include "MainController.h"

#include "app/MainTexts.h"
#include "editor/EditorTexts.h"
#include "editor/EntryStore.h"
#include "exchange/AddressBook.h"
#include "files/FileTexts.h"
#include "files/SafeFileMove.h"
#include "files/SafeFileRead.h"
#include "files/SafeFileWrite.h"
#include "find/Duplicates.h"
#include "find/FindTexts.h"
#include "list/MemoryDialFiles.h"
#include "list/RenameTexts.h"
#include "list/RowOperations.h"
#include "memorydial/MemoryDialReader.h"
#include "memorydial/MemoryDialWriter.h"
#include "settings/AppSettings.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <utility>

MainController::MainController(MemoryDial& dial, Interaction& interaction, QString programFolder,
                               RirekiSaver saveRireki)
    : m_dial(dial), m_interaction(interaction), m_programFolder(std::move(programFolder)),
      m_saveRireki(std::move(saveRireki))
{
}

void MainController::EnableDocumentCommands()
{
    m_commands = {true, true, true};
}

void MainController::EntryAppended(bool enableSave)
{
    m_commands.save = true;
    m_commands.listCommands = true;
    m_commands.saveAsOnly = m_commands.saveAsOnly || !enableSave;
}

QString MainController::Caption() const
{
    const QString caption = WindowCaption(m_dial.CurrentPath);
    return Modified() ? caption + u'*' : caption;
}

bool MainController::Modified() const
{
    if (m_dial.RowsChanged()) {
        return true;
    }
    return m_dial.RowCount() > 0 && !m_dial.CurrentPath.isEmpty() && !QFileInfo::exists(m_dial.CurrentPath);
}

bool MainController::SettleChanges()
{
    if (!Modified()) {
        return true;
    }
    switch (m_interaction.AskSaveChanges(EditorTexts::kSaveChangesText.toString(),
                                         EditorTexts::kSaveChangesTitle.toString())) {
    case SaveChoice::Save:
        return Save(m_dial.CurrentPath.isEmpty() || m_commands.saveAsOnly);
    case SaveChoice::Discard:
        return true;
    case SaveChoice::Cancel:
        break;
    }
    return false;
}

bool MainController::HoldsEntries() const
{
    // Entries typed into a new memory dial do not count as loaded, yet a read would replace
    // them just the same: ask for them too.
    return m_dial.EntryCount >= 1 || m_dial.RowCount() > 0;
}

bool MainController::Replace(const QString& path)
{
    return SettleChanges() && Read(path);
}

bool MainController::Read(const QString& path)
{
    MemoryDialReadResult result = MemoryDataOpen(path, m_dial.GroupNames);
    if (!result.content) {
        m_interaction.Tell(result.error, result.title, MessageIcon::Error);
        return false;
    }
    m_dial.Apply(std::move(*result.content));
    if (!m_dial.foreignProperties.isEmpty()) {
        m_interaction.Tell(ForeignOpenText(m_dial.foreignProperties.join(u'、')), kForeignTitle, MessageIcon::Warning);
    }
    m_sorted = false;
    // The editor checks new numbers against this table; a stale one from the previous file
    // would let it overwrite the wrong entry.
    m_dial.RebuildEntryNumbers();
    EnableDocumentCommands();
    return true;
}

void MainController::RememberPath(const QString& path)
{
    PushRireki(m_dial.Rireki, path);
    if (m_saveRireki) {
        m_saveRireki(m_dial.Rireki);
    }
}

void MainController::SelectFirstRow()
{
    ListView1_Click(1);
    m_dial.SelectedRow = 1;
}

MainWindowNewEntryResult MainController::mnuFileCreate_Click()
{
    const bool startsNewDial = m_dial.RowCount() == 0 && m_dial.EntryCount == 0;
    if (startsNewDial && !SettleChanges()) {
        return {};
    }
    return MainWindowNewEntry(m_dial, m_interaction);
}

void MainController::mnuFileOpen_Click()
{
    if (HoldsEntries() && !m_interaction.Ask(kOpenOverLoadedText, kOpenOverLoadedTitle)) {
        return;
    }
    const QString path = m_interaction.ChooseOpenFile(kOpenChooserTitle, m_programFolder, kMemoryDialFilter);
    if (path.isEmpty() || !Replace(path)) {
        return;
    }
    RememberPath(path);
    if (m_sortOnOpen) {
        SortByNumber();
        // The order the user asked to see files in is no change of theirs to keep or lose.
        m_dial.MarkSaved();
    }
    SelectFirstRow();
    m_dial.CurrentPath = path;
}

void MainController::mnuFileArray_Click(int index)
{
    if (index < 1 || index > kRirekiCount || index > m_dial.Rireki.size()) {
        return;
    }
    const QString path = m_dial.Rireki[index - 1];
    if (path.isEmpty()) {
        return;
    }
    if (HoldsEntries() && !m_interaction.Ask(kOpenRecentOverLoadedText, kOpenOverLoadedTitle)) {
        return;
    }
    if (!Replace(path)) {
        return;
    }
    RememberPath(path);
    if (m_dial.RowCount() > 0) {
        SelectFirstRow();
    }
    m_dial.CurrentPath = path;
}

void MainController::mnuFileSave_Click(int index)
{
    Save(index == 1);
}

bool MainController::Save(bool chooseName)
{
    // A current file that has gone since it was read (deleted or renamed meanwhile) cannot be
    // overwritten: a plain save that silently wrote nothing would leave the user believing the
    // entries safe, so the name is asked for instead.
    if (!chooseName && !m_dial.CurrentPath.isEmpty() && !QFileInfo::exists(m_dial.CurrentPath)) {
        chooseName = true;
    }
    QString target;
    QString tested;
    bool announceNew = chooseName;
    if (chooseName) {
        target = m_interaction.ChooseSaveFile(kSaveChooserTitle, m_programFolder, kMemoryDialFilter);
        if (target.isEmpty()) {
            return false;
        }
        tested = target;
    } else {
        tested = m_dial.CurrentPath;
    }
    // Asking whether to overwrite a FIFO or a folder would only end in a refusal.
    if (const std::optional<QString> problem = tested.isEmpty() ? std::nullopt : SaveTargetProblem(tested)) {
        m_interaction.Tell(*problem, kSaveCheckTitle, MessageIcon::Error);
        return false;
    }
    if (!tested.isEmpty() && QFileInfo::exists(tested)) {
        if (!m_interaction.Ask(kOverwriteText, kOverwriteTitle)) {
            return false;
        }
        target = tested;
        announceNew = false;
    }
    if (target.isEmpty()) {
        return false;
    }
    if (!m_dial.CurrentPath.isEmpty() && IsSameFile(target, m_dial.CurrentPath)) {
        // The file that was read: someone else may have written it since, and it may hold
        // more than the rows.
        if (ReadRegularFile(target, kMaxMemoryDialSize).stamp != m_dial.fileStamp) {
            switch (m_interaction.AskChangedFile(ChangedOnDiskText(target), kOverwriteTitle)) {
            case ChangedFileChoice::Overwrite:
                break;
            case ChangedFileChoice::SaveAs:
                return Save(true);
            case ChangedFileChoice::Cancel:
                return false;
            }
        }
        if (!m_dial.foreignProperties.isEmpty() &&
            !m_interaction.Ask(ForeignSaveText(m_dial.foreignProperties.join(u'、')), kOverwriteTitle,
                               MessageIcon::Warning)) {
            return false;
        }
    }
    if (const std::optional<QString> warning = SeparatorWarning(m_dial.rows);
        warning && !m_interaction.Ask(*warning, kSaveCheckTitle, MessageIcon::Warning)) {
        return false;
    }
    const QString vcVer = m_dial.VcVer.isEmpty() ? QStringLiteral("VERSION:3.0") : m_dial.VcVer;
    const MemoryDialWriteResult written = WriteMemoryDial(target, m_dial.rows, vcVer);
    if (!written.ok) {
        m_interaction.Tell(written.error, kSaveCheckTitle, MessageIcon::Error);
        return false;
    }
    m_dial.VcVer = vcVer;
    m_dial.MarkSaved();
    m_dial.foreignProperties.clear();
    m_dial.fileStamp = ReadRegularFile(target, kMaxMemoryDialSize).stamp;
    if (announceNew) {
        m_interaction.Tell(kSavedNewText, kSavedNewTitle, MessageIcon::Information);
    }
    m_dial.CurrentPath = target;
    m_commands.saveAsOnly = false;
    return true;
}

void MainController::mnuFileImport_Click()
{
    const QString path = m_interaction.ChooseOpenFile(kImportChooserTitle, QDir::homePath(), kImportFilter);
    if (path.isEmpty()) {
        return;
    }
    // Its entries are in the list already: taken again, every one would be there twice.
    if (!m_dial.CurrentPath.isEmpty() && IsSameFile(path, m_dial.CurrentPath)) {
        m_interaction.Tell(kImportOpenFileText, kImportTitle, MessageIcon::Error);
        return;
    }
    const int before = m_dial.RowCount();
    const ExchangeReport report = ImportAddressBook(m_dial, {path}, QDateTime::currentDateTime());
    if (m_dial.RowCount() > before) {
        // A memory dial that has no file yet is saved under a name first.
        EntryAppended(!m_dial.CurrentPath.isEmpty());
        if (m_dial.SelectedRow < 1) {
            SelectFirstRow();
        }
        if (m_rowsChanged) {
            m_rowsChanged();
        }
    }
    MessageIcon icon = MessageIcon::Information;
    if (report.entries == 0) {
        icon = MessageIcon::Error;
    } else if (report.overLimit > 0 || !report.details.isEmpty()) {
        icon = MessageIcon::Warning;
    }
    const int lookAlikes = m_dial.RowCount() > before ? CountLookAlikes(m_dial.rows, before + 1) : 0;
    ShowExchangeReport(report, true, icon, lookAlikes > 0 ? FindTexts::ImportLookAlikes(lookAlikes) : QString());
    if (lookAlikes > 0 && m_showDuplicates && m_interaction.Ask(FindTexts::kOfferDuplicatesText, kImportTitle)) {
        m_showDuplicates();
    }
}

void MainController::ShowExchangeReport(const ExchangeReport& report, bool import, MessageIcon icon,
                                        const QString& lookAlikes)
{
    const QString details = report.Details();
    QString summary = report.Summary(import) + lookAlikes;
    if (!details.isEmpty()) {
        summary += import ? kImportDetailsText : kExportDetailsText;
    }
    m_interaction.ShowReport(summary, details, import ? kImportTitle : kExportTitle, icon);
}

void MainController::mnuFileExport_Click(int index)
{
    const bool tickedOnly = index == 1;
    if (m_dial.RowCount() == 0) {
        m_interaction.Tell(kExportNothingText, kExportTitle, MessageIcon::Warning);
        return;
    }
    if (tickedOnly && ShownTickedRowsFromLast().isEmpty()) {
        m_interaction.Tell(kExportNoneTickedText, kSelectionTitle, MessageIcon::Warning);
        return;
    }
    const QString chosen = m_interaction.ChooseSaveFile(kExportChooserTitle, QDir::homePath(), kExportFilter);
    if (chosen.isEmpty()) {
        return;
    }
    const ExportTarget target = ExportTargetFor(chosen);
    // The export is UTF-8 and no memory dial: written over the open file it would leave the
    // user with a file the phone cannot read, once the window closes.
    if (!m_dial.CurrentPath.isEmpty() && IsSameFile(target.path, m_dial.CurrentPath)) {
        m_interaction.Tell(kExportOverOpenText, kExportTitle, MessageIcon::Error);
        return;
    }
    if (const QString problem = ExportTargetProblem(target.path); !problem.isEmpty()) {
        m_interaction.Tell(problem, kExportTitle, MessageIcon::Error);
        return;
    }
    if (QFileInfo::exists(target.path) && !m_interaction.Ask(kExportOverwriteText, kOverwriteTitle)) {
        return;
    }
    MemoryDial shown;
    if (tickedOnly && !m_filter.IsEmpty()) {
        shown = m_dial;
        for (int row = 1; row <= shown.RowCount(); ++row) {
            shown.rows[row - 1].checked = shown.rows[row - 1].checked && RowShown(row);
        }
    }
    const ExportResult exported =
        ExportAddressBook(tickedOnly && !m_filter.IsEmpty() ? shown : m_dial, target.format, tickedOnly);
    if (const QString error = WriteExportFile(target.path, exported.bytes); !error.isEmpty()) {
        m_interaction.Tell(error, kExportTitle, MessageIcon::Error);
        return;
    }
    ShowExchangeReport(exported.report, false,
                       exported.report.details.isEmpty() ? MessageIcon::Information : MessageIcon::Warning);
}

bool MainController::mnuFileEnd_Click()
{
    return m_interaction.Ask(kExitText, kExitTitle);
}

void MainController::ListView1_Click(int row)
{
    if (row < 1 || row > m_dial.RowCount()) {
        return;
    }
    m_dial.SelectedRow = row;
    m_commands.editEntry = true;
}

bool MainController::ListView1_DblClick(int row)
{
    if (row < 1 || row > m_dial.RowCount()) {
        return false;
    }
    m_dial.SelectedRow = row;
    m_dial.EditMode = QStringLiteral("2");
    return true;
}

bool MainController::mnuEditEditor_Click()
{
    // An editor on a row that does not exist would show empty fields and store them as a new
    // entry without a number.
    if (ShownSelectedRow() < 1) {
        return false;
    }
    m_dial.EditMode = QStringLiteral("2");
    return true;
}

void MainController::ListView1_ColumnClick(int column)
{
    m_sortAscending = !m_sortAscending;
    Sort(column);
    m_dial.SelectedRow = 1;
}

void MainController::SortByNumber()
{
    Sort(kColNumber);
}

void MainController::Sort(int column)
{
    m_sortColumn = column;
    m_sorted = true;
    SortRows(m_dial.rows, column, m_sortAscending);
    m_dial.RebuildEntryNumbers();
}

void MainController::mnuEditReNumber_Click()
{
    if (!m_interaction.Ask(kRenumberText, kRenumberTitle)) {
        return;
    }
    RenumberRows(m_dial.rows);
    m_dial.RebuildEntryNumbers();
}

void MainController::mnuEditSwap_Click()
{
    const QList<int> ticked = ShownTickedRowsFromLast();
    if (ticked.size() != 2) {
        m_interaction.Tell(kSwapNeedsTwoText, kSelectionTitle, MessageIcon::Warning);
        return;
    }
    if (!m_interaction.Ask(kSwapText, kSwapTitle)) {
        return;
    }
    SwapEntryContents(m_dial.rows, ticked[0], ticked[1]);
}

void MainController::mnuEditUpDown_Click(int index)
{
    // On a filtered list the entry changes places with the next shown one: the rows hidden
    // between them stay where they are.
    const int row = m_dial.SelectedRow;
    const bool shown = row >= 1 && row <= m_dial.RowCount() && RowShown(row);
    if (index == 0) {
        const int above = shown ? NeighbourShownRow(row, -1) : 0;
        if (row < 2 || (shown && above == 0)) {
            m_interaction.Tell(kAtTopText, kAtTopTitle, MessageIcon::Warning);
            return;
        }
        // After entries were deleted the selection may point past the end: nothing to move.
        if (!shown) {
            return;
        }
        ExchangeRows(m_dial.rows, row, above);
        m_dial.SelectedRow = above;
    } else {
        const int below = shown ? NeighbourShownRow(row, 1) : 0;
        if (row >= m_dial.RowCount() || (shown && below == 0)) {
            m_interaction.Tell(kAtBottomText, kAtBottomTitle, MessageIcon::Warning);
            return;
        }
        if (!shown) {
            return;
        }
        ExchangeRows(m_dial.rows, row, below);
        m_dial.SelectedRow = below;
    }
    m_dial.RebuildEntryNumbers();
}

void MainController::mnuEditDelete_Record_Click()
{
    const QList<int> ticked = ShownTickedRowsFromLast();
    if (ticked.isEmpty()) {
        m_interaction.Tell(kDeleteNoneTickedText, kSelectionTitle, MessageIcon::Warning);
        return;
    }
    if (m_interaction.Ask(kDeleteEntriesText, kDeleteTitle)) {
        // From the last row up, so the positions still to go stay valid.
        for (const int row : ticked) {
            m_dial.rows.removeAt(row - 1);
        }
    }
    m_dial.EntryCount = m_dial.RowCount();
    m_dial.RebuildEntryNumbers();
}

void MainController::mnuEditDelete_Memory_Click()
{
    const QString path = m_interaction.ChooseOpenFile(kDeleteFileChooserTitle, m_programFolder, kMemoryDialFilter);
    if (path.isEmpty() || !TellIfNoRegularFile(path, kDeleteWhat, kDeleteTitle) ||
        !m_interaction.Ask(kDeleteFileText, kDeleteTitle)) {
        return;
    }
    for (;;) {
        switch (RemoveRegularFile(path)) {
        case FileMoveResult::Done:
            m_interaction.Tell(kDeletedFileText, kDeletedFileTitle, MessageIcon::Information);
            return;
        case FileMoveResult::Failed:
            if (!m_interaction.Ask(kDeleteFileFailedText, kDeleteTitle, MessageIcon::Error)) {
                return;
            }
            break;
        default:
            // Something took the file's place while the question was open.
            static_cast<void>(TellIfNoRegularFile(path, kDeleteWhat, kDeleteTitle));
            return;
        }
    }
}

QString MainController::ChooseRenameSource()
{
    const QString path = m_interaction.ChooseOpenFile(kRenameChooserTitle, m_programFolder, kMemoryDialFilter);
    if (path.isEmpty() || !TellIfNoRegularFile(path, kRenameWhat, kRenamedTitle)) {
        return {};
    }
    return path;
}

bool MainController::TellIfNoRegularFile(const QString& path, const QString& what, const QString& title)
{
    switch (KindOfPath(path)) {
    case PathKind::Regular:
        return true;
    case PathKind::Missing:
        m_interaction.Tell(FileTexts::Missing(path), title, MessageIcon::Error);
        return false;
    case PathKind::Other:
        break;
    }
    m_interaction.Tell(FileTexts::NotRegularFile(path, what), title, MessageIcon::Error);
    return false;
}

void MainController::SetFilter(const QString& typed)
{
    m_filter = EntryQuery(typed);
}

bool MainController::RowShown(int row) const
{
    return row >= 1 && row <= m_dial.RowCount() && m_filter.Matches(m_dial.rows[row - 1]);
}

QList<int> MainController::ShownTickedRowsFromLast() const
{
    QList<int> ticked = TickedRowsFromLast(m_dial.rows);
    ticked.removeIf([this](int row) { return !RowShown(row); });
    return ticked;
}

int MainController::ShownSelectedRow() const
{
    return RowShown(m_dial.SelectedRow) ? m_dial.SelectedRow : 0;
}

int MainController::NeighbourShownRow(int row, int step) const
{
    for (int other = row + step; other >= 1 && other <= m_dial.RowCount(); other += step) {
        if (RowShown(other)) {
            return other;
        }
    }
    return 0;
}

QList<QList<int>> MainController::DuplicateGroups() const
{
    return FindDuplicateGroups(m_dial.rows);
}

bool MainController::MergeRows(int rowA, int rowB, const QList<MergeSide>& picks)
{
    const int upper = std::min(rowA, rowB);
    const int lower = std::max(rowA, rowB);
    if (upper < 1 || lower > m_dial.RowCount() || upper == lower) {
        return false;
    }
    m_dial.rows[upper - 1] = MergeEntries(m_dial.rows[upper - 1], m_dial.rows[lower - 1], picks,
                                          RevisionStamp(QDateTime::currentDateTime()));
    m_dial.rows.removeAt(lower - 1);
    m_dial.EntryCount = m_dial.RowCount();
    m_dial.RebuildEntryNumbers();
    m_dial.SelectedRow = upper;
    return true;
}
