// The sample job is made as the program makes a job: choosing its insulations again changes
// nothing.

#include "cli/SampleJob.h"
#include "calc/Totals.h"
#include "job/FixedText.h"
#include "tables/InsulationTable.h"
#include "tables/ReferenceTables.h"
#include "tables/ShippedTables.h"
#include "tables/SurfaceInsulation.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(SampleJob, SurfacesNameTheirInsulationRowInNameOrder) {
    Job job;
    ASSERT_TRUE(BuildSampleJob(job).ok);
    ReferenceTables tables = OpenReferenceTables(ShippedTableFolders().back());
    ASSERT_TRUE(tables.insul) << tables.insulProblem;
    Table& insul = *tables.insul;
    SurfaceChoice choices[SurfaceCount];
    for (int i = 0; i < SurfaceCount; ++i) {
        const TSurface& s = job.image.surfaces[i];
        // The row's record carries the surface's name.
        insul.d4top();
        ASSERT_EQ(insul.d4skip(s.insulationRow), r4success);
        EXPECT_EQ(insul.f4str("INSULATION"), std::string(s.insulationName, 26)) << i;
        choices[i] = {s.insulationRow, s.thickness, s.adjacentTemp};
    }
    EXPECT_NE(+job.image.surfaces[Floor].insulationRow,
              +job.image.surfaces[NorthWall].insulationRow);

    // "Select Insulation" opened on the sample and confirmed at once.
    const JobImage before = job.image;
    ASSERT_TRUE(ApplyInsulationChoices(job.image, &insul, choices).ok);
    RefreshLoads(job);
    EXPECT_EQ(std::memcmp(job.image.surfaces, before.surfaces, sizeof before.surfaces), 0);
    EXPECT_EQ(+job.image.totals.wallLoad, +before.totals.wallLoad);
}

} // namespace
