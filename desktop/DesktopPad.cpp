#include "DesktopPad.h"

#include "Desktop.h"
#include "DesktopModel.h"
#include "DesktopPadView.h"
#include "PadLimits.h"

#include <algorithm>

#include <vector>

DesktopPad::DesktopPad(Desktop& owner, unsigned id, std::string className, bool ownView)
    : owner_(owner), id_(id), className_(std::move(className)) {
    if (ownView)
        view_.emplace(*this);
}

DesktopPad::~DesktopPad() = default;

MvSimpleModel* DesktopPad::get_model() {
    return model_;
}

const char* DesktopPad::get_slotname() {
    return slotName_ ? slotName_->c_str() : nullptr;
}

MvSimplePad* DesktopPad::get_datalink_parent() {
    return slotName_ ? parent_ : nullptr;
}

MvPadList* DesktopPad::get_datalink_children(const char* slotName) {
    datalinkChildren_.clear();
    for (int i = 0; i < children_.length(); ++i) {
        DesktopPad* child = Child(i);
        if (child->slotName_ && (slotName == nullptr || *child->slotName_ == slotName))
            datalinkChildren_.append(child);
    }
    return &datalinkChildren_;
}

MvPadView* DesktopPad::get_view() {
    DesktopPad* horizon = HorizonPad();
    return horizon ? horizon->View() : nullptr;
}

MvPadView* DesktopPad::get_real_view() {
    return View();
}

MvSlot* DesktopPad::get_output() {
    return model_ ? model_->Slot(outputIndex_) : nullptr;
}

void DesktopPad::select(int) {
    if (deleteHidden_)
        return;
    selected_ = true;
    owner_.Notify(ChangeKind::Select, this);
}

void DesktopPad::deselect() {
    if (deleteHidden_)
        return;
    selected_ = false;
    owner_.Notify(ChangeKind::Select, this);
}

void DesktopPad::delete_hide() {
    owner_.DeleteHide(*this);
}

void DesktopPad::destroy() {
    owner_.Destroy(*this);
}

void DesktopPad::ungroup() {
    if (groupDepth_ == 0)
        return;
    --groupDepth_;
    owner_.Notify(ChangeKind::Group, this);
}

void DesktopPad::move(int x, int y, int) {
    auto [fitX, fitY] = owner_.FittingPlace(*this, parent_, x, y);
    SetPlace(fitX, fitY);
    owner_.Notify(ChangeKind::Position, this);
}

void DesktopPad::resize(int width, int height) {
    SetSize(width, height);
    owner_.Notify(ChangeKind::Size, this);
}

void DesktopPad::paste(MvSimplePad* parent, int x, int y) {
    owner_.Paste(*this, static_cast<DesktopPad*>(parent), x, y);
}

void DesktopPad::connect(MvSimplePad* parent, const char* slotName) {
    if (slotName == nullptr || *slotName == '\0') {
        owner_.Connect(*this, "");
        return;
    }
    if (parent == parent_)
        owner_.Connect(*this, slotName);
}

DesktopPad* DesktopPad::Child(int index) const {
    return static_cast<DesktopPad*>(children_.at(index));
}

DesktopPad* DesktopPad::HorizonPad() {
    for (DesktopPad* pad = this; pad != nullptr; pad = pad->parent_) {
        if (pad->view_)
            return pad;
    }
    return nullptr;
}

void DesktopPad::SetMemo(std::optional<std::string> memo) {
    if (memo) {
        std::string lf;
        for (size_t i = 0; i < memo->size(); ++i) {
            char c = (*memo)[i];
            if (c == '\r') {
                lf += '\n';
                if (i + 1 < memo->size() && (*memo)[i + 1] == '\n')
                    ++i;
                continue;
            }
            lf += c;
        }
        memo = std::move(lf);
    }
    memo_ = std::move(memo);
}

void DesktopPad::SetPlace(int x, int y) {
    relX_ = x;
    relY_ = y;
    PlaceSubtree();
}

void DesktopPad::SetParent(DesktopPad* parent) {
    parent_ = parent;
    PlaceSubtree();
}

void DesktopPad::PlaceSubtree() {
    auto place = [](DesktopPad& pad) {
        pad.x_ = pad.relX_ + (pad.parent_ != nullptr ? pad.parent_->x_ : 0);
        pad.y_ = pad.relY_ + (pad.parent_ != nullptr ? pad.parent_->y_ : 0);
    };
    place(*this);
    if (children_.length() == 0)
        return;
    // A stack instead of recursion, for subtrees of any depth.
    std::vector<DesktopPad*> open;
    for (int i = 0; i < children_.length(); ++i)
        open.push_back(Child(i));
    while (!open.empty()) {
        DesktopPad* pad = open.back();
        open.pop_back();
        place(*pad);
        for (int i = 0; i < pad->ChildCount(); ++i)
            open.push_back(pad->Child(i));
    }
}

void DesktopPad::SetSize(int width, int height) {
    width_ = std::clamp(width, 0, kPadSizeMax);
    height_ = std::clamp(height, 0, kPadSizeMax);
}

void DesktopPad::SetGroupDepth(int depth) {
    groupDepth_ = std::clamp(depth, 0, kPadGroupDepthMax);
}

void DesktopPad::SetModel(DesktopModel* model) {
    if (model_ == model)
        return;
    if (model_)
        model_->Dependents().remove(this);
    model_ = model;
    if (model_)
        model_->Dependents().append(this);
}

void DesktopPad::SetConnection(std::optional<std::string> slotName) {
    slotName_ = std::move(slotName);
}

void DesktopPad::SetDeleteHidden(bool deleteHidden) {
    if (deleteHidden_ == deleteHidden)
        return;
    deleteHidden_ = deleteHidden;
    owner_.NoteLinks(*this);
}

void DesktopPad::AddDeletedChild(DesktopPad* child) {
    if (!deletedChildren_) {
        deletedChildren_ = std::make_unique<std::vector<DesktopPad*>>();
        // The first deleted child is most often the first of several: Delete All takes a
        // pad's children one after another, and a list grown a child at a time reallocates
        // often. A large family grows from a bounded start.
        constexpr int kFirstReserve = 64;
        deletedChildren_->reserve(static_cast<size_t>(std::min(ChildCount() + 1, kFirstReserve)));
    }
    deletedChildren_->push_back(child);
}

void DesktopPad::DropDeletedChild(const DesktopPad* child) {
    if (!deletedChildren_)
        return;
    // The latest deleted is the likeliest to come back or go for good.
    auto& children = *deletedChildren_;
    auto at = std::find(children.rbegin(), children.rend(), child);
    if (at == children.rend())
        return;
    children.erase(std::next(at).base());
    if (children.empty())
        deletedChildren_.reset();
}

void DesktopPad::SetIcon(DesktopPad* icon) {
    icon_ = icon;
    owner_.NoteLinks(*this);
}

void DesktopPad::SetStandsFor(DesktopPad* pad) {
    standsFor_ = pad;
    owner_.NoteLinks(*this);
}

void DesktopPad::ReleaseLists() {
    children_ = MvPadList();
    datalinkChildren_ = MvPadList();
    deletedChildren_.reset();
    if (view_)
        view_->SubViews() = MwViewList();
}

void DesktopPad::SyncSubViews() {
    if (!view_)
        return;
    MwViewList& subs = view_->SubViews();
    subs.Clear();
    for (int i = 0; i < children_.length(); ++i) {
        if (MvPadView* view = Child(i)->get_real_view())
            subs.Append(view);
    }
}
