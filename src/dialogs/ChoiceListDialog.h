#pragma once
// The base of the equipment lists: a browse list of candidates, the "Desired: ..." line below it,
// and OK or a double click choosing the highlighted row.

#include "dialogs/BrowseList.h"
#include "dialogs/KitDialog.h"
#include "equipment/EquipmentListUnits.h"

#include <string>
#include <vector>

class QLabel;

class ChoiceListDialog : public KitDialog {
public:
    ChoiceListDialog(const QString& caption, const std::vector<BrowseColumn>& columns,
                     const std::vector<QStringList>& rows, int selected, const QString& desired,
                     QWidget* parent = nullptr);

    BrowseList* browseList() const { return list_; }
    QLabel* desiredLine() const { return desired_; }
    // The row highlighted when the dialog was confirmed; -1 before, or when none was.
    int chosenRow() const { return chosen_; }

protected:
    void confirm() override;

private:
    void fitColumns(const std::vector<QStringList>& rows);

    BrowseList* list_;
    QLabel* desired_;
    int chosen_ = -1;
};

// An equipment list's headings, and a row's Windows-1252 texts, as the browse list takes them.
std::vector<BrowseColumn> BrowseColumns(const std::vector<ListColumn>& columns);
QStringList ListTexts(const std::vector<std::string>& texts);
