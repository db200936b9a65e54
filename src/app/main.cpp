// quelbox: the desktop program. The working folder holds the tables and the side files: the
// current folder, or with --home (the desktop entry) the user's data folder. The argument, when
// given, is a job file to open.

#include "app/AppState.h"
#include "app/DesktopHome.h"
#include "app/KelvoFrame.h"
#include "app/SummaryView.h"
#include "app/ToolBarIcons.h"
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
    "       quelbox --home [JOB.kvj]\n"
    "Sizes the refrigeration of a walk-in cooler or freezer: the cooling load component by\n"
    "component, condensing units and evaporator coils from the maker's tables, the job file and\n"
    "the printed load report. Opens JOB.kvj when it is given.\n"
    "\n"
    "The working folder (the current folder) holds the reference tables (INSUL.DAT,\n"
    "PRODUCT.DAT, UNITS.DAT, COILS.DAT), DEFAULTS.KVI, SUBMIT.KVI, kelvo.ini and the report logo\n"
    "lgo.bmp; a missing table or logo is copied there from the installed set.\n"
    "\n"
    "Options:\n"
    "  --home         work in $XDG_DATA_HOME/quelbox (~/.local/share/quelbox) and keep\n"
    "                 kelvo.ini in $XDG_CONFIG_HOME/quelbox (~/.config/quelbox), both made\n"
    "                 when missing: the desktop menu's way to start\n"
    "  -h, --help     print this help and exit\n"
    "  --version      print the version and exit\n";

constexpr const char* HomeOption = "--home";

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

    std::string jobPath;
    bool desktopHome = false;
    const QStringList arguments = QApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String(HomeOption))
            desktopHome = true;
        else if (jobPath.empty())
            jobPath = arguments[i].toStdString();
    }

    AppState state;
    std::vector<std::string> problems;
    if (desktopHome) {
        if (std::string problem = UseDesktopHome(state); !problem.empty())
            problems.push_back(problem);
    }
    for (std::string& problem : StartUp(state, ShippedTableFolders()))
        problems.push_back(std::move(problem));

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

    QTimer::singleShot(0, &frame, [&frame, &problems, jobPath] {
        frame.reportProblems(problems);
        if (!jobPath.empty())
            frame.openAtStart(jobPath);
    });
    return QApplication::exec();
}
