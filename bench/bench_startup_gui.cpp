// Start-up to the shown main window, as a user meets it: each iteration is a fresh process
// (forked before any QApplication exists) that builds its QApplication and runs the program's
// start-up until the main window is on screen. With the full postal table configured and with
// an empty one, and a bare Qt program that shows an empty window for the floor. The table loads
// in the background once the window shows, so the first two should hardly differ.
#include "AppStartup.h"
#include "ColdRun.h"
#include "GuiBench.h"
#include "KenAllPath.h"
#include "MainWindow.h"
#include "services/PostalTable.h"
#include "settings/SettingsStore.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QWindow>

#include <benchmark/benchmark.h>

namespace {

// The program's start-up up to the moment the main window is on screen.
class StartupUntilShown final : public AppStartup
{
public:
    using AppStartup::AppStartup;
    int ShowMainWindow() override
    {
        GuiBench::WaitUntilExposed(CreateMainWindow());
        return 0;
    }
};

void BM_BareQtWindowCold(benchmark::State& state)
{
    for (auto _ : state) {
        TimeCold(state, [] {
            // Left to the end of the child: only the way up is timed.
            new QApplication(GuiBench::Argc(), GuiBench::Argv());
            auto* window = new QMainWindow;
            window->setWindowTitle(QStringLiteral("Morvane for Windows"));
            window->show();
            GuiBench::WaitUntilExposed(*window);
            return true;
        });
    }
}

// `table` is the postal table the settings name: the full one, or an empty file.
void StartupCold(benchmark::State& state, const QString& table)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("MORVANX.ini"));
    {
        SettingsStore seed(ini);
        seed.SaveSetting(QStringLiteral("Config"), QStringLiteral("OptLogo"), QStringLiteral("0"));
        seed.SaveSetting(QStringLiteral("Config"), QStringLiteral("FolderName(0)"), QFileInfo(table).absolutePath());
        seed.SaveSetting(QStringLiteral("Config"), QStringLiteral("Yubin_File(0)"), QFileInfo(table).fileName());
    }
    for (auto _ : state) {
        TimeCold(state, [&ini] {
            new QApplication(GuiBench::Argc(), GuiBench::Argv());
            auto* store = new SettingsStore(ini);
            auto* postal = new PostalTable;
            auto* startup = new StartupUntilShown(QCoreApplication::applicationDirPath(), *store, *postal);
            return RunStartup(*startup, startup->UserInteraction()) == 0;
        });
    }
}

void BM_StartupToShownMainWindowCold(benchmark::State& state)
{
    StartupCold(state, KenAllPath());
}

void BM_StartupWithoutTableCold(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString empty = dir.filePath(QStringLiteral("ken_all.csv"));
    QFile file(empty);
    if (!file.open(QIODevice::WriteOnly)) {
        state.SkipWithError("cannot write an empty table");
        return;
    }
    file.close();
    StartupCold(state, empty);
}

} // namespace

BENCHMARK(BM_BareQtWindowCold)->Unit(benchmark::kMillisecond)->Iterations(10)->UseManualTime();
BENCHMARK(BM_StartupWithoutTableCold)->Unit(benchmark::kMillisecond)->Iterations(10)->UseManualTime();
BENCHMARK(BM_StartupToShownMainWindowCold)->Unit(benchmark::kMillisecond)->Iterations(10)->UseManualTime();

int main(int argc, char** argv)
{
    return GuiBench::Main(argc, argv);
}
