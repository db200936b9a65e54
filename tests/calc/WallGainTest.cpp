#include "calc/WallGain.h"
#include "CalcTestJob.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(WallGain, KFactorIsPerInchOfThickness) {
    Job job = MakeBox(10, 8, 8, 35);
    SetSurface(job.image.surfaces[NorthWall], 0.16, 'K', 4.0, 95);
    // 80 sq ft x 0.16 / 4 in x 24 h x 60 F
    EXPECT_EQ(ComputeWallGain(job.image, NorthWall, 10, 8), 4608);
    EXPECT_DOUBLE_EQ(+job.image.surfaces[NorthWall].thickness, 4.0);
}

TEST(WallGain, UFactorIgnoresThicknessAndStoresOneInch) {
    Job job = MakeBox(10, 8, 8, 35);
    SetSurface(job.image.surfaces[Floor], 0.21, 'U', 6.0, 55);
    // 80 sq ft x 0.21 x 24 h x 20 F
    EXPECT_EQ(ComputeWallGain(job.image, Floor, 10, 8), 8064);
    EXPECT_DOUBLE_EQ(+job.image.surfaces[Floor].thickness, 1.0);
}

TEST(WallGain, NoGainWhenTheOutsideIsNotWarmer) {
    Job job = MakeBox(10, 8, 8, 35);
    TSurface& s = job.image.surfaces[EastWall];
    SetSurface(s, 0.2, 'K', 4.0, 30);
    s.sunAllowance = 5; // 30 + 5 equals the box
    EXPECT_EQ(ComputeWallGain(job.image, EastWall, 8, 8), 0);
    s.adjacentTemp = 20;
    EXPECT_EQ(ComputeWallGain(job.image, EastWall, 8, 8), 0);
    s.adjacentTemp = 31; // 36 F against 35 F
    EXPECT_GT(ComputeWallGain(job.image, EastWall, 8, 8), 0);
}

TEST(WallGain, KSurfaceWithoutAPositiveThicknessGainsNothing) {
    Job job = MakeBox(10, 8, 8, 35);
    SetSurface(job.image.surfaces[Roof], 0.2, 'K', 0.0, 90);
    EXPECT_EQ(ComputeWallGain(job.image, Roof, 10, 8), 0);
    // A negative thickness against a colder outside would otherwise count as a gain.
    SetSurface(job.image.surfaces[Roof], 0.16, 'K', -4.0, 20);
    EXPECT_EQ(ComputeWallGain(job.image, Roof, 10, 8), 0);
    SetSurface(job.image.surfaces[Roof], 0.16, 'K', std::nan(""), 90);
    EXPECT_EQ(ComputeWallGain(job.image, Roof, 10, 8), 0);
}

TEST(WallGain, AFactorTooLargeForADoubleSaturates) {
    Job job = MakeBox(10, 8, 8, 35);
    SetSurface(job.image.surfaces[NorthWall], 1e305, 'K', 4.0, 95);
    EXPECT_EQ(ComputeWallGain(job.image, NorthWall, 10, 8), 2147483647);
    SetSurface(job.image.surfaces[NorthWall], 1e306, 'K', 4.0, 95); // the product is +inf
    EXPECT_EQ(ComputeWallGain(job.image, NorthWall, 10, 8), 2147483647);
}

TEST(WallGain, AllSurfacesUseTheirOwnDimensions) {
    Job job = MakeBox(10, 6, 8, 0);
    for (TSurface& s : job.image.surfaces)
        SetSurface(s, 1.0, 'U', 1.0, 1); // 1 F difference: gain = area x 24
    const int32_t floorGain = ComputeWallGains(job.image);
    const int32_t expected[SurfaceCount] = {80 * 24, 80 * 24, 48 * 24, 48 * 24, 60 * 24, 60 * 24};
    for (int i = 0; i < SurfaceCount; ++i)
        EXPECT_EQ(+job.image.surfaces[i].dailyGain, expected[i]) << "surface " << i;
    EXPECT_EQ(floorGain, 60 * 24);
}

TEST(SunAllowance, ChoicesGiveTheirDegreesAndTheFlag) {
    Job job = MakeBox(10, 8, 8, 35);
    JobImage& im = job.image;
    im.sun.flags[SunRoof][SunNone] = 0;
    im.sun.flags[SunRoof][SunDark] = 1;
    im.sun.flags[SunEast][SunNone] = 0;
    im.sun.flags[SunEast][SunLight] = 1;
    im.surfaces[NorthWall].sunAllowance = 7; // never carries an allowance
    ComputeSunAllowances(im);
    EXPECT_EQ(+im.surfaces[Roof].sunAllowance, 20);
    EXPECT_EQ(+im.surfaces[EastWall].sunAllowance, 4);
    EXPECT_EQ(+im.surfaces[SouthWall].sunAllowance, 0);
    EXPECT_EQ(+im.surfaces[NorthWall].sunAllowance, 0);
    EXPECT_EQ(+im.flags.sunEntered, 1);

    im.sun.flags[SunRoof][SunDark] = 0;
    im.sun.flags[SunRoof][SunNone] = 1;
    im.sun.flags[SunEast][SunLight] = 0;
    im.sun.flags[SunEast][SunNone] = 1;
    ComputeSunAllowances(im);
    EXPECT_EQ(+im.surfaces[Roof].sunAllowance, 0);
    EXPECT_EQ(+im.flags.sunEntered, 0);
}

TEST(SunAllowance, GroupWithoutAChoiceKeepsItsAllowance) {
    Job job = MakeBox(10, 8, 8, 35);
    JobImage& im = job.image;
    for (auto& f : im.sun.flags[SunWest])
        f = 0;
    im.surfaces[WestWall].sunAllowance = 6;
    ComputeSunAllowances(im);
    EXPECT_EQ(+im.surfaces[WestWall].sunAllowance, 6);
    EXPECT_EQ(+im.flags.sunEntered, 1);
}

TEST(SunAllowance, FirstSetChoiceWins) {
    Job job = MakeBox(10, 8, 8, 35);
    JobImage& im = job.image;
    im.sun.flags[SunSouth][SunNone] = 0;
    im.sun.flags[SunSouth][SunMedium] = 1;
    im.sun.flags[SunSouth][SunLight] = 1;
    ComputeSunAllowances(im);
    EXPECT_EQ(+im.surfaces[SouthWall].sunAllowance, 4);
}

} // namespace
