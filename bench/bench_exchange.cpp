#include "ColdRun.h"
#include "KenAllPath.h"
#include "exchange/AddressBook.h"
#include "services/PostalIndex.h"

#include <benchmark/benchmark.h>

namespace {

const QDateTime kNow(QDate(2026, 1, 2), QTime(3, 4, 5));

// A phone's export: vCard 3.0 in UTF-8, about ten properties a contact, Japanese names and
// readings, a grouped mail address with a label.
QByteArray TypicalExport(int contacts)
{
    QByteArray bytes;
    for (int i = 0; i < contacts; ++i) {
        bytes += QStringLiteral("BEGIN:VCARD\r\nVERSION:3.0\r\nPRODID:-//Apple Inc.//iPhone OS 17.0//EN\r\n"
                                "N:山田;太郎%1;;;\r\nFN:山田 太郎%1\r\n"
                                "X-PHONETIC-LAST-NAME:やまだ\r\nX-PHONETIC-FIRST-NAME:たろう\r\n"
                                "TEL;type=CELL;type=VOICE;type=pref:090-1234-%2\r\n"
                                "TEL;type=HOME;type=VOICE:03-1234-%2\r\n"
                                "item1.EMAIL;type=INTERNET;type=pref:taro%1@example.jp\r\n"
                                "item1.X-ABLabel:_$!<Other>!$_\r\n"
                                "ADR;type=HOME;type=pref:;;桜丘町26-1;渋谷区;東京都;150-8512;日本\r\n"
                                "BDAY;value=date:1980-03-22\r\nNOTE:10時〜18時に連絡\r\n"
                                "CATEGORIES:友人\r\nEND:VCARD\r\n")
                     .arg(i)
                     .arg(i % 10000, 4, 10, QChar(u'0'))
                     .toUtf8();
    }
    return bytes;
}

MemoryDial FullMemoryDial()
{
    MemoryDial dial;
    ExchangeReport report;
    ImportAddressBookBytes(dial, QStringLiteral("bench"), TypicalExport(kMaxEntries), kNow, report);
    for (Entry& entry : dial.rows) {
        for (int slot = 3; slot <= kSlotCount; ++slot) {
            entry[TelNumberCell(slot)] = QStringLiteral("0312345678");
            entry[TelKindCell(slot)] = QStringLiteral("仕事");
        }
        entry[kColHobby] = QStringLiteral("釣り");
        entry[kColGps] = QStringLiteral("+35.39.29.20&+139.44.28.80&");
        entry[kColReading] = QStringLiteral("ﾔﾏﾀﾞ ﾀﾛｳ");
    }
    return dial;
}

// Each figure is one fresh process's first go at the work, as a user meets it: the import
// and the export set against the postal-table load measured the same way.
void BM_LoadPostalIndexCold(benchmark::State& state)
{
    const QString path = KenAllPath();
    for (auto _ : state) {
        TimeCold(state, [&path] {
            auto* index = new PostalIndex;
            return !LoadPostalIndex(*index, path).has_value();
        });
    }
}

void BM_Import1001ContactsCold(benchmark::State& state)
{
    const QByteArray bytes = TypicalExport(kMaxEntries);
    for (auto _ : state) {
        TimeCold(state, [&bytes] {
            // Made and freed as in the window: the import report and the rows are the user's.
            MemoryDial dial;
            ExchangeReport report;
            ImportAddressBookBytes(dial, QStringLiteral("bench"), bytes, kNow, report);
            benchmark::DoNotOptimize(dial.rows.constData());
            return report.entries == kMaxEntries;
        });
    }
}

void BM_ExportFullMemoryDialCold(benchmark::State& state)
{
    const MemoryDial dial = FullMemoryDial();
    const ExchangeFormat format = state.range(0) == 0 ? ExchangeFormat::VCard : ExchangeFormat::Csv;
    for (auto _ : state) {
        TimeCold(state, [&dial, format] {
            const ExportResult exported = ExportAddressBook(dial, format, false);
            benchmark::DoNotOptimize(exported.bytes.constData());
            return !exported.bytes.isEmpty();
        });
    }
}

} // namespace

BENCHMARK(BM_LoadPostalIndexCold)->Unit(benchmark::kMillisecond)->Iterations(20)->UseManualTime();
BENCHMARK(BM_Import1001ContactsCold)->Unit(benchmark::kMillisecond)->Iterations(20)->UseManualTime();
BENCHMARK(BM_ExportFullMemoryDialCold)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(20)->UseManualTime();
BENCHMARK_MAIN();
