#include "equipment/SuctionClass.h"

#include <iterator>

namespace {

struct Band {
    int32_t low, high, suction;
};

// The box temperature minus TD that falls to each class.
constexpr Band Bands[] = {
    {-50, -48, -50}, {-47, -43, -45}, {-42, -38, -40}, {-37, -33, -35}, {-32, -27, -30},
    {-26, -23, -25}, {-22, -19, -20}, {-18, -14, -15}, {-13, -9, -10},  {-8, -3, -5},
    {-2, 3, 0},      {4, 12, 10},     {13, 17, 15},    {18, 23, 20},    {24, 27, 25},
    {28, 33, 30},    {34, 37, 35},    {38, 42, 40},    {43, 47, 45},    {48, 52, 50},
    {53, 57, 55},    {58, 62, 60},    {63, 66, 65},    {67, 70, 70},
};

constexpr bool BandsAreTheClasses() {
    if (std::size(Bands) != SuctionClasses.size())
        return false;
    for (std::size_t i = 0; i < SuctionClasses.size(); ++i)
        if (Bands[i].suction != SuctionClasses[i])
            return false;
    return true;
}
static_assert(BandsAreTheClasses(), "a band for every suction class, in order");

} // namespace

std::optional<int32_t> SuctionClass(int32_t boxTemp, int32_t designTD) {
    const int64_t d = static_cast<int64_t>(boxTemp) - designTD;
    for (const Band& band : Bands) {
        if (d >= band.low && d <= band.high)
            return band.suction;
    }
    return std::nullopt;
}

std::optional<int32_t> CapacityColumn(int32_t designAmbient) {
    if (designAmbient < 80 || designAmbient > 130 || designAmbient % 5 != 0)
        return std::nullopt;
    return 2 + (designAmbient - 80) / 5;
}
