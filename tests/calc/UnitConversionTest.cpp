#include "calc/UnitConversion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

// Reference values are the published equivalents (NIST SP 811, ASHRAE Fundamentals SI tables),
// not the module's own factors multiplied out.
TEST(UnitConversion, MatchesPublishedEquivalents) {
    EXPECT_NEAR(ToSi(Quantity::HeatFlow, 12000), 3516.853, 0.001); // one ton of refrigeration
    EXPECT_NEAR(ToSi(Quantity::Power, 1), 0.7456999, 1e-7);
    EXPECT_NEAR(ToSi(Quantity::Length, 1), 0.3048, 1e-12);
    EXPECT_NEAR(ToSi(Quantity::Thickness, 4), 101.6, 1e-9);
    EXPECT_NEAR(ToSi(Quantity::Area, 1), 0.09290304, 1e-12);
    EXPECT_NEAR(ToSi(Quantity::Volume, 1), 0.028316846592, 1e-12);
    EXPECT_NEAR(ToSi(Quantity::Mass, 1), 0.45359237, 1e-12);
    EXPECT_NEAR(ToSi(Quantity::KFactor, 1), 0.1442279, 1e-7);
    EXPECT_NEAR(ToSi(Quantity::UFactor, 1), 5.678263, 1e-6);
    EXPECT_NEAR(ToSi(Quantity::HeatFlux, 1), 3.154591, 1e-6);
    EXPECT_NEAR(ToSi(Quantity::LightingDensity, 1), 10.76391, 1e-5);
    EXPECT_NEAR(ToSi(Quantity::SpecificHeat, 1), 4.1868, 1e-12); // water
    EXPECT_NEAR(ToSi(Quantity::LatentHeat, 144), 334.944, 1e-9); // ice, 144 Btu/lb
    EXPECT_NEAR(ToSi(Quantity::Respiration, 1), 26.9213, 1e-4);
    EXPECT_NEAR(ToSi(Quantity::CoilRating, 1), 0.5275279, 1e-7);
    EXPECT_NEAR(ToSi(Quantity::Velocity, 100), 0.508, 1e-12);
    EXPECT_NEAR(ToSi(Quantity::TempDifference, 10), 5.5556, 1e-4);
    EXPECT_NEAR(ToSi(Quantity::HeatPerVolume, 1), 37.2589, 1e-4);
    EXPECT_NEAR(ToSi(Quantity::Energy, 3412.142), 1.0, 1e-6); // 1 kWh = 3412.142 Btu
}

TEST(UnitConversion, TemperatureIsAffine) {
    EXPECT_DOUBLE_EQ(ToSi(Quantity::Temperature, 32), 0.0);
    EXPECT_DOUBLE_EQ(ToSi(Quantity::Temperature, 212), 100.0);
    EXPECT_NEAR(ToSi(Quantity::Temperature, -40), -40.0, 1e-12);
    EXPECT_NEAR(ToSi(Quantity::Temperature, 0), -17.7778, 1e-4);
    EXPECT_NEAR(FromSi(Quantity::Temperature, 35), 95.0, 1e-12);
}

TEST(UnitConversion, EveryQuantityRoundTrips) {
    for (int q = 0; q < QuantityCount; ++q) {
        const auto quantity = static_cast<Quantity>(q);
        for (double v : {-40.0, 0.0, 0.25, 35.0, 12345.678}) {
            EXPECT_NEAR(FromSi(quantity, ToSi(quantity, v)), v, 1e-9 * (1 + std::fabs(v)))
                << "quantity " << q;
        }
        EXPECT_NE(std::string(UnitSymbol(quantity, UnitSystem::Metric)),
                  UnitSymbol(quantity, UnitSystem::Imperial))
            << "quantity " << q;
    }
}

TEST(UnitConversion, WholeImperialFieldsMoveAtMostHalfAStep) {
    // A Celsius entry stored as whole Fahrenheit comes back within half a degree F.
    for (int tenth = -600; tenth <= 700; ++tenth) {
        const double celsius = tenth / 10.0;
        const int32_t stored = NearestWholeImperial(Quantity::Temperature, celsius);
        EXPECT_LE(std::fabs(ToSi(Quantity::Temperature, stored) - celsius), 0.5 / 1.8 + 1e-9)
            << celsius;
    }
    // A whole Fahrenheit value shown to one decimal of Celsius comes back as itself.
    for (int f = -100; f <= 200; ++f) {
        const double shown = std::round(ToSi(Quantity::Temperature, f) * 10) / 10;
        EXPECT_EQ(NearestWholeImperial(Quantity::Temperature, shown), f);
    }
    for (double m = 0; m < 30; m += 0.07) {
        const int32_t feet = NearestWholeImperial(Quantity::Length, m);
        EXPECT_LE(std::fabs(ToSi(Quantity::Length, feet) - m), 0.5 * 0.3048 + 1e-9) << m;
    }
}

TEST(UnitConversion, WholeImperialSaturatesAndRefusesNaN) {
    constexpr auto max = std::numeric_limits<int32_t>::max();
    constexpr auto min = std::numeric_limits<int32_t>::min();
    EXPECT_EQ(NearestWholeImperial(Quantity::HeatFlow, std::nan("")), 0);
    EXPECT_EQ(NearestWholeImperial(Quantity::HeatFlow, 1e300), max);
    EXPECT_EQ(NearestWholeImperial(Quantity::HeatFlow, -1e300), min);
    EXPECT_EQ(NearestWholeImperial(Quantity::HeatFlow, INFINITY), max);
    EXPECT_EQ(NearestWholeImperial(Quantity::HeatFlow, 293.07107), 1000);
}

TEST(UnitConversion, RangesWidenOutwardToTheFieldsDecimals) {
    const SiRange box = ToSiRange(Quantity::Temperature, -40, 80, 1);
    EXPECT_DOUBLE_EQ(box.low, -40.0); // exact, not pushed a step lower by rounding noise
    EXPECT_DOUBLE_EQ(box.high, 26.7); // 26.666... rounded up
    const SiRange feet = ToSiRange(Quantity::Length, 1, 99, 2);
    EXPECT_DOUBLE_EQ(feet.low, 0.30);
    EXPECT_DOUBLE_EQ(feet.high, 30.18); // 30.1752 rounded up
    // Both imperial ends stay reachable through the widened range.
    EXPECT_EQ(NearestWholeImperial(Quantity::Length, feet.low), 1);
    EXPECT_EQ(NearestWholeImperial(Quantity::Length, feet.high), 99);
    EXPECT_EQ(NearestWholeImperial(Quantity::Temperature, box.high), 80);
}
