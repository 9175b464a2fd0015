#include "KenAllPath.h"
#include "services/PostalIndex.h"

#include <QFile>
#include <QStringDecoder>

#include <benchmark/benchmark.h>

#include <fstream>
#include <malloc.h>
#include <unistd.h>

namespace {

// Resident set size in bytes, from the second field of /proc/self/statm (in pages). Memory the
// allocator keeps after a free is handed back first, so only live data counts.
double ResidentBytes()
{
    malloc_trim(0);
    std::ifstream statm("/proc/self/statm");
    long long size = 0;
    long long resident = 0;
    statm >> size >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE));
}

// The floor for any load: read the file and turn all of it into text.
void BM_DecodeOnly(benchmark::State& state)
{
    const QString path = KenAllPath();
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            state.SkipWithError("postal table not found; set MORVANX_KEN_ALL");
            return;
        }
        QStringDecoder decoder("Shift_JIS", QStringConverter::Flag::Stateless);
        const QString text = decoder.decode(file.readAll());
        benchmark::DoNotOptimize(text.constData());
    }
}

void BM_LoadPostalIndex(benchmark::State& state)
{
    const QString path = KenAllPath();
    PostalIndex index;
    for (auto _ : state) {
        if (LoadPostalIndex(index, path)) {
            state.SkipWithError("postal table not found; set MORVANX_KEN_ALL");
            return;
        }
        benchmark::DoNotOptimize(index.count());
    }
    state.counters["records"] = static_cast<double>(index.count());
}

// What a loaded table keeps resident once the file bytes and the decoded text are gone.
void BM_PostalIndexResident(benchmark::State& state)
{
    const QString path = KenAllPath();
    double grown = 0;
    for (auto _ : state) {
        const double before = ResidentBytes();
        auto index = std::make_unique<PostalIndex>();
        if (LoadPostalIndex(*index, path)) {
            state.SkipWithError("postal table not found; set MORVANX_KEN_ALL");
            return;
        }
        grown = ResidentBytes() - before;
        benchmark::DoNotOptimize(index->count());
    }
    state.counters["resident_MB"] = grown / (1024.0 * 1024.0);
}

// Looks up codes spread over the file; the last one sits near the end (Okinawa).
void BM_ShowAddressForPostalCode(benchmark::State& state)
{
    PostalIndex index;
    if (LoadPostalIndex(index, KenAllPath())) {
        state.SkipWithError("postal table not found; set MORVANX_KEN_ALL");
        return;
    }
    const QString codes[] = {index.code(0), index.code(index.count() / 2), index.code(index.count() - 1),
                             QStringLiteral("0000000")};
    for (auto _ : state) {
        for (const QString& code : codes) {
            benchmark::DoNotOptimize(ShowAddressForPostalCode(index, code));
        }
    }
    state.SetItemsProcessed(state.iterations() * std::size(codes));
}

} // namespace

BENCHMARK(BM_PostalIndexResident)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadPostalIndex)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowAddressForPostalCode)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
