#pragma once

#include <QWidget>

class TGrid;

// The area where a grid's cells are painted and its column controls live.
class GridClientArea : public QWidget {
public:
    explicit GridClientArea(TGrid* grid);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    TGrid* grid;
};

// The column titles above the cells; a title's right edge can be dragged to resize its column.
class GridTitleBar : public QWidget {
public:
    explicit GridTitleBar(TGrid* grid);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int ColumnEdgeAt(int x) const;

    TGrid* grid;
    int resizing = -1;      // the column whose right edge is dragged
    int dragStartX = 0;     // where the drag began
    int dragStartWidth = 0; // the column's width then
};

// The line numbers and the current-line marker left of the cells; a click selects a line.
class GridRowHeader : public QWidget {
public:
    explicit GridRowHeader(TGrid* grid);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    TGrid* grid;
};
