#include "GoldenWorkspace.h"

#include "RandomJobs.h"
#include "job/FixedText.h"
#include "job/JobFile.h"
#include "job/Submitter.h"
#include "tables/ShippedTables.h"

#include <gtest/gtest.h>

#include <filesystem>

GoldenWorkspace::GoldenWorkspace() {
    tables_ = PrepareReferenceTables(Folder(), ShippedTableFolders());
    EXPECT_TRUE(tables_.allOpen()) << tables_.insulProblem << tables_.productProblem
                                   << tables_.unitsProblem << tables_.coilsProblem;
    TSubmitter submitter{};
    SetText(submitter.companyName, "Northwind Cooling");
    SetText(submitter.companyAddress, "44 Mill Road");
    SetText(submitter.companyContact, "Pat Morgan");
    SetText(submitter.companyTelephone, "937-555-0142");
    SetText(submitter.companyFax, "937-555-0143");
    EXPECT_TRUE(WriteSubmitter(submitter, folder_.File(SubmitterFileName)).ok);
    EXPECT_TRUE(RestoreShippedFile(Folder(), "lgo.bmp", ShippedTableFolders()));
}

std::string GoldenWorkspace::WriteJob(int index, Job& job) {
    MakeGoldenJob(index, tables_, job);
    const std::string path = folder_.File(JobKey(index) + ".kvj");
    const FileResult written = WriteJobFile(job, path);
    EXPECT_TRUE(written.ok) << written.message;
    return path;
}
