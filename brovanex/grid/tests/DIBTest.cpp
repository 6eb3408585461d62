// Bitmaps: checking DIB blocks, the cell texts that name bitmaps, placement in a
// rectangle, and (Windows) drawing into a memory DC and the pool.
#include "core/GXDIB.h"
#include <gtest/gtest.h>
#if defined(_WIN32)
#include "fw/win.h"
#endif

namespace {
// A DIB block: header, colour table and bits, 8 bits per pixel unless told otherwise.
std::vector<BYTE> MakeDIB(LONG cx, LONG cy, WORD nBitCount = 8, DWORD nClrUsed = 0,
                          DWORD nCompression = 0)
{
    DWORD nColors = nClrUsed != 0 ? nClrUsed : nBitCount <= 8 ? (1u << nBitCount) : 0;
    DWORD cbMasks = nCompression == 3 ? 12 : 0;
    DWORD cbStride = ((cx * nBitCount + 31) / 32) * 4;
    std::vector<BYTE> dib(40 + cbMasks + nColors * 4 + cbStride * (cy < 0 ? -cy : cy));
    auto put32 = [&](size_t off, DWORD v) { memcpy(&dib[off], &v, 4); };
    auto put16 = [&](size_t off, WORD v) { memcpy(&dib[off], &v, 2); };
    put32(0, 40);
    put32(4, (DWORD)cx);
    put32(8, (DWORD)cy);
    put16(12, 1);
    put16(14, nBitCount);
    put32(16, nCompression);
    put32(32, nClrUsed);
    // Colour 1 is pure red; every pixel uses it.
    if (nColors > 1)
        put32(40 + cbMasks + 4, 0x00FF0000);
    for (size_t i = 40 + cbMasks + nColors * 4; i < dib.size(); ++i)
        dib[i] = nBitCount == 8 ? 1 : 0;
    return dib;
}
} // namespace

TEST(GridDIB, BlocksAreChecked)
{
    std::vector<BYTE> good = MakeDIB(10, 5);
    GXDIBLayout layout;
    ASSERT_TRUE(GXCheckDIB(good.data(), good.size(), &layout));
    EXPECT_EQ(256u, layout.nColors);
    EXPECT_EQ(40u + 1024, layout.dwBitsOffset);
    EXPECT_EQ(12u * 5, layout.cbBits);

    struct Case
    {
        const char* pszWhat;
        std::vector<BYTE> dib;
        size_t cbCut;
    } bad[] = {
        {"empty width", MakeDIB(0, 5), 0},
        {"empty height", MakeDIB(4, 0), 0},
        {"bits cut short", MakeDIB(10, 5), 1},
        {"colour table cut short", MakeDIB(10, 5), 60 + 900},
        {"too many colours", MakeDIB(4, 4, 4, 17), 0},
        {"masks missing", MakeDIB(4, 4, 32, 0, 3), 13 + 64},
        {"bad bit count", MakeDIB(4, 4, 7), 0},
        {"header only", std::vector<BYTE>(good.begin(), good.begin() + 20), 0},
    };
    for (Case& c : bad) {
        size_t cb = c.dib.size() - std::min(c.cbCut, c.dib.size());
        EXPECT_FALSE(GXCheckDIB(c.dib.data(), cb)) << c.pszWhat;
    }
    std::vector<BYTE> masks = MakeDIB(4, 4, 32, 0, 3);
    ASSERT_TRUE(GXCheckDIB(masks.data(), masks.size(), &layout));
    EXPECT_EQ(52u, layout.dwBitsOffset);
    std::vector<BYTE> huge = MakeDIB(4, 4);
    DWORD cx = 0x7FFFFFFF;
    memcpy(&huge[4], &cx, 4); // bits far beyond the block
    EXPECT_FALSE(GXCheckDIB(huge.data(), huge.size()));
}

TEST(GridDIB, FileBytes)
{
    std::vector<BYTE> dib = MakeDIB(3, 3);
    std::vector<BYTE> file = {'x', 'y', 'B', 'M'};
    file.resize(2 + 14, 0);
    file.insert(file.end(), dib.begin(), dib.end());
    std::vector<BYTE> out;
    ASSERT_TRUE(GXExtractDIBFromFileBytes(file.data(), file.size(), out));
    EXPECT_EQ(dib, out);
    EXPECT_FALSE(GXExtractDIBFromFileBytes(file.data(), file.size() - 1, out));
    EXPECT_FALSE(GXExtractDIBFromFileBytes("no bitmap", 9, out));
}

TEST(GridDIB, CellTexts)
{
    struct Case
    {
        const char* pszText;
        BOOL bRef;
        const char* pszKey;
        UINT nId;
    } cases[] = {
        {"#BMP(12)", TRUE, "#12", 12},       {"#bmp(12)", TRUE, "#12", 12},
        {"#BMP(\"Logo\")", TRUE, "Logo", 0}, {"#BMP(0)", FALSE, "", 0},
        {"#BMP(ab)", FALSE, "", 0},          {"#BMP(\"Logo)", FALSE, "", 0},
        {"#BMP(99999999999)", FALSE, "", 0}, {"plain", FALSE, "", 0},
    };
    for (const Case& c : cases) {
        CString key, name;
        UINT nId = 0;
        EXPECT_EQ(c.bRef, GXParseDIBText(c.pszText, key, nId, name)) << c.pszText;
        EXPECT_STREQ(c.pszKey, key) << c.pszText;
        EXPECT_EQ(c.nId, nId) << c.pszText;
    }
}

TEST(GridDIB, Placement)
{
    RECT rcSrc = {0, 0, 100, 50}, rcDest = {10, 10, 50, 50}, s, d;
    GXPlaceDIB(rcSrc, rcDest, 2, DT_VCENTER, s, d);
    EXPECT_EQ(40, d.right - d.left);
    EXPECT_EQ(20, d.bottom - d.top);
    EXPECT_EQ(20, d.top);
    GXPlaceDIB({0, 0, 10, 10}, rcDest, 0, DT_CENTER | DT_BOTTOM, s, d);
    EXPECT_EQ(25, d.left);
    EXPECT_EQ(40, d.top);
    EXPECT_EQ(10, d.right - d.left);
    GXPlaceDIB(rcSrc, rcDest, 0, 0, s, d);
    EXPECT_EQ(40, s.right); // cut to the destination
    GXPlaceDIB(rcSrc, rcDest, 1, 0, s, d);
    EXPECT_EQ(rcDest.right, d.right);
}

#if defined(_WIN32)
TEST(GridDIB, DrawsIntoMemoryDC)
{
    std::vector<BYTE> dib = MakeDIB(4, 4);
    HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, dib.size());
    memcpy(::GlobalLock(h), dib.data(), dib.size());
    ::GlobalUnlock(h);
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(20, 20, 1, 32, nullptr));
    CBitmap* pOld = dc.SelectObject(&bitmap);
    dc.FillSolidRect(0, 0, 20, 20, RGB(255, 255, 255));
    EXPECT_TRUE(GXDrawDIB(&dc, h, {0, 0, 20, 20}, 0, DT_CENTER | DT_VCENTER));
    EXPECT_EQ(RGB(255, 0, 0), dc.GetPixel(10, 10) & 0xFFFFFF);
    EXPECT_EQ(RGB(255, 255, 255), dc.GetPixel(2, 2) & 0xFFFFFF);
    // A block cut short is skipped.
    HGLOBAL hShort = ::GlobalAlloc(GMEM_MOVEABLE, 30);
    EXPECT_FALSE(GXDrawDIB(&dc, hShort, {0, 0, 20, 20}, 1, 0));
    dc.SelectObject(pOld);
    ::GlobalFree(h);
    ::GlobalFree(hShort);
}

TEST(GridDIB, PoolCachesMissingBitmaps)
{
    CGXDIBPool* pPool = GXGetDIBPool();
    INT_PTR nBefore = pPool->GetCount();
    EXPECT_EQ(nullptr, pPool->LookupDIB("#BMP(\"NoSuchPicture\")"));
    EXPECT_EQ(nullptr, pPool->LookupDIB("#bmp(\"NoSuchPicture\")"));
    EXPECT_EQ(nBefore + 1, pPool->GetCount());
    EXPECT_EQ(nullptr, pPool->LookupDIB("text"));
    CString text;
    pPool->FormatDIBText(12, text);
    EXPECT_STREQ("#BMP(12)", text);
}
#endif
