#include "EditorActions.h"

#include "DesktopLook.h"
#include "editor/EditorTexts.h"

#include <QAction>
#include <QMenuBar>
#include <QToolBar>
#include <QWidget>

namespace {

using EditorTexts::kMenuItems;

// Menu items are taken from the menu table in order, so every caption and shortcut comes
// from one place.
class MenuBuilder
{
public:
    explicit MenuBuilder(QMenuBar* bar) : m_bar(bar) {}

    QMenu* Menu()
    {
        m_menu = m_bar->addMenu(Next().caption.toString());
        return m_menu;
    }
    QAction* Item()
    {
        const EditorTexts::MenuItemText& text = Next();
        QAction* action = m_menu->addAction(text.caption.toString());
        action->setObjectName(text.name.toString());
        action->setShortcut(QKeySequence(text.shortcut.toString(), QKeySequence::PortableText));
        return action;
    }
    void Separator()
    {
        Next();
        m_menu->addSeparator();
    }

private:
    const EditorTexts::MenuItemText& Next() { return kMenuItems[m_next++]; }

    QMenuBar* m_bar;
    QMenu* m_menu = nullptr;
    std::size_t m_next = 0;
};

} // namespace

EditorActions::EditorActions(QWidget& window) : QObject(&window)
{
    menuBar = new QMenuBar(&window);
    MenuBuilder menus(menuBar);
    menus.Menu();
    mnuFileCreate = menus.Item();
    mnuFileSave = menus.Item();
    menus.Separator();
    mnuFileRecord[0] = menus.Item();
    mnuFileRecord[1] = menus.Item();
    menus.Separator();
    mnuFileEnd = menus.Item();

    menus.Menu();
    for (QAction*& item : mnuEditCutCopyPaste) {
        item = menus.Item();
    }
    menus.Separator();
    mnuEditPrefix = menus.Item();
    mnuEditDomain = menus.Item();
    menus.Separator();
    mnuEditYubin_Jusho = menus.Item();
    mnuEditVerifyStar = menus.Item();
    mnuEditBirthDay = menus.Item();

    menus.Menu();
    mnuOptE_Mail = menus.Item();
    mnuOptWebView = menus.Item();
    mnuOptGPS_Info = menus.Item();
    menus.Separator();
    mnuOptSettei = menus.Item();

    menus.Menu();
    mnuHelpContent_KeyWord[0] = menus.Item();
    mnuHelpContent_KeyWord[1] = menus.Item();
    menus.Separator();
    mnuHelpAbout = menus.Item();

    // The field services and the settings dialog come with their own windows and lookups;
    // until those are connected their commands stay unavailable.
    for (QAction* other : {mnuEditCutCopyPaste[0], mnuEditCutCopyPaste[1], mnuEditCutCopyPaste[2], mnuEditPrefix,
                           mnuEditDomain, mnuEditYubin_Jusho, mnuEditVerifyStar, mnuEditBirthDay, mnuOptSettei}) {
        other->setEnabled(false);
    }

    toolBar = new QToolBar(QStringLiteral("Toolbar1"), &window);
    toolBar->setObjectName(QStringLiteral("Toolbar1"));
    toolBar->setIconSize(QSize(16, 16));
    toolBar->setContextMenuPolicy(Qt::PreventContextMenu);
    toolBar->addSeparator();
    AddButton(2, mnuFileCreate, ToolbarIcon(u"contact-new-symbolic"));
    AddButton(3, mnuFileSave, ToolbarIcon(u"document-save-symbolic"));
    toolBar->addSeparator();
    AddButton(5, nullptr, ToolbarIcon(u"go-first-symbolic"));
    AddButton(6, mnuFileRecord[0], ToolbarIcon(u"go-previous-symbolic"));
    AddButton(7, mnuFileRecord[1], ToolbarIcon(u"go-next-symbolic"));
    AddButton(8, nullptr, ToolbarIcon(u"go-last-symbolic"));
    toolBar->addSeparator();
    AddButton(10, mnuEditCutCopyPaste[0], ToolbarIcon(u"edit-cut-symbolic"));
    AddButton(11, mnuEditCutCopyPaste[1], ToolbarIcon(u"edit-copy-symbolic"));
    AddButton(12, mnuEditCutCopyPaste[2], ToolbarIcon(u"edit-paste-symbolic"));
    toolBar->addSeparator();
    AddButton(14, mnuOptSettei, ToolbarIcon(u"preferences-system-symbolic"));
    // Button 15, the wide gap before About and help.
    auto* gap = new QWidget(toolBar);
    gap->setFixedWidth(24);
    toolBar->addWidget(gap);
    AddButton(16, mnuHelpAbout, ToolbarIcon(u"help-about-symbolic"));
    AddButton(17, mnuHelpContent_KeyWord[1], ToolbarIcon(u"help-contents-symbolic"));
}

void EditorActions::AddButton(int number, QAction* menuItem, const QIcon& icon)
{
    const QString toolTip = EditorTexts::kToolbarToolTips[static_cast<std::size_t>(number - 1)].toString();
    QAction* action = toolBar->addAction(icon, toolTip.trimmed());
    action->setToolTip(toolTip);
    action->setObjectName(QStringLiteral("Button%1").arg(number));
    if (menuItem) {
        action->setEnabled(menuItem->isEnabled());
        connect(action, &QAction::triggered, menuItem, &QAction::trigger);
        connect(menuItem, &QAction::enabledChanged, action, &QAction::setEnabled);
    }
    button[static_cast<std::size_t>(number)] = action;
}
