#pragma once

#include <vector>

// The selected lines of a grid.
//   mode 0: nothing can be selected;
//   mode 1: one line; selecting it again unselects it;
//   mode 2: any number of lines, with an anchor for extending; a plain select leaves only the
//           given line selected, add toggles it, extend selects from the anchor to it;
//   mode 3: one line that follows the current line; selecting it again keeps it.
class LineSelection {
public:
    enum : int { extend = 0x4, add = 0x8 };

    struct Change {
        int line;
        bool selected;
    };

    int Mode() const { return mode; }
    // Changing the mode forgets the selection.
    void SetMode(int newMode);

    // Selects (or toggles) a line below nLines as the mode says; answers the lines whose state
    // changed, in the order they changed. A refused line changes nothing.
    std::vector<Change> Select(int line, int flags, int nLines);
    std::vector<Change> UnselectAll();
    // Forgets selected lines at or beyond nLines (the list became shorter).
    std::vector<Change> Truncate(int nLines);

    bool IsSelected(int line) const;
    int Count() const { return count; }
    int SelectedLine() const { return selectedLine; } // modes 1 and 3; -1 for none
    int Anchor() const { return anchor; }             // mode 2; -1 for none
    std::vector<int> SelectedLines() const;

private:
    void SetBit(int line, bool selected, std::vector<Change>& changes);

    int mode = 0;
    int selectedLine = -1;
    int anchor = -1;
    int count = 0;
    // Mode 2: one flag per line, grown as lines are selected.
    std::vector<bool> lines;
};
