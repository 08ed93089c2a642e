#include "InspectorFixture.h"
#include "dialogs/FrameTree.h"
#include "dialogs/InsertReplaceRules.h"
#include "dialogs/InsertReplaceRunner.h"
#include "dialogs/PasteQuestions.h"
#include "listview/Selection.h"
#include "platform/NativeCommCtrl.h"

#include <utility>

namespace {

using PadPairs = std::vector<std::pair<MvSimplePad*, MvSimplePad*>>;

// Stands for the Insert/Replace dialog: records the pads it is given.
class FakeDialog : public InsertReplaceRunner {
public:
    int Run(MvSimplePad* from, MvSimplePad* to) override {
        runs.emplace_back(from, to);
        return 0;
    }
    PadPairs runs;
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

    // Capture, image and the framework's timers are back as before the drag.
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
    // Ctrl adds the pressed row to a selection of one; a plain or a right press on either
    // keeps both, and a release elsewhere leaves them so.
    Mouse(WM_LBUTTONDOWN, PointOf(3));
    Drag(4, 1, false, MK_CONTROL);
    Drag(3, 6);
    Drag(3, 6, true);
    EXPECT_EQ(SendMessageA(list, LVM_GETSELECTEDCOUNT, 0, 0), 2);
    frame->m_bSearchFrame = 1;
    Drag(5, 6);
    frame->m_bSearchFrame = 0;

    EXPECT_TRUE(native::GetImageListDrag().calls.empty());
    EXPECT_TRUE(dialog->runs.empty());
    EXPECT_TRUE(DragEnded());
}

TEST_F(DragDropTest, ADropHandsBothPadsToTheDialogAPressCancels) {
    pads[2]->SetProtection(kProtectInsertReplace);
    CMainFrame* frame = OpenWithDialog(stage);
    CInspectrView& view = View(frame);
    int images = native::LiveImageLists();
    Press(1, 3); // over Pad2, which cannot take part
    EXPECT_EQ(GetCapture(), list);
    EXPECT_TRUE(host->TimersStopped());
    EXPECT_EQ(Highlighted(), -1);
    EXPECT_EQ(native::GetImageListDrag().lockWindow, list);
    Mouse(WM_MOUSEMOVE, PointOf(4), MK_LBUTTON);
    EXPECT_EQ(Highlighted(), 4);
    Mouse(WM_LBUTTONUP, PointOf(4));
    EXPECT_EQ(dialog->runs, (PadPairs{{pads[0], pads[3]}}));
    EXPECT_TRUE(DragEnded());
    EXPECT_EQ(Highlighted(), -1);
    EXPECT_EQ(native::LiveImageLists(), images);
    EXPECT_EQ(Length(view.selectedRows.get()), 1);
    EXPECT_EQ(view.focusIndex, 1);

    Drag(2, 2);
    Drag(2, 2, true);
    // A press of either button cancels and is not taken as a click.
    for (UINT press : {WM_RBUTTONDOWN, WM_LBUTTONDOWN}) {
        Press(2, 5);
        Mouse(press, PointOf(7));
        EXPECT_TRUE(DragEnded());
        EXPECT_EQ(Highlighted(), -1);
        EXPECT_EQ(view.selectedRows->head->pad, pads[1]);
        Mouse(press + 1, PointOf(7)); // the button's release
    }
    // A plain click after a drag is no drop.
    Mouse(WM_LBUTTONDOWN, PointOf(6), MK_LBUTTON);
    Mouse(WM_LBUTTONUP, PointOf(6));
    Drag(2, 5, true);
    EXPECT_EQ(dialog->runs, (PadPairs{{pads[0], pads[3]}, {pads[1], pads[4]}}));
    // An Inspector closed during a drag gives everything back.
    Press(2, 5);
    SendMessageA(frame->m_hWnd, WM_CLOSE, 0, 0);
    EXPECT_TRUE(DragEnded());
}

TEST_F(DragDropTest, HoldingTheCursorInAScrollZoneScrollsARowEvery100ms) {
    for (int direction : {1, -1}) { // up, down
        CMainFrame* frame = OpenWithDialog(stage);
        CInspectrView& view = View(frame);
        int page = static_cast<int>(SendMessageA(list, LVM_GETCOUNTPERPAGE, 0, 0));
        SendMessageA(list, LVM_ENSUREVISIBLE, 30, FALSE);
        SendMessageA(list, LVM_SCROLL, 0, -5 * view.rowHeight);
        int top = TopIndex();
        ASSERT_GT(top, 3); // rows hidden above and below
        int zoneItem = direction > 0 ? top : top + page - 1;
        Press(top + 2, zoneItem);
        EXPECT_EQ(view.drag.scrollTimer, 2u);
        for (int waited = 0; waited < 350; waited += 10) {
            native::AdvanceClock(10);
            native::PumpPending();
        }
        EXPECT_EQ(TopIndex(), top - 3 * direction);
        // The rows moved under the cursor: so did the highlight, and the drop follows it.
        int under = zoneItem - 3 * direction;
        EXPECT_EQ(Highlighted(), under);
        Mouse(WM_LBUTTONUP, PointOf(under));
        ASSERT_EQ(dialog->runs.size(), 1u);
        EXPECT_EQ(dialog->runs[0].second, RowOfItem(view, under)->pad);
        EXPECT_EQ(view.drag.scrollTimer, 0u);
        SendMessageA(frame->m_hWnd, WM_CLOSE, 0, 0);
    }
}

TEST_F(DragDropTest, RunPastesOnlyPadsStillInTheTree) {
    class Answers : public PasteQuestions {
        bool Confirm(unsigned) override { return true; }
        void Inform(unsigned) override { ADD_FAILURE(); }
    } questions;
    PasteRequest request;
    TreeRoot root = TreeRootOf(*Open(stage));
    // Plays the user, who chooses `kind` while `meanwhile` changes the desktop.
    auto run = [&](
                   DesktopPad* from, DesktopPad* to, PasteKind kind,
                   std::function<void()> meanwhile = [] {}) {
        return RunInsertReplace(
            request, from, to, false,
            [&] {
                EXPECT_EQ(request.kind, PasteKind::InsertAsParent);
                ChooseKind(request, kind);
                meanwhile();
                // As the dialog does before it reads its pads.
                return PastePadsInTree(request, root()) &&
                       ConfirmInsertReplace(request, {}, questions).proceed;
            },
            root, questions);
    };
    EXPECT_EQ(
        run(pads[2], pads[3], PasteKind::InsertAsChild, [this] { desktop.DestroyPad(pads[2]); }),
        0);
    EXPECT_EQ(pads[3]->Parent(), stage);
    // The Inspector closes while its top pad is replaced.
    EXPECT_EQ(run(pads[4], stage, PasteKind::Replace), 1);
    EXPECT_EQ(root(), nullptr);
}

} // namespace
