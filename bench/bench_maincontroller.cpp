// Opening, saving and sorting a full memory dial (1001 entries, every field filled) through
// the main window's commands, as the user runs them.
#include "Interaction.h"
#include "app/MainController.h"
#include "memorydial/MemoryDialWriter.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// Answers every question with OK and every chooser with one path.
class AnswerEverything final : public Interaction
{
public:
    explicit AnswerEverything(QString path) : m_path(std::move(path)) {}
    void Tell(const QString&, const QString&, MessageIcon) override { ++tells; }
    void ShowReport(const QString&, const QString&, const QString&, MessageIcon) override { ++tells; }
    bool Ask(const QString&, const QString&, MessageIcon) override { return true; }
    SaveChoice AskSaveChanges(const QString&, const QString&) override { return SaveChoice::Discard; }
    ChangedFileChoice AskChangedFile(const QString&, const QString&) override { return ChangedFileChoice::Overwrite; }
    QString ChooseOpenFile(const QString&, const QString&, const QString&) override { return m_path; }
    QString ChooseSaveFile(const QString&, const QString&, const QString&) override { return m_path; }
    bool OpenUrl(const QString&) override { return true; }
    void ShowHelp(int) override {}

    int tells = 0;

private:
    QString m_path;
};

QList<Entry> FullRows()
{
    const QStringList telKinds{QStringLiteral("携帯"), QStringLiteral("自宅"), QStringLiteral("仕事")};
    QList<Entry> rows;
    for (int i = 0; i < kMaxEntries; ++i) {
        Entry entry;
        const QString n = QString::number(i);
        entry[kColNumber] = n.rightJustified(3, u'0');
        entry[kColName] = QStringLiteral("山田 太郎%1").arg(i);
        entry[kColReading] = QStringLiteral("ﾔﾏﾀﾞ ﾀﾛｳ%1").arg(i);
        entry[kColSecret] = QStringLiteral("PUBLIC");
        for (int slot = 1; slot <= kSlotCount; ++slot) {
            entry[TelNumberCell(slot)] = QStringLiteral("090-%1-%2").arg(slot, 4, 10, QLatin1Char('0')).arg(n);
            entry[TelKindCell(slot)] = telKinds[slot % 3];
            entry[MailAddressCell(slot)] = QStringLiteral("user%1.%2@example.ne.jp").arg(n).arg(slot);
            entry[MailKindCell(slot)] = QStringLiteral("携帯");
        }
        entry[kColGroupNumber] = QStringLiteral("%1").arg(i % 100, 2, 10, QLatin1Char('0'));
        entry[kColGroupName] = QStringLiteral("グループ%1").arg(i % 100);
        entry[kColAddress] = QStringLiteral("東京都千代田区千代田%1-1").arg(i);
        entry[kColPostalCode] = QStringLiteral("100-0001");
        entry[kColAddressKind] = QStringLiteral("自宅");
        entry[kColConstellation] = QStringLiteral("牡羊");
        entry[kColBirthday] = QStringLiteral("19800101");
        entry[kColBloodType] = QStringLiteral("A");
        entry[kColHobby] = QStringLiteral("読書");
        // Memos in no particular order, so the sort has work to do.
        entry[kColMemo] = QStringLiteral("メモ%1 あいうえお").arg((i * 7919) % kMaxEntries);
        entry[kColUrl] = QStringLiteral("http://example.jp/%1").arg(n);
        entry[kColGps] = QStringLiteral("35.6812;139.7671");
        entry[kColRevision] = QStringLiteral("20060307T150500Z");
        rows << entry;
    }
    return rows;
}

struct Fixture
{
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("full.VCF"));
    Fixture()
    {
        if (!WriteMemoryDial(path, FullRows(), QStringLiteral("VERSION:3.0")).ok) {
            std::abort();
        }
    }
};

Fixture& SharedFixture()
{
    static Fixture fixture;
    return fixture;
}

void BM_OpenThroughController(benchmark::State& state)
{
    AnswerEverything answers(SharedFixture().path);
    for (auto _ : state) {
        MemoryDial dial;
        MainController controller(dial, answers, QString(), nullptr);
        controller.mnuFileOpen_Click();
        if (dial.RowCount() != kMaxEntries) {
            state.SkipWithError("the file did not open");
        }
        benchmark::DoNotOptimize(dial.rows.data());
    }
}
BENCHMARK(BM_OpenThroughController)->Unit(benchmark::kMillisecond);

void BM_SaveThroughController(benchmark::State& state)
{
    AnswerEverything answers(SharedFixture().path);
    MemoryDial dial;
    MainController controller(dial, answers, QString(), nullptr);
    controller.mnuFileOpen_Click();
    for (auto _ : state) {
        controller.mnuFileSave_Click(0);
    }
    if (answers.tells != 0) {
        state.SkipWithError("the save reported a failure");
    }
}
BENCHMARK(BM_SaveThroughController)->Unit(benchmark::kMillisecond);

void BM_SortByMemoThroughController(benchmark::State& state)
{
    AnswerEverything answers(SharedFixture().path);
    MemoryDial dial;
    MainController controller(dial, answers, QString(), nullptr);
    controller.mnuFileOpen_Click();
    const QList<Entry> unsorted = dial.rows;
    for (auto _ : state) {
        state.PauseTiming();
        dial.rows = unsorted;
        state.ResumeTiming();
        controller.ListView1_ColumnClick(kColMemo);
    }
}
BENCHMARK(BM_SortByMemoThroughController)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
