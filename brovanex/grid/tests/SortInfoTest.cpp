// The sort keys' array (growth, zeroed records, freeing) and reading a key's text as a
// number.
#include "features/GXSortInfo.h"
#include <gtest/gtest.h>

TEST(GridSortInfo, TheArrayGrowsByItsStepAndZeroesNewRecords)
{
    CGXSortInfoArray keys;
    EXPECT_TRUE(keys.IsKindOf(RUNTIME_CLASS(CGXSortInfoArray)));
    keys.SetSize(1);
    EXPECT_EQ(4, keys.GetCapacity()); // an eighth of nothing, at least 4
    keys[0].nRC = 7;
    keys[0].sortOrder = gxSortDescending;
    keys.SetSize(5);
    EXPECT_EQ(8, keys.GetCapacity());
    EXPECT_EQ(7u, keys[0].nRC);
    for (INT_PTR i = 1; i < 5; ++i) {
        const CGXSortKeyInfo& k = keys[i];
        EXPECT_EQ(0u,
                  k.nRC | k.sortType | k.sortOrder | k.bCase | k.dwReserved | k.bAllNumeric |
                      k.bAllDates);
    }
    keys.SetSize(100, 10); // the step is remembered
    EXPECT_EQ(100, keys.GetCapacity());
    keys.SetSize(101);
    EXPECT_EQ(110, keys.GetCapacity());
    keys.SetSize(3); // shrinking keeps the storage
    EXPECT_EQ(110, keys.GetCapacity());
    keys.SetSize(4);
    EXPECT_EQ(0u, keys[3].nRC); // zeroed again when it comes back
    keys.SetSize(0);
    EXPECT_EQ(0, keys.GetCapacity());
    BOOL bThrown = FALSE;
    try {
        keys[0].nRC = 1;
    } catch (CNotSupportedException* e) {
        e->Delete();
        bThrown = TRUE;
    }
    EXPECT_TRUE(bThrown);

    CGXSortInfoArray many;
    many.SetSize(16000);
    many.SetSize(16001); // an eighth, at most 1024
    EXPECT_EQ(17024, many.GetCapacity());
}

TEST(GridSortInfo, NumbersKeepTheirThousandsAndExponents)
{
    struct Case
    {
        const char* pszText;
        BOOL bLooksNumeric;
        double dValue;
    };
    const Case cases[] = {
        {"1,000", TRUE, 1000.0}, {"12,345,678.5", TRUE, 12345678.5},
        {"-2e3", TRUE, -2000.0}, {"9", TRUE, 9.0},
        {" 42", TRUE, 42.0},     {"1.5e-2", TRUE, 0.015},
        {"1E3", FALSE, 1000.0},  {"12a", FALSE, 12.0},
        {"", TRUE, 0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszText);
        EXPECT_EQ(c.bLooksNumeric, GXSortTextLooksNumeric(c.pszText));
        EXPECT_DOUBLE_EQ(c.dValue, GXSortTextToNumber(c.pszText));
    }
}
