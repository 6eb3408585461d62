#include "core/GXDrawingAndFormatting.h"
#include "core/GXBrush.h"
#include "core/GXLibraryState.h"
#include "core/GXPatterns.h"
#include "core/GXStyle.h"
#include "core/GXSysColorCache.h"
#include <algorithm>
#include <memory>
#include <vector>

namespace {
// Bytes of the character at p (double-byte characters are never split).
int CharBytes(const char* p, const char* pEnd)
{
    return (p + 1 < pEnd && ::IsDBCSLeadByte((BYTE)*p)) ? 2 : 1;
}

// How many bytes of [p, p + n) fit in nWidth pixels, whole characters only.
int FitBytes(HDC hdc, const char* p, int n, int nWidth)
{
    int nFit = 0;
    SIZE size;
    if (n <= 0 ||
        !::GetTextExtentExPointA(hdc, p, n, nWidth < 0 ? 0 : nWidth, &nFit, nullptr, &size))
        return 0;
    // Back up to a character boundary.
    int nWhole = 0;
    while (nWhole < nFit) {
        int nChar = CharBytes(p + nWhole, p + n);
        if (nWhole + nChar > nFit)
            break;
        nWhole += nChar;
    }
    return nWhole;
}

int TextWidth(HDC hdc, const char* p, int n)
{
    SIZE size = {0, 0};
    if (n > 0)
        ::GetTextExtentPoint32A(hdc, p, n, &size);
    return size.cx;
}

bool IsBreak(char c) { return c == '\r' || c == '\n'; }
} // namespace

int CGXDrawingAndFormatting::LineAdvance(CDC* pDC)
{
    TEXTMETRIC tm = {};
    pDC->GetTextMetrics(&tm);
    int h = tm.tmHeight + tm.tmExternalLeading;
    return h > 19 ? h - 1 : h;
}

CBitmap* CGXDrawingAndFormatting::GetPatternBitmap(int n)
{
    static std::unique_ptr<CBitmap> apBitmaps[GX_PATTERN_COUNT];
    const WORD* pBits = GXGetPatternBits(n);
    if (pBits == nullptr)
        return nullptr;
    if (!apBitmaps[n]) {
        apBitmaps[n] = std::make_unique<CBitmap>();
        apBitmaps[n]->CreateBitmap(8, 8, 1, 1, pBits);
    }
    return apBitmaps[n].get();
}

int CGXDrawingAndFormatting::LayoutText(CDC* pDC, LPCTSTR lpszString, int nCount, LPRECT lpRect,
                                        UINT nFormat, int* pnStarts, int* pnLengths, int nMaxLines)
{
    if (lpszString == nullptr || lpRect == nullptr || nMaxLines <= 0)
        return 0;
    if (nCount < 0)
        nCount = (int)strlen(lpszString);
    HDC hdc = pDC->GetSafeHdc();
    TEXTMETRIC tm = {};
    pDC->GetTextMetrics(&tm);
    const int h = std::max(1, (int)(tm.tmHeight + tm.tmExternalLeading));
    const int H = lpRect->bottom - lpRect->top;
    const int W = lpRect->right - lpRect->left + 1;
    int nLimit = (h + h / 3 >= H) ? 1 : H / h + 1;
    if (!(nFormat & DT_WORDBREAK))
        nLimit = 1;
    nLimit = std::min(nLimit, nMaxLines);

    const char* s = lpszString;
    int nLines = 0, pos = 0;
    while (nLines < nLimit) {
        int nSegEnd = pos;
        while (nSegEnd < nCount && !IsBreak(s[nSegEnd]))
            ++nSegEnd;
        int nStart = pos, nLen, nNext;
        if (!(nFormat & DT_WORDBREAK)) {
            // One line, at most the rectangle's width (at least one character).
            int nFit = FitBytes(hdc, s + pos, nSegEnd - pos, W);
            nLen = nSegEnd == pos ? 0 : std::max(nFit, CharBytes(s + pos, s + nSegEnd));
            nNext = pos + nLen;
            pnStarts[nLines] = nStart;
            pnLengths[nLines] = nLen;
            ++nLines;
            break;
        } else {
            int nFit = FitBytes(hdc, s + pos, nSegEnd - pos, W);
            if (nFit >= nSegEnd - pos) {
                nLen = nSegEnd - pos;
                nNext = nSegEnd;
                if (nNext < nCount) // one break: CR LF counts once
                    nNext +=
                        (s[nNext] == '\r' && nNext + 1 < nCount && s[nNext + 1] == '\n') ? 2 : 1;
            } else {
                int nSpace = -1;
                for (int i = pos + nFit; i > pos; --i)
                    if (s[i] == ' ') {
                        nSpace = i;
                        break;
                    }
                if (nSpace > pos) {
                    nLen = nSpace - pos;
                    nNext = nSpace + 1;
                } else {
                    // A word wider than the line breaks at the last whole character that fits.
                    nLen = std::max(nFit, CharBytes(s + pos, s + nSegEnd));
                    nNext = pos + nLen;
                }
            }
        }
        pnStarts[nLines] = nStart;
        pnLengths[nLines] = nLen;
        ++nLines;
        if (nNext >= nCount) {
            // A text that ends right after a line break gets a final empty line.
            bool bEndsWithBreak = (nFormat & DT_WORDBREAK) && nCount > 0 &&
                IsBreak(s[nCount - 1]) && nNext == nCount && nSegEnd < nCount;
            if (bEndsWithBreak && nLines < nLimit) {
                pnStarts[nLines] = nCount;
                pnLengths[nLines] = 0;
                ++nLines;
            }
            break;
        }
        pos = nNext;
    }
    const int nUsedBottom = lpRect->top + nLines * (h + 1);
    if (nUsedBottom < lpRect->bottom) {
        if (nFormat & DT_VCENTER)
            lpRect->top += (lpRect->bottom + tm.tmExternalLeading - nUsedBottom) / 2;
        else if (nFormat & DT_BOTTOM)
            lpRect->top += lpRect->bottom - nUsedBottom;
    }
    return nLines;
}

int CGXDrawingAndFormatting::DrawText(CDC* pDC, LPCTSTR lpszString, int nCount, int left, int top,
                                      int right, int bottom, UINT nFormat, LPCRECT lpClipRect)
{
    if (lpszString == nullptr)
        return 0;
    if (nCount < 0)
        nCount = (int)strlen(lpszString);
    CRect rect(left, top, right, bottom);
    int anStarts[GX_MAXLAYOUTLINES], anLengths[GX_MAXLAYOUTLINES];
    int nLines = LayoutText(pDC, lpszString, nCount, &rect, nFormat, anStarts, anLengths);
    CRect rcClip = lpClipRect != nullptr ? CRect(lpClipRect) : CRect(left, top, right, bottom);
    const int nAdvance = LineAdvance(pDC);
    int y = rect.top;
    for (int i = 0; i < nLines; ++i, y += nAdvance) {
        int cx = TextWidth(pDC->GetSafeHdc(), lpszString + anStarts[i], anLengths[i]);
        int x = left;
        if (nFormat & DT_RIGHT)
            x = right - cx;
        else if (nFormat & DT_CENTER)
            x = left + (right - left - cx) / 2;
        x = std::max(x, left);
        pDC->ExtTextOut(x, y, ETO_CLIPPED, &rcClip, lpszString + anStarts[i], anLengths[i],
                        nullptr);
    }
    return 0;
}

int CGXDrawingAndFormatting::DrawTextWithEllipsis(CDC* pDC, LPCTSTR lpszString, int nCount,
                                                  LPRECT lpRect, UINT nFormat, int nEllipsisMode,
                                                  LPCRECT lpClipRect)
{
    if (lpszString == nullptr || lpRect == nullptr)
        return 0;
    if (nCount < 0)
        nCount = (int)strlen(lpszString);
    HDC hdc = pDC->GetSafeHdc();
    CRect rect(lpRect);
    int anStarts[GX_MAXLAYOUTLINES], anLengths[GX_MAXLAYOUTLINES];
    int nLines = LayoutText(pDC, lpszString, nCount, &rect, nFormat, anStarts, anLengths);
    CRect rcClip = lpClipRect != nullptr ? CRect(lpClipRect) : CRect(lpRect);
    TEXTMETRIC tm = {};
    pDC->GetTextMetrics(&tm);
    const int nAdvance = LineAdvance(pDC);
    const int nWidth = rect.Width();
    int y = rect.top;
    for (int i = 0; i < nLines; ++i, y += nAdvance) {
        CString line(lpszString + anStarts[i], anLengths[i]);
        const bool bTextGoesOn = anStarts[i] + anLengths[i] < nCount;
        const bool bLastDrawn =
            i == nLines - 1 || (rect.bottom - y) < tm.tmAscent * 3 / 4 + nAdvance;
        if (nEllipsisMode == 1 && bLastDrawn && bTextGoesOn && line.GetLength() >= 2) {
            // Drop characters before the "..." until the result fits.
            CString body = line;
            CString shown = body + "...";
            while (body.GetLength() > 1 && TextWidth(hdc, shown, shown.GetLength()) > nWidth) {
                body = body.Left(body.GetLength() - 1);
                shown = body + "...";
            }
            for (LPCTSTR pszEnd : {"..", ".", ""}) {
                if (TextWidth(hdc, shown, shown.GetLength()) <= nWidth)
                    break;
                shown = body + pszEnd;
            }
            line = shown;
        } else if (nEllipsisMode == 2 && (nFormat & DT_SINGLELINE) && bTextGoesOn) {
            int cxHash = std::max(1, TextWidth(hdc, "#", 1));
            line = CString('#', std::max(1, nWidth / cxHash));
        }
        int cx = TextWidth(hdc, line, line.GetLength());
        int x = rect.left;
        if (nFormat & DT_RIGHT)
            x = rect.right - cx;
        else if (nFormat & DT_CENTER)
            x = rect.left + (nWidth - cx) / 2;
        x = std::max(x, (int)rect.left);
        pDC->ExtTextOut(x, y, ETO_CLIPPED, &rcClip, line, line.GetLength(), nullptr);
        if (bLastDrawn)
            break;
    }
    return 0;
}

int CGXDrawingAndFormatting::DrawRotatedText(CDC* pDC, LPCTSTR lpszString, int nCount, int left,
                                             int top, int right, int bottom, UINT nFormat,
                                             LONG lfOrientation, LPCRECT lpClipRect)
{
    CGXAbstractDrawRotatedTextImp* pImp = GXGetLibraryState().m_pDrawRotatedTextImp;
    return pImp != nullptr ? pImp->DrawRotatedText(pDC, lpszString, nCount, left, top, right,
                                                   bottom, nFormat, lfOrientation, lpClipRect)
                           : 0;
}

int CGXDrawingAndFormatting::GetCharIndexFromPoint(CDC* pDC, LPCTSTR lpszString, int nCount,
                                                   LPCRECT lpRect, UINT nFormat, int x, int y)
{
    if (lpszString == nullptr || lpRect == nullptr)
        return -1;
    if (nCount < 0)
        nCount = (int)strlen(lpszString);
    CRect rect(lpRect);
    int anStarts[GX_MAXLAYOUTLINES], anLengths[GX_MAXLAYOUTLINES];
    int nLines = LayoutText(pDC, lpszString, nCount, &rect, nFormat, anStarts, anLengths);
    const int nAdvance = std::max(1, LineAdvance(pDC));
    if (y < rect.top)
        return -1;
    int nLine = (y - rect.top) / nAdvance;
    if (nLine >= nLines)
        return -1;
    HDC hdc = pDC->GetSafeHdc();
    const char* p = lpszString + anStarts[nLine];
    int cx = TextWidth(hdc, p, anLengths[nLine]);
    int xLine = rect.left;
    if (nFormat & DT_RIGHT)
        xLine = rect.right - cx;
    else if (nFormat & DT_CENTER)
        xLine = rect.left + (rect.Width() - cx) / 2;
    TEXTMETRIC tm = {};
    pDC->GetTextMetrics(&tm);
    if (x < xLine || x > xLine + cx + tm.tmMaxCharWidth / 3)
        return -1;
    int nOffset = 0;
    while (nOffset < anLengths[nLine]) {
        int nChar = CharBytes(p + nOffset, p + anLengths[nLine]);
        if (xLine + TextWidth(hdc, p, nOffset + nChar) > x)
            break;
        nOffset += nChar;
    }
    return anStarts[nLine] + nOffset;
}

CString CGXDrawingAndFormatting::GetFormattedValue(LPCTSTR pszValue, const CGXStyle* pStyle,
                                                   UINT nFlags)
{
    CString s;
    if (CGXAbstractNumberFormattingImp* pImp = GXGetLibraryState().m_pNumberFormattingImp) {
        if (pStyle != nullptr) {
            pImp->FormatValue(s, *pStyle, pszValue, nFlags);
            return s;
        }
    }
    if (pszValue != nullptr)
        return pszValue;
    if (pStyle != nullptr && pStyle->GetInclude(gxValue))
        return pStyle->GetValue();
    return s;
}

BOOL CGXDrawingAndFormatting::ParseNumber(LPCTSTR pszText, double& d, UINT nFlags)
{
    CGXAbstractNumberFormattingImp* pImp = GXGetLibraryState().m_pNumberFormattingImp;
    return pImp != nullptr && pszText != nullptr && pImp->ParseValue(pszText, d, nFlags);
}

void CGXDrawingAndFormatting::Draw3dFrame(CDC* pDC, int x0, int y0, int x1, int y1, int nDepth,
                                          COLORREF rgbTopLeft, COLORREF rgbBottomRight)
{
    COLORREF crOld = pDC->GetBkColor();
    for (int i = 0; i < nDepth; ++i) {
        int l = x0 + i, t = y0 + i, r = x1 - i, b = y1 - i;
        if (r <= l || b <= t)
            break;
        GXFillSolidRectXYWH(pDC, l, t, r - l, 1, rgbTopLeft);
        GXFillSolidRectXYWH(pDC, l, t, 1, b - t, rgbTopLeft);
        GXFillSolidRectXYWH(pDC, l, b - 1, r - l, 1, rgbBottomRight);
        GXFillSolidRectXYWH(pDC, r - 1, t, 1, b - t, rgbBottomRight);
    }
    pDC->SetBkColor(crOld);
}

void CGXDrawingAndFormatting::DrawButtonEdge(CDC* pDC, CRect rect, BOOL bDraw, BOOL bPressed)
{
    if (bDraw)
        pDC->DrawEdge(&rect, bPressed ? 12 : 3, bPressed ? 0x600F : 0xA00F);
    if (bPressed)
        pDC->DrawEdge(&rect, 10, 0x200F);
}

void CGXDrawingAndFormatting::DrawClippedText(CDC* pDC, CRect rect, LPCTSTR pszText, UINT nFormat,
                                              BOOL bFrame)
{
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    CString strMeasure = pszText != nullptr && *pszText != '\0' ? CString(pszText) : CString("--");
    CRect rcCalc(0, 0, rect.Width(), rect.Height());
    ::DrawTextA(pDC->GetSafeHdc(), strMeasure, strMeasure.GetLength(), &rcCalc,
                nFormat | DT_CALCRECT);
    int cx = rcCalc.Width() + 6, cy = rcCalc.Height();
    CRect box(rect.left + (rect.Width() - cx) / 2, rect.top + (rect.Height() - cy) / 2, 0, 0);
    box.right = box.left + cx;
    box.bottom = box.top + cy;
    box.IntersectRect(&box, &rect);
    if (pszText != nullptr)
        DrawText(pDC, pszText, -1, box.left, box.top, box.right, box.bottom, nFormat | DT_CENTER,
                 &box);
    if (bFrame) {
        COLORREF cr = GXGetSysColorCache().GetSysColor(COLOR_BTNSHADOW);
        GXFillSolidRectXYWH(pDC, box.left + 2, box.top, box.Width() - 3, 1, cr);
        GXFillSolidRectXYWH(pDC, box.left + 2, box.bottom - 1, box.Width() - 3, 1, cr);
        GXFillSolidRectXYWH(pDC, box.left, box.top + 2, 1, box.Height() - 3, cr);
        GXFillSolidRectXYWH(pDC, box.right - 1, box.top + 2, 1, box.Height() - 3, cr);
    }
    pDC->SetBkMode(nOldMode);
}

CGXDrawingAndFormatting* GXGetDrawingAndFormatting()
{
    CGXGridLibraryState& state = GXGetLibraryState();
    if (state.m_pDrawingAndFormatting == nullptr)
        state.m_pDrawingAndFormatting = new CGXDrawingAndFormatting;
    return state.m_pDrawingAndFormatting;
}

UINT_PTR GXPatternBitmapHandle(int nPattern)
{
    CBitmap* pBitmap = GXGetDrawingAndFormatting()->GetPatternBitmap(nPattern);
    return pBitmap != nullptr ? (UINT_PTR)pBitmap->GetSafeHandle() : 0;
}

void GXFillSolidRectXYWH(CDC* pDC, int x, int y, int cx, int cy, COLORREF cr)
{
    COLORREF crOld = pDC->SetBkColor(GXResolveColor(cr));
    CRect rect(x, y, x + cx, y + cy);
    pDC->ExtTextOut(0, 0, ETO_OPAQUE, &rect, "", 0, nullptr);
    pDC->SetBkColor(crOld);
}

void GXFillSolidRect(CDC* pDC, LPCRECT lpRect, COLORREF cr)
{
    GXFillSolidRectXYWH(pDC, lpRect->left, lpRect->top, lpRect->right - lpRect->left,
                        lpRect->bottom - lpRect->top, cr);
}

void GXInvertRect(CDC* pDC, LPCRECT lpRect, LPCRECT lpClip)
{
    CRect rect(lpRect);
    if (lpClip != nullptr && !::IsRectEmpty(lpClip) && !rect.IntersectRect(&rect, lpClip))
        return;
    pDC->InvertRect(&rect);
}

BOOL GXDrawEdge(CDC* pDC, LPRECT lpRect, UINT nEdge, BOOL bAdjustOnly)
{
    return pDC->DrawEdge(lpRect, nEdge, bAdjustOnly ? 0x2000 : 0x000F);
}

void GXDrawFrameInParent(CWnd* pWnd, BOOL bDrawFrame)
{
    if (!bDrawFrame && !(pWnd->GetStyle() & 0x200))
        return;
    CWnd* pParent = pWnd->GetParent();
    if (pParent == nullptr)
        return;
    CRect rect;
    pWnd->GetWindowRect(&rect);
    pParent->ScreenToClient(&rect);
    rect.left -= 2;
    rect.top -= 2;
    rect.right += 3;
    rect.bottom += 3;
    CClientDC dc(pParent);
    GXDrawEdge(&dc, &rect, EDGE_SUNKEN, FALSE);
}
