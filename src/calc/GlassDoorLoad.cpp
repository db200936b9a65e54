#include "calc/GlassDoorLoad.h"

#include "calc/Numbers.h"

#include <cstring>

namespace {

constexpr int MaxDoorRow = 30;

// BTUH per square inch of door, per door, by door count.
constexpr double CoolerPerDoor[MaxDoorRow + 1] = {
    0.0,      0.75,     0.75,     0.782828, 0.767045, 0.772727, 0.744949, 0.703463,
    0.662879, 0.635522, 0.604545, 0.581956, 0.568182, 0.550699, 0.535714, 0.515152,
    0.501894, 0.490196, 0.475589, 0.46252,  0.44697,  0.4625,   0.4625,   0.4625,
    0.4625,   0.4625,   0.4625,   0.4625,   0.4625,   0.4625,   0.4625};
constexpr double FreezerPerDoor[MaxDoorRow + 1] = {
    0.0,  1.56, 1.56, 1.29, 1.16, 1.2, 1.23, 1.26, 1.21, 1.18, 1.16, 1.13, 1.11, 1.09, 1.06, 1.04,
    1.02, 0.98, 0.96, 0.93, 0.9,  0.9, 0.9,  0.9,  0.9,  0.9,  0.9,  0.9,  0.9,  0.9,  0.9};

double FreezerTemperatureFactor(double dT) {
    struct Row {
        double above, factor;
    };
    static constexpr Row rows[] = {{119, 1.42}, {109, 1.33}, {99, 1.22}, {94, 1.15},
                                   {89, 1.09},  {84, 1.04},  {79, 1.0},  {69, 0.99}};
    for (const Row& row : rows) {
        if (dT > row.above)
            return row.factor;
    }
    return 1.0;
}

} // namespace

int32_t ComputeGlassLoad(JobImage& image) {
    TGlassDoors& g = image.glassDoors;
    const double area = static_cast<double>(g.doorHeight) * static_cast<double>(g.doorWidth);

    // With no usage flag set (only in files written elsewhere) the doors count as normal usage.
    double usage = 1.0;
    const char* text = "Normal Usage";
    if (g.lightFlag != 0) {
        usage = 0.75;
        text = "Light Usage ";
    } else if (g.normalFlag == 0 && g.heavyFlag != 0) {
        usage = 1.5;
        text = "Heavy Usage ";
    }
    std::memcpy(g.usageText, text, 12);
    g.usageText[12] = 0;

    // Counts past the table use its last row; negative counts use the empty row.
    const int32_t doorCount = g.doorCount; // by value: the block is packed
    const int row = doorCount < 0 ? 0 : (doorCount > MaxDoorRow ? MaxDoorRow : doorCount);
    const double adjacent = g.adjacentTemp;
    double f = 1.0;
    double k = 0.0;
    if (image.header.boxTemp > 32) {
        f = adjacent - 80 < 1 ? 1.0 : 1 + 0.018 * (adjacent - 80);
        k = CoolerPerDoor[row];
    } else {
        f = FreezerTemperatureFactor(adjacent - static_cast<double>(image.header.boxTemp));
        k = FreezerPerDoor[row];
    }

    const double n = g.doorCount;
    double load = 0.0;
    if (area > 1320)
        load = n * k * ((area - 1320) * 0.5) + n * k * 1320 * f * usage;
    else
        load = n * k * area * f * usage;
    return LoadFromDouble(load);
}
