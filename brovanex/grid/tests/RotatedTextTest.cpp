// Rotated text: where it starts in the cell by the alignment, clipped to the cell, and
// rows fitted to its turned extent.
#include "ControlTestSupport.h"
#include "core/GXFont.h"
#include "features/GXDrawRotatedTextImp.h"
#include "features/GXFeatureSwitches.h"
#include "fw/gdi.h"
#include <gtest/gtest.h>

TEST(RotatedText, StartPointFollowsTheAlignment)
{
    const CRect rect(10, 20, 110, 220);
    const CSize extent(80, 16);
    struct Case
    {
        LONG lfOrientation;
        UINT nFormat;
        CPoint expected;
    };
    const Case cases[] = {
        {0, 0, CPoint(10, 28)}, // level text: half a line down
        {900, DT_BOTTOM, CPoint(10, 212)}, // upwards from half a line above the bottom
        {900, 0, CPoint(10, 108)}, // its end at the top edge
        {900, DT_VCENTER, CPoint(10, 160)},
        {-900, 0, CPoint(26, 20)}, // as 2700
        {2700, 0, CPoint(26, 20)},
        {1800, DT_RIGHT, CPoint(110, 20)}, // upside down, its start at the right
    };
    for (const Case& c : cases) {
        const CPoint pt =
            CGXDrawRotatedTextImp::StartPoint(rect, extent, c.nFormat, c.lfOrientation);
        EXPECT_EQ(c.expected.x, pt.x) << c.lfOrientation << " " << c.nFormat;
        EXPECT_EQ(c.expected.y, pt.y) << c.lfOrientation << " " << c.nFormat;
    }
}

TEST(RotatedText, DrawnInsideTheClipRectangleOnly)
{
    CClientDC screen(nullptr);
    CDC dc;
    dc.CreateCompatibleDC(&screen);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&screen, 200, 200);
    CBitmap* pOldBitmap = dc.SelectObject(&bitmap);
    dc.PatBlt(0, 0, 200, 200, WHITENESS);
    LOGFONT lf = {};
    lf.lfHeight = -16;
    lf.lfEscapement = lf.lfOrientation = 900;
    strcpy(lf.lfFaceName, "Arial");
    CFont font;
    font.CreateFontIndirect(&lf);
    CFont* pOldFont = dc.SelectObject(&font);
    dc.SetTextColor(RGB(0, 0, 0));
    dc.SetBkMode(TRANSPARENT);
    CGXDrawRotatedTextImp imp;
    const CRect cell(50, 50, 100, 100); // far shorter than the text
    imp.DrawRotatedText(&dc, "WWWWWWWWWWWWWWWW", -1, cell.left, cell.top, cell.right, cell.bottom,
                        DT_BOTTOM, 900, nullptr);
    int nInside = 0, nOutside = 0;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x)
            if ((dc.GetPixel(x, y) & 0xFFFFFF) != RGB(255, 255, 255))
                ++(cell.PtInRect(CPoint(x, y)) ? nInside : nOutside);
    EXPECT_GT(nInside, 20);
    EXPECT_EQ(0, nOutside);
    dc.SelectObject(pOldFont);
    dc.SelectObject(pOldBitmap);
}

TEST(RotatedText, RowsFitTheTurnedText)
{
    GXTestStartLibrary();
    CGridTestWindow w(10, 4);
    GXImplementResizeToFit(&w.Grid());
    CGXGridWnd& grid = w.Grid();
    const char* pszText = "a rotated caption";
    grid.SetStyleRange(CGXRange(2, 2, 2, 2),
                       CGXStyle().SetValue(pszText).SetFont(CGXFont().SetOrientation(900)));
    ASSERT_TRUE(grid.FitRowHeights(CGXRange().SetRows(2, 2)));
    // The row is as tall as the text is long (the font's own extent, level).
    CDC* pDC = grid.GetGridDC();
    CFont* pOld = grid.SelectStyleFont(pDC, grid.GetCachedCellStyle(2, 2));
    const int cx = pDC->GetTextExtent(pszText, (int)strlen(pszText)).cx;
    if (pOld != nullptr)
        pDC->SelectObject(pOld);
    grid.ResetGridDC();
    EXPECT_GE(grid.GetRowHeight(2), cx);
    EXPECT_LT(grid.GetRowHeight(2), cx + 20);
}
