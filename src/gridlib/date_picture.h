#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class IntlDate;

// Writes a valid date under a picture, in the given language (0 for the current one).
std::string FormatDatePicture(const IntlDate& date, std::string_view picture, int32_t language);

// The fields found in a text typed under a date picture, before any completion.
struct DateReading {
    int day = 0;
    int month = 0; // 0 when missing or when a month name matched nothing
    int year = 0;
    bool dayGiven = false;
    bool yearGiven = false; // digits were read for the year ("00" is a year)
};

// Reads the text in step with the picture. Literal characters of the picture each pass over
// one character of the text without being checked.
DateReading ReadDatePicture(std::string_view text, std::string_view picture, int32_t language);
