// The alternate drawing path: a grid drawn row by row with shared backgrounds filled in
// runs looks as the normal paint pass draws it, spanned blocks included, and keeps that
// path once taken.
#include "ControlTestSupport.h"
#include "features/GXFeatureSwitches.h"
#include "features/GXGridMergeCellsImp.h"
#include <gtest/gtest.h>
#include <vector>

namespace {
std::vector<COLORREF> Pixels(CGridTestWindow& w, const CRect& rect)
{
    std::vector<COLORREF> pixels;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            pixels.push_back(w.Pixel(x, y));
    return pixels;
}
} // namespace

TEST(OldDrawing, DrawsWhatTheNormalPassDrawsAndStaysOnceTaken)
{
    GXTestStartLibrary();
    CGridTestWindow w(8, 6, 400, 240);
    CGXGridWnd& grid = w.Grid();
    GXImplementOldDrawing(&grid);
    GXImplementCoveredCells(&grid);
    GXImplementMergeCells(&grid);
    GXImplementFloatCells(&grid);
    grid.SetRowHeight(0, 8, 20);
    grid.SetColWidth(0, 6, 50);
    CGXStyle blue, green, merged, text;
    blue.SetInterior(RGB(0, 0, 255));
    green.SetInterior(RGB(0, 255, 0)).SetValue("g");
    merged.SetInterior(RGB(255, 255, 0)).SetValue("M").SetMergeCell(gxMergeVertical);
    text.SetValue("a text that floats on");
    grid.SetStyleRange(CGXRange(1, 1, 2, 3), blue); // a run over two rows
    grid.SetStyleRange(CGXRange(3, 2, 3, 2), green); // a single cell
    grid.SetStyleRange(CGXRange(4, 5, 7, 5), merged);
    grid.SetStyleRange(CGXRange(6, 1, 6, 1), text);
    grid.SetStyleRange(CGXRange(4, 1, 4, 1), green);
    ASSERT_TRUE(grid.SetCoveredCells(4, 1, 5, 3));
    grid.SetMergeCellsMode(gxMergeDelayed);
    grid.SetFloatCellsMode(1);
    CRect rect;
    grid.GetClientRect(&rect);

    w.Capture();
    const std::vector<COLORREF> normal = Pixels(w, rect);
    EXPECT_FALSE(grid.m_bOldDrawingUsed);
    ASSERT_EQ(RGB(0, 0, 255),
              w.Pixel(grid.GetCellWindowRect(2, 2).CenterPoint().x,
                      grid.GetCellWindowRect(2, 2).CenterPoint().y));

    grid.GetParam()->m_bOldDrawing = TRUE; // every cell draws its own background
    w.Capture();
    EXPECT_TRUE(grid.m_bOldDrawingUsed);
    EXPECT_EQ(normal, Pixels(w, rect));

    // The setting off again: the path stays, now filling shared backgrounds in runs.
    grid.GetParam()->m_bOldDrawing = FALSE;
    w.Capture();
    EXPECT_TRUE(grid.m_bOldDrawingUsed);
    EXPECT_EQ(normal, Pixels(w, rect));
    // Scrolled so that the merged and covered blocks are cut by the window's top edge.
    grid.SetTopRow(5);
    w.Capture();
    const std::vector<COLORREF> oldScrolled = Pixels(w, rect);
    grid.m_bOldDrawingUsed = FALSE;
    w.Capture();
    EXPECT_EQ(Pixels(w, rect), oldScrolled);
}
