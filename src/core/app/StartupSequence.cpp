#include "StartupSequence.h"

#include "services/PostalIndex.h"

int RunStartup(StartupSteps& steps, Interaction& interaction)
{
    steps.EnterProgramFolder();
    if (steps.LoadLogoSetting()) {
        steps.ShowLogo();
    }
    if (const std::optional<QString> missing = steps.LoadPostalTable()) {
        interaction.Tell(*missing, kPostalMissingTitle, MessageIcon::Warning);
    }
    steps.LoadRemainingSettings();
    return steps.ShowMainWindow();
}
