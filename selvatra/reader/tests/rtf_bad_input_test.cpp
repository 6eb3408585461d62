// Bad input: the reader ends, without crashing or growing beyond its input, whatever it
// is given. (The fuzzer covers the rest of the input space.)
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "reader_test_support.h"

namespace {

std::string Repeat(const std::string& piece, size_t times)
{
    std::string out;
    out.reserve(piece.size() * times);
    for (size_t i = 0; i < times; ++i)
        out += piece;
    return out;
}

TEST(RtfBadInput, EndsOnEveryKindOfBrokenRtf)
{
    QuietWarnings quiet;
    const struct
    {
        std::string input;
        const char* texts;
    } cases[] = {
        {"{\\rtf1 {{{{ open", " open"},
        {"{\\rtf1 }}}}} after", " after"},
        {"{\\rtf1 " + Repeat("{", 100000) + "deep" + Repeat("}", 100000) + "}", "deep"},
        {"{\\rtf1 " + Repeat("{\\b", 100000) + " deep}", "deep"},
        {"{\\rtf1 \\fs99999999999999999999999 \\cf-99999999999999 x}", "x"},
        {"{\\rtf1 \\uc1\\u99999999?\\u-99999?\\u0?x}", "\xEF\xBF\xBD\xEF\xBF\xBD|x"},
        {"{\\rtf1 \\uc2147483647\\u65? swallowed}", "A"},
        {"{\\rtf1 x\\'", "x"},
        {"{\\rtf1 x\\'4", "x"},
        {"{\\rtf1 x\\", "x"},
        {"{\\rtf1 x\\b", "x"},
        {"{\\rtf1 \\*", ""},
        {"{\\rtf1 {\\pict\\bin999999999 }", ""},
        {"{\\rtf1 {\\*\\txfieldstart\\txfieldtype0 FFFFFFFFFFFFFFFF", ""},
        {"{\\rtf1 {\\*\\generator Msftedit", ""},
        {std::string("{\\rtf1 A\\par\0B\\par}\0", 20), "A|B"},
        {"{\\rtf1 \xE9\xFF\x80}", "???"},
        {"{\\rtf1 \\'00\\'0a\\'0dx\\par}", "x"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input.substr(0, 60));
        EXPECT_EQ(c.texts, Texts(ReadRuns(c.input)));
    }
}

TEST(RtfBadInput, EnormousTablesAreCutOff)
{
    CPromptTextReader reader;
    std::string fonts = "{\\rtf1{\\fonttbl";
    for (int i = 0; i < FontPtrMap::kMaxFonts + 1000; ++i)
        fonts += "{\\f" + std::to_string(i) + "\\fnil\\fcharset0 F;}";
    fonts += "}x}";
    FontPtrMap* map = reader.BuildFontMap(fonts);
    EXPECT_EQ(FontPtrMap::kMaxFonts, map->GetCount());
    delete map;
    EXPECT_EQ("x", Texts(ReadRuns(fonts)));

    std::string colors = "{\\rtf1{\\colortbl" +
        Repeat("\\red1\\green2\\blue3;", ClrRefList::kMaxColors + 1000) + "}\\cf40000 x}";
    ClrRefList* list = reader.BuildColorList(colors, 0);
    EXPECT_EQ(ClrRefList::kMaxColors, list->GetCount());
    CPromptTextReader::CleanUpcpList(list);
    delete list;
    auto runs = ReadRuns(colors);
    ASSERT_EQ(1u, runs.size());
    EXPECT_EQ(kTextColor, runs[0].color); // beyond the table: the first entry (the text colour)
}

TEST(RtfBadInput, RandomBytesNeverBreakTheReader)
{
    QuietWarnings quiet;
    std::mt19937 random(20261210);
    const char alphabet[] = "{}\\'*;0123456789abcdefuvxpqr -\n\xE9";
    for (int round = 0; round < 300; ++round) {
        std::string text = "{\\rtf1 ";
        size_t length = random() % 400;
        for (size_t i = 0; i < length; ++i)
            text += (random() % 4) ? alphabet[random() % (sizeof(alphabet) - 1)]
                                   : static_cast<char>(random() & 0xFF);
        PromptReaderSettings settings;
        settings.m_bShowPPInst = round & 1;
        settings.m_bPromptBlankPar = round & 2;
        settings.m_bShowBullets = round & 4;
        auto runs = ReadRuns(text, settings);
        EXPECT_LE(runs.size(), text.size());
    }
}

TEST(RtfBadInput, RunBuffersGrowAsTheTextNeeds)
{
    wchar_t* buffer = nullptr;
    unsigned long capacity = 0;
    EXPECT_EQ(1024u, CPromptTextReader::CheckFieldLength(buffer, 10, capacity));
    EXPECT_EQ(1024u, CPromptTextReader::CheckFieldLength(buffer, 924, capacity)); // 100 left
    EXPECT_EQ(2048u, CPromptTextReader::CheckFieldLength(buffer, 925, capacity));
    EXPECT_EQ(0, buffer[2047]);
    EXPECT_EQ(2048u + 5000 - 2048 + 100 + 1024,
              CPromptTextReader::CheckFieldLength(buffer, 5000, capacity));
    // Large buffers grow by half, so a long run is copied a logarithmic number of times.
    CPromptTextReader::CheckFieldLength(buffer, 100000, capacity);
    unsigned long large = capacity;
    EXPECT_EQ(large + large / 2, CPromptTextReader::CheckFieldLength(buffer, large - 50, capacity));
    delete[] buffer;

    std::string long_text = "{\\rtf1 " + Repeat("abcdefghij\\tab ", 20000) + "\\par}";
    auto runs = ReadRuns(long_text);
    ASSERT_EQ(1u, runs.size());
    EXPECT_EQ(20000u * 13, runs[0].text.size());
}

} // namespace
