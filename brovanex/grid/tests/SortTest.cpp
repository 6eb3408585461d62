// Sorting rows and columns: numbers, texts and dates, autodetected or given, ascending and
// descending, equal keys keeping their order; one undo step puts the rows back; a double
// click on a header sorts by it and reverses on the second click.
#include "GridTestWindow.h"
#include "features/GXCommandFactory.h"
#include "features/GXFeatureSwitches.h"
#include "features/GXLongOperationImp.h"
#include "features/GXSortInfo.h"
#include "fw_test_support.h"
#include <gtest/gtest.h>

namespace {
// Column 1 holds the key texts, column 2 the row's original number.
void FillKeys(CGXGridCore& grid, const std::vector<const char*>& texts)
{
    grid.SetRowCount((ROWCOL)texts.size());
    for (ROWCOL r = 1; r <= texts.size(); ++r) {
        grid.SetValueRange(CGXRange(r, 1, r, 1), texts[r - 1]);
        CString s;
        s.Format("%lu", r);
        grid.SetValueRange(CGXRange(r, 2, r, 2), s);
    }
}

CString Column(CGXGridCore& grid, ROWCOL nCol)
{
    CString s;
    for (ROWCOL r = 1; r <= grid.GetRowCount(); ++r)
        s += grid.GetValueRowCol(r, nCol) + (r < grid.GetRowCount() ? "|" : "");
    return s;
}

CGXSortKeyInfo Key(ROWCOL nRC, DWORD type, DWORD order, DWORD bCase = FALSE)
{
    CGXSortKeyInfo key = {};
    key.nRC = nRC;
    key.sortType = type;
    key.sortOrder = order;
    key.bCase = bCase;
    return key;
}

struct CSortGrid : CGridTestWindow
{
    CSortGrid(ROWCOL nRows, ROWCOL nCols) : CGridTestWindow(nRows, nCols)
    {
        GXImplementSort(&Grid());
        GXImplementUndoRedo(&Grid());
    }
};
} // namespace

TEST(GridSort, RowsSortByNumbersTextsAndDatesWithTheOriginalOrderBreakingTies)
{
    struct Case
    {
        const char* pszName;
        std::vector<const char*> texts;
        DWORD type, order;
        const char* pszKeys; // column 1 after the sort
        const char* pszRows; // column 2: where each row came from
        DWORD settled; // the key's type afterwards
    };
    const Case cases[] = {
        {"numbers, thousands separators and exponents",
         {"10", "9", "1,000", "100", "-2e3"},
         gxSortAutodetect,
         gxSortAscending,
         "-2e3|9|10|100|1,000",
         "5|2|1|4|3",
         gxSortNumeric},
        {"the same descending",
         {"10", "9", "1,000", "100", "-2e3"},
         gxSortAutodetect,
         gxSortDescending,
         "1,000|100|10|9|-2e3",
         "3|4|1|2|5",
         gxSortNumeric},
        {"numbers given as numeric",
         {"2,500", "1,000", "300"},
         gxSortNumeric,
         gxSortAscending,
         "300|1,000|2,500",
         "3|2|1",
         gxSortNumeric},
        {"numbers sorted as text",
         {"10", "9", "100"},
         gxSortAlphanumeric,
         gxSortAscending,
         "10|100|9",
         "1|3|2",
         gxSortAlphanumeric},
        {"one letter makes the key textual",
         {"10", "9", "x", "100"},
         gxSortAutodetect,
         gxSortAscending,
         "10|100|9|x",
         "1|4|2|3",
         gxSortAlphanumeric},
        {"texts ignore case",
         {"banana", "Apple", "cherry", "apple"},
         gxSortAutodetect,
         gxSortAscending,
         "Apple|apple|banana|cherry",
         "2|4|1|3",
         gxSortAlphanumeric},
        // These would pass as numbers too (2024 each): the dates decide.
        {"dates",
         {"2024-03-01", "2023-12-31", "2024-01-05"},
         gxSortAutodetect,
         gxSortAscending,
         "2023-12-31|2024-01-05|2024-03-01",
         "2|3|1",
         gxSortDateTime},
        {"dates descending",
         {"1/5/2024", "12/31/2023", "3/1/2024"},
         gxSortAutodetect,
         gxSortDescending,
         "3/1/2024|1/5/2024|12/31/2023",
         "3|1|2",
         gxSortDateTime},
        {"equal keys keep their order ascending",
         {"b", "a", "b", "a"},
         gxSortAutodetect,
         gxSortAscending,
         "a|a|b|b",
         "2|4|1|3",
         gxSortAlphanumeric},
        {"and descending",
         {"1", "2", "1", "2"},
         gxSortAutodetect,
         gxSortDescending,
         "2|2|1|1",
         "2|4|1|3",
         gxSortNumeric},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        CSortGrid w(1, 2);
        CGXGridWnd& grid = w.Grid();
        FillKeys(grid, c.texts);
        CGXSortInfoArray keys;
        keys.Add(Key(1, c.type, c.order));
        grid.SortRows(CGXRange().SetTable(), keys);
        EXPECT_STREQ(c.pszKeys, Column(grid, 1));
        EXPECT_STREQ(c.pszRows, Column(grid, 2));
        EXPECT_EQ(c.settled, keys[0].sortType);
    }
}

TEST(GridSort, TheSecondKeyDecidesBetweenRowsEqualInTheFirst)
{
    CSortGrid w(5, 3);
    CGXGridWnd& grid = w.Grid();
    FillKeys(grid, {"b", "a", "b", "a", "b"});
    const char* apszSecond[] = {"2", "7", "10", "1", "2"};
    for (ROWCOL r = 1; r <= 5; ++r)
        grid.SetValueRange(CGXRange(r, 3, r, 3), apszSecond[r - 1]);
    CGXSortInfoArray keys;
    keys.Add(Key(1, gxSortAlphanumeric, gxSortAscending));
    keys.Add(Key(3, gxSortAutodetect, gxSortDescending));
    grid.SortRows(CGXRange().SetRows(1, 5), keys);
    EXPECT_STREQ("2|4|3|1|5", Column(grid, 2));

    // Only the rows of the range move.
    keys.RemoveAll();
    keys.Add(Key(3, gxSortNumeric, gxSortAscending));
    grid.SortRows(CGXRange(2, 1, 4, 3), keys);
    EXPECT_STREQ("2|4|1|3|5", Column(grid, 2));
}

TEST(GridSort, OneUndoStepPutsTheRowsBackAndRedoSortsAgain)
{
    CSortGrid w(1, 2);
    CGXGridWnd& grid = w.Grid();
    FillKeys(grid, {"30", "1,000", "200", "4", "50"});
    CGXStyle red;
    red.SetInterior(RGB(255, 0, 0));
    grid.SetStyleRange(CGXRange(2, 1, 2, 1), red);
    CGXGridParam& param = *grid.GetParam();
    const INT_PTR nSteps = param.m_undoList.GetCount();

    CGXSortInfoArray keys;
    keys.Add(Key(1, gxSortAutodetect, gxSortDescending));
    grid.SortRows(CGXRange().SetTable(), keys);
    ASSERT_STREQ("1,000|200|50|30|4", Column(grid, 1));
    EXPECT_EQ(nSteps + 1, param.m_undoList.GetCount());
    // The whole cell moves: its style goes with its value.
    CGXStyle style;
    grid.ComposeStyleRowCol(1, 1, &style);
    EXPECT_EQ(RGB(255, 0, 0), style.GetInterior().GetColor());
    EXPECT_EQ(1u, param.m_nLastSortRowKey);
    EXPECT_EQ((ROWCOL)-1, param.m_nLastSortColKey);
    EXPECT_FALSE(param.m_bLastSortAscending);

    ASSERT_TRUE(grid.Undo());
    EXPECT_STREQ("30|1,000|200|4|50", Column(grid, 1));
    EXPECT_STREQ("1|2|3|4|5", Column(grid, 2));
    grid.ComposeStyleRowCol(2, 1, &style);
    EXPECT_EQ(RGB(255, 0, 0), style.GetInterior().GetColor());

    ASSERT_TRUE(grid.Redo());
    EXPECT_STREQ("1,000|200|50|30|4", Column(grid, 1));
    ASSERT_TRUE(grid.Undo());
    EXPECT_STREQ("1|2|3|4|5", Column(grid, 2));
}

TEST(GridSort, ColumnsSortByAKeyRow)
{
    CSortGrid w(2, 4);
    CGXGridWnd& grid = w.Grid();
    const char* apszKeys[] = {"pear", "fig", "apple", "fig"};
    for (ROWCOL c = 1; c <= 4; ++c) {
        grid.SetValueRange(CGXRange(1, c, 1, c), apszKeys[c - 1]);
        CString s;
        s.Format("%lu", c);
        grid.SetValueRange(CGXRange(2, c, 2, c), s);
    }
    CGXSortInfoArray keys;
    keys.Add(Key(1, gxSortAutodetect, gxSortAscending));
    grid.SortCols(CGXRange().SetTable(), keys);
    CString order;
    for (ROWCOL c = 1; c <= 4; ++c)
        order += grid.GetValueRowCol(2, c);
    EXPECT_STREQ("3241", order);
    EXPECT_EQ(1u, grid.GetParam()->m_nLastSortColKey);
    EXPECT_EQ((ROWCOL)-1, grid.GetParam()->m_nLastSortRowKey);

    ASSERT_TRUE(grid.Undo());
    order.Empty();
    for (ROWCOL c = 1; c <= 4; ++c)
        order += grid.GetValueRowCol(2, c);
    EXPECT_STREQ("1234", order);
}

TEST(GridSort, AHeaderDoubleClickSortsAndTheSameHeaderAgainReverses)
{
    CSortGrid w(1, 3);
    CGXGridWnd& grid = w.Grid();
    FillKeys(grid, {"b", "c", "a"});
    for (ROWCOL r = 1; r <= 3; ++r)
        grid.SetValueRange(CGXRange(r, 3, r, 3), r == 2 ? "1" : (r == 1 ? "3" : "2"));

    // Off until the parameter allows it.
    EXPECT_FALSE(grid.OnLButtonDblClkRowCol(0, 1, 0, CPoint()));
    EXPECT_STREQ("b|c|a", Column(grid, 1));

    grid.GetParam()->m_bSortRowsOnDblClk = TRUE;
    EXPECT_TRUE(grid.OnLButtonDblClkRowCol(0, 1, 0, CPoint()));
    EXPECT_STREQ("a|b|c", Column(grid, 1));
    EXPECT_TRUE(grid.OnLButtonDblClkRowCol(0, 1, 0, CPoint()));
    EXPECT_STREQ("c|b|a", Column(grid, 1));
    // Another column starts ascending again.
    EXPECT_TRUE(grid.OnLButtonDblClkRowCol(0, 3, 0, CPoint()));
    EXPECT_STREQ("1|2|3", Column(grid, 3));
    // A row header sorts columns only with its own setting.
    EXPECT_FALSE(grid.OnLButtonDblClkRowCol(1, 0, 0, CPoint()));
}

namespace {
// Every look at the clock is a second later: each row's check for input is due.
DWORD g_dwTicks = 0;
DWORD SecondsClock() { return g_dwTicks += 1000; }
} // namespace

TEST(GridSort, EscAsksAndYesLeavesTheRowsAsTheyWereWhileNoSortsOn)
{
    GXImplementLongOperation();
    GXLongOperationSettings& settings = GXGetLongOperationSettings();
    settings.pfnClock = SecondsClock;
    for (int nAnswer : {IDYES, IDNO}) {
        SCOPED_TRACE(nAnswer == IDYES ? "yes" : "no");
        CSortGrid w(1, 2);
        CGXGridWnd& grid = w.Grid();
        FillKeys(grid, {"3", "1", "2"});
        const INT_PTR nSteps = grid.GetParam()->m_undoList.GetCount();
        ASSERT_TRUE(::PostMessageA(grid.m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0));
        CMessageBoxRecorder boxes(nAnswer);
        CGXSortInfoArray keys;
        keys.Add(Key(1, gxSortAutodetect, gxSortAscending));
        grid.SortRows(CGXRange().SetTable(), keys);
        ASSERT_EQ(1u, boxes.Count());
        EXPECT_EQ((UINT)MB_YESNO, boxes.Request(0).nType & MB_TYPEMASK);
        EXPECT_FALSE(boxes.Text(0).empty());
        if (nAnswer == IDYES) {
            EXPECT_STREQ("3|1|2", Column(grid, 1));
            EXPECT_EQ(nSteps, grid.GetParam()->m_undoList.GetCount());
        } else {
            EXPECT_STREQ("1|2|3", Column(grid, 1));
            EXPECT_EQ(nSteps + 1, grid.GetParam()->m_undoList.GetCount());
        }
    }
    settings.pfnClock = nullptr;
}
