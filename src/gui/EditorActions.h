#pragma once

#include <QObject>

#include <array>

class QAction;
class QMenuBar;
class QToolBar;
class QWidget;

// The entry editor's menus and its 17-button toolbar. A button triggers its menu item and is
// enabled with it; buttons 5 and 8 (first and last entry) have no menu item.
class EditorActions final : public QObject
{
    Q_OBJECT

public:
    explicit EditorActions(QWidget& window);

    QMenuBar* menuBar = nullptr;
    QToolBar* toolBar = nullptr;

    QAction* mnuFileCreate = nullptr;
    QAction* mnuFileSave = nullptr;
    std::array<QAction*, 2> mnuFileRecord{}; // 0 previous, 1 next
    QAction* mnuFileEnd = nullptr;
    std::array<QAction*, 3> mnuEditCutCopyPaste{};
    QAction* mnuEditPrefix = nullptr;
    QAction* mnuEditDomain = nullptr;
    QAction* mnuEditYubin_Jusho = nullptr;
    QAction* mnuEditVerifyStar = nullptr;
    QAction* mnuEditBirthDay = nullptr;
    QAction* mnuOptE_Mail = nullptr;
    QAction* mnuOptWebView = nullptr;
    QAction* mnuOptGPS_Info = nullptr;
    QAction* mnuOptSettei = nullptr;
    std::array<QAction*, 2> mnuHelpContent_KeyWord{};
    QAction* mnuHelpAbout = nullptr;

    // Toolbar buttons by their 1-based number; separators stay null.
    std::array<QAction*, 18> button{};

private:
    void AddButton(int number, QAction* menuItem, const QIcon& icon);
};
