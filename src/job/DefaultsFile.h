#pragma once
// Reading and writing "DEFAULTS.KVI": the 116 bytes of TDefaults, nothing else.

#include "job/Defaults.h"
#include "job/FileResult.h"

#include <string>

// Loads the defaults. When the file does not exist the record gets the built-in values. Otherwise
// the file's bytes from its start are copied over the record, at most 116: a shorter file leaves
// the rest of the record as it was. A file that exists but cannot be read leaves the record
// unchanged and fails with a message naming it.
FileResult ReadDefaultsFile(TDefaults& defaults, const std::string& path);

// Writes the 116 bytes through a temporary file in the same folder renamed over the old one.
FileResult WriteDefaultsFile(const TDefaults& defaults, const std::string& path);
