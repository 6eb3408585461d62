// How the edit window lays out paragraph formats: alignment between the indents, spacing
// and line spacing, page breaks in the normal view, pages in page layout, and the zoom.
#include "TextHelpers.h"
#include "richtext/TXTextControl.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class ParagraphLayout : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, nullptr, "layout host", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                      0, 0, 520, 400, nullptr, nullptr));
        CRect rc(0, 0, 500, 300);
        ASSERT_TRUE(m_ctl.Create(&m_parent, 0xBEEF, rc));
        HDC dc = ::GetDC(m_ctl.m_hWnd);
        m_dpi = ::GetDeviceCaps(dc, LOGPIXELSX);
        ::ReleaseDC(m_ctl.m_hWnd, dc);
    }
    void TearDown() override
    {
        m_ctl.DestroyWindow();
        m_parent.DestroyWindow();
    }
    void SetText(const std::string& text)
    {
        m_ctl.SetSel(0, -1);
        m_ctl.ReplaceSel(text.c_str());
    }
    // Formats paragraph `line` and lays out again as the window does after an edit.
    void Format(size_t line, const std::function<void(CRichParaFormat&)>& change)
    {
        CTextControlCore& core = m_ctl.Core();
        const size_t at = core.Document().LineStart(line);
        core.SetSel(static_cast<long>(at), static_cast<long>(at));
        core.ChangeSelParaFormat(change);
        m_ctl.SyncWithCore(false);
    }
    const CTXLine& Line(size_t i) { return m_ctl.Layout().Lines().at(i); }
    // The x where a line's text ends (its trailing blanks left out).
    int TextEnd(const CTXLine& l)
    {
        const std::u16string& t = m_ctl.Core().Document().Text();
        size_t e = l.end;
        while (e > l.start && t[e - 1] == ' ')
            --e;
        return l.x[e - l.start];
    }
    int Right() { return m_ctl.Layout().Width() - CTXLayout::kMargin; }
    int Px(int twips) { return ::MulDiv(twips, m_dpi, 1440); }

    CWnd m_parent;
    CTXTextControl m_ctl;
    int m_dpi = 96;
};

TEST_F(ParagraphLayout, LinesStandBetweenTheirIndentsAsAligned)
{
    SetText("Left\nCentre\nRight\nIndented");
    const int left = CTXLayout::kMargin;
    EXPECT_EQ(left, Line(0).x.front());
    Format(1, [](CRichParaFormat& p) { p.align = TXALIGN_CENTER; });
    Format(2, [](CRichParaFormat& p) {
        p.align = TXALIGN_RIGHT;
        p.rightIndent = 720;
    });
    Format(3, [](CRichParaFormat& p) {
        p.leftIndent = 1440;
        p.firstIndent = -720;
    });
    const CTXLine& centre = Line(1);
    EXPECT_NEAR(Right() - TextEnd(centre), centre.x.front() - left, 1);
    EXPECT_EQ(Right() - Px(720), TextEnd(Line(2)));
    EXPECT_EQ(left + Px(720), Line(3).x.front()); // first line: left + first indent
}

TEST_F(ParagraphLayout, JustifiedLinesFillTheWidthAndHangingLinesWrapAtTheIndent)
{
    std::string words;
    for (int i = 0; i < 40; ++i)
        words += "word ";
    SetText(words + "\nnext");
    Format(0, [](CRichParaFormat& p) {
        p.align = TXALIGN_JUSTIFY;
        p.leftIndent = 720;
        p.firstIndent = -360;
    });
    const std::vector<CTXLine>& lines = m_ctl.Layout().Lines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(CTXLayout::kMargin + Px(360), lines[0].x.front());
    EXPECT_EQ(Right(), TextEnd(lines[0])) << "a wrapped line reaches the right";
    EXPECT_EQ(CTXLayout::kMargin + Px(720), lines[1].x.front());
    // The paragraph's last line is not stretched.
    size_t last = 0;
    while (!lines[last].endsParagraph)
        ++last;
    EXPECT_LT(TextEnd(lines[last]), Right());
}

TEST_F(ParagraphLayout, SpacingAndLineSpacingMoveTheLinesAndEditsKeepThem)
{
    SetText("one\ntwo\nthree");
    const int single = Line(0).height;
    Format(1, [](CRichParaFormat& p) {
        p.spaceBefore = 240;
        p.spaceAfter = 120;
        p.lineSpacing = 480;
        p.lineMultiple = true;
    });
    EXPECT_EQ(Line(0).y + single + Px(240), Line(1).y);
    EXPECT_EQ(2 * single, Line(1).height);
    EXPECT_EQ(Line(1).y + Line(1).height + Px(120), Line(2).y);
    Format(2, [](CRichParaFormat& p) { p.lineSpacing = -600; }); // exactly 30 points
    EXPECT_EQ(Px(600), Line(2).height);
    // Typing in the spaced paragraph lays out only it again, and just as a full layout does.
    m_ctl.SetSel(5, 5);
    m_ctl.SendMessage(WM_CHAR, 'x');
    std::vector<int> tops;
    for (const CTXLine& l : m_ctl.Layout().Lines())
        tops.push_back(l.y);
    m_ctl.SetViewMode(TXVIEW_PAGELAYOUT);
    m_ctl.SetViewMode(TXVIEW_NORMAL); // laid out whole
    std::vector<int> fresh;
    for (const CTXLine& l : m_ctl.Layout().Lines())
        fresh.push_back(l.y);
    EXPECT_EQ(fresh, tops);
}

TEST_F(ParagraphLayout, PageBreaksAndPagesInEachView)
{
    std::string text;
    for (int i = 0; i < 80; ++i)
        text += "Line " + std::to_string(i) + "\n";
    SetText(text + "end");
    Format(3, [](CRichParaFormat& p) { p.pageBreakBefore = true; });
    // The normal view: a marked room above the paragraph, and the page count follows it.
    EXPECT_TRUE(Line(3).pageBreak);
    EXPECT_GT(Line(3).y, Line(2).y + Line(2).height);
    EXPECT_EQ(1u, m_ctl.Layout().PageOf(m_ctl.Core().Document().LineStart(2)));
    EXPECT_EQ(2u, m_ctl.Layout().PageOf(m_ctl.Core().Document().LineStart(3)));

    // Page layout: the break starts page 2, and lines that do not fit go to the next page.
    m_ctl.SetViewMode(TXVIEW_PAGELAYOUT);
    const CTXLayout& layout = m_ctl.Layout();
    EXPECT_EQ(0, Line(2).page);
    EXPECT_EQ(1, Line(3).page);
    EXPECT_FALSE(Line(3).pageBreak);
    const RECT second = layout.PageRect(1);
    EXPECT_EQ(second.top + ::MulDiv(CTXLayout::kMarginTop, m_dpi, 1440), Line(3).y);
    EXPECT_GE(layout.PageCount(), 3);
    for (const CTXLine& l : layout.Lines()) {
        const RECT page = layout.PageRect(l.page);
        EXPECT_GE(l.y, page.top);
        EXPECT_LE(l.y + l.height, page.bottom - ::MulDiv(CTXLayout::kMarginBottom, m_dpi, 1440));
        EXPECT_EQ(page.left + Px(CTXLayout::kMarginLeft), l.x.front());
    }
    EXPECT_EQ(layout.PageRect(layout.PageCount() - 1).bottom + CTXLayout::kPageGap,
              layout.Height());
    // Centred: the page in the middle of the window (when it is wider than the page).
    m_ctl.SetZoom(25);
    m_ctl.SetViewMode(TXVIEW_CENTEREDLAYOUT);
    const RECT page = layout.PageRect(0);
    EXPECT_NEAR(layout.Width() - page.right, page.left, 1);
}

TEST_F(ParagraphLayout, ZoomScalesTheTextAndFitsThePage)
{
    SetText("Zoomed text");
    const int height = Line(0).height;
    const int width = Line(0).x.back() - Line(0).x.front();
    m_ctl.SetZoom(200);
    EXPECT_NEAR(2 * height, Line(0).height, 3);
    EXPECT_NEAR(2 * width, Line(0).x.back() - Line(0).x.front(), 8);
    m_ctl.SetZoom(1000);
    EXPECT_EQ(500, m_ctl.GetZoom()) << "the zoom stays within its range";
    // Page width: in page layout the page fills the window's width.
    m_ctl.SetViewMode(TXVIEW_PAGELAYOUT);
    m_ctl.ZoomToFit(CTXTextControl::TXZOOM_PAGEWIDTH);
    RECT client;
    m_ctl.GetClientRect(&client);
    const RECT page = m_ctl.Layout().PageRect(0);
    EXPECT_NEAR(client.right - 2 * CTXLayout::kPageGap, page.right - page.left, 2);
    // Whole page: the page's height fits too.
    m_ctl.ZoomToFit(CTXTextControl::TXZOOM_WHOLEPAGE);
    const RECT whole = m_ctl.Layout().PageRect(0);
    EXPECT_LE(whole.bottom - whole.top, client.bottom - 2 * CTXLayout::kPageGap + 2);
    EXPECT_LT(m_ctl.GetZoom(), 100);
}

TEST_F(ParagraphLayout, PageLayoutPaintsPagesOnGrey)
{
    SetText("Paged");
    m_ctl.SetViewMode(TXVIEW_PAGELAYOUT);
    m_ctl.SetZoom(25);
    RECT rc;
    m_ctl.GetClientRect(&rc);
    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP bmp = ::CreateCompatibleBitmap(screen, rc.right, rc.bottom);
    HGDIOBJ old = ::SelectObject(dc, bmp);
    m_ctl.PaintTo(dc, rc);
    const RECT page = m_ctl.Layout().PageRect(0);
    const COLORREF inside = ::GetPixel(dc, page.right - 5, page.top + 5);
    const COLORREF between = ::GetPixel(dc, page.right + 8, page.top + 5);
    ::SelectObject(dc, old);
    ::DeleteObject(bmp);
    ::DeleteDC(dc);
    ::ReleaseDC(nullptr, screen);
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), inside);
    EXPECT_EQ(::GetSysColor(COLOR_APPWORKSPACE), between);
}

} // namespace
