// The postal-table load as a user meets it, once in a fresh process, against the floor for any
// load (read the file and decode all of it), measured the same way in the same run; the memory
// the loaded table keeps resident; and the look-up on a loaded table.
#include "ColdRun.h"
#include "KenAllPath.h"
#include "services/PostalIndex.h"

#include <QFile>
#include <QStringDecoder>

#include <benchmark/benchmark.h>

namespace {

void BM_DecodeOnlyCold(benchmark::State& state)
{
    const QString path = KenAllPath();
    for (auto _ : state) {
        TimeCold(state, [&path] {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly)) {
                return false;
            }
            QStringDecoder decoder("Shift_JIS", QStringConverter::Flag::Stateless);
            const QString text = decoder.decode(file.readAll());
            benchmark::DoNotOptimize(text.constData());
            return !text.isEmpty();
        });
    }
}

void BM_LoadPostalIndexCold(benchmark::State& state)
{
    const QString path = KenAllPath();
    ColdFigures figures;
    for (auto _ : state) {
        if (!TimeCold(
                state,
                [&path] {
                    // Left for the process's end, as the program keeps it: only the table stays.
                    auto* index = new PostalIndex;
                    return !LoadPostalIndex(*index, path).has_value();
                },
                &figures)) {
            return;
        }
    }
    state.counters["resident_MB"] = figures.residentBytes / (1024.0 * 1024.0);
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

BENCHMARK(BM_DecodeOnlyCold)->Unit(benchmark::kMillisecond)->Iterations(20)->UseManualTime();
BENCHMARK(BM_LoadPostalIndexCold)->Unit(benchmark::kMillisecond)->Iterations(20)->UseManualTime();
BENCHMARK(BM_ShowAddressForPostalCode)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
