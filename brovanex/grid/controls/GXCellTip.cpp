#include "controls/GXCellTip.h"
#include "core/GXDIB.h"
#include "core/GXGridCore.h"
#include "core/GXResourceString.h"
#include "fw/dc.h"
#include "fw/edit.h"
#include "res/GXResource.h"

#include <algorithm>

namespace {
CGXCellTipBase* NewCellTip(CGXControl* pControl) { return new CGXCellTipStatic(pControl); }

CSize DIBSize(HGLOBAL hDIB)
{
    CSize size(0, 0);
    if (hDIB == nullptr || ::GlobalSize(hDIB) < sizeof(BITMAPINFOHEADER))
        return size;
    const BITMAPINFOHEADER* pHeader = static_cast<const BITMAPINFOHEADER*>(::GlobalLock(hDIB));
    if (pHeader != nullptr) {
        size.cx = pHeader->biWidth;
        size.cy = pHeader->biHeight < 0 ? -pHeader->biHeight : pHeader->biHeight;
        ::GlobalUnlock(hDIB);
    }
    return size;
}

CRect ScreenRect()
{
    return CRect(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
}
} // namespace

void GXImplementCellTips() { GXCreateCellTipOf = &NewCellTip; }

// --- Tip windows ---

CGXCellTipWnd::CGXCellTipWnd(int nKind) : m_nKind(nKind)
{
    m_brBackground.CreateSolidBrush(::GetSysColor(COLOR_INFOBK));
}

BOOL CGXCellTipWnd::CreateTip(CWnd* pOwner)
{
    return CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, AfxRegisterWndClass(CS_SAVEBITS), nullptr,
                    WS_POPUP, 0, 0, 1, 1, pOwner != nullptr ? pOwner->GetSafeHwnd() : nullptr,
                    nullptr);
}

BEGIN_MESSAGE_MAP(CGXTextCellTipWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CGXTextCellTipWnd::CGXTextCellTipWnd() : CGXCellTipWnd(kindText), m_rectText(0, 0, 0, 0) { }

void CGXTextCellTipWnd::SetTipFont(const LOGFONT& lf)
{
    m_font.DeleteObject();
    m_font.CreateFontIndirect(&lf);
}

BOOL CGXTextCellTipWnd::OnEraseBkgnd(CDC*) { return TRUE; }

void CGXTextCellTipWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(&rect);
    dc.FillRect(&rect, &m_brBackground);
    const int nOldMode = dc.SetBkMode(TRANSPARENT);
    const COLORREF crOld = dc.SetTextColor(::GetSysColor(COLOR_INFOTEXT));
    CFont* pOldFont = m_font.GetSafeHandle() != nullptr ? dc.SelectObject(&m_font) : nullptr;
    CRect rectText = m_rectText;
    dc.DrawText(m_strText, &rectText, DT_NOPREFIX | DT_NOCLIP);
    if (pOldFont != nullptr)
        dc.SelectObject(pOldFont);
    dc.SetTextColor(crOld);
    dc.SetBkMode(nOldMode);
    CBrush black;
    black.CreateSolidBrush(RGB(0, 0, 0));
    dc.FrameRect(&rect, &black);
}

BEGIN_MESSAGE_MAP(CGXStaticBitmapCellTipWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CGXStaticBitmapCellTipWnd::CGXStaticBitmapCellTipWnd()
    : CGXCellTipWnd(kindBitmap), m_hDIB(nullptr), m_rectPicture(0, 0, 0, 0)
{ }

BOOL CGXStaticBitmapCellTipWnd::OnEraseBkgnd(CDC*) { return TRUE; }

void CGXStaticBitmapCellTipWnd::OnPaint()
{
    CPaintDC dc(this);
    if (m_hDIB == nullptr)
        return;
    CRect rect;
    GetClientRect(&rect);
    dc.FillRect(&rect, &m_brBackground);
    GXDrawDIB(&dc, m_hDIB, m_rectPicture, 1, 0);
    CBrush black;
    black.CreateSolidBrush(RGB(0, 0, 0));
    dc.FrameRect(&rect, &black);
}

// --- The tip logic of a control ---

CString CGXCellTipStatic::TipText(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
{
    CString strText;
    if (m_pControl != nullptr)
        m_pControl->FormatDisplayText(strText, nRow, nCol, nullptr, style);
    return strText;
}

int CGXCellTipStatic::GetTipKind(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
{
    if (m_pControl == nullptr)
        return CGXCellTipWnd::kindText;
    CWnd* pWnd = m_pControl->GetWnd();
    const BOOL bEditWnd = pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CEdit));
    if (!bEditWnd && TipText(nRow, nCol, style).Left(4) == "#BMP")
        return CGXCellTipWnd::kindBitmap;
    return CGXCellTipWnd::kindText;
}

DWORD CGXCellTipStatic::NeedsCellTip(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
{
    if (m_pControl == nullptr)
        return 0;
    if (GetTipKind(nRow, nCol, style) == CGXCellTipWnd::kindBitmap)
        return BitmapClip(nRow, nCol, style);
    return style.GetWrapText() ? 0 : TextClip(nRow, nCol, style);
}

void CGXCellTipStatic::CellRects(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, CRect& rectCell,
                                 CRect& rectInner)
{
    CGXGridCore* pGrid = m_pControl->Grid();
    const CRect rectWindow = pGrid->GetCellWindowRect(nRow, nCol);
    rectCell = pGrid->SubtractBorders(rectWindow, style, FALSE, nRow, nCol);
    rectInner = m_pControl->GetCellRect(nRow, nCol, &rectWindow, &style);
    if (CWnd* pWnd = pGrid->GetGridWnd()) {
        pWnd->ClientToScreen(&rectCell);
        pWnd->ClientToScreen(&rectInner);
    }
}

DWORD CGXCellTipStatic::ClipFlags(const CRect& rectContent, const CRect& rectRoom)
{
    DWORD dwFlags = 0;
    if (rectContent.Width() > rectRoom.Width())
        dwFlags |= gxTipWider;
    if (rectContent.Height() > rectRoom.Height())
        dwFlags |= gxTipTaller;
    if (CWnd* pWnd = m_pControl->Grid()->GetGridWnd()) {
        CRect rectClient;
        pWnd->GetClientRect(&rectClient);
        pWnd->ClientToScreen(&rectClient);
        if (rectContent.left < rectClient.left || rectContent.right > rectClient.right)
            dwFlags |= gxTipOutsideClientHorz;
        if (rectContent.top < rectClient.top || rectContent.bottom > rectClient.bottom)
            dwFlags |= gxTipOutsideClientVert;
    }
    const CRect rectScreen = ScreenRect();
    if (rectContent.left < rectScreen.left || rectContent.right > rectScreen.right)
        dwFlags |= gxTipOutsideScreenHorz;
    if (rectContent.top < rectScreen.top || rectContent.bottom > rectScreen.bottom)
        dwFlags |= gxTipOutsideScreenVert;
    return dwFlags;
}

CPoint CGXCellTipStatic::TextOrigin(CDC* pDC, const CString& strText, const CRect& rectInner,
                                    const CGXStyle& style)
{
    const UINT nHorz = style.GetHorizontalAlignment();
    const UINT nVert = style.GetVerticalAlignment();
    CPoint origin = rectInner.TopLeft();
    const CSize sizeFull = pDC->GetTextExtent(strText);
    if ((nHorz & (DT_CENTER | DT_RIGHT)) != 0) {
        // Shortened from its end while wider than the room, as the cell shows it.
        const BOOL bDots = style.HasUserAttribute(GX_IDS_UA_ELLIPSISTYPE) &&
            style.GetUserAttribute(GX_IDS_UA_ELLIPSISTYPE).GetValue() == "1";
        CString strShort = strText;
        int nDots = 3;
        int cx = sizeFull.cx;
        while (cx > rectInner.Width() && strShort.GetLength() >= 2) {
            strShort = strShort.Left(strShort.GetLength() - 1);
            if (bDots && strShort.GetLength() == 1 && nDots > 0)
                --nDots;
            const CString strMeasured = bDots ? strShort + CString('.', nDots) : strShort;
            cx = pDC->GetTextExtent(strMeasured).cx;
        }
        if (nHorz & DT_RIGHT)
            origin.x = std::max(rectInner.left, rectInner.right - cx);
        else
            origin.x = rectInner.left + std::max(0, (rectInner.Width() - cx) / 2);
    }
    if (nVert & DT_BOTTOM)
        origin.y = std::max(rectInner.top, rectInner.bottom - sizeFull.cy);
    else if (nVert & DT_VCENTER)
        origin.y = rectInner.top + std::max(0, (int)(rectInner.Height() - sizeFull.cy) / 2);
    return origin;
}

DWORD CGXCellTipStatic::TextClip(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
{
    if (style.GetFont().GetIncludeOrientation() && style.GetFont().GetOrientation() != 0)
        return 0;
    CGXGridCore* pGrid = m_pControl->Grid();
    CWnd* pWnd = pGrid->GetGridWnd();
    if (pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr)
        return 0;
    const CString strText = TipText(nRow, nCol, style);
    if (strText.IsEmpty())
        return 0;
    CRect rectCell, rectInner;
    CellRects(nRow, nCol, style, rectCell, rectInner);
    CClientDC dc(pWnd);
    CFont* pOld = dc.SelectObject(pGrid->FindOrMakeFont(style.GetFont()));
    const CSize size = dc.GetTextExtent(strText);
    const CPoint origin = TextOrigin(&dc, strText, rectInner, style);
    dc.SelectObject(pOld);
    return ClipFlags(CRect(origin, size), rectInner);
}

DWORD CGXCellTipStatic::BitmapClip(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
{
    HGLOBAL hDIB = GXGetDIBPool()->LookupDIB(TipText(nRow, nCol, style));
    if (hDIB == nullptr)
        return 0;
    const CSize size = DIBSize(hDIB);
    CRect rectCell, rectInner;
    CellRects(nRow, nCol, style, rectCell, rectInner);
    CPoint origin = rectCell.TopLeft();
    const UINT nHorz = style.GetHorizontalAlignment(), nVert = style.GetVerticalAlignment();
    if (nHorz & DT_RIGHT)
        origin.x = rectCell.right - size.cx;
    else if (nHorz & DT_CENTER)
        origin.x = rectCell.left + (rectCell.Width() - size.cx) / 2;
    if (nVert & DT_BOTTOM)
        origin.y = rectCell.bottom - size.cy;
    else if (nVert & DT_VCENTER)
        origin.y = rectCell.top + (rectCell.Height() - size.cy) / 2;
    return ClipFlags(CRect(origin, size), rectCell);
}

void CGXCellTipStatic::InitTipWnd(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, CWnd* pTipWnd)
{
    CGXCellTipWnd* pTip = dynamic_cast<CGXCellTipWnd*>(pTipWnd);
    if (pTip == nullptr || m_pControl == nullptr || pTip->GetSafeHwnd() == nullptr)
        return;
    CGXGridCore* pGrid = m_pControl->Grid();
    CRect rectCell, rectInner;
    CellRects(nRow, nCol, style, rectCell, rectInner);
    const CRect rectScreen = ScreenRect();
    const DWORD dwFlags = NeedsCellTip(nRow, nCol, style);
    const CString strText = TipText(nRow, nCol, style);

    if (pTip->m_nKind == CGXCellTipWnd::kindBitmap) {
        CGXStaticBitmapCellTipWnd* pBitmapTip = static_cast<CGXStaticBitmapCellTipWnd*>(pTip);
        pBitmapTip->m_hDIB = GXGetDIBPool()->LookupDIB(strText);
        const CSize size = DIBSize(pBitmapTip->m_hDIB);
        const int cx = std::max((int)size.cx + 1, (int)(rectCell.right - rectInner.left + 1));
        const int cy = std::max((int)size.cy + 1, (int)(rectCell.bottom - rectInner.top - 1));
        CPoint pos = rectCell.TopLeft();
        const UINT nVert = style.GetVerticalAlignment(), nHorz = style.GetHorizontalAlignment();
        if ((nVert & DT_BOTTOM) && size.cy >= rectCell.Height())
            pos.y = rectCell.bottom - cy;
        const int cxFull = ::GetSystemMetrics(SM_CXFULLSCREEN);
        const int cyFull = ::GetSystemMetrics(SM_CYFULLSCREEN);
        pos.x = std::max(0, std::min((int)pos.x, cxFull - cx));
        pos.y = std::max(0, std::min((int)pos.y, cyFull - cy));
        pTip->SetWindowPos(nullptr, pos.x, pos.y, cx, cy,
                           SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOZORDER);
        CRect rectPicture(0, 0, size.cx, size.cy);
        if (size.cx < cx - 1) {
            if (nHorz & DT_RIGHT)
                rectPicture.OffsetRect(cx - 1 - size.cx, 0);
            else if (nHorz & DT_CENTER)
                rectPicture.OffsetRect((cx - 1 - size.cx) / 2, 0);
        }
        if (size.cy < cy - 1) {
            if (nVert & DT_BOTTOM)
                rectPicture.OffsetRect(0, cy - 1 - size.cy);
            else if (nVert & DT_VCENTER)
                rectPicture.OffsetRect(0, (cy - 1 - size.cy) / 2);
        }
        pBitmapTip->m_rectPicture = rectPicture;
        return;
    }

    CGXTextCellTipWnd* pTextTip = static_cast<CGXTextCellTipWnd*>(pTip);
    pTextTip->m_strText = strText;
    pTextTip->SetWindowText(strText);
    const LOGFONT lf = style.GetFont().GetLogFontRef();
    pTextTip->SetTipFont(lf);
    CSize size(0, 0);
    CPoint origin = rectInner.TopLeft();
    if (CWnd* pWnd = pGrid->GetGridWnd()) {
        CClientDC dc(pWnd);
        CFont* pOld = dc.SelectObject(pGrid->FindOrMakeFont(style.GetFont()));
        size = dc.GetTextExtent(strText);
        origin = TextOrigin(&dc, strText, rectInner, style);
        dc.SelectObject(pOld);
    }
    size += CSize(6, 2);
    const UINT nHorz = style.GetHorizontalAlignment(), nVert = style.GetVerticalAlignment();
    int cx = origin.x + size.cx - rectInner.left;
    if (dwFlags & gxTipOutsideScreenHorz)
        cx = size.cx;
    else if (!((dwFlags & gxTipOutsideClientHorz) && !(nHorz & DT_CENTER)))
        cx = std::max(cx,
                      (int)std::min(rectScreen.right - rectInner.left + 1,
                                    rectCell.right - rectInner.left + 1));
    int cy = origin.y + size.cy - rectInner.top;
    if (dwFlags & gxTipOutsideScreenVert)
        cy = size.cy;
    else if (!((dwFlags & gxTipOutsideClientVert) && !(nVert & DT_VCENTER)))
        cy = std::max(cy,
                      (int)std::min(rectScreen.bottom - rectInner.top + 1,
                                    rectCell.bottom - rectInner.top + 1));
    CPoint pos = rectCell.TopLeft();
    if (pos.x + cx > rectScreen.right)
        pos.x = rectScreen.right - cx; // back on screen, at its edge
    if (pos.y + cy > rectScreen.bottom)
        pos.y = rectScreen.bottom - cy;
    pos.x = std::max(pos.x, (LONG)rectScreen.left);
    pos.y = std::max(pos.y, (LONG)rectScreen.top);
    pTip->SetWindowPos(nullptr, pos.x, pos.y, cx, cy,
                       SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOZORDER);
    CRect rectText(0, 0, cx, cy);
    rectText.left = (dwFlags & gxTipOutsideScreenHorz) ? 2 : origin.x - pos.x;
    rectText.top = origin.y - pos.y - ((nVert & DT_BOTTOM) ? 1 : 0);
    pTextTip->m_rectText = rectText;
}

void GXMeasureTabbedBitmaps(LPCTSTR pszLine, CSize& size, BOOL bFirstOnly, int nColumn, int nCount)
{
    if (pszLine == nullptr)
        return;
    const int nFirst = bFirstOnly ? 0 : std::max(0, nColumn);
    const int nLast = bFirstOnly ? 0 : (nCount <= 0 ? -1 : nFirst + nCount - 1);
    if (nLast < nFirst)
        return;
    const char* p = pszLine;
    for (int nField = 0; nField <= nLast; ++nField) {
        const char* pEnd = p;
        while (*pEnd != 0 && *pEnd != '\t')
            ++pEnd;
        if (nField >= nFirst) {
            const CString strField(p, (int)(pEnd - p));
            const CSize sizeBitmap = DIBSize(GXGetDIBPool()->LookupDIB(strField));
            size.cx = std::max(size.cx, sizeBitmap.cx);
            size.cy = std::max(size.cy, sizeBitmap.cy);
        }
        if (*pEnd == 0)
            break;
        p = pEnd + 1;
    }
}
