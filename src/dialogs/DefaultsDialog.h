#pragma once
// The defaults dialog "Select Insulation": the cooler and freezer walls with their thickness and
// adjacent temperature, and the design conditions, on three tabs.

#include "calc/UnitConversion.h"
#include "dialogs/KitDialog.h"
#include "job/Defaults.h"
#include "job/FileResult.h"
#include "tables/InsulationTable.h"
#include "tables/JobDefaults.h"

#include <optional>
#include <vector>

class BrowseList;
class IntField;
class QStackedWidget;
class QTabBar;
class RealField;
class SpinField;

class TDefaultsTab : public KitDialog {
public:
    enum Tab { CoolerTab, FreezerTab, DesignTab };

    TDefaultsTab(const TDefaults& defaults, const std::vector<InsulationListRow>& rows,
                 QWidget* parent = nullptr, UnitSystem units = UnitSystem::Imperial);

    DefaultsDialogValues values() const;
    void showTab(Tab tab);
    BrowseList* insulationList() const { return list_; }

protected:
    void confirm() override;

private:
    void tabChanged(int tab);

    QTabBar* tabs_;
    QStackedWidget* pages_;
    BrowseList* list_;
    int rows_[2];
    RealField* coolerInches_;
    IntField* coolerAdjacent_;
    RealField* freezerInches_;
    IntField* freezerAdjacent_;
    SpinField* ambient_;
    IntField* designRelHum_;
    IntField* boxRelHum_;
};

// Runs the dialog over the defaults. On "&Save" stores the chosen values and writes the defaults
// file, returning the outcome of the write; nothing on "&Cancel". Quantities are shown and typed
// in `units` and kept in imperial units.
std::optional<FileResult> RunDefaultsDialog(TDefaults& defaults, Table& insul,
                                            const std::string& defaultsPath, QWidget* parent,
                                            UnitSystem units = UnitSystem::Imperial);
