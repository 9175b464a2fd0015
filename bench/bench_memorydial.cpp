#include "FullMemoryDial.h"
#include "memorydial/MemoryDialReader.h"
#include "memorydial/MemoryDialWriter.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

BENCHMARK(BM_ReadMemoryDial)->Unit(benchmark::kMillisecond);

void BM_WriteMemoryDial(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("full.vcf"));
    const QList<Entry> rows = FullMemoryDial();
    for (auto _ : state) {
        if (!WriteMemoryDial(path, rows, QStringLiteral("VERSION:3.0")).ok) {
            state.SkipWithError("write failed");
            return;
        }
    }
}
BENCHMARK(BM_WriteMemoryDial)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
