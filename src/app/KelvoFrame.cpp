#include "app/KelvoFrame.h"

#include "app/AboutDialog.h"
#include "app/EquipmentCommands.h"
#include "app/HelpWindow.h"
#include "app/InputCommands.h"
#include "app/LockIndicators.h"
#include "app/RecentFilesProfile.h"
#include "app/SummaryView.h"
#include "app/TableWatcher.h"
#include "app/ToolBarIcons.h"
#include "app/UnitsProfile.h"
#include "dialogs/DefaultsDialog.h"
#include "dialogs/DialogHooks.h"
#include "dialogs/JobInfoDialog.h"
#include "dialogs/NewJobDialog.h"
#include "dialogs/SubmitterDialog.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

namespace {

const QString JobFilter = QStringLiteral("KVJ Files (*.kvj);;All Files (*)");

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

KelvoFrame::KelvoFrame(AppState& state, QWidget* parent)
    : QMainWindow(parent), state_(state), client_(new TKlientWindow(state, this)) {
    setObjectName(QStringLiteral("KelvoFrame"));
    setWindowTitle(Text(state_.caption));
    setCentralWidget(client_);
    statusBar()->setSizeGripEnabled(true);
    notice_ = new QLabel(statusBar());
    notice_->setObjectName(QStringLiteral("notice"));
    statusBar()->addWidget(notice_, 1);
    locks_ = new LockIndicators(statusBar());
    watcher_ = new TableWatcher(
        state_, [this](const std::vector<std::string>& notices) { tablesChanged(notices); }, this);
    if (!state_.profile.problem().empty())
        showNotice(Text(state_.profile.problem()));
    buildOperations();
    buildMenus();
    buildToolBar();
    updateRecentFiles();
    updateCommands();
    client_->onSelectionDropped([this] { updateCommands(); });
    SetHelpHandler([this](const QString& context) { openHelp(context); });
    client_->setFocus();
}

KelvoFrame::~KelvoFrame() {
    SetHelpHandler({});
}

// The commands the program carries out. A command without an entry here is shown disabled;
// giving it an operation is all it takes to enable it.
void KelvoFrame::buildOperations() {
    using enum CommandId;
    operations_ = {
        {NewJob, [this] { NewJobCommand(state_, *this); }},
        {EditJobInfo, [this] { EditJobInfoCommand(state_, *this); }},
        {LoadJob, [this] { LoadJobCommand(state_, *this); }},
        {SaveJob, [this] { SaveJobCommand(state_, *this); }},
        {PrintJob, [this] { printing_.Print(state_, this); }},
        {PrintPreview, [this] { printing_.Preview(state_, this); }},
        {ExportPdf,
         [this] {
             const QString path = printing_.ExportPdf(state_, this);
             if (path.isEmpty())
                 return;
             statusBar()->showMessage(PdfSavedStatus(path));
             OfferToOpenPdf(path, this);
         }},
        {SetDefaults, [this] { DefaultsCommand(state_, *this); }},
        {SubmittedBy, [this] { SubmitterCommand(state_, *this); }},
        {ClearJob, [this] { ClearCommand(state_, *this); }},
        {SelectProduct, [this] { SelectProductCommand(state_, this); }},
        {UserLoad, [this] { UserLoadEntryCommand(state_, this); }},
        {LatentRange, [this] { LatentRangeCommand(state_, this); }},
        {SelectInsulation, [this] { SelectInsulationCommand(state_, this); }},
        {SunAllowance, [this] { SunAllowanceCommand(state_, this); }},
        {AddInsulation, [this] { AddInsulationCommand(state_, this); }},
        {AirChange, [this] { AirChangeMethodCommand(state_, this); }},
        {AirVelocity, [this] { AirVelocityMethodCommand(state_, this); }},
        {Occupants, [this] { OccupantsCommand(state_, this); }},
        {GlassDoors, [this] { GlassDoorsLoadCommand(state_, this); }},
        {MotorLoads, [this] { MotorLoadsCommand(state_, this); }},
        {ElectricLoads, [this] { ElectricLoadsCommand(state_, this); }},
        {Lighting, [this] { LightingCommand(state_, this); }},
        {Exit, [this] { close(); }},
        {UnitSearch, [this] { UnitSearchCommand(state_, this); }},
        {CoilSearch, [this] { CoilSearchCommand(state_, this); }},
        {SpotUnit, [this] { SpotUnitCommand(state_, this); }},
        {SpotCoil, [this] { SpotCoilCommand(state_, this); }},
        {UnitProductCodes, [this] { UnitCodesCommand(this); }},
        {HelpIndex, [this] { openHelp(QStringLiteral("contents")); }},
        {About, [this] { showAbout(); }},
        {ToolBar, [this] { toggleToolBar(); }},
        {MetricUnits, [this] { toggleMetricUnits(); }},
    };
}

void KelvoFrame::buildMenus() {
    const std::map<CommandMenu, QString> titles = {
        {CommandMenu::File, QStringLiteral("&File")},
        {CommandMenu::Product, QStringLiteral("&Product")},
        {CommandMenu::WallGain, QStringLiteral("&Wall Gain")},
        {CommandMenu::Infiltration, QStringLiteral("&Infiltration")},
        {CommandMenu::Misc, QStringLiteral("&Misc")},
        {CommandMenu::View, QStringLiteral("&View")},
        {CommandMenu::Equipment, QStringLiteral("&Equipment")},
        {CommandMenu::Help, QStringLiteral("&Help")}};
    std::map<CommandMenu, QMenu*> menus;
    for (const CommandInfo& command : CommandTable()) {
        auto* action = new QAction(QString::fromUtf8(command.menuText), this);
        action->setStatusTip(QString::fromUtf8(command.hint));
        action->setCheckable(command.check != CheckRule::None);
        const CommandId id = command.id;
        connect(action, &QAction::triggered, this, [this, id] { runCommand(id); });
        actions_[id] = action;
        if (command.menu == CommandMenu::TopLevel) {
            menuBar()->addAction(action);
            continue;
        }
        QMenu*& menu = menus[command.menu];
        if (menu == nullptr) {
            menu = menuBar()->addMenu(titles.at(command.menu));
            connect(menu, &QMenu::aboutToShow, this, [this] { updateCommands(); });
        }
        if (command.id == CommandId::Exit) {
            recentSeparator_ = menu->addSeparator();
            for (int i = 0; i < RecentFileCount; ++i) {
                auto* recent = new QAction(this);
                connect(recent, &QAction::triggered, this, [this, i] {
                    if (static_cast<std::size_t>(i) >= state_.recentFiles.size())
                        return;
                    const std::string path = state_.recentFiles[static_cast<std::size_t>(i)];
                    LoadRecentCommand(state_, *this, path);
                    afterCommand();
                });
                menu->addAction(recent);
                recent_.push_back(recent);
            }
        }
        if (command.separatorBefore && !menu->isEmpty())
            menu->addSeparator();
        menu->addAction(action);
    }
    actions_[CommandId::Exit]->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    actions_[CommandId::SetDefaults]->setShortcut(QKeySequence(Qt::ALT | Qt::Key_D));
    actions_[CommandId::HelpIndex]->setShortcut(QKeySequence::HelpContents);
}

void KelvoFrame::buildToolBar() {
    toolBar_ = new QToolBar(QStringLiteral("Toolbar"), this);
    toolBar_->setObjectName(QStringLiteral("TKVToolBar"));
    toolBar_->setMovable(true);
    toolBar_->setFloatable(true);
    toolBar_->setIconSize(QSize(24, 24));
    toolBar_->toggleViewAction()->setVisible(false);
    QFont gadgets = toolBar_->font();
    gadgets.setPixelSize(10);
    toolBar_->setFont(gadgets);
    bool first = true;
    for (const CommandId id : ToolBarCommands()) {
        if (!first)
            toolBar_->addSeparator();
        first = false;
        QAction* action = actions_.at(id);
        action->setIcon(ToolBarIcon(id));
        toolBar_->addAction(action);
    }
    addToolBar(Qt::TopToolBarArea, toolBar_);
    connect(toolBar_, &QToolBar::visibilityChanged, this, [this](bool) { updateCommands(); });
}

void KelvoFrame::runCommand(CommandId command) {
    // A table changed on disk is read again before anything uses it.
    watcher_->refreshBeforeUse();
    const auto operation = operations_.find(command);
    if (operation == operations_.end())
        return;
    const CommandStatus status = StatusOf(CommandInfoOf(command), state_, true,
                                          toolBar_ != nullptr && !toolBar_->isHidden());
    if (!status.enabled) {
        updateCommands();
        return;
    }
    operation->second();
    afterCommand();
}

void KelvoFrame::afterCommand() {
    // A notice stays through the command after the one it came with.
    if (++noticeAge_ > 1)
        notice_->clear();
    setWindowTitle(Text(state_.caption));
    StoreRecentFiles(state_.profile, state_.recentFiles);
    keepProfile();
    updateRecentFiles();
    updateCommands();
    client_->viewport()->update();
}

void KelvoFrame::updateCommands() {
    const bool toolBarVisible = toolBar_ != nullptr && !toolBar_->isHidden();
    for (const CommandInfo& command : CommandTable()) {
        const CommandStatus status =
            StatusOf(command, state_, operations_.contains(command.id), toolBarVisible);
        QAction* action = actions_.at(command.id);
        action->setEnabled(status.enabled);
        action->setChecked(status.checked);
    }
}

void KelvoFrame::updateRecentFiles() {
    for (std::size_t i = 0; i < recent_.size(); ++i) {
        const bool used = i < state_.recentFiles.size();
        recent_[i]->setVisible(used);
        if (used) {
            recent_[i]->setText(
                QStringLiteral("&%1 %2").arg(i + 1).arg(Text(state_.recentFiles[i])));
            recent_[i]->setStatusTip(Text(state_.recentFiles[i]));
        }
    }
    if (recentSeparator_ != nullptr)
        recentSeparator_->setVisible(!state_.recentFiles.empty());
}

void KelvoFrame::toggleToolBar() {
    // Hiding keeps the toolbar's place, so showing it again puts it back where it was.
    toolBar_->setVisible(toolBar_->isHidden());
}

void KelvoFrame::toggleMetricUnits() {
    state_.units = state_.units == UnitSystem::Metric ? UnitSystem::Imperial : UnitSystem::Metric;
    StoreUnitSystem(state_.profile, state_.units);
    const FileResult saved = state_.profile.save();
    if (!saved.ok) {
        profileFailureTold_ = true;
        showError(StartCaption, "The unit setting could not be kept. " + saved.message +
                                    ". It holds until the program ends.");
    }
}

void KelvoFrame::keepProfile() {
    const FileResult saved = state_.profile.save();
    if (saved.ok || profileFailureTold_)
        return;
    profileFailureTold_ = true;
    showNotice(Text(saved.message +
                    "; the recent files and the unit setting last until the program ends"));
}

void KelvoFrame::tablesChanged(const std::vector<std::string>& notices) {
    QStringList texts;
    for (const std::string& notice : notices)
        texts << Text(notice);
    showNotice(texts.join(QStringLiteral(" \u2014 ")));
    updateCommands();
}

void KelvoFrame::showNotice(const QString& text) {
    notice_->setText(text);
    noticeAge_ = 0;
}

QString KelvoFrame::statusNotice() const {
    return notice_->text();
}

void KelvoFrame::showAbout() {
    kelvoAboutDlg about{TProjectKVVersion{}, this};
    about.setFileLocations(Text(FullPath(state_.folder.string())),
                           Text(FullPath(state_.profilePath())));
    RunModal(about);
}

void KelvoFrame::openHelp(const QString& context) {
    if (help_ == nullptr)
        help_ = new HelpWindow(this);
    if (!help_->showContext(context))
        showError(StartCaption,
                  "The help pages were not found in " + HelpWindow::HelpFolder().toStdString());
}

HelpWindow* KelvoFrame::helpWindow() const {
    return help_;
}

void KelvoFrame::reportProblems(const std::vector<std::string>& problems) {
    for (const std::string& problem : problems)
        showError(StartCaption, problem);
}

void KelvoFrame::openAtStart(const std::string& path) {
    LoadRecentCommand(state_, *this, path);
    afterCommand();
}

void KelvoFrame::closeEvent(QCloseEvent* event) {
    if (CloseRequested(state_, *this)) {
        if (help_ != nullptr)
            help_->close();
        event->accept();
    } else {
        event->ignore();
    }
    afterCommand();
}

bool KelvoFrame::askSave(const std::string& question) {
    return ShowMessage(this, {QString::fromUtf8(CautionTitle), Text(question),
                              MessageIcon::Question, MessageButtons::YesNo}) == MessageAnswer::Yes;
}

void KelvoFrame::showError(const std::string& title, const std::string& text) {
    ShowMessage(this, {Text(title), Text(text), MessageIcon::Exclamation, MessageButtons::Ok});
}

std::optional<std::string> KelvoFrame::chooseSavePath(const std::string& preset) {
    const QString path = ChooseFile(
        this, {true, QStringLiteral("Save Job"), Text(preset), JobFilter, QStringLiteral("kvj")});
    if (path.isEmpty())
        return std::nullopt;
    return path.toStdString();
}

std::optional<std::string> KelvoFrame::chooseOpenPath(const std::string& preset) {
    const QString path = ChooseFile(
        this, {false, QStringLiteral("Load Job"), Text(preset), JobFilter, QStringLiteral("kvj")});
    if (path.isEmpty())
        return std::nullopt;
    return path.toStdString();
}

std::optional<int32_t> KelvoFrame::askBoxTemperature() {
    return AskBoxTemperature(this, state_.units);
}

bool KelvoFrame::runJobInformation(Job& job) {
    return RunJobInformation(job, this, state_.units);
}

bool KelvoFrame::runSubmitter(TSubmitter& submitter) {
    return RunSubmitterDialog(submitter, this);
}

std::optional<FileResult> KelvoFrame::runDefaults(TDefaults& defaults, Table& insul,
                                                  const std::string& path) {
    return RunDefaultsDialog(defaults, insul, path, this, state_.units);
}
