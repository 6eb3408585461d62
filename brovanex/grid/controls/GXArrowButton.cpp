#include "controls/GXArrowButton.h"
#include "controls/GXControl.h"
#include "core/GXDrawingAndFormatting.h"
#include "core/GXGridCore.h"
#include "fw/dc.h"

#include <algorithm>
#include <set>

namespace {
// The buttons whose timer runs: a tick for a button destroyed meanwhile is dropped. The
// timers run on the user-interface thread only.
std::set<CGXArrowButton*>& LiveTimers()
{
    static std::set<CGXArrowButton*> s_set;
    return s_set;
}

void BlackRow(CDC* pDC, int x, int y, int cx, int nBottom)
{
    if (y < nBottom && cx > 0)
        GXFillSolidRectXYWH(pDC, x, y, cx, 1, RGB(0, 0, 0));
}
} // namespace

CGXArrowButton::CGXArrowButton(CGXControl* pComposite)
    : CGXButton(pComposite), m_dwLastRepeat(0), m_dwDelay(500), m_ptLast(0, 0), m_nTimer(0),
      m_hTimerWnd(nullptr), m_clock([] { return (DWORD)::GetTickCount(); })
{ }

CGXArrowButton::~CGXArrowButton() { StopTimer(); }

void CALLBACK CGXArrowButton::TimerProc(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    CGXArrowButton* pButton = reinterpret_cast<CGXArrowButton*>(nIDEvent);
    if (LiveTimers().count(pButton) != 0)
        pButton->OnRepeatTimer();
}

void CGXArrowButton::StartTimer()
{
    StopTimer();
    CWnd* pWnd = m_pComposite->Grid()->GetGridWnd();
    if (pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr)
        return;
    // The button's address is the timer's id: unique among the grid window's timers.
    m_hTimerWnd = pWnd->GetSafeHwnd();
    m_nTimer = ::SetTimer(m_hTimerWnd, reinterpret_cast<UINT_PTR>(this), s_nTimerInterval,
                          &CGXArrowButton::TimerProc);
    if (m_nTimer != 0)
        LiveTimers().insert(this);
    else
        m_hTimerWnd = nullptr;
}

void CGXArrowButton::StopTimer()
{
    if (m_nTimer != 0 && ::IsWindow(m_hTimerWnd))
        ::KillTimer(m_hTimerWnd, m_nTimer);
    m_nTimer = 0;
    m_hTimerWnd = nullptr;
    LiveTimers().erase(this);
}

BOOL CGXArrowButton::LButtonDown(UINT nFlags, CPoint point)
{
    CGXButton::LButtonDown(nFlags, point);
    m_ptLast = point;
    m_dwLastRepeat = m_clock();
    m_dwDelay = 500;
    StartTimer();
    m_pComposite->OnChildButtonClicked(this);
    return TRUE;
}

void CGXArrowButton::Repeat(CPoint point)
{
    if (!m_bPressed || !HitTest(point))
        return;
    const DWORD dwNow = m_clock();
    if (dwNow - m_dwLastRepeat < m_dwDelay)
        return;
    if (m_dwDelay > 150)
        m_dwDelay = 150;
    else if (m_dwDelay > 50)
        m_dwDelay -= 5;
    m_dwLastRepeat = dwNow;
    m_pComposite->OnChildButtonClicked(this);
}

BOOL CGXArrowButton::MouseMove(UINT nFlags, CPoint point)
{
    CGXButton::MouseMove(nFlags, point);
    m_ptLast = point;
    Repeat(point);
    return TRUE;
}

void CGXArrowButton::OnRepeatTimer()
{
    if (!m_bTracking) {
        StopTimer();
        return;
    }
    Repeat(m_ptLast);
}

BOOL CGXArrowButton::LButtonUp(UINT, CPoint)
{
    StopTimer();
    m_bTracking = FALSE;
    SetPressed(FALSE);
    return TRUE;
}

void CGXArrowButton::OnCancelMode()
{
    StopTimer();
    CGXButton::OnCancelMode();
}

void CGXArrowButton::DrawArrow(CDC* pDC, BOOL bActive, BOOL bUp)
{
    if (!bActive)
        return;
    const BOOL bPressed = IsActive() && m_bPressed;
    DrawFace(pDC, m_rect, bPressed);
    const int h = m_rect.Height();
    if (h < 5)
        return;
    const BOOL bLarge = h >= 8;
    const int nGlyph = bLarge ? 7 : 5;
    int y = m_rect.top + (bLarge ? (h - (bUp ? 5 : 4)) / 2 : (h - (bUp ? 3 : 2)) / 2);
    int x = m_rect.left + std::max(0, (m_rect.Width() - nGlyph) / 2);
    if (m_bPressed) {
        ++x;
        ++y;
    }
    // Each row centred on the glyph's width: 1, 3, 5 (7) up; (7,) 5, 3, 1 down.
    int anRows[4];
    int nRows = 0;
    if (bUp) {
        for (int w : {1, 3, 5, 7})
            if (w <= nGlyph)
                anRows[nRows++] = w;
    } else {
        for (int w : {7, 5, 3, 1})
            if (w <= nGlyph)
                anRows[nRows++] = w;
    }
    if (bUp && !bLarge)
        nRows = 3;
    for (int i = 0; i < nRows; ++i)
        BlackRow(pDC, x + (nGlyph - anRows[i]) / 2, y + i, anRows[i], m_rect.bottom);
}

void CGXHotSpotButton::Draw(CDC* pDC, BOOL bActive)
{
    if (!bActive)
        return;
    DrawFace(pDC, m_rect, IsActive() && m_bPressed);
    if (m_rect.Height() < 12)
        return;
    const int nShift = m_bPressed ? 1 : 0;
    const int x = m_rect.left + nShift, y = m_rect.top + nShift;
    GXFillSolidRectXYWH(pDC, x + 3, y + 3, 6, 2, RGB(0, 0, 0));
    GXFillSolidRectXYWH(pDC, x + 6, y + 4, 3, 3, RGB(0, 0, 0));
    for (int i = 0; i < 4; ++i)
        GXFillSolidRectXYWH(pDC, x + 4 + i, y + 7 + i, 7 - 2 * i, 1, RGB(0, 0, 0));
}
