#include "calc/Totals.h"
#include "cli/Commands.h"
#include "cli/ExitCodes.h"
#include "cli/JobInput.h"
#include "equipment/UnitCheck.h"
#include "job/JobFile.h"

#include <iostream>
#include <string>

int RunRecalc(Args args) {
    if (args.size() != 2 || args[0].starts_with("-") || args[1].starts_with("-")) {
        std::cerr << "usage: quelbox-cli recalc JOB.kvj OUT.kvj\n";
        return ExitUsage;
    }
    Job job;
    if (!LoadJobForCommand(job, std::string(args[0])))
        return ExitNotAJob;
    EquipmentState state;
    RefreshJob(job, state);
    const FileResult written = WriteJobFile(job, std::string(args[1]));
    if (!written.ok) {
        std::cerr << written.message << "\n";
        return ExitCannotWrite;
    }
    return ExitOk;
}
