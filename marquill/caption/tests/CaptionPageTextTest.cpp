// What the setup pages show and read: port entries and the setting each gives, the flow
// checks, the words-per-minute rates and the check of new profile titles.
#include <gtest/gtest.h>

#include "CaptionPageText.h"

namespace {

TEST(CaptionPageText, PortEntriesGiveTheWholePortNumber)
{
    EXPECT_EQ(PortEntryText(1), "COM 1");
    EXPECT_EQ(PortEntryText(12), "COM 12");
    const std::pair<const char*, const char*> cases[] = {
        {"COM 1", "1"}, {"COM 12", "12"}, {"COM 255", "255"}, {"com 7", "7"},
        {"COM 0", "0"}, {"", ""},         {"COM ", ""},       {"LPT 1", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PortSettingFromEntry(c.first), c.second) << c.first;
}

TEST(CaptionPageText, OnlyTheExactFlowTextsCheckABox)
{
    struct Case
    {
        const char* flow;
        int xon, dtr, rts;
    } cases[] = {{"XON", 1, 0, 0},  {"DTR", 0, 1, 0},  {"RTS", 0, 0, 1},
                 {"None", 0, 0, 0}, {"NONE", 0, 0, 0}, {"xon", 0, 0, 0}};
    for (const Case& c : cases) {
        FlowChecks checks = FlowChecksFromText(c.flow);
        EXPECT_EQ(checks.xonXoff, c.xon) << c.flow;
        EXPECT_EQ(checks.dtrDsr, c.dtr) << c.flow;
        EXPECT_EQ(checks.rtsCts, c.rts) << c.flow;
    }
}

TEST(CaptionPageText, RatesAndPacingsFollowTheTable)
{
    const std::pair<int, const char*> shown[] = {{0, "NONE"}, {40, "210"}, {43, "200"}, {45, "190"},
                                                 {48, "180"}, {50, "170"}, {53, "160"}, {59, "150"},
                                                 {47, "180"}, {-1, "180"}};
    for (const auto& s : shown)
        EXPECT_EQ(WordsPerMinuteText(s.first), s.second) << s.first;
    const std::pair<const char*, int> chosen[] = {
        {"NONE", 0}, {"none", 0}, {"210", 40}, {"150", 59}, {"180", 48}, {"175", 48}, {"", 48}};
    for (const auto& c : chosen)
        EXPECT_EQ(WordsPerMinutePacing(c.first), c.second) << c.first;
}

TEST(CaptionPageText, NewTitlesMustBeNamedUnusedAndStorable)
{
    std::vector<std::string> titles = {"default", "3-Line Rollup"};
    EXPECT_EQ(NewTitleProblem("", titles), "The name cannot be blank.");
    EXPECT_EQ(NewTitleProblem("DEFAULT", titles), "DEFAULT is already used.");
    EXPECT_EQ(NewTitleProblem("News\\Late", titles), "The name cannot contain a backslash (\\).");
    EXPECT_EQ(NewTitleProblem("Studio B", titles), "");
}

} // namespace
