// The drawing helpers drawn into a memory DC: text layout, alignment, ellipsis, 3D frames
// and inversion. Positions are checked against the font's own measurements, never
// against pixel values of one installed font.
#include "core/GXDrawingAndFormatting.h"
#include <gtest/gtest.h>

namespace {
class MemoryCanvas
{
public:
    MemoryCanvas(int cx, int cy) : m_cx(cx), m_cy(cy)
    {
        m_dc.CreateCompatibleDC(nullptr);
        m_bitmap.CreateBitmap(cx, cy, 1, 32, nullptr);
        m_pOldBitmap = m_dc.SelectObject(&m_bitmap);
        m_font.CreateFont(-13, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
        m_pOldFont = m_dc.SelectObject(&m_font);
        Clear();
    }
    ~MemoryCanvas()
    {
        m_dc.SelectObject(m_pOldFont);
        m_dc.SelectObject(m_pOldBitmap);
    }
    void Clear() { m_dc.FillSolidRect(0, 0, m_cx, m_cy, RGB(255, 255, 255)); }
    // The extent of the non-white pixels; empty when nothing was drawn.
    CRect Inked() const
    {
        CRect r(m_cx, m_cy, -1, -1);
        for (int y = 0; y < m_cy; ++y)
            for (int x = 0; x < m_cx; ++x)
                if ((const_cast<CDC&>(m_dc).GetPixel(x, y) & 0xFFFFFF) != 0xFFFFFF) {
                    r.left = std::min<LONG>(r.left, x);
                    r.top = std::min<LONG>(r.top, y);
                    r.right = std::max<LONG>(r.right, x);
                    r.bottom = std::max<LONG>(r.bottom, y);
                }
        return r;
    }
    CDC m_dc;

private:
    int m_cx, m_cy;
    CBitmap m_bitmap;
    CFont m_font;
    CBitmap* m_pOldBitmap = nullptr;
    CFont* m_pOldFont = nullptr;
};
} // namespace

TEST(GridDrawing, LayoutBreaksAtSpacesAndInsideLongWords)
{
    MemoryCanvas canvas(200, 200);
    CGXDrawingAndFormatting* pDraw = GXGetDrawingAndFormatting();
    CSize one = canvas.m_dc.GetTextExtent("W", 1);
    CSize both = canvas.m_dc.GetTextExtent("W W", 3);
    CRect rect(0, 0, (one.cx + both.cx) / 2, 100);
    int starts[32], lengths[32];
    ASSERT_EQ(2, pDraw->LayoutText(&canvas.m_dc, "W W", 3, &rect, DT_WORDBREAK, starts, lengths));
    EXPECT_EQ(0, starts[0]);
    EXPECT_EQ(1, lengths[0]);
    EXPECT_EQ(2, starts[1]);

    CRect narrow(0, 0, canvas.m_dc.GetTextExtent("WWW", 3).cx, 200);
    int n =
        pDraw->LayoutText(&canvas.m_dc, "WWWWWWWWWW", 10, &narrow, DT_WORDBREAK, starts, lengths);
    ASSERT_GT(n, 2);
    int nTotal = 0;
    for (int i = 0; i < n; ++i) {
        EXPECT_EQ(nTotal, starts[i]);
        EXPECT_GT(lengths[i], 0);
        nTotal += lengths[i];
    }
    EXPECT_EQ(10, nTotal);

    // Without word breaks there is one line; a text ending in a break gets an empty line.
    CRect wide(0, 0, 150, 200);
    EXPECT_EQ(1, pDraw->LayoutText(&canvas.m_dc, "a b\r\nc", 6, &wide, 0, starts, lengths));
    EXPECT_EQ(2,
              pDraw->LayoutText(&canvas.m_dc, "ab\r\n", 4, &wide, DT_WORDBREAK, starts, lengths));
    EXPECT_EQ(0, lengths[1]);
    EXPECT_EQ(2,
              pDraw->LayoutText(&canvas.m_dc, "a\r\nb", 4, &wide, DT_WORDBREAK, starts, lengths));
    EXPECT_EQ(3, starts[1]);

    // A rectangle of about one line height holds one line.
    TEXTMETRIC tm;
    canvas.m_dc.GetTextMetrics(&tm);
    CRect low(0, 0, 10, tm.tmHeight);
    EXPECT_EQ(1, pDraw->LayoutText(&canvas.m_dc, "W W W", 5, &low, DT_WORDBREAK, starts, lengths));
}

TEST(GridDrawing, AlignmentPlacesTheText)
{
    MemoryCanvas canvas(200, 40);
    CGXDrawingAndFormatting* pDraw = GXGetDrawingAndFormatting();
    const int cx = canvas.m_dc.GetTextExtent("Hi", 2).cx;
    struct Case
    {
        UINT nFormat;
        int nExpectedLeft;
    } cases[] = {{DT_LEFT, 10}, {DT_RIGHT, 190 - cx}, {DT_CENTER, 10 + (180 - cx) / 2}};
    for (const Case& c : cases) {
        canvas.Clear();
        pDraw->DrawText(&canvas.m_dc, "Hi", 2, 10, 0, 190, 40, c.nFormat);
        CRect inked = canvas.Inked();
        ASSERT_FALSE(inked.right < 0);
        // The ink lies inside the text's own cell, which starts where the format says.
        EXPECT_GE(inked.left, c.nExpectedLeft) << c.nFormat;
        EXPECT_LE(inked.right, c.nExpectedLeft + cx) << c.nFormat;
    }
}

TEST(GridDrawing, EllipsisStaysInsideTheRectangle)
{
    MemoryCanvas canvas(300, 40);
    CGXDrawingAndFormatting* pDraw = GXGetDrawingAndFormatting();
    const char* pszLong = "abcdefghijklmnopqrstuvwxyz";
    const int cxDots = canvas.m_dc.GetTextExtent("...", 3).cx;
    CRect rect(0, 0, cxDots * 3, 40);
    pDraw->DrawTextWithEllipsis(&canvas.m_dc, pszLong, -1, &rect, DT_SINGLELINE, 1,
                                CRect(0, 0, 300, 40));
    CRect inked = canvas.Inked();
    ASSERT_FALSE(inked.right < 0);
    EXPECT_LE(inked.right, rect.right); // cut with "..." instead of running on

    // Mode 2 on one line shows number signs that fit the width.
    canvas.Clear();
    CRect hashes(0, 0, canvas.m_dc.GetTextExtent("####", 4).cx, 40);
    pDraw->DrawTextWithEllipsis(&canvas.m_dc, "123456789012", -1, &hashes, DT_SINGLELINE, 2,
                                CRect(0, 0, 300, 40));
    CRect hashInk = canvas.Inked();
    canvas.Clear();
    canvas.m_dc.TextOut(0, 0, "####", 4);
    EXPECT_EQ(canvas.Inked(), hashInk);
}

TEST(GridDrawing, FramesAndInversion)
{
    MemoryCanvas canvas(20, 20);
    CGXDrawingAndFormatting* pDraw = GXGetDrawingAndFormatting();
    pDraw->Draw3dFrame(&canvas.m_dc, 0, 0, 20, 20, 2, RGB(255, 0, 0), RGB(0, 0, 255));
    struct Case
    {
        int x, y;
        COLORREF cr;
    } cases[] = {{0, 0, RGB(255, 0, 0)},   {1, 10, RGB(255, 0, 0)},    {19, 19, RGB(0, 0, 255)},
                 {18, 10, RGB(0, 0, 255)}, {2, 2, RGB(255, 255, 255)}, {10, 1, RGB(255, 0, 0)}};
    for (const Case& c : cases)
        EXPECT_EQ(c.cr, canvas.m_dc.GetPixel(c.x, c.y) & 0xFFFFFF) << c.x << "," << c.y;

    canvas.Clear();
    CRect rect(0, 0, 10, 10), clip(5, 5, 20, 20), apart(15, 15, 20, 20);
    GXInvertRect(&canvas.m_dc, &rect, &clip);
    EXPECT_EQ(0u, canvas.m_dc.GetPixel(6, 6) & 0xFFFFFF);
    EXPECT_EQ(0xFFFFFFu, canvas.m_dc.GetPixel(2, 2) & 0xFFFFFF);
    canvas.Clear();
    GXInvertRect(&canvas.m_dc, &rect, &apart); // they do not meet: nothing
    EXPECT_EQ(0xFFFFFFu, canvas.m_dc.GetPixel(2, 2) & 0xFFFFFF);
    GXFillSolidRectXYWH(&canvas.m_dc, 0, 0, 3, 3, 0xF9000000); // system colour resolved
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW) & 0xFFFFFF, canvas.m_dc.GetPixel(1, 1) & 0xFFFFFF);
}

TEST(GridDrawing, CharacterUnderAPoint)
{
    MemoryCanvas canvas(200, 40);
    CGXDrawingAndFormatting* pDraw = GXGetDrawingAndFormatting();
    CRect rect(0, 0, 200, 40);
    const int cxAb = canvas.m_dc.GetTextExtent("ab", 2).cx;
    EXPECT_EQ(2, pDraw->GetCharIndexFromPoint(&canvas.m_dc, "abcd", 4, &rect, 0, cxAb + 1, 2));
    EXPECT_EQ(-1, pDraw->GetCharIndexFromPoint(&canvas.m_dc, "abcd", 4, &rect, 0, 150, 2));
    EXPECT_EQ(-1, pDraw->GetCharIndexFromPoint(&canvas.m_dc, "abcd", 4, &rect, 0, 1, 39));
}
