#pragma once
// File names made from text the user typed for another purpose (a job name).

#include <string>
#include <string_view>

// Characters a file name must not hold: '/' separates folders, and Windows, where job files
// travel too, refuses the others.
inline constexpr std::string_view ForbiddenFileNameCharacters = "/\\:*?\"<>|";

// `name` fit to be a file name: each forbidden or control character becomes '-', and blanks at
// either end are dropped.
std::string SafeFileName(std::string_view name);
