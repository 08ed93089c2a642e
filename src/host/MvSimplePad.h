#pragma once

class MvPadList;
class MvPadView;
class MvSimpleModel;
class MvSlot;

// Protection bits of get_protection(), isProtected() and isProtected2().
enum : unsigned {
    kProtectPosition = 0x1,
    kProtectSize = 0x2,
    kProtectDelete = 0x10,
    kProtectProperty = 0x40,
    kProtectConfined = 0x400,
    kProtectInsertReplace = 0x10000,
    kProtectTools = 0x20000,
};

// A pad of the framework. The Inspector reads and changes pads only through these
// operations; it never owns one.
class MvSimplePad {
public:
    virtual ~MvSimplePad() = default;

    virtual MvSimplePad* get_parent() = 0;
    virtual MvPadList* get_children() = 0;
    virtual MvSimpleModel* get_model() = 0;
    virtual const char* get_slotname() = 0;
    virtual MvSimplePad* get_datalink_parent() = 0;
    virtual MvPadList* get_datalink_children(const char* slotName) = 0;
    virtual MvPadView* get_view() = 0;
    // Null for a pad without a view of its own, shown on get_horizon_pad().
    virtual MvPadView* get_real_view() = 0;
    virtual MvSimplePad* get_horizon_pad() = 0;
    virtual MvSimplePad* get_icon() = 0;

    // Texts are in the active code page; all but the class name may be null.
    virtual const char* get_own_name() = 0;
    virtual const char* get_pad_name() = 0;
    virtual const char* get_class_name() = 0;
    virtual const char* get_pad_memo() = 0;

    virtual unsigned GetCreatePadID() = 0;
    virtual int get_groupDepth() = 0;
    virtual MvSlot* get_output() = 0;

    virtual unsigned get_protection() = 0;
    virtual int isProtected(unsigned mask) = 0;
    virtual int isProtected2(unsigned mask) = 0;

    virtual int isSelected() = 0;
    virtual void select(int mode) = 0;
    virtual void deselect() = 0;

    virtual void delete_hide() = 0;
    virtual int isDeleteHide() = 0;
    virtual void destroy() = 0;
    virtual void ungroup() = 0;

    // Parent-relative pixels.
    virtual void move(int x, int y, int flags) = 0;
    virtual void resize(int width, int height) = 0;
    // Null parent: the desktop.
    virtual void paste(MvSimplePad* parent, int x, int y) = 0;
    virtual void connect(MvSimplePad* parent, const char* slotName) = 0;
};

// An icon pad, or a dynamically loaded pad, standing for another pad.
class MvIconPad : public MvSimplePad {
public:
    virtual MvSimplePad* get_pad() = 0;
};
