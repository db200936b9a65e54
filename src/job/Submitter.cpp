#include "job/Submitter.h"

#include "job/SafeWrite.h"

#include <cstring>

bool ReadSubmitter(TSubmitter& submitter, const std::string& path) {
    TSubmitter read;
    std::memcpy(&read, &submitter, sizeof read);
    const long n = ReadFilePrefix(path, &read, sizeof read);
    if (n < 0)
        return true;
    // Every text must end inside its field, whatever the file held.
    read.companyName[sizeof read.companyName - 1] = 0;
    read.companyAddress[sizeof read.companyAddress - 1] = 0;
    read.companyContact[sizeof read.companyContact - 1] = 0;
    read.companyTelephone[sizeof read.companyTelephone - 1] = 0;
    read.companyFax[sizeof read.companyFax - 1] = 0;
    std::memcpy(&submitter, &read, sizeof read);
    return false;
}

FileResult WriteSubmitter(const TSubmitter& submitter, const std::string& path) {
    return WriteFileAtomically(path, &submitter, sizeof submitter);
}
