// Text drawing and formatting shared by the grid and its cell controls: word-wrapped,
// aligned text with "..." ellipsis or "#" overflow, text hit-testing, pattern bitmaps,
// three-dimensional frames, and the colour-fill helpers. One object per library copy.
#pragma once
#include "core/GXDefs.h"
#if defined(_WIN32)
#include "fw/win.h"

class CGXStyle;
class CGXControl;

#define GX_MAXLAYOUTLINES 32

class CGXDrawingAndFormatting
{
public:
    virtual ~CGXDrawingAndFormatting() = default;
    virtual CBitmap* GetPatternBitmap(int n);
    virtual int DrawTextWithEllipsis(CDC* pDC, LPCTSTR lpszString, int nCount, LPRECT lpRect,
                                     UINT nFormat, int nEllipsisMode, LPCRECT lpClipRect = nullptr);
    virtual int DrawText(CDC* pDC, LPCTSTR lpszString, int nCount, int left, int top, int right,
                         int bottom, UINT nFormat, LPCRECT lpClipRect = nullptr);
    virtual int DrawRotatedText(CDC* pDC, LPCTSTR lpszString, int nCount, int left, int top,
                                int right, int bottom, UINT nFormat, LONG lfOrientation,
                                LPCRECT lpClipRect = nullptr);
    virtual int GetCharIndexFromPoint(CDC* pDC, LPCTSTR lpszString, int nCount, LPCRECT lpRect,
                                      UINT nFormat, int x, int y);
    int LayoutText(CDC* pDC, LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat,
                   int* pnStarts, int* pnLengths)
    {
        return LayoutText(pDC, lpszString, nCount, lpRect, nFormat, pnStarts, pnLengths,
                          GX_MAXLAYOUTLINES);
    }
    virtual int LayoutText(CDC* pDC, LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat,
                           int* pnStarts, int* pnLengths, int nMaxLines);
    virtual CString GetFormattedValue(LPCTSTR pszValue, const CGXStyle* pStyle, UINT nFlags = 0);
    virtual BOOL ParseNumber(LPCTSTR pszText, double& d, UINT nFlags = 0);
    virtual void Draw3dFrame(CDC* pDC, int x0, int y0, int x1, int y1, int nDepth,
                             COLORREF rgbTopLeft, COLORREF rgbBottomRight);
    virtual void DrawButtonEdge(CDC* pDC, CRect rect, BOOL bDraw, BOOL bPressed);
    virtual void DrawClippedText(CDC* pDC, CRect rect, LPCTSTR pszText, UINT nFormat, BOOL bFrame);
    // The default text drawing of a cell control: background, picture or aligned text,
    // frame (defined with the controls, controls/GXStaticCellText.cpp).
    virtual void DrawStaticCellText(CGXControl* pControl, CDC* pDC, const CRect& rect, ROWCOL nRow,
                                    ROWCOL nCol, const CGXStyle& style,
                                    const CGXStyle* pStandardStyle);

    // The line advance of the selected font: tmHeight + tmExternalLeading, one pixel
    // less when that exceeds 19.
    static int LineAdvance(CDC* pDC);
};

CGXDrawingAndFormatting* GXGetDrawingAndFormatting();

void GXFillSolidRect(CDC* pDC, LPCRECT lpRect, COLORREF cr);
void GXFillSolidRectXYWH(CDC* pDC, int x, int y, int cx, int cy, COLORREF cr);
void GXInvertRect(CDC* pDC, LPCRECT lpRect, LPCRECT lpClip);
BOOL GXDrawEdge(CDC* pDC, LPRECT lpRect, UINT nEdge, BOOL bAdjustOnly);
// A grid or tab window's non-client paint: with bDrawFrame (or the window's 0x200 style) a
// sunken 3D frame drawn in the parent around the window, two pixels outside it.
void GXDrawFrameInParent(CWnd* pWnd, BOOL bDrawFrame);
// Paints rect of a window's DC through an off-screen bitmap so that it does not flicker
// (pfnPaint draws in the window's coordinates); without memory for the bitmap it paints
// straight onto the window.
template<class TPaint>
void GXPaintThroughBuffer(CDC& dc, const CRect& rect, TPaint pfnPaint)
{
    CDC dcMem;
    CBitmap bitmap;
    if (!dcMem.CreateCompatibleDC(&dc) ||
        !bitmap.CreateCompatibleBitmap(&dc, rect.Width(), rect.Height())) {
        pfnPaint(dc);
        return;
    }
    CBitmap* pOldBitmap = dcMem.SelectObject(&bitmap);
    dcMem.SetWindowOrg(rect.left, rect.top);
    dcMem.IntersectClipRect(&rect);
    pfnPaint(dcMem);
    dc.BitBlt(rect.left, rect.top, rect.Width(), rect.Height(), &dcMem, rect.left, rect.top,
              SRCCOPY);
    dcMem.SelectObject(pOldBitmap);
}
#endif
