// Shows one window of the program for screenshots under Xvfb: the main window with a job, or it
// with the Job Information, the defaults, the print preview or an equipment dialog open on top.
// Usage: show_window main|jobinfo|defaults|preview|units|coils|spot|codes JOB
#include "app/KelvoFrame.h"
#include "dialogs/CoilDialogs.h"
#include "dialogs/DateField.h"
#include "dialogs/DefaultsDialog.h"
#include "dialogs/JobInfoDialog.h"
#include "dialogs/SpotDialogs.h"
#include "dialogs/UnitCodesDialog.h"
#include "dialogs/UnitDialogs.h"
#include "equipment/CoilSearch.h"
#include "equipment/UnitCheck.h"
#include "equipment/UnitSearch.h"
#include "job/FixedText.h"
#include "tables/ShippedTables.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>

namespace {

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
    const UnitList unitList = BuildUnitList(job, units, equipment);
    if (!coilList) {
        (new TSearchUnitDialog(unitList, &frame))->show();
        return;
    }
    if (unitList.rows.empty())
        return;
    StoreUnitRow(job, unitList.rows.front());
    RefreshJob(job, equipment);
    BeginCoilSelection(job, equipment);
    if (ConfirmCoilSelection(job, 1) && SearchCoils(job, coils, equipment))
        (new TSearchCoilDialog(BuildCoilList(job, coils, equipment), &frame))->show();
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
    KelvoFrame frame(state);
    frame.resize(QGuiApplication::primaryScreen()->availableGeometry().size());
    frame.show();
    frame.openAtStart(argv[2]);
    const TJobHeader& h = state.job.image.header;
    KVjobDialog info(TakeJobInfoRecord(h, false), false, h.designAmbient,
                     DateField::Parse(GetText(h.jobDate)), &frame);
    TDefaultsTab defaults(state.defaults,
                          InsulationListRows(*state.tables.get(ReferenceTable::Insul)), &frame);
    if (which == "jobinfo")
        info.show();
    if (which == "defaults")
        defaults.show();
    if (which == "preview")
        QTimer::singleShot(0, &frame, [&frame] { frame.runCommand(CommandId::PrintPreview); });
    if (which == "units" || which == "coils")
        ShowEquipmentList(state, frame, which == "coils");
    if (which == "spot")
        (new rkSpotDialog(state.spot.unit, state.spot.spotAmbient, &frame))->show();
    if (which == "codes")
        (new unitCodesDialog(&frame))->show();
    return QApplication::exec();
}
