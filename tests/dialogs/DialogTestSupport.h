#pragma once
// Test support for the dialogs: a QApplication on the offscreen platform, message boxes answered
// from a script, modal dialogs driven by a script, and a temporary working folder.

#include "dialogs/DialogHooks.h"

#include <QDialog>

#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

void EnsureApplication();

// Records every message box and answers it with the next scripted answer (No / Ok when the script
// is empty). Restores the previous handler when destroyed.
class MessageScript {
public:
    explicit MessageScript(std::deque<MessageAnswer> answers = {});
    ~MessageScript();
    std::vector<MessageRequest> shown;

private:
    std::deque<MessageAnswer> answers_;
    MessageHandler previous_;
};

// Drives each modal dialog with the next step; a dialog with no step left is rejected and
// counted as unexpected. Each step returns the dialog's result.
class ModalScript {
public:
    using Step = std::function<int(QDialog&)>;
    explicit ModalScript(std::deque<Step> steps = {});
    ~ModalScript();
    void add(Step step) { steps_.push_back(std::move(step)); }
    std::vector<QString> opened; // object names of the dialogs, in order
    int unexpected = 0;

private:
    std::deque<Step> steps_;
    ModalHandler previous_;
};

// Answers file dialogs with the next path ("" cancels).
class FileScript {
public:
    explicit FileScript(std::deque<QString> paths = {});
    ~FileScript();
    std::vector<FileRequest> asked;

private:
    std::deque<QString> paths_;
    FileHandler previous_;
};

// Helpers for steps.
void SetField(QDialog& dialog, const char* name, const QString& text);
QString FieldText(QDialog& dialog, const char* name);
int ClickOk(QDialog& dialog); // presses OK and returns the dialog's result
int ClickCancel(QDialog& dialog);

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    const std::filesystem::path& path() const { return path_; }
    std::string file(const char* name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};
