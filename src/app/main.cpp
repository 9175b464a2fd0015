#include "AppStartup.h"
#include "EditorLauncher.h"
#include "MainWindow.h"
#include "app/SettingsStore.h"
#include "app/StartupValues.h"
#include "editor/EditorWindowSettings.h"
#include "services/PostalIndex.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    SetApplicationIdentity();
    SettingsStore store(SettingsFilePath());
    PostalIndex postal;
    AppStartup startup(QCoreApplication::applicationDirPath(), store, postal);
    std::unique_ptr<EditorLauncher> editor;
    startup.SetWindowHook([&startup, &editor](MainWindow& window) {
        editor = std::make_unique<EditorLauncher>(
            window, window.Controller().Dial(), startup.UserInteraction(),
            [&startup] { return EditorWindowSettingsFrom(startup.Settings(), startup.Today(), startup.Now()); },
            [&startup](int top, int left) { StoreEditorPosition(startup.Store(), startup.Settings(), top, left); });
        editor->Install();
    });
    return RunStartup(startup, startup.UserInteraction());
}
