#include "job/ClearJob.h"

#include "job/FixedText.h"

#include <cstring>

void ResetUnitSelection(TUnitSelection& u) {
    u.unitCount = 1;
    u.designTD = 10;
    u.suctionTemp = 35;
    u.searchAmbient = 90;
    u.capacityColumn = 1;
    u.firstUnitRecord = 0;
    u.unitCapacity = 0;
    u.minCapacity = 0;
    u.maxCapacity = 0;
    u.unitModel[0] = 0;
    u.unitBrand[0] = 0;
    u.nominalHp = 0.0;
    u.unitRunHours = 18.0;
    u.unitSelected = 0;
}

void ResetCoilSelection(TCoilSelection& c) {
    c.coilModel[0] = 0;
    c.coilBrand[0] = 0;
    c.coilStyle[0] = 0;
    c.defrostType[0] = 0;
    c.finText[0] = 0;
    c.coilSelected = 0;
    c.coilCount = 1;
    c.maxCoilRating = 0;
    c.firstCoilRecord = 0;
    c.coilTD = 10.0;
    c.coilRating = 0.0;
}

void ClearJobFirstStep(Job& job) {
    job.run.modified = false;
    job.run.untitled = false;
    job.run.newJob = false;

    JobImage& im = job.image;
    std::memset(&im.flags, 0, sizeof im.flags);

    TJobHeader& h = im.header;
    std::memcpy(h.signature, "[W98]", 6);
    SetText(h.jobName, "");
    h.boxTemp = 35;
    h.length = 0.0;
    h.width = 0.0;
    h.height = 0.0;
    h.designAmbient = 90;
    h.runHours = 18;
    h.safetyFactor = 10;
    h.boxRelHum = 90;
    h.reserved250 = 0;
    h.reserved254 = 10.0;
    h.reserved262 = 0;
    h.volume = 0.0;

    im.occupants.occupants = 0;
    im.occupants.hours = 8;
    im.occupants.dailyLoad = 0;

    for (int group = 0; group < SunGroupCount; ++group) {
        for (int choice = 0; choice < SunChoiceCount; ++choice)
            im.sun.flags[group][choice] = choice == SunNone ? 1 : 0;
    }

    im.latent.doNotExclude = 0;
    im.latent.excludeWithin10 = 1;
    im.latent.excludeWithin15 = 0;

    TGlassDoors& g = im.glassDoors;
    g.doorCount = 0;
    g.adjacentTemp = 80;
    g.doorHeight = 55;
    g.doorWidth = 24;
    g.lightFlag = 0;
    g.normalFlag = 1;
    g.heavyFlag = 0;
    std::memcpy(g.usageText, "Normal Usage", 12);
    g.glassLoad = 0;

    im.motors.motorCount = 0;
    im.motors.motorHp = 4.0;
    im.motors.hours = 8;

    im.electric.watts = 0;
    im.electric.hours = 8;
    im.electric.dailyLoad = 0;

    im.lighting.wattsPerSqFt = 1.5;
    im.lighting.hours = 8;
    im.lighting.dailyLoad = 0;
}

void ClearJobSecondStep(Job& job, const TDefaults& defaults) {
    JobImage& im = job.image;
    im.header.designAmbient = defaults.defaultAmbient;
    im.header.boxRelHum = defaults.defaultBoxRelHum;
    im.header.reserved246 = 0;

    TAirChangeEntry& ac = im.airChangeEntry;
    ac.infiltratingTemp = defaults.defaultAmbient;
    ac.infiltratingRelHum = defaults.designRelHum;
    ac.lightFlag = 0;
    ac.normalFlag = 0;
    ac.heavyFlag = 1;

    TAirVelocityEntry& av = im.airVelocityEntry;
    av.infiltratingTemp = defaults.defaultAmbient;
    av.infiltratingRelHum = defaults.designRelHum;
    av.deviceEfficiency = 10;
    av.doorHeight = 8.0;
    av.doorCount = 1;
    av.doorWidth = 4.0;
    av.openMinutes = 15;

    TInfiltration& inf = im.infiltration;
    inf.airChangeMethod = 1;
    inf.usage = 2;
    inf.usageFactor = 2.0;
    inf.airChanges = 0.0;
    inf.heatPerCubicFoot = 0.0;
    std::memcpy(inf.usageText, "Heavy Use ", 10);
    inf.airChangeDaily = 0;
    inf.velocityDaily = 0;
    inf.infiltrationLoad = 0;

    SetText(im.userLoad.userDescription, "");
    im.userLoad.userLoad = 0;

    ResetUnitSelection(im.unit);
    ResetCoilSelection(im.coil);
}

void ClearJob(Job& job, const TDefaults& defaults) {
    ClearJobFirstStep(job);
    ClearJobSecondStep(job, defaults);
}
