#pragma once

#include "GeometryValues.h"
#include "PadRect.h"

#include <functional>
#include <memory>
#include <optional>

class GeometryMessages;
class MvSimplePad;
class RowIndex;
class RowList;
struct InspectorRow;

// The Inspector's row tree as it is now: notifications may change it while pads change.
using TreeRoot = std::function<InspectorRow*()>;
// The index of that tree's rows, asked with it; a null index (or none) has rows found by
// walking the tree.
using TreeIndex = std::function<const RowIndex*()>;

// Gathered over the pads after the reference pad: what makes the question before applying.
struct GeometryFlags {
    bool somePositionLocked = false; // a pad with bit 0x1
    bool someSizeLocked = false;     // a pad with bit 0x2
    bool someFixed = false;          // a pad with both bits, or grouped
};

// The pads one run of the Geometry dialog acts on: copies of the selected rows in selection
// order, one per pad. The first is the reference row, whose pad's values are shown.
struct GeometrySelection {
    std::unique_ptr<RowList> pads;
    InspectorRow* referenceRow = nullptr;
    GeometryFlags flags;

    GeometrySelection();
    ~GeometrySelection();
    GeometrySelection(GeometrySelection&&) noexcept;
    GeometrySelection& operator=(GeometrySelection&&) noexcept;
};

// The message of a field that does not read or is out of range: 32652 for X and Y, 32654
// for the sizes.
unsigned RangeMessageOf(GeometryField field);

// Reads X, Y, height and width in that order (signed, signed, unsigned, unsigned), each into
// `values` at once, then tests the ranges in the order X, Y, width, height. The first field
// that does not read or is out of range fails: 32652 for X and Y, 32654 for the sizes.
std::optional<GeometryFailure> ValidateGeometryFields(const GeometryTexts& texts,
                                                      GeometryValues& values);

// Starts a run: the selected rows still in the tree, neither gone nor the desktop row, become
// the pads; the values are the reference pad's rectangle in Absolute mode, every Arrange flag
// set for one pad and clear for several. False when no row is left: there is no reference
// pad, and the dialog does not open.
bool OpenGeometry(const RowList* selectedRows, InspectorRow* rootRow, GeometrySelection& selection,
                  GeometryValues& values, const RowIndex* index = nullptr);

// Validates the fields (a failure keeps the mode), then converts X and Y between desktop
// co-ordinates and co-ordinates from the origin of the reference pad's parent.
std::optional<GeometryFailure> SwitchGeometryMode(const GeometryTexts& texts, CoordinateMode mode,
                                                  const GeometrySelection& selection,
                                                  InspectorRow* rootRow, GeometryValues& values,
                                                  const RowIndex* index = nullptr);

// Validates the fields (a failure leaves the flag alone), then inverts one Arrange flag.
std::optional<GeometryFailure> ToggleArrange(const GeometryTexts& texts, GeometryField field,
                                             GeometryValues& values);

// The Arrange boxes can be used only with several pads.
bool ArrangeBoxesEnabled(const GeometrySelection& selection);
// A value's field, label and spinner are usable while its Arrange flag is set and the
// reference pad is neither locked for that value nor grouped.
bool GeometryFieldEnabled(const GeometrySelection& selection, const GeometryValues& values,
                          GeometryField field, InspectorRow* rootRow,
                          const RowIndex* index = nullptr);

// The question asked before anything is applied: 0 for none, else 32658, 32660 or 32661.
unsigned GeometryQuestion(const GeometryFlags& flags);

// What OK and Reflect do before applying: validate (a failure is shown and its field
// returned, for the focus) and ask the question. `proceed` is true only for a Yes or no
// question at all.
struct GeometryCheck {
    bool proceed = false;
    std::optional<GeometryField> focus;
};
GeometryCheck CheckGeometry(const GeometryTexts& texts, const GeometrySelection& selection,
                            GeometryValues& values, GeometryMessages& messages);

// Every pad of the list, a selected pad only after every selected pad above it, otherwise in
// selection order. Pads that left the tree are skipped silently; a refused pad is reported
// through `owner` and the others still change. The list itself stays as it is.
void ApplyGeometryToPads(const RowList* pads, const GeometryValues& values, const TreeRoot& root,
                         GeometryMessages& owner, const TreeIndex& index = {});
// One pad: size and position are each changed only when allowed and due; a confined pad
// that would leave its parent, or shrink over its confined children, keeps both (32662).
void ApplyGeometry(const InspectorRow& entry, const GeometryValues& values, InspectorRow* rootRow,
                   GeometryMessages& owner, const RowIndex* index = nullptr);

// The smallest rectangle around the pad's confined, ungrouped children; none without one.
std::optional<PadRect> ProtectedChildrenBounds(MvSimplePad* pad);

// After Reflect: the reference pad's rectangle in the current mode. False, with the values
// unchanged, when the Inspector has no tree or the reference pad has left it.
bool RereadGeometry(const GeometrySelection& selection, InspectorRow* rootRow,
                    GeometryValues& values, const RowIndex* index = nullptr);
// True while some pad of the list still has a row in the tree, gone or not.
bool AnyGeometryPadLeft(const RowList* pads, InspectorRow* rootRow,
                        const RowIndex* index = nullptr);

// Reflect after CheckGeometry said go: applies with the dialog as owner of the messages and
// rereads the values. True when the dialog stays open, false when it ends with 0.
bool ReflectGeometry(const GeometrySelection& selection, GeometryValues& values,
                     const TreeRoot& root, GeometryMessages& dialog, const TreeIndex& index = {});
