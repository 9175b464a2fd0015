#include "KenAllPath.h"
#include "services/CandidateSearch.h"
#include "services/PostalIndex.h"

#include <QStringListModel>

#include <benchmark/benchmark.h>

namespace {

const PostalIndex* Table(benchmark::State& state)
{
    static PostalIndex index;
    static const bool loaded = !LoadPostalIndex(index, KenAllPath());
    if (!loaded) {
        state.SkipWithError("postal table not found; set MORVANX_KEN_ALL");
        return nullptr;
    }
    return &index;
}

// The candidate dialog for a whole prefecture: no city is recognised, so every code of 北海道 is
// listed, and the list model the dialog shows is filled before it can appear.
void BM_CandidatesWholePrefecture(benchmark::State& state)
{
    const PostalIndex* index = Table(state);
    if (!index) {
        return;
    }
    const QString address = QStringLiteral("北海道");
    qsizetype rows = 0;
    for (auto _ : state) {
        QStringListModel model;
        model.setStringList(SearchCandidatesByAddress(*index, address));
        rows = model.rowCount();
        benchmark::DoNotOptimize(rows);
    }
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_CandidatesWholePrefecture)->Unit(benchmark::kMillisecond);

// A designated city: the common case of an address typed in full.
void BM_CandidatesOneCity(benchmark::State& state)
{
    const PostalIndex* index = Table(state);
    if (!index) {
        return;
    }
    const QString address = QStringLiteral("神奈川県横浜市中区山下町");
    qsizetype rows = 0;
    for (auto _ : state) {
        const QStringList found = SearchCandidatesByAddress(*index, address);
        rows = found.size();
        benchmark::DoNotOptimize(rows);
    }
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_CandidatesOneCity)->Unit(benchmark::kMillisecond);

// Code to address for a code near the end of the file: the scan runs through nearly all records.
void BM_AddressForCodeNearTheEnd(benchmark::State& state)
{
    const PostalIndex* index = Table(state);
    if (!index) {
        return;
    }
    const QString code = index->code(index->count() - 2);
    for (auto _ : state) {
        const QString address = ShowAddressForPostalCode(*index, code);
        benchmark::DoNotOptimize(address.constData());
    }
    state.SetLabel(code.toStdString());
}
BENCHMARK(BM_AddressForCodeNearTheEnd)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
