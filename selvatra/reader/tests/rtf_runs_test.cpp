// RTF scripts to runs: paragraphs, styles, colours, character sets, Unicode, directions,
// skipped destinations and standard fields.
#include <gtest/gtest.h>

#include "reader_test_support.h"

namespace {

TEST(RtfRuns, ParagraphsAreNumberedByTheStepAndEmptyOnesVanish)
{
    auto runs = ReadRuns(Rtf("One\\par\\par Two\\line Three\\page\n}"), PromptReaderSettings(), 10,
                         PT_SCRIPT | PT_START_MARKER);
    ASSERT_EQ(3u, runs.size());
    EXPECT_EQ("One|Two|Three", Texts(runs));
    EXPECT_EQ(10, runs[0].paragraph);
    EXPECT_EQ(30, runs[1].paragraph);
    EXPECT_EQ(40, runs[2].paragraph);
    for (const RunView& run : runs) {
        EXPECT_EQ(PT_SCRIPT | PT_START_MARKER, run.flags);
        EXPECT_EQ(ST_CODEPAGE, run.type);
        EXPECT_EQ(kTextColor, run.color);
    }

    PromptReaderSettings blank;
    blank.m_bPromptBlankPar = 1;
    runs = ReadRuns(Rtf("One\\par\\par Two\\par"), blank);
    EXPECT_EQ("One||Two", Texts(runs));
    ASSERT_EQ(3u, runs.size());
    EXPECT_EQ(200, runs[1].paragraph);
}

TEST(RtfRuns, StyleBits)
{
    const struct
    {
        const char* body;
        int style;
    } cases[] = {
        {"\\b x", FT_BOLD},
        {"\\b\\b0 x", FT_NONE},
        {"\\i\\strike x", FT_ITALIC | FT_STRIKE},
        {"\\ul\\ulnone x", FT_NONE},
        {"\\ul x", FT_UNDERLINE},
        {"\\b\\i\\ul\\strike\\plain x", FT_NONE},
        {"\\b{\\i x", FT_BOLD | FT_ITALIC}, // a group inherits the formatting around it
        {"{\\b y}x", FT_NONE}, // and its own ends with it
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.body);
        auto runs = ReadRuns(Rtf(std::string(c.body) + "\\par"));
        ASSERT_FALSE(runs.empty());
        EXPECT_EQ("x", runs.back().text);
        EXPECT_EQ(c.style, runs.back().style);
    }
}

TEST(RtfRuns, GroupsAtTheDocumentLevelSplitRunsAndOrderThem)
{
    auto runs = ReadRuns(Rtf("A {\\b B} C\\par"));
    ASSERT_EQ(3u, runs.size());
    EXPECT_EQ("A |B| C", Texts(runs));
    EXPECT_EQ(FT_NONE, runs[0].style);
    EXPECT_EQ(FT_BOLD, runs[1].style);
    EXPECT_EQ(FT_NONE, runs[2].style);
    EXPECT_EQ(0, runs[0].order);
    EXPECT_EQ(100, runs[1].order);
    EXPECT_EQ(0, runs[2].order);
}

const char kTable[] =
    "{\\colortbl;\\red0\\green0\\blue0;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}";

TEST(RtfRuns, Colours)
{
    const COLORREF red = 0x0000FF, blue = 0xFF0000, white = 0xFFFFFF;
    const struct
    {
        const char* body;
        BYTE fromZero, keepFirst;
        int mono;
        COLORREF back;
        COLORREF color;
    } cases[] = {
        {"\\cf2 x", 1, 0, 0, 0xFFFFFF, red},
        {"\\cf3 x", 1, 0, 0, 0xFFFFFF, blue},
        {"\\cf1 x", 1, 0, 0, 0xFFFFFF, kTextColor}, // the first full entry is the text colour
        {"\\cf1 x", 1, 1, 0, 0xFFFFFF, 0x000000}, // unless the table keeps it
        {"\\cf3 x", 0, 0, 0, 0xFFFFFF, red}, // counted from 1
        {"\\cf0 x", 1, 0, 0, 0x000000, white}, // the automatic entry has no components
        {"\\cf0 x", 1, 0, 0, 0xFFFFFF, kTextColor}, // ... and white on white is the text colour
        {"\\cf99 x", 1, 0, 0, 0x000000, white}, // beyond the table: the first entry
        {"\\cf2 x", 1, 0, 0, red, kTextColor}, // the background colour
        {"\\cf2 x", 1, 0, 1, 0xFFFFFF, kTextColor}, // black and white
        {"\\cf2\\plain x", 1, 0, 0, 0xFFFFFF, kTextColor},
        {"\\cf2{\\cf3 y}x", 1, 0, 0, 0xFFFFFF, red},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.body);
        PromptReaderSettings settings;
        settings.m_bColorIndexFromZero = c.fromZero;
        settings.m_bKeepFirstColor = c.keepFirst;
        settings.m_bMonoBitmap = c.mono;
        settings.m_crBack = c.back;
        auto runs = ReadRuns(Rtf(std::string(kTable) + c.body + "\\par"), settings);
        ASSERT_FALSE(runs.empty());
        EXPECT_EQ("x", runs.back().text);
        EXPECT_EQ(c.color, runs.back().color);
    }
}

TEST(RtfRuns, ColourWithoutAColourTableIsTheTextColour)
{
    PromptReaderSettings settings;
    settings.m_crBack = 0;
    for (BYTE fromZero : {0, 1}) {
        settings.m_bColorIndexFromZero = fromZero;
        for (const char* body : {"\\cf0 x\\par", "\\cf1 x\\par", "\\cf7 x\\par"}) {
            auto runs = ReadRuns(Rtf(body), settings);
            ASSERT_EQ(1u, runs.size()) << body;
            EXPECT_EQ(kTextColor, runs[0].color) << body;
        }
    }
}

TEST(RtfRuns, TheColourTableLookUp)
{
    CPromptTextReader reader;
    std::string text = Rtf(kTable);
    ClrRefList* list = reader.BuildColorList(text, 0x00ABCDEF);
    ASSERT_EQ(4, list->GetCount());
    EXPECT_EQ(0xFFFFFFu, list->GetHead()->GetColor());
    EXPECT_EQ(0x00ABCDEFu, reader.GetRTFColor(list, 1));
    EXPECT_EQ(0x0000FFu, reader.GetRTFColor(list, 2));
    EXPECT_EQ(0xFFFFFFu, reader.GetRTFColor(list, -5));
    CPromptTextReader::CleanUpcpList(list);
    EXPECT_TRUE(list->IsEmpty());
    delete list;
}

TEST(RtfRuns, CharacterSetsComeFromTheFontTable)
{
    const std::string fonts =
        "\\deff1{\\fonttbl{\\f0\\froman\\fcharset0 Times;}{\\f1\\fswiss\\fcharset161 Greek;}"
        "{\\f2\\fnil\\fcharset204{\\*\\panose 0}Cyr;}}";
    const struct
    {
        const char* body;
        int charSet;
    } cases[] = {
        {"x", 161}, // the default font's
        {"\\f0 x", 0},
        {"\\f2 x", 204},
        {"\\f9 x", 0}, // not in the table
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.body);
        auto runs = ReadRuns(Rtf(fonts + c.body + "\\par"));
        ASSERT_EQ(1u, runs.size());
        EXPECT_EQ(c.charSet, runs[0].charSet);
    }

    CPromptTextReader reader;
    FontPtrMap* map = reader.BuildFontMap(Rtf(fonts));
    int family = -1, charSet = -1;
    EXPECT_EQ(1, map->m_nDefaultFont);
    EXPECT_EQ(3, map->GetCount());
    ASSERT_TRUE(map->Lookup(1, family, charSet));
    EXPECT_EQ(2, family); // \fswiss
    EXPECT_EQ(161, charSet);
    delete map;

    // A table written without a group per font.
    map = reader.BuildFontMap("{\\rtf1{\\fonttbl\\f3\\fmodern\\fcharset128 Mono;}}");
    ASSERT_TRUE(map->Lookup(3, family, charSet));
    EXPECT_EQ(3, family);
    EXPECT_EQ(128, charSet);
    delete map;
}

TEST(RtfRuns, UnicodeCharacters)
{
    const struct
    {
        const char* body;
        const char* texts;
        const char* types;
    } cases[] = {
        {"\\uc1\\u8364?", "\xE2\x82\xAC", "U"},
        {"\\u8364?", "\xE2\x82\xAC", "U"}, // no \uc: one fallback character, as RTF says
        {"\\u252?ber gew\\u246?hnlich", "\xC3\xBC|ber gew|\xC3\xB6|hnlich", "UCUC"},
        {"\\uc1 a\\u8364?b", "a|\xE2\x82\xAC|b", "CUC"},
        {"\\uc2\\u8364\\'80\\'80 end", "\xE2\x82\xAC| end", "UC"},
        {"\\uc1\\u-3913?", "\xEF\x82\xB7", "U"}, // negative: the unit plus 65536
        {"caf\\'e9", "caf\xC3\xA9", "C"},
        {"\\'80", "\xE2\x82\xAC", "C"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.body);
        auto runs = ReadRuns(Rtf(std::string(c.body) + "\\par"));
        EXPECT_EQ(c.texts, Texts(runs));
        std::string types;
        for (const RunView& run : runs)
            types += run.type == ST_UNICODE ? 'U' : run.type == ST_CODEPAGE ? 'C' : 'P';
        EXPECT_EQ(c.types, types);
    }
}

TEST(RtfRuns, SpecialCharactersAndTypographicQuotes)
{
    auto runs = ReadRuns(Rtf("a\\tab b\\~c\\emdash d\\endash e\\_f\\-g\\emspace h\\par"));
    EXPECT_EQ("a   b c-d-e_f-g h", Texts(runs));

    runs =
        ReadRuns(Rtf("\\ldblquote Hi,\\rdblquote  he said. \\lquote Don\\rquote t.\\rquote\\par"));
    std::string all;
    for (const RunView& run : runs)
        all += run.text;
    EXPECT_EQ("\xE2\x80\x9CHi,\xE2\x80\x9D he said. \xE2\x80\x98"
              "Don\xE2\x80\x99t.\xE2\x80\x99",
              all);
}

TEST(RtfRuns, DestinationsThatAreNotShownAreSkipped)
{
    const struct
    {
        const char* body;
        const char* text;
    } cases[] = {
        {"{\\*\\unknownthing {nested} text}x", "x"},
        {"{\\info{\\title T}{\\author A}}x", "x"},
        {"{\\stylesheet{\\s0 Normal;}}x", "x"},
        {"{\\header H}{\\footer F}{\\headerf HF}x", "x"},
        {"{\\*\\generator Riched20 10.0;}x", "x"},
        {"{\\pict\\wmetafile8\\bin6 }}{{{ }x", "x"},
        {"{\\*\\shppict{\\pict 0102}}{\\nonshppict{\\pict 0304}}x", "x"},
        {"{\\footnote note}x", "x"},
        {"{\\*\\listtable{\\list{\\listlevel x}}}x", "x"},
        {"{\\pntext\\'b7\\tab}x", "x"},
        {"{\\listtext 1.\\tab}x", "x"},
        {"{\\field{\\*\\fldinst HYPERLINK \"http://x\"}{\\fldrslt Link}} x", "Link| x"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.body);
        EXPECT_EQ(c.text, Texts(ReadRuns(Rtf(std::string(c.body) + "\\par"))));
    }

    PromptReaderSettings bullets;
    bullets.m_bShowBullets = 1;
    auto runs = ReadRuns(Rtf("{\\pntext\\'b7\\tab}x\\par"), bullets);
    EXPECT_EQ("\xC2\xB7   |x", Texts(runs));
}

TEST(RtfRuns, WordPadFormattingInsideTheDocumentGroupSplitsRuns)
{
    // A writer that formats without groups: the words end the run before they apply.
    auto runs =
        ReadRuns(Rtf("{\\*\\generator Msftedit 5.41.21.2510;}Hello \\b bold\\b0  world\\par"));
    ASSERT_EQ(3u, runs.size());
    EXPECT_EQ("Hello |bold| world", Texts(runs));
    EXPECT_EQ(FT_NONE, runs[0].style);
    EXPECT_EQ(FT_BOLD, runs[1].style);
    EXPECT_EQ(FT_NONE, runs[2].style);

    // Other writers: the run takes the formatting in force when it ends.
    runs = ReadRuns(Rtf("Hello \\b bold\\b0  world\\par"));
    EXPECT_EQ("Hello bold world", Texts(runs));

    // \plain always ends the run first.
    runs = ReadRuns(Rtf("\\b x\\plain y\\par"));
    ASSERT_EQ(2u, runs.size());
    EXPECT_EQ(FT_BOLD, runs[0].style);
    EXPECT_EQ(FT_NONE, runs[1].style);
}

TEST(RtfRuns, Directions)
{
    auto runs = ReadRuns(Rtf("\\rtlpar\\rtlch abc\\ltrch def\\par\\pard ghi\\par"));
    ASSERT_EQ(3u, runs.size());
    EXPECT_EQ(1, runs[0].rtlChar);
    EXPECT_EQ(1, runs[0].rtlPara);
    EXPECT_EQ(0, runs[1].rtlChar);
    EXPECT_EQ(1, runs[1].rtlPara);
    EXPECT_EQ(0, runs[2].rtlChar);
    EXPECT_EQ(0, runs[2].rtlPara);

    PromptReaderSettings forced;
    forced.m_bPromptROTL = 1;
    forced.m_bPromptRightJust = 1;
    runs = ReadRuns(Rtf("\\rtlch abc\\ltrch def\\pard ghi\\par"), forced);
    ASSERT_EQ(1u, runs.size());
    EXPECT_EQ(1, runs[0].rtlChar);
    EXPECT_EQ(1, runs[0].rtlPara);
}

TEST(RtfRuns, CapitalsWhenTheSettingAsksForThem)
{
    PromptReaderSettings caps;
    caps.m_bShowPRMPTCAP = 1;
    EXPECT_EQ("CAF\xC3\x89 \xE2\x82\xAC", Texts(ReadRuns(Rtf("caf\\'e9 \\'80\\par"), caps)));
}

} // namespace

namespace {

TEST(RtfRuns, LineBreaksAfterWordsEndTheWords)
{
    // WordPad's layout: one paragraph per line, the next line starting with its text.
    auto runs = ReadRuns("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\r\n"
                         "{\\*\\generator Msftedit 5.41.21.2510;}\\viewkind4\\uc1\\pard\\f0\\fs20 "
                         "Line one\\par\r\nLine two\\b\r\nbold\\b0\r\n\\par\r\n}\r\n");
    ASSERT_EQ(3u, runs.size());
    EXPECT_EQ("Line one|Line two|bold", Texts(runs));
    EXPECT_EQ(100, runs[0].paragraph);
    EXPECT_EQ(200, runs[1].paragraph);
    EXPECT_EQ(FT_BOLD, runs[2].style);
}

} // namespace
