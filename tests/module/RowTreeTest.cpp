#include "Desktop.h"
#include "DesktopModel.h"
#include "DesktopPad.h"
#include "RecordingHost.h"
#include "listview/CInspectrView.h"
#include "listview/InspectorRow.h"
#include "listview/RowBuilder.h"
#include "platform/NativeBackend.h"
#include "service/ModuleEntry.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class RowTreeTest : public ::testing::Test {
protected:
    void SetUp() override {
        native::Reset();
        inspModuleAttach();
    }

    DesktopPad* Pad(DesktopPad* parent, const char* name, int x = 0, int y = 0) {
        return desktop.AddPad(parent, name, x, y, 50, 40);
    }

    std::unique_ptr<InspectorRow> Build(DesktopPad* pad) {
        return std::unique_ptr<InspectorRow>(BuildRow(view, pad, nullptr));
    }

    std::unique_ptr<InspectorRow> BuildDesktop() {
        return std::unique_ptr<InspectorRow>(BuildDesktopRow(view));
    }

    // Labels in pre-order, each prefixed by its depth.
    static std::string Outline(const InspectorRow* row) {
        std::string text = std::to_string(row->depth) + row->label.str() + " ";
        for (const InspectorRow* c = row->children.head; c; c = c->next)
            text += Outline(c);
        return text;
    }

    Desktop desktop;
    RecordingHost host{&desktop.BaseView()};
    CInspectrView view;
};

TEST_F(RowTreeTest, BuildsPreOrderAndCutsInvisibleSubtrees) {
    DesktopPad* stage = Pad(nullptr, "Stage");
    DesktopPad* panel = Pad(stage, "Panel");
    Pad(panel, "OK");
    DesktopPad* hidden = Pad(stage, "Hidden");
    Pad(hidden, "UnderHidden");
    Pad(stage, "Last");
    desktop.HidePad(hidden);
    // A pad without a view of its own has no row.
    desktop.CreatePad(stage, "MvPad", false)->SetOwnName("Viewless");

    auto root = Build(stage);
    ASSERT_TRUE(root);
    EXPECT_EQ(Outline(root.get()), "0Stage 1Panel 2OK 1Last ");
    EXPECT_EQ(view.rowCount, 4);
    EXPECT_EQ(CountSubtree(root.get()), 4);

    desktop.HidePad(stage);
    EXPECT_EQ(Build(stage), nullptr) << "a hidden top pad builds nothing";
    EXPECT_EQ(Build(nullptr), nullptr);
}

TEST_F(RowTreeTest, IconAndDynamicPadsNameThePadTheyStandFor) {
    struct Case {
        const char* className;
        bool standsForPad;
        const char* label;
    };
    const Case cases[] = {
        {"MvIconPad", true, "A(B)"},
        {"MvIconPad", false, "A"},
        {"MvDynamicLoadPad", true, "A(B)"},
        {"MvPad", true, "A"},
    };
    for (const Case& c : cases) {
        DesktopPad* b = Pad(nullptr, "B");
        DesktopPad* a = desktop.AddPad(nullptr, "A", 0, 0, 10, 10, c.className);
        if (c.standsForPad)
            a->SetStandsFor(b);
        auto row = Build(a);
        ASSERT_TRUE(row);
        EXPECT_EQ(row->label, c.label) << c.className;
    }
}

TEST_F(RowTreeTest, GeometryIsAbsoluteAndRelativeToParent) {
    DesktopPad* stage = Pad(nullptr, "Stage", 100, 50);
    Pad(stage, "Child", 12, -40);
    auto root = Build(stage);
    const InspectorRow* child = root->children.head;
    EXPECT_EQ(root->x, 100);
    EXPECT_EQ(root->relX, 100);
    EXPECT_EQ(child->x, 112);
    EXPECT_EQ(child->y, 10);
    EXPECT_EQ(child->relX, 12);
    EXPECT_EQ(child->relY, -40);
    EXPECT_EQ(child->padId, static_cast<DesktopPad*>(stage->Child(0))->GetCreatePadID());
}

TEST_F(RowTreeTest, DesktopListsTopmostPadFirstAndDoesNotCountItself) {
    Pad(nullptr, "Bottom");
    DesktopPad* middle = Pad(nullptr, "Middle");
    Pad(middle, "Inner");
    Pad(nullptr, "Top");
    auto root = BuildDesktop();
    ASSERT_TRUE(root);
    EXPECT_EQ(root->isDesktop, 1);
    EXPECT_EQ(root->pad, nullptr);
    EXPECT_EQ(Outline(root.get()), "0Desktop 1Top 1Middle 2Inner 1Bottom ");
    EXPECT_EQ(view.rowCount, 4);
}

TEST_F(RowTreeTest, ConnectionFlagFollowsDataLinksSharedModelsAndIcons) {
    DesktopPad* parent = Pad(nullptr, "Parent");
    parent->Model()->AddSlot("value", kSlotNumber);
    DesktopPad* linked = Pad(parent, "Linked");
    DesktopPad* plain = Pad(parent, "Plain");
    ASSERT_TRUE(desktop.ConnectPad(linked, "value"));

    // b: a view-less pad sharing the model and shown on this pad.
    DesktopPad* host = Pad(parent, "Host");
    DesktopPad* shadow = desktop.CreatePad(host, "MvPad", false);
    desktop.AssignModel(*shadow, *host->Model());

    // c: the pad's icon is connected.
    DesktopPad* iconified = Pad(nullptr, "Iconified");
    DesktopPad* icon = desktop.AddPad(parent, "Icon", 0, 0, 16, 16, "MvIconPad");
    icon->SetStandsFor(iconified);
    iconified->SetIcon(icon);
    ASSERT_TRUE(desktop.ConnectPad(icon, "value"));

    auto parentRow = Build(parent);
    auto iconifiedRow = Build(iconified);
    EXPECT_EQ(FindRowByPad(parentRow.get(), linked)->connected, 1);
    EXPECT_EQ(FindRowByPad(parentRow.get(), plain)->connected, 0);
    EXPECT_EQ(FindRowByPad(parentRow.get(), host)->connected, 1);
    EXPECT_EQ(iconifiedRow->connected, 1);
    EXPECT_EQ(parentRow->connected, 0);

    shadow->SetDeleteHidden(true);
    auto again = Build(parent);
    EXPECT_EQ(FindRowByPad(again.get(), host)->connected, 0);
}

TEST(RowList, AppendRefusesASecondRowForAPad) {
    RowList list;
    auto* pad = reinterpret_cast<MvSimplePad*>(0x10);
    auto first = std::make_unique<InspectorRow>();
    first->pad = pad;
    EXPECT_EQ(Append(list, std::move(first)), nullptr);
    auto second = std::make_unique<InspectorRow>();
    second->pad = pad;
    auto refused = Append(list, std::move(second));
    EXPECT_NE(refused, nullptr);
    EXPECT_EQ(Length(&list), 1);
}

TEST(RowList, FindAndRemoveMatchByPadIncludingTheDesktopRow) {
    auto root = std::make_unique<InspectorRow>();
    root->isDesktop = 1;
    auto* padA = reinterpret_cast<MvSimplePad*>(0x10);
    auto* padB = reinterpret_cast<MvSimplePad*>(0x20);
    for (MvSimplePad* pad : {padA, padB}) {
        auto row = std::make_unique<InspectorRow>();
        row->pad = pad;
        row->parentRow = root.get();
        Append(root->children, std::move(row));
    }
    auto desktopCopy = CopyRow(*root);
    EXPECT_EQ(desktopCopy->children.head, nullptr);
    EXPECT_EQ(FindRowLike(root.get(), *desktopCopy), root.get());
    EXPECT_EQ(FindRowByPad(root.get(), nullptr), nullptr);
    EXPECT_EQ(CountSubtree(root.get()), 3);

    auto copyOfB = CopyRow(*root->children.tail);
    Remove(root->children, *copyOfB);
    EXPECT_EQ(Length(&root->children), 1);
    EXPECT_EQ(root->children.head->pad, padA);
    EXPECT_EQ(root->children.tail->pad, padA);
}

} // namespace
