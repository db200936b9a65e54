#include "calc/QuantityText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct FactorCase {
    UnitSystem units;
    double factor;
    char kind;
    int width;
    const char* text;
};

class FactorText : public testing::TestWithParam<FactorCase> {};

// Imperial keeps "%6.2f" and the kind right after the figure; SI puts the kind first so that it
// cannot read as kelvin, and names the unit, padded so that K and U rows line up.
TEST_P(FactorText, KindAndUnitByUnitSystem) {
    const FactorCase& c = GetParam();
    EXPECT_EQ(QuantityText(c.units).Factor(c.factor, c.kind, c.width), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    BothSystems, FactorText,
    testing::Values(FactorCase{UnitSystem::Imperial, 0.2, 'K', 6, "  0.20K"},
                    FactorCase{UnitSystem::Imperial, 0.21, 'U', 6, "  0.21U"},
                    FactorCase{UnitSystem::Metric, 0.2, 'K', 6, "K   0.029 W/(m\xB7K) "},
                    FactorCase{UnitSystem::Metric, 0.21, 'U', 6, "U   1.192 W/(m\xB2\xB7K)"},
                    FactorCase{UnitSystem::Metric, 120.0, 'U', 6, "U 681.392 W/(m\xB2\xB7K)"},
                    FactorCase{UnitSystem::Metric, 0.2, 'K', 0, "K 0.029 W/(m\xB7K) "}));

TEST(QuantityText, KilowattsWithOneDecimal) {
    const QuantityText si(UnitSystem::Metric);
    EXPECT_EQ(si.Kilowatts(125608000, 12), "     36812.1 kW");
    EXPECT_EQ(si.Kilowatts(34122, 0), "10.0 kW");
}

// 140208 and 140168 BTU differ in the second decimal of a kWh.
TEST(QuantityText, DailyEnergyInKwhToTheHundredth) {
    const QuantityText si(UnitSystem::Metric);
    EXPECT_EQ(si.Value(Quantity::Energy, 140208, 10, 0, ""), "        41.09 kWh");
    EXPECT_EQ(si.Value(Quantity::Energy, 140168, 10, 0, ""), "        41.08 kWh");
}

} // namespace
