#include "RecordingModule.h"

#include "DesktopModel.h"
#include "DesktopPad.h"

#include <string>

namespace {

RecordingModule* current = nullptr;

void Record(const char* entry, MvSimplePad* pad) {
    RecordedCall call;
    call.entry = entry;
    call.pad = pad;
    if (pad != nullptr) {
        auto* desktopPad = static_cast<DesktopPad*>(pad);
        const char* own = desktopPad->get_own_name();
        call.ownName = own ? own : "";
        call.childCount = desktopPad->ChildCount();
    }
    current->calls.push_back(call);
}

} // namespace

RecordingModule::RecordingModule() {
    current = this;
#define MV_RECORD(name)                                                                            \
    module.inspectorChanged##name = [](MvSimplePad* pad) { Record(#name, pad); };
    MV_RECORD(Paste)
    MV_RECORD(Show)
    MV_RECORD(Hide)
    MV_RECORD(Size)
    MV_RECORD(Position)
    MV_RECORD(Connect)
    MV_RECORD(Select)
    MV_RECORD(Delete)
    MV_RECORD(Output)
    MV_RECORD(Ownname)
    MV_RECORD(Group)
    MV_RECORD(Line)
    MV_RECORD(Lower)
    MV_RECORD(Raise)
#undef MV_RECORD
    module.inspectorChangedSlotValue = [](MvSimpleModel* model, int index) {
        RecordedCall call;
        call.entry = "SlotValue";
        call.model = model;
        call.slotIndex = index;
        if (DesktopSlot* slot = static_cast<DesktopModel*>(model)->Slot(index)) {
            SlotValue& value = slot->Value();
            if (value.Type() == kSlotString && value.String() != nullptr)
                call.slotValue = value.String();
            else if (value.Type() == kSlotNumber)
                call.slotValue = std::to_string(value.Number());
            else if (value.Type() == kSlotBoolean)
                call.slotValue = value.Boolean() ? "true" : "false";
        }
        current->calls.push_back(call);
    };
}

RecordingModule::~RecordingModule() {
    if (current == this)
        current = nullptr;
}

std::vector<std::string> RecordingModule::Entries() const {
    std::vector<std::string> entries;
    for (const RecordedCall& call : calls)
        entries.push_back(call.entry);
    return entries;
}
