#include "calc/InternalLoads.h"

#include "calc/Numbers.h"

namespace {

struct StepRow {
    double above;
    double factor;
};

// The factor of the last row whose limit the value exceeds; `fallback` when it exceeds none.
template <std::size_t N>
double LastRowExceeded(const StepRow (&rows)[N], double value, double fallback) {
    double factor = fallback;
    for (const StepRow& row : rows) {
        if (value > row.above)
            factor = row.factor;
    }
    return factor;
}

} // namespace

double OccupantHeatPerHour(int32_t boxTemp) {
    static constexpr StepRow rows[] = {{-50, 1400}, {10, 1300}, {20, 1200}, {30, 1050},
                                       {40, 950},   {50, 840},  {60, 720}};
    // Below -60 F the table has no row; the coldest row's figure still applies.
    return LastRowExceeded(rows, static_cast<double>(boxTemp) + 10.0001, 1400);
}

double MotorHeatPerHp(double motorHp) {
    static constexpr StepRow rows[] = {
        {0.01, 6400}, {0.0666, 5700}, {0.0833, 5300}, {0.1, 4950},  {0.125, 4850}, {0.1666, 4350},
        {0.25, 4000}, {0.3333, 3850}, {0.5, 3700},    {0.75, 3600}, {1, 3500},     {2, 3300},
        {3, 3200},    {5, 3100},      {7.5, 3050},    {10, 3000}};
    // Motors smaller than the first row use the first row's figure.
    return LastRowExceeded(rows, motorHp + 0.0001, 6400);
}

int32_t ComputeOccupantLoad(const JobImage& image) {
    const TOccupantInputs& o = image.occupants;
    if (o.occupants < 1)
        return 0;
    return LoadFromDouble(OccupantHeatPerHour(image.header.boxTemp) *
                          static_cast<double>(o.occupants) * static_cast<double>(o.hours));
}

int32_t ComputeMotorLoad(const JobImage& image) {
    const TMotorInputs& m = image.motors;
    const double hp = m.motorHp;
    if (m.motorCount < 1 || hp < 0.00001)
        return 0;
    return LoadFromDouble(static_cast<double>(m.motorCount) * hp * static_cast<double>(m.hours) *
                          MotorHeatPerHp(hp));
}

int32_t ComputeElectricLoad(const JobImage& image) {
    const TElectricInputs& e = image.electric;
    return LoadFromDouble(static_cast<double>(e.watts) * static_cast<double>(e.hours) * 3.41);
}

int32_t ComputeLightingLoad(const JobImage& image) {
    const TLightingInputs& l = image.lighting;
    return LoadFromDouble(image.header.length * image.header.width * l.wattsPerSqFt *
                          static_cast<double>(l.hours) * 3.41);
}
