// The one code-page module: the ANSI code page (Windows-1252 here: the test prefix sets it,
// the native build uses it) both ways, and the UTF-8 coder with what it refuses.
#include <gtest/gtest.h>

#include "fw/codepage.h"

#include <string>

TEST(Codepage, ConversionsAgreeBothWays)
{
    for (int b = 0; b < 256; ++b) {
        char c = static_cast<char>(b);
        EXPECT_EQ(c, fw::UnicodeToAnsi(fw::AnsiToUnicode(static_cast<unsigned char>(b)))) << b;
        EXPECT_EQ(std::string(1, c), fw::Utf8ToAnsi(fw::AnsiToUtf8(std::string(1, c)))) << b;
    }
    EXPECT_EQ('?', fw::UnicodeToAnsi(0x4E2D));
    EXPECT_EQ("?", fw::Utf8ToAnsi("\xF0\x9F\x98\x80"));
    EXPECT_EQ("?(", fw::Utf8ToAnsi("\xC3\x28"));
}

TEST(Codepage, TheWindows1252UpperHalf)
{
    struct Case
    {
        unsigned char byte;
        char32_t unicode;
    } cases[] = {
        {0x41, U'A'},   {0x80, 0x20AC}, {0x85, 0x2026}, {0x93, 0x201C},
        {0x99, 0x2122}, {0x9F, 0x0178}, {0x81, 0x0081}, // undefined: the C1 control of the same value
        {0xA0, 0x00A0}, {0xE9, 0x00E9}, {0xFF, 0x00FF},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fw::AnsiToUnicode(c.byte), c.unicode) << int(c.byte);
        EXPECT_EQ(static_cast<unsigned char>(fw::UnicodeToAnsi(c.unicode)), c.byte) << int(c.byte);
    }
    EXPECT_EQ(fw::UnicodeToAnsi(0x1F600), '?');
    EXPECT_EQ(fw::AnsiToUtf16("caf\xE9 \x80"), u"caf\u00E9 \u20AC");
    EXPECT_EQ(fw::Utf16ToAnsi(u"caf\u00E9 \u20AC \U0001F600"), "caf\xE9 \x80 ?");
    EXPECT_EQ(fw::AnsiToUtf8("caf\xE9"), "caf\xC3\xA9");
}

TEST(Codepage, Utf8DecodingRefusesWhatIsNotUtf8)
{
    struct Case
    {
        const char* what;
        std::string bytes;
        size_t length; // 0: not UTF-8
        char32_t ch;
    } cases[] = {
        {"ASCII", "a", 1, U'a'},
        {"two bytes", "\xC3\xA9", 2, 0xE9},
        {"three bytes", "\xE2\x82\xAC", 3, 0x20AC},
        {"four bytes", "\xF0\x9F\x98\x80", 4, 0x1F600},
        {"stray continuation", "\x80", 0, 0},
        {"overlong two", "\xC0\x80", 0, 0},
        {"overlong three", "\xE0\x80\x80", 0, 0},
        {"surrogate", "\xED\xA0\x80", 0, 0},
        {"past U+10FFFF", "\xF4\x90\x80\x80", 0, 0},
        {"cut off", "\xE2\x82", 0, 0},
        {"bad continuation", "\xC3\x28", 0, 0},
    };
    for (const Case& c : cases) {
        char32_t ch = 0;
        EXPECT_EQ(fw::DecodeUtf8(c.bytes.data(), c.bytes.size(), 0, ch), c.length) << c.what;
        if (c.length) {
            EXPECT_EQ(ch, c.ch) << c.what;
            std::string again;
            fw::AppendUtf8(ch, again);
            EXPECT_EQ(again, c.bytes) << c.what;
        }
    }
}
