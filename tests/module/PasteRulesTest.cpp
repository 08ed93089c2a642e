#include "dialogs/PasteRules.h"
#include "Desktop.h"
#include "DesktopPad.h"
#include "RecordingHost.h"
#include "dialogs/AreaFit.h"
#include "dialogs/InsertReplaceRules.h"
#include "dialogs/PasteQuestions.h"
#include "listview/InspectorRow.h"
#include "platform/NativeBackend.h"
#include "service/ModuleEntry.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <memory>
#include <vector>

namespace {

using Kind = PasteKind;
using Pos = PositionChoice;
using Size = SizeChoice;

// Records the framework's paste calls and carries them out on the desktop.
class PasteHost : public RecordingHost {
public:
    explicit PasteHost(Desktop& desktop) : RecordingHost(&desktop.BaseView()), desktop_(desktop) {}
    int ToolHelpInsert(MvSimplePad* to, MvSimplePad* from, int asParent, int x, int y, int width,
                       int height) override {
        calls.push_back("insert");
        return desktop_.Insert(static_cast<DesktopPad*>(to), static_cast<DesktopPad*>(from),
                               asParent, x, y, width, height);
    }
    int ToolHelpReplace(MvSimplePad* to, MvSimplePad* from, void*, int) override {
        calls.push_back("replace");
        return desktop_.Replace(static_cast<DesktopPad*>(to), static_cast<DesktopPad*>(from));
    }

private:
    Desktop& desktop_;
};

PasteRequest Paste(MvSimplePad* from, MvSimplePad* to, Kind kind, Pos position = Pos::NotMove,
                   Size size = Size::NotResize, PadRect typed = {}) {
    return {from, to, kind, position, size, typed, {}, 0};
}

class ScriptedQuestions : public PasteQuestions {
public:
    bool Confirm(unsigned messageId) override {
        shown.push_back(messageId);
        return answer;
    }
    void Inform(unsigned messageId) override { shown.push_back(messageId); }

    bool answer = true;
    std::vector<unsigned> shown;
};

class PasteRulesTest : public ::testing::Test {
protected:
    void SetUp() override {
        native::Reset();
        inspModuleAttach();
        parent = desktop.AddPad(nullptr, "Parent", 100, 50, 400, 300);
        to = desktop.AddPad(parent, "To", 20, 30, 80, 60); // (120, 80, 80, 60) on the desktop
        from = desktop.AddPad(nullptr, "From", 7, 9, 33, 44);
    }

    PasteRequest Request(Kind kind, Pos position, Size size, PadRect typed = {-5, 6, 70, 90}) {
        return Paste(from, to, kind, position, size, typed);
    }

    Desktop desktop;
    PasteHost host{desktop};
    ScriptedQuestions questions;
    DesktopPad* parent = nullptr;
    DesktopPad* to = nullptr;
    DesktopPad* from = nullptr;
};

TEST_F(PasteRulesTest, GeometryOfEachChoiceUnderEachKind) {
    const PadRect ownRegion{7, 9, 33, 44}, toRegion{120, 80, 80, 60};
    const PadRect parentRegion{100, 50, 400, 300}, typed{-5, 6, 70, 90};
    struct Case {
        Kind kind;
        Pos position; // each position choice goes with the size choice of the same name
        Size size;
        PadRect expected;
    };
    const Case cases[] = {
        {Kind::InsertAsParent, Pos::NotMove, Size::NotResize, ownRegion},
        {Kind::InsertAsParent, Pos::ParentPosition, Size::ParentSize, parentRegion},
        {Kind::InsertAsParent, Pos::ChildPosition, Size::ChildSize, toRegion},
        {Kind::InsertAsParent, Pos::MoveTo, Size::ResizeTo, typed},
        {Kind::InsertAsChild, Pos::NotMove, Size::NotResize, ownRegion},
        {Kind::InsertAsChild, Pos::ParentPosition, Size::ParentSize, toRegion},
        {Kind::InsertAsChild, Pos::ChildPosition, Size::ChildSize, {0, 0, 0, 0}},
        {Kind::InsertAsChild, Pos::MoveTo, Size::ResizeTo, typed},
        {Kind::Replace, Pos::NotMove, Size::NotResize, ownRegion},
        {Kind::Replace, Pos::ParentPosition, Size::ParentSize, toRegion},
        {Kind::Replace, Pos::ChildPosition, Size::ChildSize, {0, 0, 0, 0}},
        {Kind::Replace, Pos::MoveTo, Size::ResizeTo, typed},
    };
    for (const Case& c : cases) {
        PasteRequest request = Request(c.kind, c.position, c.size);
        ComputePasteGeometry(request);
        EXPECT_EQ(request.result, c.expected) << int(c.kind) << "/" << int(c.position);
        EXPECT_EQ(request.asParent, c.kind == Kind::InsertAsParent ? 1 : 0);
    }

    to = desktop.AddPad(nullptr, "OnDesktop", 30, 40, 50, 60);
    PasteRequest request = Request(Kind::InsertAsParent, Pos::ParentPosition, Size::ParentSize);
    ComputePasteGeometry(request);
    EXPECT_EQ(request.result, (PadRect{0, 0, 1, 1}));
}

TEST_F(PasteRulesTest, AreaFitChoosesItsAreaByConfinementOwnerAndBounds) {
    DesktopPad* owner = desktop.AddPad(nullptr, "Owner", 0, 0, 100, 100);
    DesktopPad* pad = desktop.AddPad(nullptr, "Pad", 0, 0, 100, 100);
    enum Owner { None, Other, Same };
    struct Case {
        Owner owner;
        bool confined;
        bool bounds;
        int fittedX; // 150 unchanged, 90 into the owner's region, 40 into the bounds
    };
    const Case cases[] = {
        {Other, false, false, 150}, {Other, false, true, 90}, {Other, true, false, 90},
        {Other, true, true, 90},    {None, true, false, 150}, {None, true, true, 40},
        {None, false, true, 40},    {Same, false, true, 150}, {Same, true, true, 40},
        {Same, true, false, 90},
    };
    for (const Case& c : cases) {
        pad->SetProtection(c.confined ? kProtectConfined : 0u);
        MvSimplePad* ownerPad = c.owner == None ? nullptr : c.owner == Same ? pad : owner;
        std::optional<PadRect> bounds;
        if (c.bounds)
            bounds = PadRect{0, 0, 50, 50};
        PadRect rect{150, 0, 10, 10};
        EXPECT_EQ(AreaFit(ownerPad, pad, rect, bounds), c.fittedX == 150 ? 0 : 1);
        EXPECT_EQ(rect.x, c.fittedX) << c.owner << c.confined << c.bounds;
    }
}

TEST_F(PasteRulesTest, AreaFitComparesLeftEdgesSignedAndFarEdgesAsWrappingUnsignedSums) {
    from->SetProtection(kProtectConfined);
    const PadRect area{0, 0, 100, 100};
    struct Case {
        PadRect area;
        PadRect rect;
        int changed;
        PadRect expected;
    };
    const Case cases[] = {
        {area, {0, 0, 100, 100}, 0, {0, 0, 100, 100}},
        {area, {10, 10, 500, 20}, 1, {0, 10, 100, 20}},
        {area, {INT_MIN, -1, 10, 10}, 1, {0, 0, 10, 10}},
        {area, {INT_MAX, 0, 10, 10}, 1, {90, 0, 10, 10}},
        {area, {0, 0, UINT32_MAX, 10}, 1, {0, 0, 100, 10}},
        {area, {10, 0, UINT32_MAX, 10}, 0, {10, 0, UINT32_MAX, 10}},
        {{-1, -1, 1, 1}, {-1, -1, 1, 1}, 0, {-1, -1, 1, 1}},
        {{INT_MAX - 9, 0, 10, 10}, {INT_MAX - 9, 0, 10, 10}, 0, {INT_MAX - 9, 0, 10, 10}},
        {{INT_MAX - 9, 0, 10, 10}, {INT_MAX - 9, 0, 11, 10}, 1, {INT_MAX - 9, 0, 10, 10}},
        {{INT_MIN, 0, 10, 10}, {INT_MIN + 5, 0, 10, 10}, 1, {INT_MIN, 0, 10, 10}},
        {{-200, 0, 100, 100}, {-150, 10, 200, 10}, 0, {-150, 10, 200, 10}},
    };
    for (const Case& c : cases) {
        PadRect rect = c.rect;
        EXPECT_EQ(AreaFit(nullptr, from, rect, c.area), c.changed)
            << c.rect.x << "," << c.rect.width;
        EXPECT_EQ(rect, c.expected) << c.rect.x << "," << c.rect.width;
    }
}

TEST_F(PasteRulesTest, ConfirmingAsksOnlyForConfinedPadsAndHonoursTheAnswer) {
    const PadRect far{1000, 1000, 10, 10}, right{1000, 90, 10, 10};
    const PadRect small{0, 0, 10, 10}, wide{90, 40, 500, 500};
    struct Case {
        Kind kind;
        bool fromConfined, toConfined, answer;
        PadRect typed;
        unsigned shown; // 0: no question
        bool confirmed;
        PadRect result;
    };
    const Case cases[] = {
        {Kind::InsertAsChild, false, false, true, far, 0, true, far},
        {Kind::InsertAsParent, false, false, true, wide, 0, true, wide},
        {Kind::InsertAsChild, true, false, true, right, 32665, true, {190, 90, 10, 10}},
        {Kind::InsertAsChild, true, false, false, far, 32665, false, far},
        {Kind::InsertAsParent, false, true, true, small, 32664, true, {120, 80, 80, 60}},
        {Kind::InsertAsParent, true, true, false, small, 32664, false, small},
        {Kind::InsertAsParent, true, true, true, wide, 32663, true, {100, 50, 400, 300}},
        {Kind::Replace, true, true, true, far, 0, true, far},
    };
    for (const Case& c : cases) {
        from->SetProtection(c.fromConfined ? kProtectConfined : 0u);
        to->SetProtection(c.toConfined ? kProtectConfined : 0u);
        questions = ScriptedQuestions();
        questions.answer = c.answer;
        PasteRequest request = Request(c.kind, Pos::MoveTo, Size::ResizeTo, c.typed);
        EXPECT_EQ(ConfirmPasteGeometry(request, questions), c.confirmed);
        EXPECT_EQ(questions.shown,
                  c.shown ? std::vector<unsigned>{c.shown} : std::vector<unsigned>{});
        EXPECT_EQ(request.result, c.result) << int(c.kind) << c.fromConfined << c.toConfined;
    }
}

TEST_F(PasteRulesTest, LoopTestFollowsParentsIconsAndStandIns) {
    DesktopPad* mid = desktop.AddPad(to, "Mid", 0, 0, 20, 20);
    DesktopPad* leaf = desktop.AddPad(mid, "Leaf", 0, 0, 10, 10);
    // `iconified` lies on the desktop; its icon lies on `mid`.
    DesktopPad* iconified = desktop.AddPad(nullptr, "Iconified", 0, 0, 10, 10);
    DesktopPad* icon = desktop.AddPad(mid, "Icon", 0, 0, 8, 8, "MvIconPad");
    icon->SetStandsFor(iconified);
    iconified->SetIcon(icon);
    DesktopPad* standIn = desktop.AddPad(nullptr, "StandIn", 0, 0, 8, 8, "MvIconPad");
    standIn->SetStandsFor(to);
    DesktopPad* emptyStandIn = desktop.AddPad(nullptr, "Empty", 0, 0, 8, 8, "MvDynamicLoadPad");
    // An icon inside the pad it stands for leads the walk back to that pad.
    DesktopPad* circular = desktop.AddPad(nullptr, "Circular", 0, 0, 50, 50);
    DesktopPad* inner = desktop.AddPad(circular, "Inner", 0, 0, 20, 20);
    circular->SetIcon(desktop.AddPad(inner, "Icon", 0, 0, 8, 8, "MvIconPad"));

    struct Case {
        MvSimplePad* a;
        MvSimplePad* b;
        bool viaIcon;
        bool loop;
    };
    const Case cases[] = {
        {to, leaf, false, true},
        {leaf, to, false, false},
        {mid, leaf, true, false},
        {parent, iconified, false, true},
        {mid, iconified, true, true},
        {standIn, leaf, false, true},
        {emptyStandIn, leaf, false, false},
        {from, circular, false, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PasteCreatesLoop(c.a, c.b, c.viaIcon), c.loop)
            << (c.a ? c.a->get_own_name() : "null") << " / " << (c.b ? c.b->get_own_name() : "null")
            << " " << c.viaIcon;
}

TEST_F(PasteRulesTest, ExecuteRefusesEveryPasteThatWouldMakeALoop) {
    DesktopPad* inner = desktop.AddPad(to, "Inner", 0, 0, 10, 10);
    // An iconified From pad still contains its own descendants.
    parent->SetIcon(desktop.AddPad(nullptr, "ParentIcon", 0, 0, 8, 8, "MvIconPad"));
    struct Case {
        Kind kind;
        DesktopPad* from;
        DesktopPad* to;
    };
    const Case cases[] = {
        {Kind::InsertAsChild, to, inner},      {Kind::InsertAsParent, inner, to},
        {Kind::InsertAsParent, parent, inner}, {Kind::Replace, parent, inner},
        {Kind::InsertAsChild, parent, inner},  {Kind::Replace, to, to},
    };
    for (const Case& c : cases) {
        questions = ScriptedQuestions();
        EXPECT_EQ(ExecutePaste(Paste(c.from, c.to, c.kind), nullptr, questions), 0);
        EXPECT_EQ(questions.shown, std::vector<unsigned>{32667}) << c.from->get_own_name();
    }
    EXPECT_TRUE(host.calls.empty());
    EXPECT_EQ(inner->Parent(), to);
    EXPECT_EQ(to->Parent(), parent);
}

TEST_F(PasteRulesTest, ExecuteInsertsAndReportsOnlyARemovedRootPad) {
    InspectorRow rootRow;
    rootRow.pad = parent;
    DesktopPad* other = desktop.AddPad(nullptr, "Other", 0, 0, 10, 10);
    PasteRequest child =
        Request(Kind::InsertAsChild, Pos::MoveTo, Size::ResizeTo, {130, 90, 20, 10});
    PasteRequest between =
        Paste(other, to, Kind::InsertAsParent, Pos::ChildPosition, Size::ChildSize);
    for (PasteRequest* request : {&child, &between}) {
        ComputePasteGeometry(*request);
        EXPECT_EQ(ExecutePaste(*request, &rootRow, questions), 0);
    }
    EXPECT_EQ(from->Parent(), to);
    EXPECT_EQ(PadRegion(from), (PadRect{130, 90, 20, 10}));
    EXPECT_EQ(to->Parent(), other);
    EXPECT_EQ(other->Parent(), parent);

    DesktopPad* successor = desktop.AddPad(nullptr, "Successor", 0, 0, 10, 10);
    EXPECT_EQ(ExecutePaste(Paste(to, other, Kind::Replace), &rootRow, questions), 0);
    // The framework refuses to replace a pad already removed: the root is not lost.
    rootRow.pad = other;
    EXPECT_EQ(ExecutePaste(Paste(successor, other, Kind::Replace), &rootRow, questions), 0);
    rootRow.pad = parent;
    EXPECT_EQ(ExecutePaste(Paste(successor, parent, Kind::Replace), &rootRow, questions), 1);
    EXPECT_EQ(to->Parent(), successor);
    EXPECT_TRUE(questions.shown.empty());
    EXPECT_EQ(host.calls,
              (std::vector<std::string>{"insert", "insert", "replace", "replace", "replace"}));
}

TEST_F(PasteRulesTest, EligibleRowsAndThePadsOfASelectionOrADrop) {
    auto row = [](MvSimplePad* pad, int gone = 0, int isDesktop = 0) {
        auto r = std::make_unique<InspectorRow>();
        r->pad = pad;
        r->gone = gone;
        r->isDesktop = isDesktop;
        return r;
    };
    DesktopPad* locked = desktop.AddPad(nullptr, "Locked", 0, 0, 10, 10);
    locked->SetProtection(kProtectInsertReplace);
    EXPECT_TRUE(IsPasteEligible(row(from).get()));
    for (bool eligible :
         {IsPasteEligible(row(from, 1).get()), IsPasteEligible(row(nullptr, 0, 1).get()),
          IsPasteEligible(row(nullptr).get()), IsPasteEligible(row(locked).get())})
        EXPECT_FALSE(eligible);
    for (const char* name : {"MvIconPad", "MvAnchorPad", "MvSysAnchorPad", "MvDynamicLoadPad"})
        EXPECT_FALSE(IsPasteEligible(row(desktop.AddPad(nullptr, "X", 0, 0, 1, 1, name)).get()));

    RowList selection;
    Append(selection, row(from));
    Append(selection, row(locked));
    EXPECT_FALSE(PastePadsOfSelection(&selection));
    Remove(selection, *row(locked));
    Append(selection, row(to));
    auto pads = PastePadsOfSelection(&selection);
    ASSERT_TRUE(pads);
    EXPECT_EQ(pads->from, from);
    EXPECT_EQ(pads->to, to);
    Append(selection, row(parent));
    EXPECT_FALSE(PastePadsOfSelection(&selection));

    EXPECT_TRUE(PastePadsOfDrop(row(from).get(), row(to).get()));
    EXPECT_FALSE(PastePadsOfDrop(row(from).get(), row(from).get()));
}

bool Enabled(const PasteRequest& request, unsigned id) {
    for (const ControlEnabled& control : InsertReplaceEnabling(request))
        if (control.id == id)
            return control.enabled;
    return false;
}

// The size choice named as the position choice.
Size SizeNamedAs(Pos position) {
    const Size sizes[] = {Size::NotResize, Size::ParentSize, Size::ChildSize, Size::ResizeTo};
    return sizes[static_cast<int>(position)];
}

TEST_F(PasteRulesTest, KindRuleMovesChecksOffTheChoicesItDisables) {
    DesktopPad* onDesktop = desktop.AddPad(nullptr, "OnDesktop", 30, 40, 50, 60);
    const std::vector<unsigned> all = {1120, 1082, 1081, 1080, 1083, 1121, 1089, 1090, 1088, 1091};
    struct Case {
        DesktopPad* to;
        Kind kind;
        Pos checked, expected; // with the size choices of the same names
        std::vector<unsigned> disabledChoices;
        bool fields; // the typed values' fields
    };
    const Case cases[] = {
        {to, Kind::InsertAsChild, Pos::ParentPosition, Pos::ParentPosition, {1081, 1090}, false},
        {to, Kind::InsertAsChild, Pos::ChildPosition, Pos::ParentPosition, {1081, 1090}, false},
        {to, Kind::InsertAsChild, Pos::MoveTo, Pos::MoveTo, {1081, 1090}, true},
        {onDesktop,
         Kind::InsertAsParent,
         Pos::ParentPosition,
         Pos::ChildPosition,
         {1082, 1089},
         false},
        {to, Kind::InsertAsParent, Pos::ChildPosition, Pos::ChildPosition, {}, false},
        {onDesktop, Kind::Replace, Pos::MoveTo, Pos::MoveTo, all, false},
    };
    for (const Case& c : cases) {
        PasteRequest request =
            Paste(from, c.to, Kind::InsertAsParent, c.checked, SizeNamedAs(c.checked));
        EXPECT_EQ(ChooseKind(request, c.kind), c.kind != Kind::Replace);
        EXPECT_EQ(request.position, c.expected) << int(c.kind) << int(c.checked);
        EXPECT_EQ(request.size, SizeNamedAs(c.expected)) << int(c.kind) << int(c.checked);
        std::vector<unsigned> disabled;
        for (unsigned id : all)
            if (!Enabled(request, id))
                disabled.push_back(id);
        EXPECT_EQ(disabled, c.disabledChoices) << int(c.kind) << int(c.checked);
        EXPECT_EQ(Enabled(request, 1084), c.fields);
        EXPECT_EQ(Enabled(request, 1092), c.fields);
    }
    // Parent Position kept as child shows the To pad's place.
    PasteRequest request;
    ResetInsertReplace(request, from, to);
    ChooseKind(request, Kind::InsertAsChild);
    EXPECT_EQ(PreviewInsertReplace(request, {}).x, "120");
}

TEST_F(PasteRulesTest, PreviewShowsTheChoicesGeometryAndReadsBadTextAsZero) {
    PasteRequest request = Request(Kind::InsertAsParent, Pos::NotMove, Size::NotResize);
    const GeometryTexts typed{"abc", "-5", "", "-3"};
    EXPECT_EQ(PreviewInsertReplace(request, typed), (GeometryTexts{"7", "9", "33", "44"}));
    EXPECT_TRUE(ChoosePosition(request, Pos::MoveTo));
    EXPECT_TRUE(ChooseSize(request, Size::ResizeTo));
    EXPECT_EQ(PreviewInsertReplace(request, typed), (GeometryTexts{"0", "-5", "0", "-3"}));
    ChooseKind(request, Kind::Replace);
    EXPECT_FALSE(ChoosePosition(request, Pos::MoveTo));
    EXPECT_TRUE(ChoosePosition(request, Pos::NotMove));
}

TEST_F(PasteRulesTest, OkReadsOnlyTheTypedChoicesEachFieldBeforeAnyRange) {
    from->SetProtection(kProtectConfined);
    to->SetProtection(kProtectConfined);
    using F = GeometryField;
    enum { None, Move, Resize, Both };
    struct Case {
        Kind kind;
        int typedChoices;
        GeometryTexts typed;
        unsigned shown; // 0: no message
        std::optional<F> focus;
    };
    const Case cases[] = {
        {Kind::InsertAsChild, Move, {"16384", "0", "", ""}, 32652, F::X},
        // Never read: the From pad's own place, outside the To pad, is asked about.
        {Kind::InsertAsChild, None, {"16384", "0", "", ""}, 32665, {}},
        {Kind::InsertAsChild, Both, {"-16383", "abc", "0", "1"}, 32652, F::Y},
        {Kind::InsertAsChild, Both, {"16384", "0", "x", "1"}, 32654, F::Width},
        {Kind::InsertAsChild, Resize, {"", "", "8193", "1"}, 32654, F::Width},
        {Kind::InsertAsChild, Resize, {"", "", "0", "1"}, 32654, F::Width},
        {Kind::InsertAsChild, Resize, {"", "", "5", "-1"}, 32654, F::Height},
        {Kind::InsertAsChild, Both, {"121", "81", "8", "8"}, 0, {}},
        // Under replace a Move to left checked is still read, but nothing is asked.
        {Kind::Replace, Move, {"99999", "0", "", ""}, 32652, F::X},
        {Kind::Replace, Both, {"5000", "5000", "9", "9"}, 0, {}},
    };
    for (const Case& c : cases) {
        questions = ScriptedQuestions();
        PasteRequest request = Request(c.kind, c.typedChoices & Move ? Pos::MoveTo : Pos::NotMove,
                                       c.typedChoices & Resize ? Size::ResizeTo : Size::NotResize);
        InsertReplaceCheck check = ConfirmInsertReplace(request, c.typed, questions);
        EXPECT_EQ(check.proceed, !c.focus) << c.typed.x << "/" << c.typed.width;
        EXPECT_EQ(check.focus, c.focus) << c.typed.x << "/" << c.typed.width;
        EXPECT_EQ(questions.shown,
                  c.shown ? std::vector<unsigned>{c.shown} : std::vector<unsigned>{});
    }
}

} // namespace
