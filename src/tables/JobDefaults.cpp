#include "tables/JobDefaults.h"

#include "calc/ProductLoad.h"
#include "job/ClearJob.h"
#include "job/DefaultsFile.h"
#include "job/FixedText.h"
#include "tables/InsulationTable.h"
#include "text/Windows1252.h"

namespace {

constexpr const char* NoInsulTable =
    "INSUL.DAT is not open: the insulation defaults were not checked";

// One wall of TDefaults, copied out by value (the record is packed).
struct Wall {
    std::string name;
    double factor;
    char kind;
    int32_t index;
};

Wall CoolerWall(const TDefaults& d) {
    return {GetText(d.coolerWallName), d.coolerWallFactor, d.coolerWallKind,
            d.coolerInsulationIndex};
}

Wall FreezerWall(const TDefaults& d) {
    return {GetText(d.freezerWallName), d.freezerWallFactor, d.freezerWallKind,
            d.freezerInsulationIndex};
}

void StoreCoolerWall(TDefaults& d, const Wall& w) {
    SetPadded(d.coolerWallName, w.name, InsulNameWidth);
    d.coolerWallFactor = w.factor;
    d.coolerWallKind = w.kind;
    d.coolerInsulationIndex = w.index;
}

void StoreFreezerWall(TDefaults& d, const Wall& w) {
    SetPadded(d.freezerWallName, w.name, InsulNameWidth);
    d.freezerWallFactor = w.factor;
    d.freezerWallKind = w.kind;
    d.freezerInsulationIndex = w.index;
}

// Copies the current record of `insul` into the wall, with its row in name order.
void TakeRecord(Table& insul, int32_t recNo, Wall& wall) {
    const InsulationRecord record = ReadInsulationRecord(insul);
    wall.name = record.name;
    wall.factor = record.factor;
    wall.kind = record.kind;
    const int row = InsulationRowOf(insul, recNo);
    wall.index = row < 0 ? 0 : row;
}

// Finds the wall's insulation or adds it. A wall the table lacks and cannot take (see
// InsulationEntryAcceptable) becomes `builtIn`; a kind other than 'U' is added as 'K'.
bool CheckWall(Table& insul, Wall& wall, const Wall& builtIn) {
    int32_t recNo = FindInsulation(insul, wall.name);
    if (recNo == 0) {
        if (!InsulationEntryAcceptable(wall.name, wall.factor))
            wall = builtIn;
        recNo = FindOrAddInsulation(insul, wall.name, wall.factor, wall.kind == 'U' ? 'U' : 'K');
    }
    if (recNo == 0) {
        wall.index = 0;
        return false;
    }
    insul.d4go(recNo);
    TakeRecord(insul, recNo, wall);
    return true;
}

struct WallSettings {
    Wall wall;
    double inches;
    int32_t adjacentTemp;
};

FileResult ApplyDefaults(Job& job, const WallSettings& walls, const FloorConstruction& floor,
                         int32_t runHours, Table* insul) {
    JobImage& im = job.image;
    im.header.runHours = runHours;
    for (int s = NorthWall; s <= Roof; ++s) {
        TSurface& surface = im.surfaces[s];
        SetPadded(surface.insulationName, walls.wall.name, InsulNameWidth);
        surface.terminator = 0;
        surface.factor = walls.wall.factor;
        surface.factorKind = walls.wall.kind;
        surface.thickness = walls.inches;
        surface.adjacentTemp = walls.adjacentTemp;
        surface.insulationRow = walls.wall.index;
        surface.sunAllowance = 0;
        surface.dailyGain = 0;
    }

    Wall floorRecord{floor.name, floor.factor, floor.kind, 0};
    FileResult result = FileResult::Success();
    if (insul == nullptr) {
        result = FileResult::Failure(std::string("INSUL.DAT is not open: the floor \"") +
                                     floor.name + "\" was not checked");
    } else {
        const int32_t recNo = FindOrAddInsulation(*insul, floor.name, floor.factor, floor.kind);
        if (recNo != 0 && insul->d4go(recNo) == r4success)
            TakeRecord(*insul, recNo, floorRecord);
        else
            result = FileResult::Failure(insul->lastError());
    }
    TSurface& f = im.surfaces[Floor];
    SetPadded(f.insulationName, floorRecord.name, InsulNameWidth);
    f.terminator = 0;
    f.factor = floorRecord.factor;
    f.factorKind = floorRecord.kind;
    f.sunAllowance = 0;
    f.insulationRow = floorRecord.index;
    f.dailyGain = 0;
    f.thickness = FloorThickness;
    f.adjacentTemp = FloorAdjacentTemp;
    return result;
}

} // namespace

FileResult ResetJobToDefaults(Job& job, TDefaults& defaults, const std::string& defaultsPath,
                              Table* insul) {
    ClearJobFirstStep(job);
    FileResult result = ReadDefaultsFile(defaults, defaultsPath);
    if (insul == nullptr) {
        if (result.ok)
            result = FileResult::Failure(NoInsulTable);
    } else {
        const TDefaults builtIn = BuiltInDefaults();
        Wall cooler = CoolerWall(defaults);
        Wall freezer = FreezerWall(defaults);
        const bool coolerFound = CheckWall(*insul, cooler, CoolerWall(builtIn));
        const bool freezerFound = CheckWall(*insul, freezer, FreezerWall(builtIn));
        StoreCoolerWall(defaults, cooler);
        StoreFreezerWall(defaults, freezer);
        if (result.ok && !(coolerFound && freezerFound))
            result = FileResult::Failure(insul->lastError());
    }
    ClearJobSecondStep(job, defaults);
    return result;
}

FileResult ApplyCoolerDefaults(Job& job, const TDefaults& defaults, Table* insul) {
    return ApplyDefaults(
        job, {CoolerWall(defaults), defaults.coolerWallInches, defaults.coolerAdjacentTemp},
        CoolerFloor, 16, insul);
}

FileResult ApplyFreezerDefaults(Job& job, const TDefaults& defaults, Table* insul) {
    return ApplyDefaults(
        job, {FreezerWall(defaults), defaults.freezerWallInches, defaults.freezerAdjacentTemp},
        FreezerFloor, 18, insul);
}

FileResult SaveDefaultsFromDialog(TDefaults& defaults, const DefaultsDialogValues& values,
                                  Table* insul, const std::string& defaultsPath) {
    if (insul == nullptr)
        return FileResult::Failure("INSUL.DAT is not open: the defaults were not saved");
    Wall cooler = CoolerWall(defaults);
    if (GoToInsulationRow(*insul, values.coolerRow)) {
        TakeRecord(*insul, insul->d4recNo(), cooler);
        cooler.index = values.coolerRow;
    }
    Wall freezer = FreezerWall(defaults);
    if (GoToInsulationRow(*insul, values.freezerRow)) {
        TakeRecord(*insul, insul->d4recNo(), freezer);
        freezer.index = values.freezerRow;
    }
    StoreCoolerWall(defaults, cooler);
    StoreFreezerWall(defaults, freezer);
    defaults.coolerWallInches = values.coolerInches;
    defaults.coolerAdjacentTemp = values.coolerAdjacentTemp;
    defaults.freezerWallInches = values.freezerInches;
    defaults.freezerAdjacentTemp = values.freezerAdjacentTemp;
    defaults.defaultAmbient = values.defaultAmbient;
    defaults.designRelHum = values.designRelHum;
    defaults.defaultBoxRelHum = values.defaultBoxRelHum;
    return WriteDefaultsFile(defaults, defaultsPath);
}

FileResult ApplyBoxDefaults(Job& job, const TDefaults& defaults, Table* insul) {
    return job.image.header.boxTemp > 32 ? ApplyCoolerDefaults(job, defaults, insul)
                                         : ApplyFreezerDefaults(job, defaults, insul);
}

void CompleteNewJob(Job& job) {
    const TJobHeader& h = job.image.header;
    job.run.storageWeight = EstimateProductCapacity(h);
    job.run.untitled = true;
    job.run.modified = true;
    job.image.flags.jobLoaded = 1;
    ResetProducts(job.image, h.boxTemp);
    job.image.products[0].productWeight = job.run.storageWeight;
    job.image.products[0].quantity = job.run.storageWeight;
    // The name a new job is offered under: a file name, so UTF-8 like every path.
    job.run.fileName = Utf8From1252(GetText(h.jobName));
}
