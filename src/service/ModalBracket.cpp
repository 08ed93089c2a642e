#include "ModalBracket.h"

#include "ResourceHelpers.h"
#include "host/MvHostServices.h"
#include "resources/ResourceIds.h"

#include <string>

ModalBracket::ModalBracket(Resources resources)
    : previousTimerStop_(MwSetTimerStop(1)), switched_(resources == Resources::Module) {
    if (switched_)
        previousResources_ = inspSelectModuleResources();
    SetModalOpen(1);
}

ModalBracket::~ModalBracket() {
    SetModalOpen(0);
    if (switched_)
        inspRestoreResources(previousResources_);
    MwSetTimerStop(previousTimerStop_);
}

int inspModalMessage(HWND owner, UINT stringId, UINT style) {
    std::string text;
    std::string caption;
    inspLoadString(text, stringId);
    inspLoadString(caption, IDS_INSPECTOR);
    ModalBracket bracket(ModalBracket::Resources::Unchanged);
    return inspShowMessage(owner, stringId, text, caption, style);
}
