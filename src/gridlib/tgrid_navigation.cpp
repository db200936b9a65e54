#include "tgrid.h"

#include "control_data.h"
#include "grid_parts.h"
#include "line_window.h"
#include "tgedit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTimer>

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

constexpr int centredCheckBoxWidth = 14;

} // namespace

bool TGrid::HasFocus() const {
    const QWidget* focus = QApplication::focusWidget();
    return focus && (focus == this || isAncestorOf(focus));
}

// Moving between lines.

bool TGrid::Go(int line, bool focus) {
    return MoveTo(line, focus, true);
}

bool TGrid::MoveTo(int line, bool focus, bool validate) {
    if (line < 0) {
        EmptyControls();
        HideCurrentControl();
        topLine = -1;
        currentRow = 0;
        Refresh();
        return true;
    }
    if (line >= nLines && maxLines <= 0) {
        // A growing list ends at the last line a 32-bit count can hold.
        line = std::min(line, std::numeric_limits<int>::max() - 1);
    }
    if (line >= nLines) {
        if (maxLines > 0) {
            line = nLines - 1;
        } else if (!CanAppendLine(line)) {
            UpdateScrollBars();
            return false;
        } else {
            nLines = line + 1;
        }
    }
    if (nLines <= 0 || line < 0)
        return false;
    const int oldLine = CurrentLine();
    if (line == oldLine) {
        if (focus && currentColumn >= 0 && !HasFocus())
            TakeFocus(currentColumn, true);
        return true;
    }
    if (validate && oldLine >= 0) {
        if (HasFocus() && loadedLine >= 0 && !ControlLetsGo(true))
            return false;
        if (!ValidateLine(oldLine))
            return false;
    }
    EmptyControls();

    const int oldTop = topLine;
    const LineWindow window =
        layout == glRecord
            ? LineWindow{line, 0}
            : MoveLineWindow({topLine, currentRow}, line, visibleLines, nLines, maxLines > 0);
    topLine = window.topLine;
    currentRow = window.currentRow;
    Refresh();
    UpdateScrollBars();
    if (layout == glRecord)
        ShowRecordLine();

    const int target = currentColumn >= 0 ? currentColumn : 0;
    if (!columns.empty() && !TakeFocus(target, focus) && !FindNearestUnlockedCell(target)) {
        HideCurrentControl();
        if (focus)
            setFocus(Qt::OtherFocusReason);
    }

    if (topLine != oldTop)
        VisibleLinesChanged(
            topLine,
            static_cast<int>(std::min<int64_t>(int64_t{topLine} + visibleLines, nLines) - 1));
    CurrentLineChanged(line, oldLine);
    if (selection.Mode() == 3)
        SelectLine(line);
    return true;
}

bool TGrid::Move(int delta, bool focus) {
    const int64_t target = int64_t{CurrentLine()} + delta;
    return Go(static_cast<int>(std::clamp<int64_t>(target, 0, std::numeric_limits<int>::max())),
              focus);
}

bool TGrid::ResetPosition() {
    if (!Go(0))
        return false;
    return GotoFirstColumn();
}

// Moving between columns.

bool TGrid::CanTakeFocus(int column) const {
    if (column < 0 || column >= ColumnCount() || !isEnabled() || !IsCurrentLineValid())
        return false;
    const TGridColumn& c = columns[column];
    if (c.type == ctStatic || c.width <= 0 || !c.control || !c.control->isEnabled())
        return false;
    const int state = const_cast<TGrid*>(this)->GetCellState(CurrentLine(), ControlId(c.control));
    return state == 0 || state == 1;
}

bool TGrid::LeaveCurrentCell() {
    if (currentColumn < 0 || loadedLine < 0)
        return true;
    return ControlLetsGo(true) && StoreCurrentCell();
}

bool TGrid::TakeFocus(int column, bool focus) {
    if (!CanTakeFocus(column))
        return false;
    QWidget* previous = nullptr;
    if (column != currentColumn) {
        previous = currentColumn >= 0 ? columns[currentColumn].control : nullptr;
        currentColumn = column;
        loadedLine = -1;
    }
    QWidget* control = columns[column].control;
    if (loadedLine != CurrentLine())
        LoadControl(column, CurrentLine());
    PlaceControl(column);
    control->show();
    if (focus)
        control->setFocus(Qt::OtherFocusReason);
    if (previous && layout == glTable)
        previous->hide();
    titleBar->update();
    return true;
}

bool TGrid::GotoColumn(int column) {
    if (!CanTakeFocus(column) || (column != currentColumn && !LeaveCurrentCell()))
        return false;
    return TakeFocus(column, true);
}

bool TGrid::GotoNextColumn() {
    if (!LeaveCurrentCell())
        return false;
    const int count = ColumnCount();
    for (int c = currentColumn + 1; c < count; ++c) {
        if (TakeFocus(c, true))
            return true;
    }
    if (layout == glRecord) {
        for (int c = 0; c < currentColumn; ++c) {
            if (TakeFocus(c, true))
                return true;
        }
    }
    // No column after this one takes the focus: the last one that does becomes current.
    GotoLastColumn();
    return false;
}

bool TGrid::GotoPreviousColumn() {
    if (!LeaveCurrentCell())
        return false;
    for (int c = currentColumn - 1; c >= 0; --c) {
        if (TakeFocus(c, true))
            return true;
    }
    if (layout == glRecord) {
        for (int c = ColumnCount() - 1; c > currentColumn; --c) {
            if (TakeFocus(c, true))
                return true;
        }
    }
    // No column before this one takes the focus: the first one that does becomes current.
    GotoFirstColumn();
    return false;
}

bool TGrid::GotoFirstColumn() {
    for (int c = 0; c < ColumnCount(); ++c) {
        if (CanTakeFocus(c))
            return GotoColumn(c);
    }
    return false;
}

bool TGrid::GotoLastColumn() {
    for (int c = ColumnCount() - 1; c >= 0; --c) {
        if (CanTakeFocus(c))
            return GotoColumn(c);
    }
    return false;
}

bool TGrid::FindNearestUnlockedCell(int column) {
    for (int distance = 1; distance < ColumnCount(); ++distance) {
        for (int c : {column - distance, column + distance}) {
            if (CanTakeFocus(c))
                return GotoColumn(c);
        }
    }
    return false;
}

// The current cell's control.

void TGrid::PlaceControl(int column) {
    if (layout != glTable || column < 0)
        return;
    const TGridColumn& c = columns[column];
    const int64_t visibleWidth = client->width();
    const int64_t right = int64_t{c.left} + c.width;
    if (c.left < hOffset)
        hOffset = c.left;
    else if (right > hOffset + visibleWidth)
        hOffset = static_cast<int>(std::min<int64_t>(c.left, right - visibleWidth));
    UpdateScrollBars();
    int x = c.left - hOffset;
    int width = c.type == ctCombo ? c.width - 1 : c.width;
    if (c.type == ctCheckBox && c.alignment == alCenter) {
        x += (c.width - centredCheckBoxWidth) / 2;
        width = centredCheckBoxWidth;
    }
    c.control->setGeometry(x, currentRow * lineHeight, width, lineHeight - 1);
    titleBar->update();
}

void TGrid::HideCurrentControl() {
    if (layout == glTable && currentColumn >= 0)
        columns[currentColumn].control->hide();
}

void TGrid::LoadControl(int column, int line) {
    const TGridColumn& c = columns[column];
    SetControlData(c.control, GetCellData(line, ControlId(c.control)));
    controlChanged = false;
    if (column == currentColumn)
        loadedLine = line;
}

void TGrid::ReloadCurrentCell() {
    loadedLine = -1;
    if (currentColumn >= 0 && IsCurrentLineValid())
        TakeFocus(currentColumn, HasFocus());
    Refresh();
}

bool TGrid::ControlModified(int column) const {
    const QWidget* control = columns[column].control;
    if (auto* line = qobject_cast<const QLineEdit*>(control))
        return line->isModified();
    return controlChanged;
}

bool TGrid::ControlLetsGo(bool showMessage) {
    if (currentColumn < 0)
        return true;
    QWidget* control = columns[currentColumn].control;
    if (auto* edit = qobject_cast<TGEdit*>(control))
        return edit->IsValid(showMessage);
    if (auto* line = qobject_cast<QLineEdit*>(control))
        return !line->validator() || line->hasAcceptableInput();
    return true;
}

bool TGrid::StoreCurrentCell() {
    if (currentColumn < 0 || loadedLine < 0 || loadedLine != CurrentLine() ||
        !ControlModified(currentColumn))
        return true;
    QWidget* control = columns[currentColumn].control;
    const int id = ControlId(control);
    const int line = CurrentLine();
    const QByteArray data = GetControlData(control);
    if (!CanAcceptCellData(line, id, data))
        return false;
    modified = true;
    PutCellData(line, id, data);
    CellDataChanged(line, id, data);
    ClearModify(control);
    RefreshLine(line);
    return true;
}

bool TGrid::ValidateLine(int line) {
    if (line == CurrentLine() && !StoreCurrentCell())
        return false;
    return line < 0 || CanLeaveLine(line);
}

bool TGrid::CanClose() {
    return ControlLetsGo(true) && ValidateLine(CurrentLine());
}

void TGrid::ClearModify(QWidget* control) {
    if (auto* line = qobject_cast<QLineEdit*>(control))
        line->setModified(false);
    if (currentColumn >= 0 && columns[currentColumn].control == control)
        controlChanged = false;
}

void TGrid::EmptyControls() {
    for (const TGridColumn& column : columns)
        EmptyControl(column.control);
    controlChanged = false;
    loadedLine = -1;
}

bool TGrid::SwapLines(int a, int b) {
    if (a == b || a < 0 || b < 0)
        return false;
    // A growing list may swap with lines it does not count yet: the owner keeps their data.
    if (maxLines > 0 && (a >= nLines || b >= nLines))
        return false;
    for (const TGridColumn& column : columns) {
        const int id = ControlId(column.control);
        const QByteArray first = GetCellData(a, id);
        const QByteArray second = GetCellData(b, id);
        PutCellData(a, id, second);
        PutCellData(b, id, first);
    }
    modified = true;
    if (CurrentLine() == a || CurrentLine() == b) {
        if (layout == glRecord)
            ShowRecordLine();
        ReloadCurrentCell();
    }
    RefreshLine(a);
    RefreshLine(b);
    return true;
}

// Focus and mouse.

bool TGrid::eventFilter(QObject* watched, QEvent* event) {
    auto* control = qobject_cast<QWidget*>(watched);
    const int column = FindColumn(control);
    if (column < 0)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        // Left and Right move the caret of an edit; the grid has them only from other controls.
        const bool caretKey = (key->key() == Qt::Key_Left || key->key() == Qt::Key_Right) &&
                              qobject_cast<QLineEdit*>(control);
        if (!caretKey && KeyDown(key->key(), key->modifiers(), std::max(1, key->count())))
            return true;
    } else if (event->type() == QEvent::FocusIn && column != currentColumn) {
        // A control of the record layout clicked directly.
        if (!GotoColumn(column) && currentColumn >= 0) {
            QWidget* current = columns[currentColumn].control;
            QTimer::singleShot(0, current, [current] { current->setFocus(); });
        }
    } else if (event->type() == QEvent::FocusOut && column == currentColumn) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        QWidget* next = QApplication::focusWidget();
        const bool staysInGrid = next && (next == this || isAncestorOf(next));
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason &&
            !staysInGrid && loadedLine >= 0 && !(ControlLetsGo(true) && StoreCurrentCell()))
            QTimer::singleShot(0, control, [control] { control->setFocus(); });
    }
    return QWidget::eventFilter(watched, event);
}

void TGrid::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (topLine < 0 && nLines > 0) {
        Go(0, true);
        return;
    }
    if (currentColumn >= 0 && CanTakeFocus(currentColumn))
        TakeFocus(currentColumn, true);
}

bool TGrid::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            if (KeyDown(key->key(), key->modifiers(), std::max(1, key->count())))
                return true;
        }
    }
    return QWidget::event(event);
}

void TGrid::keyPressEvent(QKeyEvent* event) {
    if (!KeyDown(event->key(), event->modifiers(), std::max(1, event->count())))
        QWidget::keyPressEvent(event);
}

void TGrid::ClickCell(const QPoint& clientPoint, Qt::KeyboardModifiers) {
    const int line = GetDataLine(clientPoint.y());
    if (line < 0 || line >= nLines)
        return;
    if (!Go(line, true))
        return;
    const int column = FindColumnAt(clientPoint);
    if (column >= 0 && column != currentColumn)
        GotoColumn(column);
}

void TGrid::ClickRowHeader(int y, Qt::KeyboardModifiers modifiers) {
    const int line = GetDataLine(y);
    if (line < 0 || line >= nLines || !Go(line, true))
        return;
    if (selection.Mode() == 0 || selection.Mode() == 3)
        return;
    int flags = 0;
    if (modifiers & Qt::ShiftModifier)
        flags = slExtend;
    else if (modifiers & Qt::ControlModifier)
        flags = slAdd;
    SelectLine(line, flags);
}

void TGrid::LeaveGrid(bool next) {
    QWidget* target = this;
    do {
        target = next ? target->nextInFocusChain() : target->previousInFocusChain();
    } while (target != this &&
             (isAncestorOf(target) || (target->focusPolicy() & Qt::TabFocus) == 0 ||
              !target->isVisibleTo(window()) || !target->isEnabled() ||
              target->window() != window()));
    if (target == this)
        return;
    target->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    HideCurrentControl();
    client->update();
}
