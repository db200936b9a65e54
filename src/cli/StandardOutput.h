#pragma once
// Standard output carries a command's results. A write that does not arrive there (a full disk,
// /dev/full, a closed descriptor) makes the command fail with a message instead of leaving a
// script a truncated result and exit status 0.

#include <cstddef>

// Called first thing: opens any of descriptors 0, 1 and 2 that is closed on /dev/null in the
// direction that makes every transfer on it fail, so that no file a command opens can take the
// place of a closed standard stream and writing to a closed standard output fails. Standard
// output that is not a terminal is buffered whole up to 64 KiB, so that a failure shows on the
// final flush with its reason.
void PrepareStandardStreams();

// Flushes standard output. True when everything written to it arrived; otherwise prints
// "Cannot write standard output: REASON" to standard error and returns false. A failure is
// reported once: a later call finds standard output clear again.
bool FlushStandardOutput();

// Writes `size` bytes to standard output and flushes it, with FlushStandardOutput's message and
// answer.
bool WriteStandardOutput(const void* data, std::size_t size);

// The exit status of a command that returned `status`, once standard output is flushed: a
// success whose output could not be written becomes ExitCannotWrite.
int FinishStandardOutput(int status);
