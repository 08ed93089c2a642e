#pragma once

// Desktops of many pads with desktop Inspectors open on them, shared by the benchmark cases.

#include "Desktop.h"
#include "DesktopHost.h"
#include "DesktopPad.h"
#include "InspectorModule.h"
#include "StaticModule.h"
#include "frame/CMainFrame.h"
#include "listview/CInspectrView.h"
#include "platform/NativeBackend.h"
#include "service/InspectorExports.h"
#include "service/ModuleEntry.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

// How the pads of a world hang together.
struct Shape {
    // 0: the mixed desktop, a few hundred pads on the desktop with up to 40 children each,
    // down to a depth of about ten. Otherwise chains of this many pads, each pad on the one
    // before it, the first on the desktop.
    int chain = 0;
};

class World {
public:
    World(int pads, Shape shape, int inspectors) {
        native::Reset();
        inspModuleAttach();
        registryPath_ = "/tmp/mvkinsp-bench-" + std::to_string(::getpid()) + ".json";
        std::remove(registryPath_.c_str());
        host_ = std::make_unique<DesktopHost>(desktop, &module_, registryPath_);
        if (shape.chain > 0)
            Chains(pads, shape.chain);
        else
            Mixed(pads);
        desktop.SetModule(&module_);
        for (int i = 0; i < inspectors; ++i) {
            size_t before = InUse();
            openInspector(MainWindow(), nullptr);
            bytesPerRow = static_cast<double>(InUse() - before) / pads;
        }
        frame = inspectorGetInspector(0);
    }

    ~World() {
        AlldeleteInspector();
        native::PumpPending();
        desktop.SetModule(nullptr);
        host_.reset();
        std::remove(registryPath_.c_str());
    }

    World(const World&) = delete;
    World& operator=(const World&) = delete;

    CInspectrView& View() { return *frame->m_pInspView; }
    HWND MainWindow() { return host_->MainWindow().m_hWnd; }

    // Bytes the allocator hands out, with its own overhead.
    static size_t InUse() { return mallinfo2().uordblks; }

    Desktop desktop;
    CMainFrame* frame = nullptr;
    // The deepest pad, a pad with children on the desktop, and a pad that takes pasted ones.
    DesktopPad* deepLeaf = nullptr;
    DesktopPad* topPad = nullptr;
    DesktopPad* someParent = nullptr;
    // Memory one Inspector took per pad when it opened.
    double bytesPerRow = 0;

private:
    // Nothing is reported while the desktop is built.
    void Mixed(int pads) {
        std::mt19937 rng(7);
        std::vector<std::pair<DesktopPad*, int>> open; // pads that may take children, depth
        int topLevel = std::max(10, pads / 200);
        int deepest = -1;
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
            DesktopPad* pad = Add(parent, i);
            if (depth < 10)
                open.emplace_back(pad, depth);
            if (depth >= deepest) {
                deepLeaf = pad;
                deepest = depth;
            }
        }
        topPad = desktop.TopLevelPads().front();
        someParent = topPad->Child(0);
    }

    void Chains(int pads, int length) {
        DesktopPad* last = nullptr;
        for (int i = 0; i < pads; ++i) {
            last = Add(i % length == 0 ? nullptr : last, i);
            if (i == length - 1)
                deepLeaf = last;
        }
        topPad = desktop.TopLevelPads().front();
        someParent = deepLeaf->Parent();
    }

    DesktopPad* Add(DesktopPad* parent, int i) {
        DesktopPad* pad = desktop.CreatePad(parent, "MvPad");
        pad->SetOwnName("Pad" + std::to_string(i));
        pad->SetPlace(i % 97, i % 89);
        pad->SetSize(20 + i % 50, 10 + i % 30);
        return pad;
    }

    InspectorModule module_ = StaticModule();
    std::unique_ptr<DesktopHost> host_;
    std::string registryPath_;
};

// The case's running time, or MV_BENCH_ITERATIONS iterations when that is set (quick looks
// and instruction counts under a profiler).
inline void Pace(benchmark::internal::Benchmark* bench, double minTime) {
    if (const char* iterations = std::getenv("MV_BENCH_ITERATIONS"))
        bench->Iterations(std::atoll(iterations));
    else
        bench->MinTime(minTime);
}

// Moves `pad` to and fro by one unit, a position change each iteration.
inline void MoveToAndFro(benchmark::State& state, World& world, DesktopPad* pad) {
    int step = 0;
    for (auto _ : state)
        world.desktop.MovePad(pad, 5 + (++step & 1), 5);
}

// One world at a time, kept while the cases run on it: the cases of each world are
// registered together.
struct SharedWorld {
    std::unique_ptr<World> world;
    std::string key;
};
inline SharedWorld& Shared() {
    static SharedWorld shared;
    return shared;
}

inline World& WorldOf(int pads, Shape shape, int inspectors) {
    SharedWorld& shared = Shared();
    std::string wanted =
        std::to_string(pads) + "/" + std::to_string(shape.chain) + "/" + std::to_string(inspectors);
    if (shared.key != wanted) {
        shared.world.reset();
        shared.world = std::make_unique<World>(pads, shape, inspectors);
        shared.key = wanted;
    }
    return *shared.world;
}

// A new world for a case that spends it (deletes or clears its pads); the next case that
// asks for a world builds its own.
inline World& FreshWorld(int pads, Shape shape, int inspectors) {
    SharedWorld& shared = Shared();
    shared.world.reset();
    shared.key.clear();
    shared.world = std::make_unique<World>(pads, shape, inspectors);
    return *shared.world;
}
