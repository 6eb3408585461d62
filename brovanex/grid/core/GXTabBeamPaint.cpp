// CGXTabBeam: drawing the tab strip: its fonts and colours, the slanted tabs, the scroll
// buttons and the strip painted through a memory bitmap; colour and metric changes.
#include "core/GXTabBeam.h"
#include "core/GXFont.h"
#include "core/GXFontTable.h"
#include "core/GXLibraryState.h"
#include "core/GXSysColorCache.h"
#include "fw/dc.h"

#include <algorithm>

namespace {
int ThreeDFlag() { return GXGetLibraryState().m_b3dLook1 ? 1 : 0; }
} // namespace

void CGXTabBeam::CreateFonts()
{
    m_fontNormal.DeleteObject();
    m_fontBold.DeleteObject();
    LOGFONT lf = {};
    if (::GetSystemMetrics(SM_DBCSENABLED)) {
        HGDIOBJ hFont = ::GetStockObject(DEFAULT_GUI_FONT);
        if (hFont == nullptr)
            hFont = ::GetStockObject(SYSTEM_FONT);
        ::GetObject(hFont, sizeof(lf), &lf);
    } else {
        lf.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
        lf.lfClipPrecision = 0x12;
        lstrcpynA(lf.lfFaceName, "Arial", LF_FACESIZE);
        if (const GXFaceEntry* pFace = GXGetFaceEntry(GXGetFaceIndex("Arial")))
            lf.lfCharSet = pFace->nCharSet;
    }
    lf.lfHeight = std::max(1, m_nHeight - 2);
    lf.lfWidth = 0;
    lf.lfItalic = FALSE;
    lf.lfUnderline = FALSE;
    lf.lfWeight = FW_NORMAL;
    m_fontNormal.CreateFontIndirect(&lf);
    lf.lfWeight = FW_BOLD;
    m_fontBold.CreateFontIndirect(&lf);
}

void CGXTabBeam::UpdateColors()
{
    m_crText = m_crTextActive = ::GetSysColor(COLOR_WINDOWTEXT);
    m_crFace = ::GetSysColor(COLOR_BTNFACE);
    m_crWindow = ::GetSysColor(COLOR_WINDOW);
    m_crFree = ::GetSysColor(COLOR_SCROLLBAR);
    m_brFace.DeleteObject();
    m_brFace.CreateSolidBrush(m_crFace);
    m_brWindow.DeleteObject();
    m_brWindow.CreateSolidBrush(m_crWindow);
    m_brBlack.DeleteObject();
    m_brBlack.CreateSolidBrush(RGB(0, 0, 0));
    m_penShadow.DeleteObject();
    m_penShadow.CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
}

// Drawing.

void CGXTabBeam::FillSolid(CDC* pDC, const CRect& rect, COLORREF cr)
{
    const COLORREF crOld = pDC->SetBkColor(cr);
    pDC->ExtTextOut(0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    pDC->SetBkColor(crOld);
}

void CGXTabBeam::DrawTab(CDC* pDC, int nTab)
{
    const CGXTabInfo& info = GetTabInfo(nTab);
    const int x = GetTabLeft(nTab);
    const int h = m_nHeight - ThreeDFlag();
    const POINT pts[4] = {{x, 0},
                          {x + info.nWidth + 2 * m_nSlant, 0},
                          {x + info.nWidth + m_nSlant, h},
                          {x + m_nSlant, h}};
    CBrush* pFill;
    if (info.bSel || nTab == m_nCurrent)
        pFill = (info.flags & 2) ? const_cast<CBrush*>(&info.brSel) : &m_brWindow;
    else
        pFill = (info.flags & 1) ? const_cast<CBrush*>(&info.brNormal) : &m_brFace;
    CBrush* pOldBrush = pDC->SelectObject(pFill);
    CGdiObject* pOldPen = pDC->SelectStockObject(BLACK_PEN);
    pDC->Polygon(pts, 4);
    pDC->SelectObject(pOldBrush);
    if (nTab == m_nCurrent)
        FillSolid(pDC, CRect(x + 1, 0, x + info.nWidth + 2 * m_nSlant, 1), m_crWindow);
    pDC->SelectObject(&m_penShadow);
    pDC->MoveTo(x + m_nSlant + 1, h - 1);
    pDC->LineTo(x + info.nWidth + m_nSlant - 1, h - 1);
    pDC->LineTo(x + info.nWidth + 2 * m_nSlant - 2, 0);
    pDC->SelectObject(pOldPen);

    CFont* pOldFont = pDC->SelectObject(nTab == m_nCurrent ? &m_fontBold : &m_fontNormal);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF crOld = pDC->SetTextColor(nTab == m_nCurrent ? m_crTextActive : m_crText);
    CRect rectText(x + m_nSlant, 0, x + m_nSlant + info.nWidth, h);
    pDC->DrawText(info.sLabel, &rectText, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    pDC->SetTextColor(crOld);
    pDC->SetBkMode(nOldMode);
    pDC->SelectObject(pOldFont);
}

void CGXTabBeam::DrawScrollButton(CDC* pDC, int nButton, BOOL bPressed)
{
    const int nPos = PositionOfButton(nButton);
    if (nPos < 0)
        return;
    const int x0 = nPos * m_nButtonWidth;
    CRect rect(x0, 0, x0 + m_nButtonWidth, m_nHeight);
    const COLORREF crShadow = ::GetSysColor(COLOR_BTNSHADOW);
    const COLORREF crLight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    FillSolid(pDC, rect, ::GetSysColor(COLOR_WINDOWFRAME));
    CRect inner(rect);
    inner.DeflateRect(1, 1);
    FillSolid(pDC, inner, m_crFace);
    if (bPressed) {
        FillSolid(pDC, CRect(inner.left, inner.top, inner.right, inner.top + 1), crShadow);
        FillSolid(pDC, CRect(inner.left, inner.top, inner.left + 1, inner.bottom), crShadow);
    } else {
        FillSolid(pDC, CRect(inner.left, inner.top, inner.right, inner.top + 1), crLight);
        FillSolid(pDC, CRect(inner.left, inner.top, inner.left + 1, inner.bottom), crLight);
        FillSolid(pDC, CRect(inner.left, inner.bottom - 1, inner.right, inner.bottom), crShadow);
        FillSolid(pDC, CRect(inner.right - 1, inner.top, inner.right, inner.bottom), crShadow);
    }
    if (ThreeDFlag())
        FillSolid(pDC, CRect(rect.left, rect.bottom - 1, rect.right, rect.bottom), RGB(0, 0, 0));

    // The arrow: one-pixel columns 1, 3, 5, 7 (and 9) pixels tall, its tip outward.
    const int nColumns = m_nHeight >= 20 ? 5 : 4;
    const BOOL bLeft = nButton == 0 || nButton == 1;
    const COLORREF crArrow = CanScroll(nButton) ? RGB(0, 0, 0) : RGB(0x60, 0x60, 0x60);
    const int cy = rect.top + rect.Height() / 2 + (bPressed ? 1 : 0);
    const int cx = rect.left + (rect.Width() - nColumns) / 2 + (bPressed ? 1 : 0);
    for (int i = 0; i < nColumns; ++i) {
        const int x = bLeft ? cx + i : cx + nColumns - 1 - i;
        FillSolid(pDC, CRect(x, cy - i, x + 1, cy + i + 1), crArrow);
    }
    if (nButton == 0 || nButton == 3) {
        const int x = bLeft ? cx - 2 : cx + nColumns + 1;
        FillSolid(pDC, CRect(x, cy - nColumns + 1, x + 1, cy + nColumns), crArrow);
    }
}

void CGXTabBeam::PaintStrip(CDC* pDC, const CRect& rectClip)
{
    CRect rect;
    GetClientRect(&rect);
    CFont* pOldFont = pDC->SelectObject(&m_fontNormal);
    const int nLeft = TabAreaLeft();
    if (m_bShowButtons && (rectClip.left < m_nButtonArea || m_nPaintFrom == -2)) {
        const int nShown = m_nButtons == 2 ? 2 : m_nButtons;
        for (int nPos = 0; nPos < nShown; ++nPos) {
            const int nButton = ButtonAtPosition(nPos);
            DrawScrollButton(pDC, nButton, nButton == m_nPressedButton && m_bButtonDown);
        }
        FillSolid(pDC, CRect(m_nButtonArea, 0, nLeft, rect.bottom), RGB(0, 0, 0));
    }
    const int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(nLeft, 0, rect.right, rect.bottom);
    FillSolid(pDC, CRect(nLeft, 1, rect.right, rect.bottom), m_crFree);
    FillSolid(pDC, CRect(nLeft, 0, rect.right, 1), RGB(0, 0, 0));
    if (m_nTabs > 0) {
        int nLast = m_nFirstTab;
        while (nLast + 1 < m_nTabs && GetTabLeft(nLast + 1) < rectClip.right + m_nSlant)
            ++nLast;
        const int nFirst = std::max(0, m_nFirstTab - 1);
        for (int i = nLast; i >= nFirst; --i)
            if (i != m_nCurrent)
                DrawTab(pDC, i);
        if (m_nCurrent >= nFirst && m_nCurrent <= nLast)
            DrawTab(pDC, m_nCurrent);
    }
    pDC->RestoreDC(nSaved);
    pDC->SelectObject(pOldFont);
}

void CGXTabBeam::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(&rect);
    if (rect.IsRectEmpty())
        return;
    CRect rectClip;
    dc.GetClipBox(&rectClip);
    CDC dcMem;
    dcMem.CreateCompatibleDC(&dc);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&dc, rect.Width(), rect.Height());
    CBitmap* pOldBitmap = dcMem.SelectObject(&bitmap);
    dcMem.SetBrushOrg(rectClip.left % 8, rectClip.top % 8);
    PaintStrip(&dcMem, m_nPaintFrom == -2 ? rect : rectClip);
    dc.BitBlt(0, 0, rect.Width(), rect.Height(), &dcMem, 0, 0, SRCCOPY);
    dcMem.SelectObject(pOldBitmap);
    m_nPaintFrom = -1;
}

BOOL CGXTabBeam::OnEraseBkgnd(CDC* pDC)
{
    if (m_nPaintFrom >= 0) {
        CRect rect;
        GetClientRect(&rect);
        FillSolid(pDC, CRect(std::max(0, m_nPaintFrom - 1), 1, rect.right, rect.bottom), m_crFree);
    }
    return TRUE;
}

void CGXTabBeam::OnSysColorChange()
{
    GXGetSysColorCache().Refresh();
    UpdateColors();
    RepaintFrom(-2);
}

void CGXTabBeam::OnWinIniChange(LPCTSTR)
{
    const int cy = ::GetSystemMetrics(SM_CYHSCROLL);
    if (cy != m_nHeight) {
        m_nHeight = m_nButtonWidth = cy;
        m_nButtonArea = m_nButtons * cy;
        CreateFonts();
        for (int i = 0; i < m_nTabs; ++i)
            UpdateTabWidth(i);
    }
    RepaintFrom(-2);
}
