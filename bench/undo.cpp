// Figures for the undo history on a large design: one step undone and redone,
// a nudge of a 1,000-element selection, and paste of 1,000 records.
#include "document/DocumentSession.h"
#include "document/ElementClipboard.h"
#include "document/ElementCommands.h"
#include "document/SelectionSet.h"
#include "editor/KeyboardNudge.h"

#include <benchmark/benchmark.h>

namespace {

// One page of count pictures.
void fill(DocumentSession &session, int count)
{
    QStringList lines{"{BOP", "0"};
    for (int e = 0; e < count; ++e)
        lines << "gumppic" << QString::number(e % 500) << QString::number(e / 500) << "1F4.bmp";
    lines << "}EOP";
    session.state.DATA = Document(lines);
    session.state.Page = "0";
}

void UndoRedoOneStepOf5000Elements(benchmark::State &bench)
{
    DocumentSession session;
    fill(session, 5000);
    session.state.LineList = SelectionSet::pageElements(session.state);
    SelectionSet::selectOnly(session.state, session.state.LineList[2500]);
    ElementCommands::remove(session.state); // a step in the middle of the design
    for (auto _ : bench) {
        session.undoStack.undo();
        session.undoStack.redo();
    }
    bench.SetLabel("undo + redo");
}
BENCHMARK(UndoRedoOneStepOf5000Elements)->Unit(benchmark::kMillisecond);

void RecordCloneStepOf5000Elements(benchmark::State &bench)
{
    DocumentSession session;
    fill(session, 5000);
    session.state.LineList = SelectionSet::pageElements(session.state);
    for (auto _ : bench) {
        SelectionSet::selectOnly(session.state, session.state.LineList[10]);
        ElementCommands::clone(session.state, true);
        bench.PauseTiming();
        session.undoStack.undo();
        bench.ResumeTiming();
    }
}
BENCHMARK(RecordCloneStepOf5000Elements)->Unit(benchmark::kMillisecond);

void NudgeSelectionOf1000(benchmark::State &bench)
{
    DocumentSession session;
    fill(session, 1000);
    session.state.LineList = SelectionSet::pageElements(session.state);
    SelectionSet::selectLines(session.state, session.state.LineList);
    int step = 1;
    for (auto _ : bench) {
        KeyboardNudge::nudge(session.state, {step, 0});
        step = -step;
    }
}
BENCHMARK(NudgeSelectionOf1000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
