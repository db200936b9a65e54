#pragma once
// Writes a whole file through a temporary file in the same folder that is flushed to disk and
// renamed over the target, so the old file stays intact when anything fails. Only a regular file
// is ever replaced: an existing target that is a device, FIFO, socket or folder is refused before
// anything is written, and so is a file its owner made read-only. A symbolic link is followed,
// even one whose target does not exist yet, and stays a link; an existing file keeps its
// permissions, and its owner and group where the process may set them. A file with several hard
// links is split: the name written gets the new file, the other names keep the old one.

#include "job/FileResult.h"

#include <cstddef>
#include <functional>
#include <string>

// Replaces `path` with `size` bytes. Failures name the file and the reason.
FileResult WriteFileAtomically(const std::string& path, const void* data, std::size_t size);

// Looks at the finished temporary file (its path) before it replaces the target; a non-empty
// answer is why it must not.
using WrittenFileCheck = std::function<std::string(const std::string& written)>;

// The same as WriteFileAtomically; returns an empty string on success, otherwise the reason
// without the file's name. `check`, when given, vets the new file before the rename; it runs
// once the bytes are on disk, and `data` is not read after it starts.
std::string ReplaceFileAtomically(const std::string& path, const void* data, std::size_t size,
                                  const WrittenFileCheck& check = {});

// The file a write to `path` replaces: symbolic links are followed (relative ones from the
// link's folder) up to the last one, whose target need not exist. Empty when the links loop.
std::string WriteTarget(const std::string& path);

// Why `path` must not be replaced (not a regular file, read-only), or empty when it may be. A
// path that does not exist yet may be.
std::string ReplaceRefusal(const std::string& path);

// Opens a file for reading without waiting on a FIFO or a device: a file that is not a regular
// file fails at once with EISDIR for a folder and EINVAL otherwise. Returns the descriptor or -1
// with errno set.
int OpenRegularFile(const std::string& path);

// Why a file could not be opened or read, for errno `error` of OpenRegularFile or a read.
std::string ReadFailure(int error);

// Reads at most `size` bytes from the start of a regular file into `data`. Returns the count
// read, or -1 with errno set when the file cannot be opened or read.
long ReadFilePrefix(const std::string& path, void* data, std::size_t size);
