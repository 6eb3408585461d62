// Cut, copy and paste of cell text through the clipboard, between grids, into grids too
// small, with more than one range selected, and the text bounded by its block.
#include "ExchangeTestSupport.h"
#include "fw_test_support.h"

TEST(GridClipboard, CopyABlockAndPasteItIntoAnotherGrid)
{
    CExchangeGrid a(6, 4), b(8, 6);
    a.Fill(1, 1, "a,b,c|d,e,f|g,h,i");
    a.Select(CGXRange(1, 1, 2, 3));
    ASSERT_TRUE(a.Grid().CanCopy());
    ASSERT_TRUE(a.Grid().Copy());
    EXPECT_STREQ("a\tb\tc\r\nd\te\tf\r\n", ClipboardText());

    b.Grid().SetCurrentCell(4, 2);
    ASSERT_TRUE(b.Grid().CanPaste());
    ASSERT_TRUE(b.Grid().Paste());
    EXPECT_STREQ(".,.,.,.|.,a,b,c|.,d,e,f|.,.,.,.", b.Values(CGXRange(3, 1, 6, 4)));
}

TEST(GridClipboard, CopyWritesRangesWithoutGapsAndCellsOnOneLine)
{
    CExchangeGrid g(6, 3);
    g.Fill(1, 1, "a,b,c|d,e,f|g,h,i|j,k,l|m,n,o");
    // Rows 1-2 and 4-5 export as four rows with no gap.
    g.Select(CGXRange(1, 1, 2, 2));
    g.Select(CGXRange(4, 1, 5, 2));
    ASSERT_TRUE(g.Grid().Copy());
    EXPECT_STREQ("a\tb\r\nd\te\r\nj\tk\r\nm\tn\r\n", ClipboardText());
    EXPECT_EQ(4u, g.Grid().m_nLastExportRows);
    EXPECT_EQ(2u, g.Grid().m_nLastExportCols);

    // One cell alone: its text without a line break; its line breaks as one blank, or as
    // escapes when asked for.
    g.Unselect();
    g.Grid().SetValueRange(CGXRange(6, 1, 6, 1), "two\r\nlines");
    g.Grid().SetCurrentCell(6, 1);
    ASSERT_TRUE(g.Grid().Copy());
    EXPECT_STREQ("two lines", ClipboardText());
    g.Grid().m_nClipboardFlags |= GX_CLIP_ESCAPES;
    ASSERT_TRUE(g.Grid().Copy());
    EXPECT_STREQ("two\\r\\nlines", ClipboardText());
}

TEST(GridClipboard, PastedTextAddsRowsUnlessTheGridForbidsIt)
{
    for (BOOL bNoAdd : {FALSE, TRUE}) {
        CExchangeGrid g(4, 3);
        if (bNoAdd)
            g.Grid().m_nClipboardFlags |= GX_CLIP_NOADDROWS | GX_CLIP_NOADDCOLS;
        const char text[] = "1\t2\t3\t4\r\n5\t6\t7\t8\r\n9\t10\t11\t12\r\n";
        PutClipboardBytes(text, sizeof(text));
        g.Grid().SetCurrentCell(3, 2);
        ASSERT_TRUE(g.Grid().Paste() || bNoAdd);
        if (bNoAdd) {
            EXPECT_EQ(4u, g.Grid().GetRowCount());
            EXPECT_EQ(3u, g.Grid().GetColCount());
            EXPECT_STREQ("1,2|5,6", g.Values(CGXRange(3, 2, 4, 3)));
        } else {
            // No empty row for the closing line break.
            EXPECT_EQ(5u, g.Grid().GetRowCount());
            EXPECT_EQ(5u, g.Grid().GetColCount());
            EXPECT_STREQ("1,2,3,4|5,6,7,8|9,10,11,12", g.Values(CGXRange(3, 2, 5, 5)));
        }
    }
}

TEST(GridClipboard, PastedTextEndsWithItsBlock)
{
    CExchangeGrid g(4, 4);
    // The text of a block ends at the block's size even without a closing zero.
    EXPECT_TRUE(g.Grid().ImportText("p\tq\r\nr", 3, 3, 1, GX_INVALIDATE));
    EXPECT_STREQ("p,q|.,.", g.Values(CGXRange(3, 1, 4, 2)));
    EXPECT_TRUE(g.Grid().ImportText("s\tt\r\nu", 6, 1, 1, GX_INVALIDATE));
    EXPECT_STREQ("s,t|u,.", g.Values(CGXRange(1, 1, 2, 2)));
}

TEST(GridClipboard, PasteIntoTwoRangesSaysItCannotAndPastesNothing)
{
    CExchangeGrid g(6, 3);
    PutClipboardBytes("v", 2);
    g.Select(CGXRange(1, 1, 1, 1));
    g.Select(CGXRange(3, 1, 3, 1));
    CMessageBoxRecorder boxes(IDOK);
    EXPECT_FALSE(g.Grid().Paste());
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_EQ("This command cannot be used on multiple selections.", boxes.Text(0));
    EXPECT_STREQ(".|.|.", g.Values(CGXRange(1, 1, 3, 1)));
}

TEST(GridClipboard, CutCopiesThenClearsTheValues)
{
    CExchangeGrid g(3, 3);
    g.Fill(1, 1, "a,b|c,d");
    CGXStyle bold;
    bold.SetInterior(RGB(1, 2, 3));
    g.Grid().SetStyleRange(CGXRange(1, 1, 1, 1), bold);
    g.Select(CGXRange(1, 1, 2, 2));
    ASSERT_TRUE(g.Grid().CanCut());
    ASSERT_TRUE(g.Grid().Cut());
    EXPECT_STREQ("a\tb\r\nc\td\r\n", ClipboardText());
    EXPECT_STREQ(".,.|.,.", g.Values(CGXRange(1, 1, 2, 2)));
    // Without the style format a cut empties values only.
    CGXStyle style;
    g.Grid().ComposeStyleRowCol(1, 1, &style);
    EXPECT_EQ(RGB(1, 2, 3), style.GetInterior().GetColor());

    g.Grid().SetReadOnly(TRUE);
    EXPECT_FALSE(g.Grid().CanCut());
}

TEST(GridClipboard, StylesTravelToAnotherGridInTheGridsOwnFormat)
{
    GXImplementStyleSerialize(); // the library's start switches it on
    CExchangeGrid a(4, 4), b(6, 6);
    for (CExchangeGrid* p : {&a, &b})
        p->Grid().m_nClipboardFlags = GX_CLIP_TEXT | GX_CLIP_STYLES;
    a.Fill(1, 1, "a,b|c,d");
    CGXStyle red;
    red.SetInterior(RGB(200, 0, 0)).SetHorizontalAlignment(DT_RIGHT);
    a.Grid().SetStyleRange(CGXRange(1, 2, 1, 2), red);
    CGXStyle blueOnly; // a cell with a style and no value
    blueOnly.SetInterior(RGB(0, 0, 200));
    a.Grid().SetStyleRange(CGXRange(2, 1, 2, 1), blueOnly);
    a.Grid().SetValueRange(CGXRange(2, 1, 2, 1), "");
    a.Select(CGXRange(1, 1, 2, 2));
    ASSERT_TRUE(a.Grid().Copy());
    const UINT nFormat = GXGetLibraryState().m_nClipboardFormat;
    ASSERT_NE(0u, nFormat);
    EXPECT_TRUE(::IsClipboardFormatAvailable(nFormat));
    EXPECT_STREQ("a\tb\r\n\td\r\n", ClipboardText()); // the text goes along for other programs

    b.Grid().SetCurrentCell(3, 3);
    ASSERT_TRUE(b.Grid().Paste());
    EXPECT_STREQ(".,.,.,.|.,a,b,.|.,.,d,.|.,.,.,.", b.Values(CGXRange(2, 2, 5, 5)));
    CGXStyle style;
    b.Grid().ComposeStyleRowCol(3, 4, &style);
    EXPECT_EQ(RGB(200, 0, 0), style.GetInterior().GetColor());
    EXPECT_EQ((DWORD)DT_RIGHT, style.GetHorizontalAlignment());
    b.Grid().ComposeStyleRowCol(4, 3, &style);
    EXPECT_EQ(RGB(0, 0, 200), style.GetInterior().GetColor());
    b.Grid().ComposeStyleRowCol(3, 3, &style);
    EXPECT_NE(RGB(200, 0, 0), style.GetInterior().GetColor());
    EXPECT_NE(RGB(0, 0, 200), style.GetInterior().GetColor());

    // A grid that takes text only gets the values without the styles.
    CExchangeGrid c(4, 4);
    c.Grid().SetCurrentCell(1, 1);
    ASSERT_TRUE(c.Grid().Paste());
    EXPECT_STREQ("a,b|.,d", c.Values(CGXRange(1, 1, 2, 2)));
    c.Grid().ComposeStyleRowCol(1, 2, &style);
    EXPECT_NE(RGB(200, 0, 0), style.GetInterior().GetColor());
}
