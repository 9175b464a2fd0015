#pragma once

#include "EditorServices.h"
#include "Interaction.h"
#include "editor/EditorWindowSettings.h"
#include "memorydial/MemoryDial.h"

#include <functional>
#include <optional>

class EditorWindow;
class MainWindow;

// Connects the entry editor to the main window: the editor opens on a row (double-click,
// "個別情報の編集(E)") and for a new entry ("ﾒﾓﾘﾀﾞｲﾔﾙの新規作成(&N)"), modally, and an
// appended entry enables the main window's document commands.
class EditorLauncher
{
public:
    // The editor's settings at each opening (a settings dialog may have changed them).
    using SettingsSource = std::function<EditorWindowSettings()>;
    // Keeps the position of a closing editor, top and left in twips.
    using PositionSaver = std::function<void(int top, int left)>;
    // Runs the loaded editor until it closes; exec() unless tests drive it themselves.
    using Runner = std::function<void(EditorWindow&)>;

    EditorLauncher(MainWindow& window, MemoryDial& dial, Interaction& interaction, SettingsSource settings,
                   PositionSaver savePosition);

    // Hooks the editor into the main window's commands.
    void Install();
    void SetRunner(Runner runner) { m_run = std::move(runner); }
    // The editor's "各種設定(&K)"; the item stays disabled without one.
    void SetSettingsCommand(std::function<void(EditorWindow&)> command) { m_settingsCommand = std::move(command); }
    // The postal table and settings behind the editor's field services; without them the
    // editor opens without its field services.
    void SetFieldServices(FieldServiceContext context) { m_services.emplace(context); }

    // The editor on the dial's EditMode and SelectedRow, as the main window set them.
    void OpenEditor();
    // The main window's new-entry command (its mnuFileCreate_Click).
    void mnuFileCreate_Click();

private:
    void Open(const QString& proposedNumber);

    MainWindow& m_window;
    MemoryDial& m_dial;
    Interaction& m_interaction;
    SettingsSource m_settings;
    PositionSaver m_savePosition;
    Runner m_run;
    std::function<void(EditorWindow&)> m_settingsCommand;
    std::optional<FieldServiceContext> m_services;
};
