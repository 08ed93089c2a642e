#pragma once

#include "GeometryRules.h"
#include "GeometryValues.h"
#include "PasteRequest.h"

#include <functional>
#include <optional>
#include <vector>

class MvSimplePad;
class PasteQuestions;
struct InspectorRow;

// What the Insert/Replace dialog decides without its window. Its eleven radio buttons are the
// request's kind, position choice and size choice; its four fields are GeometryTexts.

// Run's starting point: the two pads, insert as parent, Parent Position and Parent Size.
void ResetInsertReplace(PasteRequest& request, MvSimplePad* from, MvSimplePad* to);

// Moves a check off a choice the kind forbids: insert as parent of a pad on the desktop has
// no Parent Position or Parent Size (Child takes them), insert as child has no Child
// Position or Child Size (Parent takes them).
void ApplyKindRule(PasteRequest& request);

struct ControlEnabled {
    unsigned id = 0;
    bool enabled = false;
};
// Every position and size control with whether it is enabled for the request's choices:
// nothing under replace; otherwise the choices the kind allows, and the X and Y (width and
// height) fields, labels and spinners only under Move to (Resize to).
std::vector<ControlEnabled> InsertReplaceEnabling(const PasteRequest& request);
// The text of the group box under the kinds: string 4 for the insert kinds, 5 for replace.
unsigned KindDescriptionOf(PasteKind kind);

// The radio buttons' handlers. Each returns true when the preview is to be shown.
bool ChooseKind(PasteRequest& request, PasteKind kind);
bool ChoosePosition(PasteRequest& request, PositionChoice choice);
bool ChooseSize(PasteRequest& request, SizeChoice choice);

// The geometry the checked choices give, with the typed values read as signed numbers (text
// that does not read counts as 0); returns the four texts the fields then show.
GeometryTexts PreviewInsertReplace(PasteRequest& request, const GeometryTexts& typed);

// OK: reads the typed values of Move to and Resize to (X, Y, width, height: first whether
// each reads, then each range), then, unless replacing, computes the geometry and asks the
// confinement questions. A failure is shown through `questions` and leaves the dialog open,
// with the focus on `focus` when a field is at fault.
struct InsertReplaceCheck {
    bool proceed = false;
    std::optional<GeometryField> focus;
};
InsertReplaceCheck ConfirmInsertReplace(PasteRequest& request, const GeometryTexts& typed,
                                        PasteQuestions& questions);

// Both pads still have rows in the tree. The dialog reads its pads only while this holds: a
// pad deleted while the dialog waits has left the tree and may be freed.
bool PastePadsInTree(const PasteRequest& request, InspectorRow* rootRow);

// One run: nothing in a search-results Inspector or without both pads; otherwise the
// choices are reset, `showDialog` lets the user choose and returns true for OK, and the
// paste is carried out if both pads are still in the Inspector's tree. Returns 1 only when
// a replace removed the pad of the root row.
int RunInsertReplace(PasteRequest& request, MvSimplePad* from, MvSimplePad* to, bool searchView,
                     const std::function<bool()>& showDialog, const TreeRoot& root,
                     PasteQuestions& questions);
