// The covered-cell pool: the index from each cell to the range over it.
#include "core/GXRange.h"
#include "features/GXCoveredCellPool.h"
#include <gtest/gtest.h>

namespace {
POSITION Pos(int n) { return reinterpret_cast<POSITION>((INT_PTR)n * 16); }
} // namespace

TEST(CoveredCellPool, MarkedRectangleAnswersFromEveryCellAndNowhereElse)
{
    CGXCoveredCellPool pool;
    ASSERT_TRUE(pool.Mark(2, 3, 4, 5, Pos(1)));
    for (ROWCOL r = 1; r <= 5; ++r)
        for (ROWCOL c = 2; c <= 6; ++c)
            EXPECT_EQ(r >= 2 && r <= 4 && c >= 3 && c <= 5 ? Pos(1) : nullptr, pool.Lookup(r, c))
                << r << "," << c;
    EXPECT_EQ(nullptr, pool.Lookup(1000000, 4)); // beyond every row array
}

TEST(CoveredCellPool, RefusesSingleCellsAndForeignFirstColumns)
{
    CGXCoveredCellPool pool;
    EXPECT_FALSE(pool.Mark(3, 3, 3, 3, Pos(1)));
    EXPECT_EQ(nullptr, pool.Lookup(3, 3));
    ASSERT_TRUE(pool.Mark(2, 2, 3, 3, Pos(1)));
    // Another range whose left column lies in the first one is refused.
    EXPECT_FALSE(pool.Mark(3, 3, 4, 4, Pos(2)));
    EXPECT_EQ(Pos(1), pool.Lookup(3, 3));
    // Inverted and unbounded rectangles are refused without indexing anything.
    EXPECT_FALSE(pool.Mark(5, 5, 4, 6, Pos(3)));
    EXPECT_FALSE(pool.Mark(5, 5, 6, GX_INVALID, Pos(3)));
}

TEST(CoveredCellPool, ShrinkingAndRemovingFreeTheCellsLeftOver)
{
    CGXCoveredCellPool pool;
    ASSERT_TRUE(pool.Mark(2, 2, 5, 5, Pos(1)));
    ASSERT_TRUE(pool.Mark(2, 2, 5, 3, Pos(1))); // narrower: columns 4 and 5 drop out
    EXPECT_EQ(nullptr, pool.Lookup(3, 4));
    EXPECT_EQ(nullptr, pool.Lookup(5, 5));
    EXPECT_EQ(Pos(1), pool.Lookup(5, 3));
    ASSERT_TRUE(pool.Mark(2, 2, 5, 3, nullptr));
    for (ROWCOL r = 2; r <= 5; ++r)
        EXPECT_EQ(nullptr, pool.Lookup(r, 2));
    EXPECT_FALSE(pool.Mark(2, 2, 5, 3, nullptr)); // nothing left to remove
}

TEST(CoveredCellPool, RebuiltFromTheRangeList)
{
    CGXRangeList list;
    POSITION a = list.AddRange(CGXRange(1, 1, 2, 2));
    POSITION b = list.AddRange(CGXRange(5, 1, 5, 4));
    CGXCoveredCellPoolImp imp;
    std::unique_ptr<CObject> pObject(imp.CreatePool());
    CGXCoveredCellPool* pPool = dynamic_cast<CGXCoveredCellPool*>(pObject.get());
    ASSERT_NE(nullptr, pPool);
    pPool->Mark(8, 8, 9, 9, Pos(7)); // stale content goes
    imp.RebuildPool(pPool, list);
    EXPECT_EQ(a, pPool->Lookup(2, 2));
    EXPECT_EQ(b, pPool->Lookup(5, 4));
    EXPECT_EQ(nullptr, pPool->Lookup(9, 9));
}
