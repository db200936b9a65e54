// Shows one window of the program for screenshots under Xvfb: the main window with a job, or it
// with the Job Information or the defaults dialog open on top. Usage: show_window
// main|jobinfo|defaults|preview JOB
#include "app/KelvoFrame.h"
#include "dialogs/DateField.h"
#include "dialogs/DefaultsDialog.h"
#include "dialogs/JobInfoDialog.h"
#include "job/FixedText.h"
#include "tables/ShippedTables.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>

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
    return QApplication::exec();
}
