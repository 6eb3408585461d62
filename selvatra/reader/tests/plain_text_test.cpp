// Plain-text scripts: one run per line, numbered by the step, UTF-8 text.
#include <gtest/gtest.h>

#include "reader_test_support.h"

namespace {

TEST(PlainText, OneRunPerLineNumberedByTheStep)
{
    auto runs = ReadRuns("First line\r\n\r\nSecond line\n \nThird", PromptReaderSettings(), 100,
                         PT_BREAK | PT_SCRIPT);
    ASSERT_EQ(3u, runs.size());
    EXPECT_EQ("First line|Second line|Third", Texts(runs));
    // Empty lines vanish; the single blank is a piece of its own but makes no run.
    const int paragraphs[] = {100, 200, 400};
    const int orders[] = {0, 100, 300};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(paragraphs[i], runs[i].paragraph);
        EXPECT_EQ(orders[i], runs[i].order);
        EXPECT_EQ(ST_PLAIN, runs[i].type);
        EXPECT_EQ(kTextColor, runs[i].color);
        EXPECT_EQ(0, runs[i].style);
        EXPECT_EQ(-1, runs[i].charSet);
        EXPECT_EQ(0, runs[i].field);
        // Only the first paragraph of a text is a break banner.
        EXPECT_EQ(i == 0 ? (PT_BREAK | PT_SCRIPT) : PT_SCRIPT, runs[i].flags);
    }
}

TEST(PlainText, DecodesUtf8AndTakesStrayBytesFromTheCodePage)
{
    const struct
    {
        const char* input;
        const char* text;
    } cases[] = {
        {"caf\xC3\xA9", "caf\xC3\xA9"},
        {"\xE2\x82\xAC 5", "\xE2\x82\xAC 5"},
        {"\xF0\x9F\x8E\xA4 mic", "\xF0\x9F\x8E\xA4 mic"}, // a surrogate pair
        {"caf\xE9", "caf\xC3\xA9"}, // Windows-1252 e acute
        {"\x80 and \xC3", "\xE2\x82\xAC and \xC3\x83"}, // a lone lead byte
        {"trailing zero\0", "trailing zero"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        std::string input(c.input);
        if (input == "trailing zero")
            input.push_back('\0');
        auto runs = ReadRuns(input);
        ASSERT_EQ(1u, runs.size());
        EXPECT_EQ(c.text, runs[0].text);
    }
}

TEST(PlainText, CapitalsAndDirectionsFollowTheSettings)
{
    PromptReaderSettings settings;
    settings.m_bShowPRMPTCAP = 1;
    settings.m_bPromptRightJust = 1;
    auto runs = ReadRuns("caf\xC3\xA9 news", settings);
    ASSERT_EQ(1u, runs.size());
    EXPECT_EQ("CAF\xC3\x89 NEWS", runs[0].text);
    EXPECT_EQ(1, runs[0].rtlPara);
    EXPECT_EQ(0, runs[0].rtlChar);

    settings = PromptReaderSettings();
    settings.m_bPromptROTL = 1;
    runs = ReadRuns("x", settings);
    EXPECT_EQ(1, runs[0].rtlChar);
    EXPECT_EQ(0, runs[0].rtlPara);
}

TEST(PlainText, OnlyALeadingRtfHeaderMakesRtf)
{
    EXPECT_EQ("A", Texts(ReadRuns("{\\RTF1 A}")));
    EXPECT_EQ(" {\\rtf1 A}", Texts(ReadRuns(" {\\rtf1 A}")));
    EXPECT_EQ("{\\rt", Texts(ReadRuns("{\\rt")));
    EXPECT_TRUE(ReadRuns("").empty());
    EXPECT_TRUE(ReadRuns("\r\n\n").empty());
}

} // namespace
