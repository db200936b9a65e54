#include "equipment/SpotSearch.h"

#include "calc/Numbers.h"
#include "equipment/CoilSearch.h"
#include "equipment/SuctionClass.h"
#include "equipment/UnitSearch.h"

#include <cstring>

namespace {

// Keeps the job image and its modified mark, and puts them back when it goes.
class JobRestorer {
public:
    explicit JobRestorer(Job& job) : job_(job), modified_(job.run.modified) {
        std::memcpy(&image_, &job.image, sizeof image_);
    }
    ~JobRestorer() {
        std::memcpy(&job_.image, &image_, sizeof image_);
        job_.run.modified = modified_;
    }
    JobRestorer(const JobRestorer&) = delete;
    JobRestorer& operator=(const JobRestorer&) = delete;

private:
    Job& job_;
    JobImage image_;
    bool modified_;
};

} // namespace

bool SpotUnitSearch(Job& job, Table& units, EquipmentState& state, const SpotEntries& entries,
                    const ShowSpotList& showUnits) {
    JobRestorer restore(job);
    TUnitSelection& u = job.image.unit;
    TJobHeader& h = job.image.header;
    u.designTD = 10;
    u.unitSelected = 1;
    u.unitCount = entries.unit.spotQuantity;
    job.image.totals.totalLoad = entries.unit.spotLoad;
    h.runHours = entries.unit.spotRunHours;
    h.boxTemp = static_cast<int32_t>(static_cast<int64_t>(entries.unit.spotSuction) + 10);
    h.designAmbient = entries.spotAmbient;
    BeginUnitSelection(job, state);
    if (!SearchUnits(job, units, state))
        return false;
    if (u.unitCount >= 1 && showUnits)
        showUnits(job, state);
    return true;
}

bool SpotCoilSearch(Job& job, Table& coils, EquipmentState& state, const SpotEntries& entries,
                    const ShowSpotList& showCoils) {
    JobRestorer restore(job);
    TUnitSelection& u = job.image.unit;
    TCoilSelection& c = job.image.coil;
    const TSpotCoilEntry& e = entries.coil;
    u.unitCount = 1;
    u.unitSelected = 1;
    c.coilCount = e.spotCoilQuantity;
    u.designTD = e.spotTD;
    u.minCapacity = e.spotCoilLoad;
    u.unitCapacity = e.spotCoilLoad;
    job.image.header.boxTemp = static_cast<int32_t>(static_cast<int64_t>(e.spotBoxTemp) + 10);
    const std::optional<int32_t> suction = SuctionClass(job.image.header.boxTemp, e.spotTD);
    if (!suction)
        return false;
    u.suctionTemp = *suction;
    u.maxCapacity = SaturatingAdd(e.spotCoilLoad / 5, e.spotCoilLoad);
    BeginCoilSelection(job, state);
    if (!SearchCoils(job, coils, state))
        return false;
    if (showCoils)
        showCoils(job, state);
    return true;
}
