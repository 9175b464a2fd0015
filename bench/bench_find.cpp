#include "find/Duplicates.h"
#include "find/EntryFind.h"
#include "memorydial/MemoryDialReader.h"
#include "memorydial/MemoryDialWriter.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

// Searching and the duplicates scan over a full memory dial, beside a full read of the same
// file in the same run: a keystroke must cost a small part of what opening the file costs.

namespace {

// Every field filled with text of a realistic length, Japanese and ASCII mixed.
QList<Entry> FullMemoryDial()
{
    QList<Entry> rows;
    for (int i = 0; i < kMaxEntries; ++i) {
        const QString n = QString::number(i);
        Entry entry;
        entry[kColNumber] = QStringLiteral("%1").arg(i, 3, 10, QChar(u'0'));
        entry[kColName] = QStringLiteral("山田太郎") + n;
        entry[kColReading] = QStringLiteral("ﾔﾏﾀﾞﾀﾛｳ") + n;
        entry[kColSecret] = QStringLiteral("PUBLIC");
        for (int slot = 1; slot <= kSlotCount; ++slot) {
            entry[TelNumberCell(slot)] = QStringLiteral("090-1234-%1").arg(i, 4, 10, QChar(u'0'));
            entry[TelKindCell(slot)] = QStringLiteral("携帯");
            entry[MailAddressCell(slot)] = QStringLiteral("user%1.slot%2@example.ne.jp").arg(i).arg(slot);
            entry[MailKindCell(slot)] = QStringLiteral("自宅");
        }
        entry[kColGroupNumber] = QStringLiteral("%1").arg(i % 100, 2, 10, QChar(u'0'));
        entry[kColGroupName] = QStringLiteral("グループ") + QString::number(i % 100);
        entry[kColAddress] = QStringLiteral("東京都千代田区千代田1-1-") + n;
        entry[kColPostalCode] = QStringLiteral("100-0001");
        entry[kColAddressKind] = QStringLiteral("自宅");
        entry[kColConstellation] = QStringLiteral("山羊");
        entry[kColBirthday] = QStringLiteral("19800101");
        entry[kColBloodType] = QStringLiteral("AB");
        entry[kColHobby] = QStringLiteral("釣りと読書");
        entry[kColMemo] = QStringLiteral("メモ欄の文章です。連絡は夜に。") + n;
        entry[kColUrl] = QStringLiteral("http://www.example.jp/~user") + n;
        entry[kColGps] = QStringLiteral("35.6812;139.7671");
        entry[kColRevision] = QStringLiteral("2026/12/08 00:00:00");
        rows << entry;
    }
    return rows;
}

void BM_ReadMemoryDial(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("full.vcf"));
    if (!WriteMemoryDial(path, FullMemoryDial(), QStringLiteral("VERSION:3.0")).ok) {
        state.SkipWithError("cannot write the input file");
        return;
    }
    for (auto _ : state) {
        MemoryDialReadResult result = MemoryDataOpen(path, QStringList());
        if (!result.content || result.content->EntryCount != kMaxEntries) {
            state.SkipWithError("read failed");
            return;
        }
        benchmark::DoNotOptimize(result);
    }
}
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
