#pragma once
// Table texts are 8-bit Windows-1252. These convert between that and UTF-8 without any library.

#include <optional>
#include <string>
#include <string_view>

// Whether `text` is well-formed UTF-8 (plain ASCII is).
bool IsUtf8(std::string_view text);

// The Windows-1252 bytes of UTF-8 `text`; nullopt when it holds a character Windows-1252 does
// not have (or is not UTF-8).
std::optional<std::string> Utf8To1252(std::string_view text);

// The UTF-8 form of Windows-1252 `text`; the five unassigned codes keep their own value.
std::string Utf8From1252(std::string_view text);
