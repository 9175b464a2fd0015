// The candidate dialog as the user meets it: from the press of "〒 ⇔ 住所" to the list painted on
// screen. Each iteration is a fresh process (ColdRun.h) in which the table has loaded and the
// editor is on screen, as they are when the user clicks; only the search, the building of the
// real dialog, its showing and the painting of its list are timed. The first opening in a
// process is what a user meets first; an opening after one more shows what is left once Qt has
// loaded what the first needed. "北海道" alone lists every code of the largest prefecture.
#include "CandidateDialog.h"
#include "ColdRun.h"
#include "GuiBench.h"
#include "KenAllPath.h"
#include "QtInteraction.h"
#include "services/CandidateSearch.h"
#include "services/PostalIndex.h"

#include <QApplication>
#include <QLabel>
#include <QListView>
#include <QWindow>

#include <benchmark/benchmark.h>

namespace {

// Sees the list's viewport paint.
class PaintSeen final : public QObject
{
public:
    bool painted = false;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            painted = true;
        }
        return QObject::eventFilter(watched, event);
    }
};

// What the child holds before the click; left to the end of the child.
PostalIndex* g_index = nullptr;
QWidget* g_editor = nullptr;
QtInteraction* g_interaction = nullptr;

bool OpenCandidates(const QString& address)
{
    EditorFields fields;
    const QStringList rows = LoadCandidateRows(*g_index, address, *g_interaction);
    auto* dialog = new CandidateDialog(rows, fields, *g_interaction, kCandidateWindowDefault, g_editor);
    PaintSeen seen;
    dialog->List().viewport()->installEventFilter(&seen);
    dialog->show();
    while (!seen.painted) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    dialog->List().viewport()->removeEventFilter(&seen);
    return !rows.isEmpty();
}

// The program with its table loaded and the editor (its Japanese text drawn) on screen.
bool ProgramWithEditor()
{
    new QApplication(GuiBench::Argc(), GuiBench::Argv());
    g_index = new PostalIndex;
    if (LoadPostalIndex(*g_index, KenAllPath())) {
        return false;
    }
    auto* editor = new QLabel(QStringLiteral("個別情報編集　北海道札幌市中央区"));
    editor->resize(800, 600);
    editor->show();
    GuiBench::WaitUntilExposed(*editor);
    g_editor = editor;
    g_interaction = new QtInteraction(editor);
    return true;
}

void Candidates(benchmark::State& state, const QString& address, bool openedBefore)
{
    qsizetype rows = 0;
    for (auto _ : state) {
        TimeCold(
            state, [&address] { return OpenCandidates(address); }, nullptr,
            [&address, openedBefore] {
                if (!ProgramWithEditor()) {
                    return false;
                }
                if (openedBefore) {
                    QWidget* first = nullptr;
                    OpenCandidates(address);
                    for (QWidget* window : QApplication::topLevelWidgets()) {
                        if (qobject_cast<CandidateDialog*>(window)) {
                            first = window;
                        }
                    }
                    delete first;
                }
                return true;
            });
    }
    rows = SearchCandidatesByAddress(PostalIndex(), address).size();
    benchmark::DoNotOptimize(rows);
}

void BM_CandidatesWholePrefectureFirstOpen(benchmark::State& state)
{
    Candidates(state, QStringLiteral("北海道"), false);
}

void BM_CandidatesWholePrefectureOpenedBefore(benchmark::State& state)
{
    Candidates(state, QStringLiteral("北海道"), true);
}

void BM_CandidatesOneWardFirstOpen(benchmark::State& state)
{
    Candidates(state, QStringLiteral("東京都千代田区丸の内"), false);
}

} // namespace

BENCHMARK(BM_CandidatesWholePrefectureFirstOpen)->Unit(benchmark::kMillisecond)->Iterations(10)->UseManualTime();
BENCHMARK(BM_CandidatesWholePrefectureOpenedBefore)->Unit(benchmark::kMillisecond)->Iterations(10)->UseManualTime();
BENCHMARK(BM_CandidatesOneWardFirstOpen)->Unit(benchmark::kMillisecond)->Iterations(10)->UseManualTime();

int main(int argc, char** argv)
{
    return GuiBench::Main(argc, argv);
}
