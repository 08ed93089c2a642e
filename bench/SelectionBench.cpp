// Work on a selection of many rows costs what it changes: Delete All of part or all of the
// rows, Geometry on every row, the commands' states, a click and a key after Select All (and
// without a selection, their own cost), Deselect, and a clear of the whole desktop, at 10,000
// and 100,000 pads with ten Inspectors open; the commands, the click, the keys and Deselect
// also at 1,000,000.

#include "SelectionBench.h"

#include "BenchWorld.h"
#include "dialogs/DeleteRun.h"
#include "dialogs/FrameDeleteScope.h"
#include "dialogs/FrameTree.h"
#include "dialogs/GeometryMessages.h"
#include "dialogs/GeometryRules.h"
#include "dialogs/SearchRules.h"
#include "frame/CommandState.h"
#include "listview/SearchResults.h"
#include "listview/Selection.h"
#include "platform/Afx.h"
#include "platform/CFrameWnd.h"
#include "resources/CommandIds.h"

namespace {

constexpr int kInspectors = 10;

int Pads(const benchmark::State& state) {
    return static_cast<int>(state.range(0));
}

World& Ten(const benchmark::State& state) {
    return WorldOf(Pads(state), Shape{}, kInspectors);
}

// Selects `percent` of the first Inspector's rows, spread over its list: of every ten items,
// the first percent / 10.
void SelectShare(CInspectrView& view, int percent) {
    if (percent >= 100) {
        SelectAll(view, true);
        return;
    }
    DeselectAll(view);
    PublishingSuspended once(view);
    for (int i = 0; i < view.listed.Size(); ++i) {
        if (i % 10 < percent / 10)
            SelectRow(view, *view.listed.At(i));
    }
}

// Delete All with Delete Child Pads, as the dialog's button does it: every selected pad goes
// and the Inspector is rebuilt. Each run spends a new desktop.
void DeleteAllShare(benchmark::State& state, int percent) {
    for (auto _ : state) {
        state.PauseTiming();
        World& world = FreshWorld(Pads(state), Shape{}, kInspectors);
        SelectShare(world.View(), percent);
        state.ResumeTiming();
        FrameDeleteScope scope(*world.frame);
        DeleteRun run(scope);
        if (run.Begin(world.View().selectedRows.get()) != DeleteRun::Start::Nothing)
            run.Finish(DeleteRun::kEndDeleteAll, true);
    }
    Shared().world.reset();
    Shared().key.clear();
}

void DeleteAllTenth(benchmark::State& state) {
    DeleteAllShare(state, 10);
}
void DeleteAllHalf(benchmark::State& state) {
    DeleteAllShare(state, 50);
}
void DeleteAllRows(benchmark::State& state) {
    DeleteAllShare(state, 100);
}

// Delete All run from a search-results window listing every pad, all of its hits selected:
// each deletion withdraws its hit from the window and the next is looked up among the rest.
void DeleteAllHits(benchmark::State& state) {
    SearchConditions everyPad;
    everyPad.labelChecked = 1;
    everyPad.label = "Pad";
    for (auto _ : state) {
        state.PauseTiming();
        World& world = FreshWorld(Pads(state), Shape{}, kInspectors);
        world.frame->ShowSearchResults(CollectHits(world.View().rootRow.get(), everyPad));
        CMainFrame& resultsFrame = *world.View().searchFrame;
        CInspectrView& results = *resultsFrame.m_pInspView;
        SelectAll(results, true);
        state.ResumeTiming();
        FrameDeleteScope scope(resultsFrame);
        DeleteRun run(scope);
        if (run.Begin(results.selectedRows.get()) != DeleteRun::Start::Nothing)
            run.Finish(DeleteRun::kEndDeleteAll, true);
        state.PauseTiming();
        native::PumpPending();
        state.ResumeTiming();
    }
    Shared().world.reset();
    Shared().key.clear();
}

class QuietMessages : public GeometryMessages {
public:
    void Warn(unsigned) override {}
    bool Ask(unsigned) override { return true; }
};

// Geometry on every row: the dialog opens on the selection and applies one width to all,
// 20 and 21 in turn, so that every pad changes each time.
void GeometryOnAllRows(benchmark::State& state) {
    World& world = Ten(state);
    CInspectrView& view = world.View();
    SelectAll(view, true);
    QuietMessages messages;
    int step = 0;
    for (auto _ : state) {
        GeometrySelection selection;
        GeometryValues values;
        OpenGeometry(view.selectedRows.get(), view.rootRow.get(), selection, values,
                     &view.rowIndex);
        values.width = 20 + static_cast<std::uint32_t>(++step & 1);
        values.SetArranged(GeometryField::Width, true);
        ApplyGeometryToPads(selection.pads.get(), values, TreeRootOf(*world.frame), messages,
                            TreeIndexOf(*world.frame));
    }
    DeselectAll(view);
}

// The state of every command of the menus and the toolbar, each asked as the frame's update
// handler asks it (a snapshot of the view, then the rules), with all rows selected or none.
void CommandStates(benchmark::State& state, bool allSelected) {
    World& world = Ten(state);
    allSelected ? SelectAll(world.View(), true) : DeselectAll(world.View());
    const UINT ids[] = {ID_EDIT_SELECT,
                        ID_EDIT_DESELECT,
                        ID_EDIT_GEOMETRY,
                        ID_EDIT_INSERT_REPLACE,
                        ID_EDIT_DELETE,
                        ID_EDIT_SEARCH,
                        ID_EDIT_PROPERTIES,
                        ID_TOOLS_CONNECTION_EDITOR,
                        ID_TOOLS_DOCUMENT_GENERATOR,
                        ID_EDIT_PARENT,
                        ID_INSPECTOR_SELECTED_PAD};
    for (auto _ : state) {
        for (UINT id : ids)
            benchmark::DoNotOptimize(EvaluateCommand(id, TakeSnapshot(world.View())));
    }
    DeselectAll(world.View());
}

void CommandAfterSelectAll(benchmark::State& state) {
    CommandStates(state, true);
}
void CommandWithoutSelection(benchmark::State& state) {
    CommandStates(state, false);
}

// Where a click goes: the Inspector alone, or beside a search-results window listing every
// pad, in the Inspector or in the window (each selection mirrored into the other).
enum class ClickIn { Inspector, InspectorWithHits, Hits };

// A click on the first row, which deselects every other row; or the same click with nothing
// selected before, the cost the click has of itself.
void Click(benchmark::State& state, bool selectAll, ClickIn where = ClickIn::Inspector) {
    World& world = Ten(state);
    CMainFrame* results = nullptr;
    if (where != ClickIn::Inspector) {
        SearchConditions everyPad;
        everyPad.labelChecked = 1;
        everyPad.label = "Pad";
        world.frame->ShowSearchResults(CollectHits(world.View().rootRow.get(), everyPad));
        results = world.View().searchFrame;
    }
    CInspectrView& view = where == ClickIn::Hits ? *results->m_pInspView : world.View();
    CListCtrl& list = view.List();
    RECT rect{};
    list.GetItemRect(0, &rect, LVIR_LABEL);
    LPARAM at = static_cast<LPARAM>(
        MAKELONG(static_cast<WORD>(rect.left + 2), static_cast<WORD>(rect.top + 2)));
    for (auto _ : state) {
        state.PauseTiming();
        selectAll ? SelectAll(view, true) : DeselectAll(view);
        state.ResumeTiming();
        SendMessageA(list.m_hWnd, WM_LBUTTONDOWN, 0, at);
        SendMessageA(list.m_hWnd, WM_LBUTTONUP, 0, at);
    }
    DeselectAll(view);
    if (results != nullptr) {
        results->SendMessage(WM_CLOSE);
        native::PumpPending();
    }
}

void ClickAfterSelectAll(benchmark::State& state) {
    Click(state, true);
}
void ClickBesideHitsAfterSelectAll(benchmark::State& state) {
    Click(state, true, ClickIn::InspectorWithHits);
}
void ClickOnAHitAfterSelectAll(benchmark::State& state) {
    Click(state, true, ClickIn::Hits);
}
void ClickWithoutSelection(benchmark::State& state) {
    Click(state, false);
}

void Press(World& world, WORD key) {
    native::PressKey(world.View().m_hWnd, key, false, false, false);
    AfxPumpPending();
}

// Down, then Up, after Select All: the first key deselects every row, the second finds a
// table that held them all. Without a selection, the cost the keys have of themselves.
void Keys(benchmark::State& state, bool selectAll) {
    World& world = Ten(state);
    Press(world, VK_HOME);
    for (auto _ : state) {
        state.PauseTiming();
        selectAll ? SelectAll(world.View(), true) : DeselectAll(world.View());
        state.ResumeTiming();
        Press(world, VK_DOWN);
        Press(world, VK_UP);
    }
}

void KeysAfterSelectAll(benchmark::State& state) {
    Keys(state, true);
}
void KeysWithoutSelection(benchmark::State& state) {
    Keys(state, false);
}

// Deselect after Select All: what the click and the keys pay for the selection they drop.
void DeselectAfterSelectAll(benchmark::State& state) {
    World& world = Ten(state);
    for (auto _ : state) {
        state.PauseTiming();
        SelectAll(world.View(), true);
        state.ResumeTiming();
        DeselectAll(world.View());
    }
}

// Clearing the whole desktop with no Inspector open; each run spends a new desktop.
void Clear(benchmark::State& state, Shape shape) {
    for (auto _ : state) {
        state.PauseTiming();
        World& world = FreshWorld(Pads(state), shape, 0);
        state.ResumeTiming();
        world.desktop.Clear();
    }
    Shared().world.reset();
    Shared().key.clear();
}

void ClearFlat(benchmark::State& state) {
    Clear(state, Shape{1});
}
void ClearMixed(benchmark::State& state) {
    Clear(state, Shape{});
}
void ClearChains1000(benchmark::State& state) {
    Clear(state, Shape{1000});
}
void ClearOneChain(benchmark::State& state) {
    Clear(state, Shape{Pads(state)});
}

// Clearing the mixed desktop after every pad on the desktop was deleted (kept for undo), so
// that the clear finds every subtree among the deleted pads.
void ClearDeleted(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        World& world = FreshWorld(Pads(state), Shape{}, 0);
        for (DesktopPad* top : std::vector<DesktopPad*>(world.desktop.TopLevelPads()))
            world.desktop.DeletePad(top);
        state.ResumeTiming();
        world.desktop.Clear();
    }
    Shared().world.reset();
    Shared().key.clear();
}

// Destroying every subtree of the mixed desktop, one pad on the desktop at a time from the
// bottom, as a user would.
void DestroyTopPads(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        World& world = FreshWorld(Pads(state), Shape{}, 0);
        state.ResumeTiming();
        while (!world.desktop.TopLevelPads().empty())
            world.desktop.DestroyPad(world.desktop.TopLevelPads().front());
    }
    Shared().world.reset();
    Shared().key.clear();
}

// Destroying the largest subtree on the desktop with ten Inspectors open and every row of
// the running one selected: the subtree's rows leave the selection as one change.
void DestroyASelectedSubtree(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        World& world = FreshWorld(Pads(state), Shape{}, kInspectors);
        SelectAll(world.View(), true);
        DesktopPad* largest = nullptr;
        size_t most = 0;
        for (DesktopPad* top : world.desktop.TopLevelPads()) {
            size_t size = 0;
            std::vector<MvSimplePad*> below{top};
            while (!below.empty()) {
                MvSimplePad* pad = below.back();
                below.pop_back();
                ++size;
                MvPadList* children = pad->get_children();
                for (int i = 0; children != nullptr && i < children->length(); ++i)
                    below.push_back(children->at(i));
            }
            if (size > most) {
                most = size;
                largest = top;
            }
        }
        state.counters["rows"] = static_cast<double>(most);
        state.ResumeTiming();
        world.desktop.DestroyPad(largest);
    }
    Shared().world.reset();
    Shared().key.clear();
}

} // namespace

void RegisterSelectionCases() {
    const std::pair<const char*, void (*)(benchmark::State&)> spent[] = {
        {"DeleteAllTenth", DeleteAllTenth},
        {"DeleteAllHalf", DeleteAllHalf},
        {"DeleteAllRows", DeleteAllRows},
        {"DeleteAllHits", DeleteAllHits},
        {"ClearFlat", ClearFlat},
        {"ClearMixed", ClearMixed},
        {"ClearChains1000", ClearChains1000},
        {"ClearOneChain", ClearOneChain},
        {"ClearDeleted", ClearDeleted},
        {"DestroyTopPads", DestroyTopPads},
        {"DestroyASelectedSubtree", DestroyASelectedSubtree},
    };
    const std::pair<const char*, void (*)(benchmark::State&)> kept[] = {
        {"GeometryOnAllRows", GeometryOnAllRows},
        {"CommandAfterSelectAll", CommandAfterSelectAll},
        {"CommandWithoutSelection", CommandWithoutSelection},
        {"ClickWithoutSelection", ClickWithoutSelection},
        {"KeysWithoutSelection", KeysWithoutSelection},
    };
    // Each iteration selects every row first, outside the time measured but not outside the
    // run's: a fixed number of iterations keeps the run short when the case itself is cheap.
    const std::pair<const char*, void (*)(benchmark::State&)> afterSelectAll[] = {
        {"ClickAfterSelectAll", ClickAfterSelectAll},
        {"ClickBesideHitsAfterSelectAll", ClickBesideHitsAfterSelectAll},
        {"ClickOnAHitAfterSelectAll", ClickOnAHitAfterSelectAll},
        {"KeysAfterSelectAll", KeysAfterSelectAll},
        {"DeselectAfterSelectAll", DeselectAfterSelectAll},
    };
    auto registerKept = [&](int pads, bool withGeometry) {
        for (const auto& [name, run] : kept) {
            if (withGeometry || run != GeometryOnAllRows)
                Pace(benchmark::RegisterBenchmark(name, run)->Arg(pads)->Unit(
                         benchmark::kMicrosecond),
                     1.0);
        }
        for (const auto& [name, run] : afterSelectAll)
            benchmark::RegisterBenchmark(name, run)
                ->Arg(pads)
                ->Unit(benchmark::kMicrosecond)
                ->Iterations(pads >= 1000000 ? 20 : 200);
    };
    for (int pads : {10000, 100000}) {
        registerKept(pads, true);
        // A spent desktop is built anew for each run, outside the time measured.
        for (const auto& [name, run] : spent)
            benchmark::RegisterBenchmark(name, run)
                ->Arg(pads)
                ->Unit(benchmark::kMillisecond)
                ->Iterations(2);
    }
    // A million pads: the cases that must cost what they cost at 100,000.
    registerKept(1000000, false);
}
