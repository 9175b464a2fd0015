#include "SettingsLauncher.h"

#include "EditorWindow.h"
#include "MainWindow.h"
#include "MainWindowActions.h"
#include "ModalRun.h"
#include "SettingsDialog.h"

#include <QAction>
#include <QPushButton>
#include <QShortcut>

SettingsLauncher::SettingsLauncher(MainWindow& window, AppSettings& settings, SettingsStore& store, PostalTable& postal,
                                   Interaction& interaction, QString programFolder)
    : m_window(window), m_settings(settings), m_store(store), m_postal(postal), m_interaction(interaction),
      m_programFolder(std::move(programFolder)), m_run([](SettingsDialog& dialog) { RunModal(dialog); })
{
}

void SettingsLauncher::Install()
{
    QAction* command = m_window.Actions().mnuOptSettei;
    QObject::connect(command, &QAction::triggered, &m_window, [this] { mnuOptSettei_Click(); });
    command->setEnabled(true);
}

void SettingsLauncher::mnuOptSettei_Click()
{
    StoreColumnWidths(m_store, m_settings, m_window.Placement().columnWidths);
    Show(m_window, m_run);
}

void SettingsLauncher::ShowOverEditor(EditorWindow& editor)
{
    Show(editor, [&editor](SettingsDialog& dialog) { editor.ShowOwnWindow(dialog); });
}

void SettingsLauncher::Show(QWidget& parent, const Runner& run)
{
    SettingsDialogCommands commands(m_settings, m_store, m_window, m_postal, m_interaction, m_programFolder);
    SettingsDialog dialog(commands, m_window.WindowSize(), &parent);
    // F1 asks for the help of the tab in front, as the help button does.
    const auto* help = new QShortcut(QKeySequence(Qt::Key_F1), &dialog);
    QObject::connect(help, &QShortcut::activated, &dialog.Button(SettingsDialogCommands::kHelp), &QPushButton::click);
    run(dialog);
}
