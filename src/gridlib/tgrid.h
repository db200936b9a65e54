#pragma once

#include "cellix32_export.h"
#include "grid_types.h"
#include "line_selection.h"

#include <QByteArray>
#include <QString>
#include <QWidget>

#include <vector>

class QLabel;
class QScrollBar;
class GridClientArea;
class GridTitleBar;
class GridRowHeader;

// One column of a grid: a control that edits the current cell and paints the others.
struct TGridColumn {
    QWidget* control = nullptr;
    QString title;
    int left = 0;        // pixels from the left of the first column
    int width = 0;       // 0 while hidden
    int hiddenWidth = 0; // the width it had before it was hidden; 0 while shown
    TGAlign alignment = alLeft;
    TGColumnType type = ctEdit;
    QLabel* label = nullptr; // the title beside the control in the record layout
};

// A grid of lines and columns whose cells the owner keeps: the owner derives from TGrid and
// supplies GetCellData and PutCellData (and any of the other hooks). Only the current cell
// holds a live control; every other cell is painted from GetCellData.
//
// Cell data are the cell's text (UTF-8) for edits, static texts, combo boxes and buttons; for a
// check box 2 bytes (0 unchecked, 1 checked, 2 undetermined, little-endian); for the typed
// edits their transfer data (TGShortEdit 2 bytes, TGLongEdit 4, TGDoubleEdit 8, TGDateEdit 8,
// TGTimeEdit 18, TGDateTimeEdit 26).
//
// An owner whose InsertLine or DeleteLine changes the number of lines tells the grid through
// SetNLines.
class CELLIX32_API TGrid : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* windowClass = "TCellix32";

    TGrid(QWidget* parent, int id);
    ~TGrid() override;

    int Id() const { return gridId; }
    void Init(int maxLines, TGEnterKey enterKeyMode, TGTabKey tabKeyMode, TGLineMarker lineMarker,
              int style, TGLayout layout);

    // Columns. The control becomes a child of the grid; its id is its controlIdProperty (set by
    // the library's edits, or by the owner for other controls).
    void Add(QWidget* control, const QString& title, TGAlign alignment = alLeft,
             bool hidden = false);
    // Appends a prepared column: its control joins the grid as Add does (its type still comes
    // from the control's class), its left edge is placed after the other columns, and its control
    // is hidden until it takes the focus. The width is the column's own (a width of 0 with a
    // hiddenWidth is a hidden column). A column without a control, or whose control is already
    // in the grid, is refused.
    bool AppendColumn(const TGridColumn& column);
    // Removes the column of the control with the id; with destroy the control is deleted too.
    bool Remove(int id, bool destroy = false);
    void HideColumn(int id);
    void UnHideColumn(int id);
    void HideColumns();
    bool IsColumnHidden(int id) const;
    int FindColumn(int id) const;                 // column index, -1 when none
    int FindColumn(const QWidget* control) const; // the column whose control is or holds it
    int FindColumnAt(const QPoint& clientPoint) const;
    int ColumnCount() const { return static_cast<int>(columns.size()); }
    const TGridColumn& Column(int index) const { return columns.at(index); }
    int GetColumnWidth(int id) const;
    void SetColumnWidth(int id, int width);
    QString GetTitle(int id) const;
    void SetTitle(int id, const QString& title);
    void ChangeTitle(int id, const QString& title) { SetTitle(id, title); }
    int CurrentColumn() const { return currentColumn; }

    // Lines.
    void SetNLines(int n);
    void SetMaxLines(int m);
    // Sizes the grid so that n rows show.
    void SetVisibleLines(int n);
    // Rows become h + 1 pixels high.
    void SetLineHeight(int h);
    int GetDataLine(int y) const;
    bool SwapLines(int a, int b);
    void RefreshLine(int line);
    void RefreshItem(int line, int id);
    void Refresh();

    int NLines() const { return nLines; }
    int MaxLines() const { return maxLines; }
    int VisibleLines() const { return visibleLines; }
    int LineHeight() const { return lineHeight; }
    int TopLine() const { return topLine; }
    int CurrentRow() const { return currentRow; }
    int CurrentLine() const { return topLine < 0 ? -1 : topLine + currentRow; }
    TGLayout Layout() const { return layout; }
    int Style() const { return style; }

    // Position.
    bool Go(int line, bool focus = true);
    bool Move(int delta, bool focus = true);
    bool ResetPosition();
    bool GotoFirstColumn();
    bool GotoLastColumn();
    bool GotoNextColumn();
    bool GotoPreviousColumn();
    bool FindNearestUnlockedCell(int column);
    bool GotoColumn(int column);
    bool HasFocus() const;

    // Selection.
    bool SelectLine(int line, int flags = 0);
    bool LineSelected(int line) const;
    int CountSelectedLines() const;
    int GetSelectedLine() const;
    std::vector<int> GetSelectedLines() const;
    void UnselectAllLines();
    int SelectionMode() const; // 0 none, 1 single, 2 multiple, 3 single following the line
    int AnchorLine() const;

    // Editing.
    bool ValidateLine(int line);
    bool CanClose();
    void ClearModify(QWidget* control);
    bool IsModified() const { return modified; }
    void SetModified(bool value) { modified = value; }
    // The grid-wide cell state that GetCellState answers by default.
    void SetCellState(int state) { cellState = state; }

    // The record layout's positions file (default "grid.ini" in the working folder).
    void SetProfileFile(const QString& file) { profileFile = file; }
    const QString& ProfileFile() const { return profileFile; }
    QString ProfileSection() const { return QString::number(gridId); }

    // Keyboard: answers whether the key was handled.
    bool KeyDown(int key, Qt::KeyboardModifiers modifiers, int repeat = 1);
    bool VkTab(bool ctrl, bool shift, int repeat);
    bool VkReturn(bool ctrl, bool shift, int repeat);
    bool VkEscape(bool ctrl, bool shift, int repeat);
    bool VkPrior(bool ctrl, bool shift, int repeat);
    bool VkNext(bool ctrl, bool shift, int repeat);
    bool VkEnd(bool ctrl, bool shift, int repeat);
    bool VkHome(bool ctrl, bool shift, int repeat);
    bool VkLeft(bool ctrl, bool shift, int repeat);
    bool VkUp(bool ctrl, bool shift, int repeat);
    bool VkRight(bool ctrl, bool shift, int repeat);
    bool VkDown(bool ctrl, bool shift, int repeat);
    bool VkInsert(bool ctrl, bool shift, int repeat);
    bool VkDelete(bool ctrl, bool shift, int repeat);

    // Data hooks.
    virtual QByteArray GetCellData(int line, int id) = 0;
    virtual void PutCellData(int line, int id, const QByteArray& data) = 0;
    virtual bool CanAcceptCellData(int line, int id, const QByteArray& data);
    virtual void CellDataChanged(int line, int id, const QByteArray& data);
    virtual bool CanLeaveLine(int line);
    virtual bool CanAppendLine(int line);
    virtual bool InsertLine(int line);
    virtual bool DeleteLine(int line);
    // 0 or 1 editable; 2 read-only (painted, never focused); 3 empty.
    virtual int GetCellState(int line, int id);
    virtual void CurrentLineChanged(int newLine, int oldLine);
    virtual void VisibleLinesChanged(int topLine, int bottomLine);
    virtual void LineSelectionChanged(int line, bool selected);
    // Colours for a cell of a line that is not selected; false leaves the control's own.
    virtual bool GetCellColors(int line, int id, QColor& text, QColor& background);

    // Check box cell data: state 0 unchecked, 1 checked, 2 undetermined (2 for damaged data).
    static QByteArray CheckBoxData(int state);
    static int CheckBoxState(const QByteArray& data);

    // Painting of a cell from its data, as the column's control class draws it.
    void PaintCell(QPainter& painter, int column, int line, const QRect& cell);
    int HorizontalOffset() const;
    int ColumnsWidth() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    friend class GridClientArea;
    friend class GridTitleBar;
    friend class GridRowHeader;

    int ControlId(const QWidget* control) const;
    // The width of the column at the index (a hidden column keeps it for later).
    void SetColumnWidthAt(int index, int width);
    bool IsCurrentLineValid() const { return topLine >= 0 && CurrentLine() < nLines; }
    bool CanTakeFocus(int column) const;
    bool TakeFocus(int column, bool focus = true);
    void PlaceControl(int column);
    bool LeaveCurrentCell();
    bool MoveTo(int line, bool focus, bool validate);
    void HideCurrentControl();
    void LoadControl(int column, int line);
    QByteArray ControlData(int column) const;
    bool ControlModified(int column) const;
    bool ControlLetsGo(bool showMessage);
    bool StoreCurrentCell();
    void EmptyControls();
    void RelayColumns();
    void LayoutChildren();
    // After a resize: no empty rows at the bottom while lines are scrolled out at the top, and
    // the current line inside the window.
    void KeepWindowFilled();
    void UpdateScrollBars();
    void ScrollRows(int oldTop);
    void ApplySelectionChanges(const std::vector<LineSelection::Change>& changes);
    void ArrangeRecordLayout();
    void ShowRecordLine();
    void LeaveGrid(bool next);
    bool MoveLines(int direction, int repeat);
    void ReloadCurrentCell();
    void OnVerticalScroll(int value);
    void OnHorizontalScroll(int value);
    void ClickCell(const QPoint& clientPoint, Qt::KeyboardModifiers modifiers);
    void ClickRowHeader(int y, Qt::KeyboardModifiers modifiers);
    int TitleBarHeight() const;
    int RowHeaderWidth() const;

    int gridId;
    std::vector<TGridColumn> columns;
    int currentColumn = -1;
    int topLine = -1;
    int currentRow = 0;
    int nLines = 0;
    int maxLines = 0;
    int visibleLines = 1;
    int lineHeight = 0;
    LineSelection selection;
    TGEnterKey enterKeyMode = ekNextColumn;
    TGTabKey tabKeyMode = tkNextColumn;
    TGLineMarker lineMarker = lmArrow;
    TGLayout layout = glTable;
    int style = gsVertScroll | gsTitleBar | gsRowHeader;
    bool modified = false;
    int cellState = 0;
    bool controlChanged = false; // a combo box or check box was changed by the user
    int loadedLine = -1;         // the line whose data the current column's control holds
    int hOffset = 0;             // pixels of the columns scrolled out on the left
    bool updatingScrollBars = false;
    QString profileFile = "grid.ini";

    GridClientArea* client;
    GridTitleBar* titleBar;
    GridRowHeader* rowHeader;
    QScrollBar* vScroll;
    QScrollBar* hScroll;
    QWidget* corner;
};
