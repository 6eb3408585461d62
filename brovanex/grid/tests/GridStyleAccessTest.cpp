// Composing a cell's style from the cell, row, column, table and base styles, generated
// header texts, the negative-number colour and the GDI and style caches.
#include "GridTestWindow.h"
#include "core/GXData.h"
#include "core/GXStylesMap.h"
#include "core/GXSysColorCache.h"
#include "res/GXResource.h"
#include <gtest/gtest.h>

namespace {
const COLORREF crCell = RGB(1, 0, 0), crRow = RGB(2, 0, 0), crCol = RGB(3, 0, 0),
               crTable = RGB(4, 0, 0);

void StoreInterior(CGXGridCore& grid, ROWCOL nRow, ROWCOL nCol, COLORREF cr, int nType)
{
    CGXStyle style;
    style.SetInterior(cr);
    ASSERT_TRUE(grid.StoreCellStyle(nRow, nCol, &style, gxOverride, nType));
}
} // namespace

TEST(GridStyleAccess, ComposesCellRowColumnTableInThatOrder)
{
    CGridTestWindow w(10, 10);
    CGXGridWnd& grid = w.Grid();
    // Cell (2,2) has its own; row 3, column 4 and the table have theirs.
    StoreInterior(grid, 2, 2, crCell, 0);
    StoreInterior(grid, 3, 0, crRow, -1);
    StoreInterior(grid, 0, 4, crCol, -1);
    StoreInterior(grid, 0, 0, crTable, -1);
    struct Case
    {
        ROWCOL nRow, nCol;
        COLORREF crExpected;
    } cases[] = {
        {2, 2, crCell}, // the cell wins over everything
        {3, 2, crRow}, // the row wins over the column and the table
        {3, 4, crRow},   {5, 4, crCol}, // the column wins over the table
        {5, 5, crTable}, // the table when nothing else says
    };
    CGXStyle style;
    for (const Case& c : cases) {
        grid.ComposeCellStyle(c.nRow, c.nCol, &style, TRUE);
        EXPECT_EQ(c.crExpected, style.GetInterior().GetColor()) << c.nRow << "," << c.nCol;
    }
    // Header cells take no row, column or table style: the header base style fills in.
    grid.ComposeCellStyle(0, 4, &style, TRUE);
    EXPECT_NE(crCol, style.GetInterior().GetColor());
    EXPECT_NE(crTable, style.GetInterior().GetColor());
    EXPECT_EQ(GX_IDS_CTRL_HEADER, style.GetControl());
    grid.ComposeCellStyle(3, 0, &style, TRUE);
    EXPECT_NE(crRow, style.GetInterior().GetColor());
    EXPECT_EQ(GX_IDS_CTRL_HEADER, style.GetControl());
}

TEST(GridStyleAccess, BaseStyleAndStandardStyleFillWhatTheCellLacks)
{
    CGridTestWindow w(5, 5);
    CGXGridWnd& grid = w.Grid();
    CGXStylesMap* pMap = grid.GetStylesMap();
    CGXStyle base;
    base.SetTextColor(RGB(0, 0, 200)).SetHorizontalAlignment(DT_RIGHT);
    WORD nBase = pMap->AddBaseStyle("Emphasis", base);
    ASSERT_NE(0, nBase);
    CGXStyle cell;
    cell.SetBaseStyle(nBase).SetHorizontalAlignment(DT_CENTER);
    grid.StoreCellStyle(2, 3, &cell);
    CGXStyle style;
    grid.ComposeCellStyle(2, 3, &style, TRUE);
    EXPECT_EQ((UINT)DT_CENTER, style.GetHorizontalAlignment()); // the cell's own
    EXPECT_EQ(RGB(0, 0, 200), style.GetTextColor()); // from its base style
    EXPECT_TRUE(style.GetInclude(gxFont)); // from the standard style
    grid.ComposeCellStyle(2, 3, &style, FALSE);
    EXPECT_FALSE(style.GetInclude(gxFont));
}

TEST(GridStyleAccess, HeadersShowColumnLettersAndRowNumbers)
{
    EXPECT_STREQ("A", CGXGridCore::ColumnLetters(1));
    EXPECT_STREQ("Z", CGXGridCore::ColumnLetters(26));
    EXPECT_STREQ("AA", CGXGridCore::ColumnLetters(27));
    EXPECT_STREQ("AB", CGXGridCore::ColumnLetters(28));
    EXPECT_STREQ("ZZ", CGXGridCore::ColumnLetters(702));
    EXPECT_STREQ("AAA", CGXGridCore::ColumnLetters(703));
    CGridTestWindow w(30, 30);
    EXPECT_STREQ("AB", w.Grid().GetCellValueText(0, 28));
    EXPECT_STREQ("17", w.Grid().GetCellValueText(17, 0));
}

TEST(GridStyleAccess, NegativeNumbersTakeTheAttributeColour)
{
    CGridTestWindow w(5, 5);
    CGXGridWnd& grid = w.Grid();
    const COLORREF crNegative = RGB(200, 0, 0);
    struct Case
    {
        const char* pszValue;
        BOOL bNegative;
    } cases[] = {{"-1", TRUE},  {"-0.5", TRUE}, {"0", FALSE},
                 {"12", FALSE}, {"abc", FALSE}, {"-1x", FALSE}};
    for (const Case& c : cases) {
        CGXStyle cell;
        cell.SetValue(c.pszValue).SetTextColor(RGB(0, 0, 0));
        cell.SetUserAttribute(GX_IDS_UA_NEGATIVECOLOR, (DWORD)crNegative);
        grid.StoreCellStyle(1, 1, &cell, gxCopy);
        CGXStyle style;
        grid.ComposeCellStyle(1, 1, &style, TRUE);
        EXPECT_EQ(c.bNegative ? crNegative : RGB(0, 0, 0), style.GetTextColor()) << c.pszValue;
    }
}

TEST(GridStyleAccess, ValueRangeAndCellTextStoreAndRedraw)
{
    CGridTestWindow w(8, 4);
    CGXGridWnd& grid = w.Grid();
    EXPECT_TRUE(grid.SetValueRange(CGXRange(2, 1, 3, 2), "v"));
    for (ROWCOL r = 2; r <= 3; ++r)
        for (ROWCOL c = 1; c <= 2; ++c)
            EXPECT_STREQ("v", grid.GetStoredCellValueText(r, c));
    EXPECT_STREQ("", grid.GetStoredCellValueText(4, 1));
    // A whole row's style is stored at the row level.
    CGXStyle style;
    style.SetInterior(RGB(9, 9, 9));
    EXPECT_TRUE(grid.SetStyleRange(CGXRange().SetRows(5), style));
    CGXStyle rowStyle;
    EXPECT_TRUE(grid.GetStyleRowCol(5, 0, rowStyle, gxCopy, -1));
    EXPECT_EQ(RGB(9, 9, 9), rowStyle.GetInterior().GetColor());
    EXPECT_EQ(8u, grid.GetRowCount());
}

TEST(GridStyleAccess, ReadOnlyGridRefusesStores)
{
    CGridTestWindow w(4, 4);
    CGXGridWnd& grid = w.Grid();
    grid.SetReadOnly(TRUE);
    EXPECT_TRUE(grid.IsReadOnly());
    CGXStyle style;
    style.SetValue("x");
    EXPECT_FALSE(grid.StoreCellStyle(1, 1, &style));
    EXPECT_FALSE(grid.InsertRows(1, 1));
    EXPECT_EQ(4u, grid.GetRowCount());
    grid.SetReadOnly(FALSE);
    EXPECT_TRUE(grid.StoreCellStyle(1, 1, &style));
}

TEST(GridStyleAccess, FontCacheIgnoresTheSharedHandleBitAndFreeListIsBounded)
{
    CGridTestWindow w(3, 3);
    CGXGridWnd& grid = w.Grid();
    CGXFont a;
    a.SetFaceName("Arial").SetSize(10);
    CGXFont b(a);
    a.GetLogFontRef(); // takes the shared reference: only the handle bit differs
    EXPECT_EQ(grid.FindOrMakeFont(a), grid.FindOrMakeFont(b));
    EXPECT_NE(nullptr, grid.FindOrMakeFont(a)->GetSafeHandle());

    grid.FlushDrawingCaches();
    const int nStart = grid.GetFreeStyleCount();
    std::vector<CGXStyle*> styles;
    for (int i = 0; i < 600; ++i)
        styles.push_back(new CGXStyle);
    for (CGXStyle* p : styles)
        grid.ReturnStyleObject(p);
    EXPECT_EQ(501, grid.GetFreeStyleCount());
    EXPECT_GE(501, nStart);
}

TEST(GridStyleAccess, SelectingTheSameFontAgainSelectsNothing)
{
    CGridTestWindow w(3, 3);
    CGXGridWnd& grid = w.Grid();
    CClientDC dc(&grid);
    const CGXStyle& standard = grid.GetStandardStyle();
    CFont* pOld = grid.SelectStyleFont(&dc, standard);
    ASSERT_NE(nullptr, pOld);
    EXPECT_EQ(nullptr, grid.SelectStyleFont(&dc, standard, &standard));
    CGXStyle noFont;
    EXPECT_EQ(nullptr, grid.SelectStyleFont(&dc, noFont, &standard));
    dc.SelectObject(pOld);
}

TEST(GridStyleAccess, ABrushOfASystemColourFollowsItAfterTheCachesAreEmptied)
{
    CGridTestWindow w(3, 3);
    CGXGridWnd& grid = w.Grid();
    CGXSysColorCache& colors = GXGetSysColorCache();
    if (colors.m_nCount <= COLOR_BTNFACE)
        colors.Refresh();
    ASSERT_GT(colors.m_nCount, COLOR_BTNFACE);
    const CGXBrush brush(BS_SOLID, GXSysColorRef(COLOR_BTNFACE), 0);
    auto colourOf = [&] {
        LOGBRUSH lb = {};
        grid.FindOrMakeBrush(brush)->GetObject(sizeof lb, &lb);
        return lb.lbColor & 0xFFFFFF;
    };
    const COLORREF crBefore = colourOf();
    EXPECT_EQ(GXResolveColor(GXSysColorRef(COLOR_BTNFACE)), crBefore);
    const DWORD dwSaved = colors.m_colors[COLOR_BTNFACE];
    colors.m_colors[COLOR_BTNFACE] = crBefore ^ 0x102030;
    EXPECT_EQ(crBefore, colourOf()); // cached until the caches are emptied
    grid.FlushDrawingCaches();
    EXPECT_EQ(crBefore ^ 0x102030, colourOf());
    colors.m_colors[COLOR_BTNFACE] = dwSaved;
    grid.FlushDrawingCaches();
}

TEST(GridStyleAccess, EmptyingTheCachesKeepsOnlyTheMarkedRowsAndColumns)
{
    CGridTestWindow w(6, 6);
    CGXGridWnd& grid = w.Grid();
    grid.FlushDrawingCaches();
    for (ROWCOL r = 1; r <= 6; ++r)
        for (ROWCOL c = 1; c <= 6; ++c)
            grid.GetCachedCellStyle(r, c);
    ASSERT_EQ(36, grid.GetCachedStyleCount());
    const CGXStyle* pKept = &grid.GetCachedCellStyle(2, 5);

    // Rows 2 and 4, column 5: 6 + 6 + 6 - 2 cells stay.
    grid.KeepCachedStyles(2, 4, 5, GX_INVALID);
    grid.FlushDrawingCaches();
    EXPECT_EQ(16, grid.GetCachedStyleCount());
    EXPECT_EQ(pKept, &grid.GetCachedCellStyle(2, 5)); // the very same object
    grid.GetCachedCellStyle(1, 1);
    EXPECT_EQ(17, grid.GetCachedStyleCount()); // made again

    // A changed cell composes anew once nothing is marked.
    grid.ReleaseKeptStyles();
    CGXStyle style;
    style.SetValue("changed");
    grid.GetData()->PutCellStyle(2, 5, &style, gxOverride, 0);
    EXPECT_EQ(CString(), grid.GetCachedCellStyle(2, 5).GetValue());
    grid.FlushDrawingCaches();
    EXPECT_EQ(0, grid.GetCachedStyleCount());
    EXPECT_EQ(CString("changed"), grid.GetCachedCellStyle(2, 5).GetValue());
}
