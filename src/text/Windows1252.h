#pragma once
// Windows-1252, the 8-bit character set of job, side-file and table texts: the one table of its
// characters and the conversions to and from UTF-8. Plain C++ without any library, so that the
// core, the print library and the dialogs all convert through the same table.

#include <optional>
#include <string>
#include <string_view>

// The character a Windows-1252 byte stands for. The five codes Windows-1252 leaves unassigned
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) keep their own value, as control characters.
char32_t CodePointOf1252(unsigned char byte);

// The Windows-1252 byte of a character; nullopt when Windows-1252 has none.
std::optional<unsigned char> ByteOf1252(char32_t code);

// Whether `text` is well-formed UTF-8 (plain ASCII is).
bool IsUtf8(std::string_view text);

// The Windows-1252 bytes of UTF-8 `text`; nullopt when it holds a character Windows-1252 does
// not have (or is not UTF-8).
std::optional<std::string> Utf8To1252(std::string_view text);

// The UTF-8 form of Windows-1252 `text`.
std::string Utf8From1252(std::string_view text);
