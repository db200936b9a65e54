#pragma once
// Watches the working folder's reference tables and DEFAULTS.KVI for the main window. Before
// each command the changed ones are read again (TableRefresh); between commands, a change seen
// on disk is read as soon as no dialog is open, so the status bar tells it without waiting for
// the next command. Nothing is read again while a dialog runs: it works on the copy it opened.

#include "app/TableRefresh.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

#include <functional>
#include <string>
#include <vector>

class TableWatcher : public QObject {
public:
    // `refreshed` gets the notices of each re-read that found a change.
    using Refreshed = std::function<void(const std::vector<std::string>& notices)>;
    TableWatcher(AppState& state, Refreshed refreshed, QObject* parent = nullptr);

    // Before a command that may use a table: reads again what changed.
    void refreshBeforeUse();

private:
    void refreshWhenIdle();
    void report(const std::vector<std::string>& notices);
    void watchFiles();

    TableRefresh refresh_;
    Refreshed refreshed_;
    QFileSystemWatcher watcher_;
    QTimer settle_; // lets a burst of changes (a copy, a rename) end before reading
};
