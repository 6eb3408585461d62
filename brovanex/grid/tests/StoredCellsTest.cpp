// Copying and moving blocks of stored cells, and rewriting stored rows and columns in a
// new order, inside a data object.
#include "core/GXData.h"
#include "core/GXLibraryState.h"
#include "core/GXRange.h"
#include "features/GXDataCopyMoveCellsImp.h"
#include <gtest/gtest.h>

namespace {
class StoredCells : public ::testing::Test
{
protected:
    void SetUp() override
    {
        GXImplementDataCopyMoveCells();
        GXImplementGridSortMoveData();
    }
    void Put(ROWCOL nRow, ROWCOL nCol, LPCTSTR psz)
    {
        CGXStyle style;
        style.SetValue(psz);
        m_data.PutCellStyle(nRow, nCol, &style, gxOverride, 0);
    }
    // The values of rows 1..nRows, columns 1..nCols, "." for a cell without a style, rows
    // separated by "|".
    CString Dump(ROWCOL nRows, ROWCOL nCols)
    {
        CString s;
        for (ROWCOL r = 1; r <= nRows; ++r) {
            if (r > 1)
                s += "|";
            for (ROWCOL c = 1; c <= nCols; ++c) {
                CGXStyle style;
                s +=
                    m_data.GetStyleRowCol(r, c, style, gxCopy, 0) ? style.GetValue() : CString(".");
            }
        }
        return s;
    }
    // Fills a 4 x 4 grid "abcd|efgh|ijkl|mnop".
    void FillSquare()
    {
        const char* psz = "abcdefghijklmnop";
        for (ROWCOL r = 1; r <= 4; ++r)
            for (ROWCOL c = 1; c <= 4; ++c)
                Put(r, c, CString(psz[(r - 1) * 4 + c - 1]));
    }
    CGXData m_data;
};
} // namespace

TEST_F(StoredCells, OverlappingCopiesReadTheSourceAsItWas)
{
    struct Case
    {
        CGXRange src;
        ROWCOL nRow, nCol;
        const char* pszAfter;
    } cases[] = {
        {CGXRange(1, 1, 2, 2), 2, 2, "abcd|eabh|iefl|mnop"}, // down and right
        {CGXRange(2, 2, 3, 3), 1, 1, "fgcd|jkgh|ijkl|mnop"}, // up and left
        {CGXRange(1, 1, 3, 1), 2, 1, "abcd|afgh|ejkl|inop"}, // down by one
        {CGXRange(1, 1, 1, 3), 1, 2, "aabc|efgh|ijkl|mnop"}, // right by one
        {CGXRange(1, 1, 4, 4), 1, 1, "abcd|efgh|ijkl|mnop"}, // onto itself
    };
    for (const Case& c : cases) {
        m_data.DeleteContents();
        FillSquare();
        EXPECT_TRUE(m_data.PutCellCopy(c.src, c.nRow, c.nCol, 0));
        EXPECT_STREQ(c.pszAfter, Dump(4, 4)) << c.nRow << "," << c.nCol;
    }
}

TEST_F(StoredCells, CopyOfEmptyCellsClearsTheDestination)
{
    FillSquare();
    m_data.PutCellStyle(1, 2, nullptr, gxOverride, 0);
    // Rows 7-8 were never stored.
    EXPECT_TRUE(m_data.PutCellCopy(CGXRange(7, 1, 8, 2), 2, 2, 0));
    EXPECT_TRUE(m_data.PutCellCopy(CGXRange(1, 1, 1, 2), 4, 3, 0));
    EXPECT_STREQ("a.cd|e..h|i..l|mna.", Dump(4, 4));
    // A destination past the last possible column is refused and nothing changes.
    EXPECT_FALSE(m_data.PutCellCopy(CGXRange(1, 1, 1, 3), 1, GX_MAXROWCOL - 1, 0));
    EXPECT_STREQ("a.cd|e..h|i..l|mna.", Dump(4, 4));
}

TEST_F(StoredCells, OverlappingMovesKeepEveryStyleOnce)
{
    FillSquare();
    CObject* pUndo = nullptr;
    EXPECT_TRUE(m_data.PutCellMove(CGXRange(1, 1, 2, 2), 2, 2, pUndo, FALSE));
    EXPECT_EQ(nullptr, pUndo);
    EXPECT_STREQ("..cd|.abh|iefl|mnop", Dump(4, 4));
    EXPECT_TRUE(m_data.PutCellMove(CGXRange(2, 2, 3, 3), 1, 1, pUndo, FALSE));
    EXPECT_STREQ("abcd|ef.h|i..l|mnop", Dump(4, 4));
}

TEST_F(StoredCells, AMoveUndoneByMovingBackWithItsInformation)
{
    FillSquare();
    CObject* pUndo = nullptr;
    EXPECT_TRUE(m_data.PutCellMove(CGXRange(1, 1, 2, 2), 3, 3, pUndo, TRUE));
    EXPECT_STREQ("..cd|..gh|ijab|mnef", Dump(4, 4));
    ASSERT_NE(nullptr, pUndo);
    EXPECT_EQ(4u, static_cast<CGXDataUndoMoveCellsInfo*>(pUndo)->m_entries.size());

    // Moving back with the information puts the overwritten k, l, o, p back.
    CObject* pRedo = nullptr;
    EXPECT_TRUE(m_data.PutCellMove(CGXRange(3, 3, 4, 4), 1, 1, pUndo, FALSE));
    EXPECT_STREQ("abcd|efgh|ijkl|mnop", Dump(4, 4));
    EXPECT_TRUE(static_cast<CGXDataUndoMoveCellsInfo*>(pUndo)->m_entries.empty());
    delete pUndo;
    delete pRedo;
}

TEST_F(StoredCells, RowsAndColumnsRewrittenInANewOrder)
{
    FillSquare();
    CGXStyle base;
    base.SetValue("row 4");
    m_data.PutCellStyle(4, 0, &base, gxOverride, -1);
    CDWordArray order;
    for (DWORD d : {2u, 0u, 1u})
        order.Add(d);
    // Rows 2-4 become the old rows 4, 2, 3.
    EXPECT_TRUE(m_data.PutRowOrder(CGXRange().SetRows(2, 4), order, 0));
    EXPECT_STREQ("abcd|mnop|efgh|ijkl", Dump(4, 4));
    CGXStyle style;
    EXPECT_TRUE(m_data.GetStyleRowCol(2, 0, style, gxCopy, -1));
    EXPECT_STREQ("row 4", style.GetValue());
    // Columns 1-3 become 3, 1, 2.
    EXPECT_TRUE(m_data.PutColOrder(CGXRange().SetCols(1, 3), order, 0));
    EXPECT_STREQ("cabd|omnp|gefh|kijl", Dump(4, 4));
    // Rows beyond the stored ones move in as empty rows; the stored arrays do not keep
    // empty entries past their last style.
    m_data.PutRowCount(6);
    CDWordArray reversed;
    for (DWORD d : {2u, 1u, 0u})
        reversed.Add(d);
    EXPECT_TRUE(m_data.PutRowOrder(CGXRange().SetRows(4, 6), reversed, 0));
    EXPECT_STREQ("cabd|omnp|gefh|....|....|kijl", Dump(6, 4));
    // Something other than a permutation is refused and changes nothing.
    CDWordArray twice;
    twice.Add(0);
    twice.Add(0);
    EXPECT_FALSE(m_data.PutRowOrder(CGXRange().SetRows(1, 2), twice, 0));
    EXPECT_STREQ("cabd|omnp|gefh|....|....|kijl", Dump(6, 4));
}
