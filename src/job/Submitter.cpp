#include "job/Submitter.h"

#include "job/SafeWrite.h"

#include <cstring>
#include <filesystem>

bool ReadSubmitter(TSubmitter& submitter, const std::string& path) {
    TSubmitter read;
    std::memcpy(&read, &submitter, sizeof read);
    // Only a missing file asks for the information: one that cannot be read is left alone, so
    // answering the question could not replace it.
    std::error_code error;
    if (!std::filesystem::exists(path, error) && !error)
        return true;
    if (ReadFilePrefix(path, &read, sizeof read) < 0)
        return false;
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
