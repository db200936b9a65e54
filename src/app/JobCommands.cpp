#include "app/JobCommands.h"

#include "calc/ProductLoad.h"
#include "job/FixedText.h"
#include "job/JobFile.h"
#include "job/SafeFileName.h"
#include "tables/JobDefaults.h"

namespace {

constexpr const char* JobFileExtension = ".kvj";
constexpr const char* SaveAgainAdvice = "\n\nChoose another folder or file name to save the job.";

void SetFileName(JobRunState& run, const std::string& path) {
    run.fileName = FullPath(path).substr(0, MaxFileName);
}

// Writes the job to `path`, which becomes the current file name; a failure is shown with what to
// do next and leaves the job and its file name as they were.
bool WriteJob(AppState& state, JobUi& ui, const std::string& path) {
    const std::string target = FullPath(path).substr(0, MaxFileName);
    const FileResult written = WriteJobFile(state.job, target);
    if (!written.ok) {
        ui.showError(SaveErrorTitle, written.message + SaveAgainAdvice);
        return false;
    }
    state.job.run.fileName = target;
    return true;
}

enum class SaveOutcome {
    Saved,
    Cancelled,       // the Save dialog was cancelled before anything failed
    CancelledFailed, // a write failed, and the user then cancelled the dialog
};

// The Save dialog, opened on `preset` and again on the path of each write that failed, until the
// job is written or the user cancels.
SaveOutcome SaveThroughDialog(AppState& state, JobUi& ui, std::string preset,
                              bool failedBefore = false) {
    while (const std::optional<std::string> path = ui.chooseSavePath(preset)) {
        if (WriteJob(state, ui, *path))
            return SaveOutcome::Saved;
        failedBefore = true;
        preset = *path;
    }
    return failedBefore ? SaveOutcome::CancelledFailed : SaveOutcome::Cancelled;
}

void ResetToDefaults(AppState& state, JobUi& ui) {
    const FileResult reset =
        ResetJobToDefaults(state.job, state.defaults, state.pathOf(DefaultsFileName),
                           state.tables.get(ReferenceTable::Insul));
    if (!reset.ok && state.tables.get(ReferenceTable::Insul) != nullptr)
        ui.showError(StartCaption, reset.message);
}

void ReadJob(AppState& state, JobUi& ui) {
    const FileResult read = ReadJobFile(state.job, state.job.run.fileName);
    if (!read.ok) {
        ui.showError(FileOpenErrorTitle, read.message);
        return;
    }
    state.caption = JobCaption(state.job.run);
    AddRecentFile(state.recentFiles, state.job.run.fileName);
    state.job.run.storageWeight = EstimateProductCapacity(state.job.image.header);
}

void WriteSubmitterFile(AppState& state, JobUi& ui) {
    const FileResult written = WriteSubmitter(state.submitter, state.pathOf(SubmitterFileName));
    if (!written.ok)
        ui.showError(SaveErrorTitle, written.message);
}

} // namespace

std::string NotSavedQuestion(const JobRunState& run) {
    const std::string what = run.untitled ? std::string("Current Job") : run.fileName;
    return what + "\n Not Saved !\n do you wish to Save it ?";
}

std::string OfferedSaveName(const JobRunState& run) {
    if (!run.untitled)
        return run.fileName;
    const std::string name = SafeFileName(run.fileName);
    return name.empty() ? name : name + JobFileExtension;
}

std::string JobCaption(const JobRunState& run) {
    return CaptionPrefix + run.fileName;
}

bool OfferSave(AppState& state, JobUi& ui) {
    if (!state.jobLoaded())
        return true;
    if (ui.askSave(NotSavedQuestion(state.job.run))) {
        const JobRunState& run = state.job.run;
        if (run.untitled) {
            if (SaveThroughDialog(state, ui, OfferedSaveName(run)) == SaveOutcome::CancelledFailed)
                return false;
        } else if (!WriteJob(state, ui, run.fileName) &&
                   SaveThroughDialog(state, ui, run.fileName, true) != SaveOutcome::Saved) {
            return false;
        }
    }
    state.job.image.flags.jobLoaded = 0;
    return true;
}

bool OfferSaveIfModified(AppState& state, JobUi& ui) {
    return !state.job.run.modified || OfferSave(state, ui);
}

void NewJobCommand(AppState& state, JobUi& ui) {
    if (ReadSubmitter(state.submitter, state.pathOf(SubmitterFileName)) &&
        ui.runSubmitter(state.submitter))
        WriteSubmitterFile(state, ui);
    if (!OfferSaveIfModified(state, ui))
        return;

    ResetToDefaults(state, ui);
    Job& job = state.job;
    job.image.flags.jobLoaded = 0;
    job.run.newJob = job.run.untitled = job.run.modified = false;
    job.run.storageWeight = 0;
    job.run.fileName.clear();

    if (const std::optional<int32_t> boxTemp = ui.askBoxTemperature()) {
        TJobHeader& header = job.image.header;
        header.boxTemp = *boxTemp;
        ApplyBoxDefaults(job, state.defaults, state.tables.get(ReferenceTable::Insul));
        job.run.newJob = true;
        if (ui.runJobInformation(job) && header.volume > 0.0)
            CompleteNewJob(job);
    }
    state.caption = JobCaption(job.run);
}

void EditJobInfoCommand(AppState& state, JobUi& ui) {
    if (!state.jobLoaded())
        return;
    state.job.run.newJob = false;
    const TJobHeader& header = state.job.image.header;
    const int32_t ambientBefore = header.designAmbient;
    const std::string dateBefore = GetText(header.jobDate);
    const bool unitBefore = state.job.image.unit.unitSelected != 0;
    const bool recordChanged = ui.runJobInformation(state.job);
    // The ambient and the date are edited outside the dialog's record, and a new ambient or box
    // temperature drops the selected unit: each of them is a change to save as well.
    if (recordChanged || header.designAmbient != ambientBefore ||
        GetText(header.jobDate) != dateBefore ||
        unitBefore != (state.job.image.unit.unitSelected != 0)) {
        state.job.run.modified = true;
        state.job.run.storageWeight = EstimateProductCapacity(state.job.image.header);
    }
}

void LoadJobCommand(AppState& state, JobUi& ui) {
    if (!OfferSaveIfModified(state, ui))
        return;
    const std::optional<std::string> path = ui.chooseOpenPath(state.job.run.fileName);
    if (!path)
        return;
    SetFileName(state.job.run, *path);
    ReadJob(state, ui);
}

void LoadRecentCommand(AppState& state, JobUi& ui, const std::string& path) {
    if (!OfferSaveIfModified(state, ui))
        return;
    SetFileName(state.job.run, path);
    ReadJob(state, ui);
}

void SaveJobCommand(AppState& state, JobUi& ui) {
    if (!state.jobLoaded())
        return;
    if (SaveThroughDialog(state, ui, OfferedSaveName(state.job.run)) == SaveOutcome::Saved) {
        state.caption = JobCaption(state.job.run);
        AddRecentFile(state.recentFiles, state.job.run.fileName);
    }
}

void ClearCommand(AppState& state, JobUi& ui) {
    if (!OfferSaveIfModified(state, ui))
        return;
    ResetToDefaults(state, ui);
    Job& job = state.job;
    job.image.flags.jobLoaded = 0;
    job.run.newJob = true;
    job.run.untitled = job.run.modified = false;
    job.run.storageWeight = 0;
}

void SubmitterCommand(AppState& state, JobUi& ui) {
    if (ui.runSubmitter(state.submitter))
        WriteSubmitterFile(state, ui);
}

void DefaultsCommand(AppState& state, JobUi& ui) {
    Table* insul = state.tables.get(ReferenceTable::Insul);
    if (state.jobLoaded() || insul == nullptr)
        return;
    ResetToDefaults(state, ui);
    const std::optional<FileResult> saved =
        ui.runDefaults(state.defaults, *insul, state.pathOf(DefaultsFileName));
    if (saved && !saved->ok)
        ui.showError(SaveErrorTitle, saved->message);
}

bool CloseRequested(AppState& state, JobUi& ui) {
    return OfferSaveIfModified(state, ui);
}
