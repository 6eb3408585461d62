// The data object: counts, storing and reading styles, insertion, removal and moves of
// rows and columns; the size maps that follow the same changes.
#include "core/GXCollections.h"
#include "core/GXData.h"
#include "core/GXRange.h"
#include "ArchiveBytes.h"
#include <gtest/gtest.h>

namespace {
CGXStyle Value(LPCTSTR psz)
{
    CGXStyle style;
    style.SetValue(psz);
    return style;
}

CString ValueAt(CGXData& data, ROWCOL nRow, ROWCOL nCol, int nMode = 0)
{
    CGXStyle style;
    return data.GetStyleRowCol(nRow, nCol, style, gxCopy, nMode) ? style.GetValue() : CString("-");
}
} // namespace

TEST(GridData, StoringGrowsCounts)
{
    struct Case
    {
        const CGXStyle* pStyle;
        GXModifyType mt;
        const char* pszStored;
    } cases[] = {
        {nullptr, gxOverride, "-"},
        {new CGXStyle(Value("x")), gxExclude, "-"},
        {new CGXStyle(Value("x")), gxOverride, "x"},
    };
    for (const Case& c : cases) {
        CGXData data;
        EXPECT_TRUE(data.PutCellStyle(10, 3, c.pStyle, c.mt, 0));
        EXPECT_EQ(10u, data.GetRowCount());
        EXPECT_EQ(3u, data.GetColCount());
        EXPECT_STREQ(c.pszStored, ValueAt(data, 10, 3));
        delete c.pStyle;
    }
}

TEST(GridData, RowAndColumnStyles)
{
    CGXData data;
    CGXStyle row = Value("row");
    CGXStyle col = Value("col");
    data.PutCellStyle(4, 0, &row, gxOverride, -1);
    data.PutCellStyle(0, 2, &col, gxOverride, -1);
    EXPECT_STREQ("row", ValueAt(data, 4, 0, -1));
    EXPECT_STREQ("col", ValueAt(data, 0, 2, -1)); // a column style is read with row 0
    EXPECT_STREQ("-", ValueAt(data, 4, 2)); // no cell style
    CGXStyle merged;
    merged.SetMaxLength(3);
    EXPECT_TRUE(data.GetStyleRowCol(4, 0, merged, gxApplyNew, -1));
    EXPECT_EQ(3, merged.GetMaxLength());
    EXPECT_STREQ("row", merged.GetValue());
    data.PutCellStyle(4, 0, nullptr, gxOverride, -1);
    EXPECT_STREQ("-", ValueAt(data, 4, 0, -1));
}

TEST(GridData, InsertRemoveCounts)
{
    CGXData data;
    CGXStyle v = Value("v");
    data.PutCellStyle(3, 1, &v, gxOverride, 0);
    EXPECT_TRUE(data.PutRowRemoval(5, 9)); // beyond the count: nothing
    EXPECT_EQ(3u, data.GetRowCount());

    data.PutRowCount(10);
    EXPECT_EQ(10u, data.GetRowCount());
    // Removing rows 5 to 20 of 10 leaves 4: the count never drops below rows that hold data.
    data.PutRowRemoval(5, 20);
    EXPECT_EQ(4u, data.GetRowCount());
    EXPECT_STREQ("v", ValueAt(data, 3, 1));

    data.PutRowInsertion(2, 2);
    EXPECT_EQ(6u, data.GetRowCount());
    EXPECT_STREQ("v", ValueAt(data, 5, 1));
    data.PutRowRemoval(1, 2);
    EXPECT_STREQ("v", ValueAt(data, 3, 1));

    data.PutColInsertion(1, 3);
    EXPECT_EQ(4u, data.GetColCount());
    EXPECT_STREQ("v", ValueAt(data, 3, 4));
    data.PutColRemoval(2, 3);
    EXPECT_STREQ("v", ValueAt(data, 3, 2));
    EXPECT_EQ(2u, data.GetColCount());
    data.PutColCount(1);
    EXPECT_STREQ("-", ValueAt(data, 3, 2));
}

TEST(GridData, MovesRowsAndColumns)
{
    struct Case
    {
        ROWCOL nFrom, nTo, nDest;
        const char* pszOrder; // values of rows 1 to 8 afterwards
    } cases[] = {
        {2, 3, 6, "14567238"},
        {6, 7, 2, "16723458"},
        {1, 1, 8, "23456781"},
        {4, 4, 4, "12345678"},
    };
    for (const Case& c : cases) {
        CGXData data;
        for (ROWCOL r = 1; r <= 8; ++r) {
            char sz[2] = {(char)('0' + r), 0};
            CGXStyle v = Value(sz);
            data.PutCellStyle(r, 1, &v, gxOverride, 0);
            data.PutCellStyle(1, r, &v, gxOverride, 0);
        }
        CGXData cols;
        cols = data;
        data.PutRowMove(c.nFrom, c.nTo, c.nDest);
        cols.PutColMove(c.nFrom, c.nTo, c.nDest);
        CString rowOrder, colOrder;
        for (ROWCOL r = 1; r <= 8; ++r) {
            rowOrder += ValueAt(data, r, 1);
            colOrder += ValueAt(cols, 1, r);
        }
        EXPECT_STREQ(c.pszOrder, rowOrder) << c.nFrom << "-" << c.nTo << " to " << c.nDest;
        EXPECT_STREQ(c.pszOrder, colOrder) << c.nFrom << "-" << c.nTo << " to " << c.nDest;
    }
}

TEST(GridSizeMap, RekeyedOnInsertRemoveMove)
{
    auto fill = [](CGXMapDWordToLong& map) {
        for (DWORD k = 1; k <= 6; ++k)
            map[k] = (LONG)(k * 100);
    };
    auto dump = [](const CGXMapDWordToLong& map) {
        CString s;
        for (DWORD k = 1; k <= 10; ++k) {
            LONG v;
            CString part;
            part.Format("%ld ", map.Lookup(k, v) ? (long)v / 100 : 0L);
            s += part;
        }
        return s;
    };
    CGXMapDWordToLong inserted;
    fill(inserted);
    inserted.InsertKeys(3, 2);
    EXPECT_STREQ("1 2 0 0 3 4 5 6 0 0 ", dump(inserted));
    CGXMapDWordToLong removed;
    fill(removed);
    removed.RemoveKeys(2, 3);
    EXPECT_STREQ("1 4 5 6 0 0 0 0 0 0 ", dump(removed));
    CGXMapDWordToLong moved;
    fill(moved);
    moved.MoveKeys(2, 3, 5);
    EXPECT_STREQ("1 4 5 6 2 3 0 0 0 0 ", dump(moved));
    CGXMapDWordToLong movedUp;
    fill(movedUp);
    movedUp.MoveKeys(5, 6, 1);
    EXPECT_STREQ("5 6 1 2 3 4 0 0 0 0 ", dump(movedUp));

    std::vector<BYTE> bytes = StoreBytes([&](CArchive& ar) { removed.Serialize(ar); });
    EXPECT_EQ(2u + 4 * 8, bytes.size());
    CGXMapDWordToLong read;
    LoadBytes(bytes, [&](CArchive& ar) { read.Serialize(ar); });
    EXPECT_STREQ(dump(removed), dump(read));
}

TEST(GridData, ServicesOff)
{
    CGXData data;
    CDWordArray order;
    EXPECT_FALSE(data.PutRowOrder(CGXRange(1, 1, 1, 1), order, 0));
    EXPECT_FALSE(data.PutCellCopy(CGXRange(1, 1, 1, 1), 2, 2, 0));
    EXPECT_EQ(nullptr, data.TakeUndoInfo());
}
