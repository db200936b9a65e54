#pragma once
// dBASE tables as another program leaves them on disk, made from the bytes of a shipped table.

#include <cstdint>
#include <string>

std::string ReadAll(const std::string& path);
void WriteAll(const std::string& path, const std::string& bytes); // in place, as cp does
// A new file renamed over `path`, as an import or an editor saves.
void ReplaceByRename(const std::string& path, const std::string& bytes);

// The table's first `keep` records, each with its text field `field` set to `text`.
std::string ChangedTable(const std::string& table, std::uint32_t keep, const char* field,
                         const std::string& text);
std::uint32_t RecordCount(const std::string& table);

// "1,204".
std::string Grouped(std::uint32_t n);
