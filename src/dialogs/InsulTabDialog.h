#pragma once
// "Select Insulation": one list of the insulation table in name order over six tabs, one per
// surface (north, south, east, west wall, ceiling, floor). Each tab remembers its row and has its
// own thickness and adjacent temperature; "All &Walls" on the first tab copies the north wall's
// choice to the other walls and the ceiling, never to the floor.

#include "calc/UnitConversion.h"
#include "dialogs/KitDialog.h"
#include "job/JobImage.h"
#include "tables/SurfaceInsulation.h"

#include <string>
#include <vector>

class BrowseList;
class IntField;
class QPushButton;
class QTabWidget;
class RealField;
class Table;
struct InsulationListRow;

class TInsulTab : public KitDialog {
public:
    TInsulTab(const std::vector<InsulationListRow>& rows,
              const SurfaceChoice (&choices)[SurfaceCount], QWidget* parent = nullptr,
              UnitSystem units = UnitSystem::Imperial);

    SurfaceChoice choice(int surface) const;
    // Whether the user chose the surface's row (in the list or by "All Walls").
    bool picked(int surface) const { return picked_[surface]; }
    QTabWidget* tabs() const { return tabs_; }
    BrowseList* list() const { return list_; }
    QPushButton* allWallsButton() const { return allWalls_; }

protected:
    void confirm() override;

private:
    void tabChanged(int tab);
    void allWalls();

    QTabWidget* tabs_;
    BrowseList* list_;
    QPushButton* allWalls_;
    int32_t rows_[SurfaceCount];
    bool picked_[SurfaceCount] = {};
    bool highlighting_ = false;
    RealField* thickness_[SurfaceCount];
    IntField* adjacent_[SurfaceCount];
};

// Runs the dialog on the job's surfaces. Each tab opens on the row that holds its surface's
// insulation, found by name when the stored row holds another record; only an insulation the
// table lacks opens on the stored row. OK writes the six surface records from the table and
// brings their rows up to date; a surface whose insulation the table lacks keeps it unless the
// user chose a row. Returns true after OK.
bool RunInsulationDialog(JobImage& image, Table& insul, QWidget* parent,
                         UnitSystem units = UnitSystem::Imperial);
