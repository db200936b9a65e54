#include "tgrid.h"

#include "grid_parts.h"

bool TGrid::SelectLine(int line, int flags) {
    if (selection.Mode() == 0 || line < 0 || line >= nLines)
        return false;
    ApplySelectionChanges(selection.Select(line, flags, nLines));
    return true;
}

void TGrid::UnselectAllLines() {
    ApplySelectionChanges(selection.UnselectAll());
}

void TGrid::ApplySelectionChanges(const std::vector<LineSelection::Change>& changes) {
    for (const LineSelection::Change& change : changes) {
        RefreshLine(change.line);
        LineSelectionChanged(change.line, change.selected);
    }
}

bool TGrid::LineSelected(int line) const {
    return selection.IsSelected(line);
}

int TGrid::CountSelectedLines() const {
    return selection.Count();
}

int TGrid::GetSelectedLine() const {
    return selection.SelectedLine();
}

std::vector<int> TGrid::GetSelectedLines() const {
    return selection.SelectedLines();
}

int TGrid::SelectionMode() const {
    return selection.Mode();
}

int TGrid::AnchorLine() const {
    return selection.Anchor();
}
