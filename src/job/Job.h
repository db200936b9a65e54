#pragma once
// One job: the memory image that is saved, and the run state that is not.

#include "job/JobImage.h"

#include <cstdint>
#include <string>

struct JobRunState {
    bool modified = false;
    bool untitled = false;
    bool newJob = false;
    std::string fileName;      // path of the current job file, at most MaxFileName characters
    int32_t storageWeight = 0; // default weight of the general-storage product, pounds
    char productMarker = ' ';  // the product dialog's remembered estimate mark
};

inline constexpr std::size_t MaxFileName = 259;

struct Job {
    JobImage image{};
    JobRunState run;
};
