#pragma once
// The character encodings a CSV file comes in from a spreadsheet: UTF-8 (with or without a byte
// order mark), Windows-1252, and UTF-16 ("Unicode text", with or without a byte order mark), which
// is turned into UTF-8 before the file is read.

#include <string>
#include <string_view>

enum class CsvCharset {
    Utf8,
    Windows1252,
    // Mostly UTF-8, with bytes here and there that are not: a file edited with two encodings.
    // Its texts cannot be read with certainty.
    MixedUtf8,
};

// Removes a UTF-8 byte order mark and converts UTF-16 to UTF-8, in place, and tells how the text
// that is left holds its characters.
CsvCharset DecodeCsvBytes(std::string& bytes);

// Whether the text holds any character of more than one byte that is well-formed UTF-8.
bool HoldsUtf8Sequences(std::string_view text);
