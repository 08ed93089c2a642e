#pragma once

#include "PasteRequest.h"

#include <optional>

class MvSimplePad;
class PasteQuestions;
class RowList;
struct InspectorRow;

// The From and To pads of one Insert/Replace.
struct PastePads {
    MvSimplePad* from = nullptr;
    MvSimplePad* to = nullptr;
};

// Icon, anchor and dynamically loaded pads: never pasted, pasted on or opened in a tool.
bool IsExcludedPadClass(const char* className);
// A row whose pad may take part in an Insert/Replace: neither gone nor the desktop row, with
// a pad not protected against insertion (0x10000) and not of an excluded class.
bool IsPasteEligible(const InspectorRow* row);
// Exactly two selected rows, both eligible: the first gives the From pad, the second the To.
std::optional<PastePads> PastePadsOfSelection(const RowList* selectedRows);
// A dragged row dropped on another row; both eligible, the dragged one gives the From pad.
std::optional<PastePads> PastePadsOfDrop(const InspectorRow* source, const InspectorRow* target);

// Fills the request's result and as-parent flag from its kind and choices.
void ComputePasteGeometry(PasteRequest& request);
// Computes the geometry, then asks before a confined pad is fitted into its new parent's
// area. False when the user cancels; the request then holds the unfitted geometry.
bool ConfirmPasteGeometry(PasteRequest& request, PasteQuestions& questions);

// True when `a` contains `b`: it is reached from `b` going up through parents and through the
// parent of the icon pad of any pad on the way. With `viaIcon` the way must leave `b`, or an
// ancestor reached only through iconified pads, by an icon. An icon or dynamically loaded
// `a` counts as the pad it stands for.
bool PasteCreatesLoop(MvSimplePad* a, MvSimplePad* b, bool viaIcon);

// Carries the request out through the framework; a paste that would make a pad contain
// itself shows the loop message instead. Returns 1 only when a replace removed the pad of
// `rootRow`, which the Inspector then loses.
int ExecutePaste(const PasteRequest& request, const InspectorRow* rootRow,
                 PasteQuestions& questions);
