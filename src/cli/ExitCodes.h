#pragma once
// Exit status of quelbox-cli.

enum ExitCode {
    ExitOk = 0,
    ExitUsage = 1,
    ExitNotAJob = 2,
    ExitCannotWrite = 3,
    ExitMissingTable = 4,
    ExitNoMatch = 5,
};
