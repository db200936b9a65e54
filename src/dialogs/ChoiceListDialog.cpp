#include "dialogs/ChoiceListDialog.h"

#include "dialogs/Text1252.h"

#include <QFontDatabase>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

ChoiceListDialog::ChoiceListDialog(const QString& caption, const std::vector<BrowseColumn>& columns,
                                   const std::vector<QStringList>& rows, int selected,
                                   const QString& desired, QWidget* parent)
    : KitDialog(parent), list_(new BrowseList(QString(), columns, this)),
      desired_(new QLabel(desired, this)) {
    setWindowTitle(caption);
    list_->setObjectName(QStringLiteral("browseList"));
    list_->setRows(rows);
    fitColumns(rows);
    list_->setMinimumHeight(260);
    desired_->setObjectName(QStringLiteral("desiredLine"));
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    desired_->setFont(fixed);
    desired_->setTextFormat(Qt::PlainText);
    // The line is as wide as its text, so the dialog never cuts it.
    desired_->setMinimumWidth(QFontMetrics(fixed).horizontalAdvance(desired) + 8);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addWidget(desired_);
    layout->addWidget(makeButtons(QStringLiteral("OK"), QStringLiteral("Cancel"), false));

    QObject::connect(list_->view(), &QTreeWidget::itemDoubleClicked, this,
                     [this](QTreeWidgetItem*, int) { confirm(); });
    list_->setCurrentRow(selected);
    list_->view()->setFocus();
}

void ChoiceListDialog::fitColumns(const std::vector<QStringList>& rows) {
    // The columns keep their widths in characters, widened where a text is longer: a model code
    // or a brand is never shown cut.
    QTreeWidget* view = list_->view();
    const QFontMetrics metrics(view->font());
    int total = 0;
    for (int column = 0; column < view->columnCount(); ++column) {
        int width = view->columnWidth(column);
        for (const QStringList& row : rows) {
            if (column < row.size())
                width = std::max(width, metrics.horizontalAdvance(row[column]) + 16);
        }
        view->setColumnWidth(column, width);
        total += width;
    }
    view->setTextElideMode(Qt::ElideNone);
    view->setMinimumWidth(std::max(view->minimumWidth(), total + 24));
}

void ChoiceListDialog::confirm() {
    chosen_ = list_->currentRow();
    accept();
}

std::vector<BrowseColumn> BrowseColumns(const std::vector<ListColumn>& columns) {
    std::vector<BrowseColumn> browse;
    browse.reserve(columns.size());
    for (const ListColumn& column : columns)
        browse.push_back({From1252(column.title), column.width});
    return browse;
}

QStringList ListTexts(const std::vector<std::string>& texts) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(texts.size()));
    for (const std::string& text : texts)
        list << From1252(text);
    return list;
}
