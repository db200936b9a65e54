#include "calc/Infiltration.h"

#include "calc/Numbers.h"
#include "calc/PrintfText.h"

#include <cmath>
#include <cstring>

double SaturationPressure(double tCelsius) {
    const double t = tCelsius + 273.15;
    double l = 0.0;
    if (t > 273.15) {
        l = -5800.2206 / t + 1.3914993 - 0.048640239 * t + 0.000041764768 * t * t -
            0.000000014452093 * t * t * t + 6.5459673 * std::log(t);
    } else {
        l = -5674.5359 / t + 6.3925247 - 0.009677843 * t + 0.00000062215701 * t * t +
            0.0000000020747825 * t * t * t - 0.0000000000009484024 * t * t * t * t +
            4.1635019 * std::log(t);
    }
    return std::exp(l) * 0.001;
}

namespace {

// Enthalpy of moist air at a temperature (F) and relative humidity (%), at pressure P kPa.
double Enthalpy(double temp, double relHum, double pressureKpa) {
    const double t = (temp - 32) * 0.5555555;
    const double pw = SaturationPressure(t) * (0.01 * relHum);
    const double w = 0.62198 * pw / (pressureKpa - pw);
    return (1.805 * t + 2501) * w + 1.006 * t;
}

} // namespace

double HeatPerCubicFoot(double outsideTemp, double outsideRelHum, double pressurePsia,
                        double boxTemp, double boxRelHum) {
    const double p = 6.895 * pressurePsia;
    double q = (Enthalpy(outsideTemp, outsideRelHum, p) - Enthalpy(boxTemp, boxRelHum, p)) *
               0.94578 * (1.0 / 24);
    q *= boxTemp > 30 ? 0.75 : 0.81;
    q = RoundedAsPrinted("%10.2f", q);
    if (!(q >= 0.19)) // also a NaN from air with no dry part
        q = 0.18;
    return q;
}

double AirChangesPerDay(double volume, int32_t boxTemp) {
    struct Row {
        int32_t above;
        double cooler, freezer;
    };
    static constexpr Row rows[] = {
        {499999, 0.9, 0.8}, {299999, 1.0, 0.85}, {199999, 1.1, 0.9}, {149999, 1.2, 1.0},
        {99999, 1.4, 1.1},  {74999, 1.6, 1.3},   {49999, 2.0, 1.6},  {39999, 2.3, 1.8},
        {29999, 2.7, 2.1},  {24999, 3.0, 2.3},   {19999, 3.5, 2.6},  {14999, 3.9, 3.0},
        {9999, 4.9, 3.8},   {7999, 5.5, 4.3},    {5999, 6.5, 5.0},   {4999, 7.2, 5.6},
        {3999, 8.2, 6.3},   {2999, 9.5, 7.4},    {1999, 12.0, 9.3},  {1499, 14.0, 11.0},
        {999, 17.5, 13.5},  {799, 20.0, 15.3},   {599, 23.0, 18.0},  {499, 26.0, 20.0},
        {399, 29.5, 22.5},  {299, 34.5, 26.2},   {249, 38.0, 29.0},  {199, 44.0, 33.5},
        {5, 45.0, 35.0},
    };
    const int32_t whole = TruncateToInt32(volume);
    const Row* chosen = &rows[0];
    for (const Row& row : rows) {
        if (row.above < whole) {
            chosen = &row;
            break;
        }
    }
    return boxTemp > 31 ? chosen->cooler : chosen->freezer;
}

int32_t ComputeAirChangeLoad(JobImage& image) {
    TInfiltration& inf = image.infiltration;
    const TJobHeader& h = image.header;
    switch (inf.usage) {
    case 0:
        std::memcpy(inf.usageText, "Light Use ", 11);
        inf.usageFactor = 0.8;
        break;
    case 1:
        std::memcpy(inf.usageText, "Normal Use", 11);
        inf.usageFactor = 1.0;
        break;
    case 2:
        std::memcpy(inf.usageText, "Heavy Use ", 11);
        inf.usageFactor = 2.0;
        break;
    default:
        break;
    }
    const double volume = h.length * h.width * h.height;
    inf.airChanges = AirChangesPerDay(volume, h.boxTemp);
    const double q =
        HeatPerCubicFoot(image.airChangeEntry.infiltratingTemp,
                         image.airChangeEntry.infiltratingRelHum, 14.7, h.boxTemp, h.boxRelHum);
    inf.heatPerCubicFoot = q;
    const double usageFactor = inf.usageFactor;
    const double airChanges = inf.airChanges;
    return LoadFromDouble(volume * usageFactor * airChanges * q);
}

int32_t ComputeAirVelocityLoad(const JobImage& image) {
    const TAirVelocityEntry& v = image.airVelocityEntry;
    const TJobHeader& h = image.header;
    const double q =
        HeatPerCubicFoot(v.infiltratingTemp, v.infiltratingRelHum, 14.77, h.boxTemp, h.boxRelHum);
    const double dT = static_cast<double>(v.infiltratingTemp) - static_cast<double>(h.boxTemp);
    const double doorHeight = v.doorHeight;
    const double doorWidth = v.doorWidth;
    const double flow = 4.88 * std::sqrt(doorHeight) * std::sqrt(dT) *
                        (doorWidth * static_cast<double>(v.doorCount) * doorHeight * 0.5);
    if (!(flow >= 100))
        return 0;
    return LoadFromDouble(flow * static_cast<double>(v.openMinutes) *
                          (1 - 0.01 * static_cast<double>(v.deviceEfficiency)) * q);
}
