#include "AppStartup.h"
#include "app/SettingsStore.h"
#include "app/StartupValues.h"
#include "services/PostalIndex.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    SetApplicationIdentity();
    SettingsStore store(SettingsFilePath());
    PostalIndex postal;
    AppStartup startup(QCoreApplication::applicationDirPath(), store, postal);
    return RunStartup(startup, startup.UserInteraction());
}
