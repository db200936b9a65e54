#include "equipment/SuctionClass.h"

#include <gtest/gtest.h>

namespace {

TEST(SuctionClass, EveryBandBoundary) {
    const int bands[][3] = {{-50, -48, -50}, {-47, -43, -45}, {-42, -38, -40}, {-37, -33, -35},
                            {-32, -27, -30}, {-26, -23, -25}, {-22, -19, -20}, {-18, -14, -15},
                            {-13, -9, -10},  {-8, -3, -5},    {-2, 3, 0},      {4, 12, 10},
                            {13, 17, 15},    {18, 23, 20},    {24, 27, 25},    {28, 33, 30},
                            {34, 37, 35},    {38, 42, 40},    {43, 47, 45},    {48, 52, 50},
                            {53, 57, 55},    {58, 62, 60},    {63, 66, 65},    {67, 70, 70}};
    for (const auto& band : bands) {
        // d = box - TD; take TD 10.
        EXPECT_EQ(SuctionClass(band[0] + 10, 10), band[2]) << band[0];
        EXPECT_EQ(SuctionClass(band[1] + 10, 10), band[2]) << band[1];
    }
    EXPECT_FALSE(SuctionClass(-41, 10).has_value()); // d = -51
    EXPECT_FALSE(SuctionClass(81, 10).has_value());  // d = 71
    EXPECT_FALSE(SuctionClass(-2147483647 - 1, 2147483647).has_value());
}

TEST(SuctionClass, ExamplesFromBoxAndTd) {
    EXPECT_EQ(SuctionClass(35, 10), 25);
    EXPECT_EQ(SuctionClass(0, 10), -10);
    EXPECT_EQ(SuctionClass(15, 10), 10); // there is no class 5
}

TEST(CapacityColumn, ElevenAmbientsOnly) {
    EXPECT_EQ(CapacityColumn(80), 2);
    EXPECT_EQ(CapacityColumn(90), 4);
    EXPECT_EQ(CapacityColumn(130), 12);
    EXPECT_EQ(CapacityColumnName(4), "BTUC");
    EXPECT_EQ(CapacityColumnName(12), "BTUK");
    for (int ambient : {75, 92, 135, -80, 0})
        EXPECT_FALSE(CapacityColumn(ambient).has_value()) << ambient;
}

} // namespace
