#pragma once

// The displayable columns; position 0 of a column set always shows Label.
enum ColumnId : int {
    Label = 0,
    Position = 1,
    Size = 2,
    OutputSlot = 3,
    OutputValue = 4,
    RelativePosition = 5,
    PadName = 6,
    Connection = 7,
    GroupDepth = 8,
    PadId = 9,
};

constexpr int kMaxColumns = 10;
// Identifier 10 is accepted in stored settings but has no header nor cell text.
constexpr int kMaxStoredColumnId = 10;

// Which cells UpdateRowCells rewrites.
enum RowChange : int {
    Selection = 0,
    SelectionAlso = 1,
    LabelChange = 2,
    Geometry = 3,
    GeometryAlso = 4,
    Output = 5,
    OutputAlso = 6,
    PadNameChange = 7,
    ConnectionChange = 8,
    GroupDepthChange = 9,
    PadIdChange = 10,
};

// String id of a column's header; 0 for an identifier without a column.
unsigned ColumnHeaderId(int id);
