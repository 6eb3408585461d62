// Choice lists: extracting lines, tabbed fields into bounded buffers, finding and
// sorting choices.
#include "core/GXChoiceList.h"
#include <gtest/gtest.h>

TEST(GridChoiceList, ExtractLine)
{
    struct Case
    {
        const char *pszText, *pszLine, *pszRest;
        int nResult;
    } cases[] = {
        {"one\r\ntwo", "one", "two", 3}, {"one\ntwo", "one", "two", 3},
        {"one\rtwo", "one", "two", 3},   {"\r\ntwo", "", "two", 0},
        {"only", "only", "", -1},
    };
    for (const Case& c : cases) {
        CString text = c.pszText, line;
        EXPECT_EQ(c.nResult, GXExtractLine(text, line)) << c.pszText;
        EXPECT_STREQ(c.pszLine, line);
        EXPECT_STREQ(c.pszRest, text);
    }
}

TEST(GridChoiceList, TabbedItemRespectsCapacity)
{
    struct Case
    {
        int n, nCapacity;
        const char* pszField;
    } cases[] = {
        {0, 16, "alpha"}, {1, 16, "beta"}, {2, 16, "gamma"}, {3, 16, ""}, {0, 3, "al"}, {2, 1, ""},
    };
    for (const Case& c : cases) {
        char buffer[16];
        memset(buffer, 'x', sizeof buffer);
        int nLen = GXGetTabbedItem("alpha\tbeta\tgamma", c.n, buffer, c.nCapacity);
        EXPECT_STREQ(c.pszField, buffer) << c.n << " " << c.nCapacity;
        EXPECT_EQ((int)strlen(c.pszField), nLen);
        // Nothing is written past the capacity.
        for (int i = c.nCapacity; i < (int)sizeof buffer; ++i)
            EXPECT_EQ('x', buffer[i]);
    }
    EXPECT_STREQ("beta", GXGetTabbedItem("alpha\tbeta", 1));
}

TEST(GridChoiceList, FindChoice)
{
    const char* pszList = "Name\tCode\nApple\tA1\nbanana\tB2\nBanana split\tB3";
    CString found;
    EXPECT_EQ(1, GXFindChoice("BAN", 0, pszList, TRUE, found, FALSE));
    EXPECT_STREQ("banana\tB2", found);
    EXPECT_EQ(3, GXFindChoice("Banana split", 0, pszList, FALSE, found, TRUE));
    EXPECT_EQ(-1, GXFindChoice("banana s", 0, pszList, FALSE, found, TRUE));
    EXPECT_STREQ("", found);
    EXPECT_EQ(2, GXFindChoice("b3", 1, pszList, TRUE, found, FALSE));
}

TEST(GridChoiceList, SortKeepsHeading)
{
    CString list = "Name\tCode\ncherry\t3\nApple\t2\nbanana\t1";
    GXSortChoiceList(list, 0, TRUE);
    EXPECT_STREQ("Name\tCode\r\nApple\t2\r\nbanana\t1\r\ncherry\t3\r\n", list);
    GXSortChoiceList(list, 1, TRUE);
    EXPECT_STREQ("Name\tCode\r\nbanana\t1\r\nApple\t2\r\ncherry\t3\r\n", list);
}
