#pragma once
// The Job information dialog's transfer record and the rules around the dialog, without widgets.

#include "job/Job.h"

#include <cstdint>
#include <string>

struct JobInfoRecord {
    std::string jobName;
    std::string customer;
    std::string contact;
    int32_t boxTemp = 0;
    double length = 0.0;
    double width = 0.0;
    double height = 0.0;
    std::string quotation;
    std::string address;
    std::string telephone;
    std::string fax;
    int32_t runHours = 0;
    int32_t safetyFactor = 0;
    int32_t boxRelHum = 0;

    bool operator==(const JobInfoRecord&) const = default;
};

// What the dialog starts from: the header's numbers, and its texts unless the job is new.
JobInfoRecord TakeJobInfoRecord(const TJobHeader& header, bool newJob);

// Copies the record into the header (texts cut to their fields).
void StoreJobInfoRecord(TJobHeader& header, const JobInfoRecord& record);

// Whatever the button: the volume follows the dimensions, and a changed design ambient or box
// temperature drops the selected condensing unit.
void AfterJobInformation(Job& job, int32_t ambientBefore, int32_t boxTempBefore);

// The lowest length, width and height the dialog takes: 0 for a new job, 1 otherwise.
double LowestDimension(bool newJob);
