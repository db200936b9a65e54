#include "app/TableWatcher.h"

#include <QApplication>
#include <QFileInfo>

namespace {

// A change is read this long after the last sign of it.
constexpr int SettleMs = 300;

} // namespace

TableWatcher::TableWatcher(AppState& state, Refreshed refreshed, QObject* parent)
    : QObject(parent), refresh_(state), refreshed_(std::move(refreshed)) {
    settle_.setSingleShot(true);
    settle_.setInterval(SettleMs);
    connect(&settle_, &QTimer::timeout, this, [this] { refreshWhenIdle(); });
    const auto changed = [this] { settle_.start(); };
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, changed);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, changed);
    watcher_.addPath(QString::fromStdString(state.folder.string()));
    watchFiles();
}

void TableWatcher::refreshBeforeUse() {
    report(refresh_.refresh(WriterWait::Moment));
}

void TableWatcher::refreshWhenIdle() {
    // A dialog or a menu may be working on a table; try again once it is closed.
    if (QApplication::activeModalWidget() != nullptr ||
        QApplication::activePopupWidget() != nullptr) {
        settle_.start();
        return;
    }
    report(refresh_.refresh(WriterWait::None));
}

void TableWatcher::report(const std::vector<std::string>& notices) {
    // A file replaced by a rename is a new file to watch.
    watchFiles();
    if (!notices.empty())
        refreshed_(notices);
}

// A watch stays with the file it was set on: a file renamed over a watched name is watched anew.
void TableWatcher::watchFiles() {
    if (!watcher_.files().isEmpty())
        watcher_.removePaths(watcher_.files());
    for (const std::string& path : refresh_.watchedPaths()) {
        const QString file = QString::fromStdString(path);
        if (QFileInfo::exists(file))
            watcher_.addPath(file);
    }
}
