#include "job/JobFile.h"

#include "job/SafeWrite.h"

#include <algorithm>
#include <cstring>

FileResult WriteJobFile(Job& job, const std::string& path) {
    FileResult result = WriteFileAtomically(path, &job.image, sizeof job.image);
    if (result.ok) {
        job.run.modified = false;
        job.run.untitled = false;
        job.run.newJob = false;
    }
    return result;
}

FileResult ReadJobFile(Job& job, const std::string& path) {
    unsigned char bytes[sizeof(JobImage)];
    const long n = ReadFilePrefix(path, bytes, sizeof bytes);
    const std::size_t headerBytes =
        n < 0 ? 0 : std::min<std::size_t>(static_cast<std::size_t>(n), sizeof(TJobHeader));
    std::memcpy(&job.image.header, bytes, headerBytes);

    const bool signed98 = n >= 6 && std::memcmp(job.image.header.signature, "[W98]", 6) == 0;
    if (!signed98) {
        job.run.modified = false;
        job.image.flags.jobLoaded = 0;
        return FileResult::Failure(NotAJobFileMessage);
    }

    std::memcpy(reinterpret_cast<unsigned char*>(&job.image) + headerBytes, bytes + headerBytes,
                static_cast<std::size_t>(n) - headerBytes);
    job.run.productMarker = job.image.products[0].estimateMark;
    job.run.modified = false;
    job.run.untitled = false;
    job.run.newJob = false;
    job.image.flags.jobLoaded = 1;
    return FileResult::Success();
}
