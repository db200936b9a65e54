#pragma once

#include <string>
#include <string_view>

class TGTime;

// Texts of the date and time edits that go beyond the plain pictures.

// A time as a time edit writes it: the time under the picture, with a leading '-' for a
// negative span; the zero time is the empty text.
std::string SignedTimeText(const TGTime& time, std::string_view picture);

// A bound of a time range: as SignedTimeText, except that the zero time is written under the
// picture too (a range from 0 shows "00:00:00", not nothing). The picture is not empty.
std::string TimeBoundText(const TGTime& time, std::string_view picture);

// The message for a date out of its range, in the current language, from the bounds written
// under the edit's picture (an empty text is no bound): both bounds when there are two,
// otherwise the sentence for the one bound there is.
std::string DateRangeMessage(const std::string& min, const std::string& max);
