#include "RowBuilder.h"

#include "CInspectrView.h"
#include "InspectorRow.h"
#include "RowIndex.h"
#include "SlotValueText.h"
#include "host/MvHostServices.h"
#include "host/MvPadList.h"
#include "host/MvPadView.h"
#include "host/MvSimpleModel.h"
#include "host/MvSimplePad.h"
#include "host/MwViewList.h"
#include "resources/ResourceIds.h"
#include "service/ResourceHelpers.h"

#include <cstring>
#include <vector>

namespace {

const char* OrEmpty(const char* text) {
    return text ? text : "";
}

} // namespace

bool IsStandInClass(MvSimplePad* pad) {
    const char* className = pad->get_class_name();
    return className != nullptr && (std::strcmp(className, "MvIconPad") == 0 ||
                                    std::strcmp(className, "MvDynamicLoadPad") == 0);
}

MvSimplePad* StandInOf(MvSimplePad* pad) {
    return IsStandInClass(pad) ? static_cast<MvIconPad*>(pad)->get_pad() : nullptr;
}

std::string RowLabel(MvSimplePad* pad) {
    std::string label = OrEmpty(pad->get_own_name());
    // A stand-in's label names the pad it stands for.
    if (MvSimplePad* standsFor = StandInOf(pad))
        label += "(" + std::string(OrEmpty(standsFor->get_own_name())) + ")";
    return label;
}

namespace {

bool SharesModelWithHiddenView(MvSimplePad* pad, const MvSimplePad* ignored, bool deleteTest) {
    MvSimpleModel* model = pad->get_model();
    MvPadList* dependents = model ? model->get_dependents() : nullptr;
    if (dependents == nullptr)
        return false;
    for (int i = 0; i < dependents->length(); ++i) {
        MvSimplePad* d = dependents->at(i);
        if (d != nullptr && d != pad && d != ignored && d->get_real_view() == nullptr &&
            d->get_horizon_pad() == pad && (!deleteTest || !d->isDeleteHide()))
            return true;
    }
    return false;
}

int ConnectedBy(MvSimplePad* pad, const MvSimplePad* ignored, bool deleteTest) {
    if (pad->get_parent() && pad->get_slotname() && pad->get_datalink_parent())
        return 1;
    if (SharesModelWithHiddenView(pad, ignored, deleteTest))
        return 1;
    MvSimplePad* icon = pad->get_icon();
    if (icon && icon->get_parent() && icon->get_datalink_parent() && icon->get_slotname())
        return 1;
    return 0;
}

} // namespace

int IsConnected(MvSimplePad* pad) {
    return ConnectedBy(pad, nullptr, true);
}

int IsConnectedApartFrom(MvSimplePad* pad, const MvSimplePad* ignored) {
    return ConnectedBy(pad, ignored, false);
}

bool ConnectionMayChange(MvSimplePad* pad) {
    if (pad->get_icon() != nullptr)
        return true;
    MvSimpleModel* model = pad->get_model();
    MvPadList* dependents = model ? model->get_dependents() : nullptr;
    return dependents != nullptr &&
           (dependents->length() > 1 || (dependents->length() == 1 && dependents->at(0) != pad));
}

void ReadGeometry(InspectorRow& row, MvSimplePad* pad) {
    MvPadView* padView = pad->get_view();
    if (padView == nullptr)
        return;
    MwRectangle region = padView->GetRegion();
    row.x = region.X();
    row.y = region.Y();
    row.width = region.Width();
    row.height = region.Height();
    row.relX = row.x;
    row.relY = row.y;
    if (MvSimplePad* parent = pad->get_parent()) {
        if (MvPadView* parentView = parent->get_view()) {
            MwRectangle parentRegion = parentView->GetRegion();
            row.relX = row.x - parentRegion.X();
            row.relY = row.y - parentRegion.Y();
        }
    }
}

namespace {

// The row of one pad under `parentRow`, linked in and indexed; null when the pad has no
// real, visible view or already has a row there.
InspectorRow* BuildOne(CInspectrView& view, MvSimplePad* pad, InspectorRow* parentRow) {
    if (pad == nullptr || pad->get_real_view() == nullptr)
        return nullptr;
    MvPadView* padView = pad->get_view();
    if (padView == nullptr || !padView->IsVisible())
        return nullptr;

    auto row = std::make_unique<InspectorRow>();
    if (parentRow != nullptr) {
        view.rowCount += 1;
        row->depth = parentRow->depth + 1;
    } else {
        row->depth = 0;
        view.rowCount = 1;
    }
    row->label = RowLabel(pad);

    ReadGeometry(*row, pad);

    row->pad = pad;
    row->desktopSelected = pad->isSelected() != 0;
    SlotValueText(*row, pad->get_output());
    row->padName = OrEmpty(pad->get_pad_name());
    row->connected = IsConnected(pad);
    row->connectionWatched = ConnectionMayChange(pad);
    row->standIn = IsStandInClass(pad);
    row->groupDepth = pad->get_groupDepth();
    row->padId = pad->GetCreatePadID();

    InspectorRow* built = row.get();
    if (parentRow != nullptr) {
        RowList& siblings = parentRow->children;
        row->shown = siblings.head ? siblings.head->shown : 1;
        row->parentRow = parentRow;
        if (view.rowIndex.HasRowBelow(parentRow, pad)) {
            // The pad has a row here already; the new one is dropped with its count.
            view.rowCount -= 1;
            return nullptr;
        }
        AppendUnchecked(siblings, std::move(row));
    } else {
        row.release();
    }
    view.rowIndex.Add(*built);
    if (built->connectionWatched)
        view.connectionRows.insert(built);
    if (built->standIn)
        view.standInRows.insert(built);
    return built;
}

// The pads of a large desktop lie anywhere in memory, and building a row waits for each of
// them: the pads a few places ahead in a children list are fetched early, so that their
// misses overlap. A row reads the first few cache lines of a pad's object and the pad's slot
// in the view's index.
constexpr int kFetchAhead = 6;
constexpr int kPadBytesRead = 448;

void FetchAhead(const CInspectrView& view, MvPadList* pads, int index) {
    if (pads == nullptr || index >= pads->length())
        return;
    MvSimplePad* pad = pads->at(index);
    const char* bytes = reinterpret_cast<const char*>(pad);
    for (int offset = 0; offset < kPadBytesRead; offset += 64)
        __builtin_prefetch(bytes + offset);
    view.rowIndex.PrefetchSlot(pad);
}

void FetchFirst(const CInspectrView& view, MvPadList* pads) {
    for (int index = 0; index < kFetchAhead; ++index)
        FetchAhead(view, pads, index);
}

// A view has one tree: a new root starts the indexes afresh, whoever owned the old tree.
void StartTree(CInspectrView& view) {
    view.rowIndex.Clear();
    view.connectionRows.clear();
    view.standInRows.clear();
}

} // namespace

InspectorRow* BuildRow(CInspectrView& view, MvSimplePad* pad, InspectorRow* parentRow) {
    if (parentRow == nullptr)
        StartTree(view);
    InspectorRow* top = BuildOne(view, pad, parentRow);
    if (top == nullptr)
        return nullptr;
    // Pre-order over the children lists, with a stack instead of recursion: a row, then the
    // subtree of each child in turn.
    struct Level {
        InspectorRow* row;
        MvPadList* children;
        int next;
    };
    std::vector<Level> stack{{top, pad->get_children(), 0}};
    FetchFirst(view, stack.back().children);
    while (!stack.empty()) {
        Level& level = stack.back();
        if (level.children == nullptr || level.next >= level.children->length()) {
            stack.pop_back();
            continue;
        }
        FetchAhead(view, level.children, level.next + kFetchAhead);
        MvSimplePad* child = level.children->at(level.next++);
        if (InspectorRow* row = BuildOne(view, child, level.row)) {
            stack.push_back({row, child->get_children(), 0});
            FetchFirst(view, stack.back().children);
        }
    }
    if (parentRow != nullptr)
        view.listed.NoteAdded(*top);
    return top;
}

InspectorRow* BuildDesktopRow(CInspectrView& view) {
    view.rowCount = 0;
    auto row = std::make_unique<InspectorRow>();
    row->depth = 0;
    row->isDesktop = 1;
    std::string label;
    inspLoadString(label, IDS_DESKTOP);
    row->label = label;

    MvPadList pads;
    if (MwView* base = MwGWrap::GetBaseWindow()) {
        if (MwViewList* subViews = base->GetSubViews()) {
            subViews->SetEnd();
            int count = subViews->Length();
            for (int i = 0; i < count; ++i) {
                if (auto* padView = dynamic_cast<MvPadView*>(subViews->BeforeView()))
                    pads.append(padView->GetPad());
            }
        }
    }
    InspectorRow* desktop = row.release();
    StartTree(view);
    view.rowIndex.Add(*desktop);
    FetchFirst(view, &pads);
    for (int i = 0; i < pads.length(); ++i) {
        FetchAhead(view, &pads, i + kFetchAhead);
        BuildRow(view, pads.at(i), desktop);
    }
    return desktop;
}
