// Device contexts and GDI objects: drawing into a memory bitmap, selection with
// temporary wrappers, the separate output and attribute DCs, and the paint DC.
#include <gtest/gtest.h>

#include "fw_test_support.h"

namespace {

TEST(Drawing, AMemoryDcDrawsIntoItsBitmap)
{
    CClientDC screen(nullptr);
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(&screen));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, 40, 30));
    CBitmap* pOldBitmap = dc.SelectObject(&bitmap);
    ASSERT_NE(pOldBitmap, nullptr);
    EXPECT_NE(pOldBitmap, &bitmap);
    EXPECT_EQ(dc.GetCurrentBitmap(), &bitmap); // the permanent object, not a wrapper

    dc.FillSolidRect(0, 0, 40, 30, RGB(255, 255, 255));
    CBrush brush(RGB(0, 0, 255));
    CPen pen(PS_SOLID, 1, RGB(255, 0, 0));
    CPen* pOldPen = dc.SelectObject(&pen);
    CBrush* pOldBrush = dc.SelectObject(&brush);
    dc.Rectangle(5, 5, 20, 20);
    EXPECT_EQ(dc.GetPixel(5, 5), RGB(255, 0, 0)); // the pen's outline
    EXPECT_EQ(dc.GetPixel(10, 10), RGB(0, 0, 255)); // the brush's fill
    EXPECT_EQ(dc.GetPixel(30, 25), RGB(255, 255, 255));

    dc.PatBlt(0, 0, 40, 30, BLACKNESS);
    EXPECT_EQ(dc.GetPixel(10, 10), RGB(0, 0, 0));

    CDC copy;
    ASSERT_TRUE(copy.CreateCompatibleDC(&screen));
    CBitmap target;
    ASSERT_TRUE(target.CreateCompatibleBitmap(&screen, 40, 30));
    CBitmap* pOldTarget = copy.SelectObject(&target);
    dc.FillSolidRect(0, 0, 10, 10, RGB(0, 255, 0));
    copy.BitBlt(0, 0, 40, 30, &dc, 0, 0, SRCCOPY);
    EXPECT_EQ(copy.GetPixel(3, 3), RGB(0, 255, 0));
    copy.SelectObject(pOldTarget);

    dc.SelectObject(pOldPen);
    dc.SelectObject(pOldBrush);
    dc.SelectObject(pOldBitmap);
    CGdiObject::DeleteTempMap(); // wrappers go, the stock objects stay usable
    EXPECT_NE(dc.SelectStockObject(BLACK_PEN), nullptr);
}

TEST(Drawing, AttributeQueriesReadTheAttributeDcAndSettingsGoToBoth)
{
    CClientDC screen(nullptr);
    HDC hOutput = ::CreateCompatibleDC(screen.m_hDC);
    HDC hAttrib = ::CreateCompatibleDC(screen.m_hDC);
    CFont bigFont;
    ASSERT_TRUE(bigFont.CreatePointFont(480, "Arial"));
    HGDIOBJ hOldFont = ::SelectObject(hAttrib, bigFont.GetSafeHandle());

    CDC dc;
    dc.SetOutputDC(hOutput);
    dc.SetAttribDC(hAttrib);
    EXPECT_GT(dc.GetTextExtent("Prompter", 8).cy, dc.GetOutputTextExtent("Prompter", 8).cy);

    dc.SetTextColor(RGB(9, 8, 7));
    EXPECT_EQ(::GetTextColor(hOutput), RGB(9, 8, 7));
    EXPECT_EQ(::GetTextColor(hAttrib), RGB(9, 8, 7));
    dc.SetBkMode(TRANSPARENT);
    EXPECT_EQ(::GetBkMode(hOutput), TRANSPARENT);
    EXPECT_EQ(dc.GetBkMode(), TRANSPARENT);

    dc.ReleaseAttribDC();
    dc.ReleaseOutputDC();
    ::SelectObject(hAttrib, hOldFont);
    ::DeleteDC(hOutput);
    ::DeleteDC(hAttrib);
}

TEST(Drawing, ADragRectangleIsDrawnAndErasedAgain)
{
    CClientDC screen(nullptr);
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(&screen));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, 40, 40));
    CBitmap* pOld = dc.SelectObject(&bitmap);
    dc.FillSolidRect(0, 0, 40, 40, RGB(255, 255, 255));

    auto changedPixels = [&dc](int left, int top, int right, int bottom) {
        int n = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                n += dc.GetPixel(x, y) != RGB(255, 255, 255);
        return n;
    };
    CRect rect(5, 5, 35, 35);
    dc.DrawDragRect(rect, CSize(3, 3), nullptr, CSize(0, 0));
    EXPECT_GT(changedPixels(5, 5, 35, 8), 0); // the frame's top band
    EXPECT_EQ(changedPixels(8, 8, 32, 32), 0); // nothing inside it
    EXPECT_EQ(changedPixels(0, 0, 40, 5), 0); // nothing outside it

    CRect moved(10, 10, 38, 38);
    dc.DrawDragRect(moved, CSize(3, 3), rect, CSize(3, 3));
    EXPECT_EQ(changedPixels(5, 5, 10, 10), 0); // the old frame's corner is gone
    EXPECT_GT(changedPixels(10, 10, 38, 13), 0); // the new one is there
    dc.DrawDragRect(moved, CSize(0, 0), moved, CSize(3, 3)); // erase (a zero-size frame)
    EXPECT_EQ(changedPixels(0, 0, 40, 40), 0);
    dc.SelectObject(pOld);
}

TEST(Drawing, FontsKeepTheirDescription)
{
    LOGFONTA lf = {};
    lf.lfHeight = -24;
    lf.lfWeight = FW_BOLD;
    lstrcpyA(lf.lfFaceName, "Arial");
    CFont font;
    ASSERT_TRUE(font.CreateFontIndirect(&lf));
    LOGFONTA back = {};
    ASSERT_GT(font.GetLogFont(&back), 0);
    EXPECT_EQ(back.lfHeight, -24);
    EXPECT_EQ(back.lfWeight, FW_BOLD);
    EXPECT_STREQ(back.lfFaceName, "Arial");

    CRgn a, b, both;
    ASSERT_TRUE(a.CreateRectRgn(0, 0, 10, 10));
    ASSERT_TRUE(b.CreateRectRgn(5, 5, 20, 20));
    ASSERT_TRUE(both.CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(both.CombineRgn(&a, &b, RGN_AND), SIMPLEREGION);
    CRect box;
    both.GetRgnBox(&box);
    EXPECT_EQ(box, CRect(5, 5, 10, 10));
    EXPECT_TRUE(both.PtInRegion(7, 7));
    EXPECT_FALSE(both.PtInRegion(2, 2));
}

class CPaintingWnd : public CWnd
{
public:
    int m_nPaints = 0;
    CRect m_paintRect;

protected:
    void OnPaint()
    {
        CPaintDC dc(this);
        ++m_nPaints;
        m_paintRect = dc.m_ps.rcPaint;
        dc.FillSolidRect(&dc.m_ps.rcPaint, RGB(0, 128, 0));
    }
    BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPaintingWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

TEST(Drawing, APaintDcValidatesWhatItPainted)
{
    CPaintingWnd wnd;
    ASSERT_TRUE(
        wnd.CreateEx(0, nullptr, "paint", WS_POPUP | WS_VISIBLE, 0, 0, 60, 40, nullptr, nullptr));
    wnd.UpdateWindow();
    PumpPending();
    int nBefore = wnd.m_nPaints;
    wnd.InvalidateRect(CRect(10, 10, 20, 20));
    wnd.UpdateWindow();
    EXPECT_EQ(wnd.m_nPaints, nBefore + 1);
    EXPECT_TRUE(wnd.m_paintRect.PtInRect(CPoint(15, 15)));
    CRect update;
    EXPECT_FALSE(wnd.GetUpdateRect(&update));
    wnd.DestroyWindow();
}

TEST(Controls, AStaticShowsItsText)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "parent", WS_POPUP, 0, 0, 100, 50, nullptr, nullptr));
    CStatic label;
    ASSERT_TRUE(label.Create("00:05", WS_CHILD | WS_VISIBLE | SS_CENTER, CRect(0, 0, 80, 20),
                             &parent, 1002));
    EXPECT_EQ(label.GetDlgCtrlID(), 1002);
    EXPECT_EQ(parent.GetDlgItem(1002), &label);
    CString text;
    label.GetWindowText(text);
    EXPECT_STREQ(text, "00:05");
    label.SetWindowText("00:04");
    label.GetWindowText(text);
    EXPECT_STREQ(text, "00:04");
    EXPECT_EQ(label.GetParent(), &parent);
    parent.DestroyWindow();
    EXPECT_EQ(label.m_hWnd, nullptr); // destroyed with its parent
}

} // namespace
