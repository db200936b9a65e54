// Options read in SI units: the imperial value nearest the entry, within the imperial range.
#include "cli/QuantityOptions.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The option `name` given as `value`, read as a whole number of `quantity` in [low, high].
struct Read {
    std::optional<int32_t> value;
    std::string error;
};

Read Whole(UnitSystem units, const char* value, Quantity quantity, int32_t low, int32_t high,
           int32_t step = 1) {
    const std::vector<std::string_view> args = {"--x", value};
    Options options(args, {"--x"}, {});
    Read read;
    read.value = QuantityOptions(options, units).Whole("--x", quantity, 7, low, high, step);
    read.error = options.error();
    return read;
}

std::optional<double> Length(UnitSystem units, const char* value) {
    const std::vector<std::string_view> args = {"--x", value};
    Options options(args, {"--x"}, {});
    return QuantityOptions(options, units).Length("--x", 1.5, 0.0, 400.0);
}

TEST(QuantityOptions, SiEntriesGoToTheNearestWholeImperialValue) {
    EXPECT_EQ(Whole(UnitSystem::Metric, "1.7", Quantity::Temperature, -50, 60).value, 35);
    EXPECT_EQ(Whole(UnitSystem::Metric, "-3.9", Quantity::Temperature, -50, 60).value, 25);
    EXPECT_EQ(Whole(UnitSystem::Metric, "5.56", Quantity::TempDifference, 1, 96).value, 10);
    EXPECT_EQ(Whole(UnitSystem::Metric, "3516.9", Quantity::HeatFlow, 0, 9000000).value, 12000);
    // The widened ends of the SI range reach the imperial ends and go no further.
    EXPECT_EQ(Whole(UnitSystem::Metric, "-45.6", Quantity::Temperature, -50, 60).value, -50);
    EXPECT_EQ(Whole(UnitSystem::Metric, "15.6", Quantity::Temperature, -50, 60).value, 60);
    EXPECT_EQ(Whole(UnitSystem::Metric, "0.5", Quantity::TempDifference, 1, 96).value, 1);
    EXPECT_EQ(Whole(UnitSystem::Metric, "2637640", Quantity::HeatFlow, 0, 9000000).value,
              9000000); // 9000001.3 BTUH
}

TEST(QuantityOptions, SiEntriesOutsideTheRangeAreRefusedWithTheSiRange) {
    const Read hot = Whole(UnitSystem::Metric, "15.7", Quantity::Temperature, -50, 60);
    EXPECT_FALSE(hot.value);
    EXPECT_EQ(hot.error, "--x: Value not in range -45.6..15.6 \xC2\xB0"
                         "C");
    const Read load = Whole(UnitSystem::Metric, "2637641", Quantity::HeatFlow, 0, 9000000);
    EXPECT_FALSE(load.value);
    EXPECT_EQ(load.error, "--x: Value not in range 0..2637640 W");
    const Read word = Whole(UnitSystem::Metric, "warm", Quantity::Temperature, -50, 60);
    EXPECT_FALSE(word.value);
    EXPECT_EQ(word.error, "--x: Value not in range -45.6..15.6 \xC2\xB0"
                          "C");
}

TEST(QuantityOptions, StepsRoundToTheNearestStep) {
    struct Case {
        const char* celsius;
        int32_t fahrenheit;
    };
    // 86.0, 82.4, 84.56, 79.88 and 130.1 F.
    for (const Case c :
         {Case{"30", 85}, Case{"28", 80}, Case{"29.2", 85}, Case{"26.6", 80}, Case{"54.5", 130}})
        EXPECT_EQ(Whole(UnitSystem::Metric, c.celsius, Quantity::Temperature, 80, 130, 5).value,
                  c.fahrenheit)
            << c.celsius;
    EXPECT_FALSE(Whole(UnitSystem::Metric, "26.5", Quantity::Temperature, 80, 130, 5).value);
}

TEST(QuantityOptions, ImperialEntriesAndAbsentOptionsAreAsBefore) {
    // Imperial: whole numbers in the imperial range, the step left to the command.
    EXPECT_EQ(Whole(UnitSystem::Imperial, "92", Quantity::Temperature, 80, 130, 5).value, 92);
    const Read fraction = Whole(UnitSystem::Imperial, "1.7", Quantity::Temperature, -50, 60);
    EXPECT_FALSE(fraction.value);
    EXPECT_EQ(fraction.error, "--x: Value not in range -50..60");
    EXPECT_EQ(Length(UnitSystem::Imperial, "12.345"), 12.345);
    // An absent option gives the imperial fallback unconverted, in either system.
    const std::vector<std::string_view> none;
    Options options(none, {"--x"}, {});
    QuantityOptions si(options, UnitSystem::Metric);
    EXPECT_EQ(si.Whole("--x", Quantity::Temperature, 7, -50, 60), 7);
    EXPECT_EQ(si.Length("--x", 1.5, 0.0, 400.0), 1.5);
}

TEST(QuantityOptions, MetresAreKeptToTwoDecimalsOfAFoot) {
    EXPECT_EQ(Length(UnitSystem::Metric, "3.66"), std::strtod("12.01", nullptr)); // 12.0079
    EXPECT_EQ(Length(UnitSystem::Metric, "3.6576"), 12.0);
    EXPECT_EQ(Length(UnitSystem::Metric, "121.92"), 400.0);
    EXPECT_EQ(Length(UnitSystem::Metric, "0"), 0.0);
    EXPECT_FALSE(Length(UnitSystem::Metric, "121.93"));
}

} // namespace
