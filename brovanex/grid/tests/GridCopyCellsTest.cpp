// Clearing cells, copying and moving blocks inside a grid, and the direct paste that copies
// or moves the last copied ranges without going through the clipboard's data.
#include "ExchangeTestSupport.h"
#include "fw_test_support.h"

TEST(GridClearCells, ValuesGoFormatsStayStylesGoWhole)
{
    CExchangeGrid g(4, 3);
    g.Fill(1, 1, "a,b,c|d,e,f");
    CGXStyle colour;
    colour.SetInterior(RGB(9, 8, 7));
    g.Grid().SetStyleRange(CGXRange(1, 1, 2, 3), colour);
    CGXStyle style;

    g.Select(CGXRange(1, 1, 1, 2));
    ASSERT_TRUE(g.Grid().CanClear());
    ASSERT_TRUE(g.Grid().Clear(FALSE));
    EXPECT_STREQ(".,.,c|d,e,f", g.Values(CGXRange(1, 1, 2, 3)));
    g.Grid().ComposeStyleRowCol(1, 1, &style);
    EXPECT_EQ(RGB(9, 8, 7), style.GetInterior().GetColor());

    g.Unselect();
    g.Select(CGXRange().SetRows(2));
    ASSERT_TRUE(g.Grid().Clear(TRUE));
    EXPECT_STREQ(".,.,c|.,.,.", g.Values(CGXRange(1, 1, 2, 3)));
    g.Grid().ComposeStyleRowCol(2, 1, &style);
    EXPECT_NE(RGB(9, 8, 7), style.GetInterior().GetColor());

    // Nothing selected: the current cell alone.
    g.Unselect();
    g.Grid().SetCurrentCell(1, 3);
    ASSERT_TRUE(g.Grid().Clear(FALSE));
    EXPECT_STREQ(".,.,.", g.Values(CGXRange(1, 1, 1, 3)));

    g.Grid().SetReadOnly(TRUE);
    EXPECT_FALSE(g.Grid().CanClear());
}

TEST(GridCopyCells, OverlappingCopiesAndMovesDoNotSmear)
{
    CExchangeGrid g(5, 5);
    g.Fill(1, 1, "a,b,c|d,e,f|g,h,i");
    ASSERT_TRUE(g.Grid().CopyCells(CGXRange(1, 1, 2, 2), 2, 2));
    EXPECT_STREQ("a,b,c|d,a,b|g,d,e", g.Values(CGXRange(1, 1, 3, 3)));
    ASSERT_TRUE(g.Grid().MoveCells(CGXRange(2, 2, 3, 3), 3, 3));
    EXPECT_STREQ("a,b,c,.|d,.,.,.|g,.,a,b|.,.,d,e", g.Values(CGXRange(1, 1, 4, 4)));

    g.Grid().SetReadOnly(TRUE);
    EXPECT_FALSE(g.Grid().CopyCells(CGXRange(1, 1, 1, 1), 5, 5));
    EXPECT_FALSE(g.Grid().MoveCells(CGXRange(1, 1, 1, 1), 5, 5));
    EXPECT_STREQ(".", g.Values(CGXRange(5, 5, 5, 5)));
}

TEST(GridCopyCells, DirectPasteClosesTheGapsBetweenCopiedRanges)
{
    CExchangeGrid g(14, 2);
    g.Fill(1, 1, "1|2|3|4|5|6|7");
    CGXGridParam* pParam = g.Grid().GetParam();
    pParam->m_bDirectCopy = TRUE;
    pParam->m_bDirectPaste = TRUE;
    g.Select(CGXRange(2, 1, 3, 1));
    g.Select(CGXRange(6, 1, 7, 1));
    ASSERT_TRUE(g.Grid().Copy());
    g.Unselect();
    g.Grid().SetCurrentCell(10, 1);
    ASSERT_TRUE(g.Grid().Paste());
    EXPECT_STREQ("2|3|6|7|.", g.Values(CGXRange(10, 1, 14, 1)));
    EXPECT_STREQ("1|2|3|4|5|6|7", g.Values(CGXRange(1, 1, 7, 1)));
}

TEST(GridCopyCells, ACutInDirectMoveModeWaitsForItsPaste)
{
    CExchangeGrid g(8, 1);
    g.Fill(1, 1, "a|b|c");
    CGXGridParam* pParam = g.Grid().GetParam();
    pParam->m_bDirectMove = TRUE;
    pParam->m_bDirectPaste = TRUE;
    g.Select(CGXRange(1, 1, 2, 1));
    ASSERT_TRUE(g.Grid().Cut());
    EXPECT_TRUE(pParam->m_bCutPending);
    EXPECT_STREQ("a|b|c", g.Values(CGXRange(1, 1, 3, 1)));

    // A copy in between cancels the pending cut.
    ASSERT_TRUE(g.Grid().Copy());
    EXPECT_FALSE(pParam->m_bCutPending);

    ASSERT_TRUE(g.Grid().Cut());
    g.Unselect();
    g.Grid().SetCurrentCell(5, 1);
    ASSERT_TRUE(g.Grid().Paste());
    EXPECT_STREQ(".|.|c|.|a|b", g.Values(CGXRange(1, 1, 6, 1)));
    EXPECT_FALSE(pParam->m_bCutPending);
}

TEST(GridCopyCells, CopiesAndMovesAreUndoneAndRedoneInOneStepEach)
{
    CExchangeGrid g(5, 5);
    GXImplementUndoRedo(&g.Grid());
    g.Fill(1, 1, "a,b,c|d,e,f|g,h,i");
    CGXStyle green;
    green.SetInterior(RGB(0, 200, 0));
    g.Grid().SetStyleRange(CGXRange(3, 3, 3, 3), green);
    CGXGridParam& param = *g.Grid().GetParam();
    const char* const pszStart = "a,b,c,.|d,e,f,.|g,h,i,.|.,.,.,.";
    CGXStyle style;

    // A copy over part of its own block: undo gives the destination's cells back, styles too.
    INT_PTR nSteps = param.m_undoList.GetCount();
    ASSERT_TRUE(g.Grid().CopyCells(CGXRange(1, 1, 2, 2), 2, 2));
    EXPECT_STREQ("a,b,c,.|d,a,b,.|g,d,e,.|.,.,.,.", g.Values(CGXRange(1, 1, 4, 4)));
    EXPECT_EQ(nSteps + 1, param.m_undoList.GetCount());
    ASSERT_TRUE(g.Grid().Undo());
    EXPECT_STREQ(pszStart, g.Values(CGXRange(1, 1, 4, 4)));
    g.Grid().ComposeStyleRowCol(3, 3, &style);
    EXPECT_EQ(RGB(0, 200, 0), style.GetInterior().GetColor());
    ASSERT_TRUE(g.Grid().Redo());
    EXPECT_STREQ("a,b,c,.|d,a,b,.|g,d,e,.|.,.,.,.", g.Values(CGXRange(1, 1, 4, 4)));
    ASSERT_TRUE(g.Grid().Undo());

    // A move over part of its own block: undo puts the overwritten cells back as well.
    nSteps = param.m_undoList.GetCount();
    ASSERT_TRUE(g.Grid().MoveCells(CGXRange(1, 1, 2, 2), 2, 2));
    EXPECT_STREQ(".,.,c,.|.,a,b,.|g,d,e,.|.,.,.,.", g.Values(CGXRange(1, 1, 4, 4)));
    EXPECT_EQ(nSteps + 1, param.m_undoList.GetCount());
    ASSERT_TRUE(g.Grid().Undo());
    EXPECT_STREQ(pszStart, g.Values(CGXRange(1, 1, 4, 4)));
    g.Grid().ComposeStyleRowCol(3, 3, &style);
    EXPECT_EQ(RGB(0, 200, 0), style.GetInterior().GetColor());
    ASSERT_TRUE(g.Grid().Redo());
    EXPECT_STREQ(".,.,c,.|.,a,b,.|g,d,e,.|.,.,.,.", g.Values(CGXRange(1, 1, 4, 4)));
    ASSERT_TRUE(g.Grid().Undo());
    EXPECT_STREQ(pszStart, g.Values(CGXRange(1, 1, 4, 4)));

    // A move onto a cell with a style of its own: the style comes back with the undo.
    ASSERT_TRUE(g.Grid().MoveCells(CGXRange(1, 1, 1, 1), 3, 3));
    g.Grid().ComposeStyleRowCol(3, 3, &style);
    EXPECT_NE(RGB(0, 200, 0), style.GetInterior().GetColor());
    ASSERT_TRUE(g.Grid().Undo());
    EXPECT_STREQ(pszStart, g.Values(CGXRange(1, 1, 4, 4)));
    g.Grid().ComposeStyleRowCol(3, 3, &style);
    EXPECT_EQ(RGB(0, 200, 0), style.GetInterior().GetColor());
}

namespace {
// Every look at the clock is a second later: each cell's check for input is due.
DWORD g_dwClearTicks = 0;
DWORD ClearClock() { return g_dwClearTicks += 1000; }
} // namespace

TEST(GridClearCells, EscAsksAndRetryRollsBackWhileAbortKeepsWhatWasCleared)
{
    GXLongOperationSettings& settings = GXGetLongOperationSettings();
    settings.pfnClock = ClearClock;
    struct Case
    {
        int nAnswer;
        const char* pszAfter;
    } cases[] = {
        {IDRETRY, "a,b|c,d"}, // rolled back: every cell as it was
        {IDABORT, ".,b|c,d"}, // stopped after the first cell
        {IDIGNORE, ".,.|.,."}, // goes on
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nAnswer);
        CExchangeGrid g(3, 3);
        GXImplementUndoRedo(&g.Grid());
        g.Fill(1, 1, "a,b|c,d");
        g.Select(CGXRange(1, 1, 2, 2));
        ASSERT_TRUE(::PostMessageA(g.Grid().m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0));
        CMessageBoxRecorder boxes(c.nAnswer);
        EXPECT_EQ(c.nAnswer == IDIGNORE, g.Grid().Clear(FALSE));
        ASSERT_EQ(1u, boxes.Count());
        EXPECT_EQ((UINT)MB_ABORTRETRYIGNORE, boxes.Request(0).nType & MB_TYPEMASK);
        EXPECT_STREQ(c.pszAfter, g.Values(CGXRange(1, 1, 2, 2)));
    }
    settings.pfnClock = nullptr;
}
