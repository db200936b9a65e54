#include "calc/ProductLoad.h"

#include "calc/LatentMargin.h"
#include "calc/Numbers.h"
#include "job/FixedText.h"

#include <algorithm>

namespace {

struct SlotInputs {
    double box, entering, freeze, weight, hours;
    int32_t quantity, mode;
};

SlotInputs InputsOf(const JobImage& image, const TProductSlot& s) {
    return {static_cast<double>(image.header.boxTemp),
            static_cast<double>(s.enteringTemp),
            s.freezePoint,
            static_cast<double>(s.productWeight),
            static_cast<double>(s.pulldownHours),
            s.quantity,
            s.calcFlag};
}

bool SensibleCounts(const SlotInputs& in) {
    return in.mode != 0 && in.mode != 3 && in.quantity >= 1;
}

int32_t AboveLoad(const TProductSlot& s, const SlotInputs& in) {
    if (!SensibleCounts(in))
        return 0;
    const double sign = in.entering > in.box ? 1.0 : 0.0;
    return LoadFromDouble(in.weight * s.specHeatAbove *
                          (in.entering - std::max(in.box, in.freeze)) * sign / in.hours);
}

int32_t BelowLoad(const TProductSlot& s, const SlotInputs& in) {
    if (!SensibleCounts(in))
        return 0;
    const double d = std::min(in.entering, in.freeze) - in.box;
    const double sign = (d > 0 && !(in.box > in.freeze)) ? 1.0 : 0.0;
    return LoadFromDouble(in.weight * s.specHeatBelow * d * sign / in.hours);
}

int32_t RespirationLoad(const TProductSlot& s, const SlotInputs& in) {
    if (!SensibleCounts(in) || !(s.respFactor > 0))
        return 0;
    return LoadFromDouble(s.respFactor * static_cast<double>(s.respWeight) / in.hours);
}

int32_t PackagingLoad(const TProductSlot& s, const SlotInputs& in) {
    if (in.quantity < 1 || in.mode == 0 || in.mode == 1)
        return 0;
    const double t = in.entering - in.box;
    const double q = static_cast<double>(in.quantity);
    const double value = in.mode == 3 ? q * s.pkgBtu * t : q * s.pkgWeight * s.pkgSpecHeat * t;
    return LoadFromDouble(value / in.hours);
}

void ComputeSlot(JobImage& image, int slot) {
    TProductSlot& s = image.products[slot];
    const SlotInputs in = InputsOf(image, s);
    s.latentApplies = LatentApplies(image, slot);
    // A pull-down time under one hour (only in files written elsewhere) gives no load at all.
    if (in.hours < 1)
        return;
    s.aboveLoad = AboveLoad(s, in);
    s.belowLoad = BelowLoad(s, in);
    s.latentLoad = s.latentApplies == 1
                       ? LoadFromDouble(static_cast<double>(s.latentHeat) * in.weight / in.hours)
                       : 0;
    s.respLoad = RespirationLoad(s, in);
    s.pkgLoad = PackagingLoad(s, in);
    int32_t sum = 0;
    for (int32_t load : {s.aboveLoad, s.belowLoad, s.respLoad, s.latentLoad, s.pkgLoad})
        sum = SaturatingAdd(sum, load);
    s.slotLoad = sum;
}

} // namespace

int32_t LatentApplies(const JobImage& image, int slot) {
    const TProductSlot& s = image.products[slot];
    const SlotInputs in = InputsOf(image, s);
    if (in.box > in.freeze || in.entering < in.freeze || in.entering < in.box || in.quantity < 1 ||
        in.mode == 0)
        return 0;
    const double margin = LatentExclusionMargin(image.latent);
    return in.entering - in.box > margin ? 1 : 0;
}

int32_t ComputeProductLoads(JobImage& image) {
    for (TProductSlot& s : image.products) {
        s.aboveLoad = 0;
        s.belowLoad = 0;
        s.respLoad = 0;
        s.latentLoad = 0;
        s.pkgLoad = 0;
        s.slotLoad = 0;
    }
    int32_t total = 0;
    for (int slot = 0; slot < ProductSlotCount; ++slot) {
        ComputeSlot(image, slot);
        total = SaturatingAdd(total, image.products[slot].slotLoad);
    }
    return total;
}

int32_t EstimateProductCapacity(const TJobHeader& header) {
    struct Row {
        double limit, cooler, freezer;
    };
    static constexpr Row rows[] = {
        {2, 12.4, 3.2},     {3000, 2.7, 0.7},   {4600, 2.4, 0.6},   {8100, 2.1, 0.55},
        {12800, 2.06, 0.5}, {16000, 2.06, 0.5}, {20000, 2.0, 0.5},  {28000, 2.0, 0.5},
        {40000, 1.88, 0.5}, {60000, 1.88, 0.5}, {80000, 1.88, 0.5}, {80001, 1.88, 0.5},
    };
    const double volume = header.length * header.width * header.height;
    if (volume < 5)
        return 0;
    const bool cooler = header.boxTemp > 32;
    double factor = 1.0;
    for (const Row& row : rows) {
        if (row.limit > volume) {
            factor = cooler ? row.cooler : row.freezer;
            break;
        }
    }
    return TruncateToInt32(volume * factor);
}

namespace {

void BlankProductTexts(TProductSlot& s, std::size_t storeTempWidth, std::size_t storeRhWidth,
                       std::size_t storeLifeWidth, std::size_t categoryWidth,
                       std::size_t pkgTypeWidth, std::size_t pkgSizeWidth) {
    SetPadded(s.productName, "None", 32);
    SetPadded(s.pkgType, "", pkgTypeWidth);
    SetPadded(s.pkgSize, "", pkgSizeWidth);
    SetPadded(s.storeTemp, "", storeTempWidth);
    SetPadded(s.storeRh, "", storeRhWidth);
    SetPadded(s.storeLife, "", storeLifeWidth);
    SetPadded(s.category, "", categoryWidth);
    s.estimateMark = ' ';
}

void ZeroLoads(TProductSlot& s) {
    s.aboveLoad = 0;
    s.belowLoad = 0;
    s.respLoad = 0;
    s.latentLoad = 0;
    s.pkgLoad = 0;
    s.slotLoad = 0;
}

} // namespace

void ResetProducts(JobImage& image, int32_t boxTemp) {
    for (TProductSlot& s : image.products) {
        BlankProductTexts(s, 13, 7, 16, 14, 25, 28);
        s.enteringTemp = SaturatingAdd(boxTemp, 10);
        s.quantity = 0;
        s.pulldownHours = 24;
        s.respFactor = 0;
        s.respWeight = 0;
        s.listIndex = 0;
        s.recordNo = 0;
        s.freezePoint = 28.0;
        s.specHeatAbove = 0.96;
        s.specHeatBelow = 0.48;
        s.latentHeat = 112;
        s.latentApplies = 0;
        s.respHeat = 0;
        s.grossWeight = 0;
        s.pkgWeight = 0;
        s.pkgSpecHeat = 0;
        s.pkgBtu = 0;
        ZeroLoads(s);
        s.productWeight = 0;
        s.calcFlag = 0;
    }
    SetPadded(image.products[0].productName, "General Storage", 32);
    image.products[0].calcFlag = 1;
}

void ClearProductSlot(TProductSlot& s) {
    BlankProductTexts(s, 7, 7, 7, 7, 7, 7);
    s.freezePoint = 0;
    s.specHeatAbove = 0;
    s.specHeatBelow = 0;
    s.latentHeat = 0;
    s.latentApplies = 0;
    s.respHeat = 0;
    s.grossWeight = 0;
    s.pkgWeight = 0;
    s.pkgSpecHeat = 0;
    s.pkgBtu = 0;
    s.calcFlag = 0;
    s.productWeight = 0;
    s.quantity = 0;
    s.respFactor = 0;
    s.respWeight = 0;
    s.listIndex = 0;
    s.recordNo = 0;
    s.pulldownHours = 24;
}
