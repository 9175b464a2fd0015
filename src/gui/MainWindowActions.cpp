#include "MainWindowActions.h"

#include "DesktopLook.h"
#include "find/FindTexts.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>

namespace {

QAction* AddItem(QMenu* menu, const QString& caption, const QKeySequence& shortcut = {})
{
    QAction* action = menu->addAction(caption);
    action->setShortcut(shortcut);
    return action;
}

} // namespace

MainWindowActions::MainWindowActions(QMainWindow& window) : QObject(&window)
{
    QMenuBar* bar = window.menuBar();

    QMenu* file = bar->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    mnuFileCreate = AddItem(file, QStringLiteral("ﾒﾓﾘﾀﾞｲﾔﾙの新規作成(&N)"), Qt::CTRL | Qt::Key_N);
    mnuFileOpen = AddItem(file, QStringLiteral("ﾒﾓﾘﾀﾞｲﾔﾙを開く(&O)..."), Qt::CTRL | Qt::Key_O);
    file->addSeparator();
    mnuFileSave[0] = AddItem(file, QStringLiteral("保存(&S)"), Qt::CTRL | Qt::Key_S);
    mnuFileSave[1] = AddItem(file, QStringLiteral("名前を付けて保存(&A)..."));
    for (QAction*& item : mnuFileArray) {
        item = file->addAction(QString());
        item->setVisible(false);
    }
    file->addSeparator();
    mnuFileImport = AddItem(file, QStringLiteral("ｱﾄﾞﾚｽ帳の取り込み(&I)..."));
    mnuFileExport[0] = AddItem(file, QStringLiteral("ｱﾄﾞﾚｽ帳への書き出し(&E)..."));
    mnuFileExport[1] = AddItem(file, QStringLiteral("選択した個別情報の書き出し(&T)..."));
    file->addSeparator();
    mnuFileEnd = AddItem(file, QStringLiteral("Morvane の終了(&X)..."));

    QMenu* edit = bar->addMenu(QStringLiteral("編集(&E)"));
    mnuEditEditor = AddItem(edit, QStringLiteral("個別情報の編集(E)"), Qt::CTRL | Qt::Key_E);
    edit->addSeparator();
    mnuEditReNumber = AddItem(edit, QStringLiteral("ﾘﾅﾝﾊﾞｰ(&R)"), Qt::CTRL | Qt::Key_R);
    mnuEditSwap = AddItem(edit, QStringLiteral("入替え(&S)"));
    mnuEditUpDown[0] = AddItem(edit, QStringLiteral("上方へ移動↑(&U)"), Qt::CTRL | Qt::Key_U);
    mnuEditUpDown[1] = AddItem(edit, QStringLiteral("下方へ移動↓(&D)"), Qt::CTRL | Qt::Key_D);
    mnuEditDelete_Record = AddItem(edit, QStringLiteral("個別情報の削除(&D)..."));
    edit->addSeparator();
    mnuEditRename = AddItem(edit, QStringLiteral("ﾒﾓﾘﾀﾞｲﾔﾙ名の変更"));
    mnuEditDelete_Memory = AddItem(edit, QStringLiteral("ﾒﾓﾘﾀﾞｲﾔﾙの削除(&M)..."));
    edit->addSeparator();
    mnuEditFind = AddItem(edit, FindTexts::kFindItem, Qt::CTRL | Qt::Key_F);
    mnuEditDuplicates = AddItem(edit, FindTexts::kDuplicatesItem);

    QMenu* option = bar->addMenu(QStringLiteral("ｵﾌﾟｼｮﾝ(&O)"));
    mnuOptSettei = AddItem(option, QStringLiteral("各種設定(&K)"), Qt::CTRL | Qt::Key_K);

    QMenu* help = bar->addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    mnuHelpContent_KeyWord[0] = AddItem(help, QStringLiteral("ﾄﾋﾟｯｸの検索(&H)"), Qt::Key_F1);
    mnuHelpContent_KeyWord[1] = AddItem(help, QStringLiteral("目次(&C)"));
    help->addSeparator();
    mnuHelpAbout = AddItem(help, QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&A)..."));

    // The settings dialog comes with its own window; until it is connected its command stays
    // unavailable.
    mnuOptSettei->setEnabled(false);

    toolBar = window.addToolBar(QStringLiteral("Toolbar1"));
    toolBar->setObjectName(QStringLiteral("Toolbar1"));
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    toolBar->setContextMenuPolicy(Qt::PreventContextMenu);
    toolBar->addSeparator();
    AddButton(2, QStringLiteral(" ﾒﾓﾘﾀﾞｲﾔﾙの新規作成 "), mnuFileCreate, ToolbarIcon(u"address-book-new-symbolic"));
    AddButton(3, QStringLiteral(" ﾒﾓﾘﾀﾞｲﾔﾙを開く "), mnuFileOpen, ToolbarIcon(u"document-open-symbolic"));
    AddButton(4, QStringLiteral(" 保存 "), mnuFileSave[0], ToolbarIcon(u"document-save-symbolic"));
    toolBar->addSeparator();
    AddButton(6, QStringLiteral(" 個別情報の編集 "), mnuEditEditor, ToolbarIcon(u"document-edit-symbolic"));
    toolBar->addSeparator();
    AddButton(8, QStringLiteral(" ﾘﾅﾝﾊﾞｰ "), mnuEditReNumber, ToolbarIcon(u"view-list-ordered-symbolic"));
    AddButton(9, QStringLiteral(" 入替え "), mnuEditSwap, ToolbarIcon(u"swap-entries"));
    AddButton(10, QStringLiteral(" 上方へ移動↑"), mnuEditUpDown[0], ToolbarIcon(u"go-up-symbolic"));
    AddButton(11, QStringLiteral(" 下方へ移動↓"), mnuEditUpDown[1], ToolbarIcon(u"go-down-symbolic"));
    toolBar->addSeparator();
    AddButton(13, QStringLiteral(" 個別情報の削除 "), mnuEditDelete_Record, ToolbarIcon(u"list-remove-symbolic"));
    AddButton(14, QStringLiteral(" ﾒﾓﾘﾀﾞｲﾔﾙの削除 "), mnuEditDelete_Memory, ToolbarIcon(u"user-trash-symbolic"));
    toolBar->addSeparator();
    AddButton(16, QStringLiteral(" 各種設定 "), mnuOptSettei, ToolbarIcon(u"preferences-system-symbolic"));
    toolBar->addSeparator();
    AddButton(18, QStringLiteral(" ﾊﾞｰｼﾞｮﾝ情報 "), mnuHelpAbout, ToolbarIcon(u"help-about-symbolic"));
    AddButton(19, QStringLiteral(" ﾍﾙﾌﾟ "), mnuHelpContent_KeyWord[1], ToolbarIcon(u"help-contents-symbolic"));
}

QAction* MainWindowActions::AddButton(int position, const QString& toolTip, QAction* menuItem, const QIcon& icon)
{
    QAction* action = toolBar->addAction(icon, toolTip.trimmed());
    action->setToolTip(toolTip);
    action->setEnabled(menuItem->isEnabled());
    connect(action, &QAction::triggered, menuItem, &QAction::trigger);
    // A button is usable exactly when its menu item is.
    connect(menuItem, &QAction::enabledChanged, action, &QAction::setEnabled);
    button[static_cast<std::size_t>(position)] = action;
    return action;
}

void MainWindowActions::ShowCommands(const MainCommandState& state)
{
    mnuFileSave[0]->setEnabled(state.save && !state.saveAsOnly);
    mnuFileSave[1]->setEnabled(state.save);
    mnuEditEditor->setEnabled(state.editEntry);
    for (QAction* item : {mnuFileExport[0], mnuFileExport[1], mnuEditReNumber, mnuEditSwap, mnuEditUpDown[0],
                          mnuEditUpDown[1], mnuEditDelete_Record, mnuEditDuplicates}) {
        item->setEnabled(state.listCommands);
    }
}

void MainWindowActions::ShowRireki(const QStringList& rireki)
{
    for (int i = 0; i < kRirekiCount; ++i) {
        const QString path = i < rireki.size() ? rireki[i] : QString();
        QAction* item = mnuFileArray[static_cast<std::size_t>(i)];
        QString escaped = path;
        escaped.replace(u'&', QStringLiteral("&&"));
        item->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(escaped));
        item->setVisible(!path.isEmpty());
    }
}
