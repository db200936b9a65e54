#pragma once
// The outcome of reading or writing a file: success, or a message for the user.

#include <string>

struct FileResult {
    bool ok = true;
    std::string message; // names the file and the reason when !ok

    static FileResult Success() { return {}; }
    static FileResult Failure(std::string why) { return {false, std::move(why)}; }
};
