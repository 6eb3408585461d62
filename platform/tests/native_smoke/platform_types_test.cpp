// The stored formats are byte-exact: the scalar types must have their Windows sizes in
// both builds (a native LONG must not silently become 8 bytes).
#include <gtest/gtest.h>

#include "fw/fwdefs.h"

TEST(PlatformTypes, ScalarSizesMatchTheStoredFormats)
{
    EXPECT_EQ(sizeof(BYTE), 1u);
    EXPECT_EQ(sizeof(WORD), 2u);
    EXPECT_EQ(sizeof(DWORD), 4u);
    EXPECT_EQ(sizeof(LONG), 4u);
    EXPECT_EQ(sizeof(UINT), 4u);
    EXPECT_EQ(sizeof(COLORREF), 4u);
    EXPECT_EQ(sizeof(RECT), 16u);
    EXPECT_EQ(sizeof(POINT), 8u);
    EXPECT_EQ(sizeof(void*), sizeof(INT_PTR));
}

TEST(PlatformTypes, ColourAndWordMacros)
{
    const COLORREF c = RGB(0x12, 0x34, 0x56);
    EXPECT_EQ(c, 0x00563412u);
    EXPECT_EQ(GetRValue(c), 0x12);
    EXPECT_EQ(GetGValue(c), 0x34);
    EXPECT_EQ(GetBValue(c), 0x56);
    EXPECT_EQ(LOWORD(0x12345678u), 0x5678);
    EXPECT_EQ(HIWORD(0x12345678u), 0x1234);
    EXPECT_EQ((DWORD)MAKELONG(0x5678, 0x1234), 0x12345678u);
}
