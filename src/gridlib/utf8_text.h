#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// UTF-8 helpers with a built-in case table for Latin letters (ASCII, Latin-1 and Latin
// Extended-A), so that upper-casing does not depend on which C locales are installed.
// Bytes that are not valid UTF-8 pass through unchanged, one byte at a time.

// Length in bytes of the character that starts at pos (1 for an invalid byte, 0 at the end).
std::size_t Utf8CharLength(std::string_view text, std::size_t pos);

// Whether the character at pos is a letter (ASCII letter or a non-ASCII letter-like character).
bool Utf8IsLetterAt(std::string_view text, std::size_t pos);

std::string Utf8Upper(std::string_view text);

// Upper-cases only the first character.
std::string Utf8UpperFirst(std::string_view text);

// Equality ignoring case (after upper-casing each character).
bool Utf8EqualNoCase(std::string_view a, std::string_view b);

// Cuts text to at most maxBytes bytes without splitting a character.
std::string_view Utf8Truncate(std::string_view text, std::size_t maxBytes);
