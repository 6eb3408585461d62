// A grid window in a visible top-level parent, for the core's tests: created in code with
// a row and column count and initialised, its pixels read back through a DC.
#pragma once
#include "core/GXGridWnd.h"
#include "core/GXGridParam.h"
#include "core/GXLibraryState.h"

#include <memory>

// The window classes grids need, as the library's start-up registers them.
inline void GXTestEnsureGridClasses()
{
    HINSTANCE hInst = AfxGetInstanceHandle();
    WNDCLASSA wc = {};
    if (!::GetClassInfoA(hInst, "GXWND", &wc)) {
        wc.style = CS_GLOBALCLASS | CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = hInst;
        wc.lpszClassName = "GXWND";
        AfxRegisterClass(&wc);
    }
    CGXGridWnd::RegisterClass(hInst);
}

class CGridTestWindow
{
public:
    CGridTestWindow(ROWCOL nRows, ROWCOL nCols, int cx = 640, int cy = 480,
                    CGXGridWnd* pGrid = nullptr)
    {
        GXTestEnsureGridClasses();
        m_parent.CreateEx(0, AfxRegisterWndClass(0), "grid test", WS_POPUP | WS_VISIBLE, 0, 0,
                          cx + 20, cy + 20, nullptr, nullptr);
        m_pGrid.reset(pGrid != nullptr ? pGrid : new CGXGridWnd);
        m_pGrid->Create(WS_VISIBLE | WS_CHILD, CRect(0, 0, cx, cy), &m_parent, 100);
        m_pGrid->Initialize();
        m_pGrid->SetRowCount(nRows);
        m_pGrid->SetColCount(nCols);
        Pump();
    }
    ~CGridTestWindow()
    {
        m_pGrid.reset();
        m_parent.DestroyWindow();
    }
    CGXGridWnd& Grid() { return *m_pGrid; }
    CGXGridWnd* Release() { return m_pGrid.release(); }

    static void Pump()
    {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }

    // Repaints the whole grid now and copies its client area into a bitmap.
    void Capture()
    {
        m_pGrid->Invalidate();
        m_pGrid->UpdateWindow();
        CRect rect;
        m_pGrid->GetClientRect(&rect);
        m_capture.DeleteDC();
        m_bitmap.DeleteObject();
        CClientDC dc(m_pGrid.get());
        m_capture.CreateCompatibleDC(&dc);
        m_bitmap.CreateCompatibleBitmap(&dc, rect.Width(), rect.Height());
        m_capture.SelectObject(&m_bitmap);
        m_capture.BitBlt(0, 0, rect.Width(), rect.Height(), &dc, 0, 0, SRCCOPY);
    }
    COLORREF Pixel(int x, int y) { return m_capture.GetPixel(x, y) & 0xFFFFFF; }
    // TRUE when every pixel of the rectangle has the colour.
    BOOL AllPixels(const CRect& rect, COLORREF cr)
    {
        for (int y = rect.top; y < rect.bottom; ++y)
            for (int x = rect.left; x < rect.right; ++x)
                if (Pixel(x, y) != (cr & 0xFFFFFF))
                    return FALSE;
        return TRUE;
    }

private:
    CWnd m_parent;
    std::unique_ptr<CGXGridWnd> m_pGrid;
    CDC m_capture;
    CBitmap m_bitmap;
};
