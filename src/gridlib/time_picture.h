#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class TGTime;

// Writes the time's magnitude under a picture. Fractions of an hour (h) or of a minute (m)
// are rounded, and a fraction that rounds up to a whole one carries into the whole part.
std::string FormatTimePicture(const TGTime& time, std::string_view picture);

// The fields found in a text typed under a time picture, carried so that minutes and seconds
// are below 60 and milliseconds below 1000; hours are held to 65535.
struct TimeReading {
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
    int milliseconds = 0;
    int sign = 1;
};

// Reads the text in step with the picture after skipping leading white space; a leading "-"
// makes the time negative. Literal characters of the picture each pass over one character of
// the text without being checked.
TimeReading ReadTimePicture(std::string_view text, std::string_view picture);
