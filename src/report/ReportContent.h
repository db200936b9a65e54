#pragma once
// What the printed load report draws from, and what a page shares with its printout.

#include "calc/UnitConversion.h"
#include "equipment/EquipmentState.h"
#include "job/JobImage.h"
#include "job/Submitter.h"

#include <cstdint>
#include <functional>
#include <string>

// The job as last recalculated and re-checked, the issuing company and the logo file.
struct ReportContent {
    const JobImage& image;
    const EquipmentState& equipment;
    const TSubmitter& submitter;
    std::string logoPath = "lgo.bmp";
    UnitSystem units = UnitSystem::Imperial;
};

// The printout's side of a page: how many pages the report has, whether more pages follow, and
// the user's abort request, asked before every report step.
struct ReportPageControl {
    int32_t pageCount = 1;
    bool morePages = true;
    std::function<bool()> userAbort;
};
