// The rundown's time texts: seconds of a time, total time of a script, break lengths
// and running sums.
#include <gtest/gtest.h>

#include "rundown/RundownTime.h"

TEST(RundownTime, SecondsOfATimeText)
{
    const struct
    {
        const char* text;
        long seconds;
    } cases[] = {
        {"", 0},
        {" ", 0},
        {"00:00:00", 0},
        {"01:02:03", 3723},
        {"00:01:30", 90},
        {"23:59:59", 86399},
        // Texts that are not a time of day contribute nothing, never a negative value.
        {"abc", 0},
        {"25:00:00", 0},
        {"12:61:00", 0},
        {"00:00:75", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CRundownTime::Seconds(c.text), c.seconds) << "\"" << c.text << "\"";
}

TEST(RundownTime, TotalTimeIsSotPlusErtWithinADay)
{
    const struct
    {
        const char* ert;
        const char* sot;
        const char* ttl;
    } cases[] = {
        {"00:01:00", "00:00:30", "00:01:30"},
        {"00:00:00", "00:00:00", "00:00:00"},
        {"00:00:59", "00:00:01", "00:01:00"},
        {"01:59:30", "00:00:45", "02:00:15"},
        {"23:00:00", "02:00:00", "01:00:00"}, // wraps at 24 hours
        {"12:00:00", "12:00:00", "00:00:00"},
        {"", "00:02:00", "00:02:00"}, // an unreadable side counts as zero
        {"00:03:00", "nonsense", "00:03:00"},
        {"bad", "bad", "00:00:00"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ((LPCSTR)CRundownTime::TotalTime(c.ert, c.sot), c.ttl)
            << "ERT " << c.ert << " SOT " << c.sot;
}

TEST(RundownTime, BreakLengthKeepsHoursBeyondADay)
{
    const struct
    {
        long seconds;
        const char* text;
    } cases[] = {
        {0, "00:00:00"},     {90, "00:01:30"},      {3723, "01:02:03"},
        {86400, "24:00:00"}, {360000, "100:00:00"}, {-30, "00:00:00"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ((LPCSTR)CRundownTime::BreakLength(c.seconds), c.text) << c.seconds;
}

TEST(RundownTime, DayTimeShowsHoursWithinADay)
{
    const struct
    {
        long long seconds;
        const char* text;
    } cases[] = {
        {0, "00:00:00"},     {210, "00:03:30"},   {86399, "23:59:59"},
        {86400, "00:00:00"}, {90061, "01:01:01"}, {5000LL * 86399, "22:36:40"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ((LPCSTR)CRundownTime::DayTime(c.seconds), c.text) << c.seconds;
}

// The SOT cell is edited as four digits MMSS and shown again as HH:MM:SS.
TEST(RundownTime, GridEditTimeBothWays)
{
    struct Case
    {
        const char* text;
        const char* digits;
    } toDigits[] = {
        {"00:01:30", "0130"}, {"01:05:00", "6500"}, {"02:30:00", "9960"}, {"02:00:45", "9999"},
        {"01:40:20", "9980"}, {"04:45", "0445"},    {"", "0000"},         {"00:00:00", "0000"},
    };
    for (const Case& c : toDigits)
        EXPECT_STREQ(CRundownTime::GridEditTime(c.text), c.digits) << c.text;

    Case fromDigits[] = {
        {"00:01:30", "0130"}, {"01:40:39", "9999"}, {"00:01:15", "0075"}, {"00:02:45", "245"},
        {"00:00:00", ""},     {"00:00:00", "-20"},  {"01:05:00", "6500"},
    };
    for (const Case& c : fromDigits)
        EXPECT_STREQ(CRundownTime::FromGridEditTime(c.digits), c.text) << c.digits;
}
