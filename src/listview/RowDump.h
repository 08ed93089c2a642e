#pragma once

#include <string>

struct InspectorRow;

// The rows of the tree below `root`, pre-order, in the line format of WM_INSP_DESCRIBEROWS.
std::string DescribeRows(const InspectorRow* root, int* count = nullptr);
