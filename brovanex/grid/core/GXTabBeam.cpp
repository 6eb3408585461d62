// CGXTabBeam: the tab strip of a tab window: its tabs, scrolling them, the mouse and the
// press loop of its scroll buttons, and its window class.
#include "core/GXTabBeam.h"
#include "core/GXFont.h"
#include "core/GXSelfCreatingWnd.h"
#include "fw/app.h"
#include "fw/dc.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CGXTabInfo, CObject)
IMPLEMENT_DYNCREATE(CGXTabBeam, CWnd)

namespace {
// Strips the library made itself for windows created by class name; each is deleted once
// its window is gone.
CMapPtrToWord& SelfCreatedBeams()
{
    static CMapPtrToWord map;
    return map;
}

} // namespace

CGXTabInfo::CGXTabInfo()
    : nWidth(60), bSel(FALSE), pExtra(nullptr), bDeleteExtra(FALSE), pUserData(nullptr), sbInfo {},
      crNormal(0), crSel(0), flags(0)
{
    sbInfo[0].cbSize = sbInfo[1].cbSize = sizeof(SCROLLINFO);
}

CGXTabInfo::~CGXTabInfo()
{
    if (bDeleteExtra && pExtra != nullptr)
        delete pExtra;
}

DWORD CGXTabBeamClock::Now() const { return ::GetTickCount(); }

void CGXTabBeamClock::Wait(DWORD nMilliseconds)
{
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, nMilliseconds, QS_ALLINPUT);
}

CPoint CGXTabBeamClock::CursorPos(CWnd* pWnd) const
{
    CPoint point;
    ::GetCursorPos(&point);
    pWnd->ScreenToClient(&point);
    return point;
}

BEGIN_MESSAGE_MAP(CGXTabBeam, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_CANCELMODE()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_WININICHANGE()
END_MESSAGE_MAP()

CGXTabBeam::CGXTabBeam()
    : m_nSlant(7), m_nButtons(2), m_bShowButtons(TRUE), m_nTabs(0), m_nCurrent(-1), m_nFirstTab(0),
      m_crText(0), m_crTextActive(0), m_crFace(0), m_crWindow(0), m_crFree(0), m_nPressedButton(-1),
      m_bButtonDown(FALSE), m_bTracking(FALSE), m_nPaintFrom(-1), m_pNotifyWnd(nullptr),
      m_hArrow(::LoadCursor(nullptr, IDC_ARROW)), m_pClock(&m_systemClock)
{
    m_nHeight = m_nButtonWidth = ::GetSystemMetrics(SM_CYHSCROLL);
    m_nButtonArea = m_nButtons * m_nButtonWidth;
}

CGXTabBeam::~CGXTabBeam()
{
    SelfCreatedBeams().RemoveKey(this);
    for (int i = 0; i < m_arrTabs.GetSize(); ++i)
        delete static_cast<CGXTabInfo*>(m_arrTabs[i]);
    m_arrTabs.RemoveAll();
    m_nTabs = 0;
    if (m_hWnd != nullptr && CWnd::FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
}

BOOL CGXTabBeam::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    RegisterClass(AfxGetInstanceHandle());
    if (!CWnd::Create(GX_TABBEAM_CLASS, nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID))
        return FALSE;
    CreateFonts();
    SetWindowPos(nullptr, 0, 0, rect.right - rect.left, m_nHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    UpdateColors();
    return TRUE;
}

CGXTabInfo& CGXTabBeam::GetTabInfo(int nTab) const
{
    ASSERT(nTab >= 0 && nTab < m_nTabs);
    return *static_cast<CGXTabInfo*>(m_arrTabs[nTab]);
}

CWnd* CGXTabBeam::GetNotifyWnd() const
{
    return m_pNotifyWnd != nullptr ? m_pNotifyWnd : GetParent();
}

void CGXTabBeam::SetClock(CGXTabBeamClock* pClock)
{
    m_pClock = pClock != nullptr ? pClock : &m_systemClock;
}

// Geometry.

int CGXTabBeam::GetTabLeft(int nTab)
{
    int x = TabAreaLeft();
    if (nTab >= m_nFirstTab) {
        for (int i = m_nFirstTab; i < nTab && i < m_nTabs; ++i)
            x += GetTabInfo(i).nWidth + m_nSlant;
    } else {
        for (int i = nTab; i < m_nFirstTab; ++i)
            x -= GetTabInfo(i).nWidth + m_nSlant;
    }
    return x;
}

int CGXTabBeam::TabFromPoint(int x)
{
    int nTab = -1;
    for (int i = m_nFirstTab; i < m_nTabs; ++i) {
        if (GetTabLeft(i) > x)
            break;
        nTab = i;
    }
    if (nTab == m_nTabs - 1 && nTab >= 0 &&
        x > GetTabLeft(nTab) + GetTabInfo(nTab).nWidth + 2 * m_nSlant)
        return -1;
    return nTab;
}

int CGXTabBeam::GetLastVisibleTab()
{
    CRect rect;
    if (m_hWnd != nullptr)
        GetClientRect(&rect);
    int x = TabAreaLeft();
    for (int i = m_nFirstTab; i < m_nTabs; ++i) {
        const int w = GetTabInfo(i).nWidth + (i == m_nFirstTab ? 2 * m_nSlant : m_nSlant);
        if (x + w > rect.right)
            return std::max(m_nFirstTab, i - 1);
        x += w;
    }
    return std::max(m_nFirstTab, m_nTabs - 1);
}

BOOL CGXTabBeam::CanScroll(int nButton)
{
    if (m_nTabs < 2)
        return FALSE;
    if (nButton == 0 || nButton == 1)
        return m_nFirstTab > 0;
    return GetLastVisibleTab() < m_nTabs - 1;
}

int CGXTabBeam::ButtonAtPosition(int nPosition) const
{
    return m_nButtons == 2 ? nPosition + 1 : nPosition;
}

int CGXTabBeam::PositionOfButton(int nButton) const
{
    return m_nButtons == 2 ? nButton - 1 : nButton;
}

// Scrolling the tabs.

int CGXTabBeam::HitScrollButton(int x, int y, int nOnly)
{
    if (!m_bShowButtons || m_nButtons <= 0 || m_nButtonWidth <= 0)
        return -1;
    if (y < 0 || y >= m_nHeight || x < 0 || x > m_nButtonArea - 1)
        return -1;
    const int nButton = ButtonAtPosition(x / m_nButtonWidth);
    if (nButton < 0 || nButton > 3 || !CanScroll(nButton) || (nOnly != -1 && nButton != nOnly))
        return -1;
    ScrollTabs(nButton);
    return nButton;
}

void CGXTabBeam::ScrollTabs(int nButton)
{
    if (CWnd* pParent = GetParent())
        pParent->SendMessage(GX_WM_RENAMECANCEL);
    if (m_nTabs == 0)
        return;
    int nTarget = m_nFirstTab;
    switch (nButton) {
    case 0:
        nTarget = 0;
        break;
    case 1:
        nTarget = m_nFirstTab - 1;
        break;
    case 2:
        nTarget = m_nFirstTab + 1;
        break;
    default:
        nTarget = m_nTabs - 1;
        break;
    }
    // The largest useful first tab: the smallest one from which the rest still fit.
    CRect rect;
    GetClientRect(&rect);
    const int nArea = rect.right - TabAreaLeft();
    int nLast = m_nTabs - 1;
    int nSum = GetTabInfo(nLast).nWidth + 2 * m_nSlant;
    while (nLast > 0 && nSum + GetTabInfo(nLast - 1).nWidth + m_nSlant <= nArea)
        nSum += GetTabInfo(--nLast).nWidth + m_nSlant;
    nTarget = std::max(0, std::min(nTarget, nLast));
    if (nTarget == m_nFirstTab)
        return;
    m_nFirstTab = nTarget;
    RepaintFrom(TabAreaLeft());
}

void CGXTabBeam::EnsureVisible(int nTab)
{
    if (nTab < 0 || nTab >= m_nTabs)
        return;
    if (nTab < m_nFirstTab) {
        m_nFirstTab = nTab;
        RepaintFrom(TabAreaLeft());
    } else if (nTab > GetLastVisibleTab()) {
        while (m_nFirstTab < nTab && GetLastVisibleTab() < nTab)
            ++m_nFirstTab;
        RepaintFrom(TabAreaLeft());
    }
}

void CGXTabBeam::RepaintFrom(int x)
{
    if (m_hWnd == nullptr)
        return;
    m_nPaintFrom = x;
    CRect rect;
    GetClientRect(&rect);
    if (x >= 0)
        rect.left = std::max(0, x - 1);
    InvalidateRect(&rect, TRUE);
}

// Tabs.

void CGXTabBeam::SetActiveTab(int nTab)
{
    if (nTab < -1 || nTab >= m_nTabs || nTab == m_nCurrent)
        return;
    m_nCurrent = nTab;
    EnsureVisible(nTab);
    RepaintFrom(TabAreaLeft());
}

void CGXTabBeam::InsertTab(BOOL bBeforeActive, LPCTSTR pszName, CWnd* pPane, BOOL bOwnsPane,
                           int nWidth, void* pUserData)
{
    CGXTabInfo* pInfo = new CGXTabInfo;
    pInfo->sLabel = pszName != nullptr ? pszName : "";
    pInfo->pExtra = pPane;
    pInfo->bDeleteExtra = bOwnsPane;
    pInfo->pUserData = pUserData;
    pInfo->crNormal = m_crFace;
    pInfo->crSel = m_crWindow;
    pInfo->brNormal.CreateSolidBrush(m_crFace);
    pInfo->brSel.CreateSolidBrush(m_crWindow);
    pInfo->flags = 0;
    int nIndex = m_nTabs;
    if (bBeforeActive && m_nCurrent >= 0) {
        nIndex = m_nCurrent;
        ++m_nCurrent; // the active tab moves right with the insertion
    }
    m_arrTabs.InsertAt(nIndex, pInfo);
    ++m_nTabs;
    if (nWidth < 0)
        UpdateTabWidth(nIndex);
    else
        pInfo->nWidth = nWidth;
    if (m_nTabs == 1) {
        m_nCurrent = 0;
        m_nFirstTab = 0;
    }
    RepaintFrom(-2);
}

void CGXTabBeam::DeleteTab(int nTab)
{
    if (nTab < 0 || nTab >= m_nTabs)
        return;
    CGXTabInfo* pInfo = &GetTabInfo(nTab);
    m_arrTabs.RemoveAt(nTab);
    --m_nTabs;
    delete pInfo;
    // The active tab stays the same tab; deleting it activates the first one, and deleting
    // the only one leaves none.
    if (m_nTabs == 0) {
        m_nCurrent = -1;
        m_nFirstTab = 0;
    } else if (nTab == m_nCurrent) {
        m_nCurrent = 0;
        m_nFirstTab = 0;
    } else if (nTab < m_nCurrent) {
        --m_nCurrent;
    }
    if (m_nFirstTab >= m_nTabs)
        m_nFirstTab = std::max(0, m_nTabs - 1);
    RepaintFrom(-2);
}

void CGXTabBeam::UpdateTabWidth(int nTab)
{
    if (nTab < 0 || nTab >= m_nTabs)
        return;
    CGXTabInfo& info = GetTabInfo(nTab);
    if (m_hWnd == nullptr || m_fontBold.GetSafeHandle() == nullptr) {
        info.nWidth = 60;
        return;
    }
    CClientDC dc(this);
    CFont* pOld = dc.SelectObject(&m_fontBold);
    info.nWidth = dc.GetTextExtent(info.sLabel).cx + m_nSlant;
    dc.SelectObject(pOld);
    RepaintFrom(GetTabLeft(nTab));
}

int CGXTabBeam::FindTab(const CWnd* pPane)
{
    for (int i = 0; i < m_nTabs; ++i)
        if (GetTabInfo(i).pExtra == pPane)
            return i;
    return -1;
}

void CGXTabBeam::MarkRange(int nFrom, int nTo)
{
    if (nFrom > nTo)
        std::swap(nFrom, nTo);
    for (int i = std::max(0, nFrom); i <= nTo && i < m_nTabs; ++i)
        GetTabInfo(i).bSel = TRUE;
}

void CGXTabBeam::OnTabClick(int x, int)
{
    const int nLeft = TabAreaLeft();
    if (x < nLeft)
        return;
    const int nTab = x < nLeft + m_nSlant ? std::max(0, m_nFirstTab - 1) : TabFromPoint(x);
    if (nTab < 0 || nTab >= m_nTabs)
        return;
    CWnd* pNotify = GetNotifyWnd();
    if (pNotify != nullptr && pNotify->SendMessage(GX_WM_CANCHANGETAB, (WPARAM)nTab) != 0)
        return;
    const BOOL bChanged = nTab != m_nCurrent;
    m_nCurrent = nTab;
    if (!GetTabInfo(nTab).bSel)
        for (int i = 0; i < m_nTabs; ++i)
            GetTabInfo(i).bSel = FALSE;
    EnsureVisible(nTab);
    if (bChanged) {
        RepaintFrom(nLeft);
        UpdateWindow();
    }
    if (pNotify != nullptr)
        pNotify->PostMessage(GX_WM_TABCHOSEN, (WPARAM)m_nCurrent);
}

// Mouse.

void CGXTabBeam::OnLButtonDown(UINT nFlags, CPoint point)
{
    const int nButton = HitScrollButton(point.x, point.y, -1);
    if (nButton != -1) {
        m_nPressedButton = nButton;
        m_bButtonDown = TRUE;
        {
            CClientDC dc(this);
            DrawScrollButton(&dc, nButton, TRUE);
        }
        TrackScrollButton(WM_LBUTTONUP);
        return;
    }
    if (point.x < TabAreaLeft())
        return;
    if (nFlags & (MK_SHIFT | MK_CONTROL)) {
        const int nTab = TabFromPoint(point.x);
        if (nTab < 0)
            return;
        if (nFlags & MK_SHIFT)
            MarkRange(nTab, m_nCurrent >= 0 ? m_nCurrent : nTab);
        else
            GetTabInfo(nTab).bSel = !GetTabInfo(nTab).bSel;
        RepaintFrom(TabAreaLeft());
        return;
    }
    OnTabClick(point.x, point.y);
}

void CGXTabBeam::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (point.x >= TabAreaLeft() && TabFromPoint(point.x) != -1 && m_nCurrent >= m_nFirstTab &&
        m_nCurrent <= GetLastVisibleTab()) {
        if (CWnd* pNotify = GetNotifyWnd())
            pNotify->PostMessage(GX_WM_TABRENAME, (WPARAM)m_nCurrent);
        return;
    }
    OnLButtonDown(nFlags, point);
}

void CGXTabBeam::OnMouseMove(UINT, CPoint point)
{
    ::SetCursor(m_hArrow);
    if (m_nPressedButton < 0)
        return;
    const int nPos = PositionOfButton(m_nPressedButton);
    const CRect rectButton(nPos * m_nButtonWidth, 0, (nPos + 1) * m_nButtonWidth, m_nHeight);
    const BOOL bOn = rectButton.PtInRect(point);
    if (bOn != m_bButtonDown) {
        m_bButtonDown = bOn;
        CClientDC dc(this);
        DrawScrollButton(&dc, m_nPressedButton, bOn);
    }
    if (bOn)
        HitScrollButton(point.x, point.y, m_nPressedButton);
}

void CGXTabBeam::OnLButtonUp(UINT, CPoint)
{
    if (m_nPressedButton < 0)
        return;
    m_nPressedButton = -1;
    m_bButtonDown = FALSE;
    RepaintFrom(0);
}

void CGXTabBeam::TrackScrollButton(UINT nReleaseMessage)
{
    SetCapture();
    m_bTracking = TRUE;
    DWORD nDelay = 200;
    DWORD nLast = m_pClock->Now();
    for (;;) {
        if (CWnd::GetCapture() != this)
            break; // the capture went elsewhere: the press is over
        MSG msg;
        if (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                ::PostQuitMessage((int)msg.wParam); // the outer loop must see it too
                break;
            }
            if (msg.message == WM_MOUSEMOVE)
                continue;
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
            if (msg.message == nReleaseMessage || msg.message == WM_CANCELMODE)
                break;
            continue;
        }
        if (!m_bTracking)
            break; // a sent WM_CANCELMODE ended the press
        const DWORD nNow = m_pClock->Now();
        if (nNow - nLast >= nDelay) {
            OnMouseMove(0, m_pClock->CursorPos(this));
            nLast = nNow;
            nDelay = std::max<DWORD>(100, nDelay - 20);
        } else {
            m_pClock->Wait(nDelay - (nNow - nLast));
        }
    }
    m_bTracking = FALSE;
    if (CWnd::GetCapture() == this)
        ::ReleaseCapture();
    if (m_nPressedButton >= 0)
        OnLButtonUp(0, CPoint(0, 0));
}

void CGXTabBeam::OnCancelMode()
{
    m_bTracking = FALSE; // ends a running press of a scroll button
    CWnd::OnCancelMode();
}

// The window class.

void CGXTabBeam::PostNcDestroy() { GXDeleteIfSelfCreated(SelfCreatedBeams(), this); }

LRESULT CALLBACK CGXTabBeam::SelfCreatingWndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return GXSelfCreatingWndProc<CGXTabBeam>(SelfCreatedBeams(), hWnd, msg, wParam, lParam,
                                             [](CGXTabBeam* pWnd) {
                                                 pWnd->CreateFonts();
                                                 pWnd->UpdateColors();
                                             });
}

BOOL CGXTabBeam::RegisterClass(HINSTANCE hInstance)
{
    return GXRegisterSelfCreatingClass(hInstance, GX_TABBEAM_CLASS,
                                       &CGXTabBeam::SelfCreatingWndProc);
}

void CGXTabBeam::UnregisterClass(HINSTANCE hInstance)
{
    ::UnregisterClassA(GX_TABBEAM_CLASS, hInstance);
}
