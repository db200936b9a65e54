#pragma once

// The visible window of a grid's lines: the first visible line and the current line's row in
// the window.
struct LineWindow {
    int topLine = 0;
    int currentRow = 0;
};

// The window after moving the current line to newLine. A line inside the window changes only
// the row. Otherwise the window moves by the distance between the old and the new line, is held
// so that a fixed-size list (fixedSize) does not scroll past its last line and never starts
// below line 0; the row is what remains, kept inside the window.
LineWindow MoveLineWindow(LineWindow from, int newLine, int visibleLines, int nLines,
                          bool fixedSize);
