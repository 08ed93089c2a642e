#pragma once

#include "DesktopBaseView.h"
#include "DesktopChange.h"
#include "DesktopPad.h"
#include "UndoLog.h"
#include "host/MvDeskTop.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

class DesktopModel;
struct InspectorModule;

// The reference desktop: it owns every pad and model, keeps the pads on the desktop in z
// order, and reports each change to the Inspector module right after making it.
//
// Two layers change pads. The pads' own framework operations (move, paste, delete_hide, ...)
// do exactly what they are asked and notify. The user operations below (MovePad, DeletePad,
// ...) are what a person at the desktop does: they refuse a pad that is deleted, not of this
// desktop, or protected against the change (0x1 move, 0x2 resize, 0x10 delete and destroy),
// record undo information, and return false when refused, in which case nothing is sent.
// Text arguments of user operations are UTF-8; pads hold their texts in the active code page.
class Desktop : public MvDeskTop, public MvPadManager {
public:
    using Observer = std::function<void(const DesktopChange&)>;

    Desktop();
    // Frees the world without notifying anybody: close the Inspectors first.
    ~Desktop() override;
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    // Null: changes are not reported to any module.
    void SetModule(InspectorModule* module) { module_ = module; }
    InspectorModule* Module() const { return module_; }
    // Observers see each change after the module did; the handle removes the observer.
    int AddObserver(Observer observer);
    void RemoveObserver(int handle);

    MvPadManager* get_padmanager() override { return this; }
    UndoBuffer* getUndoBuffer() override { return &undo_; }
    UndoLog& Undos() { return undo_; }
    DesktopBaseView& BaseView() { return base_; }
    int CodePage() const;

    // Building a world; nothing is reported.
    DesktopModel& AddModel(std::string name);
    // Named models only; a pad's private model has no name.
    DesktopModel* FindModel(const std::string& name);
    // The named models in the order they were added.
    const std::vector<DesktopModel*>& NamedModels() const { return namedModels_; }
    // A new pad with a private empty model, last among parent's children (on top of the
    // desktop for a null parent). Id 0 takes the next free id (the lowest free one once the
    // highest is taken); a taken id, or none left, gives null.
    DesktopPad* CreatePad(DesktopPad* parent, std::string className, bool ownView = true,
                          unsigned id = 0);
    // Ids up to `highest` are left for CreatePad calls that name them.
    void ReserveIdsUpTo(unsigned highest);
    // Whether the pad, with everything on it, lies within the desktop's positions
    // (PadLimits.h) when placed at (x, y) relative to `parent` (null: the desktop); the
    // second form asks for a new pad. User operations refuse a place that does not fit.
    bool PlaceFits(DesktopPad& pad, DesktopPad* parent, long long x, long long y);
    bool PlaceFits(DesktopPad* parent, long long x, long long y);
    // The place nearest to (x, y) that fits: the pads' own operations cannot refuse.
    std::pair<int, int> FittingPlace(DesktopPad& pad, DesktopPad* parent, long long x, long long y);
    // Replaces the pad's model; a private model nobody uses any more is freed.
    void AssignModel(DesktopPad& pad, DesktopModel& model);
    // Reports a pad created with CreatePad as pasted.
    void Announce(DesktopPad& pad) { Notify(ChangeKind::Paste, &pad); }
    // Destroys every pad (reporting each) and forgets every model.
    void Clear();

    // Null when the place does not fit (PlaceFits); sizes are brought within the limits.
    DesktopPad* AddPad(DesktopPad* parent, std::string_view name, int x, int y, int width,
                       int height, std::string className = "MvPad");
    // Parent-relative place. A drag's later steps are not `undoable` on their own: one undo
    // takes the pad back to where the drag began.
    bool MovePad(DesktopPad* pad, int x, int y, bool undoable = true);
    bool ResizePad(DesktopPad* pad, int width, int height);
    bool HidePad(DesktopPad* pad);
    bool ShowPad(DesktopPad* pad);
    // Undoable: the pad leaves the hierarchy but stays in memory until destroyed.
    bool DeletePad(DesktopPad* pad);
    // At once: the pad and its subtree are reported deleted, then freed.
    bool DestroyPad(DesktopPad* pad);
    bool SelectPad(DesktopPad* pad);
    bool DeselectPad(DesktopPad* pad);
    bool RenamePad(DesktopPad* pad, std::string_view name);
    // Null parent: the desktop. The place is relative to the new parent.
    bool RepastePad(DesktopPad* pad, DesktopPad* parent, int x, int y);
    // Connects the pad to a slot of its parent's model; an empty name disconnects.
    bool ConnectPad(DesktopPad* pad, std::string_view slotName);
    // Booleans take true/false/1/0, numbers a decimal, strings and objects any text;
    // dictionary and command slots cannot be set from text.
    bool SetSlotValue(DesktopPad* pad, std::string_view slotName, std::string_view text);
    // An empty name leaves the pad without an output slot.
    bool SetOutput(DesktopPad* pad, std::string_view slotName);
    bool GroupPad(DesktopPad* pad);
    bool UngroupPad(DesktopPad* pad);
    // Not reported: the module has no notification for it.
    bool SetProtection(DesktopPad* pad, unsigned bits);
    // Top and bottom of the pad's siblings (of the desktop's pads for a pad on the desktop).
    bool RaisePad(DesktopPad* pad);
    bool LowerPad(DesktopPad* pad);
    // Reverts the newest undo record: a move, a resize or a delete.
    bool Undo();

    // Re-pastes `from` under `to` (asParent 0) or between `to` and its parent (asParent 1),
    // with `from` at the given desktop position and size. Between: `from` takes `to`'s place
    // among its siblings and `to` keeps its place on the screen. 0 when it would make a loop.
    int Insert(DesktopPad* to, DesktopPad* from, int asParent, int x, int y, int width, int height);
    // `from` takes `to`'s parent, place among siblings, position, size and connection; `to`'s
    // children move onto `from` keeping their places (and their connections where `from`'s
    // model has the slot); then `to` is deleted undoably. 0 when `to` lies inside `from`.
    int Replace(DesktopPad* to, DesktopPad* from);

    // Own names from the desktop down, joined by '/', e.g. "Stage/Panel/OK"; the first
    // match in z order and children order wins.
    DesktopPad* FindByPath(std::string_view path);
    DesktopPad* FindById(unsigned id);
    std::string PathOf(DesktopPad* pad);
    // Pads on the desktop, bottom first.
    const std::vector<DesktopPad*>& TopLevelPads() const { return topLevel_; }
    // Every pad in memory, deleted ones included, by id.
    std::vector<DesktopPad*> AllPads();
    std::vector<DesktopPad*> SelectedPads();
    // The pad is in memory, belongs to this desktop and is not deleted.
    bool IsLive(const DesktopPad* pad) const;

    // The pads' framework operations land here.
    void Notify(ChangeKind kind, DesktopPad* pad);
    void NotifySlotValue(DesktopModel* model, int slotIndex);
    // `before`, a child of `parent`, names the place among the siblings; null: the end.
    bool Paste(DesktopPad& pad, DesktopPad* parent, int x, int y, DesktopPad* before = nullptr);
    bool DeleteHide(DesktopPad& pad);
    void Destroy(DesktopPad& pad);
    // The pad's icon, the pad it stands for or its deleted state changed.
    void NoteLinks(DesktopPad& pad);
    bool Connect(DesktopPad& pad, std::string_view slotName);

private:
    // Where the pads of a subtree lie on the desktop, as offsets from the subtree's top pad.
    struct Extent {
        long long left = 0;
        long long top = 0;
        long long right = 0;
        long long bottom = 0;
    };
    bool Owns(const DesktopPad* pad) const;
    void Detach(DesktopPad& pad);
    void Attach(DesktopPad& pad, int index);
    void SyncBase();
    static Extent SubtreeExtent(DesktopPad& pad);
    // Reports the pad and everything on it deleted and freed, then takes them out of every
    // list, link and undo record and marks them gone; their memory stays until Release.
    std::vector<DesktopPad*> Retire(DesktopPad& pad);
    // Frees a gone pad, and its private model when no other pad uses it.
    void Release(DesktopPad& pad);
    void FreeModel(DesktopModel& model);
    // The pad and everything on it, deleted pads included, in pre-order.
    std::vector<DesktopPad*> Collect(DesktopPad& pad) const;
    // Other pads lose a gone pad as their icon or as the pad they stand for.
    void DropReferrers(const DesktopPad& pad);
    void IndexReferrer(DesktopPad* target, unsigned id, bool add);
    // A gone pad leaves the indexes of links and deleted children.
    void Unindex(const DesktopPad& pad);
    // Place of the pad among its siblings, or -1.
    int SiblingIndex(DesktopPad& pad);
    void Report(const DesktopChange& change);
    void PruneObservers();

    InspectorModule* module_ = nullptr;
    // By handle; a removed observer's handle is 0 until no report runs.
    std::vector<std::pair<int, std::unique_ptr<Observer>>> observers_;
    int reporting_ = 0;
    int nextObserver_ = 1;
    DesktopBaseView base_;
    UndoLog undo_;
    // Every model, each knowing its index, and the shared ones in the order they were added.
    std::vector<std::unique_ptr<DesktopModel>> models_;
    std::vector<DesktopModel*> namedModels_;
    // What a destroy looks at beyond the subtree, kept as it changes so that it costs what it
    // destroys (the deleted children of each pad, kept for undo and in no children list, hang
    // on the pad itself): the IDs of the pads whose icon or stood-for pad each pad is, and for
    // each pad with such links the two pads it is indexed under.
    std::unordered_map<const DesktopPad*, std::unordered_set<unsigned>> referrers_;
    std::unordered_map<const DesktopPad*, std::pair<DesktopPad*, DesktopPad*>> linked_;
    // Every pad in memory by ID, held in the map's own nodes.
    std::map<unsigned, DesktopPad> pads_;
    std::vector<DesktopPad*> topLevel_;
    // One past the highest ID given; above 0xFFFFFFFF once that ID is taken.
    unsigned long long nextId_ = 1;
};
