#include "calc/Totals.h"
#include "cli/Commands.h"
#include "cli/ExitCodes.h"
#include "cli/JobInput.h"
#include "cli/JobOutput.h"
#include "cli/Options.h"
#include "cli/Synopses.h"
#include "equipment/UnitCheck.h"

#include <string>

int RunRecalc(Args args) {
    Options options(args, {}, {});
    if (!options.expectArguments({"JOB.kvj", "OUT.kvj"}))
        return UsageError(RecalcSynopsis, options.error());
    Job job;
    if (!LoadJobForCommand(job, options.positional()[0]))
        return ExitNotAJob;
    EquipmentState state;
    RefreshJob(job, state);
    return WriteJobForCommand(job, options.positional()[1]);
}
