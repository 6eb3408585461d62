// Cells drawn through their controls, read back from the window: the regions compared come
// from the grid's own coordinates, the colours from the styles and the system colours.
#include "ControlTestSupport.h"
#include "core/GXOleVarUserAttribute.h"
#include "core/GXSysColorCache.h"
#include <vector>
#include <gtest/gtest.h>

namespace {
class ControlPaint : public ::testing::Test
{
protected:
    ControlPaint() : m_w((GXTestStartLibrary(), 20), 10)
    {
        grid().SetRowHeight(0, 20, 22);
        grid().SetColWidth(0, 10, 60);
    }
    CGXGridWnd& grid() { return m_w.Grid(); }
    int CountPixels(const CRect& rect, COLORREF cr)
    {
        int n = 0;
        for (int y = rect.top; y < rect.bottom; ++y)
            for (int x = rect.left; x < rect.right; ++x)
                n += m_w.Pixel(x, y) == (cr & 0xFFFFFF);
        return n;
    }
    CRect Inner(ROWCOL nRow, ROWCOL nCol)
    {
        return grid().SubtractBorders(grid().GetCellWindowRect(nRow, nCol),
                                      grid().GetCachedCellStyle(nRow, nCol), TRUE, nRow, nCol);
    }
    CGridTestWindow m_w;
};
} // namespace

TEST_F(ControlPaint, CellTextIsDrawnInTheStylesTextColourInsideTheCell)
{
    CGXStyle style;
    style.SetValue("WWWW").SetTextColor(RGB(0, 0, 255)).SetInterior(RGB(255, 255, 255));
    grid().SetStyleRange(CGXRange(2, 2, 2, 2), style);
    grid().SetStyleRange(CGXRange(2, 3, 2, 3), CGXStyle().SetInterior(RGB(255, 255, 255)));
    m_w.Capture();
    const CRect inner = Inner(2, 2);
    EXPECT_GT(CountPixels(inner, RGB(0, 0, 255)), 10);
    // The text stays in its cell: the empty neighbour has none of it.
    EXPECT_EQ(0, CountPixels(Inner(2, 3), RGB(0, 0, 255)));
    // Left-aligned text starts after the static control's margin.
    const CRect text = grid().LookupControl(0)->GetCellRect(2, 2);
    EXPECT_GT(text.left, inner.left);
    EXPECT_EQ(0,
              CountPixels(CRect(inner.left, inner.top, text.left, inner.bottom), RGB(0, 0, 255)));
}

TEST_F(ControlPaint, HeadersAreDrawnRaisedWithTheirGeneratedTexts)
{
    m_w.Capture();
    const COLORREF crLight = GXGetSysColorCache().GetSysColor(COLOR_BTNHIGHLIGHT) & 0xFFFFFF;
    for (const auto& cell : {std::make_pair(0u, 2u), std::make_pair(3u, 0u)}) {
        const CRect inner = Inner(cell.first, cell.second);
        ASSERT_GT(inner.Width(), 4);
        // Highlight along the top and left, black along the bottom and right.
        EXPECT_TRUE(
            m_w.AllPixels(CRect(inner.left, inner.top, inner.right - 1, inner.top + 1), crLight));
        EXPECT_TRUE(
            m_w.AllPixels(CRect(inner.left, inner.top, inner.left + 1, inner.bottom - 1), crLight));
        EXPECT_TRUE(m_w.AllPixels(CRect(inner.left, inner.bottom - 1, inner.right, inner.bottom),
                                  RGB(0, 0, 0)));
        EXPECT_TRUE(m_w.AllPixels(CRect(inner.right - 1, inner.top, inner.right, inner.bottom),
                                  RGB(0, 0, 0)));
        // The generated text ("B", "3") is drawn inside the frame.
        CRect label = inner;
        label.DeflateRect(1, 1, 1, 1);
        EXPECT_GT(CountPixels(label, ::GetSysColor(COLOR_WINDOWTEXT)) +
                      CountPixels(label, RGB(0, 0, 0)),
                  3);
    }
}

TEST_F(ControlPaint, PictureCellsDrawTheBitmapOfTheirPictureAttribute)
{
    // An 8 x 8 red bitmap file with a few bytes before it, as databases keep them.
    const int n = 8;
    std::vector<BYTE> bytes(4, 0xEE);
    BITMAPFILEHEADER bfh = {};
    BITMAPINFOHEADER bih = {};
    bih.biSize = sizeof bih;
    bih.biWidth = n;
    bih.biHeight = n;
    bih.biPlanes = 1;
    bih.biBitCount = 24;
    const int nRowBytes = (n * 3 + 3) & ~3;
    bfh.bfType = 0x4D42;
    bfh.bfOffBits = sizeof bfh + sizeof bih;
    bfh.bfSize = bfh.bfOffBits + nRowBytes * n;
    bytes.insert(bytes.end(), (BYTE*)&bfh, (BYTE*)&bfh + sizeof bfh);
    bytes.insert(bytes.end(), (BYTE*)&bih, (BYTE*)&bih + sizeof bih);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < nRowBytes; ++x)
            bytes.push_back(x < n * 3 && x % 3 == 2 ? 0xFF : 0x00); // blue, green, red
    SAFEARRAY* psa = ::SafeArrayCreateVector(VT_UI1, 0, (ULONG)bytes.size());
    BYTE* p = nullptr;
    ::SafeArrayAccessData(psa, (void**)&p);
    memcpy(p, bytes.data(), bytes.size());
    ::SafeArrayUnaccessData(psa);
    VARIANT var;
    ::VariantInit(&var);
    var.vt = VT_ARRAY | VT_UI1;
    var.parray = psa;
    CGXStyle picture;
    picture.SetControl(20128).SetInterior(RGB(255, 255, 255)).SetValue("text");
    picture.SetUserAttributePtr(52794, new CGXOleVarUserAttribute(var));
    ::VariantClear(&var);
    grid().SetStyleRange(CGXRange(4, 2, 4, 2), picture);
    // Without the attribute the cell shows its text like a static cell.
    grid().SetStyleRange(CGXRange(4, 3, 4, 3),
                         CGXStyle().SetControl(20128).SetValue("WWW").SetTextColor(RGB(0, 0, 255)));
    m_w.Capture();
    ASSERT_STREQ("CGXDaoBitmap", GXControlClassName(grid().GetControl(4, 2)));
    const CRect inner = grid().GetControl(4, 2)->CGXControl::GetCellRect(4, 2);
    EXPECT_TRUE(
        m_w.AllPixels(CRect(inner.left, inner.top, inner.left + n, inner.top + n), RGB(255, 0, 0)));
    EXPECT_EQ(0, CountPixels(Inner(4, 2), RGB(0, 0, 0)));
    EXPECT_GT(CountPixels(Inner(4, 3), RGB(0, 0, 255)), 5);
}
