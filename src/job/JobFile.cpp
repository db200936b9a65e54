#include "job/JobFile.h"

#include "job/SafeWrite.h"

#include <algorithm>
#include <cstring>

const JobImage& JobFileImage(Job& job) {
    // Words 4 and 10 are unused and written as 0.
    job.image.flags.reserved4 = 0;
    job.image.flags.reserved10 = 0;
    return job.image;
}

FileResult WriteJobFile(Job& job, const std::string& path) {
    const JobImage& image = JobFileImage(job);
    FileResult result = WriteFileAtomically(path, &image, sizeof image);
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
    return ReadJobBytes(job, bytes, n < 0 ? 0 : static_cast<std::size_t>(n));
}

FileResult ReadJobBytes(Job& job, const void* data, std::size_t size) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    const std::size_t n = std::min(size, sizeof(JobImage));
    const std::size_t headerBytes = std::min(n, sizeof(TJobHeader));
    if (headerBytes > 0)
        std::memcpy(&job.image.header, bytes, headerBytes);

    const bool signed98 = n >= 6 && std::memcmp(job.image.header.signature, "[W98]", 6) == 0;
    if (!signed98) {
        job.run.modified = false;
        job.image.flags.jobLoaded = 0;
        return FileResult::Failure(NotAJobFileMessage);
    }

    std::memcpy(reinterpret_cast<unsigned char*>(&job.image) + headerBytes, bytes + headerBytes,
                n - headerBytes);
    job.run.productMarker = job.image.products[0].estimateMark;
    job.run.modified = false;
    job.run.untitled = false;
    job.run.newJob = false;
    job.image.flags.jobLoaded = 1;
    return FileResult::Success();
}
