#pragma once

#include "DesktopPadView.h"
#include "host/MvPadList.h"
#include "host/MvSimplePad.h"
#include "host/MwRectangle.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class Desktop;
class DesktopModel;

// The one concrete pad class of the desktop. Every pad can be treated as an MvIconPad: an
// icon pad or a dynamically loaded pad names the pad it stands for through get_pad(), any
// other pad answers null.
//
// Positions are kept relative to the parent, so a move carries the whole subtree along.
// Texts are in the active code page. The framework operations (move, paste, destroy, ...)
// change the pad through its desktop, which reports every change to the Inspector module.
class DesktopPad : public MvIconPad {
public:
    DesktopPad(Desktop& owner, unsigned id, std::string className, bool ownView);
    ~DesktopPad() override;
    DesktopPad(const DesktopPad&) = delete;
    DesktopPad& operator=(const DesktopPad&) = delete;

    MvSimplePad* get_parent() override { return parent_; }
    MvPadList* get_children() override { return &children_; }
    MvSimpleModel* get_model() override;
    const char* get_slotname() override;
    MvSimplePad* get_datalink_parent() override;
    MvPadList* get_datalink_children(const char* slotName) override;
    MvPadView* get_view() override;
    MvPadView* get_real_view() override;
    MvSimplePad* get_horizon_pad() override { return HorizonPad(); }
    MvSimplePad* get_icon() override { return icon_; }
    MvSimplePad* get_pad() override { return standsFor_; }

    const char* get_own_name() override { return ownName_ ? ownName_->c_str() : nullptr; }
    const char* get_pad_name() override { return padName_ ? padName_->c_str() : nullptr; }
    const char* get_class_name() override { return className_.c_str(); }
    const char* get_pad_memo() override { return memo_ ? memo_->c_str() : nullptr; }

    unsigned GetCreatePadID() override { return id_; }
    int get_groupDepth() override { return groupDepth_; }
    MvSlot* get_output() override;

    unsigned get_protection() override { return protection_; }
    int isProtected(unsigned mask) override { return static_cast<int>(protection_ & mask); }
    int isProtected2(unsigned mask) override { return (protection_ & mask) != 0 ? 1 : 0; }

    int isSelected() override { return selected_ ? 1 : 0; }
    void select(int mode) override;
    void deselect() override;

    void delete_hide() override;
    int isDeleteHide() override { return deleteHidden_ ? 1 : 0; }
    // Frees this pad: nothing may touch it after the call.
    void destroy() override;
    void ungroup() override;

    void move(int x, int y, int flags) override;
    void resize(int width, int height) override;
    void paste(MvSimplePad* parent, int x, int y) override;
    // Connects to a slot of the pad's own parent; a null or empty slot name disconnects.
    void connect(MvSimplePad* parent, const char* slotName) override;

    Desktop& Owner() { return owner_; }
    unsigned Id() const { return id_; }
    DesktopPad* Parent() const { return parent_; }
    int ChildCount() const { return children_.length(); }
    DesktopPad* Child(int index) const;
    MvPadList& Children() { return children_; }
    // The deleted children kept for undo: they hang on this pad but are in no children list.
    // Null when there are none.
    const std::vector<DesktopPad*>* DeletedChildren() const { return deletedChildren_.get(); }
    DesktopPadView* View() { return view_ ? &*view_ : nullptr; }
    DesktopModel* Model() const { return model_; }
    DesktopPad* Icon() const { return icon_; }
    DesktopPad* StandsFor() const { return standsFor_; }
    DesktopPad* HorizonPad();
    bool HasOwnView() const { return view_.has_value(); }

    // Desktop coordinates of the pad, and its place relative to its parent. The desktop
    // coordinates are kept with every change of a place or a parent, for the whole subtree,
    // so that reading them costs the same at any depth.
    MwRectangle Region() const { return MwRectangle(x_, y_, width_, height_); }
    int RelX() const { return relX_; }
    int RelY() const { return relY_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // The pad's own flag: a pad under a hidden parent may still count as visible.
    bool IsVisible() const { return visible_ && !deleteHidden_; }
    bool Visible() const { return visible_; }
    bool Selected() const { return selected_; }
    bool DeleteHidden() const { return deleteHidden_; }
    // Destroyed: reported deleted and freed, in no list, its memory not yet released.
    bool Gone() const { return gone_; }
    int OutputIndex() const { return outputIndex_; }
    const std::optional<std::string>& SlotName() const { return slotName_; }
    bool RefusesConnector() const { return refusesConnector_; }

    // Plain setters for building a world and for the desktop's own operations; they notify
    // nobody.
    void SetOwnName(std::optional<std::string> name) { ownName_ = std::move(name); }
    void SetPadName(std::optional<std::string> name) { padName_ = std::move(name); }
    // Line ends are stored as LF.
    void SetMemo(std::optional<std::string> memo);
    void SetPlace(int x, int y);
    void SetSize(int width, int height);
    void SetVisible(bool visible) { visible_ = visible; }
    void SetSelected(bool selected) { selected_ = selected; }
    void SetDeleteHidden(bool deleteHidden);
    // For the desktop's own bookkeeping of deleted children; Drop does nothing for a pad that
    // is not listed.
    void AddDeletedChild(DesktopPad* child);
    void DropDeletedChild(const DesktopPad* child);
    void SetGone() { gone_ = true; }
    // Lets go of the memory of its children and sub-view lists; for a gone pad.
    void ReleaseLists();
    void SetProtection(unsigned bits) { protection_ = bits; }
    // Sizes and group depths outside the framework's limits (PadLimits.h) are brought inside.
    void SetGroupDepth(int depth);
    void SetModel(DesktopModel* model);
    // -1 for no output slot.
    void SetOutputIndex(int index) { outputIndex_ = index; }
    void SetIcon(DesktopPad* icon);
    void SetStandsFor(DesktopPad* pad);
    void SetRefusesConnector(bool refuses) { refusesConnector_ = refuses; }
    void SetParent(DesktopPad* parent);
    // Sets or clears the connection to a slot of the parent without checking the slot.
    void SetConnection(std::optional<std::string> slotName);
    // Rebuilds the view's sub-view list from the children list.
    void SyncSubViews();

private:
    // Desktop coordinates of this pad and of every pad on it, from the parent's.
    void PlaceSubtree();

    // What the table reads of every pad comes first, so that a pad costs few cache lines.
    Desktop& owner_;
    unsigned id_;
    unsigned protection_ = 0;
    int relX_ = 0;
    int relY_ = 0;
    int x_ = 0;
    int y_ = 0;
    int width_ = 0;
    int height_ = 0;
    int groupDepth_ = 0;
    int outputIndex_ = -1;
    bool visible_ = true;
    bool selected_ = false;
    bool deleteHidden_ = false;
    bool refusesConnector_ = false;
    bool gone_ = false;
    DesktopPad* parent_ = nullptr;
    DesktopPad* icon_ = nullptr;
    DesktopPad* standsFor_ = nullptr;
    DesktopModel* model_ = nullptr;
    // Inside the pad, so that reading a pad's region costs no further cache line.
    std::optional<DesktopPadView> view_;
    MvPadList children_;
    MvPadList datalinkChildren_;
    // In the order they were deleted; most pads never have one.
    std::unique_ptr<std::vector<DesktopPad*>> deletedChildren_;
    std::optional<std::string> ownName_;
    std::optional<std::string> padName_;
    std::string className_;
    std::optional<std::string> slotName_;
    std::optional<std::string> memo_;
};
