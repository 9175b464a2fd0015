#include "AppStartup.h"
#include "DesktopLook.h"
#include "EditorLauncher.h"
#include "MainWindow.h"
#include "SettingsLauncher.h"
#include "editor/EditorWindowSettings.h"
#include "memorydial/CodePage.h"
#include "services/PostalTable.h"
#include "settings/ProgramFolder.h"
#include "settings/SettingsStore.h"
#include "settings/StartupValues.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ApplyDesktopLook(app);
    // Without ICU, Qt has no Shift_JIS converter and every file would read as garbage.
    if (!CodePage::IsAvailable()) {
        QtInteraction().Tell(
            QStringLiteral("この Qt には Shift_JIS の変換機能 (ICU) がありません。　起動できません。　"),
            QStringLiteral("起動確認"), MessageIcon::Error);
        return 1;
    }
    SetApplicationIdentity();
    SettingsStore store(SettingsFilePath());
    PostalTable postal;
    const QString programFolder = ProgramFolder();
    AppStartup startup(programFolder, store, postal);
    if (store.MemoryOnly()) {
        startup.UserInteraction().Tell(SettingsNotKeptText(store.FilePath()), kSettingsNotKeptTitle,
                                       MessageIcon::Warning);
    }
    std::unique_ptr<EditorLauncher> editor;
    std::unique_ptr<SettingsLauncher> settings;
    startup.SetWindowHook([&startup, &editor, &settings, &postal, &programFolder](MainWindow& window) {
        settings = std::make_unique<SettingsLauncher>(window, startup.Settings(), startup.Store(), postal,
                                                      startup.UserInteraction(), programFolder);
        settings->Install();
        editor = std::make_unique<EditorLauncher>(
            window, window.Controller().Dial(), startup.UserInteraction(),
            [&startup] { return EditorWindowSettingsFrom(startup.Settings(), startup.Today(), startup.Now()); },
            [&startup](int top, int left) { StoreEditorPosition(startup.Store(), startup.Settings(), top, left); });
        editor->SetSettingsCommand([&settings](EditorWindow& over) { settings->ShowOverEditor(over); });
        editor->SetFieldServices(FieldServiceContext{postal, startup.Settings(), startup.Store()});
        editor->Install();
    });
    return RunStartup(startup, startup.UserInteraction());
}
