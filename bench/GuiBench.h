#pragma once

// Shared by the benchmarks of windows: each iteration runs in a fresh child (ColdRun.h) that
// builds its own QApplication from the program's arguments and waits for its windows on screen.

#include <QCoreApplication>
#include <QWidget>
#include <QWindow>

#include <benchmark/benchmark.h>

namespace GuiBench {

// The program's arguments, for the QApplication of each child.
inline int& Argc()
{
    static int argc = 0;
    return argc;
}

inline char**& Argv()
{
    static char** argv = nullptr;
    return argv;
}

// Returns once `window` is on screen and has handled what showing it brought.
inline void WaitUntilExposed(QWidget& window)
{
    while (!window.windowHandle() || !window.windowHandle()->isExposed()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    QCoreApplication::processEvents();
}

// The benchmark program's main: offscreen unless a platform is named, no QApplication in the
// parent, so that each child starts as a program does.
inline int Main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    Argc() = argc;
    Argv() = argv;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace GuiBench
