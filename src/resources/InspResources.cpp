#include "InspResources.h"

#include "ResourceIds.h"
#include "StringTable.h"
#include "TextCodec.h"

const char* InspResources::FindString(Language language, UINT id) const {
    const StringEntry* entry = FindStringEntry(id);
    if (entry == nullptr)
        return nullptr;
    if (language == Language::English)
        return entry->english;
    auto it = japanese_.find(id);
    if (it == japanese_.end())
        it = japanese_.emplace(id, Utf8ToCodePage(entry->japanese, 932)).first;
    return it->second.c_str();
}

bool InspResources::HasIcon(UINT id) const {
    return id == IDR_MAINFRAME || (id >= IDI_ROW_FIRST && id <= IDI_ROW_LAST);
}

const InspResources& inspResources() {
    static InspResources resources;
    return resources;
}
