#include "tgrid.h"

#include "tgedit.h"

#include <QDialog>

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

int PageDistance(int visibleLines, int repeat) {
    return static_cast<int>(std::min<int64_t>(int64_t{visibleLines} * std::max(1, repeat),
                                              std::numeric_limits<int>::max()));
}

} // namespace

bool TGrid::KeyDown(int key, Qt::KeyboardModifiers modifiers, int repeat) {
    const bool ctrl = (modifiers & Qt::ControlModifier) != 0;
    const bool shift = (modifiers & Qt::ShiftModifier) != 0;
    repeat = std::max(1, repeat);
    switch (key) {
    case Qt::Key_Tab:
        return VkTab(ctrl, shift, repeat);
    case Qt::Key_Backtab:
        return VkTab(ctrl, true, repeat);
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VkReturn(ctrl, shift, repeat);
    case Qt::Key_Escape:
        return VkEscape(ctrl, shift, repeat);
    case Qt::Key_PageUp:
        return VkPrior(ctrl, shift, repeat);
    case Qt::Key_PageDown:
        return VkNext(ctrl, shift, repeat);
    case Qt::Key_End:
        return VkEnd(ctrl, shift, repeat);
    case Qt::Key_Home:
        return VkHome(ctrl, shift, repeat);
    case Qt::Key_Left:
        return VkLeft(ctrl, shift, repeat);
    case Qt::Key_Up:
        return VkUp(ctrl, shift, repeat);
    case Qt::Key_Right:
        return VkRight(ctrl, shift, repeat);
    case Qt::Key_Down:
        return VkDown(ctrl, shift, repeat);
    case Qt::Key_Insert:
        return VkInsert(ctrl, shift, repeat);
    case Qt::Key_Delete:
        return VkDelete(ctrl, shift, repeat);
    default:
        return false;
    }
}

bool TGrid::VkTab(bool ctrl, bool shift, int repeat) {
    if (tabKeyMode == tkLeaveGrid || ctrl) {
        if (ControlLetsGo(true) && ValidateLine(CurrentLine()))
            LeaveGrid(!shift);
        return true;
    }
    if (tabKeyMode == tkLikeArrows) {
        if (!ControlLetsGo(true))
            return true;
        return shift ? VkLeft(false, false, repeat) : VkRight(false, false, repeat);
    }
    // The cell is stored (or refused) once, before deciding between the next column and the
    // next line, so that the owner is asked once per key.
    if (!LeaveCurrentCell())
        return true;
    for (int i = 0; i < repeat; ++i) {
        const int line = CurrentLine();
        if (shift) {
            if (GotoPreviousColumn())
                continue;
            if (line <= 0 || !Go(line - 1) || CurrentLine() == line)
                break;
            GotoLastColumn();
        } else {
            if (GotoNextColumn())
                continue;
            if (!Go(line + 1) || CurrentLine() == line)
                break;
            GotoFirstColumn();
        }
    }
    return true;
}

bool TGrid::VkReturn(bool ctrl, bool shift, int repeat) {
    if (ctrl)
        return false;
    if (shift && selection.Mode() != 0) {
        if (CurrentLine() >= 0)
            SelectLine(CurrentLine(), slAdd);
        return true;
    }
    switch (enterKeyMode) {
    case ekNextColumn: {
        if (!LeaveCurrentCell())
            return true;
        const int line = CurrentLine();
        if (!GotoNextColumn() && Go(line + 1) && CurrentLine() != line)
            GotoFirstColumn();
        return true;
    }
    case ekNextLine:
        if (ControlLetsGo(true) && Move(repeat))
            GotoFirstColumn();
        return true;
    case ekSwallowed:
        return true;
    default:
        return false;
    }
}

bool TGrid::VkEscape(bool ctrl, bool shift, int) {
    if (ctrl || shift)
        return false;
    if (auto* dialog = qobject_cast<QDialog*>(window())) {
        for (const TGridColumn& column : columns) {
            if (auto* edit = qobject_cast<TGEdit*>(column.control))
                edit->SetValidator(nullptr);
        }
        dialog->reject();
        return true;
    }
    // Outside a dialog nothing can be cancelled: the cell goes back to its stored data.
    ReloadCurrentCell();
    return true;
}

bool TGrid::VkPrior(bool ctrl, bool, int repeat) {
    if (ctrl)
        Go(0);
    else
        Move(-PageDistance(visibleLines, repeat));
    return true;
}

bool TGrid::VkNext(bool ctrl, bool, int repeat) {
    if (!ctrl) {
        Move(PageDistance(visibleLines, repeat));
        return true;
    }
    if (nLines <= 0 || !Go(nLines - 1))
        return true;
    // Show the last full window.
    const int top = std::max(0, nLines - visibleLines);
    if (layout == glTable && topLine != top) {
        topLine = top;
        currentRow = nLines - 1 - top;
        ReloadCurrentCell();
        UpdateScrollBars();
    }
    return true;
}

bool TGrid::VkEnd(bool ctrl, bool, int) {
    if (!ctrl)
        return false;
    if (ControlLetsGo(true))
        GotoLastColumn();
    return true;
}

bool TGrid::VkHome(bool ctrl, bool, int) {
    if (!ctrl)
        return false;
    if (ControlLetsGo(true))
        GotoFirstColumn();
    return true;
}

bool TGrid::VkLeft(bool, bool, int repeat) {
    for (int i = 0; i < repeat && GotoPreviousColumn(); ++i) {
    }
    return true;
}

bool TGrid::VkRight(bool, bool, int repeat) {
    for (int i = 0; i < repeat && GotoNextColumn(); ++i) {
    }
    return true;
}

bool TGrid::VkUp(bool ctrl, bool, int repeat) {
    if (ctrl && (style & gsMoveLines) != 0)
        return MoveLines(-1, repeat);
    Move(-repeat);
    return true;
}

bool TGrid::VkDown(bool ctrl, bool, int repeat) {
    if (ctrl && (style & gsMoveLines) != 0)
        return MoveLines(1, repeat);
    Move(repeat);
    return true;
}

bool TGrid::MoveLines(int direction, int repeat) {
    if (CurrentLine() < 0 || !ControlLetsGo(true) || !StoreCurrentCell())
        return true;
    for (int i = 0; i < repeat; ++i) {
        const int line = CurrentLine();
        const int target = line + direction;
        if (target < 0 || target >= nLines || !SwapLines(line, target) || !Go(target))
            break;
    }
    return true;
}

bool TGrid::VkInsert(bool ctrl, bool, int repeat) {
    if (!ctrl)
        return false;
    const int line = std::max(0, CurrentLine());
    if (!ControlLetsGo(true) || !ValidateLine(CurrentLine()))
        return true;
    int inserted = 0;
    while (inserted < repeat && InsertLine(line))
        ++inserted;
    if (inserted == 0)
        return true;
    modified = true;
    if (CurrentLine() < 0 && nLines > 0)
        Go(0);
    else
        ReloadCurrentCell();
    if (layout == glRecord)
        ShowRecordLine();
    return true;
}

bool TGrid::VkDelete(bool ctrl, bool, int) {
    if (!ctrl)
        return false;
    const int line = CurrentLine();
    if (line < 0 || !DeleteLine(line))
        return true;
    modified = true;
    if (layout == glRecord && IsCurrentLineValid())
        ShowRecordLine();
    ReloadCurrentCell();
    return true;
}
