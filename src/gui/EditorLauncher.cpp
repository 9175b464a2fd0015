#include "EditorLauncher.h"

#include "EditorActions.h"
#include "EditorWindow.h"
#include "MainWindow.h"
#include "ModalRun.h"
#include "QtInteraction.h"
#include "editor/EntryNavigation.h"

#include <QAction>

#include <utility>

EditorLauncher::EditorLauncher(MainWindow& window, MemoryDial& dial, Interaction& interaction, SettingsSource settings,
                               PositionSaver savePosition)
    : m_window(window), m_dial(dial), m_interaction(interaction), m_settings(std::move(settings)),
      m_savePosition(std::move(savePosition)), m_run([](EditorWindow& editor) { RunModal(editor); })
{
}

void EditorLauncher::Install()
{
    m_window.SetEditorOpener([this] { OpenEditor(); });
    m_window.SetCreateCommand([this] { mnuFileCreate_Click(); });
}

void EditorLauncher::OpenEditor()
{
    Open(QString());
}

void EditorLauncher::mnuFileCreate_Click()
{
    const MainWindowNewEntryResult result = m_window.Controller().mnuFileCreate_Click();
    if (result.openEditor) {
        Open(result.proposedNumber);
    }
}

void EditorLauncher::Open(const QString& proposedNumber)
{
    EditorWindow editor(m_dial, m_interaction, m_settings ? m_settings() : EditorWindowSettings(), m_savePosition,
                        &m_window);
    QObject::connect(&editor, &EditorWindow::EntryAppended, &m_window,
                     [this](bool enableMainSave) { m_window.Controller().EntryAppended(enableMainSave); });
    if (m_settingsCommand) {
        QAction* settings = editor.Actions().mnuOptSettei;
        QObject::connect(settings, &QAction::triggered, &editor, [this, &editor] { m_settingsCommand(editor); });
        settings->setEnabled(true);
    }
    // The editor's messages open over the editor, not over the main window behind it.
    auto* boxes = dynamic_cast<QtInteraction*>(&m_interaction);
    if (boxes) {
        boxes->setParent(&editor);
    }
    if (m_services) {
        new EditorServices(editor, m_interaction, *m_services); // owned by the editor
    }
    editor.Load(proposedNumber);
    m_run(editor);
    if (boxes) {
        boxes->setParent(&m_window);
    }
}
