#include "Desktop.h"

#include "DesktopModel.h"
#include "DesktopObject.h"
#include "DesktopPad.h"
#include "DesktopPadView.h"
#include "InspectorModule.h"
#include "PadLimits.h"
#include "platform/CodePage.h"
#include "platform/NativeBackend.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <unordered_set>

namespace {

constexpr unsigned long long kHighestId = 0xFFFFFFFF;

// Takes `id` out of the bucket of `key`, and the bucket out of `buckets` once it is empty:
// the indexes of links and of deleted children hold only pads that have some.
template <typename Buckets, typename Key>
void EraseFromBucket(Buckets& buckets, const Key& key, unsigned id) {
    auto found = buckets.find(key);
    if (found != buckets.end() && found->second.erase(id) != 0 && found->second.empty())
        buckets.erase(found);
}

// True when `pad` is `ancestor` or lies below it.
bool IsInside(const DesktopPad* pad, const DesktopPad* ancestor) {
    for (; pad != nullptr; pad = pad->Parent()) {
        if (pad == ancestor)
            return true;
    }
    return false;
}

std::optional<bool> ParseBoolean(std::string_view text) {
    if (text == "true" || text == "1")
        return true;
    if (text == "false" || text == "0")
        return false;
    return std::nullopt;
}

std::optional<double> ParseNumber(std::string_view text) {
    double value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    // Infinities and NaN are no decimals, and a scene could not keep them.
    if (error != std::errc() || end != text.data() + text.size() || text.empty() ||
        !std::isfinite(value))
        return std::nullopt;
    return value;
}

// Walks in the order of the tree meet pads scattered over memory; asking for the ones ahead
// early hides much of the wait for them.
void Prefetch(const void* address) {
#if defined(__GNUC__)
    __builtin_prefetch(address);
#else
    (void)address;
#endif
}

} // namespace

Desktop::Desktop() = default;

Desktop::~Desktop() {
    module_ = nullptr;
    observers_.clear();
    topLevel_.clear();
    pads_.clear();
}

int Desktop::AddObserver(Observer observer) {
    observers_.emplace_back(nextObserver_, std::make_unique<Observer>(std::move(observer)));
    return nextObserver_++;
}

void Desktop::RemoveObserver(int handle) {
    for (auto& entry : observers_) {
        if (entry.first == handle)
            entry.first = 0;
    }
    PruneObservers();
}

void Desktop::PruneObservers() {
    if (reporting_ == 0)
        std::erase_if(observers_, [](const auto& entry) { return entry.first == 0; });
}

int Desktop::CodePage() const {
    return native::ActiveCodePage();
}

DesktopModel& Desktop::AddModel(std::string name) {
    auto model = std::make_unique<DesktopModel>(std::move(name));
    DesktopModel& added = *model;
    added.SetStoreIndex(models_.size());
    models_.push_back(std::move(model));
    if (!added.Name().empty())
        namedModels_.push_back(&added);
    return added;
}

DesktopModel* Desktop::FindModel(const std::string& name) {
    if (name.empty())
        return nullptr;
    for (DesktopModel* model : namedModels_) {
        if (model->Name() == name)
            return model;
    }
    return nullptr;
}

DesktopPad* Desktop::CreatePad(DesktopPad* parent, std::string className, bool ownView,
                               unsigned id) {
    if (parent != nullptr && !IsLive(parent))
        return nullptr;
    if (id == 0) {
        while (nextId_ <= kHighestId && pads_.count(static_cast<unsigned>(nextId_)) != 0)
            ++nextId_;
        if (nextId_ <= kHighestId) {
            id = static_cast<unsigned>(nextId_++);
        } else {
            // The highest ID is taken: the lowest free one.
            unsigned expected = 1;
            for (const auto& entry : pads_) {
                if (entry.first != expected)
                    break;
                ++expected;
            }
            if (expected == 0 || pads_.count(expected) != 0)
                return nullptr;
            id = expected;
        }
    } else if (pads_.count(id) != 0) {
        return nullptr;
    } else if (id >= nextId_) {
        nextId_ = static_cast<unsigned long long>(id) + 1;
    }
    DesktopPad& pad = pads_.try_emplace(id, *this, id, std::move(className), ownView).first->second;
    pad.SetModel(&AddModel(""));
    pad.SetParent(parent);
    Attach(pad, -1);
    return &pad;
}

void Desktop::ReserveIdsUpTo(unsigned highest) {
    if (highest >= nextId_)
        nextId_ = static_cast<unsigned long long>(highest) + 1;
}

Desktop::Extent Desktop::SubtreeExtent(DesktopPad& pad) {
    Extent extent;
    struct Item {
        DesktopPad* pad;
        long long x;
        long long y;
    };
    std::vector<Item> open{{&pad, 0, 0}};
    while (!open.empty()) {
        Item item = open.back();
        open.pop_back();
        extent.left = std::min(extent.left, item.x);
        extent.top = std::min(extent.top, item.y);
        extent.right = std::max(extent.right, item.x);
        extent.bottom = std::max(extent.bottom, item.y);
        for (int i = 0; i < item.pad->ChildCount(); ++i) {
            DesktopPad* child = item.pad->Child(i);
            open.push_back({child, item.x + child->RelX(), item.y + child->RelY()});
        }
    }
    return extent;
}

bool Desktop::PlaceFits(DesktopPad& pad, DesktopPad* parent, long long x, long long y) {
    MwRectangle base = parent != nullptr ? parent->Region() : MwRectangle();
    Extent extent = SubtreeExtent(pad);
    long long left = base.X() + x + extent.left;
    long long top = base.Y() + y + extent.top;
    long long right = base.X() + x + extent.right;
    long long bottom = base.Y() + y + extent.bottom;
    return left >= kPadPositionMin && top >= kPadPositionMin && right <= kPadPositionMax &&
           bottom <= kPadPositionMax;
}

bool Desktop::PlaceFits(DesktopPad* parent, long long x, long long y) {
    MwRectangle base = parent != nullptr ? parent->Region() : MwRectangle();
    long long left = base.X() + x;
    long long top = base.Y() + y;
    return left >= kPadPositionMin && top >= kPadPositionMin && left <= kPadPositionMax &&
           top <= kPadPositionMax;
}

std::pair<int, int> Desktop::FittingPlace(DesktopPad& pad, DesktopPad* parent, long long x,
                                          long long y) {
    MwRectangle base = parent != nullptr ? parent->Region() : MwRectangle();
    Extent extent = SubtreeExtent(pad);
    auto fit = [](long long onDesktop, long long low, long long high) {
        return std::max(kPadPositionMin - low, std::min(onDesktop, kPadPositionMax - high));
    };
    long long left = fit(base.X() + x, extent.left, extent.right) - base.X();
    long long top = fit(base.Y() + y, extent.top, extent.bottom) - base.Y();
    return {static_cast<int>(left), static_cast<int>(top)};
}

void Desktop::AssignModel(DesktopPad& pad, DesktopModel& model) {
    DesktopModel* old = pad.Model();
    pad.SetModel(&model);
    if (old != nullptr && old->Name().empty() && old->Dependents().length() == 0)
        FreeModel(*old);
}

void Desktop::Clear() {
    // Each subtree is reported and unlinked as a destroy of its top pad would do it, from the
    // top pad of the desktop down, so that each leaves the end of the top-level list and of
    // the base view's sub-views; deleted pads, in no list, go after, by ID. The pads and models
    // are freed at the end in one sweep of the map and of the vector, rather than one by one
    // in the order of the tree, which need not be any order in memory.
    size_t retired = 0;
    // The lists of a subtree's pads go while the walk has them in the cache.
    auto retire = [this, &retired](DesktopPad& top) {
        for (DesktopPad* gone : Retire(top)) {
            gone->ReleaseLists();
            ++retired;
        }
    };
    while (!topLevel_.empty())
        retire(*topLevel_.back());
    for (auto entry = pads_.begin(); retired < pads_.size() && entry != pads_.end(); ++entry) {
        if (entry->second.Gone())
            continue;
        DesktopPad* root = &entry->second;
        while (root->Parent() != nullptr)
            root = root->Parent();
        retire(*root);
    }
    pads_.clear();
    models_.clear();
    namedModels_.clear();
    referrers_.clear();
    linked_.clear();
    undo_.Clear();
    nextId_ = 1;
}

DesktopPad* Desktop::AddPad(DesktopPad* parent, std::string_view name, int x, int y, int width,
                            int height, std::string className) {
    if (!PlaceFits(parent, x, y))
        return nullptr;
    DesktopPad* pad = CreatePad(parent, std::move(className));
    if (pad == nullptr)
        return nullptr;
    pad->SetOwnName(codepage::FromUtf8(name, CodePage()));
    pad->SetPlace(x, y);
    pad->SetSize(width, height);
    Notify(ChangeKind::Paste, pad);
    return pad;
}

bool Desktop::MovePad(DesktopPad* pad, int x, int y, bool undoable) {
    if (!IsLive(pad) || pad->isProtected(kProtectPosition) || !PlaceFits(*pad, pad->Parent(), x, y))
        return false;
    if (undoable)
        undo_.Record(kUndoMove, *pad);
    pad->move(x, y, 0);
    return true;
}

bool Desktop::ResizePad(DesktopPad* pad, int width, int height) {
    if (!IsLive(pad) || pad->isProtected(kProtectSize) || width < 0 || height < 0 ||
        width > kPadSizeMax || height > kPadSizeMax)
        return false;
    undo_.Record(kUndoResize, *pad);
    pad->resize(width, height);
    return true;
}

bool Desktop::HidePad(DesktopPad* pad) {
    if (!IsLive(pad))
        return false;
    pad->SetVisible(false);
    Notify(ChangeKind::Hide, pad);
    return true;
}

bool Desktop::ShowPad(DesktopPad* pad) {
    if (!IsLive(pad))
        return false;
    pad->SetVisible(true);
    Notify(ChangeKind::Show, pad);
    return true;
}

bool Desktop::DeletePad(DesktopPad* pad) {
    if (!IsLive(pad) || pad->isProtected(kProtectDelete))
        return false;
    return DeleteHide(*pad);
}

bool Desktop::DestroyPad(DesktopPad* pad) {
    if (!Owns(pad) || pad->isProtected(kProtectDelete))
        return false;
    Destroy(*pad);
    return true;
}

bool Desktop::SelectPad(DesktopPad* pad) {
    if (!IsLive(pad))
        return false;
    pad->select(0);
    return true;
}

bool Desktop::DeselectPad(DesktopPad* pad) {
    if (!IsLive(pad))
        return false;
    pad->deselect();
    return true;
}

bool Desktop::RenamePad(DesktopPad* pad, std::string_view name) {
    if (!IsLive(pad))
        return false;
    pad->SetOwnName(codepage::FromUtf8(name, CodePage()));
    Notify(ChangeKind::Ownname, pad);
    return true;
}

bool Desktop::RepastePad(DesktopPad* pad, DesktopPad* parent, int x, int y) {
    if (!IsLive(pad) || (parent != nullptr && !IsLive(parent)) || !PlaceFits(*pad, parent, x, y))
        return false;
    return Paste(*pad, parent, x, y);
}

bool Desktop::ConnectPad(DesktopPad* pad, std::string_view slotName) {
    if (!IsLive(pad))
        return false;
    return Connect(*pad, slotName);
}

bool Desktop::SetSlotValue(DesktopPad* pad, std::string_view slotName, std::string_view text) {
    if (!IsLive(pad))
        return false;
    DesktopModel* model = pad->Model();
    int index = model->IndexOf(codepage::FromUtf8(slotName, CodePage()));
    DesktopSlot* slot = model->Slot(index);
    if (slot == nullptr)
        return false;
    SlotValue& value = slot->Value();
    switch (value.Type()) {
    case kSlotBoolean: {
        std::optional<bool> parsed = ParseBoolean(text);
        if (!parsed)
            return false;
        value.SetBoolean(*parsed);
        break;
    }
    case kSlotNumber: {
        std::optional<double> parsed = ParseNumber(text);
        if (!parsed)
            return false;
        value.SetNumber(*parsed);
        break;
    }
    case kSlotString:
        value.SetString(codepage::FromUtf8(text, CodePage()));
        break;
    case kSlotObject:
        value.SetObject(std::make_unique<DesktopObject>(codepage::FromUtf8(text, CodePage())));
        break;
    case kSlotDictionary:
    case kSlotCommand:
        return false;
    }
    NotifySlotValue(model, index);
    return true;
}

bool Desktop::SetOutput(DesktopPad* pad, std::string_view slotName) {
    if (!IsLive(pad))
        return false;
    int index = -1;
    if (!slotName.empty()) {
        index = pad->Model()->IndexOf(codepage::FromUtf8(slotName, CodePage()));
        if (index < 0)
            return false;
    }
    pad->SetOutputIndex(index);
    Notify(ChangeKind::Output, pad);
    return true;
}

bool Desktop::GroupPad(DesktopPad* pad) {
    if (!IsLive(pad) || pad->get_groupDepth() >= kPadGroupDepthMax)
        return false;
    pad->SetGroupDepth(pad->get_groupDepth() + 1);
    Notify(ChangeKind::Group, pad);
    return true;
}

bool Desktop::UngroupPad(DesktopPad* pad) {
    if (!IsLive(pad) || pad->get_groupDepth() == 0)
        return false;
    pad->ungroup();
    return true;
}

bool Desktop::SetProtection(DesktopPad* pad, unsigned bits) {
    if (!Owns(pad))
        return false;
    pad->SetProtection(bits);
    return true;
}

bool Desktop::RaisePad(DesktopPad* pad) {
    if (!IsLive(pad))
        return false;
    Detach(*pad);
    Attach(*pad, -1);
    Notify(ChangeKind::Raise, pad);
    return true;
}

bool Desktop::LowerPad(DesktopPad* pad) {
    if (!IsLive(pad))
        return false;
    Detach(*pad);
    Attach(*pad, 0);
    Notify(ChangeKind::Lower, pad);
    return true;
}

bool Desktop::Undo() {
    std::optional<UndoEntry> entry = undo_.Pop();
    if (!entry)
        return false;
    DesktopPad& pad = *entry->pad;
    switch (entry->kind) {
    case kUndoMove:
        pad.move(entry->x, entry->y, 0);
        break;
    case kUndoResize:
        pad.resize(entry->width, entry->height);
        break;
    case kUndoDelete:
        if (!pad.DeleteHidden())
            return false;
        pad.SetDeleteHidden(false);
        pad.SetVisible(entry->visible);
        {
            // Its parent may have moved since.
            auto [x, y] = FittingPlace(pad, pad.Parent(), pad.RelX(), pad.RelY());
            pad.SetPlace(x, y);
        }
        Attach(pad, -1);
        Notify(ChangeKind::Paste, &pad);
        break;
    default:
        return false;
    }
    return true;
}

int Desktop::Insert(DesktopPad* to, DesktopPad* from, int asParent, int x, int y, int width,
                    int height) {
    if (!IsLive(to) || !IsLive(from) || to == from)
        return 0;
    if (asParent == 0) {
        if (IsInside(to, from))
            return 0;
        MwRectangle toRegion = to->Region();
        Paste(*from, to, x - toRegion.X(), y - toRegion.Y());
    } else {
        DesktopPad* parent = to->Parent();
        if (IsInside(parent, from))
            return 0;
        MwRectangle parentRegion = parent ? parent->Region() : MwRectangle();
        Paste(*from, parent, x - parentRegion.X(), y - parentRegion.Y(), to);
    }
    if (from->Width() != width || from->Height() != height)
        from->resize(width, height);
    if (asParent != 0) {
        MwRectangle toRegion = to->Region();
        MwRectangle fromRegion = from->Region();
        Paste(*to, from, toRegion.X() - fromRegion.X(), toRegion.Y() - fromRegion.Y());
    }
    return 1;
}

int Desktop::Replace(DesktopPad* to, DesktopPad* from) {
    if (!IsLive(to) || !IsLive(from) || to == from || IsInside(to, from))
        return 0;
    std::optional<std::string> slot = to->SlotName();
    Paste(*from, to->Parent(), to->RelX(), to->RelY(), to);
    if (from->Width() != to->Width() || from->Height() != to->Height())
        from->resize(to->Width(), to->Height());
    if (slot)
        Connect(*from, *slot);
    std::vector<DesktopPad*> children;
    for (int i = 0; i < to->ChildCount(); ++i)
        children.push_back(to->Child(i));
    for (DesktopPad* child : children) {
        std::optional<std::string> childSlot = child->SlotName();
        Paste(*child, from, child->RelX(), child->RelY());
        if (childSlot && from->Model()->IndexOf(*childSlot) >= 0)
            Connect(*child, *childSlot);
    }
    DeleteHide(*to);
    return 1;
}

DesktopPad* Desktop::FindByPath(std::string_view path) {
    if (!path.empty() && path.front() == '/')
        path.remove_prefix(1);
    if (path.empty())
        return nullptr;
    DesktopPad* found = nullptr;
    const std::vector<DesktopPad*>* level = &topLevel_;
    std::vector<DesktopPad*> children;
    while (true) {
        size_t slash = path.find('/');
        std::string name = codepage::FromUtf8(path.substr(0, slash), CodePage());
        found = nullptr;
        for (DesktopPad* pad : *level) {
            const char* own = pad->get_own_name();
            if (name == (own ? own : "")) {
                found = pad;
                break;
            }
        }
        if (found == nullptr || slash == std::string_view::npos)
            return found;
        path.remove_prefix(slash + 1);
        children.clear();
        for (int i = 0; i < found->ChildCount(); ++i)
            children.push_back(found->Child(i));
        level = &children;
    }
}

DesktopPad* Desktop::FindById(unsigned id) {
    auto it = pads_.find(id);
    return it == pads_.end() || it->second.Gone() ? nullptr : &it->second;
}

std::string Desktop::PathOf(DesktopPad* pad) {
    std::string path;
    for (; pad != nullptr; pad = pad->Parent()) {
        const char* own = pad->get_own_name();
        std::string name = codepage::ToUtf8(own ? own : "", CodePage());
        path = path.empty() ? name : name + "/" + path;
    }
    return path;
}

std::vector<DesktopPad*> Desktop::AllPads() {
    std::vector<DesktopPad*> all;
    for (auto& entry : pads_) {
        if (!entry.second.Gone())
            all.push_back(&entry.second);
    }
    return all;
}

std::vector<DesktopPad*> Desktop::SelectedPads() {
    std::vector<DesktopPad*> selected;
    for (auto& entry : pads_) {
        if (entry.second.Selected() && !entry.second.DeleteHidden() && !entry.second.Gone())
            selected.push_back(&entry.second);
    }
    return selected;
}

bool Desktop::IsLive(const DesktopPad* pad) const {
    return Owns(pad) && !pad->DeleteHidden();
}

void Desktop::Notify(ChangeKind kind, DesktopPad* pad) {
    Report({kind, pad, nullptr, -1});
}

void Desktop::NotifySlotValue(DesktopModel* model, int slotIndex) {
    Report({ChangeKind::SlotValue, nullptr, model, slotIndex});
}

bool Desktop::Paste(DesktopPad& pad, DesktopPad* parent, int x, int y, DesktopPad* before) {
    if (parent != nullptr && (!IsLive(parent) || IsInside(parent, &pad)))
        return false;
    if (pad.DeleteHidden()) {
        pad.SetDeleteHidden(false);
        pad.SetVisible(true);
    } else {
        Detach(pad);
    }
    if (parent != pad.Parent())
        pad.SetConnection(std::nullopt);
    auto [fitX, fitY] = FittingPlace(pad, parent, x, y);
    pad.SetParent(parent);
    pad.SetPlace(fitX, fitY);
    bool besideSibling = before != nullptr && before != &pad && before->Parent() == parent;
    Attach(pad, besideSibling ? SiblingIndex(*before) : -1);
    Notify(ChangeKind::Paste, &pad);
    return true;
}

bool Desktop::DeleteHide(DesktopPad& pad) {
    if (pad.DeleteHidden())
        return false;
    undo_.Record(kUndoDelete, pad);
    Detach(pad);
    pad.SetDeleteHidden(true);
    pad.SetVisible(false);
    pad.SetSelected(false);
    Notify(ChangeKind::Delete, &pad);
    return true;
}

void Desktop::Destroy(DesktopPad& pad) {
    for (DesktopPad* gone : Retire(pad))
        Release(*gone);
}

std::vector<DesktopPad*> Desktop::Retire(DesktopPad& pad) {
    std::vector<DesktopPad*> doomed = Collect(pad);
    // Everyone hears of every pad going while all of them are still intact.
    for (DesktopPad* gone : doomed)
        Notify(ChangeKind::Delete, gone);
    for (DesktopPad* gone : doomed)
        Notify(ChangeKind::Freeing, gone);
    if (!pad.DeleteHidden())
        Detach(pad);
    for (DesktopPad* gone : doomed)
        gone->SetGone();
    for (size_t i = 0; i < doomed.size(); ++i) {
        DesktopPad* gone = doomed[i];
        if (i + 8 < doomed.size())
            Prefetch(doomed[i + 8]->Model());
        DropReferrers(*gone);
        Unindex(*gone);
        // A model other pads use outlives the pad: it no longer lists it.
        DesktopModel* model = gone->Model();
        if (!model->Name().empty() || model->Dependents().length() > 1)
            gone->SetModel(nullptr);
    }
    if (!undo_.Entries().empty())
        undo_.ForgetIf([](const DesktopPad* recorded) { return recorded->Gone(); });
    return doomed;
}

void Desktop::Release(DesktopPad& pad) {
    if (DesktopModel* model = pad.Model()) {
        pad.SetModel(nullptr);
        FreeModel(*model);
    }
    pads_.erase(pad.Id());
}

void Desktop::FreeModel(DesktopModel& model) {
    size_t index = model.StoreIndex();
    if (index + 1 != models_.size()) {
        models_[index] = std::move(models_.back());
        if (models_[index] != nullptr) // a clear may have freed it already
            models_[index]->SetStoreIndex(index);
    }
    models_.pop_back();
}

void Desktop::DropReferrers(const DesktopPad& pad) {
    if (referrers_.empty())
        return;
    auto found = referrers_.find(&pad);
    if (found == referrers_.end())
        return;
    std::unordered_set<unsigned> ids = std::move(found->second);
    referrers_.erase(found);
    // By ID: a referrer that went earlier (while clearing) is looked up, not touched.
    for (unsigned id : ids) {
        DesktopPad* other = FindById(id);
        if (other == nullptr)
            continue;
        if (other->Icon() == &pad)
            other->SetIcon(nullptr);
        if (other->StandsFor() == &pad)
            other->SetStandsFor(nullptr);
    }
}

void Desktop::NoteLinks(DesktopPad& pad) {
    unsigned id = pad.Id();
    std::pair<DesktopPad*, DesktopPad*> now{pad.Icon(), pad.StandsFor()};
    auto linked = linked_.find(&pad);
    std::pair<DesktopPad*, DesktopPad*> was =
        linked != linked_.end() ? linked->second : std::pair<DesktopPad*, DesktopPad*>{};
    if (was != now) {
        IndexReferrer(was.first, id, false);
        IndexReferrer(was.second, id, false);
        IndexReferrer(now.first, id, true);
        IndexReferrer(now.second, id, true);
        if (now.first == nullptr && now.second == nullptr)
            linked_.erase(linked);
        else
            linked_[&pad] = now;
    }
    // A deleted pad keeps its parent until it is pasted again, which clears the flag first.
    if (DesktopPad* parent = pad.Parent()) {
        if (pad.DeleteHidden())
            parent->AddDeletedChild(&pad);
        else
            parent->DropDeletedChild(&pad);
    }
}

void Desktop::Unindex(const DesktopPad& pad) {
    unsigned id = pad.Id();
    // A parent that goes too takes its list of deleted children with it.
    DesktopPad* parent = pad.Parent();
    if (pad.DeleteHidden() && parent != nullptr && !parent->Gone())
        parent->DropDeletedChild(&pad);
    if (linked_.empty())
        return;
    if (auto linked = linked_.find(&pad); linked != linked_.end()) {
        IndexReferrer(linked->second.first, id, false);
        IndexReferrer(linked->second.second, id, false);
        linked_.erase(linked);
    }
}

void Desktop::IndexReferrer(DesktopPad* target, unsigned id, bool add) {
    if (target == nullptr)
        return;
    if (add) {
        referrers_[target].insert(id);
        return;
    }
    EraseFromBucket(referrers_, target, id);
}

bool Desktop::Connect(DesktopPad& pad, std::string_view slotName) {
    if (slotName.empty()) {
        pad.SetConnection(std::nullopt);
    } else {
        DesktopPad* parent = pad.Parent();
        std::string name(slotName);
        if (parent == nullptr || parent->Model()->IndexOf(name) < 0)
            return false;
        pad.SetConnection(std::move(name));
    }
    Notify(ChangeKind::Connect, &pad);
    return true;
}

bool Desktop::Owns(const DesktopPad* pad) const {
    if (pad == nullptr)
        return false;
    auto it = pads_.find(pad->Id());
    return it != pads_.end() && &it->second == pad && !pad->Gone();
}

// The sub-view lists follow the children lists. Adding on top, as building a world does,
// appends one view, and taking a pad away removes its view, instead of listing them all again.
void Desktop::Detach(DesktopPad& pad) {
    if (DesktopPad* parent = pad.Parent()) {
        parent->Children().remove(&pad);
        MvPadView* view = pad.get_real_view();
        if (view != nullptr && parent->View() != nullptr)
            parent->View()->SubViews().Remove(view);
    } else {
        auto at = std::find(topLevel_.rbegin(), topLevel_.rend(), &pad);
        if (at != topLevel_.rend())
            topLevel_.erase(std::next(at).base());
        if (MvPadView* view = pad.get_real_view())
            base_.SubViews().Remove(view);
    }
}

void Desktop::Attach(DesktopPad& pad, int index) {
    MvPadView* view = pad.get_real_view();
    if (DesktopPad* parent = pad.Parent()) {
        MvPadList& children = parent->Children();
        bool onTop = index < 0 || index >= children.length();
        children.insert(onTop ? children.length() : index, &pad);
        if (!onTop)
            parent->SyncSubViews();
        else if (view != nullptr && parent->View() != nullptr)
            parent->View()->SubViews().Append(view);
    } else {
        bool onTop = index < 0 || static_cast<size_t>(index) >= topLevel_.size();
        size_t at = onTop ? topLevel_.size() : static_cast<size_t>(index);
        topLevel_.insert(topLevel_.begin() + static_cast<std::ptrdiff_t>(at), &pad);
        if (!onTop)
            SyncBase();
        else if (view != nullptr)
            base_.SubViews().Append(view);
    }
}

void Desktop::SyncBase() {
    MwViewList& subs = base_.SubViews();
    subs.Clear();
    for (DesktopPad* pad : topLevel_) {
        if (MvPadView* view = pad->get_real_view())
            subs.Append(view);
    }
}

std::vector<DesktopPad*> Desktop::Collect(DesktopPad& pad) const {
    std::vector<DesktopPad*> out;
    std::vector<DesktopPad*> open{&pad};
    while (!open.empty()) {
        DesktopPad* next = open.back();
        open.pop_back();
        out.push_back(next);
        // Deleted children left the children list but still hang on the pad; they come
        // after the live ones, by ID, so they go on the stack first.
        if (const std::vector<DesktopPad*>* deleted = next->DeletedChildren()) {
            std::vector<DesktopPad*> byId(*deleted);
            std::sort(byId.begin(), byId.end(),
                      [](const DesktopPad* a, const DesktopPad* b) { return a->Id() > b->Id(); });
            open.insert(open.end(), byId.begin(), byId.end());
        }
        for (int i = next->ChildCount() - 1; i >= 0; --i) {
            DesktopPad* child = next->Child(i);
            Prefetch(&child->Children());
            open.push_back(child);
        }
    }
    return out;
}

int Desktop::SiblingIndex(DesktopPad& pad) {
    if (DesktopPad* parent = pad.Parent())
        return parent->Children().indexOf(&pad);
    auto it = std::find(topLevel_.begin(), topLevel_.end(), &pad);
    return it == topLevel_.end() ? -1 : static_cast<int>(it - topLevel_.begin());
}

void Desktop::Report(const DesktopChange& change) {
    if (InspectorModule* module = module_) {
        MvSimplePad* pad = change.pad;
        auto call = [pad](void(WINAPI * entry)(MvSimplePad*)) {
            if (entry != nullptr)
                entry(pad);
        };
        switch (change.kind) {
        case ChangeKind::Paste:
            call(module->inspectorChangedPaste);
            break;
        case ChangeKind::Show:
            call(module->inspectorChangedShow);
            break;
        case ChangeKind::Hide:
            call(module->inspectorChangedHide);
            break;
        case ChangeKind::Size:
            call(module->inspectorChangedSize);
            break;
        case ChangeKind::Position:
            call(module->inspectorChangedPosition);
            break;
        case ChangeKind::Connect:
            call(module->inspectorChangedConnect);
            break;
        case ChangeKind::Select:
            call(module->inspectorChangedSelect);
            break;
        case ChangeKind::Delete:
            call(module->inspectorChangedDelete);
            break;
        case ChangeKind::Output:
            call(module->inspectorChangedOutput);
            break;
        case ChangeKind::SlotValue:
            if (module->inspectorChangedSlotValue != nullptr)
                module->inspectorChangedSlotValue(change.model, change.slotIndex);
            break;
        case ChangeKind::Ownname:
            call(module->inspectorChangedOwnname);
            break;
        case ChangeKind::Group:
            call(module->inspectorChangedGroup);
            break;
        case ChangeKind::Raise:
            call(module->inspectorChangedRaise);
            break;
        case ChangeKind::Lower:
            call(module->inspectorChangedLower);
            break;
        case ChangeKind::Freeing:
            break;
        }
    }
    // Observers added meanwhile hear of the next change; removed ones hear nothing more, and
    // are let go once no report runs, since one may be running them.
    ++reporting_;
    size_t count = observers_.size();
    for (size_t i = 0; i < count; ++i) {
        if (observers_[i].first != 0) {
            Observer* observer = observers_[i].second.get();
            (*observer)(change);
        }
    }
    --reporting_;
    PruneObservers();
}
