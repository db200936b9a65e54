#pragma once
// The user's defaults for new jobs, stored whole as "DEFAULTS.KVI".

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)
struct TDefaults {
    char coolerWallName[27];
    double coolerWallFactor;
    char coolerWallKind;
    double coolerWallInches;
    int32_t coolerAdjacentTemp;
    int32_t coolerInsulationIndex;
    char freezerWallName[27];
    double freezerWallFactor;
    char freezerWallKind;
    double freezerWallInches;
    int32_t freezerAdjacentTemp;
    int32_t freezerInsulationIndex;
    int32_t defaultAmbient;
    int32_t designRelHum;
    int32_t defaultBoxRelHum;
};
#pragma pack(pop)

static_assert(sizeof(TDefaults) == 116);
static_assert(offsetof(TDefaults, freezerWallName) == 52);
static_assert(offsetof(TDefaults, defaultAmbient) == 104);

inline constexpr const char* DefaultsFileName = "DEFAULTS.KVI";

// The values used while no defaults file exists.
TDefaults BuiltInDefaults();
