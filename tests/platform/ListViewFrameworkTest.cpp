#include "NativeTestSupport.h"

#include "platform/Afx.h"
#include "platform/CCreateContext.h"
#include "platform/CDocument.h"
#include "platform/CFrameWnd.h"
#include "platform/CListCtrl.h"
#include "platform/CListView.h"
#include "platform/RedrawSuspended.h"

#include <gmock/gmock.h>

#include <string>

using namespace native_test;
using ::testing::ElementsAre;

namespace {

// The middle of an item's label, where a click lands on the item.
POINT LabelMiddle(const CListCtrl& list, int item) {
    RECT rect{};
    list.GetItemRect(item, &rect, LVIR_LABEL);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// A list view as the Inspector's table makes one: report mode added while handling
// WM_CREATE, notices taken from the frame.
class ReportView : public CListView {
    DECLARE_DYNCREATE(ReportView)
public:
    ReportView() { last = this; }
    ~ReportView() override { last = nullptr; }

    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (firstMessage == 0)
            firstMessage = msg;
        return CListView::WindowProc(msg, wParam, lParam);
    }

    static inline ReportView* last = nullptr;
    UINT firstMessage = 0;
    DWORD styleGiven = 0;
    std::vector<UINT> reflected;
    LRESULT refuseChanges = 0;

protected:
    int OnCreate(CREATESTRUCTA* create) override {
        create->style |= LVS_REPORT | LVS_NOSORTHEADER;
        styleGiven = static_cast<DWORD>(create->style);
        return CListView::OnCreate(create);
    }

    BOOL OnChildNotify(UINT, WPARAM, LPARAM lParam, LRESULT* result) override {
        UINT code = reinterpret_cast<const NMHDR*>(lParam)->code;
        reflected.push_back(code);
        if (code != LVN_ITEMCHANGING)
            return FALSE;
        *result = refuseChanges;
        return TRUE;
    }
};

IMPLEMENT_DYNCREATE(ReportView)

class FirstMessageCtrl : public CListCtrl {
public:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (firstMessage == 0)
            firstMessage = msg;
        return CListCtrl::WindowProc(msg, wParam, lParam);
    }
    UINT firstMessage = 0;
};

class ListViewFrameworkTest : public NativeTest {
protected:
    void TearDown() override {
        if (parentWnd.m_hWnd != nullptr)
            parentWnd.DestroyWindow();
        NativeTest::TearDown();
    }

    void CreateParent() {
        ASSERT_TRUE(parentWnd.CreateEx(0, AfxRegisterWndClass(0), "Parent", WS_OVERLAPPEDWINDOW, 0,
                                       0, 300, 200, nullptr, nullptr));
    }

    CWnd parentWnd;
};

TEST_F(ListViewFrameworkTest, ListViewInAFrameIsServedFromItsFirstMessage) {
    auto* frame = new CFrameWnd;
    auto* document = new CDocument;
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(ReportView);
    context.m_pCurrentDoc = document;
    ASSERT_TRUE(frame->Create(nullptr, "Frame", WS_OVERLAPPEDWINDOW, RECT{0, 0, 400, 300}, nullptr,
                              0, 0, &context));
    ReportView* view = ReportView::last;
    ASSERT_NE(view, nullptr);

    EXPECT_EQ(frame->GetActiveView(), view);
    EXPECT_EQ(native::GetClassNameOf(view->m_hWnd), WC_LISTVIEW);
    EXPECT_EQ(view->firstMessage, static_cast<UINT>(WM_NCCREATE));
    EXPECT_EQ(document->GetFirstView(), view);
    DWORD wanted = WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_NOSORTHEADER;
    EXPECT_EQ(view->styleGiven & wanted, wanted);

    CListCtrl& list = view->GetListCtrl();
    EXPECT_EQ(list.m_hWnd, view->m_hWnd);
    list.InsertColumn(0, "Label");
    list.InsertItem(0, "a");
    list.InsertItem(1, "b");
    EXPECT_EQ(list.GetItemCount(), 2);
    RECT first{};
    RECT second{};
    list.GetItemRect(0, &first, LVIR_BOUNDS);
    list.GetItemRect(1, &second, LVIR_BOUNDS);
    EXPECT_EQ(second.left, first.left) << "the control took the report style from WM_CREATE";
    EXPECT_GE(second.top, first.bottom);
    {
        CListCtrl other;
        other.m_hWnd = view->m_hWnd;
    }
    EXPECT_TRUE(IsWindow(view->m_hWnd)) << "only the serving object destroys the window";

    view->reflected.clear();
    EXPECT_TRUE(list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED));
    EXPECT_THAT(view->reflected, ElementsAre(LVN_ITEMCHANGING, LVN_ITEMCHANGED));
    view->refuseChanges = TRUE;
    EXPECT_FALSE(list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED));
    view->refuseChanges = FALSE;

    frame->ShowWindow(SW_SHOW);
    ASSERT_TRUE(native::ClickWindow(view->m_hWnd, LabelMiddle(list, 0)));
    Pump();
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 0) << "a click reaches the control";
    EXPECT_EQ(list.GetSelectedCount(), 1u);

    frame->DestroyWindow();
    EXPECT_EQ(ReportView::last, nullptr);
    EXPECT_TRUE(native::TopLevelWindows().empty());
}

TEST_F(ListViewFrameworkTest, ControlIsSubclassedAtCreationAlsoAfterAReset) {
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        ResetWindowSystem();
        CreateParent();
        FirstMessageCtrl list;
        ASSERT_TRUE(
            list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, RECT{0, 0, 300, 105}, &parentWnd, 9));
        EXPECT_EQ(list.firstMessage, static_cast<UINT>(WM_NCCREATE));
        EXPECT_EQ(CWnd::FromHandlePermanent(list.m_hWnd), &list);
        EXPECT_EQ(list.InsertItem(0, "served by the control"), 0);
        list.DestroyWindow();
        parentWnd.DestroyWindow();
    }
}

TEST_F(ListViewFrameworkTest, WrappersConvertTheirArguments) {
    CreateParent();
    CListCtrl list;
    ASSERT_TRUE(
        list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, RECT{0, 0, 300, 105}, &parentWnd, 9));
    const char* heading = "A heading longer than any item";
    EXPECT_EQ(list.InsertColumn(0, heading), 0);
    EXPECT_EQ(list.GetColumnWidth(0), list.GetStringWidth(heading)) << "width -1 fits the heading";
    list.InsertColumn(1, "Value", LVCFMT_RIGHT, 80);
    EXPECT_EQ(list.GetColumnWidth(1), 80);
    for (int i = 0; i < 10; ++i)
        list.InsertItem(i, i == 6 ? "a longer item" : "item", i == 3 ? 2 : -1);

    std::string longText(600, 'x');
    EXPECT_TRUE(list.SetItemText(4, 1, longText.c_str()));
    EXPECT_EQ(list.GetItemText(4, 1), longText);
    EXPECT_EQ(list.GetItemText(6, 0), "a longer item");
    EXPECT_TRUE(list.SetItemData(5, 1234));
    EXPECT_EQ(list.GetItemData(5), 1234);
    LVITEMA image{};
    image.mask = LVIF_IMAGE;
    image.iItem = 3;
    list.GetItem(&image);
    EXPECT_EQ(image.iImage, 2);

    // Sized to its items, the column is narrower than its heading but shows its longest item.
    EXPECT_TRUE(list.SetColumnWidth(0, LVSCW_AUTOSIZE));
    int fitted = list.GetColumnWidth(0);
    EXPECT_GE(fitted, list.GetStringWidth("a longer item"));
    EXPECT_LT(fitted, list.GetStringWidth(heading));
    UINT flags = 0;
    EXPECT_EQ(list.HitTest(LabelMiddle(list, 3), &flags), 3);
    EXPECT_EQ(flags, static_cast<UINT>(LVHT_ONITEMLABEL));
    LVHITTESTINFO below{};
    below.pt = LabelMiddle(list, 9);
    below.pt.y += 100;
    EXPECT_EQ(list.HitTest(&below), -1);
}

// A large owner-data list loses every selected state at once and keeps the rest of its
// state: the first item shown (down and across), the focused item and the selection mark.
TEST_F(ListViewFrameworkTest, DeselectingEveryItemKeepsTheViewTheFocusAndTheMark) {
    CreateParent();
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDATA,
                            RECT{0, 0, 300, 200}, &parentWnd, 9));
    list.InsertColumn(0, "Wide", LVCFMT_LEFT, 700);
    list.SetItemCountEx(1000);
    list.EnsureVisible(990, FALSE);
    list.EnsureVisible(500, FALSE);
    list.Scroll(SIZE{60, 0});
    list.SetItemState(-1, LVIS_SELECTED, LVIS_SELECTED);
    list.SetItemState(510, LVIS_FOCUSED, LVIS_FOCUSED);
    list.SetSelectionMark(505);
    int top = list.GetTopIndex();
    ASSERT_EQ(top, 500);
    RECT before{};
    list.GetItemRect(top, &before, LVIR_BOUNDS);
    ASSERT_EQ(list.GetSelectedCount(), 1000u);

    EXPECT_TRUE(list.SetItemState(-1, 0, LVIS_SELECTED));
    EXPECT_EQ(list.GetSelectedCount(), 0u);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), -1);
    EXPECT_EQ(list.GetItemState(999, LVIS_SELECTED), 0u);
    EXPECT_EQ(list.GetItemCount(), 1000);
    EXPECT_EQ(list.GetTopIndex(), top);
    RECT after{};
    list.GetItemRect(top, &after, LVIR_BOUNDS);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_FOCUSED), 510);
    EXPECT_EQ(list.GetSelectionMark(), 505);
}

// Ending a hold of a list's painting leaves its frame shown and the list to be painted again,
// whether its scroll bars changed meanwhile or not.
TEST_F(ListViewFrameworkTest, APaintingHoldEndsWithTheFrameShownAndTheListRepainted) {
    struct CountingList : CListCtrl {
        LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
            paints += msg == WM_PAINT ? 1 : 0;
            return CListCtrl::WindowProc(msg, wParam, lParam);
        }
        int paints = 0;
    } list;
    ASSERT_TRUE(parentWnd.CreateEx(0, AfxRegisterWndClass(0), "Parent",
                                   WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                                   nullptr));
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDATA,
                            RECT{0, 0, 300, 200}, &parentWnd, 9));
    list.InsertColumn(0, "Wide", LVCFMT_LEFT, 700);
    list.SetItemCountEx(1000);
    for (int count : {1000, 10}) {
        SCOPED_TRACE(count);
        ::UpdateWindow(list.m_hWnd);
        list.paints = 0;
        {
            RedrawSuspended held(list.m_hWnd);
            list.SetItemCountEx(count);
        }
        EXPECT_NE(::GetWindowLongPtrA(parentWnd.m_hWnd, GWL_STYLE) & WS_VISIBLE, 0);
        EXPECT_TRUE(list.IsWindowVisible());
        ::UpdateWindow(list.m_hWnd);
        EXPECT_GE(list.paints, 1);
    }
}

TEST_F(ListViewFrameworkTest, RefusingPreCreateWindowCreatesNothing) {
    struct Refusing : CWnd {
        BOOL PreCreateWindow(CREATESTRUCTA&) override { return FALSE; }
        void PostNcDestroy() override { finished = true; }
        bool finished = false;
    } wnd;
    EXPECT_FALSE(wnd.CreateEx(0, nullptr, "", WS_OVERLAPPEDWINDOW, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_TRUE(wnd.finished);
    EXPECT_TRUE(native::TopLevelWindows().empty());
}

} // namespace
