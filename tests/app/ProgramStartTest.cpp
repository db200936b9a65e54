// The quelbox program itself, started in a child process on the offscreen platform and ended at
// its first paint: what it does at start to the folders it is given.

#include "../dialogs/DialogTestSupport.h"

#include "app/AppState.h"
#include "job/JobFile.h"
#include "tables/ShippedTables.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <sys/stat.h>

namespace {

constexpr int StartLimitMs = 60000;

struct ProgramRun {
    bool finished = false;
    int exitCode = -1;
    std::string errors;
};

// Runs the program in `folder` with `arguments` and `environment` added to the test's own.
ProgramRun RunProgram(const std::filesystem::path& folder, const QStringList& arguments,
                      const std::map<QString, QString>& environment = {},
                      const QStringList& unset = {}) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QUELBOX_STARTUP_TIMING"), QStringLiteral("exit"));
    for (const auto& [name, value] : environment)
        env.insert(name, value);
    for (const QString& name : unset)
        env.remove(name);
    QProcess program;
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(QString::fromStdString(folder.string()));
    program.start(QStringLiteral(QUELBOX_PROGRAM), arguments);
    ProgramRun run;
    run.finished = program.waitForFinished(StartLimitMs);
    if (!run.finished) {
        program.kill();
        program.waitForFinished();
    }
    run.exitCode = program.exitCode();
    run.errors = program.readAllStandardError().toStdString();
    return run;
}

std::vector<std::string> Names(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        names.push_back(std::filesystem::relative(entry.path(), folder).string());
    std::sort(names.begin(), names.end());
    return names;
}

QString Q(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

} // namespace

// A FIFO where the profile should be would hold a blocking open forever.
TEST(ProgramStart, AFifoProfileDoesNotHoldUpTheStart) {
    TempFolder folder;
    ASSERT_EQ(::mkfifo(folder.file("kelvo.ini").c_str(), 0644), 0);
    const ProgramRun run = RunProgram(folder.path(), {});
    ASSERT_TRUE(run.finished) << "still waiting after " << StartLimitMs << " ms";
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    struct stat info {};
    ASSERT_EQ(::lstat(folder.file("kelvo.ini").c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

// Started from the desktop entry ("quelbox --home JOB") the program keeps its tables, side files
// and profile in the user's data and configuration folders, and leaves the folder it was
// started in and the home folder as they were.
TEST(ProgramStart, TheDesktopEntryKeepsItsFilesInTheUsersDataAndConfigFolders) {
    struct Case {
        const char* name;
        bool xdgSet;             // XDG_DATA_HOME and XDG_CONFIG_HOME name folders of their own
        const char* xdgRelative; // or a relative path, which does not count
    };
    const Case cases[] = {
        {"XDG folders given", true, nullptr},
        {"XDG folders unset", false, nullptr},
        {"XDG folders relative", false, "relative/place"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder root;
        const std::filesystem::path home = root.path() / "home";
        const std::filesystem::path start = root.path() / "start";
        const std::filesystem::path jobs = root.path() / "jobs";
        for (const auto& folder : {home, start, jobs})
            std::filesystem::create_directory(folder);
        AppState made;
        made.folder = jobs;
        StartUp(made, ShippedTableFolders());
        const std::filesystem::path job = jobs / "cooler.kvj";
        ASSERT_TRUE(WriteJobFile(made.job, job.string()).ok);

        std::map<QString, QString> environment = {{QStringLiteral("HOME"), Q(home)}};
        QStringList unset;
        std::filesystem::path data = home / ".local/share/quelbox";
        std::filesystem::path config = home / ".config/quelbox";
        if (c.xdgSet) {
            environment[QStringLiteral("XDG_DATA_HOME")] = Q(root.path() / "data");
            environment[QStringLiteral("XDG_CONFIG_HOME")] = Q(root.path() / "config");
            data = root.path() / "data/quelbox";
            config = root.path() / "config/quelbox";
        } else if (c.xdgRelative != nullptr) {
            environment[QStringLiteral("XDG_DATA_HOME")] = QString::fromUtf8(c.xdgRelative);
            environment[QStringLiteral("XDG_CONFIG_HOME")] = QString::fromUtf8(c.xdgRelative);
        } else {
            unset = {QStringLiteral("XDG_DATA_HOME"), QStringLiteral("XDG_CONFIG_HOME")};
        }

        const ProgramRun run =
            RunProgram(start, {QStringLiteral("--home"), Q(job)}, environment, unset);
        ASSERT_TRUE(run.finished) << "still running after " << StartLimitMs << " ms";
        EXPECT_EQ(run.exitCode, 0) << run.errors;
        EXPECT_TRUE(Names(start).empty());
        for (const char* file : {"INSUL.DAT", "PRODUCT.DAT", "UNITS.DAT", "COILS.DAT", "lgo.bmp"})
            EXPECT_TRUE(std::filesystem::is_regular_file(data / file)) << (data / file);
        std::ifstream profile(config / "kelvo.ini");
        const std::string text((std::istreambuf_iterator<char>(profile)), {});
        EXPECT_NE(text.find(job.string()), std::string::npos) << text;
        if (c.xdgSet) {
            EXPECT_TRUE(Names(home).empty());
        }
    }
}
