// Cases at scale: ten Inspectors on one desktop, trees of every shape, a chain a million pads
// deep, memory per row, loading scenes, and the work the console does after each command.

#include "ScaleBench.h"

#include "BenchWorld.h"
#include "SceneLoader.h"
#include "listview/Selection.h"
#include "listview/TreeRefresh.h"
#include "platform/Afx.h"
#include "platform/CFrameWnd.h"

#include <chrono>
#include <fstream>
#include <map>
#include <sstream>

namespace {

constexpr int kInspectors = 10;

World& Ten(const benchmark::State& state) {
    return WorldOf(static_cast<int>(state.range(0)), Shape{}, kInspectors);
}

World& Chained(const benchmark::State& state, int length) {
    return WorldOf(static_cast<int>(state.range(0)), Shape{length}, 1);
}

World& OneChain(const benchmark::State& state) {
    return Chained(state, static_cast<int>(state.range(0)));
}

void TenPaste(benchmark::State& state) {
    World& world = Ten(state);
    for (auto _ : state) {
        DesktopPad* pad = world.desktop.AddPad(world.someParent, "Pasted", 1, 1, 10, 10);
        state.PauseTiming();
        world.desktop.DestroyPad(pad);
        state.ResumeTiming();
    }
}

void TenDestroy(benchmark::State& state) {
    World& world = Ten(state);
    for (auto _ : state) {
        state.PauseTiming();
        DesktopPad* pad = world.desktop.AddPad(world.someParent, "Doomed", 1, 1, 10, 10);
        state.ResumeTiming();
        world.desktop.DestroyPad(pad);
    }
}

void TenHide(benchmark::State& state) {
    World& world = Ten(state);
    for (auto _ : state) {
        world.desktop.HidePad(world.deepLeaf);
        state.PauseTiming();
        world.desktop.ShowPad(world.deepLeaf);
        state.ResumeTiming();
    }
}

void TenShow(benchmark::State& state) {
    World& world = Ten(state);
    for (auto _ : state) {
        state.PauseTiming();
        world.desktop.HidePad(world.deepLeaf);
        state.ResumeTiming();
        world.desktop.ShowPad(world.deepLeaf);
    }
}

void TenMoveTop(benchmark::State& state) {
    World& world = Ten(state);
    MoveToAndFro(state, world, world.topPad);
}

// Memory one Inspector takes per row, and what ten Inspectors and the desktop take in all.
void MemoryOf(benchmark::State& state, World& world) {
    for (auto _ : state)
        benchmark::DoNotOptimize(World::InUse());
    state.counters["bytes_per_row"] = world.bytesPerRow;
    state.counters["heap_MB"] = static_cast<double>(World::InUse()) / (1 << 20);
    long pages = 0;
    std::ifstream("/proc/self/statm") >> pages >> pages;
    state.counters["resident_MB"] = static_cast<double>(pages) * 4096 / (1 << 20);
}

void Memory(benchmark::State& state) {
    MemoryOf(state, Ten(state));
}

// The same on chains 1,000 pads deep, where every row but the last of a chain has a child.
void MemoryChains(benchmark::State& state) {
    MemoryOf(state, WorldOf(static_cast<int>(state.range(0)), Shape{1000}, kInspectors));
}

void OpenOn(benchmark::State& state, World& world) {
    for (auto _ : state) {
        openInspector(world.MainWindow(), nullptr);
        state.PauseTiming();
        inspectorGetInspector(0)->SendMessage(WM_CLOSE);
        state.ResumeTiming();
    }
}

void OpenFlat(benchmark::State& state) {
    OpenOn(state, Chained(state, 1));
}

void OpenChains1000(benchmark::State& state) {
    OpenOn(state, Chained(state, 1000));
}

void OpenOneChain(benchmark::State& state) {
    OpenOn(state, OneChain(state));
}

void PositionAtTheChainEnd(benchmark::State& state) {
    World& world = OneChain(state);
    MoveToAndFro(state, world, world.deepLeaf);
}

// Nested Label switched on, and the first page of the table read as a person sees it.
void NestedLabelOnOneChain(benchmark::State& state) {
    World& world = OneChain(state);
    CInspectrView& view = world.View();
    for (auto _ : state) {
        ToggleNestedLabels(view);
        int page = view.List().GetCountPerPage();
        for (int i = view.List().GetTopIndex(); i < page; ++i)
            benchmark::DoNotOptimize(view.List().GetItemText(i, 0));
        state.PauseTiming();
        ToggleNestedLabels(view);
        state.ResumeTiming();
    }
}

// A chain a million pads deep is built, opened, changed at its end and closed; each step
// once, its seconds as counters.
void MillionDeepChain(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    auto seconds = [](Clock::time_point since) {
        return std::chrono::duration<double>(Clock::now() - since).count();
    };
    for (auto _ : state) {
        auto start = Clock::now();
        World& world = WorldOf(1000000, Shape{1000000}, 0);
        state.counters["build_s"] = seconds(start);
        start = Clock::now();
        openInspector(world.MainWindow(), nullptr);
        state.counters["open_s"] = seconds(start);
        start = Clock::now();
        world.desktop.MovePad(world.deepLeaf, 3, 3);
        world.desktop.DestroyPad(world.deepLeaf);
        state.counters["change_s"] = seconds(start);
        start = Clock::now();
        inspectorGetInspector(0)->SendMessage(WM_CLOSE);
        state.counters["close_s"] = seconds(start);
        start = Clock::now();
        WorldOf(1000, Shape{}, 0);
        state.counters["free_s"] = seconds(start);
    }
}

// How the pads of a generated scene lie.
enum class SceneShape { Flat, Chain, FlatWithSlots };

// A scene of `pads` pads: flat, one chain, or flat with a slot of text on every pad, shown as
// its output.
const std::string& SceneText(int pads, SceneShape shape) {
    static std::map<std::pair<int, SceneShape>, std::string> texts;
    std::string& text = texts[{pads, shape}];
    if (!text.empty())
        return text;
    bool chain = shape == SceneShape::Chain;
    std::ostringstream out;
    out << "{\"pads\": [";
    for (int i = 0; i < pads; ++i) {
        if (i > 0)
            out << (chain ? ", \"children\": [" : "}, ");
        // A chain's places alternate, so that its pads stay within the desktop's limits.
        int x = chain ? (i % 2 == 0 ? 3 : -3) : i % 97;
        int y = chain ? (i % 2 == 0 ? 2 : -2) : i % 89;
        out << "{\"name\": \"Pad" << i << "\", \"class\": \"MvPad\", \"x\": " << x
            << ", \"y\": " << y << ", \"width\": 20, \"height\": 10";
        if (shape == SceneShape::FlatWithSlots)
            out << ", \"slots\": [{\"name\": \"text\", \"type\": \"string\", \"value\": \"Text" << i
                << "\"}], \"output\": \"text\"";
    }
    out << "}";
    for (int i = 1; chain && i < pads; ++i)
        out << "]}";
    out << "]}";
    text = out.str();
    return text;
}

void LoadScene(benchmark::State& state, SceneShape shape) {
    const std::string& text = SceneText(static_cast<int>(state.range(0)), shape);
    for (auto _ : state) {
        state.PauseTiming();
        auto desktop = std::make_unique<Desktop>();
        state.ResumeTiming();
        SceneLoader::LoadText(*desktop, text, "bench");
        state.PauseTiming();
        desktop.reset();
        state.ResumeTiming();
    }
}

void LoadFlatScene(benchmark::State& state) {
    LoadScene(state, SceneShape::Flat);
}

void LoadChainScene(benchmark::State& state) {
    LoadScene(state, SceneShape::Chain);
}

void LoadSlotScene(benchmark::State& state) {
    LoadScene(state, SceneShape::FlatWithSlots);
}

// What the console does after every command: pending messages, the idle update of the
// active frame's toolbar, the temporary window objects.
void CommandOverhead(benchmark::State& state) {
    World& world = WorldOf(1000, Shape{}, static_cast<int>(state.range(0)));
    (void)world;
    for (auto _ : state) {
        AfxPumpPending();
        if (auto* active = dynamic_cast<CFrameWnd*>(CWnd::FromHandlePermanent(GetActiveWindow())))
            AfxIdleUpdate(active);
        AfxIdleCleanup();
    }
}

void Register(const char* name, void (*run)(benchmark::State&), std::vector<int> sizes,
              benchmark::TimeUnit unit = benchmark::kMicrosecond, double minTime = 2.0) {
    for (int size : sizes)
        Pace(benchmark::RegisterBenchmark(name, run)->Arg(size)->Unit(unit), minTime);
}

} // namespace

void RegisterScaleCases() {
    // Each world is built once: its cases are registered together, smaller worlds first.
    for (int pads : {10000, 100000}) {
        Register("TenPaste", TenPaste, {pads});
        Register("TenDestroy", TenDestroy, {pads});
        Register("TenHide", TenHide, {pads});
        Register("TenShow", TenShow, {pads});
        Register("TenMoveTop", TenMoveTop, {pads});
        Register("Memory", Memory, {pads}, benchmark::kMicrosecond, 0.1);
    }
    for (int pads : {10000, 100000})
        Register("MemoryChains", MemoryChains, {pads}, benchmark::kMicrosecond, 0.1);
    for (int pads : {10000, 100000}) {
        Register("OpenFlat", OpenFlat, {pads});
        Register("OpenChains1000", OpenChains1000, {pads});
    }
    for (int pads : {10000, 100000}) {
        Register("OpenOneChain", OpenOneChain, {pads});
        Register("PositionAtTheChainEnd", PositionAtTheChainEnd, {pads});
        Register("NestedLabelOnOneChain", NestedLabelOnOneChain, {pads});
    }
    Register("LoadFlatScene", LoadFlatScene, {10000, 100000});
    Register("LoadChainScene", LoadChainScene, {10000, 100000});
    Register("LoadSlotScene", LoadSlotScene, {10000, 100000});
    // Scenes of 1,000,000 pads, each loaded twice.
    const std::pair<const char*, void (*)(benchmark::State&)> millions[] = {
        {"LoadFlatScene", LoadFlatScene},
        {"LoadChainScene", LoadChainScene},
        {"LoadSlotScene", LoadSlotScene},
    };
    for (const auto& [name, run] : millions)
        benchmark::RegisterBenchmark(name, run)
            ->Arg(1000000)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(2);
    Register("CommandOverhead", CommandOverhead, {1, kInspectors});
    benchmark::RegisterBenchmark("MillionDeepChain", MillionDeepChain)
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
}

void RegisterMillionCases() {
    // Ten Inspectors on a mixed desktop of 1,000,000 pads hold about 3 GB.
    constexpr int kMillion = 1000000;
    Register("TenPaste", TenPaste, {kMillion});
    Register("TenDestroy", TenDestroy, {kMillion});
    Register("TenHide", TenHide, {kMillion});
    Register("TenShow", TenShow, {kMillion});
    Register("Memory", Memory, {kMillion}, benchmark::kMicrosecond, 0.1);
}
