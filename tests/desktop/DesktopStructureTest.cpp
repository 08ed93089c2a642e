#include "Desktop.h"
#include "DesktopModel.h"
#include "DesktopPad.h"
#include "DesktopPadView.h"
#include "RecordingModule.h"
#include "host/MvPadList.h"
#include "host/MwViewList.h"
#include "platform/NativeBackend.h"

#include <gtest/gtest.h>

namespace {

std::vector<MwView*> SubViews(MwView& view) {
    std::vector<MwView*> views;
    MwViewList* list = view.GetSubViews();
    for (int i = 0; i < list->Length(); ++i)
        views.push_back(list->At(i));
    return views;
}

std::vector<MvSimplePad*> Pads(MvPadList* list) {
    std::vector<MvSimplePad*> pads;
    for (int i = 0; list != nullptr && i < list->length(); ++i)
        pads.push_back(list->at(i));
    return pads;
}

class DesktopStructure : public ::testing::Test {
protected:
    void SetUp() override {
        native::Reset();
        desktop.SetModule(&recorder.module);
    }

    DesktopPad* Add(DesktopPad* parent, const char* name, int x, int y, int w = 100, int h = 100) {
        return desktop.AddPad(parent, name, x, y, w, h);
    }

    RecordingModule recorder;
    Desktop desktop;
};

TEST_F(DesktopStructure, BaseSubViewsFollowZOrderBottomFirst) {
    DesktopPad* a = Add(nullptr, "A", 0, 0);
    DesktopPad* b = Add(nullptr, "B", 0, 0);
    DesktopPad* c = Add(nullptr, "C", 0, 0);
    MwView& base = desktop.BaseView();
    EXPECT_EQ(SubViews(base), (std::vector<MwView*>{a->View(), b->View(), c->View()}));

    desktop.RaisePad(a);
    EXPECT_EQ(SubViews(base), (std::vector<MwView*>{b->View(), c->View(), a->View()}));
    desktop.LowerPad(c);
    EXPECT_EQ(SubViews(base), (std::vector<MwView*>{c->View(), b->View(), a->View()}));

    // The module walks the list from its end: the topmost pad comes first.
    MwViewList* list = base.GetSubViews();
    list->SetEnd();
    EXPECT_EQ(static_cast<MvPadView*>(list->BeforeView())->GetPad(), a);
    EXPECT_EQ(static_cast<MvPadView*>(list->BeforeView())->GetPad(), b);
    EXPECT_EQ(static_cast<MvPadView*>(list->BeforeView())->GetPad(), c);
}

TEST_F(DesktopStructure, PadsWithoutOwnViewAreShownOnTheirHorizonPad) {
    DesktopPad* clock = Add(nullptr, "Clock", 10, 10);
    DesktopPad* timer = desktop.CreatePad(clock, "MvTimerPad", false);
    desktop.AssignModel(*timer, *clock->Model());
    EXPECT_EQ(timer->get_real_view(), nullptr);
    EXPECT_EQ(timer->get_horizon_pad(), clock);
    EXPECT_EQ(timer->get_view(), clock->get_real_view());
    EXPECT_EQ(SubViews(*clock->View()), std::vector<MwView*>{});
    EXPECT_EQ(Pads(clock->Model()->get_dependents()), (std::vector<MvSimplePad*>{clock, timer}));
}

TEST_F(DesktopStructure, FindViewReturnsTheTopmostVisibleViewAtAPoint) {
    DesktopPad* back = Add(nullptr, "Back", 0, 0, 200, 200);
    DesktopPad* front = Add(nullptr, "Front", 50, 50, 100, 100);
    DesktopPad* inner = Add(back, "Inner", 150, 150, 40, 40);
    MwView* base = &desktop.BaseView();

    struct PointCase {
        int x, y;
        MwView* expected;
    };
    const PointCase cases[] = {
        {10, 10, back->View()},   {60, 60, front->View()}, {160, 160, inner->View()},
        {195, 195, back->View()}, {-5, -5, base},
    };
    for (const PointCase& point : cases) {
        SCOPED_TRACE(::testing::Message() << point.x << "," << point.y);
        EXPECT_EQ(MwView::FindView(point.x, point.y, base), point.expected);
    }
    desktop.HidePad(front);
    EXPECT_EQ(MwView::FindView(60, 60, base), back->View());
    desktop.HidePad(back);
    EXPECT_EQ(MwView::FindView(160, 160, base), base);
}

TEST_F(DesktopStructure, MoveCarriesTheSubtreeAlong) {
    DesktopPad* stage = Add(nullptr, "Stage", 100, 100);
    DesktopPad* panel = Add(stage, "Panel", 10, 20);
    DesktopPad* ok = Add(panel, "OK", 5, 6);
    desktop.MovePad(stage, 300, 400);
    EXPECT_EQ(panel->Region().X(), 310);
    EXPECT_EQ(panel->Region().Y(), 420);
    EXPECT_EQ(ok->Region().X(), 315);
    EXPECT_EQ(ok->Region().Y(), 426);
    EXPECT_EQ(ok->RelX(), 5);
    EXPECT_EQ(static_cast<MwView*>(ok->View())->GetRegion().X(), 315);
}

TEST_F(DesktopStructure, FindByPathWalksOwnNamesFromTheDesktop) {
    DesktopPad* stage = Add(nullptr, "Stage", 0, 0);
    DesktopPad* panel = Add(stage, "Panel", 0, 0);
    DesktopPad* ok = Add(panel, "OK", 0, 0);
    EXPECT_EQ(desktop.FindByPath("Stage/Panel/OK"), ok);
    EXPECT_EQ(desktop.FindByPath("/Stage/Panel"), panel);
    EXPECT_EQ(desktop.FindByPath("Stage/OK"), nullptr);
    EXPECT_EQ(desktop.FindByPath(""), nullptr);
    EXPECT_EQ(desktop.PathOf(ok), "Stage/Panel/OK");
    EXPECT_EQ(desktop.FindById(ok->GetCreatePadID()), ok);
    desktop.DeletePad(panel);
    EXPECT_EQ(desktop.FindByPath("Stage/Panel/OK"), nullptr);
}

// A destroyed subtree leaves no undo entry and no view behind; which pads it reports, in what
// order, and what stays linked, the removal cases hold.
TEST_F(DesktopStructure, DestroyLeavesNoUndoEntryOrViewOfWhatWent) {
    DesktopPad* stage = Add(nullptr, "Stage", 0, 0);
    DesktopPad* panel = Add(stage, "Panel", 0, 0);
    DesktopPad* ok = Add(panel, "OK", 0, 0);
    desktop.DeletePad(Add(panel, "Gone", 0, 0));
    desktop.MovePad(ok, 1, 1);
    Add(nullptr, "Kept", 0, 0);
    ASSERT_EQ(desktop.Undos().Entries().size(), 2u);
    unsigned okId = ok->GetCreatePadID();

    ASSERT_TRUE(desktop.DestroyPad(stage));
    EXPECT_EQ(desktop.FindById(okId), nullptr);
    EXPECT_TRUE(desktop.Undos().Entries().empty());
    EXPECT_EQ(desktop.BaseView().GetSubViews()->Length(), 1);
}

TEST_F(DesktopStructure, DeleteHideKeepsThePadForUndo) {
    DesktopPad* stage = Add(nullptr, "Stage", 0, 0);
    DesktopPad* a = Add(stage, "A", 1, 2);
    DesktopPad* b = Add(stage, "B", 3, 4);
    desktop.HidePad(a);
    recorder.Clear();

    ASSERT_TRUE(desktop.DeletePad(a));
    EXPECT_TRUE(a->isDeleteHide());
    EXPECT_EQ(Pads(stage->get_children()), std::vector<MvSimplePad*>{b});
    EXPECT_EQ(SubViews(*stage->View()), std::vector<MwView*>{b->View()});
    ASSERT_EQ(desktop.Undos().Entries().size(), 1u);
    EXPECT_EQ(desktop.Undos().Entries()[0].kind, kUndoDelete);
    EXPECT_EQ(desktop.Undos().Entries()[0].pad, a);

    ASSERT_TRUE(desktop.Undo());
    EXPECT_FALSE(a->isDeleteHide());
    EXPECT_FALSE(a->Visible()) << "undo restores the visibility the pad had";
    EXPECT_EQ(Pads(stage->get_children()), (std::vector<MvSimplePad*>{b, a}));
    EXPECT_EQ(recorder.Entries(), (std::vector<std::string>{"Delete", "Paste"}));
}

TEST_F(DesktopStructure, UndoRevertsMovesAndResizesRecordedBeforeTheChange) {
    DesktopPad* pad = Add(nullptr, "Pad", 10, 20, 30, 40);
    desktop.MovePad(pad, 50, 60);
    // The module records through the pad view's desktop before changing geometry itself.
    MvPadView* view = pad->get_real_view();
    view->GetDeskTop()->get_padmanager()->getUndoBuffer()->SetUndoBuffer(kUndoResize, pad);
    pad->resize(70, 80);
    ASSERT_EQ(desktop.Undos().Entries().size(), 2u);
    recorder.Clear();

    ASSERT_TRUE(desktop.Undo());
    EXPECT_EQ(pad->Width(), 30);
    ASSERT_TRUE(desktop.Undo());
    EXPECT_EQ(pad->RelX(), 10);
    EXPECT_FALSE(desktop.Undo());
    EXPECT_EQ(recorder.Entries(), (std::vector<std::string>{"Size", "Position"}));

    // A pad without a view of its own records through the view it is shown on.
    DesktopPad* viewless = desktop.CreatePad(pad, "MvPad", false);
    viewless->get_view()->GetDeskTop()->get_padmanager()->getUndoBuffer()->SetUndoBuffer(kUndoMove,
                                                                                         viewless);
    viewless->move(5, 5, 0);
    ASSERT_TRUE(desktop.Undo());
    EXPECT_EQ(viewless->RelX(), 0);
}

TEST_F(DesktopStructure, DataLinksConnectChildrenToSlotsOfTheirParent) {
    DesktopPad* form = Add(nullptr, "Form", 0, 0);
    form->Model()->AddSlot("name", kSlotString);
    form->Model()->AddSlot("qty", kSlotNumber);
    DesktopPad* nameField = Add(form, "NameField", 0, 0);
    DesktopPad* qtyField = Add(form, "QtyField", 0, 0);
    DesktopPad* loose = Add(form, "Loose", 0, 0);
    desktop.ConnectPad(nameField, "name");
    desktop.ConnectPad(qtyField, "qty");

    EXPECT_STREQ(nameField->get_slotname(), "name");
    EXPECT_EQ(nameField->get_datalink_parent(), form);
    EXPECT_EQ(loose->get_datalink_parent(), nullptr);
    EXPECT_EQ(Pads(form->get_datalink_children("qty")), std::vector<MvSimplePad*>{qtyField});
    EXPECT_EQ(Pads(form->get_datalink_children(nullptr)),
              (std::vector<MvSimplePad*>{nameField, qtyField}));

    // A connection belongs to the parent: re-pasting elsewhere drops it.
    desktop.RepastePad(nameField, nullptr, 0, 0);
    EXPECT_EQ(nameField->get_slotname(), nullptr);
}

} // namespace
