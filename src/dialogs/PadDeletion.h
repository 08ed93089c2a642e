#pragma once

class MvSimplePad;

// Deletes a pad through the framework. With its children: undoably, and the desktop is told.
// Without: DeleteKeepingChildren.
void DeletePad(MvSimplePad* pad, bool withChildren);

// Destroys the pad after re-pasting its shown children onto its parent (the desktop for a
// pad on the desktop) at the places where they were shown, ungrouped. Data links of other
// pads into the pad's ancestors that the re-paste broke are connected again.
void DeleteKeepingChildren(MvSimplePad* pad);
