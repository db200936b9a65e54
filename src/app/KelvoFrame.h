#pragma once
// The main window: menu, toolbar, status bar and the summary client window, with every command
// bound to its operation. The window asks the user through the dialogs (it is the JobUi of the
// job commands).

#include "app/AppState.h"
#include "app/Commands.h"
#include "app/JobCommands.h"
#include "app/ReportPrinting.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <map>

class HelpWindow;
class LockIndicators;
class TableWatcher;
class QAction;
class QLabel;
class QToolBar;
class TKlientWindow;

class KelvoFrame : public QMainWindow, public JobUi {
public:
    explicit KelvoFrame(AppState& state, QWidget* parent = nullptr);
    ~KelvoFrame() override;

    QAction* action(CommandId command) const { return actions_.at(command); }
    QToolBar* toolBar() const { return toolBar_; }
    TKlientWindow* client() const { return client_; }
    HelpWindow* helpWindow() const;
    const std::vector<QAction*>& recentActions() const { return recent_; }
    // What the status bar tells of the files on disk: a table read again, a profile not kept.
    QString statusNotice() const;

    // Runs a command as the menu does (if it is enabled), then redraws and updates the commands.
    void runCommand(CommandId command);
    // Sets every action's enabled and checked state from the command table.
    void updateCommands();
    // Shows each start-up problem in a message box.
    void reportProblems(const std::vector<std::string>& problems);
    void openHelp(const QString& context);
    // Opens the job file named on the command line.
    void openAtStart(const std::string& path);

    // JobUi
    bool askSave(const std::string& question) override;
    void showError(const std::string& title, const std::string& text) override;
    std::optional<std::string> chooseSavePath(const std::string& preset) override;
    std::optional<std::string> chooseOpenPath(const std::string& preset) override;
    std::optional<int32_t> askBoxTemperature() override;
    bool runJobInformation(Job& job) override;
    bool runSubmitter(TSubmitter& submitter) override;
    std::optional<FileResult> runDefaults(TDefaults& defaults, Table& insul,
                                          const std::string& path) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildOperations();
    void buildMenus();
    void buildToolBar();
    void updateRecentFiles();
    void afterCommand();
    void toggleToolBar();
    void toggleMetricUnits();
    void showAbout();
    // Writes kelvo.ini when it changed; the first failure of the run is told in the status bar.
    void keepProfile();
    void tablesChanged(const std::vector<std::string>& notices);
    // Shown in the status bar (below a menu's hints while they show) until the end of the
    // command after the one it came with.
    void showNotice(const QString& text);

    AppState& state_;
    ReportPrinting printing_;
    TKlientWindow* client_;
    QToolBar* toolBar_ = nullptr;
    QPointer<HelpWindow> help_;
    LockIndicators* locks_ = nullptr;
    TableWatcher* watcher_ = nullptr;
    bool profileFailureTold_ = false;
    QLabel* notice_ = nullptr;
    int noticeAge_ = 0;
    std::map<CommandId, QAction*> actions_;
    std::map<CommandId, std::function<void()>> operations_;
    std::vector<QAction*> recent_;
    QAction* recentSeparator_ = nullptr;
};
