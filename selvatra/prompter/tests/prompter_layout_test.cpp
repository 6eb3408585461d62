// Line breaking, measuring and line drawing.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
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

TEST_F(LayoutFixture, ABlankParagraphIsOneLine)
{
    prmptCBitmap out;
    auto lines = Lines({Run(L"")}, out);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], L"");
    EXPECT_EQ(out.m_nHeight, 40);
    EXPECT_EQ(out.m_lstLines.GetHead()->m_nWidth, 0);
}

// The line texts of a paragraph, pieces joined without a separator.
std::vector<std::wstring> Joined(const std::vector<std::wstring>& lines)
{
    std::vector<std::wstring> out;
    for (std::wstring line : lines) {
        line.erase(std::remove(line.begin(), line.end(), L'|'), line.end());
        out.push_back(line);
    }
    return out;
}

TEST_F(LayoutFixture, RunBoundariesNeitherBreakWordsNorCarryBlanks)
{
    // The same text as one run and cut into runs at awkward places: inside words, before
    // blanks, and with Unicode characters (a run of their own) inside a word.
    const std::wstring text = L"Das ist nicht gew\u00f6hnlich, sagte er, und die Br\u00fccke "
                              L"\u00fcber den Flu\u00df blieb gew\u00f6hnlich gesperrt bis morgen";
    prmptCBitmap whole;
    auto reference = Lines({Run(text)}, whole);
    ASSERT_GT(reference.size(), 2u);

    std::vector<prmptFormatedText*> pieces;
    size_t from = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        const bool unicode = i < text.size() && text[i] > 127;
        const bool cut = i == text.size() || unicode || (i > from && text[i - 1] > 127) ||
            text[i] == L' ' || i % 7 == 0;
        if (cut && i > from) {
            pieces.push_back(
                Run(text.substr(from, i - from), text[from] > 127 ? ST_UNICODE : ST_PLAIN));
            from = i;
        }
    }
    ASSERT_GT(pieces.size(), 20u);
    prmptCBitmap split;
    auto lines = Joined(Lines(pieces, split));
    EXPECT_EQ(lines, reference);
    for (const std::wstring& line : lines) {
        ASSERT_FALSE(line.empty());
        EXPECT_NE(line.front(), L' ') << "no blank carried to the start of a line";
    }
}

TEST_F(LayoutFixture, DigitsAndLatinLettersInARightToLeftRunReadLeftToRight)
{
    for (eStringType type : {ST_CODEPAGE, ST_PLAIN, ST_UNICODE}) {
        SCOPED_TRACE(int(type));
        prmptFormatedText* rtl = Run(L"ABC 123", type);
        rtl->m_bRtlChar = 1;
        prmptFormatedText* ltr = Run(L"ABC 123", type);
        const Pixels reference = DrawPiece(m_settings, m_screen, ltr, 3);
        EXPECT_EQ(DrawPiece(m_settings, m_screen, rtl, 3).px, reference.px);
        EXPECT_EQ(DrawPiece(m_settings, m_screen, rtl, 3).px, reference.px)
            << "drawing again draws the same";
        EXPECT_EQ(std::wstring(rtl->GetText()), L"ABC 123") << "the run keeps its text";
    }
}

TEST_F(LayoutFixture, MixedDirectionsTakeTheirPlacesWithoutOverlap)
{
    m_settings.nTextWidth = 700;
    auto line = [&](std::vector<std::pair<const wchar_t*, int>> parts, BYTE rtlParagraph) {
        tagFormatedLine* l = new tagFormatedLine;
        int width = 0;
        for (auto& part : parts) {
            prmptFormatedText* piece =
                new prmptFormatedText(part.first, ST_UNICODE, -1, 0, 0, 100, 0, PT_SCRIPT,
                                      CTimeSpan(0), 0, "", BYTE(part.second), rtlParagraph);
            piece->m_nWidth = Width(part.first);
            width += piece->m_nWidth;
            l->m_lstText.AddTail(piece);
        }
        l->m_nWidth = width;
        return std::unique_ptr<tagFormatedLine>(l);
    };
    auto order = [&](tagFormatedLine* l) {
        std::wstring visual;
        int right = -1;
        for (const PlacedPiece& p : ArrangeLine(m_settings, l)) {
            EXPECT_GE(p.x, right) << "no piece covers another";
            right = p.x + p.piece->m_nWidth;
            visual += std::wstring(p.piece->GetText()) + L"/";
        }
        return std::make_pair(visual, right);
    };
    // Left-to-right paragraph: the two right-to-left pieces read right to left between
    // the others.
    auto ltr = line({{L"A", 0}, {L"\u05d0", 1}, {L"\u05d1", 1}, {L"D", 0}}, 0);
    auto placed = order(ltr.get());
    EXPECT_EQ(placed.first, L"A/\u05d1/\u05d0/D/");
    EXPECT_EQ(ArrangeLine(m_settings, ltr.get()).front().x, 3);
    // Right-to-left paragraph: the English words keep their own order, the whole line
    // stands against the right edge.
    auto rtl = line({{L"\u05d0", 1}, {L"one ", 0}, {L"two", 0}, {L"\u05d1", 1}}, 1);
    placed = order(rtl.get());
    EXPECT_EQ(placed.first, L"\u05d1/one /two/\u05d0/");
    EXPECT_EQ(placed.second, m_settings.nTextWidth - 3);
}
