#pragma once
// Result codes of the table operations. The non-negative ones are those of the xBase library the
// program was built around; the negative ones mean the operation was refused and changed nothing
// (Table::lastError() tells why when a file was involved).

inline constexpr int r4success = 0; // positioned, found, done
inline constexpr int r4after = 2;   // a seek stopped on the next larger key
inline constexpr int r4eof = 3;     // past the last record
inline constexpr int r4bof = 4;     // a skip tried to go before the first record
inline constexpr int r4entry = 5;   // no record with that number

inline constexpr int e4tag = -1;      // no tag of the needed kind is selected
inline constexpr int e4field = -2;    // no such field
inline constexpr int e4value = -3;    // the value does not fit the field
inline constexpr int e4write = -4;    // the file could not be written
inline constexpr int e4readOnly = -5; // the table is open for reading only
inline constexpr int e4closed = -6;   // the table failed earlier and must be opened again
