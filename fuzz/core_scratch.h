#pragma once
// A scratch folder for the fuzz targets that must hand their input to a reader as a file. It is
// made once per process (in memory under /dev/shm when that exists) and removed at exit.

#include <cstddef>
#include <cstdint>
#include <string>

// Path of `name` inside the scratch folder.
std::string ScratchFile(const std::string& name);

// Replaces the file with exactly these bytes; aborts when the scratch folder cannot be written.
void WriteScratchFile(const std::string& path, const uint8_t* data, std::size_t size);
