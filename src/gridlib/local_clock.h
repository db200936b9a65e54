#pragma once

// The system clock read as local calendar date and time of day.
struct LocalClock {
    int year;
    int month; // 1 to 12
    int day;   // 1 to 31
    int hours;
    int minutes;
    int seconds;
    int milliseconds;
};

LocalClock ReadLocalClock();
