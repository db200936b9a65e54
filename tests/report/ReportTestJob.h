#pragma once
// Jobs for the report tests: the sample cooler as the build makes it, and helpers that draw a
// report page onto a ReportSurface.

#include "ReportSurface.h"
#include "equipment/EquipmentState.h"
#include "job/Job.h"
#include "job/Submitter.h"
#include "report/ReportContent.h"

#include <string>

struct ReportFixture {
    Job job;
    EquipmentState state;
    TSubmitter submitter{};
    std::string logoPath = "no-such-folder/lgo.bmp";
    UnitSystem units = UnitSystem::Imperial;

    ReportFixture();
    // Gives product slot `slot` (0 to 4) a product load, so that it counts as in use.
    void UseProduct(int slot, const char* name);
    ReportContent Content() const { return {job.image, state, submitter, logoPath, units}; }
    // Draws one page; pageCount as the printout would set it.
    DrawnPage Draw(int page, int pageCount = 1) const;
};
