// The drop button of CGXBDropEdit: space in the non-client area, mouse capture, drawing.
#include "controls/GXBDropEdit.h"
#include "core/GXSysColorCache.h"
#include "fw/resource_chain.h"
#include <algorithm>

namespace {
// The library's own picture when no module carries one: a small down arrow.
BOOL MakeArrowBitmap(CBitmap& bitmap)
{
    CClientDC dcScreen(nullptr);
    CDC dc;
    if (!dc.CreateCompatibleDC(&dcScreen) || !bitmap.CreateCompatibleBitmap(&dcScreen, 9, 5))
        return FALSE;
    CBitmap* pOld = dc.SelectObject(&bitmap);
    dc.FillSolidRect(0, 0, 9, 5, ::GetSysColor(COLOR_BTNFACE));
    for (int y = 0; y < 5; ++y)
        dc.FillSolidRect(y, y, 9 - 2 * y, 1, ::GetSysColor(COLOR_BTNTEXT));
    dc.SelectObject(pOld);
    return TRUE;
}
} // namespace

BEGIN_MESSAGE_MAP(CGXBDropEdit, CEdit)
    ON_WM_NCCALCSIZE()
    ON_WM_NCHITTEST()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_CANCELMODE()
    ON_WM_NCPAINT()
    ON_WM_ENABLE()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_KEYDOWN()
    ON_WM_SYSKEYDOWN()
END_MESSAGE_MAP()

CGXBDropEdit::CGXBDropEdit()
    : m_rcButton(0, 0, 0, 0), m_nBitmapID(0), m_wState(ButtonRight), m_wLeftGap(1), m_wRightGap(1)
{ }

CGXBDropEdit::~CGXBDropEdit() = default;

void CGXBDropEdit::LoadButtonBitmap()
{
    m_bmButton.DeleteObject();
    if (m_nBitmapID == 0)
        return;
    if (AfxFindResourceHandle(MAKEINTRESOURCE(m_nBitmapID), RT_BITMAP) != nullptr &&
        m_bmButton.LoadMappedBitmap(m_nBitmapID))
        return;
    if (m_nBitmapID == GX_IDB_DROPBUTTON)
        MakeArrowBitmap(m_bmButton);
}

void CGXBDropEdit::SetDropButton(UINT nBitmapID)
{
    m_rcButton.SetRectEmpty();
    m_nBitmapID = nBitmapID;
    LoadButtonBitmap();
    if (m_bmButton.GetSafeHandle() == nullptr)
        m_nBitmapID = 0;
    if (GetSafeHwnd() != nullptr)
        SetWindowPos(nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CGXBDropEdit::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    CRect rcWindow = lpncsp->rgrc[0];
    CEdit::OnNcCalcSize(bCalcValidRects, lpncsp);
    m_rcButton.SetRectEmpty();
    if (m_bmButton.GetSafeHandle() == nullptr)
        return;
    BITMAP bm = {};
    m_bmButton.GetBitmap(&bm);
    RECT& rc = lpncsp->rgrc[0];
    int cx = m_wLeftGap + m_wRightGap + bm.bmWidth + 4;
    cx = std::min(cx, (int)(rc.right - rc.left));
    if (m_wState & ButtonRight) {
        m_rcButton.SetRect(rc.right - cx, rc.top, rc.right, rc.bottom);
        rc.right -= cx;
    } else {
        m_rcButton.SetRect(rc.left, rc.top, rc.left + cx, rc.bottom);
        rc.left += cx;
    }
    m_rcButton.OffsetRect(-rcWindow.left, -rcWindow.top);
}

BOOL CGXBDropEdit::HitTestButton(CPoint pt, BOOL bClient)
{
    if (m_rcButton.IsRectEmpty() || GetSafeHwnd() == nullptr)
        return FALSE;
    if (bClient)
        ClientToScreen(&pt);
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    pt.Offset(-rcWindow.left, -rcWindow.top);
    return m_rcButton.PtInRect(pt);
}

LRESULT CGXBDropEdit::OnNcHitTest(CPoint point)
{
    LRESULT lHit = CEdit::OnNcHitTest(point);
    if (lHit == HTNOWHERE && HitTestButton(point, FALSE))
        return HTBORDER;
    return lHit;
}

void CGXBDropEdit::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    if (!HitTestButton(point, FALSE) || !IsWindowEnabled()) {
        CEdit::OnNcLButtonDown(nHitTest, point);
        return;
    }
    m_wState |= ButtonPressed | ButtonCaptured;
    SetCapture();
    RedrawButton();
}

void CGXBDropEdit::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_wState & ButtonCaptured) {
        WORD wOld = m_wState;
        if (HitTestButton(point, TRUE))
            m_wState |= ButtonPressed;
        else
            m_wState &= ~ButtonPressed;
        if (wOld != m_wState)
            RedrawButton();
        return;
    }
    CEdit::OnMouseMove(nFlags, point);
}

void CGXBDropEdit::ReleaseButton()
{
    m_wState &= ~(ButtonPressed | ButtonCaptured);
    if (GetCapture() == this)
        ReleaseCapture();
    RedrawButton();
}

void CGXBDropEdit::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_wState & ButtonCaptured) {
        ReleaseButton();
        if (HitTestButton(point, TRUE))
            OnButtonClicked();
        return;
    }
    CEdit::OnLButtonUp(nFlags, point);
}

void CGXBDropEdit::OnCancelMode()
{
    if (m_wState & ButtonCaptured)
        ReleaseButton();
    CEdit::OnCancelMode();
}

void CGXBDropEdit::OnButtonClicked()
{
    CWnd* pParent = GetParent();
    if (pParent != nullptr)
        pParent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), BN_CLICKED),
                             (LPARAM)GetSafeHwnd());
}

void CGXBDropEdit::RedrawButton()
{
    if (GetSafeHwnd() == nullptr || m_rcButton.IsRectEmpty())
        return;
    CWindowDC dc(this);
    DrawButton(&dc, m_rcButton);
}

void CGXBDropEdit::DrawButton(CDC* pDC, CRect rect)
{
    if (rect.IsRectEmpty() || m_bmButton.GetSafeHandle() == nullptr)
        return;
    CDC dcMem;
    CBitmap bmFace;
    if (!dcMem.CreateCompatibleDC(pDC) ||
        !bmFace.CreateCompatibleBitmap(pDC, rect.Width(), rect.Height()))
        return;
    CBitmap* pOldFace = dcMem.SelectObject(&bmFace);
    CRect rc(0, 0, rect.Width(), rect.Height());
    BOOL bPressed = (m_wState & ButtonPressed) != 0;
    if (bPressed) {
        dcMem.Draw3dRect(&rc, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNSHADOW));
        rc.DeflateRect(1, 1);
    } else {
        dcMem.Draw3dRect(&rc, ::GetSysColor(COLOR_BTNFACE), ::GetSysColor(COLOR_3DDKSHADOW));
        rc.DeflateRect(1, 1);
        dcMem.Draw3dRect(&rc, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNSHADOW));
        rc.DeflateRect(1, 1);
    }
    dcMem.FillSolidRect(&rc, ::GetSysColor(COLOR_BTNFACE));

    BITMAP bm = {};
    m_bmButton.GetBitmap(&bm);
    CDC dcBitmap;
    if (dcBitmap.CreateCompatibleDC(pDC)) {
        CBitmap* pOld = dcBitmap.SelectObject(&m_bmButton);
        int x = 2 + m_wLeftGap + (bPressed ? 1 : 0);
        int y = (rect.Height() - bm.bmHeight) / 2 + (bPressed ? 1 : 0);
        if (IsWindowEnabled()) {
            dcMem.BitBlt(x, y, bm.bmWidth, bm.bmHeight, &dcBitmap, 0, 0, SRCCOPY);
        } else {
            // Embossed: a monochrome mask drawn in the highlight, then offset in the shadow.
            CDC dcMono;
            CBitmap bmMono;
            if (dcMono.CreateCompatibleDC(pDC) &&
                bmMono.CreateBitmap(bm.bmWidth, bm.bmHeight, 1, 1, nullptr)) {
                CBitmap* pOldMono = dcMono.SelectObject(&bmMono);
                dcBitmap.SetBkColor(::GetSysColor(COLOR_BTNFACE));
                dcMono.BitBlt(0, 0, bm.bmWidth, bm.bmHeight, &dcBitmap, 0, 0, SRCCOPY);
                dcMem.SetTextColor(RGB(0, 0, 0));
                dcMem.SetBkColor(RGB(255, 255, 255));
                CBrush brHighlight(::GetSysColor(COLOR_BTNHIGHLIGHT));
                CBrush brShadow(::GetSysColor(COLOR_BTNSHADOW));
                CBrush* pOldBrush = dcMem.SelectObject(&brHighlight);
                dcMem.BitBlt(x + 1, y + 1, bm.bmWidth, bm.bmHeight, &dcMono, 0, 0, 0xB8074A);
                dcMem.SelectObject(&brShadow);
                dcMem.BitBlt(x, y, bm.bmWidth, bm.bmHeight, &dcMono, 0, 0, 0xB8074A);
                dcMem.SelectObject(pOldBrush);
                dcMono.SelectObject(pOldMono);
            }
        }
        dcBitmap.SelectObject(pOld);
    }
    pDC->BitBlt(rect.left, rect.top, rect.Width(), rect.Height(), &dcMem, 0, 0, SRCCOPY);
    dcMem.SelectObject(pOldFace);
}

void CGXBDropEdit::OnNcPaint()
{
    CEdit::OnNcPaint();
    RedrawButton();
}

void CGXBDropEdit::OnEnable(BOOL bEnable)
{
    CEdit::OnEnable(bEnable);
    RedrawButton();
}

void CGXBDropEdit::OnSysColorChange()
{
    CEdit::OnSysColorChange();
    GXGetSysColorCache().Refresh();
    if (m_nBitmapID != 0)
        LoadButtonBitmap();
    RedrawButton();
}

void CGXBDropEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_F4 && HasDropButton()) {
        OnButtonClicked();
        return;
    }
    CEdit::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CGXBDropEdit::OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_DOWN && HasDropButton()) {
        OnButtonClicked();
        return;
    }
    CEdit::OnSysKeyDown(nChar, nRepCnt, nFlags);
}
