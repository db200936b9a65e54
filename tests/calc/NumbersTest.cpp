#include "calc/Numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

TEST(Numbers, TruncationSaturatesAndIgnoresNonNumbers) {
    EXPECT_EQ(TruncateToInt32(62.9), 62);
    EXPECT_EQ(TruncateToInt32(-62.9), -62);
    EXPECT_EQ(TruncateToInt32(3e9), kMax);
    EXPECT_EQ(TruncateToInt32(-3e9), kMin);
    EXPECT_EQ(TruncateToInt32(std::nan("")), 0);
    EXPECT_EQ(TruncateToInt32(std::numeric_limits<double>::infinity()), 0);
    EXPECT_EQ(TruncateToInt32(-std::numeric_limits<double>::infinity()), 0);
}

TEST(Numbers, LoadsBelowOneAreZero) {
    EXPECT_EQ(LoadFromDouble(0.999), 0);
    EXPECT_EQ(LoadFromDouble(1.0), 1);
    EXPECT_EQ(LoadFromDouble(-5000.0), 0);
    EXPECT_EQ(LoadFromDouble(3273.6), 3273);
    EXPECT_EQ(LoadFromDouble(1e300), kMax);
    EXPECT_EQ(LoadFromDouble(std::nan("")), 0);
    // A larger product never gives a smaller load, even past the double range.
    EXPECT_EQ(LoadFromDouble(std::numeric_limits<double>::infinity()), kMax);
    EXPECT_EQ(LoadFromDouble(-std::numeric_limits<double>::infinity()), 0);
}

TEST(Numbers, SumsSaturateInsteadOfWrapping) {
    EXPECT_EQ(SaturatingAdd(kMax, 1), kMax);
    EXPECT_EQ(SaturatingAdd(kMin, -1), kMin);
    EXPECT_EQ(SaturatingAdd(kMax - 5, 3), kMax - 2);
    EXPECT_EQ(SaturatingAdd(-7, 3), -4);
}

} // namespace
