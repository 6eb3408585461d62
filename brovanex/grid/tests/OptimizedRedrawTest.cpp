// The redraw after rows change: what the window still has to paint is only the strip that
// changed; the rest was scrolled into place.
#include "ControlTestSupport.h"
#include "features/GXFeatureSwitches.h"
#include <cstdio>
#include <string>
#include <gtest/gtest.h>

namespace {
std::string Str(const CRect& r)
{
    char sz[64];
    snprintf(sz, sizeof sz, "(%ld,%ld)-(%ld,%ld)", (long)r.left, (long)r.top, (long)r.right,
             (long)r.bottom);
    return sz;
}

class OptimizedRedraw : public ::testing::Test
{
protected:
    OptimizedRedraw() : m_w((GXTestStartLibrary(), 60), 6)
    {
        GXImplementOptimizedUpdate(&grid());
        grid().SetRowHeight(0, 60, 20);
        grid().SetColWidth(0, 6, 50);
        grid().GetParam()->m_bNumberedRowHeaders = FALSE;
        Settle();
    }
    CGXGridWnd& grid() { return m_w.Grid(); }
    void Settle()
    {
        CGridTestWindow::Pump();
        grid().UpdateWindow();
    }
    CRect Pending()
    {
        CRect rect;
        if (!grid().GetUpdateRect(&rect, FALSE))
            rect.SetRectEmpty();
        return rect;
    }
    CGridTestWindow m_w;
};
} // namespace

TEST_F(OptimizedRedraw, ResizedRowInvalidatesOnlyItsOwnStrip)
{
    const CRect grid5 = grid().GetCellWindowRect(5, 1);
    const CRect rectGrid = grid().GetGridRect();
    ASSERT_TRUE(grid().SetRowHeight(5, 5, 40, nullptr, GX_SMART));
    EXPECT_EQ(Str(CRect(rectGrid.left, grid5.top, rectGrid.right, grid5.top + 40)), Str(Pending()));
    Settle();
    // Shrinking leaves the strip that scrolls in at the bottom to paint as well.
    ASSERT_TRUE(grid().SetRowHeight(5, 5, 10, nullptr, GX_SMART));
    const CRect pending = Pending();
    EXPECT_EQ(grid5.top, pending.top);
    EXPECT_EQ(rectGrid.bottom, pending.bottom);
    Settle();
    // A plain invalidation repaints everything as before.
    ASSERT_TRUE(grid().SetRowHeight(5, 5, 20, nullptr, GX_INVALIDATE));
    EXPECT_LE(Pending().top, rectGrid.top);
}

TEST_F(OptimizedRedraw, InsertedRowsScrollTheRowsBelowOrKeepTheRowsInView)
{
    const CRect rectGrid = grid().GetGridRect();
    const CRect row8 = grid().GetCellWindowRect(8, 1);
    ASSERT_TRUE(grid().InsertRows(8, 1, nullptr, nullptr, nullptr, 0, GX_SMART));
    EXPECT_EQ(
        Str(CRect(rectGrid.left, row8.top, rectGrid.right, row8.top + grid().GetRowHeight(8))),
        Str(Pending()));
    Settle();
    // Above the rows in view: the same rows stay in view and nothing is painted.
    grid().SetTopRow(20);
    Settle();
    ASSERT_TRUE(grid().InsertRows(3, 2, nullptr, nullptr, nullptr, 0, GX_SMART));
    EXPECT_EQ(22u, grid().GetTopRow());
    EXPECT_TRUE(Pending().IsRectEmpty());
    // Removing them again scrolls back the same way.
    Settle();
    ASSERT_TRUE(grid().RemoveRows(3, 4, GX_SMART));
    EXPECT_EQ(20u, grid().GetTopRow());
}
