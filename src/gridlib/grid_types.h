#pragma once

// Names shared by the grid and its column controls.

// How a cell's text lies in its cell.
enum TGAlign : int { alLeft = 0, alCenter = 1, alRight = 2 };

// What Enter does in a grid.
enum TGEnterKey : int {
    ekNextColumn = 0, // next column, then the first column of the next line
    ekNextLine = 1,   // first column of the next line
    ekNotHandled = 2, // left to the control and the window
    ekSwallowed = 3,  // consumed without effect
};

// What Tab does in a grid.
enum TGTabKey : int {
    tkLikeArrows = 0, // like Right (Left with Shift)
    tkNextColumn = 1, // next column, wrapping to the next line
    tkLeaveGrid = 2,  // to the next control of the window
};

// How the row-header bar marks the current line.
enum TGLineMarker : int {
    lmNone = 0,  // line numbers only
    lmArrow = 1, // an arrow beside the current line's number
    lmBold = 2,  // the current line's number in bold on the highlight colour
};

// How a grid shows its lines.
enum TGLayout : int {
    glTable = 0,  // one row per line, the current cell's control over its cell
    glRecord = 1, // one line at a time, every column's control in its own place
};

// Style bits of TGrid::Init.
enum : int {
    gsVertScroll = 0x1,
    gsHorzScroll = 0x2,
    gsTitleBar = 0x4,
    gsRowHeader = 0x8,
    gsMoveLines = 0x200, // Ctrl+Up and Ctrl+Down move lines
    gsSingleSelect = 0x1000,
    gsMultiSelect = 0x2000, // with gsSingleSelect: one selected line following the current one
};

// Flags of TGrid::SelectLine.
enum : int { slExtend = 0x4, slAdd = 0x8 };

// Column types, chosen from the control's class when a column is added.
enum TGColumnType : int {
    ctEdit = 0,
    ctStatic = 1, // never takes the focus
    ctCombo = 2,
    ctButton = 3,
    ctCheckBox = 4,
    ctShortEdit = 5,
    ctLongEdit = 6,
    ctDoubleEdit = 7,
    ctDateEdit = 8, // also the date-and-time edit
    ctTimeEdit = 9,
};

// The dynamic property of a QWidget that holds its control id.
inline constexpr const char* controlIdProperty = "cellixControlId";
