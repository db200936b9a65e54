// Fuzz target: a job file's bytes are read as the program reads a job, then recalculated,
// re-checked and laid out as the summary page, twice. The second layout must equal the first
// (a recalculation of a recalculated job changes nothing), and the total load must be the
// saturated sum of its parts.

#include "equipment/UnitCheck.h"
#include "job/JobFile.h"
#include "report/SummaryPage.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void Require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

int32_t Saturated(int64_t sum) {
    return static_cast<int32_t>(std::clamp<int64_t>(sum, INT32_MIN, INT32_MAX));
}

// The total as the sum of the parts, each step saturated.
int32_t ExpectedTotal(const JobImage& im) {
    const TLoadTotals t = im.totals;
    int32_t total = 0;
    for (const int32_t part :
         {t.wallLoad, t.productLoad, t.occupantLoad, t.glassDoorLoad, t.motorLoad, t.electricLoad,
          t.lightingLoad, static_cast<int32_t>(im.infiltration.infiltrationLoad)})
        total = Saturated(int64_t{total} + part);
    if (im.userLoad.userLoad > 0)
        total = Saturated(int64_t{total} + im.userLoad.userLoad);
    if (t.safetyLoad > 0)
        total = Saturated(int64_t{total} + t.safetyLoad);
    return total;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    Job job;
    EquipmentState state;
    TSubmitter submitter{};
    std::strcpy(submitter.companyName, "Fuzz Refrigeration");

    if (!ReadJobBytes(job, data, size).ok) {
        Require(job.image.flags.jobLoaded == 0, "a refused file leaves a job loaded");
        return 0;
    }
    Require(job.image.flags.jobLoaded == 1, "a read job is not loaded");

    const SummaryPage first = RefreshSummary(job, state, submitter);
    const std::string firstText = SummaryAsText(first);
    Require(job.image.totals.totalLoad == ExpectedTotal(job.image),
            "the total is not the saturated sum of its parts");

    const SummaryPage second = RefreshSummary(job, state, submitter);
    Require(SummaryAsText(second) == firstText, "a second recalculation changed the summary");
    for (const SummaryItem& item : second)
        Require(item.x >= 0 && item.y >= 0, "a summary item outside the page");
    return 0;
}
