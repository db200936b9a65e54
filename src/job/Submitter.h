#pragma once
// The company that prepares the load calculations, stored whole as "SUBMIT.KVI".

#include "job/FileResult.h"

#include <cstddef>
#include <string>

#pragma pack(push, 1)
struct TSubmitter {
    char companyName[31];
    char companyAddress[31];
    char companyContact[31];
    char companyTelephone[15];
    char companyFax[15];
};
#pragma pack(pop)

static_assert(sizeof(TSubmitter) == 123);
static_assert(offsetof(TSubmitter, companyTelephone) == 93);
static_assert(offsetof(TSubmitter, companyFax) == 108);

inline constexpr const char* SubmitterFileName = "SUBMIT.KVI";

// Returns true when the file is missing (the signal to ask for the information) and leaves the
// record as it was; otherwise reads up to 123 bytes into the record and returns false. A short
// file leaves the rest of the record unchanged, and so does one that exists but cannot be read.
bool ReadSubmitter(TSubmitter& submitter, const std::string& path);

FileResult WriteSubmitter(const TSubmitter& submitter, const std::string& path);
