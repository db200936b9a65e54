#include "calc/WallGain.h"

#include "calc/Numbers.h"

namespace {

constexpr int32_t SunDegrees[SunGroupCount][SunChoiceCount] = {
    {0, 5, 4, 2},   // south wall
    {0, 8, 6, 4},   // east wall
    {0, 8, 6, 4},   // west wall
    {0, 20, 15, 9}, // ceiling
};

constexpr int SunSurface[SunGroupCount] = {SouthWall, EastWall, WestWall, Roof};

} // namespace

int32_t SunAllowanceFor(int group, int choice) {
    return SunDegrees[group][choice];
}

int32_t ComputeWallGain(JobImage& image, int surface, double a, double b) {
    TSurface& s = image.surfaces[surface];
    if (s.factorKind == 'U')
        s.thickness = 1.0;
    const double thickness = s.thickness;
    // No thickness (or a nonsensical negative one from a damaged file) insulates nothing we
    // could compute with; such a surface gains nothing rather than flipping the sign of TD.
    if (!(thickness > 0.0))
        return 0;
    const double td = static_cast<double>(s.adjacentTemp) + static_cast<double>(s.sunAllowance) -
                      static_cast<double>(image.header.boxTemp);
    const double gain = (a * b) * s.factor / thickness * 24 * td;
    return LoadFromDouble(gain);
}

int32_t ComputeWallGains(JobImage& image) {
    const double length = image.header.length;
    const double width = image.header.width;
    const double height = image.header.height;
    const double dims[SurfaceCount][2] = {{length, height}, {length, height}, {width, height},
                                          {width, height},  {length, width},  {length, width}};
    int32_t gain = 0;
    for (int i = 0; i < SurfaceCount; ++i) {
        gain = ComputeWallGain(image, i, dims[i][0], dims[i][1]);
        image.surfaces[i].dailyGain = gain;
    }
    return gain;
}

void ComputeSunAllowances(JobImage& image) {
    image.surfaces[NorthWall].sunAllowance = 0;
    image.surfaces[Floor].sunAllowance = 0;
    image.flags.sunEntered = 0;
    for (int group = 0; group < SunGroupCount; ++group) {
        for (int choice = 0; choice < SunChoiceCount; ++choice) {
            if (image.sun.flags[group][choice] != 0) {
                image.surfaces[SunSurface[group]].sunAllowance = SunDegrees[group][choice];
                break;
            }
        }
    }
    for (int surface : SunSurface) {
        if (image.surfaces[surface].sunAllowance != 0)
            image.flags.sunEntered = 1;
    }
}
