// Estimated reading times: the weighted character count and the time at a reading speed.
#include <gtest/gtest.h>

#include "ReadingTime.h"

TEST(ReadingTime, TimesAtAReadingSpeed)
{
    struct Case
    {
        long characters;
        int speed;
        const char* ert;
    } cases[] = {
        {0, 180, "00:00:00"},
        {11, 180, "00:00:01"}, // 2 words at 3 a second
        {660, 180, "00:00:37"}, // 110 words
        {(3 * 3600 + 25 * 60 + 7) * 18, 180, "03:25:07"},
        {100 * 3600 * 18, 180, "100:00:00"},
        {660, 120, "00:00:55"}, // 2 words a second
        {660, 59, "00:01:50"}, // a speed below 60 reads as 60, never as zero words a second
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadingTimeText(c.characters, c.speed), c.ert) << c.characters << " " << c.speed;
}

TEST(ReadingTime, WeightedCharactersTrimAndDropLineBreakPairs)
{
    EXPECT_EQ(WeightedReadingCharacters(""), 0);
    EXPECT_EQ(WeightedReadingCharacters("  \r\n\t "), 0);
    EXPECT_EQ(WeightedReadingCharacters(std::string(600, 'a')), 660);
    // Blanks at the ends go; CR LF pairs inside go; a lone line feed counts.
    EXPECT_EQ(WeightedReadingCharacters("  abcde\r\nfghij \r\n"), 11);
    EXPECT_EQ(WeightedReadingCharacters("abcde\nfghij"), 12);
}
