#pragma once

#include "memorydial/Entry.h"
#include "memorydial/MemoryDial.h"

#include "memorydial/MemoryDialReader.h"
#include "memorydial/MemoryDialWriter.h"

#include <QList>
#include <QString>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

// Every field filled with text of a realistic length, Japanese and ASCII mixed.
inline QList<Entry> FullMemoryDial()
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

// A full read of that memory dial from its file: what opening it costs.
inline void BM_ReadMemoryDial(benchmark::State& state)
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
