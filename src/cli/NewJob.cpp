#include "cli/NewJob.h"

#include "calc/Totals.h"
#include "job/FixedText.h"
#include "tables/JobDefaults.h"

namespace {

void Note(const FileResult& result, std::vector<std::string>& warnings) {
    if (!result.ok)
        warnings.push_back(result.message);
}

// The Job Information dialog of a new job, confirmed with empty texts, the date and the given
// dimensions and run hours.
void EnterJobInformation(Job& job, const NewJobBox& box) {
    TJobHeader& h = job.image.header;
    SetText(h.jobName, "");
    SetText(h.customer, "");
    SetText(h.contact, "");
    SetText(h.quotation, "");
    SetText(h.address, "");
    SetText(h.telephone, "");
    SetText(h.fax, "");
    SetText(h.jobDate, box.date);
    h.length = box.length;
    h.width = box.width;
    h.height = box.height;
    if (box.runHours)
        h.runHours = *box.runHours;
    h.volume = h.length * h.width * h.height;
}

} // namespace

bool MakeNewJob(Job& job, const NewJobBox& box, const std::string& defaultsPath, Table* insul,
                std::vector<std::string>& warnings) {
    TDefaults defaults = BuiltInDefaults();
    Note(ResetJobToDefaults(job, defaults, defaultsPath, insul), warnings);
    job.run.storageWeight = 0;
    job.run.fileName.clear();
    TJobHeader& h = job.image.header;
    h.boxTemp = box.boxTemp;
    Note(ApplyBoxDefaults(job, defaults, insul), warnings);
    job.run.newJob = true;
    EnterJobInformation(job, box);
    if (!(h.volume > 0.0))
        return false;
    CompleteNewJob(job);
    RefreshLoads(job);
    return true;
}
