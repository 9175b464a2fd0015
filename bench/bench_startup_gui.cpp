// Start-up to the shown main window (no logo, the full postal table), against a bare Qt
// program that shows an empty window, and the postal-table load on its own: the target is
// start-up ≤ bare window + 1.5 × postal load. All three run in the same process and time only
// the way up, not the tearing down of what was built.
#include "AppStartup.h"
#include "KenAllPath.h"
#include "MainWindow.h"
#include "services/PostalIndex.h"
#include "settings/SettingsStore.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QWindow>

#include <benchmark/benchmark.h>

namespace {

void WaitUntilShown(QWidget& window)
{
    while (!window.windowHandle() || !window.windowHandle()->isExposed()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    QCoreApplication::processEvents();
}

// The program's start-up up to the moment the main window is on screen.
class StartupUntilShown final : public AppStartup
{
public:
    using AppStartup::AppStartup;
    int ShowMainWindow() override
    {
        WaitUntilShown(CreateMainWindow());
        return 0;
    }
};

void BM_BareQtWindow(benchmark::State& state)
{
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        QMainWindow window;
        window.setWindowTitle(QStringLiteral("Morvane for Windows"));
        window.show();
        WaitUntilShown(window);
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
    }
}
BENCHMARK(BM_BareQtWindow)->Unit(benchmark::kMillisecond)->Iterations(10)->UseManualTime();

void BM_PostalTableLoad(benchmark::State& state)
{
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        PostalIndex index;
        if (LoadPostalIndex(index, KenAllPath())) {
            state.SkipWithError("postal table missing");
        }
        benchmark::DoNotOptimize(index.count());
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
    }
}
BENCHMARK(BM_PostalTableLoad)->Unit(benchmark::kMillisecond)->Iterations(10)->UseManualTime();

void BM_StartupToShownMainWindow(benchmark::State& state)
{
    QTemporaryDir dir;
    const QFileInfo table(KenAllPath());
    for (auto _ : state) {
        QFile::remove(dir.filePath(QStringLiteral("MORVANX.ini")));
        {
            SettingsStore seed(dir.filePath(QStringLiteral("MORVANX.ini")));
            seed.SaveSetting(QStringLiteral("Config"), QStringLiteral("OptLogo"), QStringLiteral("0"));
            seed.SaveSetting(QStringLiteral("Config"), QStringLiteral("FolderName(0)"), table.absolutePath());
            seed.SaveSetting(QStringLiteral("Config"), QStringLiteral("Yubin_File(0)"), table.fileName());
        }
        QElapsedTimer timer;
        timer.start();
        SettingsStore store(dir.filePath(QStringLiteral("MORVANX.ini")));
        PostalIndex postal;
        StartupUntilShown startup(QCoreApplication::applicationDirPath(), store, postal);
        if (RunStartup(startup, startup.UserInteraction()) != 0 || postal.count() == 0) {
            state.SkipWithError("start-up failed");
        }
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
    }
}
BENCHMARK(BM_StartupToShownMainWindow)->Unit(benchmark::kMillisecond)->Iterations(10)->UseManualTime();

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
