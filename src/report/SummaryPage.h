#pragma once
// The load summary page: every text of the on-screen summary with its position, as a list the
// window paints (x in column widths, y in line heights) and the command-line tool prints.

#include "calc/UnitConversion.h"
#include "equipment/EquipmentState.h"
#include "job/Job.h"
#include "job/Submitter.h"

#include <string>
#include <vector>

enum class SummaryAlign { Left, Right };
enum class SummaryFont { Heading, Detail };

struct SummaryItem {
    int x = 0; // column: left end of left-aligned text, right end of right-aligned text
    int y = 0; // row
    SummaryAlign align = SummaryAlign::Left;
    SummaryFont font = SummaryFont::Heading;
    std::string text; // 8-bit text as the job holds it
    // Detail-font characters right of column x: a heading over a column of detail rows stands
    // where that column is, whatever the two fonts' widths.
    int detailChars = 0;
};

using SummaryPage = std::vector<SummaryItem>;

// What drawing the summary does: nothing without a job; otherwise recalculate, then nothing
// more when the wall load is below 1; otherwise re-check the unit and lay out the page.
SummaryPage RefreshSummary(Job& job, EquipmentState& state, const TSubmitter& submitter,
                           UnitSystem units = UnitSystem::Imperial);

// The page of a job that has just been recalculated and re-checked.
SummaryPage BuildSummaryPage(const Job& job, const EquipmentState& state,
                             const TSubmitter& submitter, UnitSystem units = UnitSystem::Imperial);

// The page on a text grid, one line per row (for the command-line tool). A text that would run
// into the next text of its row is cut a column before it.
std::string SummaryAsText(const SummaryPage& page);
