#pragma once
// "Product Selection": five tabbed pages, one per product slot. Each page has the product list
// in name order, the information lines of its chosen product, the quantities, and two hidden
// fields (list row and record number) that follow the chosen row. Page 1 has "&Estimate Lbs".

#include "calc/UnitConversion.h"
#include "dialogs/KitDialog.h"
#include "job/Job.h"
#include "tables/ProductTable.h"

#include <functional>
#include <vector>

class BrowseList;
class IntField;
class NumberField;
class QLabel;
class QPushButton;
class QTabWidget;
class RealField;

// One page of the dialog (the page data it edits is a TProductPage).
class TProductPageView : public QWidget {
public:
    TProductPageView(Table& product, const std::vector<ProductListRow>& rows,
                     const TProductPage& page, bool withEstimate, QWidget* parent = nullptr,
                     UnitSystem units = UnitSystem::Imperial);

    TProductPage page() const;
    // The fields in the order OK checks them.
    std::vector<NumberField*> checkedFields() const;

    BrowseList* list() const { return list_; }
    QPushButton* estimateButton() const { return estimate_; }
    QStringList informationLines() const;

    // Called by "&Estimate Lbs" with the field's new text already shown and the new mark.
    std::function<void(char)> onEstimate;
    int32_t productCapacity = 0;

private:
    void chooseRow(int row);
    void showInformation();
    void estimate();
    // In SI the quantity of a product counted in pounds is shown and typed in kg; a count of
    // packages stays a count. Follows the chosen product.
    void showQuantityUnit(bool countsPackages);
    int32_t quantityValue() const;

    Table& product_;
    std::vector<ProductListRow> rows_;
    TProductPage opened_;
    bool loading_ = true;
    BrowseList* list_;
    IntField* enteringTemp_;
    IntField* quantity_;
    IntField* pulldown_;
    RealField* respFactor_;
    IntField* respWeight_;
    IntField* listIndex_;
    IntField* recordNo_;
    QLabel* lines_[5];
    QPushButton* estimate_ = nullptr;
    QLabel* quantityLabel_ = nullptr;
    UnitSystem units_;
    bool inKilograms_ = false;
    // The pounds behind the quantity's text while it shows what the dialog put there (the stored
    // quantity or an estimate), so that a figure rounded to 0.1 kg is not read back.
    QString shownText_;
    int32_t shownPounds_ = 0;
    bool shownInKilograms_ = false;
};

class TProductDialog : public KitDialog {
public:
    TProductDialog(Table& product, const TProductPage (&pages)[ProductSlotCount], char estimateMark,
                   int32_t productCapacity, QWidget* parent = nullptr,
                   UnitSystem units = UnitSystem::Imperial);

    TProductPageView* pageView(int index) const { return pages_[index]; }
    QTabWidget* tabs() const { return tabs_; }
    char estimateMark() const { return mark_; }

protected:
    void confirm() override;

private:
    QTabWidget* tabs_;
    TProductPageView* pages_[ProductSlotCount];
    char mark_;
};

// Finds every slot's product in the table (adding the ones it lacks), runs the dialog and on OK
// stores product 1's estimate mark and commits the five pages. True after OK.
bool RunProductDialog(Job& job, Table& product, QWidget* parent,
                      UnitSystem units = UnitSystem::Imperial);
