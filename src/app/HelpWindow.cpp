#include "app/HelpWindow.h"

#include "app/HelpWindowPlacement.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include <array>
#include <utility>

namespace {

// Context anchors and the pages that hold them.
constexpr std::array<std::pair<const char*, const char*>, 21> ContextPages{{
    {"contents", "index.html"},       {"commands", "commands.html"},
    {"1088", "jobinfo.html"},         {"1089", "jobinfo.html"},
    {"1090", "jobinfo.html"},         {"1091", "jobinfo.html"},
    {"1092", "jobinfo.html"},         {"1093", "jobinfo.html"},
    {"1094", "jobinfo.html"},         {"1095", "jobinfo.html"},
    {"1096", "jobinfo.html"},         {"1098", "jobinfo.html"},
    {"1099", "jobinfo.html"},         {"1066", "loads.html"},
    {"1110", "loads.html"},           {"defaults", "defaults.html"},
    {"unitsearch", "equipment.html"}, {"coilsearch", "equipment.html"},
    {"spot", "equipment.html"},       {"unitcodes", "equipment.html"},
    {"units", "units.html"},
}};

// A secondary window of its owner: the window manager keeps it above that window (so help does not
// sink behind a maximized main window), and it is not blocked by the owner's modality. Not a tool
// window: that would hand the keys typed in help (Alt+F for Find) to the owner's shortcuts.
Qt::WindowFlags WindowKindUnder(const QWidget* owner) {
    return owner != nullptr ? Qt::Dialog : Qt::Window;
}

} // namespace

HelpWindow::HelpWindow(QWidget* home) : QWidget(home, WindowKindUnder(home)), home_(home) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Quelbox Help"));
    browser_ = new QTextBrowser(this);
    browser_->setOpenLinks(true);
    browser_->setSearchPaths({HelpFolder()});
    find_ = new QLineEdit(this);
    find_->setObjectName(QStringLiteral("helpFind"));
    find_->setClearButtonEnabled(true);
    auto* findLabel = new QLabel(QStringLiteral("&Find:"), this);
    findLabel->setBuddy(find_);
    connect(find_, &QLineEdit::returnPressed, this, [this] { findNext(); });
    auto* findRow = new QHBoxLayout;
    findRow->setContentsMargins(6, 4, 6, 4);
    findRow->addWidget(findLabel);
    findRow->addWidget(find_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(findRow);
    layout->addWidget(browser_);
    resize(640, 560);
}

QString HelpWindow::HelpFolder() {
    const QDir program(QCoreApplication::applicationDirPath());
    for (const QString& candidate : {program.filePath(QStringLiteral("help")),
                                     program.filePath(QStringLiteral("../share/quelbox/help"))}) {
        if (QFileInfo(candidate + QStringLiteral("/index.html")).exists())
            return QDir::cleanPath(candidate);
    }
    return program.filePath(QStringLiteral("help"));
}

QString HelpWindow::PageOf(const QString& context) {
    for (const auto& [anchor, page] : ContextPages) {
        if (context == QLatin1String(anchor))
            return QLatin1String(page);
    }
    return QStringLiteral("index.html");
}

bool HelpWindow::showContext(const QString& context) {
    const QString page = QDir(HelpFolder()).filePath(PageOf(context));
    if (!QFileInfo::exists(page))
        return false;
    QUrl url = QUrl::fromLocalFile(page);
    if (context != QLatin1String("contents"))
        url.setFragment(context);
    browser_->setSource(url);
    QWidget* dialog = owner();
    if (parentWidget() != dialog) {
        if (dialog == home_)
            stayWith(dialog);
        else
            openBeside(dialog);
        watch(dialog);
    }
    show();
    raise();
    activateWindow();
    return true;
}

QWidget* HelpWindow::owner() const {
    QWidget* modal = QApplication::activeModalWidget();
    return modal != nullptr && modal != this ? modal : home_.data();
}

void HelpWindow::openBeside(QWidget* dialog) {
    setParent(dialog, WindowKindUnder(dialog));
    // The help window's frame is taken to be as thick as the dialog's.
    const QRect frame = dialog->frameGeometry();
    const QRect inner = dialog->geometry();
    const QMargins margins(inner.left() - frame.left(), inner.top() - frame.top(),
                           frame.right() - inner.right(), frame.bottom() - inner.bottom());
    // The size asked for: the window's own, unless it is still the size the last placing cut it to.
    if (size() != fittedSize_)
        wantedSize_ = size();
    const QRect place =
        PlaceBeside(frame, wantedSize_.grownBy(margins), dialog->screen()->availableGeometry());
    setGeometry(place.marginsRemoved(margins));
    fittedSize_ = size();
}

void HelpWindow::stayWith(QWidget* window) {
    const bool shown = isVisible();
    const QRect place = geometry(); // a new native window is placed by its inside
    setParent(window, WindowKindUnder(window));
    setGeometry(place);
    if (!shown)
        return;
    setAttribute(Qt::WA_ShowWithoutActivating, true);
    show();
    setAttribute(Qt::WA_ShowWithoutActivating, false);
    if (window != nullptr)
        window->activateWindow();
}

void HelpWindow::watch(QWidget* window) {
    if (auto* dialog = qobject_cast<QDialog*>(window))
        connect(dialog, &QDialog::finished, this, &HelpWindow::ownerClosed,
                Qt::SingleShotConnection);
}

void HelpWindow::ownerClosed() {
    QWidget* next = owner();
    if (parentWidget() == next)
        return;
    stayWith(next);
    watch(next);
}

bool HelpWindow::findNext() {
    const QString text = find_->text();
    if (text.isEmpty())
        return false;
    if (browser_->find(text))
        return true;
    browser_->moveCursor(QTextCursor::Start);
    return browser_->find(text);
}
