#include "CCmdTarget.h"

#include "CCmdUI.h"
#include "NativeBackend.h"

namespace {

// An entry for `code` that covers `id`, a command entry or a notice entry; a query looks for
// command entries.
const CCmdTarget::MessageMapEntry* FindEntry(const CCmdTarget::MessageMap* map, UINT id, int code,
                                             bool notice) {
    int wanted = code == CCmdTarget::CN_QUERY_HANDLER ? CCmdTarget::CN_COMMAND : code;
    for (; map != nullptr; map = map->baseMap != nullptr ? map->baseMap() : nullptr) {
        for (const CCmdTarget::MessageMapEntry* entry = map->entries;
             entry != nullptr && (entry->handler != nullptr || entry->notify != nullptr); ++entry) {
            if ((entry->notify != nullptr) == notice && entry->code == wanted &&
                id >= entry->firstId && id <= entry->lastId)
                return entry;
        }
    }
    return nullptr;
}

} // namespace

const CCmdTarget::MessageMap* CCmdTarget::GetThisMessageMap() {
    static const MessageMapEntry none{};
    static const MessageMap map{nullptr, &none};
    return &map;
}

const CCmdTarget::MessageMap* CCmdTarget::GetMessageMap() const {
    return GetThisMessageMap();
}

BOOL CCmdTarget::OnCmdMsg(UINT id, int code, void* extra) {
    const MessageMapEntry* entry = FindEntry(GetMessageMap(), id, code, false);
    if (entry == nullptr)
        return FALSE;
    if (code == CN_QUERY_HANDLER)
        return TRUE;
    if (code == CN_UPDATE_COMMAND_UI) {
        auto* cmdUI = static_cast<CCmdUI*>(extra);
        cmdUI->m_bContinueRouting = FALSE;
        entry->handler(*this, id, cmdUI);
        return !cmdUI->m_bContinueRouting;
    }
    return entry->handler(*this, id, nullptr);
}

BOOL CCmdTarget::OnNotifyMsg(UINT id, UINT code, NMHDR* header, LRESULT* result) {
    const MessageMapEntry* entry = FindEntry(GetMessageMap(), id, static_cast<int>(code), true);
    if (entry == nullptr)
        return FALSE;
    entry->notify(*this, header, result);
    return TRUE;
}

void CCmdTarget::BeginWaitCursor() {
    native::AdjustWaitCursor(1);
}
void CCmdTarget::EndWaitCursor() {
    native::AdjustWaitCursor(-1);
}
