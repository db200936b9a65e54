#include "calc/InputEdits.h"

#include "calc/WallGain.h"

#include <cstring>

namespace {

// Copies `size` bytes over `target`; true when they differed.
bool Replace(void* target, const void* edited, std::size_t size) {
    const bool changed = std::memcmp(target, edited, size) != 0;
    std::memcpy(target, edited, size);
    return changed;
}

} // namespace

bool StoreSunChoices(JobImage& image, const TSunChoices& edited) {
    const bool changed = Replace(&image.sun, &edited, sizeof edited);
    ComputeSunAllowances(image);
    return changed;
}

bool StoreAirChangeEntry(JobImage& image, const TAirChangeEntry& edited) {
    const bool changed = Replace(&image.airChangeEntry, &edited, sizeof edited);
    TInfiltration& inf = image.infiltration;
    if (edited.lightFlag != 0) {
        inf.usage = 0;
        inf.usageFactor = 0.8;
    } else if (edited.normalFlag != 0) {
        inf.usage = 1;
        inf.usageFactor = 1.0;
    } else if (edited.heavyFlag != 0) {
        inf.usage = 2;
        inf.usageFactor = 2.0;
    }
    return changed;
}

void UseAirChangeMethod(JobImage& image) {
    image.infiltration.airChangeMethod = 1;
}

bool StoreAirVelocityEntry(JobImage& image, const TAirVelocityEntry& edited) {
    const bool changed = Replace(&image.airVelocityEntry, &edited, sizeof edited);
    image.infiltration.airChangeMethod = 0;
    return changed;
}

bool StoreOccupantInputs(JobImage& image, int32_t occupants, int32_t hours) {
    TOccupantInputs& o = image.occupants;
    const bool changed = o.occupants != occupants || o.hours != hours;
    o.occupants = occupants;
    o.hours = hours;
    return changed;
}

bool StoreMotorInputs(JobImage& image, int32_t motorCount, double motorHp, int32_t hours) {
    TMotorInputs& m = image.motors;
    const double oldHp = m.motorHp;
    const bool changed = m.motorCount != motorCount ||
                         std::memcmp(&oldHp, &motorHp, sizeof motorHp) != 0 || m.hours != hours;
    m.motorCount = motorCount;
    m.motorHp = motorHp;
    m.hours = hours;
    return changed;
}

bool StoreElectricInputs(JobImage& image, int32_t watts, int32_t hours) {
    TElectricInputs& e = image.electric;
    const bool changed = e.watts != watts || e.hours != hours;
    e.watts = watts;
    e.hours = hours;
    return changed;
}

bool StoreLightingInputs(JobImage& image, double wattsPerSqFt, int32_t hours) {
    TLightingInputs& l = image.lighting;
    const double oldWatts = l.wattsPerSqFt;
    const bool changed =
        std::memcmp(&oldWatts, &wattsPerSqFt, sizeof wattsPerSqFt) != 0 || l.hours != hours;
    l.wattsPerSqFt = wattsPerSqFt;
    l.hours = hours;
    return changed;
}

bool StoreGlassDoorEntry(JobImage& image, const TGlassDoors& edited) {
    // The transfer record: the four integers and the three usage flags.
    constexpr std::size_t transfer = offsetof(TGlassDoors, usageText);
    return Replace(&image.glassDoors, &edited, transfer);
}

bool StoreUserLoad(JobImage& image, const TUserLoad& edited) {
    const bool changed = Replace(&image.userLoad, &edited, sizeof edited);
    image.flags.userLoadEntered = edited.userLoad > 0 ? 1 : 0;
    return changed;
}

void StoreLatentRange(JobImage& image, const TLatentRange& edited) {
    std::memcpy(&image.latent, &edited, sizeof edited);
}
