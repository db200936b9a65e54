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
    // A text that carries a name or description the user or a table supplies: where it would run
    // into the next text of its row it is cut and ends in an ellipsis. No other text is cut.
    bool mayCut = false;
};

using SummaryPage = std::vector<SummaryItem>;

// What drawing the summary does: nothing without a job; otherwise recalculate, then nothing
// more when the wall load is below 1; otherwise re-check the unit and lay out the page.
SummaryPage RefreshSummary(Job& job, EquipmentState& state, const TSubmitter& submitter,
                           UnitSystem units = UnitSystem::Imperial);

// The page of a job that has just been recalculated and re-checked.
SummaryPage BuildSummaryPage(const Job& job, const EquipmentState& state,
                             const TSubmitter& submitter, UnitSystem units = UnitSystem::Imperial);

// The Windows-1252 ellipsis that ends a cut text.
inline constexpr char Ellipsis1252 = '\x85';

// One text of the page as the text grid shows it.
struct GridText {
    std::size_t item = 0; // the page's item it shows
    int row = 0;
    int column = 0;   // where the text, with its leading blanks, starts
    std::string text; // as shown: whole, or cut and ending in the ellipsis
    bool cut = false;
    int moved = 0; // columns moved right to keep a blank before it
};

// The page on a text grid, a character a column. Texts of a row keep at least one blank between
// them: a text that may be cut ends a column before the next one, any other text that would come
// closer moves the next one right.
std::vector<GridText> SummaryGrid(const SummaryPage& page);

// The grid as text, one line per row (for the command-line tool).
std::string SummaryAsText(const SummaryPage& page);
