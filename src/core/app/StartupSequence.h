#pragma once

#include "Interaction.h"

#include <QString>

#include <optional>

// The start-up steps in the order the program runs them; the windows implement them, the
// tests record them.
class StartupSteps
{
public:
    virtual ~StartupSteps() = default;

    // Changes to the program's folder and sets the program-wide names.
    virtual void EnterProgramFolder() = 0;
    // Reads "OptLogo" (writing its default); true when the logo is to be shown.
    [[nodiscard]] virtual bool LoadLogoSetting() = 0;
    // Shows the logo and returns once its timer has closed it, so the postal table is only
    // loaded when the logo has gone.
    virtual void ShowLogo() = 0;
    // Reads the postal-table slots and "OptSen" and loads that table; the missing-file
    // message when it is absent.
    [[nodiscard]] virtual std::optional<QString> LoadPostalTable() = 0;
    // History, list and window settings, centring values, today's date and time.
    virtual void LoadRemainingSettings() = 0;
    // Shows the main window and returns when it has closed, with the process's exit code.
    [[nodiscard]] virtual int ShowMainWindow() = 0;
};

// Runs the start-up: logo, postal table (after the logo has gone), the remaining settings,
// then the main window. The one message it may give is the postal table's missing-file
// warning.
[[nodiscard]] int RunStartup(StartupSteps& steps, Interaction& interaction);
