#pragma once

#include "app/MainController.h"
#include "app/MainWindowOptions.h"
#include "app/SettingsTarget.h"

#include <QMainWindow>

#include <functional>
#include <optional>

class EntryFilterModel;
class EntryTableModel;
class MainWindowActions;
class QLabel;
class QTableView;
class SearchBar;

// MORVANX: the entry list with its menus, toolbar and status bar. Every command runs in
// `MainController`; the window forwards the events and shows the result.
class MainWindow final : public QMainWindow, public SettingsTarget
{
    Q_OBJECT

public:
    // Called on every close with the geometry and column widths to store.
    using PlacementSaver = std::function<void(const MainWindowPlacement&)>;

    MainWindow(MemoryDial& dial, Interaction& interaction, MainWindowOptions options, QString programFolder,
               MainController::RirekiSaver saveRireki, PlacementSaver savePlacement, QWidget* parent = nullptr);
    ~MainWindow() override;

    [[nodiscard]] MainController& Controller() { return m_controller; }
    [[nodiscard]] MainWindowActions& Actions() { return *m_actions; }
    [[nodiscard]] QTableView& List() { return *m_list; }
    [[nodiscard]] EntryTableModel& Model() { return *m_model; }
    // The rows the list shows: the model as the search box filters it.
    [[nodiscard]] EntryFilterModel& Shown() { return *m_shown; }
    [[nodiscard]] SearchBar& Search() { return *m_search; }

    // The entry editor, shown modally with the dial's `EditMode` and `SelectedRow` set.
    void SetEditorOpener(std::function<void()> openEditor) { m_openEditor = std::move(openEditor); }
    // "ﾒﾓﾘﾀﾞｲﾔﾙの新規作成(&N)" and toolbar button 2: a new memory dial or a new entry.
    void SetCreateCommand(std::function<void()> create) { m_create = std::move(create); }
    // Opens the editor (double-click on a row, "個別情報の編集(E)", toolbar button 6).
    void OpenEditor();

    // Shows the rows and the state after something outside the window changed them.
    void ShowRows();
    // The current geometry and column widths in twips (also what a settings dialog shows).
    [[nodiscard]] MainWindowPlacement Placement() const;

    // What the settings dialog changes (MainWindowSettings.cpp).
    void ShowColumnHeaders(bool visible) override;
    void ShowGridLines(bool visible) override;
    void SetDoubleClickExits(bool exits) override;
    void SetSortOnOpen(bool sort) override;
    [[nodiscard]] TwipsSize WindowSize() const override;
    void ResizeWindow(TwipsSize outerSize) override;
    void CentreWindow(TwipsSize outerSize) override;
    void SetListFont(const ListFontSetting& font) override;
    void SetListColours(std::uint32_t text, std::uint32_t background) override;
    void SetColumnWidth(int column, int twips) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildList();
    void BuildStatusBar();
    void Connect();
    void PlaceWindow();
    void ShowState();
    void ShowFilterCount();
    void Run(const std::function<void()>& command);
    void ExitCommand();
    void SavePlacement();
    void RenameCommand();
    // Places the window by its outer rectangle, frame included, as the settings keep it, inside
    // the free screen area (MainWindowGeometry.cpp).
    void PlaceOuter(const QRect& outer);
    void FitOuterSize();

    MemoryDial& m_dial;
    Interaction& m_interaction;
    MainWindowOptions m_options;
    MainController m_controller;
    PlacementSaver m_savePlacement;
    MainWindowActions* m_actions = nullptr;
    EntryTableModel* m_model = nullptr;
    EntryFilterModel* m_shown = nullptr;
    SearchBar* m_search = nullptr;
    QLabel* m_filterCount = nullptr; // status-bar panel 1
    QTableView* m_list = nullptr;
    std::function<void()> m_openEditor;
    std::function<void()> m_create;
    // The outer rectangle asked for while the window manager has not framed the window yet, and
    // the inside size last set for it.
    std::optional<QRect> m_pendingOuter;
    QSize m_requestedInside;
};
