#include "FullMemoryDial.h"
#include "find/Duplicates.h"
#include "find/EntryFind.h"
#include "memorydial/MemoryDialReader.h"
#include "memorydial/MemoryDialWriter.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

// Searching and the duplicates scan over a full memory dial, beside a full read of the same
// file in the same run: a keystroke must cost a small part of what opening the file costs.

namespace {

BENCHMARK(BM_ReadMemoryDial)->Unit(benchmark::kMillisecond);

// One keystroke in the search box: the typed text folded, then every row tested, as the list's
// filter does. A query no row holds is the worst case: every row's cells are folded whole.
void BM_FilterKeystroke(benchmark::State& state, const QString& typed, int expected)
{
    const QList<Entry> rows = FullMemoryDial();
    for (auto _ : state) {
        const EntryQuery query(typed);
        int shown = 0;
        for (const Entry& entry : rows) {
            shown += query.Matches(entry) ? 1 : 0;
        }
        if (shown != expected) {
            state.SkipWithError("unexpected number of rows shown");
            return;
        }
    }
}
BENCHMARK_CAPTURE(BM_FilterKeystroke, kana_found_nowhere, QStringLiteral("すずき"), 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FilterKeystroke, kana_found_everywhere, QStringLiteral("やまだ"), kMaxEntries)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FilterKeystroke, digits, QStringLiteral("12340999"), 1)->Unit(benchmark::kMillisecond);

void BM_DuplicatesScan(benchmark::State& state)
{
    QList<Entry> rows = FullMemoryDial();
    // Every tenth entry's name and reading given to the entry after it, so the scan builds
    // groups as well as keys.
    for (int i = 0; i + 1 < kMaxEntries; i += 10) {
        rows[i + 1][kColName] = rows[i][kColName];
        rows[i + 1][kColReading] = rows[i][kColReading];
    }
    for (auto _ : state) {
        const QList<QList<int>> groups = FindDuplicateGroups(rows);
        if (groups.size() != kMaxEntries / 10) {
            state.SkipWithError("unexpected number of groups");
            return;
        }
        benchmark::DoNotOptimize(groups);
    }
}
BENCHMARK(BM_DuplicatesScan)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
