#include "InspectorFixture.h"
#include "dialogs/FrameTree.h"
#include "dialogs/InsertReplaceRules.h"
#include "dialogs/InsertReplaceRunner.h"
#include "dialogs/PasteQuestions.h"
#include "listview/Selection.h"
#include "platform/NativeCommCtrl.h"
#include "resources/CommandIds.h"

#include <functional>
#include <utility>

namespace {

// Stands for the Insert/Replace dialog: records what it is asked and answers `result`.
class FakeDialog : public InsertReplaceRunner {
public:
    int Run(MvSimplePad* from, MvSimplePad* to) override {
        runs.emplace_back(from, to);
        if (during)
            during();
        return result;
    }

    std::vector<std::pair<MvSimplePad*, MvSimplePad*>> runs;
    std::function<void()> during;
    int result = 0;
};

class NoQuestions : public PasteQuestions {
public:
    bool Confirm(unsigned id) override {
        shown.push_back(id);
        return true;
    }
    void Inform(unsigned id) override { shown.push_back(id); }
    std::vector<unsigned> shown;
};

class DragDropTest : public InspectorFixture {
protected:
    void SetUp() override {
        InspectorFixture::SetUp();
        stage = desktop.AddPad(nullptr, "Stage", 0, 0, 400, 400);
        for (int i = 0; i < 30; ++i)
            pads.push_back(desktop.AddPad(stage, "Pad" + std::to_string(i), i, i, 10, 10));
    }

    CMainFrame* OpenWithDialog(DesktopPad* top) {
        CMainFrame* frame = Open(top);
        auto fake = std::make_unique<FakeDialog>();
        dialog = fake.get();
        View(frame).insertReplace = std::move(fake);
        list = View(frame).List().m_hWnd;
        return frame;
    }

    POINT PointOf(int item) {
        RECT rect{};
        rect.left = LVIR_LABEL;
        SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(item),
                     reinterpret_cast<LPARAM>(&rect));
        return {rect.left + 2, (rect.top + rect.bottom) / 2};
    }

    static LPARAM At(POINT p) {
        return static_cast<LPARAM>(MAKELONG(static_cast<WORD>(p.x), static_cast<WORD>(p.y)));
    }

    // Mouse input goes to the window holding the capture, as the window system sends it.
    void Mouse(UINT message, POINT point, WPARAM keys = 0) {
        SendMessageA(GetCapture() != nullptr ? GetCapture() : list, message, keys, At(point));
    }

    // Presses on `from`, moves sideways far enough to start a drag, then onto `to`. The
    // press and the first move are queued, so that the view sees the move follow the press.
    void Press(int from, int to, WPARAM keys = 0, bool right = false) {
        POINT start = PointOf(from);
        keys |= right ? MK_RBUTTON : MK_LBUTTON;
        PostMessageA(list, right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, keys, At(start));
        PostMessageA(list, WM_MOUSEMOVE, keys, At({start.x + 8, start.y}));
        native::PumpPending();
        Mouse(WM_MOUSEMOVE, PointOf(to), keys);
    }

    void Drag(int from, int to, bool right = false, WPARAM keys = 0) {
        Press(from, to, keys, right);
        Mouse(right ? WM_RBUTTONUP : WM_LBUTTONUP, PointOf(to));
    }

    int Highlighted() const {
        return static_cast<int>(
            SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_DROPHILITED));
    }

    int TopIndex() const { return static_cast<int>(SendMessageA(list, LVM_GETTOPINDEX, 0, 0)); }

    void Hold(DWORD milliseconds) {
        for (DWORD waited = 0; waited < milliseconds; waited += 10) {
            native::AdvanceClock(10);
            native::PumpPending();
        }
    }

    bool DragEnded() const {
        return GetCapture() == nullptr && !host->TimersStopped() &&
               native::GetImageListDrag().image == nullptr;
    }

    DesktopPad* stage = nullptr;
    std::vector<DesktopPad*> pads;
    FakeDialog* dialog = nullptr;
    HWND list = nullptr;
};

TEST_F(DragDropTest, NoDragStartsFromRowsThatCannotTakePart) {
    pads[1]->SetProtection(kProtectInsertReplace);
    const char* classes[] = {"MvIconPad", "MvAnchorPad", "MvSysAnchorPad", "MvDynamicLoadPad"};
    for (const char* name : classes)
        desktop.AddPad(nullptr, name, 0, 0, 5, 5, name);
    CMainFrame* frame = OpenWithDialog(nullptr);
    CInspectrView& view = View(frame);
    Drag(0, 1); // the desktop row
    Drag(ItemOfPad(view, pads[1]), 1);
    for (const char* name : classes)
        Drag(ItemOfPad(view, desktop.FindByPath(name)), 1);
    // Ctrl adds the pressed row to a selection of one; a right press keeps both.
    Mouse(WM_LBUTTONDOWN, PointOf(3));
    Drag(4, 1, false, MK_CONTROL);
    Drag(3, 6, true);
    frame->m_bSearchFrame = 1;
    Drag(5, 6);
    frame->m_bSearchFrame = 0;

    EXPECT_TRUE(native::GetImageListDrag().calls.empty());
    EXPECT_TRUE(dialog->runs.empty());
    EXPECT_TRUE(DragEnded());
}

TEST_F(DragDropTest, DropHandsBothPadsToTheDialogAndPutsEverythingBack) {
    pads[2]->SetProtection(kProtectInsertReplace);
    CMainFrame* frame = OpenWithDialog(stage);
    CInspectrView& view = View(frame);
    int images = native::LiveImageLists();
    POINT start = PointOf(1);
    Press(1, 3); // over Pad2, which cannot take part
    EXPECT_EQ(GetCapture(), list);
    EXPECT_TRUE(host->TimersStopped());
    EXPECT_EQ(Highlighted(), -1);
    const native::ImageListDrag& image = native::GetImageListDrag();
    ASSERT_GE(image.calls.size(), 3u);
    EXPECT_EQ(image.calls[0].call, native::DragCall::BeginDrag);
    EXPECT_EQ(image.calls[1].call, native::DragCall::DragEnter);
    EXPECT_EQ(image.calls[1].window, list);
    POINT corner = image.calls[1].point;
    EXPECT_EQ(start.x - corner.x, view.drag.dragOffset.x);
    EXPECT_EQ(start.y - corner.y, view.drag.dragOffset.y);
    EXPECT_TRUE(image.visible);

    Mouse(WM_MOUSEMOVE, PointOf(4), MK_LBUTTON);
    EXPECT_EQ(Highlighted(), 4);
    Mouse(WM_LBUTTONUP, PointOf(4));

    EXPECT_EQ(dialog->runs,
              (std::vector<std::pair<MvSimplePad*, MvSimplePad*>>{{pads[0], pads[3]}}));
    EXPECT_TRUE(DragEnded());
    EXPECT_EQ(Highlighted(), -1);
    EXPECT_EQ(native::LiveImageLists(), images);
    EXPECT_EQ(Length(view.selectedRows.get()), 1);
    EXPECT_EQ(view.selectedRows->head->pad, pads[0]);
    EXPECT_EQ(view.focusIndex, 1);
}

TEST_F(DragDropTest, DroppingOnItselfOrCancellingDoesNothing) {
    CMainFrame* frame = OpenWithDialog(stage);
    Drag(2, 2);
    Drag(2, 2, true);
    EXPECT_TRUE(DragEnded());

    // A press of either button cancels and is not taken as a click.
    for (UINT press : {WM_RBUTTONDOWN, WM_LBUTTONDOWN}) {
        Press(2, 5);
        EXPECT_EQ(Highlighted(), 5);
        Mouse(press, PointOf(7));
        EXPECT_TRUE(DragEnded());
        EXPECT_EQ(Highlighted(), -1);
        EXPECT_EQ(View(frame).selectedRows->head->pad, pads[1]);
        Mouse(press == WM_RBUTTONDOWN ? WM_RBUTTONUP : WM_LBUTTONUP, PointOf(7));
    }
    // A plain click after a drag is no drop.
    Mouse(WM_LBUTTONDOWN, PointOf(6), MK_LBUTTON);
    Mouse(WM_LBUTTONUP, PointOf(6));
    EXPECT_TRUE(dialog->runs.empty());
    Drag(2, 5, true);
    EXPECT_EQ(dialog->runs,
              (std::vector<std::pair<MvSimplePad*, MvSimplePad*>>{{pads[1], pads[4]}}));
}

TEST_F(DragDropTest, HoldingTheCursorInAScrollZoneScrollsARowEvery100ms) {
    for (int direction : {1, -1}) { // up, down
        CMainFrame* frame = OpenWithDialog(stage);
        CInspectrView& view = View(frame);
        int page = static_cast<int>(SendMessageA(list, LVM_GETCOUNTPERPAGE, 0, 0));
        ASSERT_LT(page, 20);
        // Rows hidden above and below.
        SendMessageA(list, LVM_ENSUREVISIBLE, 30, FALSE);
        SendMessageA(list, LVM_SCROLL, 0, -5 * view.rowHeight);
        int top = TopIndex();
        ASSERT_GT(top, 3);
        int zoneItem = direction > 0 ? top : top + page - 1;
        Press(top + 2, zoneItem);
        EXPECT_EQ(view.drag.scrollTimer, 2u);
        Hold(350);
        EXPECT_EQ(TopIndex(), top - 3 * direction);
        // The rows moved under the cursor: so did the highlight, and the drop follows it.
        int under = zoneItem - 3 * direction;
        EXPECT_EQ(Highlighted(), under);
        Mouse(WM_LBUTTONUP, PointOf(under));
        ASSERT_EQ(dialog->runs.size(), 1u);
        EXPECT_EQ(dialog->runs[0].second, RowOfItem(view, under)->pad);
        EXPECT_EQ(view.drag.scrollTimer, 0u);
        Hold(200);
        EXPECT_EQ(TopIndex(), top - 3 * direction);
        SendMessageA(frame->m_hWnd, WM_CLOSE, 0, 0);
    }
}

TEST_F(DragDropTest, InsertReplaceCommandSelectsTheTwoRowsAgainUnlessTheRootWasReplaced) {
    CMainFrame* frame = OpenWithDialog(stage);
    CInspectrView& view = View(frame);
    Mouse(WM_LBUTTONDOWN, PointOf(3));
    Mouse(WM_LBUTTONDOWN, PointOf(1), MK_CONTROL);
    dialog->during = [&view] { DeselectAll(view); };
    for (int result : {0, 1}) {
        dialog->result = result;
        SendMessageA(frame->m_hWnd, WM_COMMAND, ID_EDIT_INSERT_REPLACE, 0);
        EXPECT_EQ(Length(view.selectedRows.get()), result == 0 ? 2 : 0);
    }
    EXPECT_EQ(dialog->runs, (std::vector<std::pair<MvSimplePad*, MvSimplePad*>>{
                                {pads[2], pads[0]}, {pads[2], pads[0]}}));
}

TEST_F(DragDropTest, RunStartsFreshEachTimeAndPastesOnlyPadsStillInTheTree) {
    CMainFrame* frame = Open(stage);
    NoQuestions questions;
    PasteRequest request;
    TreeRoot root = TreeRootOf(*frame);
    // Plays the user: checks the kind; meanwhile something may change the desktop.
    auto user = [&](PasteKind kind, std::function<void()> meanwhile = {}) {
        return [&, kind, meanwhile] {
            EXPECT_EQ(request.kind, PasteKind::InsertAsParent);
            EXPECT_EQ(request.position, PositionChoice::ParentPosition);
            ChooseKind(request, kind);
            ChoosePosition(request, PositionChoice::NotMove);
            if (meanwhile)
                meanwhile();
            // As the dialog does before it reads its pads.
            return PastePadsInTree(request, root()) &&
                   ConfirmInsertReplace(request, {}, questions).proceed;
        };
    };
    auto run = [&](DesktopPad* from, DesktopPad* to, auto&& dialog, bool searchView = false) {
        return RunInsertReplace(request, from, to, searchView, dialog, root, questions);
    };
    auto never = [] { return ADD_FAILURE(), false; };
    EXPECT_EQ(run(pads[0], pads[1], never, true), 0);
    EXPECT_EQ(run(pads[0], pads[1], user(PasteKind::InsertAsChild)), 0);
    EXPECT_EQ(pads[0]->Parent(), pads[1]);
    // A pad deleted while the dialog was open is never read again.
    EXPECT_EQ(run(pads[2], pads[3],
                  user(PasteKind::InsertAsChild, [this] { desktop.DestroyPad(pads[2]); })),
              0);
    EXPECT_EQ(pads[3]->Parent(), stage);
    EXPECT_EQ(run(pads[4], stage, user(PasteKind::Replace)), 1);
    EXPECT_TRUE(questions.shown.empty());
}

} // namespace
