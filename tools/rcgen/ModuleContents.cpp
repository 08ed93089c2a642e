#include "rcgen/ModuleContents.h"

#include "resources/AccelTable.h"
#include "resources/DialogTable.h"
#include "resources/ImageTable.h"
#include "resources/MenuTable.h"
#include "resources/StringTable.h"

namespace {

template <typename Range> std::vector<UINT> Ids(const Range& items) {
    std::vector<UINT> ids;
    for (const auto& item : items)
        ids.push_back(item.id);
    return ids;
}

} // namespace

RcContents InspectorContents() {
    RcContents contents;
    contents.strings = Ids(StringEntries());
    contents.menus = Ids(MenuSources());
    contents.accelerators = Ids(AcceleratorTables());
    contents.dialogs = Ids(DialogSources());
    contents.toolbars = Ids(ToolbarTemplates());
    contents.icons = Ids(IconImages());
    contents.bitmaps = Ids(BitmapImages());
    return contents;
}
