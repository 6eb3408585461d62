// The hidden-row and hidden-column bit sets and the edits that follow structure changes.
#include "features/GXHiddenBits.h"
#include <gtest/gtest.h>
#include <vector>

namespace {
std::vector<ROWCOL> Hidden(const CDWordArray& bits, ROWCOL nMax = 40)
{
    std::vector<ROWCOL> result;
    for (ROWCOL n = 0; n <= nMax; ++n)
        if (GXTestHiddenBit(bits, n))
            result.push_back(n);
    return result;
}

CDWordArray* Make(std::initializer_list<ROWCOL> numbers)
{
    CDWordArray* p = new CDWordArray;
    for (ROWCOL n : numbers)
        GXWriteHiddenBit(*p, n, TRUE);
    return p;
}
} // namespace

TEST(HiddenBits, WriteReportsChangesOnly)
{
    CDWordArray bits;
    EXPECT_FALSE(GXTestHiddenBit(bits, 1000)); // beyond the array: shown
    EXPECT_TRUE(GXWriteHiddenBit(bits, 1000, TRUE));
    EXPECT_FALSE(GXWriteHiddenBit(bits, 1000, TRUE));
    EXPECT_TRUE(GXTestHiddenBit(bits, 1000));
    EXPECT_FALSE(GXTestHiddenBit(bits, 999));
    EXPECT_FALSE(GXWriteHiddenBit(bits, 5, FALSE));
    EXPECT_TRUE(GXWriteHiddenBit(bits, 1000, FALSE));
    EXPECT_FALSE(GXTestHiddenBit(bits, 1000));
}

TEST(HiddenBits, StructureChangesCarryTheBits)
{
    struct Case
    {
        const char* pszWhat;
        std::initializer_list<ROWCOL> before;
        int nOp; // 0 insert (a, n), 1 remove (a..b), 2 move (a..b to c)
        ROWCOL a, b, c;
        std::vector<ROWCOL> after;
    };
    const Case cases[] = {
        {"insert two at 1", {3, 4, 5}, 0, 1, 2, 0, {5, 6, 7}},
        {"insert after", {3}, 0, 10, 2, 0, {3}},
        {"insert across a word", {31, 32}, 0, 0, 1, 0, {32, 33}},
        {"remove hidden row 4", {4, 6, 9}, 1, 4, 4, 0, {5, 8}},
        {"remove a block", {1, 3, 4, 7}, 1, 2, 5, 0, {1, 3}},
        {"move 2-3 down to 6", {3}, 2, 2, 3, 6, {7}},
        {"move down over others", {2, 5}, 2, 2, 2, 5, {4, 5}},
        {"move up", {8, 3}, 2, 8, 8, 2, {2, 4}},
        {"move onto itself", {3}, 2, 3, 4, 3, {3}},
    };
    for (const Case& c : cases) {
        std::unique_ptr<CDWordArray> bits(Make(c.before));
        if (c.nOp == 0)
            GXInsertHiddenBits(*bits, c.a, c.b);
        else if (c.nOp == 1)
            GXRemoveHiddenBits(*bits, c.a, c.b);
        else
            GXMoveHiddenBits(*bits, c.a, c.b, c.c);
        EXPECT_EQ(c.after, Hidden(*bits)) << c.pszWhat;
    }
}
