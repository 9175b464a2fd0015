#pragma once

#include "Interaction.h"
#include "settings/AppSettings.h"

#include <QString>

#include <functional>

class EditorWindow;
class MainWindow;
class PostalTable;
class QWidget;
class SettingsDialog;
class SettingsStore;

// Opens the settings dialog SETTEI from the main window's "各種設定(&K)" (and its toolbar
// button), which first stores the list's column widths, and from the entry editor's item of
// the same name, which does not. Either way the main window follows what is applied.
class SettingsLauncher
{
public:
    // Runs the dialog of the main window's command until it closes; exec() unless tests drive
    // it themselves. Over the editor the dialog runs as the editor's own window.
    using Runner = std::function<void(SettingsDialog&)>;

    SettingsLauncher(MainWindow& window, AppSettings& settings, SettingsStore& store, PostalTable& postal,
                     Interaction& interaction, QString programFolder);

    // Connects and enables the main window's command.
    void Install();
    void SetRunner(Runner runner) { m_run = std::move(runner); }

    void mnuOptSettei_Click();
    // The editor's command: the dialog over the editor.
    void ShowOverEditor(EditorWindow& editor);

private:
    void Show(QWidget& parent, const Runner& run);

    MainWindow& m_window;
    AppSettings& m_settings;
    SettingsStore& m_store;
    PostalTable& m_postal;
    Interaction& m_interaction;
    QString m_programFolder;
    Runner m_run;
};
