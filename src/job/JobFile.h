#pragma once
// Reading and writing the job file: the job memory image, block after block, 2575 bytes.

#include "job/FileResult.h"
#include "job/Job.h"

#include <cstddef>
#include <string>

inline constexpr const char* JobSignature = "[W98]";
inline constexpr const char* NotAJobFileMessage = "Not an Quelbox WIN 98 Job File";
inline constexpr const char* FileOpenErrorTitle = "File Open Error";

// The bytes a job file holds: the image with its unused words cleared, whatever a loaded file
// held there.
const JobImage& JobFileImage(Job& job);

// Writes the image; on success the job is no longer modified, untitled or new. On failure the
// run state is left as it was and the result names the file and the reason.
FileResult WriteJobFile(Job& job, const std::string& path);

// Reads a job file. A file that cannot be opened or lacks the signature fails with
// NotAJobFileMessage and leaves no job loaded (the header keeps what was read). A short file
// fills what it holds and leaves the rest of the image as it was; bytes past the image are
// ignored. On success the job is loaded and not modified, untitled or new.
FileResult ReadJobFile(Job& job, const std::string& path);

// The same for the bytes of a job file already in memory.
FileResult ReadJobBytes(Job& job, const void* data, std::size_t size);
