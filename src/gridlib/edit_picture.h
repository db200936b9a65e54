#pragma once

#include <string>
#include <string_view>

// The picture of a date edit, normalised: a day or month run of one letter becomes two ("d"
// gives "dd"), runs of two or three stay, longer runs keep their first three letters; a year run
// of more than two letters becomes "yyyy", otherwise "yy". Quoted text and characters after a
// backslash are copied as they are, and so is every other character.
std::string NormalizeDatePicture(std::string_view picture);

// Whether a date picture writes month or weekday names (a day or month run of three or more).
bool DatePictureHasNames(std::string_view picture);

// The characters of a picture that are not field letters (for dates d, m, y, q, s, w in either
// case; for times H, M, S, h, m, s), with quotes and backslashes removed.
std::string PictureLiterals(std::string_view picture, bool datePicture);
