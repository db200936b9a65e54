// quelbox: the desktop program. The working folder holds the tables and the side files; the only
// argument, when given, is a job file to open.

#include "app/AppState.h"
#include "app/KelvoFrame.h"
#include "app/RecentFilesProfile.h"
#include "app/SummaryView.h"
#include "app/ToolBarIcons.h"
#include "app/UnitsProfile.h"
#include "app/Version.h"
#include "tables/ShippedTables.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <cstring>

namespace {

constexpr const char* HelpText =
    "Usage: quelbox [JOB.kvj]\n"
    "Sizes the refrigeration of a walk-in cooler or freezer: the cooling load component by\n"
    "component, condensing units and evaporator coils from the maker's tables, the job file and\n"
    "the printed load report. Opens JOB.kvj when it is given.\n"
    "\n"
    "The working folder holds the reference tables (INSUL.DAT, PRODUCT.DAT, UNITS.DAT,\n"
    "COILS.DAT), DEFAULTS.KVI, SUBMIT.KVI, kelvo.ini and the report logo lgo.bmp; a missing\n"
    "table or logo is copied there from the installed set.\n"
    "\n"
    "Options:\n"
    "  -h, --help     print this help and exit\n"
    "  --version      print the version and exit\n";

// --help and --version are answered before anything needs a display. Returns true when one was.
bool AnsweredWithoutWindow(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(HelpText, stdout);
            return true;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("quelbox %s\n", QUELBOX_PRODUCT_VERSION);
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (AnsweredWithoutWindow(argc, argv))
        return 0;
    // Past a file size limit a write fails with EFBIG and takes the usual failure path.
    std::signal(SIGXFSZ, SIG_IGN);
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quelbox"));
    QApplication::setWindowIcon(ToolBarIcon(CommandId::SelectProduct));

    AppState state;
    const std::vector<std::string> problems = StartUp(state, ShippedTableFolders());
    state.recentFiles = LoadRecentFiles(state.pathOf(ProfileFileName));
    state.units = LoadUnitSystem(state.pathOf(ProfileFileName));

    KelvoFrame frame(state);
    // QUELBOX_STARTUP_TIMING=1 prints the time from start to the first paint of the summary;
    // "exit" also ends the program there.
    const QByteArray timing = qgetenv("QUELBOX_STARTUP_TIMING");
    if (!timing.isEmpty()) {
        frame.client()->onFirstPaint([&sinceStart, timing] {
            std::fprintf(stderr, "quelbox: main window painted %lld ms after start\n",
                         static_cast<long long>(sinceStart.elapsed()));
            if (timing == "exit")
                QTimer::singleShot(0, qApp, &QApplication::quit);
        });
    }
    // Without a window manager (Xvfb) maximizing does nothing; start at the screen's size.
    frame.resize(QGuiApplication::primaryScreen()->availableGeometry().size());
    frame.showMaximized();

    const QStringList arguments = QApplication::arguments();
    const std::string jobPath = arguments.size() > 1 ? arguments[1].toStdString() : std::string();
    QTimer::singleShot(0, &frame, [&frame, &problems, jobPath] {
        frame.reportProblems(problems);
        if (!jobPath.empty())
            frame.openAtStart(jobPath);
    });
    return QApplication::exec();
}
