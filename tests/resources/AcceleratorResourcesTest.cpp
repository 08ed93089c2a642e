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

// The navigation keys, Delete, Alt+Enter, F1 and Shift+F1 are played through this table by
// the keyboard, frame and console tests; these are the keys nothing else presses.
TEST_F(AcceleratorResourcesTest, KeysGiveTheirCommands) {
    struct Case {
        WORD key;
        BYTE modifiers;
        WORD command;
    };
    const Case cases[] = {
        {VK_RETURN, kCtrl, 0},     {VK_RETURN, kShift, 0},     {VK_F12, kCtrl, 32720},
        {'Z', kCtrl, 32789},       {VK_BACK, kAlt, 32789},     {VK_F6, kShift, 32789},
        {VK_INSERT, kCtrl, 32789}, {VK_INSERT, kShift, 32789}, {'A', 0, 0},
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
    native::SetLanguage(Language::Japanese);
    EXPECT_EQ(FindAcceleratorResource(module, 2), table) << "both languages share the table";
    EXPECT_EQ(FindAcceleratorResource(module, 3), nullptr);
}

} // namespace
