#include "tgrid.h"

#include "control_data.h"
#include "grid_parts.h"
#include "tgedit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QResizeEvent>
#include <QScrollBar>

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

constexpr int checkBoxExtra = 2;
constexpr int maxLineHeight = 1000;
// No widget can be wider; it also keeps the sums of column edges far from overflowing.
constexpr int maxColumnWidth = QWIDGETSIZE_MAX;

int SaturatedInt(int64_t value) {
    return static_cast<int>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                std::numeric_limits<int32_t>::max()));
}

} // namespace

TGrid::TGrid(QWidget* parent, int id)
    : QWidget(parent), gridId(id), client(new GridClientArea(this)),
      titleBar(new GridTitleBar(this)), rowHeader(new GridRowHeader(this)),
      vScroll(new QScrollBar(Qt::Vertical, this)), hScroll(new QScrollBar(Qt::Horizontal, this)),
      corner(new QWidget(this)) {
    setObjectName(windowClass);
    setFocusPolicy(Qt::StrongFocus);
    corner->setAutoFillBackground(true);
    corner->setBackgroundRole(QPalette::Button);
    SetLineHeight(fontMetrics().height() + 8);
    connect(vScroll, &QScrollBar::valueChanged, this, &TGrid::OnVerticalScroll);
    connect(hScroll, &QScrollBar::valueChanged, this, &TGrid::OnHorizontalScroll);
    Init(0, ekNextColumn, tkNextColumn, lmArrow, style, glTable);
}

TGrid::~TGrid() {
    for (TGridColumn& column : columns) {
        column.control->removeEventFilter(this);
        if (auto* edit = qobject_cast<TGEdit*>(column.control))
            edit->SetGrid(nullptr);
    }
}

void TGrid::Init(int newMaxLines, TGEnterKey enterKey, TGTabKey tabKey, TGLineMarker marker,
                 int newStyle, TGLayout newLayout) {
    maxLines = newMaxLines;
    nLines = std::max(0, newMaxLines);
    enterKeyMode = enterKey;
    tabKeyMode = tabKey;
    lineMarker = marker;
    style = newStyle;
    layout = newLayout;
    topLine = -1;
    currentRow = 0;
    const bool single = (style & gsSingleSelect) != 0;
    const bool multiple = (style & gsMultiSelect) != 0;
    selection.SetMode(single && multiple ? 3 : (multiple ? 2 : (single ? 1 : 0)));
    LayoutChildren();
}

int TGrid::ControlId(const QWidget* control) const {
    return control ? control->property(controlIdProperty).toInt() : 0;
}

// Columns.

void TGrid::Add(QWidget* control, const QString& title, TGAlign alignment, bool hidden) {
    if (!control)
        return;
    TGridColumn column;
    column.control = control;
    column.title = title;
    column.type = ClassifyControl(control);
    column.alignment = alignment;
    const int controlWidth =
        control->testAttribute(Qt::WA_Resized) ? control->width() : control->sizeHint().width();
    column.width =
        SaturatedInt(int64_t{controlWidth} + 1 + (column.type == ctCheckBox ? checkBoxExtra : 0));
    if (hidden) {
        column.hiddenWidth = column.width;
        column.width = 0;
    }
    AppendColumn(column);
}

bool TGrid::AppendColumn(const TGridColumn& prepared) {
    QWidget* control = prepared.control;
    if (!control || FindColumn(control) >= 0)
        return false;
    TGridColumn column = prepared;
    column.type = ClassifyControl(control);
    if (column.type == ctButton)
        column.alignment = alCenter;
    column.width = std::clamp(column.width, 0, maxColumnWidth);
    column.hiddenWidth = column.width == 0 ? std::clamp(column.hiddenWidth, 0, maxColumnWidth) : 0;
    column.label = nullptr;
    control->setParent(client);
    control->hide();
    control->installEventFilter(this);
    if (auto* edit = qobject_cast<TGEdit*>(control))
        edit->SetGrid(this);
    if (auto* combo = qobject_cast<QComboBox*>(control))
        connect(combo, &QComboBox::activated, this, [this] { controlChanged = true; });
    if (auto* check = qobject_cast<QCheckBox*>(control)) {
        KeepCheckBoxKind(check);
        connect(check, &QCheckBox::clicked, this, [this, check] {
            SettleCheckBox(check);
            controlChanged = true;
        });
    }
    columns.push_back(column);
    RelayColumns(); // places its left edge after the others
    return true;
}

bool TGrid::Remove(int id, bool destroy) {
    const int index = FindColumn(id);
    if (index < 0)
        return false;
    QWidget* control = columns[index].control;
    if (index == currentColumn) {
        HideCurrentControl();
        currentColumn = -1;
        loadedLine = -1;
    } else if (index < currentColumn) {
        --currentColumn;
    }
    control->removeEventFilter(this);
    disconnect(control, nullptr, this, nullptr);
    if (auto* edit = qobject_cast<TGEdit*>(control))
        edit->SetGrid(nullptr);
    delete columns[index].label;
    columns.erase(columns.begin() + index);
    control->hide();
    if (destroy)
        control->deleteLater();
    RelayColumns();
    return true;
}

void TGrid::HideColumn(int id) {
    const int index = FindColumn(id);
    if (index < 0 || columns[index].width == 0)
        return;
    columns[index].hiddenWidth = columns[index].width;
    columns[index].width = 0;
    if (index == currentColumn) {
        const bool focus = HasFocus();
        if (!FindNearestUnlockedCell(index)) {
            HideCurrentControl();
            currentColumn = -1;
            loadedLine = -1;
            if (focus)
                setFocus();
        }
    }
    RelayColumns();
}

void TGrid::UnHideColumn(int id) {
    const int index = FindColumn(id);
    if (index < 0 || columns[index].width != 0)
        return;
    columns[index].width = columns[index].hiddenWidth;
    columns[index].hiddenWidth = 0;
    RelayColumns();
}

void TGrid::HideColumns() {
    for (const TGridColumn& column : std::vector<TGridColumn>(columns))
        HideColumn(ControlId(column.control));
}

bool TGrid::IsColumnHidden(int id) const {
    const int index = FindColumn(id);
    return index >= 0 && columns[index].width == 0;
}

int TGrid::FindColumn(int id) const {
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (ControlId(columns[i].control) == id)
            return static_cast<int>(i);
    }
    return -1;
}

int TGrid::FindColumn(const QWidget* control) const {
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (control && (columns[i].control == control || columns[i].control->isAncestorOf(control)))
            return static_cast<int>(i);
    }
    return -1;
}

int TGrid::FindColumnAt(const QPoint& clientPoint) const {
    const int64_t x = int64_t{clientPoint.x()} + HorizontalOffset();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const TGridColumn& column = columns[i];
        if (column.width > 0 && x >= column.left && x < int64_t{column.left} + column.width)
            return static_cast<int>(i);
    }
    return -1;
}

int TGrid::GetColumnWidth(int id) const {
    const int index = FindColumn(id);
    return index < 0 ? 0 : columns[index].width;
}

void TGrid::SetColumnWidth(int id, int width) {
    SetColumnWidthAt(FindColumn(id), width);
}

void TGrid::SetColumnWidthAt(int index, int width) {
    if (index < 0 || index >= ColumnCount() || width < 0)
        return;
    width = std::min(width, maxColumnWidth);
    if (columns[index].width == 0)
        columns[index].hiddenWidth = width;
    else
        columns[index].width = width;
    RelayColumns();
}

QString TGrid::GetTitle(int id) const {
    const int index = FindColumn(id);
    return index < 0 ? QString() : columns[index].title;
}

void TGrid::SetTitle(int id, const QString& title) {
    const int index = FindColumn(id);
    if (index < 0)
        return;
    columns[index].title = title;
    if (columns[index].label)
        columns[index].label->setText(title);
    titleBar->update();
}

int TGrid::ColumnsWidth() const {
    return columns.empty() ? 0 : SaturatedInt(int64_t{columns.back().left} + columns.back().width);
}

int TGrid::HorizontalOffset() const {
    return layout == glTable ? hOffset : 0;
}

void TGrid::RelayColumns() {
    int left = 0;
    for (TGridColumn& column : columns) {
        column.left = left;
        left = SaturatedInt(int64_t{left} + column.width);
    }
    if (layout == glRecord)
        ArrangeRecordLayout();
    UpdateScrollBars();
    if (currentColumn >= 0)
        PlaceControl(currentColumn);
    titleBar->update();
    client->update();
}

// Geometry.

int TGrid::TitleBarHeight() const {
    if (layout != glTable || (style & gsTitleBar) == 0)
        return 0;
    QFont bold = font();
    bold.setBold(true);
    return QFontMetrics(bold).height() + 8;
}

int TGrid::RowHeaderWidth() const {
    if (layout != glTable || (style & gsRowHeader) == 0)
        return 0;
    return fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16;
}

void TGrid::LayoutChildren() {
    const int titleHeight = TitleBarHeight();
    const int headerWidth = RowHeaderWidth();
    const bool vertical = (style & gsVertScroll) != 0;
    const bool horizontal = (style & gsHorzScroll) != 0 && layout == glTable;
    const int scrollWidth = vertical ? vScroll->sizeHint().width() : 0;
    const int scrollHeight = horizontal ? hScroll->sizeHint().height() : 0;
    const int clientWidth = std::max(0, width() - headerWidth - scrollWidth);
    const int clientHeight = std::max(0, height() - titleHeight - scrollHeight);

    titleBar->setVisible(titleHeight > 0);
    titleBar->setGeometry(0, 0, headerWidth + clientWidth, titleHeight);
    rowHeader->setVisible(headerWidth > 0);
    rowHeader->setGeometry(0, titleHeight, headerWidth, clientHeight);
    client->setGeometry(headerWidth, titleHeight, clientWidth, clientHeight);
    vScroll->setVisible(vertical);
    vScroll->setGeometry(headerWidth + clientWidth, titleHeight, scrollWidth, clientHeight);
    hScroll->setVisible(horizontal);
    hScroll->setGeometry(headerWidth, titleHeight + clientHeight, clientWidth, scrollHeight);
    corner->setVisible(vertical && (horizontal || titleHeight > 0));
    if (horizontal)
        corner->setGeometry(headerWidth + clientWidth, titleHeight + clientHeight, scrollWidth,
                            scrollHeight);
    else
        corner->setGeometry(headerWidth + clientWidth, 0, scrollWidth, titleHeight);

    visibleLines = layout == glRecord ? 1 : std::max(1, clientHeight / lineHeight);
    KeepWindowFilled();
    if (layout == glRecord && clientHeight > 0)
        ArrangeRecordLayout();
    UpdateScrollBars();
    if (currentColumn >= 0 && loadedLine >= 0)
        PlaceControl(currentColumn);
}

void TGrid::KeepWindowFilled() {
    if (layout != glTable || topLine <= 0)
        return;
    const int line = CurrentLine();
    const int top = std::clamp(std::min(topLine, nLines - visibleLines), 0, line);
    const int row = std::min(line - top, visibleLines - 1);
    if (top == topLine && row == currentRow)
        return;
    topLine = line - row;
    currentRow = row;
    Refresh();
}

void TGrid::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayoutChildren();
}

void TGrid::UpdateScrollBars() {
    updatingScrollBars = true;
    const int64_t last = maxLines < 0 ? int64_t{nLines} * 10 / 9 + 1 : int64_t{nLines} - 1;
    vScroll->setRange(0, SaturatedInt(std::max<int64_t>(0, last)));
    vScroll->setPageStep(std::max(1, visibleLines));
    vScroll->setValue(std::max(0, CurrentLine()));
    const int hidden = std::max(0, ColumnsWidth() - client->width());
    hOffset = std::clamp(hOffset, 0, hidden);
    hScroll->setRange(0, hidden);
    hScroll->setPageStep(std::max(1, client->width()));
    hScroll->setSingleStep(std::max(1, lineHeight));
    hScroll->setValue(hOffset);
    updatingScrollBars = false;
}

void TGrid::OnVerticalScroll(int value) {
    if (updatingScrollBars)
        return;
    if (!Go(value, HasFocus()))
        UpdateScrollBars();
}

void TGrid::OnHorizontalScroll(int value) {
    if (updatingScrollBars)
        return;
    hOffset = value;
    if (currentColumn >= 0 && loadedLine >= 0) {
        const TGridColumn& column = columns[currentColumn];
        column.control->move(column.left - hOffset, column.control->y());
    }
    titleBar->update();
    client->update();
}

// Lines.

void TGrid::SetNLines(int n) {
    nLines = std::max(0, n);
    ApplySelectionChanges(selection.Truncate(nLines));
    if (CurrentLine() >= nLines) {
        EmptyControls();
        if (nLines == 0) {
            HideCurrentControl();
            topLine = -1;
            currentRow = 0;
        } else {
            MoveTo(nLines - 1, HasFocus(), false);
        }
    }
    UpdateScrollBars();
    client->update();
    rowHeader->update();
}

void TGrid::SetMaxLines(int m) {
    const int n = m >= 0 ? m : std::max(0, maxLines);
    maxLines = m;
    SetNLines(n);
}

void TGrid::SetVisibleLines(int n) {
    n = std::max(1, n);
    const int chrome = height() - client->height();
    resize(width(), SaturatedInt(int64_t{n} * lineHeight + chrome));
    LayoutChildren();
}

void TGrid::SetLineHeight(int h) {
    lineHeight = std::clamp(h, 1, maxLineHeight) + 1;
    LayoutChildren();
    client->update();
    rowHeader->update();
}

int TGrid::GetDataLine(int y) const {
    if (layout == glRecord)
        return CurrentLine();
    if (y < 0)
        return -1;
    return SaturatedInt(int64_t{std::max(0, topLine)} + y / lineHeight);
}

void TGrid::RefreshLine(int line) {
    const int64_t row = int64_t{line} - std::max(0, topLine);
    if (row < 0 || row > visibleLines)
        return;
    const int y = static_cast<int>(row) * lineHeight;
    client->update(0, y, client->width(), lineHeight);
    rowHeader->update(0, y, rowHeader->width(), lineHeight);
}

void TGrid::RefreshItem(int line, int id) {
    if (line == CurrentLine() && FindColumn(id) == currentColumn && currentColumn >= 0) {
        LoadControl(currentColumn, line);
        return;
    }
    RefreshLine(line);
}

void TGrid::Refresh() {
    client->update();
    rowHeader->update();
    titleBar->update();
}

// Default hooks.

bool TGrid::CanAcceptCellData(int, int, const QByteArray&) {
    return true;
}

void TGrid::CellDataChanged(int, int, const QByteArray&) {}

bool TGrid::CanLeaveLine(int) {
    return true;
}

bool TGrid::CanAppendLine(int) {
    return true;
}

bool TGrid::InsertLine(int) {
    return false;
}

bool TGrid::DeleteLine(int) {
    return false;
}

int TGrid::GetCellState(int, int) {
    return cellState;
}

void TGrid::CurrentLineChanged(int, int) {}

void TGrid::VisibleLinesChanged(int, int) {}

void TGrid::LineSelectionChanged(int, bool) {}

bool TGrid::GetCellColors(int, int, QColor&, QColor&) {
    return false;
}
