// The date-time window's buttons: CGXBDTSpinGadget (the up-down pair with its repeat) and
// CGXBDTButtonGadget (the button that drops the calendar).
#include "controls/GXBDateTimeGadgets.h"
#include "controls/GXBDateTimeCtrl.h"
#include "core/GXSysColorCache.h"
#include "fw/resource_chain.h"

#include <windows.h>

#include <algorithm>

// ---------------------------------------------------------------------------------------
// The spin pair.

CGXBDTSpinGadget::CGXBDTSpinGadget() : m_nState(0), m_nRepeat(0), m_nTimer(0) { }

void CGXBDTSpinGadget::Create(CGXBDateTimeCtrl* pCtrl, int nID)
{
    CGXBDTGadget::Create(pCtrl, nID, gxMouseInput | gxFixedRight);
    m_rect = CRect(0, 0, 16, -1);
}

namespace {
// The face of a small push button: filled, with a raised edge or, pressed, a sunken one.
void DrawButtonFace(CDC& dc, const CRect& rect, BOOL bPressed)
{
    const CGXSysColorCache& colors = GXGetSysColorCache();
    dc.FillSolidRect(&rect, colors.m_clrBtnFace);
    if (bPressed)
        dc.Draw3dRect(&rect, colors.m_clrBtnShadow, colors.m_clrBtnHilite);
    else
        dc.Draw3dRect(&rect, colors.m_clrBtnHilite, colors.m_clrBtnShadow);
}

// A button's arrow: a triangle filled and outlined in one colour.
void FillArrow(CDC& dc, const POINT* pts, COLORREF crArrow)
{
    CBrush brush(crArrow);
    CPen pen(PS_SOLID, 1, crArrow);
    CBrush* pOldBrush = dc.SelectObject(&brush);
    CPen* pOldPen = dc.SelectObject(&pen);
    dc.Polygon(pts, 3);
    dc.SelectObject(pOldPen);
    dc.SelectObject(pOldBrush);
}
} // namespace

void CGXBDTSpinGadget::CalcSize(CDC&)
{
    m_rect.right = m_rect.left + 16;
    m_rect.bottom = -1; // the full height
}

BOOL CGXBDTSpinGadget::InUpperHalf(CPoint point) const
{
    return point.y < m_rect.top + m_rect.Height() / 2;
}

void CGXBDTSpinGadget::DrawArrowButton(CDC& dc, const CRect& rect, BOOL bUp, BOOL bPressed)
{
    DrawButtonFace(dc, rect, bPressed);
    int nArrow = std::min(rect.Height() / 4 + 1, 4);
    int cx = rect.left + rect.Width() / 2 + (bPressed ? 1 : 0);
    int cy = rect.top + rect.Height() / 2 + (bPressed ? 1 : 0);
    POINT pts[3];
    if (bUp) {
        pts[0] = {cx - nArrow, cy + nArrow / 2};
        pts[1] = {cx + nArrow, cy + nArrow / 2};
        pts[2] = {cx, cy - nArrow / 2 - 1};
    } else {
        pts[0] = {cx - nArrow, cy - nArrow / 2};
        pts[1] = {cx + nArrow, cy - nArrow / 2};
        pts[2] = {cx, cy + nArrow / 2 + 1};
    }
    FillArrow(dc, pts, RGB(0, 0, 0));
}

void CGXBDTSpinGadget::Draw(CDC& dc)
{
    CRect rect = m_rect;
    CRect rectUp(rect.left, rect.top, rect.right, rect.top + rect.Height() / 2);
    CRect rectDown(rect.left, rectUp.bottom, rect.right, rect.bottom);
    DrawArrowButton(dc, rectUp, TRUE, (m_nState & gxPressedUp) != 0);
    DrawArrowButton(dc, rectDown, FALSE, (m_nState & gxPressedDown) != 0);
}

void CGXBDTSpinGadget::OnLButtonDown(CPoint point)
{
    EndRepeat();
    BOOL bUp = InUpperHalf(point);
    m_nState = bUp ? (gxPressedUp | gxTrackUp) : (gxPressedDown | gxTrackDown);
    m_nRepeat = 0;
    m_nTimer = StartTimer(gxFirstDelayMs);
    if (m_nTimer != 0)
        m_nState |= gxTimerRunning | gxFirstDelay;
    if (m_pCtrl != nullptr)
        m_pCtrl->CaptureGadget(this);
    Redraw();
    // Last: the owner's parent may react to the change by destroying the window.
    Notify(bUp ? GXBDT_SPINUP : GXBDT_SPINDOWN, 1);
}

void CGXBDTSpinGadget::OnMouseMove(CPoint point)
{
    if ((m_nState & (gxTrackUp | gxTrackDown)) == 0)
        return;
    BOOL bUp = (m_nState & gxTrackUp) != 0;
    BOOL bOver = m_rect.PtInRect(point) && InUpperHalf(point) == bUp;
    int nPressed = bUp ? gxPressedUp : gxPressedDown;
    if (!bOver && (m_nState & nPressed)) {
        // Off the pressed half: the repeat stops and the button comes up.
        StopTimer(m_nTimer);
        m_nState &= ~(nPressed | gxTimerRunning | gxFirstDelay);
        Redraw();
    } else if (bOver && !(m_nState & nPressed)) {
        m_nState |= nPressed;
        m_nTimer = StartTimer(gxRepeatMs);
        if (m_nTimer != 0)
            m_nState |= gxTimerRunning;
        Redraw();
    }
}

void CGXBDTSpinGadget::EndRepeat()
{
    StopTimer(m_nTimer);
    BOOL bChanged = m_nState != 0;
    m_nState = 0;
    m_nRepeat = 0;
    if (bChanged)
        Redraw();
}

void CGXBDTSpinGadget::OnLButtonUp(CPoint)
{
    EndRepeat();
    if (m_pCtrl != nullptr)
        m_pCtrl->ReleaseGadgetCapture(this);
}

void CGXBDTSpinGadget::OnCancelMode()
{
    EndRepeat();
    if (m_pCtrl != nullptr)
        m_pCtrl->ReleaseGadgetCapture(this);
}

void CGXBDTSpinGadget::OnTimer(UINT_PTR)
{
    if (m_nTimer == 0 || !(m_nState & (gxPressedUp | gxPressedDown)))
        return;
    if (m_nState & gxFirstDelay) {
        // After the first delay the repeat runs faster.
        StopTimer(m_nTimer);
        m_nTimer = StartTimer(gxRepeatMs);
        m_nState &= ~gxFirstDelay;
        if (m_nTimer == 0)
            m_nState &= ~gxTimerRunning;
    }
    ++m_nRepeat;
    int nStep = m_nRepeat <= 20 ? 1 : m_nRepeat <= 50 ? 2 : 5;
    // Last: the change may end in the window's destruction.
    Notify((m_nState & gxPressedUp) ? GXBDT_SPINUP : GXBDT_SPINDOWN, nStep);
}

// ---------------------------------------------------------------------------------------
// The drop button.

CGXBDTButtonGadget::CGXBDTButtonGadget() : m_nBitmapID(0), m_nState(0) { }

void CGXBDTButtonGadget::Create(CGXBDateTimeCtrl* pCtrl, int nID, UINT nBitmapID)
{
    CGXBDTGadget::Create(pCtrl, nID, gxMouseInput | gxFixedRight);
    m_nBitmapID = nBitmapID;
    m_rect = CRect(0, 0, 16, -1);
    LoadButtonBitmap();
}

void CGXBDTButtonGadget::LoadButtonBitmap()
{
    m_bitmap.DeleteObject();
    HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCE(m_nBitmapID), RT_BITMAP);
    HBITMAP hBitmap =
        hInst != nullptr ? ::LoadBitmapA(hInst, MAKEINTRESOURCE(m_nBitmapID)) : nullptr;
    if (hBitmap != nullptr)
        m_bitmap.Attach(hBitmap);
}

void CGXBDTButtonGadget::OnSysColorChange() { LoadButtonBitmap(); }

void CGXBDTButtonGadget::CalcSize(CDC&)
{
    int cx = 16;
    if (m_bitmap.GetSafeHandle() != nullptr) {
        BITMAP bm = {};
        m_bitmap.GetObject(sizeof bm, &bm);
        cx = bm.bmWidth + 6;
    }
    m_rect.right = m_rect.left + cx;
    m_rect.bottom = -1;
}

void CGXBDTButtonGadget::Draw(CDC& dc)
{
    const CGXSysColorCache& colors = GXGetSysColorCache();
    CRect rect = m_rect;
    BOOL bPressed = (m_nState & gxPressedLook) != 0;
    DrawButtonFace(dc, rect, bPressed);
    int nOffset = bPressed ? 1 : 0;
    if (m_bitmap.GetSafeHandle() != nullptr) {
        BITMAP bm = {};
        m_bitmap.GetObject(sizeof bm, &bm);
        CDC dcMem;
        dcMem.CreateCompatibleDC(&dc);
        CBitmap* pOld = dcMem.SelectObject(&m_bitmap);
        dc.BitBlt(rect.left + (rect.Width() - bm.bmWidth) / 2 + nOffset,
                  rect.top + (rect.Height() - bm.bmHeight) / 2 + nOffset, bm.bmWidth, bm.bmHeight,
                  &dcMem, 0, 0, SRCCOPY);
        dcMem.SelectObject(pOld);
        return;
    }
    // No bitmap in the module's resources: a down arrow.
    int cx = rect.left + rect.Width() / 2 + nOffset;
    int cy = rect.top + rect.Height() / 2 + nOffset;
    POINT pts[3] = {{cx - 4, cy - 2}, {cx + 4, cy - 2}, {cx, cy + 2}};
    FillArrow(dc, pts, colors.m_clrWindowText & 0xFFFFFF);
}

void CGXBDTButtonGadget::OnLButtonDown(CPoint)
{
    m_nState = gxMouseDown | gxPressedLook;
    if (m_pCtrl != nullptr)
        m_pCtrl->CaptureGadget(this);
    Redraw();
}

void CGXBDTButtonGadget::OnMouseMove(CPoint point)
{
    if (!(m_nState & gxMouseDown))
        return;
    int nState = m_rect.PtInRect(point) ? (gxMouseDown | gxPressedLook) : gxMouseDown;
    if (nState != m_nState) {
        m_nState = nState;
        Redraw();
    }
}

void CGXBDTButtonGadget::OnLButtonUp(CPoint point)
{
    BOOL bWasDown = (m_nState & gxMouseDown) != 0;
    m_nState = 0;
    Redraw();
    if (m_pCtrl != nullptr)
        m_pCtrl->ReleaseGadgetCapture(this);
    // Opened on release, so the release does not land in the calendar.
    if (bWasDown && m_rect.PtInRect(point))
        Notify(GXBDT_BUTTON);
}

void CGXBDTButtonGadget::OnCancelMode()
{
    m_nState = 0;
    Redraw();
    if (m_pCtrl != nullptr)
        m_pCtrl->ReleaseGadgetCapture(this);
}
