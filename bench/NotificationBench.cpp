// How the table's operations grow with the desktop: desktop Inspectors on generated
// desktops of 1,000, 10,000 and 100,000 pads of mixed depth and fan-out, and a search-results
// window.

#include "BenchWorld.h"
#include "ScaleBench.h"
#include "SelectionBench.h"
#include "dialogs/SearchRules.h"
#include "frame/CMainFrame.h"
#include "listview/CInspectrView.h"
#include "listview/SearchResults.h"
#include "listview/Selection.h"
#include "listview/TreeRefresh.h"
#include "platform/Afx.h"
#include "platform/NativeMenu.h"

namespace {

World& One(const benchmark::State& state) {
    return WorldOf(static_cast<int>(state.range(0)), Shape{}, 1);
}

void Open(benchmark::State& state) {
    World& world = One(state);
    for (auto _ : state) {
        openInspector(world.MainWindow(), nullptr);
        state.PauseTiming();
        inspectorGetInspector(0)->SendMessage(WM_CLOSE);
        state.ResumeTiming();
    }
}

void UpdateTable(benchmark::State& state) {
    World& world = One(state);
    for (auto _ : state)
        Update(world.View());
}

void PositionOfADeepLeaf(benchmark::State& state) {
    World& world = One(state);
    MoveToAndFro(state, world, world.deepLeaf);
}

void SizeOfAPad(benchmark::State& state) {
    World& world = One(state);
    int step = 0;
    for (auto _ : state)
        world.desktop.ResizePad(world.deepLeaf, 30 + (++step & 1), 30);
}

void SelectOnTheDesktop(benchmark::State& state) {
    World& world = One(state);
    int step = 0;
    for (auto _ : state) {
        if (++step & 1)
            world.desktop.SelectPad(world.deepLeaf);
        else
            world.desktop.DeselectPad(world.deepLeaf);
    }
}

void SelectAllRows(benchmark::State& state) {
    World& world = One(state);
    for (auto _ : state) {
        SelectAll(world.View(), true);
        state.PauseTiming();
        DeselectAll(world.View());
        state.ResumeTiming();
    }
}

void SaveAndRestoreAllRows(benchmark::State& state) {
    World& world = One(state);
    SelectAll(world.View(), true);
    for (auto _ : state) {
        SaveSelection(world.View());
        RestoreSelection(world.View());
    }
    DeselectAll(world.View());
}

void PasteOfOnePad(benchmark::State& state) {
    World& world = One(state);
    for (auto _ : state) {
        DesktopPad* pad = world.desktop.AddPad(world.someParent, "Pasted", 1, 1, 10, 10);
        state.PauseTiming();
        world.desktop.DestroyPad(pad);
        state.ResumeTiming();
    }
}

SearchConditions LabelHolds(const char* part) {
    SearchConditions conditions;
    conditions.labelChecked = 1;
    conditions.label = part;
    return conditions;
}

// The first pass opens the results window, the others refill it. "Pad1" is in the labels of
// about one pad in nine.
void SearchByLabel(benchmark::State& state) {
    World& world = One(state);
    SearchConditions conditions = LabelHolds("Pad1");
    for (auto _ : state)
        world.frame->ShowSearchResults(CollectHits(world.View().rootRow.get(), conditions));
    CloseResults(world.View());
    native::PumpPending();
}

// The results window lists every pad; each row Select All selects is selected there too.
void SelectAllMirrored(benchmark::State& state) {
    World& world = One(state);
    world.frame->ShowSearchResults(CollectHits(world.View().rootRow.get(), LabelHolds("Pad")));
    // The command comes from the Inspector, which is then the active window.
    world.View().SetActiveWindow();
    for (auto _ : state) {
        SelectAll(world.View(), true);
        state.PauseTiming();
        DeselectAll(world.View());
        state.ResumeTiming();
    }
    CloseResults(world.View());
    native::PumpPending();
}

// A key goes the user's way: queue, accelerators, the frame's command routing, the view.
void Press(World& world, WORD key, bool shift = false) {
    native::PressKey(world.View().m_hWnd, key, shift, false, false);
    AfxPumpPending();
}

// Down and Up in turn with one row selected: a key costs the same at any size.
void KeyPress(benchmark::State& state) {
    World& world = One(state);
    Press(world, VK_HOME);
    int step = 0;
    for (auto _ : state)
        Press(world, ++step & 1 ? VK_DOWN : VK_UP);
}

// Shift+End from the first row selects every row.
void ShiftEnd(benchmark::State& state) {
    World& world = One(state);
    for (auto _ : state) {
        state.PauseTiming();
        Press(world, VK_HOME);
        state.ResumeTiming();
        Press(world, VK_END, true);
    }
    Press(world, VK_HOME);
}

} // namespace

int main(int argc, char** argv) {
    const std::pair<const char*, void (*)(benchmark::State&)> cases[] = {
        {"Open", Open},
        {"Update", UpdateTable},
        {"PositionOfADeepLeaf", PositionOfADeepLeaf},
        {"SizeOfAPad", SizeOfAPad},
        {"SelectOnTheDesktop", SelectOnTheDesktop},
        {"SelectAll", SelectAllRows},
        {"SaveAndRestoreSelection", SaveAndRestoreAllRows},
        {"PasteOfOnePad", PasteOfOnePad},
        {"SearchByLabel", SearchByLabel},
        {"SelectAllMirrored", SelectAllMirrored},
        {"KeyPress", KeyPress},
        {"ShiftEnd", ShiftEnd},
    };
    // Grouped by size, so that each desktop is generated once. The smallest desktop serves
    // the key cases only, which compare a key on a few rows with a key on many.
    for (int pads : {100, 1000, 10000, 100000}) {
        for (const auto& [name, run] : cases) {
            if (pads == 100 && run != KeyPress && run != ShiftEnd)
                continue;
            auto* bench = benchmark::RegisterBenchmark(name, run);
            // Whole-table cases run long enough at every size to reach a steady state: the
            // first passes over a large desktop also pay for fresh pages and a cold allocator.
            Pace(bench->Arg(pads)->Unit(benchmark::kMicrosecond), 2.0);
        }
    }
    RegisterSelectionCases();
    RegisterScaleCases();
    // The single-row cases on a desktop of 1,000,000 pads, against their cost at 100,000.
    for (const auto& [name, run] : cases) {
        if (run == PositionOfADeepLeaf || run == SizeOfAPad || run == SelectOnTheDesktop ||
            run == KeyPress)
            Pace(benchmark::RegisterBenchmark(name, run)->Arg(1000000)->Unit(
                     benchmark::kMicrosecond),
                 2.0);
    }
    RegisterMillionCases();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
