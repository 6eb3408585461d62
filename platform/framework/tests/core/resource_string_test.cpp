// String resources: loaded along the resource chain on Windows; the native build has none.
#include <gtest/gtest.h>

#include "fw/core.h"
#include "resource_strings.h"

#if defined(_WIN32)
TEST(ResourceStringTest, LoadsFromTheProgramsStringTable)
{
    CString s("unchanged");
    EXPECT_TRUE(s.LoadString(IDS_FW_TEST_SHORT));
    EXPECT_EQ(s, "Length of Break");
    EXPECT_TRUE(s.LoadString(IDS_FW_TEST_LONG));
    EXPECT_EQ(s.GetLength(), 300); // longer than the first buffer tried
    EXPECT_EQ(s.Right(3), "END");
    s = "unchanged";
    EXPECT_FALSE(s.LoadString(IDS_FW_TEST_MISSING));
    EXPECT_EQ(s, "unchanged");
    EXPECT_EQ(CString((LPCSTR)MAKEINTRESOURCE(IDS_FW_TEST_SHORT)), "Length of Break");
    s.Format(IDS_FW_TEST_FORMAT, 42);
    EXPECT_EQ(s, "Break 42");
}
#else
TEST(ResourceStringTest, NativeBuildHasNoResources)
{
    CString s("unchanged");
    EXPECT_FALSE(s.LoadString(IDS_FW_TEST_SHORT));
    EXPECT_EQ(s, "unchanged");
}
#endif
