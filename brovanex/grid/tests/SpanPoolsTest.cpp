// The span-cell pool (blocks found from any of their cells, shrinking, shifting with rows
// and columns, its archive form) and the delayed-range pool (areas joined and swallowed,
// pending cells reported once and split by columns, copies, its archive form).
#include "ArchiveBytes.h"
#include "core/GXArchiveHelpers.h"
#include "features/GXDelayedRangePool.h"
#include "features/GXSpanCellPool.h"
#include <gtest/gtest.h>
#include <memory>

namespace {
const DWORD kNone = 0xFFFFFFFF;

// The block the pool reports for a cell, seeded with the cell itself.
CGXRange SpanAt(const CGXSpanCellPool& pool, ROWCOL nRow, ROWCOL nCol)
{
    CGXRange range(nRow, nCol, nRow, nCol);
    return pool.Lookup(nRow, nCol, range) ? range : CGXRange();
}

DWORD RowEntry(const CGXSpanCellPool& pool, ROWCOL nRow, ROWCOL nCol)
{
    const CDWordArray* p = pool.RowTable().GetArray((INT_PTR)nRow);
    return p != nullptr && (INT_PTR)nCol < p->GetSize() ? p->GetAt((INT_PTR)nCol) : kNone;
}

template<class T>
void ExpectRefused(const std::vector<BYTE>& bytes, int nCause)
{
    T object;
    try {
        LoadBytes(bytes, [&](CArchive& ar) { object.Serialize(ar); });
        ADD_FAILURE() << "bad bytes were read";
    } catch (CArchiveException* e) {
        EXPECT_EQ(nCause, e->m_cause);
        e->Delete();
    }
}

std::vector<BYTE> Words(std::initializer_list<DWORD> dwords, WORD wSchema = 1)
{
    return StoreBytes([&](CArchive& ar) {
        ar << wSchema;
        for (DWORD dw : dwords)
            ar << dw;
    });
}
} // namespace

TEST(SpanCellPool, BlockFoundFromEveryCellWithItsTrueStart)
{
    CGXSpanCellPool pool;
    ASSERT_TRUE(pool.SetSpan(2, 3, 4, 6, TRUE));
    for (ROWCOL r = 2; r <= 4; ++r)
        for (ROWCOL c = 3; c <= 6; ++c)
            EXPECT_EQ(CGXRange(2, 3, 4, 6), SpanAt(pool, r, c)) << r << "," << c;
    EXPECT_EQ(CGXRange(), SpanAt(pool, 2, 7));
    EXPECT_EQ(CGXRange(), SpanAt(pool, 5, 3));
    EXPECT_EQ(CGXRange(), SpanAt(pool, 1, 2));
    CGXRange range;
    EXPECT_FALSE(pool.Lookup((ROWCOL)-1, 3, range));

    // A span one cell high records only columns; one cell alone records nothing.
    ASSERT_TRUE(pool.SetSpan(8, 1, 8, 3, TRUE));
    EXPECT_EQ(CGXRange(8, 1, 8, 3), SpanAt(pool, 8, 2));
    EXPECT_EQ(nullptr, pool.ColTable().GetArray(2));
    EXPECT_FALSE(pool.SetSpan(9, 9, 9, 9, TRUE));
    EXPECT_EQ(CGXRange(), SpanAt(pool, 9, 9));
}

TEST(SpanCellPool, ShrinkingAndClearingFreeTheCellsLeftOver)
{
    CGXSpanCellPool pool;
    ASSERT_TRUE(pool.SetSpan(1, 1, 3, 6, TRUE));
    ASSERT_TRUE(pool.SetSpan(1, 1, 2, 3, TRUE)); // smaller, same top-left cell
    EXPECT_EQ(CGXRange(1, 1, 2, 3), SpanAt(pool, 2, 3));
    EXPECT_EQ(CGXRange(), SpanAt(pool, 1, 4));
    EXPECT_EQ(CGXRange(), SpanAt(pool, 3, 1));
    ASSERT_TRUE(pool.SetSpan(1, 1, 2, 3, FALSE));
    for (ROWCOL r = 1; r <= 3; ++r)
        for (ROWCOL c = 1; c <= 6; ++c)
            EXPECT_EQ(CGXRange(), SpanAt(pool, r, c));
}

TEST(SpanCellPool, EntriesFollowInsertedRemovedAndMovedRowsAndColumns)
{
    CGXSpanCellPool pool;
    ASSERT_TRUE(pool.SetSpan(2, 1, 2, 5, TRUE));
    // Two columns inserted inside the row's entries: later entries move right, the new
    // positions belong to no span.
    pool.InsertCols(3, 2);
    EXPECT_EQ(1u, RowEntry(pool, 2, 2));
    EXPECT_EQ(kNone, RowEntry(pool, 2, 3));
    EXPECT_EQ(kNone, RowEntry(pool, 2, 4));
    EXPECT_EQ(1u, RowEntry(pool, 2, 7));
    EXPECT_EQ(kNone, RowEntry(pool, 2, 8));
    pool.RemoveCols(3, 4);
    EXPECT_EQ(CGXRange(2, 1, 2, 5), SpanAt(pool, 2, 4));

    // Rows: the span's row moves down and back.
    pool.InsertRows(1, 3);
    EXPECT_EQ(CGXRange(), SpanAt(pool, 2, 2));
    EXPECT_EQ(CGXRange(5, 1, 5, 5), SpanAt(pool, 5, 2));
    pool.RemoveRows(1, 3);
    EXPECT_EQ(CGXRange(2, 1, 2, 5), SpanAt(pool, 2, 2));
    pool.MoveRows(2, 2, 6); // row 2 now stands at 6
    EXPECT_EQ(CGXRange(), SpanAt(pool, 2, 2));
    EXPECT_EQ(CGXRange(6, 1, 6, 5), SpanAt(pool, 6, 3));

    // A vertical span moves with its columns in the column table.
    CGXSpanCellPool vert;
    ASSERT_TRUE(vert.SetSpan(1, 2, 4, 2, TRUE));
    vert.MoveCols(2, 2, 5);
    EXPECT_EQ(CGXRange(1, 5, 4, 5), SpanAt(vert, 3, 5));
    EXPECT_EQ(CGXRange(), SpanAt(vert, 3, 2));
    vert.RemoveRows(2, 3); // the column table's entries shrink
    EXPECT_EQ(CGXRange(1, 5, 2, 5), SpanAt(vert, 2, 5));
}

TEST(SpanCellPool, ArchiveRoundTripKeepsHolesAndCopiesAreDeep)
{
    CGXSpanCellPool pool;
    ASSERT_TRUE(pool.SetSpan(3, 2, 5, 4, TRUE));
    ASSERT_TRUE(pool.SetSpan(9, 1, 9, 2, TRUE));
    const std::vector<BYTE> bytes = StoreBytes([&](CArchive& ar) { pool.Serialize(ar); });
    CGXSpanCellPool back;
    LoadBytes(bytes, [&](CArchive& ar) { back.Serialize(ar); });
    EXPECT_EQ(nullptr, back.RowTable().GetArray(0)); // rows without arrays stay without
    EXPECT_EQ(nullptr, back.RowTable().GetArray(6));
    EXPECT_EQ(CGXRange(3, 2, 5, 4), SpanAt(back, 4, 4));
    EXPECT_EQ(CGXRange(9, 1, 9, 2), SpanAt(back, 9, 2));
    EXPECT_EQ(bytes, StoreBytes([&](CArchive& ar) { back.Serialize(ar); }));

    CGXSpanCellPoolImp imp;
    std::unique_ptr<CObject> pCopy(imp.CreateCopy(&pool));
    pool.SetSpan(3, 2, 5, 4, FALSE);
    EXPECT_EQ(CGXRange(3, 2, 5, 4), SpanAt(*static_cast<CGXSpanCellPool*>(pCopy.get()), 5, 2));
}

TEST(SpanCellPool, DamagedArchivesAreRefused)
{
    struct Case
    {
        const char* what;
        std::vector<BYTE> bytes;
        int nCause;
    };
    // One element: index 1 of 3, an array of two entries.
    const Case cases[] = {
        {"another schema", Words({3, kNone}, 2), CArchiveException::badSchema},
        {"index at the count", Words({2, 2, 0}, 1), CArchiveException::badIndex},
        {"index read twice", Words({5, 1, 0, 1, 0, kNone}), CArchiveException::badIndex},
        {"start beyond its place", StoreBytes([](CArchive& ar) {
             ar << (WORD)1 << (DWORD)3 << (DWORD)1;
             CDWordArray a;
             a.Add(kNone);
             a.Add(4);
             a.Serialize(ar);
             ar << kNone;
         }),
         CArchiveException::badIndex},
        {"truncated", Words({3, 1}), CArchiveException::endOfFile},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ExpectRefused<CGXSpanCellPool>(c.bytes, c.nCause);
    }
    // A huge count with nothing stored allocates nothing: the table ends where its last
    // element does.
    std::vector<BYTE> sparse = Words({0xFFFFFFF0, kNone});
    const std::vector<BYTE> tail = Words({0, kNone});
    sparse.insert(sparse.end(), tail.begin(), tail.end());
    CGXSpanCellPool pool;
    LoadBytes(sparse, [&](CArchive& ar) { pool.Serialize(ar); });
    EXPECT_EQ(0, pool.RowTable().GetSize());
}

TEST(DelayedRangePool, NeighbouringAreasJoinAndContainedOnesAreSwallowed)
{
    CGXDelayedRangePool pool;
    pool.AddRange(CGXRange(1, 1, 10, 5));
    pool.AddRange(CGXRange(1, 6, 10, 8));
    ASSERT_EQ(1, pool.GetCount());
    EXPECT_EQ(CGXRange(1, 1, 10, 8), pool.GetAt(0)->m_range);
    pool.AddRange(CGXRange(11, 1, 12, 8)); // right below
    ASSERT_EQ(1, pool.GetCount());
    EXPECT_EQ(CGXRange(1, 1, 12, 8), pool.GetAt(0)->m_range);
    // Far away: an entry of its own, in front; an area around both swallows them.
    pool.AddRange(CGXRange(30, 30, 31, 31));
    ASSERT_EQ(2, pool.GetCount());
    EXPECT_EQ(CGXRange(30, 30, 31, 31), pool.GetAt(0)->m_range);
    pool.AddRange(CGXRange(1, 1, 40, 40));
    int nUsed = 0;
    for (INT_PTR i = 0; i < pool.GetCount(); ++i)
        if (!pool.GetAt(i)->m_bFree) {
            ++nUsed;
            EXPECT_EQ(CGXRange(1, 1, 40, 40), pool.GetAt(i)->m_range);
        }
    EXPECT_EQ(1, nUsed);
    EXPECT_EQ(2, pool.GetCount()); // the swallowed entry was reused, the other waits
    pool.Purge();
    EXPECT_EQ(1, pool.GetCount());
}

TEST(DelayedRangePool, PendingCellsAreReportedOnceThenTheEntryIsFreed)
{
    CGXDelayedRangePool pool;
    pool.AddRange(CGXRange(1, 1, 10, 8));
    CDWordArray from, to;
    ASSERT_TRUE(pool.GetPendingCells(CGXRange(1, 1, 5, 8), from, to));
    ASSERT_EQ(5, from.GetSize());
    EXPECT_EQ(1u, from[0]);
    EXPECT_EQ(8u, to[4]);
    EXPECT_FALSE(pool.GetPendingCells(CGXRange(2, 1, 4, 8), from, to));
    // Rows 6..12: only 6..10 were pending.
    ASSERT_TRUE(pool.GetPendingCells(CGXRange(6, 1, 12, 8), from, to));
    EXPECT_EQ(1u, from[4]);
    EXPECT_EQ(0xFFFFFFFFu, from[5]);
    EXPECT_EQ(0u, to[5]);
    EXPECT_EQ(0, pool.GetCount()); // wholly evaluated: freed and purged
    EXPECT_FALSE(pool.GetPendingCells(CGXRange(1, 1, 10, 8), from, to));
    EXPECT_FALSE(pool.GetPendingCells(CGXRange(5, 1, 4, 8), from, to)); // inverted
}

TEST(DelayedRangePool, AskingForSomeColumnsSplitsTheEntry)
{
    CGXDelayedRangePool pool;
    pool.AddRange(CGXRange(1, 1, 10, 8));
    CDWordArray from, to;
    ASSERT_TRUE(pool.GetPendingCells(CGXRange(1, 3, 10, 4), from, to));
    EXPECT_EQ(3u, from[0]);
    EXPECT_EQ(4u, to[9]);
    // The middle entry is done and gone; the sides still wait, each whole.
    ASSERT_EQ(2, pool.GetCount());
    EXPECT_EQ(CGXRange(1, 1, 10, 2), pool.GetAt(0)->m_range);
    EXPECT_EQ(CGXRange(1, 5, 10, 8), pool.GetAt(1)->m_range);
    ASSERT_TRUE(pool.GetPendingCells(CGXRange(1, 1, 10, 8), from, to));
    EXPECT_EQ(1u, from[3]);
    EXPECT_EQ(8u, to[3]); // one interval from the leftmost to the rightmost pending column
    EXPECT_EQ(0, pool.GetCount());
}

TEST(DelayedRangePool, CopiesCarryTheEvaluatedRowsAndTheArchiveKeepsThem)
{
    CGXDelayedRangePool pool;
    pool.AddRange(CGXRange(1, 1, 10, 4));
    CDWordArray from, to;
    ASSERT_TRUE(pool.GetPendingCells(CGXRange(3, 1, 4, 4), from, to));
    ASSERT_TRUE(pool.GetPendingCells(CGXRange(8, 1, 8, 4), from, to));
    CGXDelayedRangePoolImp imp;
    std::unique_ptr<CObject> pObject(imp.CreateCopy(&pool));
    CGXDelayedRangePool& copy = *static_cast<CGXDelayedRangePool*>(pObject.get());
    ASSERT_EQ(1, copy.GetCount());
    ASSERT_EQ(2, copy.GetAt(0)->m_awStart.GetSize());
    EXPECT_EQ(3u, copy.GetAt(0)->m_awStart[0]);
    EXPECT_EQ(8u, copy.GetAt(0)->m_awEnd[1]);

    const std::vector<BYTE> bytes = StoreBytes([&](CArchive& ar) { copy.Serialize(ar); });
    CGXDelayedRangePool back;
    LoadBytes(bytes, [&](CArchive& ar) { back.Serialize(ar); });
    ASSERT_EQ(1, back.GetCount());
    // Rows 3, 4 and 8 are done: asking for rows 3..8 reports 5..7 (the entry's one
    // reported interval reaches the whole intersection) but 3..4 alone nothing.
    EXPECT_FALSE(back.GetPendingCells(CGXRange(3, 1, 4, 4), from, to));
    EXPECT_TRUE(back.GetPendingCells(CGXRange(5, 1, 7, 4), from, to));
}

TEST(DelayedRangePool, DamagedArchivesAreRefused)
{
    auto entry = [](CGXRange range, std::vector<DWORD> starts, std::vector<DWORD> ends) {
        return StoreBytes([&](CArchive& ar) {
            CGXDelayedRangePool pool;
            pool.AddRange(CGXRange(1, 1, 2, 2));
            CGXDelayedRange& e = *pool.GetAt(0);
            e.m_range = range;
            for (DWORD d : starts)
                e.m_awStart.Add(d);
            for (DWORD d : ends)
                e.m_awEnd.Add(d);
            pool.Serialize(ar);
        });
    };
    struct Case
    {
        const char* what;
        std::vector<BYTE> bytes;
        int nCause;
    };
    const Case cases[] = {
        {"inverted area", entry(CGXRange(5, 1, 4, 2), {}, {}), CArchiveException::badIndex},
        {"more starts than ends", entry(CGXRange(1, 1, 9, 2), {1, 5}, {2}),
         CArchiveException::badIndex},
        {"inverted interval", entry(CGXRange(1, 1, 9, 2), {4}, {2}), CArchiveException::badIndex},
        {"overlapping intervals", entry(CGXRange(1, 1, 9, 2), {1, 3}, {4, 6}),
         CArchiveException::badIndex},
        {"a null entry", StoreBytes([](CArchive& ar) {
             ar.WriteCount(1);
             ar << static_cast<const CObject*>(nullptr);
         }),
         CArchiveException::badIndex},
        {"a count beyond the bytes", StoreBytes([](CArchive& ar) { ar.WriteCount(100000); }),
         CArchiveException::endOfFile},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ExpectRefused<CGXDelayedRangePool>(c.bytes, c.nCause);
    }
    // One entry stored twice (a back reference) would have two owners.
    const std::vector<BYTE> twice = StoreBytes([](CArchive& ar) {
        CGXDelayedRange e;
        e.m_range = CGXRange(1, 1, 2, 2);
        ar.WriteCount(2);
        ar << static_cast<const CObject*>(&e);
        ar << static_cast<const CObject*>(&e);
    });
    ExpectRefused<CGXDelayedRangePool>(twice, CArchiveException::badIndex);
}
