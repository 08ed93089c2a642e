#pragma once

#include <cstddef>
#include <string>

class CInspectrView;
class MvSimplePad;
struct InspectorRow;

// Bringing single rows of a view up to date after a change of their pad. Each refresh
// needs a tree, Auto Update and a row that is not gone; it writes the new values into the
// row and rewrites the cells concerned when the row is in the list, here and in the
// search-result view.

void RefreshGeometry(CInspectrView& view, InspectorRow* row);
// RefreshGeometry of the row and of every row below it.
void RefreshGeometryBelow(CInspectrView& view, InspectorRow* row);
void RefreshOutput(CInspectrView& view, InspectorRow* row);
void RefreshConnection(CInspectrView& view, InspectorRow* row);
// Recomputes the connection flag of every pad row after `pad` was shown or deleted; with
// `countPad` false the pad no longer counts as a dependent.
void RefreshConnections(CInspectrView& view, MvSimplePad* pad, bool countPad);
// The label of the row and of the rows of its pad's children; the root's also retitles the
// frames. The search-result view follows through RefreshResultLabels.
void RefreshLabel(CInspectrView& view, InspectorRow* row);
void RefreshGroupDepth(CInspectrView& view, InspectorRow* row);
// Rewrites the label cell of every listed row, as nested labels name ancestors.
void RewriteLabels(CInspectrView& view);

// Takes the row and its subtree out: deselected, then removed with Auto Update, else marked
// gone. Removing the root empties the view. The list still needs a refill afterwards.
void RemoveRow(CInspectrView& view, InspectorRow* row);

// True when `pad` is the view's top pad or one of its ancestors.
bool IsTopPadOrAncestor(const CInspectrView& view, const MvSimplePad* pad);
// "<own name cut to `limit` bytes> - <string suffixId>".
std::string FrameTitle(const char* ownName, std::size_t limit, unsigned suffixId);
