// Writes the sample job to the path given as the only argument.

#include "cli/SampleJob.h"
#include "job/JobFile.h"

#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_sample_job OUT.kvj\n";
        return 1;
    }
    Job job;
    const FileResult built = BuildSampleJob(job);
    if (!built.ok) {
        std::cerr << built.message << "\n";
        return 1;
    }
    const FileResult written = WriteJobFile(job, argv[1]);
    if (!written.ok) {
        std::cerr << written.message << "\n";
        return 3;
    }
    return 0;
}
