// The RTF token reader: classes, majors, minors, parameters, raw text and where the next
// token starts.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "RtfKeywords.h"
#include "RtfToken.h"
#include "reader_test_support.h"

namespace {

struct TokenCase
{
    const char* input;
    int cls, major, minor, param;
    const char* text;
    const char* rest; // what the next token reads from
};

const TokenCase kTokens[] = {
    {"{x", RTF_GROUP, RTF_BEGIN_GROUP, -1, RTF_NO_PARAM, "{", "x"},
    {"}x", RTF_GROUP, RTF_END_GROUP, 0, RTF_NO_PARAM, "}", "x"},
    {"a", RTF_TEXT, RTF_PLAIN_CHAR, -1, 'a', "a", ""},
    {"\r\n\t\x01 b", RTF_TEXT, RTF_PLAIN_CHAR, -1, ' ', " ", "b"},
    {"", RTF_EOF, 0, 0, RTF_NO_PARAM, "", ""},
    {"\\par next", RTF_CONTROL, RTFC_SPECIAL_CHAR, RTFK_PAR, RTF_NO_PARAM, "\\par", "next"},
    {"\\par\r\nNext", RTF_CONTROL, RTFC_SPECIAL_CHAR, RTFK_PAR, RTF_NO_PARAM, "\\par", "\nNext"},
    {"\\fs20\n30", RTF_CONTROL, RTFC_CHAR_ATTR, 278, 20, "\\fs20", "30"},
    {"\\par\\par", RTF_CONTROL, RTFC_SPECIAL_CHAR, RTFK_PAR, RTF_NO_PARAM, "\\par", "\\par"},
    {"\\fs-20 x", RTF_CONTROL, RTFC_CHAR_ATTR, 278, -20, "\\fs-20", "x"},
    {"\\b0 x", RTF_CONTROL, RTFC_CHAR_ATTR, RTFK_BOLD, 0, "\\b0", "x"},
    {"\\b x", RTF_CONTROL, RTFC_CHAR_ATTR, RTFK_BOLD, RTF_NO_PARAM, "\\b", "x"},
    {"\\red255;", RTF_CONTROL, RTFC_COLOR_NAME, RTFK_RED, 255, "\\red255", ";"},
    {"\\u8364?", RTF_CONTROL, RTFC_UNICODE, RTFK_U, 8364, "\\u8364", "?"},
    {"\\fs99999999999999999999 ", RTF_CONTROL, RTFC_CHAR_ATTR, 278, INT_MAX,
     "\\fs99999999999999999999", ""},
    {"\\'e9x", RTF_TEXT, RTF_HEX_CHAR, -1, 0xE9, "\\'e9", "x"},
    {"\\'E9", RTF_TEXT, RTF_HEX_CHAR, -1, 0xE9, "\\'E9", ""},
    {"\\'e", RTF_UNKNOWN, 0, -1, RTF_NO_PARAM, "\\'e", ""},
    {"\\'ex", RTF_UNKNOWN, 0, -1, RTF_NO_PARAM, "\\'e", "x"},
    {"\\{", RTF_TEXT, RTF_ESCAPED_CHAR, -1, '{', "\\{", ""},
    {"\\\\", RTF_TEXT, RTF_ESCAPED_CHAR, -1, '\\', "\\\\", ""},
    {"\\\n}", RTF_TEXT, RTF_ESCAPED_CHAR, -1, '}', "\\}", ""}, // the line break is skipped
    {"\\~", RTF_CONTROL, RTFC_SPECIAL_CHAR, RTFK_NBSP, RTF_NO_PARAM, "\\~", ""},
    {"\\*\\x", RTF_CONTROL, RTFC_SPECIAL_CHAR, RTFK_STAR, RTF_NO_PARAM, "\\*", "\\x"},
    {"\\zzunknown12 x", RTF_UNKNOWN, 0, 0, 12, "\\zzunknown12", "x"},
    {"\\", RTF_UNKNOWN, 0, -1, RTF_NO_PARAM, "\\", ""},
    {"\\txfieldtype0 4}", RTF_CONTROL, RTFC_FIELD_ATTR, RTFK_TXFIELDTYPE, 0, "\\txfieldtype0",
     "4}"},
    {"\\picwGoal10", RTF_CONTROL, RTFC_PICT_ATTR, 297, 10, "\\picwGoal10", ""},
};

TEST(RtfToken, ReadsEachKindOfToken)
{
    for (const TokenCase& c : kTokens) {
        SCOPED_TRACE(c.input);
        CRtfToken tok;
        const char* end = c.input + std::string(c.input).size();
        const char* next = ReadToken(c.input, end, tok);
        EXPECT_EQ(c.cls, tok.m_nClass);
        EXPECT_EQ(c.major, tok.m_nMajor);
        EXPECT_EQ(c.minor, tok.m_nMinor);
        EXPECT_EQ(c.param, tok.m_nParam);
        EXPECT_EQ(c.text, tok.m_strText);
        EXPECT_STREQ(c.rest, next);
    }
}

TEST(RtfToken, TextAndOpeningBracesKeepTheMinorOfTheLastWord)
{
    const std::string input = "\\bkmkstart a{b}c";
    const char* pos = input.c_str();
    const char* end = pos + input.size();
    CRtfToken tok;
    const int expected[] = {RTFK_BKMKSTART, RTFK_BKMKSTART, RTFK_BKMKSTART, RTFK_BKMKSTART, 0, 0};
    for (int minor : expected) {
        pos = ReadToken(pos, end, tok);
        EXPECT_EQ(minor, tok.m_nMinor) << tok.m_strText;
    }
}

TEST(RtfToken, ZeroBytesAndControlBytesAreSkippedUpToTheRealEnd)
{
    const std::string input("\0\x05{\0}", 5);
    const char* pos = input.data();
    const char* end = pos + input.size();
    CRtfToken tok;
    pos = ReadToken(pos, end, tok);
    EXPECT_EQ(RTF_BEGIN_GROUP, tok.m_nMajor);
    pos = ReadToken(pos, end, tok);
    EXPECT_EQ(RTF_END_GROUP, tok.m_nMajor);
    pos = ReadToken(pos, end, tok);
    EXPECT_EQ(RTF_EOF, tok.m_nClass);
    EXPECT_EQ(end, pos);

    // The zero-terminated form stops at the terminator.
    EXPECT_STREQ("", ReadToken("\\b", tok));
    EXPECT_EQ(RTFK_BOLD, tok.m_nMinor);
}

TEST(RtfToken, HighBitBytesBecomeQuestionMarksWithAWarning)
{
    std::FILE* log = std::tmpfile();
    ASSERT_NE(nullptr, log);
    SetRtfWarningStream(log);
    CRtfToken tok;
    const std::string input = "\xE9";
    ReadToken(input.data(), input.data() + 1, tok);
    SetRtfWarningStream(stderr);
    EXPECT_EQ(RTF_TEXT, tok.m_nClass);
    EXPECT_EQ('?', tok.m_nParam);
    EXPECT_EQ("?", tok.m_strText);
    std::rewind(log);
    char buffer[128] = {};
    size_t n = std::fread(buffer, 1, sizeof(buffer) - 1, log);
    std::fclose(log);
    EXPECT_EQ("Character found with high bit set\n (0xe9) -> changed to '?'\n",
              std::string(buffer, n));
}

TEST(RtfToken, EveryKeywordOfTheTableIsFound)
{
    EXPECT_EQ(344, g_nRtfKeywords);
    for (const RtfKeyword* kw = g_rtfKeywords; kw->pszName; ++kw) {
        if (kw->pszName[0] == '\n' || kw->pszName[0] == '\r')
            continue; // line breaks never reach the tokens
        std::string input = std::string("\\") + kw->pszName + " ";
        CRtfToken tok;
        ReadToken(input.data(), input.data() + input.size(), tok);
        SCOPED_TRACE(kw->pszName);
        EXPECT_EQ(RTF_CONTROL, tok.m_nClass);
        EXPECT_EQ(kw->nClass, tok.m_nMajor);
        EXPECT_EQ(kw->nId, tok.m_nMinor);
    }
}

TEST(RtfToken, HexValues)
{
    const struct
    {
        char c;
        int value;
    } cases[] = {{'0', 0}, {'9', 9}, {'a', 10}, {'F', 15}, {'g', -1}, {' ', -1}, {'\0', -1}};
    for (const auto& c : cases)
        EXPECT_EQ(c.value, HexValue(c.c)) << c.c;
}

} // namespace
