#pragma once
// The job memory image: eighteen packed blocks whose bytes, written in order, are the job file.
// Read packed members by value; never bind a reference or pointer to a multi-byte member.

#include <bit>
#include <cstddef>
#include <cstdint>

static_assert(std::endian::native == std::endian::little,
              "the job image is stored little-endian, byte for byte");

#pragma pack(push, 1)

struct TJobHeader {
    char signature[6];
    char jobName[31];
    char customer[31];
    char contact[31];
    char jobDate[11];
    int32_t boxTemp;
    double length;
    double width;
    double height;
    char quotation[31];
    char address[31];
    char telephone[15];
    char fax[15];
    int32_t designAmbient;
    int32_t runHours;
    int32_t safetyFactor;
    int32_t boxRelHum;
    int32_t reserved246;
    int32_t reserved250;
    double reserved254;
    int32_t reserved262;
    double volume;
    int32_t reserved274;
};

struct TProductSlot {
    char productName[33];
    double freezePoint;
    double specHeatAbove;
    double specHeatBelow;
    int32_t latentHeat;
    int32_t latentApplies;
    double respHeat;
    char pkgType[26];
    char pkgSize[29];
    double grossWeight;
    double pkgWeight;
    double pkgSpecHeat;
    double pkgBtu;
    int32_t calcFlag;
    char storeTemp[14];
    char storeRh[8];
    char storeLife[17];
    char category[15];
    int32_t aboveLoad;
    int32_t belowLoad;
    int32_t respLoad;
    int32_t latentLoad;
    int32_t pkgLoad;
    int32_t slotLoad;
    int32_t productWeight;
    char estimateMark;
    // The page of the product dialog: enteringTemp to recordNo.
    int32_t enteringTemp;
    int32_t quantity;
    int32_t pulldownHours;
    double respFactor;
    int32_t respWeight;
    int32_t listIndex;
    int32_t recordNo;
};

struct TSurface {
    char insulationName[26];
    char terminator;
    double factor;
    int32_t sunAllowance;
    char factorKind;
    double thickness;
    int32_t adjacentTemp;
    int32_t insulationRow;
    int32_t dailyGain;
    int32_t hourlyGain;
};

struct TMotorInputs {
    int32_t motorCount;
    double motorHp;
    int32_t hours;
    int32_t dailyLoad;
};

struct TGlassDoors {
    int32_t doorCount;
    int32_t adjacentTemp;
    int32_t doorHeight;
    int32_t doorWidth;
    uint16_t lightFlag;
    uint16_t normalFlag;
    uint16_t heavyFlag;
    char usageText[13];
    int32_t glassLoad;
};

struct TOccupantInputs {
    int32_t occupants;
    int32_t hours;
    int32_t dailyLoad;
};

// Sun exposure groups in block order; within a group the choices None, Dark, Medium, Light.
enum SunGroup { SunSouth, SunEast, SunWest, SunRoof, SunGroupCount };
enum SunChoice { SunNone, SunDark, SunMedium, SunLight, SunChoiceCount };

struct TSunChoices {
    int16_t flags[SunGroupCount][SunChoiceCount];
};

struct TLightingInputs {
    double wattsPerSqFt;
    int32_t hours;
    int32_t dailyLoad;
};

struct TElectricInputs {
    int32_t watts;
    int32_t hours;
    int32_t dailyLoad;
};

struct TInfiltration {
    int32_t airChangeMethod;
    int32_t usage;
    double usageFactor;
    double airChanges;
    double heatPerCubicFoot;
    char usageText[11];
    int32_t airChangeDaily;
    int32_t velocityDaily;
    int32_t infiltrationLoad;
};

struct TAirChangeEntry {
    int32_t infiltratingTemp;
    int32_t infiltratingRelHum;
    uint16_t lightFlag;
    uint16_t normalFlag;
    uint16_t heavyFlag;
};

struct TAirVelocityEntry {
    int32_t infiltratingTemp;
    int32_t infiltratingRelHum;
    int32_t deviceEfficiency;
    double doorHeight;
    int32_t doorCount;
    double doorWidth;
    int32_t openMinutes;
};

struct TLoadTotals {
    int32_t productLoad;
    int32_t wallLoad;
    int32_t occupantLoad;
    int32_t glassDoorLoad;
    int32_t motorLoad;
    int32_t electricLoad;
    int32_t lightingLoad;
    int32_t safetyLoad;
    int32_t totalLoad;
};

struct TUserLoad {
    char userDescription[21];
    int32_t userLoad;
};

// Latent heat exclusion: exactly one flag is 1; the first set flag gives the margin 0, 10 or 15 F.
struct TLatentRange {
    int16_t doNotExclude;
    int16_t excludeWithin10;
    int16_t excludeWithin15;
};

struct TUnitSelection {
    int32_t unitCount;
    int32_t designTD;
    int32_t suctionTemp;
    int32_t searchAmbient;
    int32_t capacityColumn;
    int32_t firstUnitRecord;
    int32_t unitCapacity;
    int32_t reserved28;
    int32_t minCapacity;
    int32_t maxCapacity;
    char unitModel[21];
    char unitBrand[9];
    double nominalHp;
    double unitRunHours;
    int32_t unitSelected;
};

struct TCoilSelection {
    char coilModel[13];
    char coilBrand[9];
    char coilStyle[15];
    char defrostType[5];
    char finText[3];
    int32_t coilSelected;
    int32_t coilCount;
    int32_t maxCoilRating;
    int32_t firstCoilRecord;
    double coilTD;
    double coilRating;
};

struct TJobFlags {
    int32_t jobLoaded;
    int32_t sunEntered;
    int32_t occupantsEntered;
    int32_t glassDoorsEntered;
    int32_t reserved4;
    int32_t userLoadEntered;
    int32_t motorsEntered;
    int32_t electricEntered;
    int32_t productsEntered;
    int32_t lightingEntered;
    int32_t reserved10;
    int32_t velocityMethod;
};

inline constexpr int ProductSlotCount = 5;
inline constexpr int SurfaceCount = 6;
enum SurfaceIndex { NorthWall, SouthWall, EastWall, WestWall, Roof, Floor };

// The blocks in file order.
struct JobImage {
    TJobHeader header;
    TProductSlot products[ProductSlotCount];
    TSurface surfaces[SurfaceCount];
    TMotorInputs motors;
    TGlassDoors glassDoors;
    TOccupantInputs occupants;
    TSunChoices sun;
    TLightingInputs lighting;
    TElectricInputs electric;
    TInfiltration infiltration;
    TAirChangeEntry airChangeEntry;
    TAirVelocityEntry airVelocityEntry;
    TLoadTotals totals;
    TUserLoad userLoad;
    TLatentRange latent;
    TUnitSelection unit;
    TCoilSelection coil;
    TJobFlags flags;
};

#pragma pack(pop)

static_assert(sizeof(TJobHeader) == 278);
static_assert(sizeof(TProductSlot) == 279);
static_assert(sizeof(TSurface) == 64);
static_assert(sizeof(TMotorInputs) == 20);
static_assert(sizeof(TGlassDoors) == 39);
static_assert(sizeof(TOccupantInputs) == 12);
static_assert(sizeof(TSunChoices) == 32);
static_assert(sizeof(TLightingInputs) == 16);
static_assert(sizeof(TElectricInputs) == 12);
static_assert(sizeof(TInfiltration) == 55);
static_assert(sizeof(TAirChangeEntry) == 14);
static_assert(sizeof(TAirVelocityEntry) == 36);
static_assert(sizeof(TLoadTotals) == 36);
static_assert(sizeof(TUserLoad) == 25);
static_assert(sizeof(TLatentRange) == 6);
static_assert(sizeof(TUnitSelection) == 90);
static_assert(sizeof(TCoilSelection) == 77);
static_assert(sizeof(TJobFlags) == 48);
static_assert(sizeof(JobImage) == 2575);

// Offsets that other code and stored files rely on.
static_assert(offsetof(TJobHeader, boxTemp) == 110);
static_assert(offsetof(TJobHeader, designAmbient) == 230);
static_assert(offsetof(TJobHeader, boxRelHum) == 242);
static_assert(offsetof(TJobHeader, reserved246) == 246);
static_assert(offsetof(TJobHeader, reserved254) == 254);
static_assert(offsetof(TJobHeader, volume) == 266);
static_assert(offsetof(TProductSlot, storeTemp) == 164);
static_assert(offsetof(TProductSlot, aboveLoad) == 218);
static_assert(offsetof(TProductSlot, productWeight) == 242);
static_assert(offsetof(TProductSlot, estimateMark) == 246);
static_assert(offsetof(TProductSlot, quantity) == 251);
static_assert(offsetof(TProductSlot, recordNo) == 275);
static_assert(offsetof(TSurface, factor) == 27);
static_assert(offsetof(TSurface, factorKind) == 39);
static_assert(offsetof(TSurface, dailyGain) == 56);
static_assert(offsetof(TSurface, hourlyGain) == 60);
static_assert(offsetof(TMotorInputs, dailyLoad) == 16);
static_assert(offsetof(TGlassDoors, usageText) == 22);
static_assert(offsetof(TGlassDoors, glassLoad) == 35);
static_assert(offsetof(TOccupantInputs, dailyLoad) == 8);
static_assert(offsetof(TLightingInputs, dailyLoad) == 12);
static_assert(offsetof(TElectricInputs, dailyLoad) == 8);
static_assert(offsetof(TInfiltration, usageText) == 32);
static_assert(offsetof(TInfiltration, airChangeDaily) == 43);
static_assert(offsetof(TInfiltration, velocityDaily) == 47);
static_assert(offsetof(TInfiltration, infiltrationLoad) == 51);
static_assert(offsetof(TAirVelocityEntry, doorCount) == 20);
static_assert(offsetof(TAirVelocityEntry, openMinutes) == 32);
static_assert(offsetof(TLoadTotals, totalLoad) == 32);
static_assert(offsetof(TUserLoad, userLoad) == 21);
static_assert(offsetof(TUnitSelection, unitModel) == 40);
static_assert(offsetof(TUnitSelection, unitBrand) == 61);
static_assert(offsetof(TUnitSelection, nominalHp) == 70);
static_assert(offsetof(TUnitSelection, unitRunHours) == 78);
static_assert(offsetof(TUnitSelection, unitSelected) == 86);
static_assert(offsetof(TCoilSelection, coilSelected) == 45);
static_assert(offsetof(TCoilSelection, maxCoilRating) == 53);
static_assert(offsetof(TCoilSelection, coilTD) == 61);
static_assert(offsetof(TCoilSelection, coilRating) == 69);
static_assert(offsetof(TJobFlags, velocityMethod) == 44);
static_assert(offsetof(JobImage, products) == 278);
static_assert(offsetof(JobImage, surfaces) == 278 + 5 * 279);
static_assert(offsetof(JobImage, totals) == 2293);
static_assert(offsetof(JobImage, flags) == 2527);
