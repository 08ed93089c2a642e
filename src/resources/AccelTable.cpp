#include "AccelTable.h"

#include "CommandIds.h"
#include "ResourceIds.h"

#include <algorithm>

namespace {

// Every entry is a virtual key that does not flash the menu bar.
ACCEL Key(WORD key, WORD command, BYTE modifiers = 0) {
    return {static_cast<BYTE>(FVIRTKEY | FNOINVERT | modifiers), key, command};
}

std::vector<AcceleratorTable> BuildTables() {
    struct NavigationKey {
        WORD key;
        WORD plain, withCtrl, withShift; // 0: not bound
    };
    const NavigationKey navigation[] = {
        {VK_DOWN, ID_KEY_DOWN, ID_KEY_CTRL_DOWN, ID_KEY_SHIFT_DOWN},
        {VK_UP, ID_KEY_UP, ID_KEY_CTRL_UP, ID_KEY_SHIFT_UP},
        {VK_LEFT, ID_KEY_LEFT, ID_KEY_CTRL_LEFT, ID_KEY_SHIFT_LEFT},
        {VK_RIGHT, ID_KEY_RIGHT, ID_KEY_CTRL_RIGHT, ID_KEY_SHIFT_RIGHT},
        {VK_HOME, ID_KEY_HOME, ID_KEY_CTRL_HOME, ID_KEY_SHIFT_HOME},
        {VK_END, ID_KEY_END, ID_KEY_CTRL_END, ID_KEY_SHIFT_END},
        {VK_NEXT, ID_KEY_PAGE_DOWN, ID_KEY_CTRL_PAGE_DOWN, ID_KEY_SHIFT_PAGE_DOWN},
        {VK_PRIOR, ID_KEY_PAGE_UP, ID_KEY_CTRL_PAGE_UP, ID_KEY_SHIFT_PAGE_UP},
        {VK_SPACE, ID_KEY_SPACE, ID_KEY_CTRL_SPACE, ID_KEY_SHIFT_SPACE},
        {VK_RETURN, ID_KEY_ENTER, 0, 0},
    };
    AcceleratorTable inspector{IDR_MAINFRAME, {}};
    std::vector<ACCEL>& entries = inspector.entries;
    for (const NavigationKey& n : navigation) {
        entries.push_back(Key(n.key, n.plain));
        if (n.withCtrl != 0)
            entries.push_back(Key(n.key, n.withCtrl, FCONTROL));
        if (n.withShift != 0)
            entries.push_back(Key(n.key, n.withShift, FSHIFT));
    }
    entries.push_back(Key('A', ID_SELECT_ALL, FCONTROL));
    entries.push_back(Key(VK_DELETE, ID_EDIT_DELETE));
    entries.push_back(Key(VK_RETURN, ID_EDIT_PROPERTIES, FALT));
    entries.push_back(Key(VK_F1, ID_HELP));
    entries.push_back(Key(VK_F1, ID_CONTEXT_HELP, FSHIFT));
    entries.push_back(Key(VK_F12, ID_NO_HANDLER, FCONTROL));
    // Keys the host would otherwise act on while an Inspector has the focus.
    for (WORD letter : {'C', 'H', 'N', 'O', 'P', 'S', 'V', 'X', 'Z'})
        entries.push_back(Key(letter, ID_KEY_SWALLOW, FCONTROL));
    entries.push_back(Key(VK_BACK, ID_KEY_SWALLOW, FALT));
    entries.push_back(Key(VK_ESCAPE, ID_KEY_SWALLOW));
    entries.push_back(Key(VK_F6, ID_KEY_SWALLOW));
    entries.push_back(Key(VK_F6, ID_KEY_SWALLOW, FSHIFT));
    entries.push_back(Key(VK_INSERT, ID_KEY_SWALLOW, FCONTROL));
    entries.push_back(Key(VK_INSERT, ID_KEY_SWALLOW, FSHIFT));
    return {inspector};
}

} // namespace

std::span<const AcceleratorTable> AcceleratorTables() {
    static const std::vector<AcceleratorTable> tables = BuildTables();
    return tables;
}

const AcceleratorTable* FindAcceleratorTable(UINT id) {
    auto tables = AcceleratorTables();
    auto it = std::find_if(tables.begin(), tables.end(),
                           [id](const AcceleratorTable& table) { return table.id == id; });
    return it != tables.end() ? &*it : nullptr;
}
