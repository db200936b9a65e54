// Shows one window of the program for screenshots under Xvfb: the main window with a job, or it
// with the Job Information, the defaults, the print preview, an equipment dialog or an input
// dialog open on top.
// Usage: show_window WINDOW JOB [si], WINDOW one of main jobinfo defaults preview units coils
// spot codes product insulation velocity maintenance sun user glass latent; "si" shows it in
// metric units.
#include "app/KelvoFrame.h"
#include "dialogs/CoilDialogs.h"
#include "dialogs/DateField.h"
#include "dialogs/DefaultsDialog.h"
#include "dialogs/InfiltrationDialogs.h"
#include "dialogs/InsulModifyDialog.h"
#include "dialogs/InsulTabDialog.h"
#include "dialogs/JobInfoDialog.h"
#include "dialogs/MiscLoadDialogs.h"
#include "dialogs/ProductDialog.h"
#include "dialogs/SpotDialogs.h"
#include "dialogs/SunDialog.h"
#include "dialogs/UnitCodesDialog.h"
#include "dialogs/UnitDialogs.h"
#include "equipment/CoilSearch.h"
#include "equipment/EquipmentListUnits.h"
#include "equipment/UnitCheck.h"
#include "equipment/UnitSearch.h"
#include "job/FixedText.h"
#include "tables/InsulationTable.h"
#include "tables/ShippedTables.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>

#include <memory>

namespace {

// The input dialog named `which` over the job, or null for another name. The insulation list
// works on `maintenance`, which must outlive the dialog.
QDialog* InputDialog(AppState& state, KelvoFrame& frame, const std::string& which,
                     std::unique_ptr<InsulationMaintenance>& maintenance) {
    JobImage& image = state.job.image;
    Table& insul = *state.tables.get(ReferenceTable::Insul);
    Table& product = *state.tables.get(ReferenceTable::Product);
    if (which == "product") {
        TProductPage pages[ProductSlotCount];
        for (int p = 0; p < ProductSlotCount; ++p) {
            LocateProductSlot(product, image.products[p]);
            pages[p] = PageOfSlot(image.products[p]);
        }
        return new TProductDialog(product, pages, ' ', 2160, &frame, state.units);
    }
    if (which == "insulation") {
        SurfaceChoice choices[SurfaceCount];
        for (int s = 0; s < SurfaceCount; ++s)
            choices[s] = {image.surfaces[s].insulationRow, image.surfaces[s].thickness,
                          image.surfaces[s].adjacentTemp};
        return new TInsulTab(InsulationListRows(insul), choices, &frame, state.units);
    }
    if (which == "maintenance") {
        maintenance = std::make_unique<InsulationMaintenance>(insul);
        maintenance->ToggleDeleted(1);
        return new TInsulModifyDialog(*maintenance, &frame, state.units);
    }
    if (which == "velocity")
        return new TAirVelocityDialog(image.airVelocityEntry, &frame, state.units);
    if (which == "sun")
        return new TSunDialog(image.sun, &frame);
    if (which == "user")
        return new TUserDialog(image.userLoad, &frame, state.units);
    if (which == "glass")
        return new TGlassDialog(image.glassDoors, &frame, state.units);
    if (which == "latent")
        return new TLatentDialog(image.latent, &frame, state.units);
    return nullptr;
}

// The unit list of the job for one unit at TD 10, or the coil list for the first unit of it.
void ShowEquipmentList(AppState& state, KelvoFrame& frame, bool coilList) {
    Job& job = state.job;
    EquipmentState& equipment = state.equipment;
    Table& units = *state.tables.get(ReferenceTable::Units);
    Table& coils = *state.tables.get(ReferenceTable::Coils);
    RefreshJob(job, equipment);
    BeginUnitSelection(job, equipment);
    if (!ConfirmUnitSelection(job, 1, 10) || !SearchUnits(job, units, equipment))
        return;
    UnitList unitList = BuildUnitList(job, units, equipment);
    if (!coilList) {
        unitList.desired = DesiredUnitLine(job.image, state.units);
        (new TSearchUnitDialog(unitList, &frame, state.units))->show();
        return;
    }
    if (unitList.rows.empty())
        return;
    StoreUnitRow(job, unitList.rows.front());
    RefreshJob(job, equipment);
    BeginCoilSelection(job, equipment);
    if (ConfirmCoilSelection(job, 1) && SearchCoils(job, coils, equipment)) {
        CoilList coilList = BuildCoilList(job, coils, equipment);
        coilList.desired = DesiredCoilLine(job.image, state.units);
        (new TSearchCoilDialog(coilList, &frame, state.units))->show();
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quelbox"));
    if (argc < 3)
        return 1;
    const std::string which = argv[1];
    AppState state;
    StartUp(state, ShippedTableFolders());
    if (argc > 3 && std::string(argv[3]) == "si")
        state.units = UnitSystem::Metric;
    std::unique_ptr<InsulationMaintenance> maintenance; // outlives the dialogs of the frame
    KelvoFrame frame(state);
    frame.resize(QGuiApplication::primaryScreen()->availableGeometry().size());
    frame.show();
    frame.openAtStart(argv[2]);
    const TJobHeader& h = state.job.image.header;
    KVjobDialog info(TakeJobInfoRecord(h, false), false, h.designAmbient,
                     DateField::Parse(GetText(h.jobDate)), &frame, state.units);
    TDefaultsTab defaults(state.defaults,
                          InsulationListRows(*state.tables.get(ReferenceTable::Insul)), &frame,
                          state.units);
    if (which == "jobinfo")
        info.show();
    if (which == "defaults")
        defaults.show();
    if (which == "preview")
        QTimer::singleShot(0, &frame, [&frame] { frame.runCommand(CommandId::PrintPreview); });
    if (which == "units" || which == "coils")
        ShowEquipmentList(state, frame, which == "coils");
    if (which == "spot")
        (new rkSpotDialog(state.spot.unit, state.spot.spotAmbient, &frame, state.units))->show();
    if (which == "codes")
        (new unitCodesDialog(&frame))->show();
    if (QDialog* input = InputDialog(state, frame, which, maintenance))
        input->show();
    return QApplication::exec();
}
