#pragma once
// Writes a whole file through a temporary file in the same folder that is flushed to disk and
// renamed over the target, so the old file stays intact when anything fails. A symbolic link is
// followed and stays a link; an existing file keeps its permissions.

#include "job/FileResult.h"

#include <cstddef>
#include <string>

FileResult WriteFileAtomically(const std::string& path, const void* data, std::size_t size);

// Reads at most `size` bytes from the start of a file into `data`. Returns the count read,
// or -1 when the file cannot be opened.
long ReadFilePrefix(const std::string& path, void* data, std::size_t size);
