#pragma once
// A multi-column selection list: a title, titled columns with widths in characters, rows of
// formatted text in a fixed-pitch font, and one highlighted row that the dialog reads back.

#include <QStringList>
#include <QWidget>

#include <functional>
#include <vector>

class QLabel;
class QTreeWidget;

struct BrowseColumn {
    QString title;
    int widthInCharacters;
};

class BrowseList : public QWidget {
public:
    BrowseList(const QString& title, const std::vector<BrowseColumn>& columns,
               QWidget* parent = nullptr);

    void setRows(const std::vector<QStringList>& rows);
    int rowCount() const;
    QStringList row(int index) const;

    // -1 when no row is highlighted.
    int currentRow() const;
    // Highlights the row (clamped into the list) and scrolls it into view.
    void setCurrentRow(int index);

    // Called with the row whenever the user moves the highlight.
    void onRowChosen(std::function<void(int)> handler);

    QTreeWidget* view() const { return view_; }

private:
    QLabel* title_;
    QTreeWidget* view_;
    std::function<void(int)> chosen_;
};
