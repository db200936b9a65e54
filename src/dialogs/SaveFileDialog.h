#pragma once
// The Save dialog for files the program writes. A name that cannot be a file here or on Windows,
// or a folder that does not exist (a "/" typed in a name makes one), is refused with a message
// and the dialog stays open for another name.

#include "dialogs/DialogHooks.h"

#include <QFileDialog>

// What is wrong with `path` as the file to save, with what to do instead; empty when nothing is.
// The file name part (after the last '/') must not hold \ : * ? " < > | or control characters, and
// the folder must exist.
QString SaveNameProblem(const QString& path);

class SaveFileDialog : public QFileDialog {
public:
    SaveFileDialog(QWidget* parent, const QString& caption, const QString& preset,
                   const QString& filter);

    // The path chosen, when it can be written under; otherwise the problem is shown over the
    // dialog and nothing else happens.
    void accept() override;
};

// Runs the Save dialog of `request` and returns the path chosen, or an empty text when cancelled.
QString ChooseSavePath(QWidget* parent, const FileRequest& request);
