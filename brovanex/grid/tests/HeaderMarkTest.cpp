// The headers of the current cell draw marked: which header cells are marked, and moving the
// current cell draws again the headers of the cell it left and of the cell it reached, and
// no others.
#include "ControlTestSupport.h"
#include "GridKeyboard.h"
#include "controls/GXControl.h"
#include "core/GXProperties.h"
#include "features/GXFeatureSwitches.h"
#include <gtest/gtest.h>

namespace {
class GridHeaderMarks : public ::testing::Test
{
protected:
    GridHeaderMarks() : m_w((GXTestStartLibrary(), 30), 8)
    {
        GXImplementMarkEditHeader(&Grid());
        Grid().SetFocus();
        CGridKeyboard::Dispatch();
    }
    CGXGridWnd& Grid() { return m_w.Grid(); }
    BOOL Marked(ROWCOL nRow, ROWCOL nCol)
    {
        CGXControl* pControl = Grid().GetControl(nRow, nCol);
        return pControl != nullptr &&
            pControl->OnMarkEditHeaderKey(nRow, nCol, Grid().LookupStyleRowCol(nRow, nCol));
    }
    // Whether the window will paint the middle of the cell.
    BOOL Dirty(ROWCOL nRow, ROWCOL nCol)
    {
        CRgn rgn;
        rgn.CreateRectRgn(0, 0, 0, 0);
        Grid().GetUpdateRgn(&rgn, FALSE);
        return rgn.PtInRegion(Grid().CalcRectFromRowCol(nRow, nCol).CenterPoint());
    }
    CGridTestWindow m_w;
};
} // namespace

TEST_F(GridHeaderMarks, TheCurrentCellsHeadersAreMarked)
{
    ASSERT_TRUE(Grid().SetCurrentCell(3, 4));
    struct Case
    {
        ROWCOL nRow, nCol;
        BOOL bMarked;
    };
    const Case cases[] = {{3, 0, TRUE},  {0, 4, TRUE},  {4, 0, FALSE},
                          {2, 0, FALSE}, {0, 3, FALSE}, {0, 0, FALSE}};
    for (const Case& c : cases)
        EXPECT_EQ(c.bMarked, Marked(c.nRow, c.nCol)) << c.nRow << "," << c.nCol;

    // Whole-row selection mode marks no row header; each property switches its own marks.
    Grid().GetParam()->SetRowSelectionMode(2);
    EXPECT_FALSE(Marked(3, 0));
    EXPECT_TRUE(Marked(0, 4));
    Grid().GetParam()->SetRowSelectionMode(0);
    Grid().GetProperties()->m_abDisplay[1] = FALSE;
    EXPECT_TRUE(Marked(3, 0));
    EXPECT_FALSE(Marked(0, 4));
}

TEST_F(GridHeaderMarks, MovingTheCurrentCellRedrawsTheOldAndNewHeaders)
{
    ASSERT_TRUE(Grid().SetCurrentCell(3, 3));
    Grid().UpdateWindow();
    ASSERT_TRUE(Grid().SetCurrentCell(5, 4, GX_INVALIDATE));
    EXPECT_TRUE(Dirty(3, 0));
    EXPECT_TRUE(Dirty(5, 0));
    EXPECT_TRUE(Dirty(0, 3));
    EXPECT_TRUE(Dirty(0, 4));
    EXPECT_FALSE(Dirty(4, 0));
    EXPECT_FALSE(Dirty(0, 5));
    EXPECT_FALSE(Dirty(0, 0));

    // The marked header looks pressed: it differs from the same header unmarked.
    Grid().UpdateWindow();
    const CRect rect = Grid().CalcRectFromRowCol(5, 0);
    auto pixels = [&]() {
        CClientDC dc(&Grid());
        std::vector<COLORREF> v;
        for (int y = rect.top; y < rect.bottom; ++y)
            for (int x = rect.left; x < rect.right; ++x)
                v.push_back(dc.GetPixel(x, y));
        return v;
    };
    const std::vector<COLORREF> marked = pixels();
    ASSERT_TRUE(Grid().SetCurrentCell(6, 4));
    EXPECT_TRUE(marked != pixels());

    // With both properties off a move draws no header again.
    Grid().GetProperties()->m_abDisplay[0] = FALSE;
    Grid().GetProperties()->m_abDisplay[1] = FALSE;
    Grid().UpdateWindow();
    ASSERT_TRUE(Grid().SetCurrentCell(2, 2, GX_INVALIDATE));
    EXPECT_FALSE(Dirty(6, 0));
    EXPECT_FALSE(Dirty(2, 0));
    EXPECT_FALSE(Dirty(0, 4));
    EXPECT_FALSE(Dirty(0, 2));
}
