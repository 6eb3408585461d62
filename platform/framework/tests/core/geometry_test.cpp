// Rectangles follow the system's rules: empty results are the null rectangle, the
// right and bottom edges are outside.
#include <gtest/gtest.h>

#include "fw/core.h"

TEST(RectTest, IntersectUnionSubtract)
{
    struct Case
    {
        CRect a, b;
        CRect intersect, unite, subtract;
    } cases[] = {
        {CRect(0, 0, 10, 10), CRect(5, 5, 15, 15), CRect(5, 5, 10, 10), CRect(0, 0, 15, 15),
         CRect(0, 0, 10, 10)},
        {CRect(0, 0, 10, 10), CRect(10, 0, 20, 10), CRect(), CRect(0, 0, 20, 10),
         CRect(0, 0, 10, 10)},
        {CRect(0, 0, 10, 10), CRect(0, 0, 0, 0), CRect(), CRect(0, 0, 10, 10), CRect(0, 0, 10, 10)},
        // The second covers the top band across the whole width: what is left is below it.
        {CRect(0, 0, 10, 10), CRect(-5, -5, 15, 4), CRect(0, 0, 10, 4), CRect(-5, -5, 15, 10),
         CRect(0, 4, 10, 10)},
        {CRect(0, 0, 10, 10), CRect(6, -1, 11, 11), CRect(6, 0, 10, 10), CRect(0, -1, 11, 11),
         CRect(0, 0, 6, 10)},
    };
    for (const Case& c : cases) {
        CRect r;
        r.IntersectRect(&c.a, &c.b);
        EXPECT_EQ(r, c.intersect);
        r.UnionRect(&c.a, &c.b);
        EXPECT_EQ(r, c.unite);
        r.SubtractRect(&c.a, &c.b);
        EXPECT_EQ(r, c.subtract);
        EXPECT_EQ(c.a & c.b, c.intersect);
        EXPECT_EQ(c.a | c.b, c.unite);
    }
}

TEST(RectTest, MembersAndOperators)
{
    CRect r(10, 20, 110, 70);
    EXPECT_EQ(r.Width(), 100);
    EXPECT_EQ(r.Height(), 50);
    EXPECT_EQ(r.CenterPoint(), CPoint(60, 45));
    EXPECT_TRUE(r.PtInRect(CPoint(10, 20)));
    EXPECT_FALSE(r.PtInRect(CPoint(110, 20))); // the right edge is outside
    r.OffsetRect(CPoint(-10, -20));
    EXPECT_EQ(r.TopLeft(), CPoint(0, 0));
    r.InflateRect(2, 3);
    EXPECT_EQ(r, CRect(-2, -3, 102, 53));
    r.DeflateRect(2, 3, 2, 3);
    EXPECT_EQ(r.Size(), CSize(100, 50));
    CRect flipped(10, 10, 0, 0);
    EXPECT_TRUE(flipped.IsRectEmpty());
    flipped.NormalizeRect();
    EXPECT_EQ(flipped, CRect(0, 0, 10, 10));
    EXPECT_TRUE(CRect().IsRectNull());
    EXPECT_EQ(CPoint(5, 5) - CPoint(2, 1), CSize(3, 4));
    EXPECT_EQ(CPoint(5, 5) + CSize(1, 1), CPoint(6, 6));
    EXPECT_EQ(CRect(0, 0, 1, 1) + CPoint(1, 2), CRect(1, 2, 2, 3));
    LPCRECT p = r;
    EXPECT_EQ(p->right, 100);
}
