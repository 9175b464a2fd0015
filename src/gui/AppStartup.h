#pragma once

#include "QtInteraction.h"
#include "app/StartupSequence.h"
#include "memorydial/MemoryDial.h"
#include "settings/AppSettings.h"

#include <functional>
#include <memory>

class MainWindow;
class PostalTable;
class SettingsStore;

// The program's start-up steps: settings in their three phases, the logo, the postal table
// and the main window, which then owns the run.
class AppStartup : public StartupSteps
{
public:
    AppStartup(QString programFolder, SettingsStore& store, PostalTable& postal, int logoMs = 2000);
    ~AppStartup() override;

    [[nodiscard]] Interaction& UserInteraction() { return m_interaction; }
    // The loaded settings and their store, for the windows that read and write their own keys.
    [[nodiscard]] AppSettings& Settings() { return m_settings; }
    [[nodiscard]] SettingsStore& Store() { return m_store; }
    // The date and time texts of program start, for the status bars.
    [[nodiscard]] const QString& Today() const { return m_today; }
    [[nodiscard]] const QString& Now() const { return m_now; }
    // Runs on the main window before it is shown: where the other windows hook in.
    void SetWindowHook(std::function<void(MainWindow&)> hook) { m_windowHook = std::move(hook); }

    void EnterProgramFolder() override;
    [[nodiscard]] bool LoadLogoSetting() override;
    void ShowLogo() override;
    [[nodiscard]] std::optional<QString> LoadPostalTable() override;
    void LoadRemainingSettings() override;
    // Shows the main window and runs until it closes.
    [[nodiscard]] int ShowMainWindow() override;

protected:
    // Builds the main window from the loaded settings, shows it, then starts the postal table's
    // load in the background.
    MainWindow& CreateMainWindow();

private:
    QString m_programFolder;
    SettingsStore& m_store;
    PostalTable& m_postal;
    QString m_postalPath; // loaded once the main window shows
    int m_logoMs;
    AppSettings m_settings;
    MemoryDial m_dial;
    QtInteraction m_interaction;
    QString m_today;
    QString m_now;
    std::function<void(MainWindow&)> m_windowHook;
    std::unique_ptr<MainWindow> m_window;
};
