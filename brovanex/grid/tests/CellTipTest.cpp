// Cell tips: which cells need one (text wider than the cell, a bitmap larger than it), of
// which kind, and the tip window laid over the cell showing the whole text.
#include "ControlTestSupport.h"
#include "controls/GXCellTip.h"
#include "core/GXSysColorCache.h"
#include <gtest/gtest.h>

namespace {
class CellTips : public ::testing::Test
{
protected:
    CellTips() : m_w((GXTestStartLibrary(), 6), 4)
    {
        grid().SetColWidth(1, 4, 50);
        grid().SetRowHeight(1, 6, 22);
    }
    CGXGridWnd& grid() { return m_w.Grid(); }
    // The cell's own control, with tips.
    CGXControl* TipsOf(ROWCOL nRow, ROWCOL nCol)
    {
        CGXControl* pControl = grid().GetControl(nRow, nCol);
        pControl->ImplementCellTips();
        return pControl;
    }
    DWORD Needs(ROWCOL nRow, ROWCOL nCol)
    {
        return TipsOf(nRow, nCol)->NeedsCellTip(nRow, nCol, grid().GetCachedCellStyle(nRow, nCol));
    }
    CGridTestWindow m_w;
};
} // namespace

TEST_F(CellTips, TextWiderThanItsCellNeedsATip)
{
    const char* const pszLong = "A text much wider than its cell";
    grid().SetStyleRange(CGXRange(1, 1, 1, 1),
                         CGXStyle().SetControl(52513).SetWrapText(FALSE).SetValue(pszLong));
    grid().SetStyleRange(CGXRange(2, 1, 2, 1),
                         CGXStyle().SetControl(52513).SetWrapText(FALSE).SetValue("ab"));
    grid().SetStyleRange(CGXRange(3, 1, 3, 1),
                         CGXStyle().SetControl(52513).SetValue(pszLong).SetWrapText(TRUE));
    grid().SetStyleRange(
        CGXRange(4, 1, 4, 1),
        CGXStyle().SetControl(52513).SetWrapText(FALSE).SetValue(pszLong).SetHorizontalAlignment(
            DT_RIGHT));
    EXPECT_EQ(Needs(1, 1) & gxTipWider, (DWORD)gxTipWider);
    EXPECT_EQ(Needs(2, 1), 0u);
    EXPECT_EQ(Needs(3, 1), 0u); // wrapped text shows itself
    EXPECT_EQ(Needs(4, 1) & gxTipWider, (DWORD)gxTipWider);
    EXPECT_EQ(TipsOf(1, 1)->GetCellTipKind(1, 1, grid().GetCachedCellStyle(1, 1)),
              (int)CGXCellTipWnd::kindText);
    // A control without tips needs none.
    CGXControl* pHeader = grid().GetControl(0, 1);
    EXPECT_EQ(pHeader->NeedsCellTip(1, 1, grid().GetCachedCellStyle(1, 1)), 0u);
}

TEST_F(CellTips, BitmapCellsGetBitmapTips)
{
    // The flat check strip (65 x 13) in a 50-pixel cell.
    grid().SetStyleRange(CGXRange(1, 2, 1, 2),
                         CGXStyle().SetControl(52513).SetWrapText(FALSE).SetValue("#BMP(20026)"));
    const CGXStyle& style = grid().GetCachedCellStyle(1, 2);
    EXPECT_EQ(TipsOf(1, 2)->GetCellTipKind(1, 2, style), (int)CGXCellTipWnd::kindBitmap);
    EXPECT_EQ(TipsOf(1, 2)->NeedsCellTip(1, 2, style) & gxTipWider, (DWORD)gxTipWider);
    grid().SetColWidth(2, 2, 120);
    EXPECT_EQ(TipsOf(1, 2)->NeedsCellTip(1, 2, grid().GetCachedCellStyle(1, 2)) & gxTipWider, 0u);
    // The same text in an edit cell is text.
    grid().SetStyleRange(CGXRange(3, 2, 3, 2),
                         CGXStyle().SetControl(52512).SetWrapText(FALSE).SetValue("#BMP(20026)"));
    EXPECT_EQ(TipsOf(3, 2)->GetCellTipKind(3, 2, grid().GetCachedCellStyle(3, 2)),
              (int)CGXCellTipWnd::kindText);
    // An unknown bitmap needs no tip.
    grid().SetStyleRange(CGXRange(2, 2, 2, 2),
                         CGXStyle().SetControl(52513).SetWrapText(FALSE).SetValue("#BMP(1)"));
    EXPECT_EQ(TipsOf(2, 2)->NeedsCellTip(2, 2, grid().GetCachedCellStyle(2, 2)), 0u);
}

TEST_F(CellTips, TipWindowShowsTheWholeTextOverTheCell)
{
    const char* const pszLong = "A text much wider than its cell";
    grid().SetStyleRange(CGXRange(2, 1, 2, 1),
                         CGXStyle().SetControl(52513).SetWrapText(FALSE).SetValue(pszLong));
    const CGXStyle& style = grid().GetCachedCellStyle(2, 1);
    CGXTextCellTipWnd tip;
    ASSERT_TRUE(tip.CreateTip(&grid()));
    TipsOf(2, 1)->InitCellTipWnd(2, 1, style, &tip);
    EXPECT_STREQ(tip.m_strText, pszLong);

    CRect rectTip, rectCell = grid().GetCellWindowRect(2, 1);
    tip.GetWindowRect(&rectTip);
    grid().ClientToScreen(&rectCell);
    CSize sizeText;
    {
        CClientDC dc(&grid());
        CFont* pOld = dc.SelectObject(grid().FindOrMakeFont(style.GetFont()));
        sizeText = dc.GetTextExtent(pszLong);
        dc.SelectObject(pOld);
    }
    EXPECT_NEAR(rectTip.left, rectCell.left, 2);
    EXPECT_NEAR(rectTip.top, rectCell.top, 2);
    EXPECT_GT(rectTip.Width(), rectCell.Width());
    EXPECT_GE(rectTip.Width(), sizeText.cx);
    EXPECT_FALSE(tip.IsWindowVisible()); // laid out hidden: the grid window shows it

    tip.SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    tip.UpdateWindow();
    // The painted tip: info background, info text and a black frame.
    CClientDC dc(&tip);
    CRect rectClient;
    tip.GetClientRect(&rectClient);
    const COLORREF crBack = ::GetSysColor(COLOR_INFOBK) & 0xFFFFFF;
    const COLORREF crText = ::GetSysColor(COLOR_INFOTEXT) & 0xFFFFFF;
    int nBack = 0, nText = 0;
    for (int y = 1; y < rectClient.bottom - 1; ++y)
        for (int x = 1; x < rectClient.right - 1; ++x) {
            const COLORREF cr = dc.GetPixel(x, y) & 0xFFFFFF;
            nBack += cr == crBack;
            nText += cr == crText;
        }
    EXPECT_GT(nBack, rectClient.Width() * 2);
    EXPECT_GT(nText, sizeText.cx / 2); // text all along the tip
    EXPECT_EQ(dc.GetPixel(0, 0) & 0xFFFFFF, 0u);
    tip.DestroyWindow();
}

TEST(TabbedBitmaps, LargestBitmapOfTheChosenFieldsIsMeasured)
{
    GXTestStartLibrary();
    // The flat check strip is 65 x 13, the 3D radio strip 28 x 26.
    struct Case
    {
        const char* pszLine;
        BOOL bFirstOnly;
        int nColumn, nCount;
        CSize size;
    } cases[] = {
        {"#BMP(20026)\t#BMP(20019)", TRUE, 0, 0, CSize(65, 13)},
        {"text\t#BMP(20019)", TRUE, 0, 0, CSize(0, 0)},
        {"#BMP(20026)\t#BMP(20019)", FALSE, 1, 1, CSize(28, 26)},
        {"#BMP(20026)\t#BMP(20019)", FALSE, 0, 2, CSize(65, 26)},
        {"#BMP(20026)\tx", FALSE, 2, 5, CSize(0, 0)},
    };
    for (const auto& c : cases) {
        CSize size(0, 0);
        GXMeasureTabbedBitmaps(c.pszLine, size, c.bFirstOnly, c.nColumn, c.nCount);
        EXPECT_EQ(size.cx, c.size.cx) << c.pszLine << " " << c.nColumn;
        EXPECT_EQ(size.cy, c.size.cy) << c.pszLine << " " << c.nColumn;
    }
}
