#pragma once

#include "app/MainController.h"

#include <QList>
#include <QObject>

#include <array>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

// The main window's menus and toolbar. Menu items and toolbar buttons are separate actions:
// the buttons carry their own tool tips, and a button is enabled with its menu item.
class MainWindowActions final : public QObject
{
    Q_OBJECT

public:
    explicit MainWindowActions(QMainWindow& window);

    // Menu items, named after the menu controls.
    QAction* mnuFileCreate = nullptr;
    QAction* mnuFileOpen = nullptr;
    std::array<QAction*, 2> mnuFileSave{};
    QAction* mnuFileImport = nullptr;
    std::array<QAction*, 2> mnuFileExport{};           // every entry, the ticked ones
    std::array<QAction*, kRirekiCount> mnuFileArray{}; // history items 1 to 5
    QAction* mnuFileEnd = nullptr;
    QAction* mnuEditEditor = nullptr;
    QAction* mnuEditReNumber = nullptr;
    QAction* mnuEditSwap = nullptr;
    std::array<QAction*, 2> mnuEditUpDown{};
    QAction* mnuEditDelete_Record = nullptr;
    QAction* mnuEditRename = nullptr;
    QAction* mnuEditDelete_Memory = nullptr;
    QAction* mnuEditFind = nullptr; // puts the focus into the search box
    QAction* mnuEditDuplicates = nullptr;
    QAction* mnuOptSettei = nullptr;
    std::array<QAction*, 2> mnuHelpContent_KeyWord{};
    QAction* mnuHelpAbout = nullptr;

    QToolBar* toolBar = nullptr;
    // Toolbar buttons by their 1-based position; separators stay null.
    std::array<QAction*, 20> button{};

    // Enables what needs a loaded memory dial or a selected entry.
    void ShowCommands(const MainCommandState& state);
    // The recent-file items: visible for every non-empty history path.
    void ShowRireki(const QStringList& rireki);

private:
    QAction* AddButton(int position, const QString& toolTip, QAction* menuItem, const QIcon& icon);
};
