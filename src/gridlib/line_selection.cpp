#include "line_selection.h"

#include <algorithm>

void LineSelection::SetMode(int newMode) {
    mode = (newMode >= 0 && newMode <= 3) ? newMode : 0;
    selectedLine = -1;
    anchor = -1;
    count = 0;
    lines.clear();
}

bool LineSelection::IsSelected(int line) const {
    if (line < 0)
        return false;
    if (mode == 2)
        return static_cast<std::size_t>(line) < lines.size() && lines[line];
    return line == selectedLine;
}

void LineSelection::SetBit(int line, bool selected, std::vector<Change>& changes) {
    if (IsSelected(line) == selected)
        return;
    if (static_cast<std::size_t>(line) >= lines.size())
        lines.resize(static_cast<std::size_t>(line) + 1, false);
    lines[line] = selected;
    count += selected ? 1 : -1;
    changes.push_back({line, selected});
}

std::vector<LineSelection::Change> LineSelection::Select(int line, int flags, int nLines) {
    std::vector<Change> changes;
    if (mode == 0 || line < 0 || line >= nLines)
        return changes;
    if (mode == 1 || mode == 3) {
        if (line == selectedLine) {
            if (mode == 1) {
                selectedLine = -1;
                count = 0;
                changes.push_back({line, false});
            }
            return changes;
        }
        if (selectedLine >= 0)
            changes.push_back({selectedLine, false});
        selectedLine = line;
        count = 1;
        changes.push_back({line, true});
        return changes;
    }
    if ((flags & extend) != 0 && anchor >= 0) {
        const int step = line >= anchor ? 1 : -1;
        for (int l = anchor + step; l != line + step; l += step)
            SetBit(l, true, changes);
    } else if ((flags & add) != 0) {
        SetBit(line, !IsSelected(line), changes);
    } else {
        // All lines are unselected, then the line is toggled: it always ends selected. A line
        // that was selected already is left alone rather than reported twice.
        for (int l : SelectedLines()) {
            if (l != line)
                SetBit(l, false, changes);
        }
        SetBit(line, true, changes);
    }
    anchor = line;
    return changes;
}

std::vector<LineSelection::Change> LineSelection::UnselectAll() {
    std::vector<Change> changes;
    if (mode == 2) {
        for (int l : SelectedLines())
            SetBit(l, false, changes);
        anchor = -1;
    } else if (selectedLine >= 0) {
        changes.push_back({selectedLine, false});
        selectedLine = -1;
        count = 0;
    }
    return changes;
}

std::vector<LineSelection::Change> LineSelection::Truncate(int nLines) {
    std::vector<Change> changes;
    nLines = std::max(0, nLines);
    if (mode == 2) {
        for (int l : SelectedLines()) {
            if (l >= nLines)
                SetBit(l, false, changes);
        }
        if (anchor >= nLines)
            anchor = -1;
    } else if (selectedLine >= nLines) {
        changes.push_back({selectedLine, false});
        selectedLine = -1;
        count = 0;
    }
    return changes;
}

std::vector<int> LineSelection::SelectedLines() const {
    std::vector<int> result;
    if (mode == 2) {
        for (std::size_t l = 0; l < lines.size(); ++l) {
            if (lines[l])
                result.push_back(static_cast<int>(l));
        }
    } else if (selectedLine >= 0) {
        result.push_back(selectedLine);
    }
    return result;
}
