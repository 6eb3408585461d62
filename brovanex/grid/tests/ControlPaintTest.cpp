// Cells drawn through their controls, read back from the window: the regions compared come
// from the grid's own coordinates, the colours from the styles and the system colours.
#include "ControlTestSupport.h"
#include "controls/GXStatic.h"
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

namespace {
// A bitmap file of n x n pixels of one colour, with a few bytes before it as databases keep
// them, in a byte-array variant (cleared by the caller).
VARIANT PictureVariant(int n, COLORREF cr)
{
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
    const BYTE bgr[3] = {GetBValue(cr), GetGValue(cr), GetRValue(cr)};
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < nRowBytes; ++x)
            bytes.push_back(x < n * 3 ? bgr[x % 3] : 0x00);
    SAFEARRAY* psa = ::SafeArrayCreateVector(VT_UI1, 0, (ULONG)bytes.size());
    BYTE* p = nullptr;
    ::SafeArrayAccessData(psa, (void**)&p);
    memcpy(p, bytes.data(), bytes.size());
    ::SafeArrayUnaccessData(psa);
    VARIANT var;
    ::VariantInit(&var);
    var.vt = VT_ARRAY | VT_UI1;
    var.parray = psa;
    return var;
}
} // namespace

TEST_F(ControlPaint, PictureCellsDrawTheBitmapOfTheirPictureAttribute)
{
    const int n = 8;
    VARIANT var = PictureVariant(n, RGB(255, 0, 0));
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

TEST_F(ControlPaint, PictureCellsDecodeAPictureOnceAndRedrawAChangedOne)
{
    const int n = 8;
    auto store = [&](ROWCOL nRow, COLORREF cr) {
        VARIANT var = PictureVariant(n, cr);
        CGXStyle picture;
        picture.SetControl(20128).SetInterior(RGB(255, 255, 255));
        picture.SetUserAttributePtr(52794, new CGXOleVarUserAttribute(var));
        ::VariantClear(&var);
        grid().SetStyleRange(CGXRange(nRow, 2, nRow, 2), picture);
    };
    store(4, RGB(255, 0, 0));
    store(5, RGB(255, 0, 0)); // the same bytes in another cell
    m_w.Capture();
    auto* pControl = dynamic_cast<CGXDaoBitmap*>(grid().GetControl(4, 2));
    ASSERT_NE(pControl, nullptr);
    const int nDecodes = pControl->GetDecodeCount();
    EXPECT_EQ(1, nDecodes);
    m_w.Capture();
    m_w.Capture();
    EXPECT_EQ(nDecodes, pControl->GetDecodeCount());

    // A changed picture is decoded and drawn, never the one kept before.
    store(4, RGB(0, 0, 255));
    m_w.Capture();
    EXPECT_EQ(nDecodes + 1, pControl->GetDecodeCount());
    for (ROWCOL nRow : {4u, 5u}) {
        const CRect inner = pControl->CGXControl::GetCellRect(nRow, 2);
        EXPECT_TRUE(m_w.AllPixels(CRect(inner.left, inner.top, inner.left + n, inner.top + n),
                                  nRow == 4 ? RGB(0, 0, 255) : RGB(255, 0, 0)));
    }

    // Pictures beyond the kept number push the least recently drawn out.
    std::vector<VARIANT> vars;
    for (int i = 0; i <= CGXDaoBitmap::nMaxDecoded; ++i)
        vars.push_back(PictureVariant(2, RGB(i, 1, 2)));
    const int nBefore = pControl->GetDecodeCount();
    for (const VARIANT& var : vars)
        EXPECT_NE(nullptr, pControl->LookupPicture(var));
    EXPECT_EQ(nBefore + CGXDaoBitmap::nMaxDecoded + 1, pControl->GetDecodeCount());
    EXPECT_NE(nullptr, pControl->LookupPicture(vars.back())); // kept
    EXPECT_NE(nullptr, pControl->LookupPicture(vars.front())); // pushed out: decoded again
    EXPECT_EQ(nBefore + CGXDaoBitmap::nMaxDecoded + 2, pControl->GetDecodeCount());
    for (VARIANT& var : vars)
        ::VariantClear(&var);
}
