// Encoder byte strings as byte-number texts, in decimal and hexadecimal.
#include <gtest/gtest.h>

#include "ByteText.h"

namespace {

TEST(ByteText, TextsReadAsTheirPieces)
{
    struct Case
    {
        const char* text;
        bool hex;
        std::string bytes;
    } cases[] = {
        {"3;1;51;", false, "\x03\x01\x33"},
        {"3;1;51", false, "\x03\x01\x33"}, // the last ";" may be left out
        {"3;;4;", false, "\x03\x04"}, // two semicolons: no byte between them
        {"x;5;", false, std::string("\0\x05", 2)}, // no number: the byte 0
        {" 7z;", false, "\x07"}, // the leading number counts
        {"255;128;", false, "\xFF\x80"}, // unsigned bytes
        {"256;-1;", false, std::string("\0\xFF", 2)}, // the low eight bits
        {"99999999999999999999;", false, "\xFF"}, // too long for a long: no overflow
        {"1a;", true, "\x1A"},
        {"ff;80;0d;", true, "\xFF\x80\x0D"},
        {"1A;", true, "\x1A"},
        {"", false, ""},
        {";;;", true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(TextToBytes(c.text, c.hex), c.bytes);
    }
}

TEST(ByteText, BytesShowAsUnsignedNumbers)
{
    EXPECT_EQ(BytesToText("\x03\x01\x33", false), "3;1;51;");
    EXPECT_EQ(BytesToText("\x1A\xFF\x80", true), "1a;ff;80;");
    EXPECT_EQ(BytesToText("\xFF\x80", false), "255;128;");
    EXPECT_EQ(BytesToText("", true), "");
}

TEST(ByteText, EveryByteOfALongStringSurvivesBothRadices)
{
    std::string bytes;
    for (int round = 0; round < 4; ++round)
        for (int b = 1; b < 256; ++b)
            bytes += char(b);
    for (bool hex : {false, true}) {
        SCOPED_TRACE(hex);
        EXPECT_EQ(TextToBytes(BytesToText(bytes, hex), hex), bytes);
    }
}

TEST(ByteText, AStoredStringEndsAtItsFirstZeroByte)
{
    EXPECT_EQ(UpToFirstZeroByte(TextToBytes("0;5;", false)), "");
    EXPECT_EQ(UpToFirstZeroByte(TextToBytes("3;0;5;", false)), "\x03");
    EXPECT_EQ(UpToFirstZeroByte("\x03\x05"), "\x03\x05");
}

} // namespace
