#pragma once

#include <string>

class RowList;
struct InspectorRow;

// The rows of the tree below `root`, pre-order, in the line format of WM_INSP_DESCRIBEROWS.
std::string DescribeRows(const InspectorRow* root, int* count = nullptr);
// The same for each member of a list and its subtree, in order.
std::string DescribeRowList(const RowList* rows, int* count = nullptr);
