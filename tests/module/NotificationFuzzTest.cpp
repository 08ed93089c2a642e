// Long random sequences of desktop changes, and of Geometry and Delete dialogs played with
// random clicks, against several Inspectors: after every step each Inspector must show what a
// freshly opened Inspector on the same top pad shows after the same collapse and selection,
// and its search-results window, when one is open, the hits whose pads have stayed, each as
// its row in the Inspector shows it. MV_FUZZ_SEED replays one seed, MV_FUZZ_STEPS sets the
// steps per seed.

#include "DesktopModel.h"
#include "InspectorFixture.h"
#include "dialogs/SearchRules.h"
#include "frame/ColumnSettings.h"
#include "listview/CellText.h"
#include "listview/Mouse.h"
#include "listview/RowFocus.h"
#include "listview/SearchResults.h"
#include "listview/Selection.h"
#include "listview/TreeRefresh.h"
#include "platform/NativeInput.h"
#include "resources/CommandIds.h"
#include "resources/ControlIds.h"
#include "resources/ResourceIds.h"
#include "service/InspectorProbe.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <tuple>

namespace {

using PadSet = std::set<const MvSimplePad*>;

unsigned long EnvNumber(const char* name, unsigned long fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::strtoul(text, nullptr, 10) : fallback;
}

// A table as a tree whose siblings are sorted by pad ID: rows added under a parent go last
// while a fresh build follows the desktop's order, so only the sibling order may differ.
struct Node {
    unsigned id = 0;
    std::string text;
    std::vector<Node> children;

    std::string Canonical() const {
        std::vector<const Node*> sorted;
        for (const Node& child : children)
            sorted.push_back(&child);
        std::stable_sort(sorted.begin(), sorted.end(),
                         [](const Node* a, const Node* b) { return a->id < b->id; });
        std::string out = text + "\n";
        for (const Node* child : sorted) {
            std::string inner = child->Canonical();
            std::istringstream lines(inner);
            for (std::string line; std::getline(lines, line);)
                out += "  " + line + "\n";
        }
        return out;
    }
};

// Lines of (depth, id, text) in pre-order, folded into a tree.
std::string CanonicalOf(const std::vector<std::tuple<int, unsigned, std::string>>& lines) {
    Node top;
    std::vector<Node*> path{&top};
    int base = lines.empty() ? 0 : std::get<0>(lines.front());
    for (const auto& [depth, id, text] : lines) {
        size_t level = static_cast<size_t>(depth - base + 1);
        if (level > path.size() || level == 0)
            return "bad depth " + std::to_string(depth) + " in " + text;
        path.resize(level);
        path.back()->children.push_back(Node{id, text, {}});
        path.push_back(&path.back()->children.back());
    }
    return top.Canonical();
}

std::string ItemsCanonical(CInspectrView& view) {
    CListCtrl& list = view.List();
    std::vector<std::tuple<int, unsigned, std::string>> lines;
    for (int i = 0; i < list.GetItemCount(); ++i) {
        InspectorRow* row = RowOfItem(view, i);
        if (row == nullptr)
            return "item without row";
        LVITEMA item{};
        item.mask = LVIF_IMAGE;
        item.iItem = i;
        list.GetItem(&item);
        std::string text = "image " + std::to_string(item.iImage);
        if (list.GetItemState(i, LVIS_SELECTED) != 0)
            text += " selected";
        for (int c = 0; c < view.insertedColumns; ++c)
            text += "|" + list.GetItemText(i, c);
        lines.emplace_back(row->depth, row->padId, text);
    }
    return CanonicalOf(lines);
}

std::string RowsCanonical(CInspectrView& view) {
    std::string rows;
    SendMessageA(view.m_hWnd, WM_INSP_DESCRIBEROWS, 0, reinterpret_cast<LPARAM>(&rows));
    std::vector<std::tuple<int, unsigned, std::string>> lines;
    std::istringstream in(rows);
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> fields;
        std::istringstream parts(line);
        for (std::string field; std::getline(parts, field, '\t');)
            fields.push_back(field);
        lines.emplace_back(std::stoi(fields.at(0)),
                           static_cast<unsigned>(std::stoul(fields.at(10))), line);
    }
    return CanonicalOf(lines);
}

// Rows of the tree in pre-order.
void CollectRows(InspectorRow* row, std::vector<InspectorRow*>& out) {
    if (row == nullptr)
        return;
    out.push_back(row);
    {
        for (InspectorRow* child = row->children.head; child; child = child->next)
            CollectRows(child, out);
    }
}

PadSet SelectedPads(CInspectrView& view) {
    PadSet pads;
    CListCtrl& list = view.List();
    for (int i = list.GetNextItem(-1, LVNI_SELECTED); i != -1;
         i = list.GetNextItem(i, LVNI_SELECTED)) {
        if (InspectorRow* row = RowOfItem(view, i))
            pads.insert(row->pad);
    }
    return pads;
}

class NotificationFuzzTest : public InspectorFixture {
protected:
    struct Watch {
        CMainFrame* frame = nullptr;
        DesktopPad* top = nullptr; // null: the desktop
        unsigned topId = 0;
        PadSet selected;
        // Auto Update off: the table must stay as it was when it was switched off.
        bool frozen = false;
        std::vector<std::string> frozenItems;
        // The pads the search-results window is to list, in order; none while it is closed.
        std::vector<const MvSimplePad*> hits;
        // Hits whose pads left while Auto Update was off: listed, inert, until Update.
        PadSet goneHits;
        std::vector<std::string> frozenHitItems;
    };

    void SetUp() override {
        InspectorFixture::SetUp();
        ASSERT_TRUE(host->Registry().OpenKey(kSettingsKey));
        ASSERT_TRUE(host->Registry().Write(kSettingsKey, kSettingsValue,
                                           "10,0,-1,1,-1,2,-1,3,-1,4,-1,5,-1,6,-1,7,-1,8,-1,9,-1"));
        // Any answer; one the box does not offer gives its default button.
        native::SetMessageBoxHandler([this](const native::MessageBoxRequest&) {
            return Pick(std::vector<int>{IDOK, IDCANCEL, IDYES, IDNO});
        });
    }

    template <typename T> T Pick(const std::vector<T>& from) {
        return from[std::uniform_int_distribution<size_t>(0, from.size() - 1)(rng)];
    }
    int Number(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); }
    bool Chance(int percent) { return Number(1, 100) <= percent; }

    // The ID of a pad still in memory, else its address.
    std::string Describe(const MvSimplePad* pad) {
        for (DesktopPad* known : desktop.AllPads()) {
            if (known == pad)
                return std::to_string(known->GetCreatePadID());
        }
        std::ostringstream address;
        address << "freed " << pad;
        return address.str();
    }

    std::vector<DesktopPad*> LivePads() {
        std::vector<DesktopPad*> live;
        for (DesktopPad* pad : desktop.AllPads()) {
            if (desktop.IsLive(pad))
                live.push_back(pad);
        }
        return live;
    }

    DesktopPad* AnyLivePad() {
        std::vector<DesktopPad*> live = LivePads();
        return live.empty() ? nullptr : Pick(live);
    }

    void BuildWorld() {
        for (const char* name : {"ModelA", "ModelB"}) {
            DesktopModel& model = desktop.AddModel(name);
            model.AddSlot("value", kSlotNumber);
            model.AddSlot("text", kSlotString);
            models.push_back(&model);
        }
        // A deep world starts with a chain, each pad on the one before it.
        for (int i = deep ? Number(40, 120) : 0; i > 0; --i)
            desktop.AddPad(DeepLivePad(), "Link", Number(0, 9), Number(0, 9), 5, 5);
        for (int i = 0; i < 25; ++i)
            AddRandomPad();
    }

    static int Depth(const DesktopPad* pad) {
        int depth = 0;
        for (; pad->Parent() != nullptr; pad = pad->Parent())
            ++depth;
        return depth;
    }

    // One of the deepest live pads (the deepest quarter), null on an empty desktop.
    DesktopPad* DeepLivePad() {
        std::vector<DesktopPad*> live = LivePads();
        if (live.empty())
            return nullptr;
        // Ties go by pad ID, not by address, so that a seed replays the same steps.
        std::vector<std::tuple<int, unsigned, DesktopPad*>> byDepth;
        for (DesktopPad* pad : live)
            byDepth.emplace_back(
                -Depth(pad),
                (pad->GetCreatePadID() * static_cast<unsigned>(EnvNumber("MV_SALT", 1))) % 1000003u,
                pad);
        std::sort(byDepth.begin(), byDepth.end());
        int quarter = std::max<int>(1, static_cast<int>(byDepth.size()) / 4);
        return std::get<2>(byDepth[static_cast<size_t>(Number(0, quarter - 1))]);
    }

    // Deep worlds change their deep pads more often than others.
    DesktopPad* PadToChange(const std::vector<DesktopPad*>& all) {
        if (deep && Chance(50))
            return DeepLivePad();
        return all.empty() ? nullptr : Pick(all);
    }

    DesktopPad* AddRandomPad() {
        DesktopPad* parent =
            Chance(25) ? nullptr : (deep && Chance(60) ? DeepLivePad() : AnyLivePad());
        static const char* const kNames[] = {"Stage", "Panel", "OK", "Cancel", "Slider", "Text"};
        DesktopPad* pad = desktop.AddPad(parent, kNames[Number(0, 5)], Number(-20, 200),
                                         Number(-20, 200), Number(1, 90), Number(1, 90));
        if (pad != nullptr && Chance(50)) {
            desktop.AssignModel(*pad, *Pick(models));
            desktop.SetOutput(pad, Chance(50) ? "value" : "text");
        }
        if (pad != nullptr && Chance(15))
            desktop.SetProtection(pad,
                                  Pick(std::vector<unsigned>{kProtectPosition, kProtectSize,
                                                             kProtectPosition | kProtectSize,
                                                             kProtectDelete, kProtectConfined}));
        return pad;
    }

    void OpenWatch(DesktopPad* top) {
        CMainFrame* frame = Open(top);
        ASSERT_NE(frame, nullptr);
        CInspectrView& view = View(frame);
        if (Chance(30))
            ToggleNestedLabels(view);
        watches.push_back(
            Watch{frame, top, top ? top->GetCreatePadID() : 0, {}, false, {}, {}, {}, {}});
        Rearrange(watches.back());
    }

    // The user collapses, expands, selects and deselects rows.
    void Rearrange(Watch& watch) {
        CInspectrView& view = View(watch.frame);
        std::vector<InspectorRow*> rows;
        CollectRows(view.rootRow.get(), rows);
        if (rows.empty())
            return;
        for (int n = Number(0, 2); n > 0; --n) {
            // A double click: the row alone is selected, then its children fold or unfold.
            InspectorRow* row = Pick(rows);
            if (!row->children.head || ItemOfPad(view, row->pad) < 0)
                continue;
            MakeCurrent(view, row);
            DeselectAll(view);
            SelectRow(view, *row);
            ToggleChildren(view, *row);
        }
        // Select All leaves the copies of the selected rows to be made when they are read,
        // which the changes that follow may never do.
        if (Chance(25))
            SelectAll(view, Chance(50));
        for (int n = Number(0, 3); n > 0; --n) {
            int count = view.List().GetItemCount();
            if (count == 0)
                break;
            InspectorRow* row = RowOfItem(view, Number(0, count - 1));
            if (RowSelected(view, *row))
                DeselectRow(view, *row);
            else
                SelectRow(view, *row);
        }
        if (CInspectrView* results = ResultsView(view); results && !watch.frozen && Chance(50)) {
            // A click in the results window reaches the Inspector as well.
            int item = Number(0, results->List().GetItemCount() - 1);
            bool selected = results->List().GetItemState(item, LVIS_SELECTED) != 0;
            results->List().SetItemState(item, selected ? 0u : unsigned(LVIS_SELECTED),
                                         LVIS_SELECTED);
        }
        watch.selected = SelectedPads(view);
        if (watch.frozen)
            watch.frozenItems = Items(watch.frame);
    }

    // A search of the Inspector for a piece of a label; without hits its window closes.
    void SearchIn(Watch& watch) {
        CInspectrView& view = View(watch.frame);
        static const char* const kParts[] = {"a", "e", "S", "n", "r", "O", "t"};
        std::unique_ptr<RowList> hits = CollectHits(
            view.rootRow.get(), SearchConditions{.labelChecked = 1, .label = kParts[Number(0, 6)]});
        watch.hits.clear();
        for (const InspectorRow* hit = hits->head; hit != nullptr; hit = hit->next)
            watch.hits.push_back(hit->pad);
        watch.hits.empty() ? CloseResults(view) : watch.frame->ShowSearchResults(std::move(hits));
        native::PumpPending();
    }

    // Hits whose rows the Inspector loses are withdrawn, or marked gone without Auto Update;
    // losing the top pad's row closes the window.
    void FollowHits(Watch& watch, const PadSet& leaving) {
        if (watch.top != nullptr && leaving.count(watch.top) != 0)
            watch.hits.clear();
        for (const MvSimplePad* pad : watch.hits) {
            if (watch.frozen && leaving.count(pad) != 0)
                watch.goneHits.insert(pad);
        }
        if (!watch.frozen)
            std::erase_if(watch.hits, [&](const MvSimplePad* pad) { return leaving.count(pad); });
    }

    // Rows of the pads whose rows the change takes out of this Inspector, found before it.
    PadSet PadsLeaving(Watch& watch, int op, DesktopPad* pad) {
        CInspectrView& view = View(watch.frame);
        InspectorRow* root = view.rootRow.get();
        InspectorRow* row = nullptr;
        if (op == kHide || op == kDestroy)
            row = FindRowOfPadOrDescendant(root, pad);
        else if (op == kDelete)
            row = FindRowByPad(root, pad);
        else if (op == kRepaste)
            row = FindRowByPad(root, pad);
        if (op == kRepaste && row != nullptr && row->parentRow == nullptr)
            row = nullptr;
        std::vector<InspectorRow*> rows;
        CollectRows(row, rows);
        PadSet pads;
        for (InspectorRow* r : rows)
            pads.insert(r->pad);
        return pads;
    }

    enum Op {
        kAdd,
        kMove,
        kResize,
        kHide,
        kShow,
        kDelete,
        kDestroy,
        kSelect,
        kDeselect,
        kRename,
        kRepaste,
        kConnect,
        kSlotValue,
        kOutput,
        kGroup,
        kUngroup,
        kRaise,
        kGeometryDialog,
        kDeleteDialog,
        kOpCount
    };

    // Whether the desktop takes the change (else nothing is reported).
    bool Takes(int op, DesktopPad* pad, DesktopPad* target) {
        switch (op) {
        case kHide:
            return desktop.IsLive(pad);
        case kDelete:
            return desktop.IsLive(pad) && !pad->isProtected(kProtectDelete);
        case kDestroy:
            return !pad->isProtected(kProtectDelete);
        case kRepaste:
            if (!desktop.IsLive(pad) || (target != nullptr && !desktop.IsLive(target)))
                return false;
            for (DesktopPad* up = target; up != nullptr; up = up->Parent()) {
                if (up == pad)
                    return false;
            }
            return true;
        default:
            return true;
        }
    }

    // Applies one change; returns its name for the failure message.
    std::string Change(int op, DesktopPad* pad, DesktopPad* target) {
        std::string what;
        switch (op) {
        case kAdd:
            AddRandomPad();
            return "add";
        case kMove:
            desktop.MovePad(pad, Number(-30, 150), Number(-30, 150));
            return "move";
        case kResize:
            desktop.ResizePad(pad, Number(0, 120), Number(0, 120));
            return "resize";
        case kHide:
            desktop.HidePad(pad);
            return "hide";
        case kShow:
            desktop.ShowPad(pad);
            return "show";
        case kDelete:
            desktop.DeletePad(pad);
            return "delete";
        case kDestroy:
            desktop.DestroyPad(pad);
            return "destroy";
        case kSelect:
            desktop.SelectPad(pad);
            return "select";
        case kDeselect:
            desktop.DeselectPad(pad);
            return "deselect";
        case kRename:
            desktop.RenamePad(pad, Chance(50) ? "Renamed" : std::string(Number(0, 80), 'r'));
            return "rename";
        case kRepaste:
            desktop.RepastePad(pad, target, Number(0, 50), Number(0, 50));
            return "repaste";
        case kConnect:
            desktop.ConnectPad(pad, Chance(20) ? "" : (Chance(50) ? "value" : "text"));
            return "connect";
        case kSlotValue:
            if (Chance(50))
                desktop.SetSlotValue(pad, "value", std::to_string(Number(-5, 5)) + ".5");
            else
                desktop.SetSlotValue(pad, "text", std::string(Number(0, 90), 't'));
            return "slot value";
        case kOutput:
            desktop.SetOutput(pad, Chance(30) ? "" : (Chance(50) ? "value" : "text"));
            return "output";
        case kGroup:
            desktop.GroupPad(pad);
            return "group";
        case kUngroup:
            desktop.UngroupPad(pad);
            return "ungroup";
        case kRaise:
            Chance(50) ? desktop.RaisePad(pad) : desktop.LowerPad(pad);
            return "raise or lower";
        default:
            return what;
        }
    }

    // What a freshly opened Inspector shows after the same collapse and selection.
    ::testing::AssertionResult MatchesFresh(Watch& watch) {
        CInspectrView& view = View(watch.frame);
        CMainFrame* fresh = Open(watch.top);
        if (fresh == nullptr)
            return ::testing::AssertionFailure() << "no fresh Inspector";
        CInspectrView& other = View(fresh);
        if (other.nestedLabels != view.nestedLabels)
            ToggleNestedLabels(other);
        std::vector<InspectorRow*> rows;
        CollectRows(view.rootRow.get(), rows);
        for (InspectorRow* row : rows) {
            if (row->children.head && row->children.head->shown == 0) {
                InspectorRow* twin = FindRowByPad(other.rootRow.get(), row->pad);
                if (twin == nullptr)
                    twin = other.rootRow && row->isDesktop ? other.rootRow.get() : nullptr;
                if (twin != nullptr && twin->children.head && twin->children.head->shown == 1)
                    ToggleChildren(other, *twin);
            }
        }
        for (const MvSimplePad* pad : watch.selected) {
            InspectorRow* twin =
                pad != nullptr ? FindRowByPad(other.rootRow.get(), pad) : other.rootRow.get();
            if (twin != nullptr)
                SelectRow(other, *twin);
        }
        std::string items = ItemsCanonical(view);
        std::string freshItems = ItemsCanonical(other);
        std::string tree = RowsCanonical(view);
        std::string freshTree = RowsCanonical(other);
        int rowCount = view.rowCount;
        int freshRowCount = other.rowCount;
        std::string counts = watch.frame->m_wndStatusBar.GetPaneText(1);
        std::string freshCounts = fresh->m_wndStatusBar.GetPaneText(1);
        fresh->SendMessage(WM_CLOSE);
        if (items != freshItems)
            return ::testing::AssertionFailure() << "items\n" << items << "fresh\n" << freshItems;
        if (tree != freshTree)
            return ::testing::AssertionFailure() << "rows\n" << tree << "fresh\n" << freshTree;
        if (rowCount != freshRowCount || counts != freshCounts)
            return ::testing::AssertionFailure()
                   << "counts " << counts << " (" << rowCount << ") fresh " << freshCounts << " ("
                   << freshRowCount << ")";
        return ::testing::AssertionSuccess();
    }

    // The list, the rows, the selection and the index agree with one another.
    ::testing::AssertionResult Consistent(Watch& watch) {
        CInspectrView& view = View(watch.frame);
        CListCtrl& list = view.List();
        // The items are the shown rows in tree order, nothing left over from earlier fills.
        std::vector<InspectorRow*> shown;
        InspectorRow* root = view.rootRow.get();
        for (InspectorRow* at = root; at != nullptr; at = NextInSubtree(at, root, at->shown == 1)) {
            if (at->shown == 1)
                shown.push_back(at);
        }
        if (static_cast<int>(shown.size()) != list.GetItemCount())
            return ::testing::AssertionFailure()
                   << list.GetItemCount() << " items for " << shown.size() << " shown rows";
        for (size_t i = 0; i < shown.size(); ++i) {
            if (RowOfItem(view, static_cast<int>(i)) != shown[i])
                return ::testing::AssertionFailure() << "item " << i << " is not in tree order";
        }
        std::vector<int> selectedItems;
        for (int i = 0; i < list.GetItemCount(); ++i) {
            InspectorRow* row = RowOfItem(view, i);
            bool selected = list.GetItemState(i, LVIS_SELECTED) != 0;
            if (row == nullptr || ListIndex(*row) != i || RowSelected(view, *row) != selected)
                return ::testing::AssertionFailure() << "item " << i << " out of step";
            if (selected)
                selectedItems.push_back(i);
        }
        if (SelectedItems(view) != selectedItems)
            return ::testing::AssertionFailure() << "the marks give other selected items";
        PadSet selected = SelectedPads(view);
        // Reading the copies makes those still waiting: only every other check does.
        PadSet copies;
        if (++checks % 2 == 0) {
            for (InspectorRow* copy = view.selectedRows->head; copy; copy = copy->next)
                copies.insert(copy->pad);
        } else {
            for (const MvSimplePad* pad : selected) {
                if (view.selectedPadSet.Contains(pad))
                    copies.insert(pad);
            }
        }
        if (copies != selected || view.selectedPadSet.Size() != selected.size())
            return ::testing::AssertionFailure()
                   << "selected rows out of step with the list: " << copies.size() << " copies, "
                   << view.selectedPadSet.Size() << " pads, " << selected.size() << " items";
        std::vector<InspectorRow*> rows;
        CollectRows(view.rootRow.get(), rows);
        for (InspectorRow* row : rows) {
            if (FindRowByPad(view.rootRow.get(), row->pad) !=
                (row->pad != nullptr ? FindRowByWalk(view.rootRow.get(), row->pad) : nullptr))
                return ::testing::AssertionFailure() << "index misses " << row->label;
            if (row->gone && !watch.frozen)
                return ::testing::AssertionFailure() << "gone row " << row->label;
        }
        return ::testing::AssertionSuccess();
    }

    ::testing::AssertionResult Check(Watch& watch) {
        CInspectrView& view = View(watch.frame);
        if (watch.frozen) {
            if (Items(watch.frame) != watch.frozenItems)
                return ::testing::AssertionFailure() << "a table without Auto Update changed";
            return Consistent(watch);
        }
        if (::testing::AssertionResult consistent = Consistent(watch); !consistent)
            return consistent;
        if (PadSet selected = SelectedPads(view); selected != watch.selected) {
            auto ids = [this](const PadSet& pads) {
                std::string text;
                for (const MvSimplePad* pad : pads)
                    text += " " + (pad == nullptr ? std::string("desktop") : Describe(pad));
                return text;
            };
            return ::testing::AssertionFailure()
                   << "selection is not what was left of it:" << ids(selected) << " instead of"
                   << ids(watch.selected);
        }
        if (!view.rootRow && !view.topRecord) {
            // Opened on a hidden pad, the Inspector has nothing to watch.
            if (view.List().GetItemCount() != 0)
                return ::testing::AssertionFailure() << "rows without a tree";
            return ::testing::AssertionSuccess();
        }
        // Below a deleted pad the top pad follows its old ancestors, whose changes do not
        // reach it through their children: such a table is only checked for consistency.
        for (DesktopPad* up = watch.top; up != nullptr; up = up->Parent()) {
            if (up->DeleteHidden())
                return ::testing::AssertionSuccess();
        }
        if (!view.rootRow) {
            // The top pad or one of its ancestors was hidden.
            bool hidden = false;
            for (DesktopPad* up = watch.top; up != nullptr; up = up->Parent())
                hidden = hidden || !up->Visible();
            if (!hidden || view.List().GetItemCount() != 0)
                return ::testing::AssertionFailure() << "empty table without a hidden pad";
            return ::testing::AssertionSuccess();
        }
        return MatchesFresh(watch);
    }

    void Run(unsigned seed, unsigned long steps) {
        rng.seed(seed);
        BuildWorld();
        OpenWatch(nullptr);
        OpenWatch(nullptr);
        for (int i = 0; i < 3; ++i)
            OpenWatch(deep && Chance(50) ? DeepLivePad() : AnyLivePad());
        for (unsigned long step = 0; step < steps; ++step) {
            SCOPED_TRACE("seed " + std::to_string(seed) + " step " + std::to_string(step) +
                         " (replay with MV_FUZZ_SEED=" + std::to_string(seed) + ")");
            std::vector<DesktopPad*> all = desktop.AllPads();
            size_t live = LivePads().size();
            size_t most = deep ? 200 : 60;
            int op = live < 12     ? (Chance(70) ? kAdd : Number(0, kOpCount - 1))
                     : live > most ? (Chance(40) ? kDestroy : Number(0, kOpCount - 1))
                                   : Number(0, kOpCount - 1);
            DesktopPad* pad = PadToChange(all);
            DesktopPad* target =
                Chance(20) ? nullptr : (deep && Chance(50) ? DeepLivePad() : AnyLivePad());
            unsigned padId = pad != nullptr ? pad->GetCreatePadID() : 0;
            std::string change;
            if (op == kGeometryDialog || op == kDeleteDialog) {
                change = DialogStep(op == kGeometryDialog);
            } else {
                for (Watch& watch : watches) {
                    if (!Takes(op, pad, target))
                        continue;
                    PadSet leaving = PadsLeaving(watch, op, pad);
                    FollowHits(watch, leaving);
                    if (!watch.frozen) {
                        for (const MvSimplePad* p : leaving)
                            watch.selected.erase(p);
                    }
                }
                change = Change(op, pad, target);
            }
            native::PumpPending();
            ReplaceClosedWatches();
            for (Watch& watch : watches) {
                ::testing::AssertionResult result = Check(watch);
                ASSERT_TRUE(result)
                    << change << " on " << padId << " seen by the Inspector on " << watch.topId;
                ASSERT_TRUE(CheckHits(watch))
                    << change << " on " << padId << " seen by the results of " << watch.topId;
            }
            Watch& someone = watches[static_cast<size_t>(Number(0, int(watches.size()) - 1))];
            if (Chance(10))
                Rearrange(someone);
            else if (Chance(3))
                ToggleFrozen(someone);
            else if (Chance(6) && !someone.frozen && View(someone.frame).rootRow)
                SearchIn(someone);
        }
    }

    // Live pads with no deleted pad between them and `top`.
    PadSet ShownPads(const DesktopPad* top) {
        PadSet shown;
        for (DesktopPad* pad : LivePads()) {
            bool underDeleted = false;
            for (DesktopPad* up = pad; up != top && up != nullptr; up = up->Parent())
                underDeleted = underDeleted || up->DeleteHidden();
            if (!underDeleted)
                shown.insert(pad);
        }
        return shown;
    }

    // One random user action in the open dialog, Geometry's last one OK; false once the user
    // stops, which cancels the dialog.
    bool PlayDialog(UINT templateId, int& actions) {
        HWND dialog = nullptr;
        for (HWND hwnd : native::TopLevelWindows())
            dialog = native::DialogTemplateId(hwnd) == templateId ? hwnd : dialog;
        if (dialog == nullptr || --actions < 0)
            return false;
        std::vector<unsigned> choices{IDC_DELETE_ONE,   IDC_DELETE_ONE,      IDC_DELETE_NEXT,
                                      IDC_DELETE_ALL,   IDC_DELETE_CHILDREN, IDC_DELETE_CHILDREN,
                                      IDC_DELETE_CANCEL};
        if (templateId == IDD_GEOMETRY && actions == 0)
            choices = {IDC_GEOMETRY_OK};
        else if (templateId == IDD_GEOMETRY)
            choices = {IDC_ARRANGE_X,        IDC_ARRANGE_Y,         IDC_ARRANGE_WIDTH,
                       IDC_ARRANGE_HEIGHT,   IDC_GEOMETRY_ABSOLUTE, IDC_GEOMETRY_RELATIVE,
                       IDC_GEOMETRY_REFLECT, IDC_GEOMETRY_X,        IDC_GEOMETRY_Y,
                       IDC_GEOMETRY_WIDTH,   IDC_GEOMETRY_HEIGHT,   IDC_GEOMETRY_X};
        const unsigned id = Pick(choices);
        if (id >= IDC_GEOMETRY_X && id <= IDC_GEOMETRY_HEIGHT) {
            const int low = id < IDC_GEOMETRY_WIDTH ? -60 : 0;
            SetDlgItemTextA(dialog, id,
                            Chance(5) ? "abc" : std::to_string(Number(low, 200)).c_str());
        } else {
            native::ClickWindow(GetDlgItem(dialog, id), POINT{2, 2});
        }
        return true;
    }

    // Geometry or Delete from the frame's command on a new selection, played with random
    // clicks. The Inspector that ran it keeps every selected pad it still shows; the others'
    // selections follow the notifications, which the other steps check.
    std::string DialogStep(bool geometry) {
        Watch& watch = watches[static_cast<size_t>(Number(0, int(watches.size()) - 1))];
        CInspectrView& view = View(watch.frame);
        if (int count = view.List().GetItemCount(); count > 0) {
            DeselectAll(view);
            for (int n = Number(1, 3); n > 0; --n)
                SelectRow(view, *RowOfItem(view, Number(0, count - 1)));
            watch.selected = SelectedPads(view);
        }
        int actions = Number(1, 10);
        const UINT templateId = geometry ? IDD_GEOMETRY : IDD_DELETE;
        native::SetInputWaiter([&] { return PlayDialog(templateId, actions); });
        watch.frame->SendMessage(WM_COMMAND, geometry ? ID_EDIT_GEOMETRY : ID_EDIT_DELETE);
        native::SetInputWaiter(nullptr);

        const PadSet shown = ShownPads(watch.top);
        std::erase_if(watch.selected, [&shown](const MvSimplePad* pad) {
            return pad != nullptr && !shown.contains(pad);
        });
        for (Watch& each : watches) {
            if (&each != &watch && inspModuleState().registry.Contains(each.frame))
                each.selected = SelectedPads(View(each.frame));
        }
        if (watch.frozen && inspModuleState().registry.Contains(watch.frame))
            watch.frozenItems = Items(watch.frame);
        for (Watch& each : watches) {
            bool open = inspModuleState().registry.Contains(each.frame);
            EXPECT_TRUE(!open || FollowListedHits(each)) << "after the dialog";
        }
        return geometry ? "geometry dialog" : "delete dialog";
    }

    // After a dialog the results window says which hits are left: what was there before, in
    // order, less some; the checks after the step look at each of them.
    ::testing::AssertionResult FollowListedHits(Watch& watch) {
        CMainFrame* window = View(watch.frame).searchFrame;
        std::vector<const MvSimplePad*> listed;
        watch.goneHits.clear();
        for (int i = 0; window != nullptr && i < View(window).List().GetItemCount(); ++i) {
            InspectorRow* hit = RowOfItem(View(window), i);
            listed.push_back(hit->pad);
            if (hit->gone)
                watch.goneHits.insert(hit->pad);
        }
        auto at = watch.hits.begin();
        for (const MvSimplePad* pad : listed) {
            at = std::find(at, watch.hits.end(), pad);
            if (at == watch.hits.end())
                return ::testing::AssertionFailure() << "a hit came from nowhere";
            ++at;
        }
        watch.hits = listed;
        if (watch.frozen && window != nullptr)
            watch.frozenHitItems = Items(window);
        return ::testing::AssertionSuccess();
    }

    void ToggleFrozen(Watch& watch) {
        CInspectrView& view = View(watch.frame);
        ToggleAutoUpdate(view);
        native::PumpPending();
        watch.frozen = view.autoUpdate == 0;
        watch.frozenItems = Items(watch.frame);
        watch.selected = SelectedPads(view);
        if (watch.frozen) {
            if (view.searchFrame != nullptr)
                watch.frozenHitItems = Items(view.searchFrame);
            return;
        }
        // Update drops the hits that went meanwhile and those the new tree has no row for.
        std::erase_if(watch.hits, [&](const MvSimplePad* pad) {
            return watch.goneHits.count(pad) != 0 ||
                   FindRowByPad(view.rootRow.get(), pad) == nullptr;
        });
        watch.goneHits.clear();
    }

    // The results window lists the hits as their rows in the Inspector show them; its list,
    // rows and selection agree.
    ::testing::AssertionResult CheckHits(Watch& watch) {
        CInspectrView& view = View(watch.frame);
        CMainFrame* window = view.searchFrame;
        if (watch.hits.empty() != (window == nullptr))
            return ::testing::AssertionFailure() << watch.hits.size() << " hits, window " << window;
        if (window == nullptr)
            return ::testing::AssertionSuccess();
        CInspectrView& results = View(window);
        std::vector<std::string> items = Items(window);
        if (watch.frozen ? items != watch.frozenHitItems : items.size() != watch.hits.size())
            return ::testing::AssertionFailure()
                   << items.size() << " results, frozen " << watch.frozen;
        for (int i = 0; i < static_cast<int>(items.size()); ++i) {
            InspectorRow* hit = RowOfItem(results, i);
            bool on = results.List().GetItemState(i, LVIS_SELECTED) != 0;
            if (hit == nullptr || hit->listIndex != i || RowSelected(results, *hit) != on ||
                results.selectedPadSet.Contains(hit->pad) != on)
                return ::testing::AssertionFailure() << "result " << i << " out of step";
            InspectorRow* row = FindRowByPad(view.rootRow.get(), hit->pad);
            if (watch.frozen)
                continue;
            if (hit->pad != watch.hits[size_t(i)] || row == nullptr ||
                hit->desktopSelected != row->desktopSelected)
                return ::testing::AssertionFailure() << "result " << i << " is not the hit";
            std::string expected = LabelCellText(*row, true);
            for (int c = 1; c < results.insertedColumns; ++c)
                expected += "|" + CellText(*row, results.columnIds[c], results.connectionYes,
                                           results.connectionNo);
            if (items[size_t(i)] != expected)
                return ::testing::AssertionFailure() << "result " << i << "\n"
                                                     << items[size_t(i)] << "\ninstead of\n"
                                                     << expected;
        }
        return ::testing::AssertionSuccess();
    }

    // An Inspector whose top pad was deleted has closed; another one takes its place.
    void ReplaceClosedWatches() {
        // All closed ones first: a new frame may take the place of a freed one.
        std::vector<Watch*> closed;
        for (Watch& watch : watches) {
            if (!inspModuleState().registry.Contains(watch.frame))
                closed.push_back(&watch);
        }
        for (Watch* watch : closed) {
            ASSERT_TRUE(watch->top != nullptr);
            DesktopPad* top = AnyLivePad();
            CMainFrame* frame = Open(top);
            ASSERT_NE(frame, nullptr);
            *watch = Watch{frame, top, top ? top->GetCreatePadID() : 0, {}, false, {}, {}, {}, {}};
            Rearrange(*watch);
        }
    }

    std::mt19937 rng;
    unsigned long checks = 0;
    // A world of deep chains whose deep pads are changed most.
    bool deep = false;
    std::vector<DesktopModel*> models;
    std::vector<Watch> watches;
};

TEST_F(NotificationFuzzTest, EveryInspectorShowsWhatAFreshOneShows) {
    unsigned long steps = EnvNumber("MV_FUZZ_STEPS", 500);
    // Seeds from 5 on build deep worlds.
    std::vector<unsigned> seeds{1, 2, 3, 4, 5, 6};
    if (std::getenv("MV_FUZZ_SEED") != nullptr)
        seeds = {static_cast<unsigned>(EnvNumber("MV_FUZZ_SEED", 1))};
    for (unsigned seed : seeds) {
        deep = seed >= 5;
        Run(seed, steps);
        if (HasFatalFailure())
            return;
        AlldeleteInspector();
        native::PumpPending();
        watches.clear();
        models.clear();
        desktop.Clear();
    }
}

} // namespace
