// Ranges and range lists: construction, intersection and union, adjustment for inserted,
// removed and moved rows and columns, spans, copies and the archive form.
#include "core/GXRange.h"
#include "ArchiveBytes.h"
#include <gtest/gtest.h>

namespace {
CGXRange Rows(ROWCOL a, ROWCOL b) { return CGXRange().SetRows(a, b); }
CGXRange Cols(ROWCOL a, ROWCOL b) { return CGXRange().SetCols(a, b); }
CGXRange Cells(ROWCOL t, ROWCOL l, ROWCOL b, ROWCOL r) { return CGXRange().SetCells(t, l, b, r); }
} // namespace

TEST(GridRange, CellsFromCornersInAnyOrder)
{
    CGXRange r = CGXRange().SetCells(5, 7, 2, 3);
    EXPECT_EQ(CGXRange(2, 3, 5, 7), r);
    EXPECT_TRUE(r.ContainsCell(3, 4));
    EXPECT_FALSE(CGXRange().ContainsCell(0, 0)); // invalid
    EXPECT_TRUE(CGXRange().SetTable().ContainsCell(99, 99));
    EXPECT_TRUE(Rows(2, 4).ContainsCell(3, 1000));
    EXPECT_FALSE(Rows(2, 4).ContainsCell(5, 1));
}

TEST(GridRange, IntersectAndUnite)
{
    struct Case
    {
        CGXRange a, b, result;
        BOOL bValid;
    } intersect[] = {
        {Rows(2, 4), Cells(3, 1, 8, 5), Cells(3, 1, 4, 5), TRUE},
        {Rows(2, 4), Cols(3, 6), Cells(2, 3, 4, 6), TRUE},
        {Cols(3, 6), Rows(2, 4), Cells(2, 3, 4, 6), TRUE},
        {Cells(1, 1, 3, 3), Cells(2, 2, 5, 5), Cells(2, 2, 3, 3), TRUE},
        {CGXRange().SetTable(), Cols(2, 3), Cols(2, 3), TRUE},
    };
    for (const Case& c : intersect) {
        CGXRange r;
        EXPECT_EQ(c.bValid, r.Intersect(c.a, c.b));
        EXPECT_EQ(c.result, r);
    }
    CGXRange r;
    EXPECT_FALSE(r.Intersect(Cells(1, 1, 2, 2), Cells(5, 5, 6, 6)));
    EXPECT_FALSE(r.Intersect(Rows(1, 2), Rows(4, 5)));

    struct UniteCase
    {
        CGXRange a, b, result;
    } unite[] = {
        {Cells(1, 1, 2, 2), Cells(5, 5, 6, 6), Cells(1, 1, 6, 6)},
        {Rows(1, 2), Cols(3, 4), CGXRange().SetTable()},
        {Rows(1, 2), Cells(5, 1, 6, 1), Rows(1, 6)},
        {Cols(4, 5), Cells(1, 1, 6, 1), Cols(1, 5)},
    };
    for (const UniteCase& c : unite) {
        CGXRange u;
        EXPECT_TRUE(u.Unite(c.a, c.b));
        EXPECT_EQ(c.result.rtType, u.rtType);
        if (!c.result.IsTable()) {
            EXPECT_EQ(c.result, u);
        }
    }
}

TEST(GridRangeList, RemovedRows)
{
    struct Case
    {
        CGXRange before;
        ROWCOL nFrom, nTo, nMax;
        ROWCOL nTop, nBottom;
        BOOL bValid;
    } cases[] = {
        {Rows(3, 5), 3, 5, 100, 3, 5, FALSE}, {Rows(2, 7), 3, 5, 100, 2, 4, TRUE},
        {Rows(4, 9), 3, 5, 100, 3, 6, TRUE},  {Rows(8, 9), 3, 5, 100, 5, 6, TRUE},
        {Rows(1, 2), 3, 5, 100, 1, 2, TRUE},  {Cells(2, 1, 50, 3), 3, 5, 10, 2, 10, TRUE},
    };
    for (const Case& c : cases) {
        CGXRangeList list;
        list.AddRange(c.before);
        list.AdjustForRemovedRows(c.nFrom, c.nTo, c.nMax);
        const CGXRange* p = list.GetRangeAt(list.GetHeadPosition());
        EXPECT_EQ(c.bValid, p->IsValid()) << c.before.top;
        if (c.bValid) {
            EXPECT_EQ(c.nTop, p->top) << c.before.top;
            EXPECT_EQ(c.nBottom, p->bottom) << c.before.top;
        }
    }
}

TEST(GridRangeList, InsertedAndMoved)
{
    CGXRangeList list;
    list.AddRange(Rows(2, 3));
    list.AddRange(Cols(4, 6));
    list.AddRange(Cells(5, 5, 8, 8));
    list.AdjustForInsertedRows(3, 10);
    POSITION pos = list.GetHeadPosition();
    EXPECT_EQ(Rows(2, 13), *list.GetNextRange(pos));
    EXPECT_EQ(Cols(4, 6), *list.GetNextRange(pos)); // columns have no rows
    EXPECT_EQ(Cells(15, 5, 18, 8), *list.GetNextRange(pos));

    // Rows 2-3 moved to start at 6: a range at 2 goes to 6, one at 5 up to 3, one at 8 stays.
    struct Case
    {
        ROWCOL nTop, nExpected;
    } moves[] = {{2, 6}, {3, 7}, {4, 2}, {7, 5}, {8, 8}, {1, 1}};
    for (const Case& c : moves) {
        CGXRangeList l;
        l.AddRange(Rows(c.nTop, c.nTop));
        l.AdjustForMovedRows(2, 3, 6, 100);
        EXPECT_EQ(c.nExpected, l.GetRangeAt(l.GetHeadPosition())->top) << c.nTop;
    }
    // And back up: rows 6-7 to 2.
    CGXRangeList up;
    up.AddRange(Rows(6, 7));
    up.AddRange(Rows(3, 3));
    up.AdjustForMovedRows(6, 7, 2, 100);
    pos = up.GetHeadPosition();
    EXPECT_EQ(Rows(2, 3), *up.GetNextRange(pos));
    EXPECT_EQ(Rows(5, 5), *up.GetNextRange(pos));
}

TEST(GridRangeList, SpansCopiesAndCells)
{
    CGXRangeList list;
    list.AddRange(Cols(1, 3));
    list.AddRange(Cols(10, 12));
    list.AddRange(Cols(4, 6));
    CDWordArray from, to;
    ASSERT_TRUE(list.CollectColSpans(20, from, to, FALSE));
    ASSERT_EQ(2, from.GetSize());
    EXPECT_EQ(1u, from[0]);
    EXPECT_EQ(6u, to[0]);
    EXPECT_EQ(10u, from[1]);
    EXPECT_EQ(12u, to[1]);
    EXPECT_FALSE(list.CollectRowSpans(20, from, to, TRUE)); // no whole rows

    CGXRangeList copy;
    copy = list;
    POSITION pos = copy.GetHeadPosition();
    EXPECT_EQ(Cols(4, 6), *copy.GetNextRange(pos)); // reverse order
    EXPECT_TRUE(list.ListContainsCell(7, 11));
    EXPECT_FALSE(list.ListContainsCell(7, 11, list.FindAreaWithCell(7, 11)));
}

TEST(GridRangeList, ArchiveBytes)
{
    CGXRangeList list;
    list.AddRange(CGXRange(1, 2, 3, 4));
    list.AddRange(CGXRange()); // invalid: dropped when stored
    list.AddRange(Rows(7, 8));
    std::vector<BYTE> bytes = StoreBytes([&](CArchive& ar) { list.Serialize(ar); });
    const std::vector<BYTE> expected = {
        1, 0, 2, 0, 0, 0, // schema, count
        1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0, 4, 0, 0, 0, 0, 1, // cells 1,2 - 3,4
        7, 0, 0, 0, 0, 0, 0, 0, 8, 0, 0, 0, 0, 0, 0, 0, 1, 1, // rows 7-8
    };
    EXPECT_EQ(expected, bytes);
    EXPECT_EQ(2, list.GetCount());

    CGXRangeList read;
    LoadBytes(bytes, [&](CArchive& ar) { read.Serialize(ar); });
    ASSERT_EQ(2, read.GetCount());
    POSITION pos = read.GetHeadPosition();
    EXPECT_EQ(CGXRange(1, 2, 3, 4), *read.GetNextRange(pos));
    EXPECT_EQ(Rows(7, 8), *read.GetNextRange(pos));
}

TEST(GridRangeList, BadArchivesThrow)
{
    struct Case
    {
        std::vector<BYTE> bytes;
        int nCause;
    } cases[] = {
        {{2, 0, 0, 0, 0, 0}, CArchiveException::badSchema},
        {{1, 0, 1, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0, 4, 0, 0, 0, 4, 1},
         CArchiveException::generic},
        {{1, 0, 0xFF, 0xFF, 0xFF, 0x0F, 1, 0},
         CArchiveException::endOfFile}, // count beyond the bytes
    };
    for (const Case& c : cases) {
        CGXRangeList list;
        int nCause = -1;
        try {
            LoadBytes(c.bytes, [&](CArchive& ar) { list.Serialize(ar); });
        } catch (CArchiveException* e) {
            nCause = e->m_cause;
            e->Delete();
        }
        EXPECT_EQ(c.nCause, nCause);
    }
}
