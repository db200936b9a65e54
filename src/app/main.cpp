// quelbox: the desktop program. The working folder holds the tables and the side files; the only
// argument, when given, is a job file to open.

#include "app/AppState.h"
#include "app/KelvoFrame.h"
#include "app/RecentFilesProfile.h"
#include "app/SummaryView.h"
#include "app/ToolBarIcons.h"
#include "tables/ShippedTables.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quelbox"));
    QApplication::setWindowIcon(ToolBarIcon(CommandId::SelectProduct));

    AppState state;
    const std::vector<std::string> problems = StartUp(state, ShippedTableFolders());
    state.recentFiles = LoadRecentFiles(state.pathOf(ProfileFileName));

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
