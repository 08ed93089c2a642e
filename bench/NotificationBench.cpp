// How the table's operations grow with the desktop: a desktop Inspector on generated desktops
// of 1,000, 10,000 and 100,000 pads of mixed depth and fan-out, and its search-results window.

#include "Desktop.h"
#include "DesktopHost.h"
#include "DesktopPad.h"
#include "InspectorModule.h"
#include "StaticModule.h"
#include "dialogs/SearchRules.h"
#include "frame/CMainFrame.h"
#include "listview/CInspectrView.h"
#include "listview/SearchResults.h"
#include "listview/Selection.h"
#include "listview/TreeRefresh.h"
#include "platform/Afx.h"
#include "platform/NativeBackend.h"
#include "platform/NativeMenu.h"
#include "service/InspectorExports.h"
#include "service/ModuleEntry.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <random>
#include <unistd.h>

namespace {

// One desktop with an open desktop Inspector; built once per size and shared by the cases.
class World {
public:
    explicit World(int pads) {
        native::Reset();
        inspModuleAttach();
        registryPath_ = "/tmp/mvkinsp-bench-" + std::to_string(::getpid()) + ".json";
        std::remove(registryPath_.c_str());
        host_ = std::make_unique<DesktopHost>(desktop, &module_, registryPath_);
        Generate(pads);
        desktop.SetModule(&module_);
        openInspector(MainWindow(), nullptr);
        frame = inspectorGetInspector(0);
    }

    ~World() {
        AlldeleteInspector();
        desktop.SetModule(nullptr);
        host_.reset();
        std::remove(registryPath_.c_str());
    }

    CInspectrView& View() { return *frame->m_pInspView; }
    HWND MainWindow() { return host_->MainWindow().m_hWnd; }

    Desktop desktop;
    CMainFrame* frame = nullptr;
    DesktopPad* deepLeaf = nullptr;
    DesktopPad* someParent = nullptr;

private:
    // Pads on the desktop, each with up to a few dozen children, down to a depth of about
    // ten; nothing is reported while the desktop is built.
    void Generate(int pads) {
        std::mt19937 rng(7);
        std::vector<std::pair<DesktopPad*, int>> open; // pads that may take children, depth
        int topLevel = std::max(10, pads / 200);
        for (int i = 0; i < pads; ++i) {
            DesktopPad* parent = nullptr;
            int depth = 0;
            if (i >= topLevel && !open.empty()) {
                size_t at = std::uniform_int_distribution<size_t>(0, open.size() - 1)(rng);
                parent = open[at].first;
                depth = open[at].second + 1;
                if (parent->ChildCount() >= 40) {
                    open[at] = open.back();
                    open.pop_back();
                }
            }
            DesktopPad* pad = desktop.CreatePad(parent, "MvPad");
            pad->SetOwnName("Pad" + std::to_string(i));
            pad->SetPlace(i % 97, i % 89);
            pad->SetSize(20 + i % 50, 10 + i % 30);
            if (depth < 10)
                open.emplace_back(pad, depth);
            if (deepLeaf == nullptr || depth >= Depth(deepLeaf))
                deepLeaf = pad;
        }
        someParent = desktop.TopLevelPads().front();
    }

    static int Depth(DesktopPad* pad) {
        int depth = 0;
        for (; pad->Parent() != nullptr; pad = pad->Parent())
            ++depth;
        return depth;
    }

    InspectorModule module_ = StaticModule();
    std::unique_ptr<DesktopHost> host_;
    std::string registryPath_;
};

World& WorldOf(int pads) {
    static std::unique_ptr<World> world;
    static int size = 0;
    if (size != pads) {
        world.reset();
        world = std::make_unique<World>(pads);
        size = pads;
    }
    return *world;
}

void Open(benchmark::State& state) {
    World& world = WorldOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        openInspector(world.MainWindow(), nullptr);
        state.PauseTiming();
        inspectorGetInspector(0)->SendMessage(WM_CLOSE);
        state.ResumeTiming();
    }
}

void UpdateTable(benchmark::State& state) {
    World& world = WorldOf(static_cast<int>(state.range(0)));
    for (auto _ : state)
        Update(world.View());
}

void PositionOfADeepLeaf(benchmark::State& state) {
    World& world = WorldOf(static_cast<int>(state.range(0)));
    int step = 0;
    for (auto _ : state)
        world.desktop.MovePad(world.deepLeaf, 5 + (++step & 1), 5);
}

void SizeOfAPad(benchmark::State& state) {
    World& world = WorldOf(static_cast<int>(state.range(0)));
    int step = 0;
    for (auto _ : state)
        world.desktop.ResizePad(world.deepLeaf, 30 + (++step & 1), 30);
}

void SelectOnTheDesktop(benchmark::State& state) {
    World& world = WorldOf(static_cast<int>(state.range(0)));
    int step = 0;
    for (auto _ : state) {
        if (++step & 1)
            world.desktop.SelectPad(world.deepLeaf);
        else
            world.desktop.DeselectPad(world.deepLeaf);
    }
}

void SelectAllRows(benchmark::State& state) {
    World& world = WorldOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        SelectAll(world.View(), true);
        state.PauseTiming();
        DeselectAll(world.View());
        state.ResumeTiming();
    }
}

void SaveAndRestoreAllRows(benchmark::State& state) {
    World& world = WorldOf(static_cast<int>(state.range(0)));
    SelectAll(world.View(), true);
    for (auto _ : state) {
        SaveSelection(world.View());
        RestoreSelection(world.View());
    }
    DeselectAll(world.View());
}

void PasteOfOnePad(benchmark::State& state) {
    World& world = WorldOf(static_cast<int>(state.range(0)));
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
    World& world = WorldOf(static_cast<int>(state.range(0)));
    SearchConditions conditions = LabelHolds("Pad1");
    for (auto _ : state)
        world.frame->ShowSearchResults(CollectHits(world.View().rootRow.get(), conditions));
    CloseResults(world.View());
    native::PumpPending();
}

// The results window lists every pad; each row Select All selects is selected there too.
void SelectAllMirrored(benchmark::State& state) {
    World& world = WorldOf(static_cast<int>(state.range(0)));
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
    World& world = WorldOf(static_cast<int>(state.range(0)));
    Press(world, VK_HOME);
    int step = 0;
    for (auto _ : state)
        Press(world, ++step & 1 ? VK_DOWN : VK_UP);
}

// Shift+End from the first row selects every row.
void ShiftEnd(benchmark::State& state) {
    World& world = WorldOf(static_cast<int>(state.range(0)));
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
            bench->Arg(pads)->Unit(benchmark::kMicrosecond)->MinTime(2.0);
        }
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
