#pragma once

#include "Interaction.h"
#include "editor/EntryNavigation.h"
#include "exchange/AddressBook.h"
#include "find/EntryFind.h"
#include "find/EntryMerge.h"
#include "memorydial/MemoryDial.h"

#include <QString>
#include <QStringList>

#include <functional>

// Which main-window commands are usable; the menu items and toolbar buttons follow it.
struct MainCommandState
{
    bool save = false;         // "保存(&S)", "名前を付けて保存(&A)...", toolbar 4
    bool editEntry = false;    // "個別情報の編集(E)", toolbar 6
    bool listCommands = false; // renumber, swap, move up/down, delete entries; toolbar 8-11, 13
    bool saveAsOnly = false;   // "保存(&S)" stays off: a new memory dial has no file yet

    friend bool operator==(const MainCommandState&, const MainCommandState&) = default;
};

// The main window's commands over the open memory dial: every question, message and file
// choice goes through `Interaction`, so each flow runs without a window. The window shows
// `Caption()`, `Commands()` and the rows, and selects `SelectedRow`.
class MainController
{
public:
    // Writes the five history paths to the settings after every successful open.
    using RirekiSaver = std::function<void(const QStringList& rireki)>;

    MainController(MemoryDial& dial, Interaction& interaction, QString programFolder, RirekiSaver saveRireki);

    [[nodiscard]] MemoryDial& Dial() { return m_dial; }
    [[nodiscard]] const MemoryDial& Dial() const { return m_dial; }
    // The window caption, with "*" while the memory dial holds unsaved changes.
    [[nodiscard]] QString Caption() const;
    // True when closing or replacing the memory dial now would lose something: its rows differ
    // from those last read or saved, or its file has gone (deleted or renamed) while it holds
    // entries.
    [[nodiscard]] bool Modified() const;
    // Before the memory dial goes away (the window closes, or another document replaces it):
    // asks "変更を保存しますか" when it is modified. True to go on: nothing to lose, the user
    // chose 保存しない, or chose 保存 and the save succeeded.
    [[nodiscard]] bool SettleChanges();
    [[nodiscard]] MainCommandState Commands() const { return m_commands; }
    [[nodiscard]] int SortColumn() const { return m_sortColumn; }
    [[nodiscard]] bool SortAscending() const { return m_sortAscending; }
    // True from a sort until the next file is read.
    [[nodiscard]] bool Sorted() const { return m_sorted; }

    // Called after an import appended rows and before its report, so the window can show the
    // rows the report talks about.
    void SetRowsChanged(std::function<void()> rowsChanged) { m_rowsChanged = std::move(rowsChanged); }
    // Opens the duplicates list; offered after an import that brought in look-alikes.
    void SetShowDuplicates(std::function<void()> show) { m_showDuplicates = std::move(show); }
    // "OptSort": sort by entry number after opening a file.
    void SetSortOnOpen(bool sortOnOpen) { m_sortOnOpen = sortOnOpen; }
    // Enables everything that needs a loaded memory dial (also after the editor stores an entry).
    void EnableDocumentCommands();
    // The editor appended an entry: the document commands come on, "保存(&S)" only when
    // `enableSave` (false for the first entry of a memory dial that has no file yet).
    void EntryAppended(bool enableSave);

    // "ﾒﾓﾘﾀﾞｲﾔﾙの新規作成(&N)": whether and how the editor opens. Starting a new memory dial
    // replaces the document, so unsaved changes are settled first.
    [[nodiscard]] MainWindowNewEntryResult mnuFileCreate_Click();
    void mnuFileOpen_Click();
    // Opens history item `index` (1 to 5).
    void mnuFileArray_Click(int index);
    // Index 0 saves to the current file, index 1 under a new name.
    void mnuFileSave_Click(int index);
    // The exit question; true when the window is to close (which then settles the changes).
    [[nodiscard]] bool mnuFileEnd_Click();

    // "ｱﾄﾞﾚｽ帳の取り込み(&I)...": appends the contacts of a vCard or CSV file the user picks,
    // then reports what was taken and what was not.
    void mnuFileImport_Click();
    // "ｱﾄﾞﾚｽ帳への書き出し(&E)..." writes every entry (index 0) or the ticked ones (index 1)
    // to a vCard or CSV file, by the name's extension.
    void mnuFileExport_Click(int index);

    // A click on row `row` (1-based), or on no row (-1).
    void ListView1_Click(int row);
    // A double-click; true when the editor is to open on `SelectedRow` in mode "2".
    [[nodiscard]] bool ListView1_DblClick(int row);
    // "個別情報の編集(E)": true when the editor is to open on `SelectedRow` in mode "2"; with
    // no row selected (or the selected one deleted) nothing happens.
    [[nodiscard]] bool mnuEditEditor_Click();
    // A click on the header of `column` (0 to 37) flips the direction and sorts.
    void ListView1_ColumnClick(int column);
    // Sorts by entry number in the current direction.
    void SortByNumber();

    void mnuEditReNumber_Click();
    void mnuEditSwap_Click();
    // Index 0 moves the selected entry up, index 1 down.
    void mnuEditUpDown_Click(int index);
    void mnuEditDelete_Record_Click();
    void mnuEditDelete_Memory_Click();
    // Lets the user pick the file to rename; empty when they cancelled.
    [[nodiscard]] QString ChooseRenameSource();

    // The search box: the list shows the rows `typed` finds. Commands aimed at rows (ticks,
    // swap, delete, move, edit, export of ticked entries) see the shown rows only: a row the
    // user cannot see is never touched through one they can. Renumber, sort and save still
    // act on every row, and the ticks of hidden rows wait until they are shown again.
    void SetFilter(const QString& typed);
    [[nodiscard]] const EntryQuery& Filter() const { return m_filter; }
    // Whether 1-based `row` passes the filter.
    [[nodiscard]] bool RowShown(int row) const;

    // "重複の検出と統合(&P)...": the groups of entries that look like one person, as 1-based rows.
    [[nodiscard]] QList<QList<int>> DuplicateGroups() const;
    // Makes rows `rowA` and `rowB` one entry (MergeEntries, with the upper row as the first and
    // `picks` where they differ), in the upper row's place and under its number, stamped now;
    // the lower row goes. False, changing nothing, when they are not two existing rows.
    bool MergeRows(int rowA, int rowB, const QList<MergeSide>& picks);

private:
    // True while the list holds entries that a read would replace.
    [[nodiscard]] bool HoldsEntries() const;
    // Settles unsaved changes, then reads `path`; false when the user stopped or the read failed.
    [[nodiscard]] bool Replace(const QString& path);
    [[nodiscard]] bool Read(const QString& path);
    void RememberPath(const QString& path);
    void SelectFirstRow();
    // The report of an import or export: the counts, and what was lost as a list of its own.
    // `lookAlikes` is what the summary adds about entries that look like ones already there.
    void ShowExchangeReport(const ExchangeReport& report, bool import, MessageIcon icon,
                            const QString& lookAlikes = {});
    // True when the rows reached a file.
    bool Save(bool chooseName);
    void Sort(int column);
    // True when `path` names a regular file; else tells the user why `what` cannot be done.
    [[nodiscard]] bool TellIfNoRegularFile(const QString& path, const QString& what, const QString& title);
    [[nodiscard]] QList<int> ShownTickedRowsFromLast() const;
    // The selected row when it is shown, else 0.
    [[nodiscard]] int ShownSelectedRow() const;
    // The nearest shown row before (`step` -1) or after (+1) `row`; 0 when there is none.
    [[nodiscard]] int NeighbourShownRow(int row, int step) const;

    MemoryDial& m_dial;
    Interaction& m_interaction;
    QString m_programFolder;
    RirekiSaver m_saveRireki;
    std::function<void()> m_rowsChanged;
    std::function<void()> m_showDuplicates;
    MainCommandState m_commands;
    bool m_sortOnOpen = false;
    int m_sortColumn = 0;
    bool m_sortAscending = true;
    bool m_sorted = false;
    EntryQuery m_filter;
};
