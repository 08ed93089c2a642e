#include "service/InspectorExports.h"

// The Inspectors follow these reports of the desktop; until they do, each is accepted and
// changes nothing.
void inspectorChangedPaste(MvSimplePad*) {}
void inspectorChangedShow(MvSimplePad*) {}
void inspectorChangedHide(MvSimplePad*) {}
void inspectorChangedSize(MvSimplePad*) {}
void inspectorChangedPosition(MvSimplePad*) {}
void inspectorChangedConnect(MvSimplePad*) {}
void inspectorChangedSelect(MvSimplePad*) {}
void inspectorChangedDelete(MvSimplePad*) {}
void inspectorChangedOutput(MvSimplePad*) {}
void inspectorChangedSlotValue(MvSimpleModel*, int) {}
void inspectorChangedOwnname(MvSimplePad*) {}
void inspectorChangedGroup(MvSimplePad*) {}

namespace {
// Line, lower and raise change nothing an Inspector shows.
void IgnoreChange(MvSimplePad*) {}
} // namespace

void inspectorChangedLine(MvSimplePad* pad) {
    IgnoreChange(pad);
}
void inspectorChangedLower(MvSimplePad* pad) {
    IgnoreChange(pad);
}
void inspectorChangedRaise(MvSimplePad* pad) {
    IgnoreChange(pad);
}
