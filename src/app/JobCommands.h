#pragma once
// The job lifecycle: New Job, Edit Basic Job Info, Load Job, a recent file, Save Job, Clear, the
// defaults and submitter commands, and the "Not Saved" offer. The operations ask the user
// through JobUi, which the main window implements with its dialogs and tests may replace.

#include "app/AppState.h"

#include <cstdint>
#include <optional>
#include <string>

class JobUi {
public:
    virtual ~JobUi() = default;
    // A question with Yes and No under the title "Caution"; true for Yes.
    virtual bool askSave(const std::string& question) = 0;
    virtual void showError(const std::string& title, const std::string& text) = 0;
    // The chosen path, or nothing when the dialog was cancelled.
    virtual std::optional<std::string> chooseSavePath(const std::string& preset) = 0;
    virtual std::optional<std::string> chooseOpenPath(const std::string& preset) = 0;
    virtual std::optional<int32_t> askBoxTemperature() = 0;
    virtual bool runJobInformation(Job& job) = 0;
    virtual bool runSubmitter(TSubmitter& submitter) = 0;
    // Nothing when cancelled, else the outcome of writing the defaults file.
    virtual std::optional<FileResult> runDefaults(TDefaults& defaults, Table& insul,
                                                  const std::string& path) = 0;
};

inline constexpr const char* CautionTitle = "Caution";
inline constexpr const char* SaveErrorTitle = "File Save Error";

// "Current Job\n Not Saved !\n do you wish to Save it ?" for an untitled job, else the file name
// in place of "Current Job".
std::string NotSavedQuestion(const JobRunState& run);

// The "Not Saved" offer (only while a job is loaded). Afterwards the job is closed. A write that
// fails is shown and the Save dialog opens again on that path; when the user then gives up, the
// job stays loaded and modified and the result is false: the command that asked must not go on
// and lose it.
bool OfferSave(AppState& state, JobUi& ui);

// Offers to save a modified job; false when the command must stop (a failed save).
bool OfferSaveIfModified(AppState& state, JobUi& ui);

void NewJobCommand(AppState& state, JobUi& ui);
void EditJobInfoCommand(AppState& state, JobUi& ui);
void LoadJobCommand(AppState& state, JobUi& ui);
void LoadRecentCommand(AppState& state, JobUi& ui, const std::string& path);
void SaveJobCommand(AppState& state, JobUi& ui);
void ClearCommand(AppState& state, JobUi& ui);
void SubmitterCommand(AppState& state, JobUi& ui);
void DefaultsCommand(AppState& state, JobUi& ui);
// Whether the main window may close.
bool CloseRequested(AppState& state, JobUi& ui);

// The name the Save dialog offers: the job's path once it was saved or loaded; for a job not yet
// saved its name made fit for a file name (SafeFileName) with ".kvj", or nothing for a job
// without a name.
std::string OfferedSaveName(const JobRunState& run);

// "Kelvo: " + the current file name.
std::string JobCaption(const JobRunState& run);
