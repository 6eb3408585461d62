// Line breaking, measuring and line drawing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PromptLayout.h"
#include "test_host.h"

namespace {

class LayoutFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_screen = GetDC(nullptr);
        m_settings.hdcRef = m_screen;
        m_settings.nLineHeight = 40;
        m_settings.nTextWidth = 300;
        m_settings.lfBase.lfHeight = -24;
        m_settings.lfBase.lfWeight = FW_NORMAL;
        strcpy(m_settings.lfBase.lfFaceName, "Liberation Sans");
    }
    void TearDown() override
    {
        for (prmptFormatedText* r : m_runs)
            delete r;
        ReleaseDC(nullptr, m_screen);
    }

    prmptFormatedText* Run(const std::wstring& text, eStringType type = ST_PLAIN)
    {
        prmptFormatedText* r = new prmptFormatedText(text.c_str(), type, -1, 0, RGB(0, 0, 0), 100,
                                                     0, PT_SCRIPT, CTimeSpan(0), 0, "", 0, 0);
        m_runs.push_back(r);
        return r;
    }

    // Lays out the runs; returns each line's text (pieces joined with '|').
    std::vector<std::wstring> Lines(const std::vector<prmptFormatedText*>& runs, prmptCBitmap& out)
    {
        prmptFormatedPtrList list;
        for (prmptFormatedText* r : runs)
            list.AddTail(r);
        FormatLines(m_settings, list, out);
        std::vector<std::wstring> lines;
        for (POSITION pos = out.m_lstLines.GetHeadPosition(); pos;) {
            tagFormatedLine* line = out.m_lstLines.GetNext(pos);
            std::wstring text;
            for (POSITION p = line->m_lstText.GetHeadPosition(); p;) {
                prmptFormatedText* piece = line->m_lstText.GetNext(p);
                if (!text.empty())
                    text += L"|";
                text += piece->GetText() ? piece->GetText() : L"";
            }
            lines.push_back(text);
        }
        return lines;
    }

    int Width(const std::wstring& text)
    {
        HFONT font = CreateFontIndirectA(&m_settings.lfBase);
        HDC dc = CreateCompatibleDC(m_screen);
        HGDIOBJ old = SelectObject(dc, font);
        SIZE s = MeasureText(dc, text.c_str(), int(text.size()), ST_PLAIN);
        SelectObject(dc, old);
        DeleteDC(dc);
        DeleteObject(font);
        return s.cx;
    }

    HDC m_screen = nullptr;
    PromptLayoutSettings m_settings;
    std::vector<prmptFormatedText*> m_runs;
};

} // namespace

TEST_F(LayoutFixture, RunsThatFitMakeOneLineWithOnePiecePerRun)
{
    prmptCBitmap out;
    auto lines = Lines({Run(L"Good "), Run(L"evening")}, out);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], L"Good |evening");
    EXPECT_EQ(out.m_nHeight, 40);
    EXPECT_EQ(out.m_lstLines.GetHead()->m_nWidth, Width(L"Good ") + Width(L"evening"));

    prmptCBitmap none;
    EXPECT_TRUE(Lines({}, none).empty());
    EXPECT_EQ(none.m_nHeight, 0);
}

TEST_F(LayoutFixture, LinesBreakBetweenWordsAndDropTheBlankAtTheBreak)
{
    const std::wstring text =
        L"the quick brown fox jumps over the lazy dog while the news goes on and on tonight";
    prmptCBitmap out;
    auto lines = Lines({Run(text)}, out);
    ASSERT_GT(lines.size(), 2u);
    std::wstring joined;
    for (const std::wstring& line : lines) {
        EXPECT_NE(line.front(), L' ') << "no blank carried to the start of a line";
        EXPECT_LE(Width(line), m_settings.nTextWidth - 6 + 2)
            << std::string(line.begin(), line.end());
        joined += (joined.empty() ? L"" : L" ") + line;
    }
    // Only blanks at the breaks went; every word is whole.
    std::wstring squeezed;
    for (wchar_t c : joined)
        if (!(c == L' ' && !squeezed.empty() && squeezed.back() == L' '))
            squeezed += c;
    while (!squeezed.empty() && squeezed.back() == L' ')
        squeezed.pop_back();
    EXPECT_EQ(squeezed, text);
}

TEST_F(LayoutFixture, AWordWiderThanTheLineIsCutBetweenCharacters)
{
    const std::wstring word(60, L'W');
    prmptCBitmap out;
    auto lines = Lines({Run(word)}, out);
    ASSERT_GT(lines.size(), 1u);
    std::wstring joined;
    for (const std::wstring& line : lines) {
        EXPECT_LE(Width(line), m_settings.nTextWidth - 6);
        joined += line;
    }
    EXPECT_EQ(joined, word);
}

TEST_F(LayoutFixture, EveryLineTakesACharacterWhateverTheWidth)
{
    struct Case
    {
        int width;
        std::wstring text;
    } cases[] = {
        {1, L"abc def"}, // narrower than any glyph
        {6, L"WWW"}, // no room left at all after the margins
        {7, L"M M\tM"}, // one pixel of room
        {-50, L"xy"}, // nonsense width
    };
    for (const Case& c : cases) {
        m_settings.nTextWidth = c.width;
        prmptCBitmap out;
        auto lines = Lines({Run(c.text)}, out);
        ASSERT_FALSE(lines.empty()) << c.width;
        size_t letters = 0;
        for (const std::wstring& line : lines) {
            EXPECT_FALSE(line.empty()) << c.width;
            for (wchar_t ch : line)
                letters += ch > 32;
        }
        size_t expected = 0;
        for (wchar_t ch : c.text)
            expected += ch > 32;
        EXPECT_EQ(letters, expected) << c.width;
    }
}

TEST_F(LayoutFixture, CentredLinesLoseTheirEndBlanksAndStartAtTheCentre)
{
    m_settings.bCenterText = TRUE;
    prmptCBitmap out;
    auto lines = Lines({Run(L"   centre   ")}, out);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], L"centre");

    // A 100-pixel line in a 700-pixel text width starts at 297; a too-wide one at 3.
    HDC dc = CreateCompatibleDC(m_screen);
    HBITMAP bmp = CreateCompatibleBitmap(m_screen, 800, 40);
    HGDIOBJ old = SelectObject(dc, bmp);
    m_settings.nTextWidth = 700;
    tagFormatedLine* line = out.m_lstLines.GetHead();
    const int drawn = Width(L"centre");
    line->m_nWidth = 100;
    EXPECT_EQ(DrawLine(m_settings, dc, line, 0) - drawn, 297);
    line->m_nWidth = 900;
    EXPECT_EQ(DrawLine(m_settings, dc, line, 0) - drawn, 3);
    m_settings.bCenterText = FALSE;
    EXPECT_EQ(DrawLine(m_settings, dc, line, 0) - drawn, 3);
    SelectObject(dc, old);
    DeleteObject(bmp);
    DeleteDC(dc);
}

namespace {

// Draws a piece into a fresh white bitmap and returns the pixels.
Pixels DrawPiece(const PromptLayoutSettings& s, HDC screen, prmptFormatedText* piece, int x)
{
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, 300, 40);
    HGDIOBJ old = SelectObject(dc, bmp);
    PatBlt(dc, 0, 0, 300, 40, WHITENESS);
    SetBkMode(dc, TRANSPARENT);
    DrawRun(s, dc, piece, x, 0);
    SelectObject(dc, old);
    Pixels p = CaptureBitmap(bmp);
    DeleteObject(bmp);
    DeleteDC(dc);
    return p;
}

} // namespace

TEST_F(LayoutFixture, RightToLeftCharactersAreReversedInACopyAndParagraphsAlignRight)
{
    prmptFormatedText* rtl = Run(L"ABC", ST_CODEPAGE);
    rtl->m_bRtlChar = 1;
    prmptFormatedText* plain = Run(L"CBA", ST_CODEPAGE);
    const Pixels first = DrawPiece(m_settings, m_screen, rtl, 3);
    EXPECT_EQ(std::wstring(rtl->GetText()), L"ABC") << "the run keeps its text";
    const Pixels second = DrawPiece(m_settings, m_screen, rtl, 3);
    const Pixels reference = DrawPiece(m_settings, m_screen, plain, 3);
    EXPECT_EQ(first.px, reference.px);
    EXPECT_EQ(second.px, reference.px) << "drawing again draws the same";

    // A right-to-left paragraph is drawn against the right edge.
    prmptFormatedText* para = Run(L"ABC", ST_PLAIN);
    para->m_bRtlPara = 1;
    const Pixels right = DrawPiece(m_settings, m_screen, para, 3);
    int minX = 300, maxX = 0;
    for (int y = 0; y < right.height; ++y)
        for (int x = 0; x < right.width; ++x)
            if (right.at(x, y) != 0xFFFFFF) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
            }
    EXPECT_GT(minX, 150);
    EXPECT_LE(maxX, 300 - 3);
}
