#include "tgtime.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <sstream>

namespace {

void ExpectTime(const TGTime& time, int h, int m, int s, int ms) {
    EXPECT_EQ(time.Hours(), h);
    EXPECT_EQ(time.Minutes(), m);
    EXPECT_EQ(time.Seconds(), s);
    EXPECT_EQ(time.Milliseconds(), ms);
    EXPECT_TRUE(time.IsValid());
}

TEST(TGTimeString, PicturesOfOneHourTwoMinutes) {
    const TGTime time(3723.5);
    EXPECT_EQ(time.String("HH:MM:SS"), "01:02:03");
    EXPECT_EQ(time.String(), "01:02:03");
    EXPECT_EQ(TGTime::GetPicture(), "HH:MM:SS");
    EXPECT_EQ(time.String("MMM"), "062");
    EXPECT_EQ(time.String("H:MM:SS.sss"), "1:02:03.500");
    EXPECT_EQ(time.String("SSSSS"), "03723");
    EXPECT_EQ(time.String("H.hh"), "1.03"); // 2 min 3.5 s = 0.0343 h
    EXPECT_EQ(time.String("H.hhhh"), "1.0343");
    EXPECT_EQ(time.String("MM.mm"), "02.06"); // 3.5 s = 0.058 min
    EXPECT_EQ(time.String("S.s"), "3.5");
    EXPECT_EQ(time.String("'H' H \\M M"), "H 1 M 2");
    EXPECT_EQ(time.String("h" + std::string(40, 'h')).size(), 41u);
}

TEST(TGTimeString, ZeroInvalidNegativeAndLongTimes) {
    EXPECT_EQ(TGTime().String("HH:MM:SS"), "");
    EXPECT_EQ(TGTime(0, 75, 0, 0).String("HH:MM:SS"), "");
    EXPECT_FALSE(TGTime(0, 75, 0, 0).IsValid());
    EXPECT_EQ(TGTime(-3723.5).String("H:MM:SS"), "1:02:03"); // the sign is not written
    EXPECT_EQ(TGTime(100 * 3600.0).String("HH:MM:SS"), "100:00:00");
    // 59:59.999 is 0.99999972 of an hour: it rounds to a whole hour, which this picture
    // does not show.
    EXPECT_EQ(TGTime(0, 59, 59, 999).String("h"), "0");
    EXPECT_EQ(TGTime(0, 59, 59, 999).String("H.h"), "1.0");
}

// Fractions of an hour or a minute are rounded, and a fraction that rounds up to a whole one
// carries into the whole part, whatever the number of digits.
TEST(TGTimeString, FractionsRoundAndCarryIntoTheWholePart) {
    const TGTime almostTwoHours(7199.0); // 1 h 59 min 59 s
    EXPECT_EQ(almostTwoHours.String("H.h"), "2.0");
    EXPECT_EQ(almostTwoHours.String("H.hh"), "2.00");
    EXPECT_EQ(almostTwoHours.String("H.hhh"), "2.000");
    EXPECT_EQ(almostTwoHours.String("H.hhhh"), "1.9997");
    EXPECT_EQ(almostTwoHours.String("HH:M.m"), "02:0.0");
    EXPECT_EQ(almostTwoHours.String("MMM.m"), "120.0");
    EXPECT_EQ(almostTwoHours.String("MMM.mm"), "119.98");
    const TGTime almostAMinute(59.99);
    EXPECT_EQ(almostAMinute.String("M.m"), "1.0");
    EXPECT_EQ(almostAMinute.String("M.mm"), "1.00");
    EXPECT_EQ(almostAMinute.String("M.mmm"), "1.000");
    EXPECT_EQ(almostAMinute.String("M.mmmm"), "0.9998");
    // Rounding down and rounding up without a carry.
    EXPECT_EQ(TGTime(5400.0 + 17).String("H.hh"), "1.50");    // 1.5047 h
    EXPECT_EQ(TGTime(5400.0 + 19).String("H.hh"), "1.51");    // 1.5053 h
    EXPECT_EQ(TGTime(3600.0 + 3).String("H.h"), "1.0");       // 1.0008 h
    EXPECT_EQ(TGTime(3600.0 + 20 * 60).String("H.h"), "1.3"); // 1.3333 h
    EXPECT_EQ(TGTime(89.0).String("M.m"), "1.5");             // 1.4833 min
    // At the largest time, the carry goes past the 65535 hours that a time holds.
    EXPECT_EQ(TGTime(TGTime::maxSeconds).String("H.hh"), "65536.00");
    // A negative span rounds its magnitude the same way.
    EXPECT_EQ(TGTime(-7199.0).String("H.h"), "2.0");
}

TEST(TGTimeValue, RoundingSignAndLimits) {
    ExpectTime(TGTime(1.0006), 0, 0, 1, 1);
    ExpectTime(TGTime(59.9996), 0, 1, 0, 0);
    EXPECT_EQ(TGTime(0.0004).Value(), 0);
    const TGTime negative(-5400.0);
    ExpectTime(negative, 1, 30, 0, 0);
    EXPECT_EQ(negative.Sign(), -1);
    EXPECT_EQ(negative.Value(), -5400.0);
    ExpectTime(TGTime(1e300), 65535, 59, 59, 999);
    ExpectTime(TGTime(-std::numeric_limits<double>::infinity()), 65535, 59, 59, 999);
    ExpectTime(TGTime(std::nan("")), 0, 0, 0, 0);
    const TGTime fromSet(INT_MIN, 0, 0, 0);
    EXPECT_EQ(fromSet.Hours(), 65535);
    EXPECT_EQ(fromSet.Sign(), -1);
    EXPECT_EQ(TGTime(1, 2, 3, 4).Value(), 3723.004);
    EXPECT_EQ(TGTime(-1, 2, 3, 4).Value(), -3723.004);
    EXPECT_EQ(TGTime(1, 300, 0, 0).Minutes(), 300 & 0xFF);
}

TEST(TGTimeValue, SetIncAndDec) {
    TGTime time(1, 30, 0, 0);
    time.Set(60, TimeElement::Minutes);
    ExpectTime(time, 1, 30, 0, 0);
    time.Set(999, TimeElement::Milliseconds);
    ExpectTime(time, 1, 30, 0, 999);
    time.Set(-2, TimeElement::Hours);
    EXPECT_EQ(time.Sign(), -1);
    EXPECT_EQ(time.Value(), -(2 * 3600 + 30 * 60 + 0.999));
    TGTime step;
    step.Dec(TimeElement::Hours, 1);
    EXPECT_EQ(step.Value(), -3600);
    step.Inc(TimeElement::Hours, 1); // back to zero, not to +2 hours
    EXPECT_EQ(step.Value(), 0);
    step.Inc(TimeElement::Minutes, 90).Dec(TimeElement::Milliseconds, 1);
    ExpectTime(step, 1, 29, 59, 999);
    step.Inc(TimeElement::Hours, 1e18);
    EXPECT_EQ(step.Hours(), 65535);
}

TEST(TGTimeRead, PicturesAndCarries) {
    ExpectTime(TGTime("1:75:00", "H:MM:SS"), 2, 15, 0, 0);
    ExpectTime(TGTime("12:30:45", "H:MM:SS"), 12, 30, 45, 0);
    ExpectTime(TGTime("12:30:45"), 12, 30, 45, 0);
    ExpectTime(TGTime("1:00:75", "H:MM:SS"), 1, 1, 15, 0);
    ExpectTime(TGTime("1:59:60", "H:MM:SS"), 2, 0, 0, 0);
    ExpectTime(TGTime("01:02:03.5", "HH:MM:SS.sss"), 1, 2, 3, 500);
    ExpectTime(TGTime("062", "MMM"), 1, 2, 0, 0);
    ExpectTime(TGTime("300", "MMM"), 5, 0, 0, 0);
    ExpectTime(TGTime("1.5", "H.h"), 1, 30, 0, 0);
    ExpectTime(TGTime("0.0343", "H.hhhh"), 0, 2, 3, 480);
    ExpectTime(TGTime("2.25", "M.mm"), 0, 2, 15, 0);
    ExpectTime(TGTime("99999999:00:00", "H:MM:SS"), 65535, 0, 0, 0);
    const TGTime negative(" \t\r\n-1:30", "H:MM");
    EXPECT_EQ(negative.Sign(), -1);
    EXPECT_EQ(negative.Value(), -5400);
}

TEST(TGTimeRead, UnreadableTextGivesZero) {
    EXPECT_EQ(TGTime("", "H:MM:SS").Value(), 0);
    EXPECT_EQ(TGTime("   ").Value(), 0);
    EXPECT_EQ(TGTime("ab:cd", "HH:MM").Value(), 0);
    EXPECT_TRUE(TGTime(std::string(5000, '7'), std::string(5000, 'h')).IsValid());
    EXPECT_TRUE(TGTime("\xff\xfe", "'\xff'HH").IsValid());
}

TEST(TGTimeRead, RoundTripThroughText) {
    for (double seconds = 0.001; seconds < 30 * 3600; seconds = seconds * 1.7 + 0.123) {
        const TGTime time(seconds);
        const TGTime back(time.String("H:MM:SS.sss"), "H:MM:SS.sss");
        ASSERT_EQ(back.Value(), time.Value()) << time.String("H:MM:SS.sss");
    }
}

TEST(TGTimeOperators, ArithmeticComparisonsAndConversions) {
    const TGTime hour(3600.0);
    EXPECT_EQ(hour + 60, TGTime(1, 1, 0, 0));
    EXPECT_EQ(hour - 7200, TGTime(-1, 0, 0, 0));
    EXPECT_EQ(hour * 1.5, 5400.0);
    EXPECT_EQ(hour / 4, 900.0);
    EXPECT_EQ(hour / 0, 0.0);
    EXPECT_EQ(TGTime(5400.0) - hour, 1800.0);
    EXPECT_TRUE(TGTime(-60.0) < TGTime(30.0));
    EXPECT_TRUE(hour > 3599.5);
    EXPECT_EQ(static_cast<double>(hour), 3600.0);
    using std::chrono::hh_mm_ss;
    using std::chrono::milliseconds;
    const auto platform = static_cast<hh_mm_ss<milliseconds>>(TGTime(-3723.5));
    EXPECT_TRUE(platform.is_negative());
    EXPECT_EQ(platform.minutes().count(), 2);
    EXPECT_EQ(TGTime(platform).Value(), -3723.5);
    TGTime assigned;
    assigned = 90.25;
    ExpectTime(assigned, 0, 1, 30, 250);
    EXPECT_EQ(TGTime(13, 45, 30, 0).DosTime(), 15 + 45 * 32 + 13 * 2048);
}

TEST(TGTimeStream, WritesAndReadsDefaultPicture) {
    std::ostringstream out;
    out << TGTime(3723.0);
    EXPECT_EQ(out.str(), "01:02:03");
    std::istringstream in("10:20:30 next");
    TGTime read;
    in >> read;
    ExpectTime(read, 10, 20, 30, 0);
}

TEST(TGTimeClock, NowIsATimeOfDay) {
    const TGTime now(TimeConstant::Now);
    EXPECT_TRUE(now.IsValid());
    EXPECT_LT(now.Hours(), 24);
    EXPECT_EQ(now.Sign(), 1);
}

} // namespace
