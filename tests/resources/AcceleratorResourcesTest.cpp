#include "ResourceTest.h"

#include <set>
#include <utility>

namespace {

constexpr BYTE kCtrl = FCONTROL;
constexpr BYTE kShift = FSHIFT;
constexpr BYTE kAlt = FALT;

class AcceleratorResourcesTest : public ResourceTest {
protected:
    // The command a key with these modifiers gives; 0 when it is not bound.
    static WORD CommandFor(const AcceleratorTable& table, WORD key, BYTE modifiers) {
        for (const ACCEL& accel : table.entries) {
            if (accel.key == key && (accel.fVirt & (FCONTROL | FSHIFT | FALT)) == modifiers)
                return accel.cmd;
        }
        return 0;
    }
};

TEST_F(AcceleratorResourcesTest, KeysGiveTheirCommands) {
    struct Case {
        WORD key;
        BYTE modifiers;
        WORD command;
    };
    const Case cases[] = {
        {VK_DOWN, 0, 32780},
        {VK_DOWN, kCtrl, 32800},
        {VK_DOWN, kShift, 32792},
        {VK_UP, kShift, 32793},
        {VK_LEFT, 0, 32783},
        {VK_LEFT, kCtrl, 32777},
        {VK_RIGHT, kCtrl, 32778},
        {VK_RIGHT, kShift, 32795},
        {VK_HOME, kCtrl, 32802},
        {VK_END, kShift, 32797},
        {VK_NEXT, 0, 32790},
        {VK_PRIOR, kCtrl, 32805},
        {VK_SPACE, kCtrl, 32786},
        {VK_SPACE, kShift, 32806},
        {VK_RETURN, 0, 32782},
        {VK_RETURN, kCtrl, 0},
        {VK_RETURN, kShift, 0},
        {'A', kCtrl, 32830},
        {VK_DELETE, 0, 32700},
        {VK_RETURN, kAlt, 32701},
        {VK_F1, 0, 57670},
        {VK_F1, kShift, 57669},
        {VK_F12, kCtrl, 32720},
        {VK_ESCAPE, 0, 32789},
        {'C', kCtrl, 32789},
        {'Z', kCtrl, 32789},
        {VK_BACK, kAlt, 32789},
        {VK_F6, kShift, 32789},
        {VK_INSERT, kCtrl, 32789},
        {VK_INSERT, kShift, 32789},
        {'A', 0, 0},
        {VK_INSERT, 0, 0},
    };
    const AcceleratorTable* table = FindAcceleratorResource(module, 2);
    ASSERT_NE(table, nullptr);
    for (const Case& c : cases)
        EXPECT_EQ(CommandFor(*table, c.key, c.modifiers), c.command)
            << "key " << c.key << " with " << int(c.modifiers);
}

TEST_F(AcceleratorResourcesTest, EveryKeyIsBoundOnceAsAVirtualKeyThatDoesNotFlashTheMenu) {
    const AcceleratorTable* table = FindAcceleratorResource(module, 2);
    ASSERT_NE(table, nullptr);
    // The grid of 28 navigation keys, 6 further commands and 15 swallowed keys.
    EXPECT_EQ(table->entries.size(), 49u);
    std::set<std::pair<WORD, BYTE>> keys;
    for (const ACCEL& accel : table->entries) {
        EXPECT_EQ(accel.fVirt & (FVIRTKEY | FNOINVERT), FVIRTKEY | FNOINVERT) << accel.cmd;
        EXPECT_TRUE(keys.insert({accel.key, accel.fVirt}).second) << "key " << accel.key;
    }
}

TEST_F(AcceleratorResourcesTest, BothLanguagesShareTheTable) {
    native::SetLanguage(Language::Japanese);
    const AcceleratorTable* japanese = FindAcceleratorResource(module, 2);
    native::SetLanguage(Language::English);
    EXPECT_EQ(japanese, FindAcceleratorResource(module, 2));
    EXPECT_EQ(FindAcceleratorResource(module, 3), nullptr);
}

} // namespace
