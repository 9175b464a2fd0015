#pragma once

// A user meets a load or a start-up in a fresh process: no freed blocks for the allocator to
// hand out again, every page touched for the first time. A benchmark that repeats the work in
// one process measures something faster, and a figure that depends on what ran before it. So
// each iteration of such work runs in a child forked for it, which times itself.

#include <QStringDecoder>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>

struct ColdFigures
{
    double seconds = -1;       // the time the work took
    double residentBytes = -1; // what the process holds resident afterwards, beyond before
};

// Resident set size in bytes, from the second field of /proc/self/statm (in pages). Memory the
// allocator keeps after a free is handed back first, so only live data counts.
inline double ResidentBytes()
{
    malloc_trim(0);
    std::ifstream statm("/proc/self/statm");
    long long size = 0;
    long long resident = 0;
    statm >> size >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE));
}

// Does in the child what the program has done before the work: it decodes code page 932 from
// its start on, so the converter's tables are loaded before any file is read.
inline void PrepareAsTheProgram()
{
    QStringDecoder decoder("Shift_JIS");
    const QString text = decoder.decode(QByteArrayView("\x82\xa0"));
    benchmark::DoNotOptimize(text.constData());
}

// Runs `work` in a fresh child and returns its figures; `work` returns false when it failed.
// Only the work itself is timed, not the fork, nor `setup`, which runs in the child before it
// and brings the process to where the user starts the work from (false: it failed).
inline ColdFigures RunCold(const std::function<bool()>& work, const std::function<bool()>& setup = {})
{
    int fds[2];
    if (pipe(fds) != 0) {
        return {};
    }
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        PrepareAsTheProgram();
        if (setup && !setup()) {
            _exit(1);
        }
        const double before = ResidentBytes();
        const auto start = std::chrono::steady_clock::now();
        const bool done = work();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        const ColdFigures figures{done ? took.count() : -1, ResidentBytes() - before};
        const bool sent = write(fds[1], &figures, sizeof figures) == static_cast<ssize_t>(sizeof figures);
        _exit(sent ? 0 : 1);
    }
    close(fds[1]);
    ColdFigures figures;
    if (pid < 0 || read(fds[0], &figures, sizeof figures) != static_cast<ssize_t>(sizeof figures)) {
        figures = {};
    }
    close(fds[0]);
    if (pid > 0) {
        waitpid(pid, nullptr, 0);
    }
    return figures;
}

// One benchmark iteration of cold work: its time is the child's; a failure ends the benchmark.
inline bool TimeCold(benchmark::State& state, const std::function<bool()>& work, ColdFigures* figures = nullptr,
                     const std::function<bool()>& setup = {})
{
    const ColdFigures measured = RunCold(work, setup);
    if (measured.seconds < 0) {
        state.SkipWithError("the work failed (is the postal table there? set MORVANX_KEN_ALL)");
        return false;
    }
    state.SetIterationTime(measured.seconds);
    if (figures) {
        *figures = measured;
    }
    return true;
}
