#include "dialogs/BrowseList.h"

#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

BrowseList::BrowseList(const QString& title, const std::vector<BrowseColumn>& columns,
                       QWidget* parent)
    : QWidget(parent), title_(new QLabel(title, this)), view_(new QTreeWidget(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(title_);
    layout->addWidget(view_);
    title_->setVisible(!title.isEmpty());
    title_->setBuddy(view_);

    view_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    view_->setRootIsDecorated(false);
    view_->setUniformRowHeights(true);
    view_->setAllColumnsShowFocus(true);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setColumnCount(static_cast<int>(columns.size()));
    QStringList titles;
    const int charWidth = view_->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    int total = 0;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        titles << columns[i].title;
        const int width = columns[i].widthInCharacters * charWidth + 16;
        view_->setColumnWidth(static_cast<int>(i), width);
        total += width;
    }
    view_->setHeaderLabels(titles);
    view_->header()->setStretchLastSection(true);
    view_->setMinimumWidth(total + 24);

    QObject::connect(view_, &QTreeWidget::currentItemChanged, this,
                     [this](QTreeWidgetItem* item, QTreeWidgetItem*) {
                         if (item != nullptr && chosen_)
                             chosen_(view_->indexOfTopLevelItem(item));
                     });
}

void BrowseList::setRows(const std::vector<QStringList>& rows) {
    view_->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(rows.size()));
    for (const QStringList& row : rows)
        items.append(new QTreeWidgetItem(row));
    view_->addTopLevelItems(items);
}

int BrowseList::rowCount() const {
    return view_->topLevelItemCount();
}

QStringList BrowseList::row(int index) const {
    const QTreeWidgetItem* item = view_->topLevelItem(index);
    QStringList texts;
    for (int column = 0; item != nullptr && column < item->columnCount(); ++column)
        texts << item->text(column);
    return texts;
}

int BrowseList::currentRow() const {
    QTreeWidgetItem* item = view_->currentItem();
    return item == nullptr ? -1 : view_->indexOfTopLevelItem(item);
}

void BrowseList::setCurrentRow(int index) {
    if (rowCount() == 0)
        return;
    index = std::clamp(index, 0, rowCount() - 1);
    QTreeWidgetItem* item = view_->topLevelItem(index);
    view_->setCurrentItem(item);
    view_->scrollToItem(item, QAbstractItemView::PositionAtCenter);
}

void BrowseList::onRowChosen(std::function<void(int)> handler) {
    chosen_ = std::move(handler);
}
