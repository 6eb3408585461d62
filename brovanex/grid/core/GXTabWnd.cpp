// CGXTabWnd: a window of panes switched by tabs; CGXTabWndInterface, through which panes
// name their tabs.
#include "core/GXTabWnd.h"
#include "core/GXDrawingAndFormatting.h"
#include "core/GXLibraryState.h"
#include "core/GXSelfCreatingWnd.h"
#include "core/GXStartup.h"
#include "core/GXSysColorCache.h"
#include "fw/app.h"
#include "fw/dc.h"
#include "fw/frame.h"
#include "fw/resource_chain.h"
#include "fw/view.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CGXTabWnd, CWnd)

namespace {
// Tab windows the library made itself for windows created by class name.
CMapPtrToWord& SelfCreatedTabWnds()
{
    static CMapPtrToWord map;
    return map;
}

BOOL EnsureFrameClass(HINSTANCE hInstance)
{
    WNDCLASSA wc = {};
    if (::GetClassInfoA(hInstance, GX_TABWND_FRAME_CLASS, &wc))
        return TRUE;
    wc.style = CS_GLOBALCLASS | CS_DBLCLKS;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = hInstance;
    wc.lpszClassName = GX_TABWND_FRAME_CLASS;
    return AfxRegisterClass(&wc);
}
} // namespace

// The interface panes use.

namespace {
CGXTabWnd* TabWndOfPane(CWnd* pPane)
{
    for (CWnd* p = pPane != nullptr ? pPane->GetParent() : nullptr; p != nullptr;
         p = p->GetParent())
        if (p->IsKindOf(RUNTIME_CLASS(CGXTabWnd)))
            return static_cast<CGXTabWnd*>(p);
    return nullptr;
}
} // namespace

void CGXTabWndInterface::PaneTabName(CWnd* pPane, CString& str, BOOL bSet)
{
    CGXTabWnd* pTabWnd = TabWndOfPane(pPane);
    if (bSet) {
        if (pTabWnd != nullptr)
            pTabWnd->SetPaneTabName(pPane, str, FALSE);
        return;
    }
    str = pTabWnd != nullptr ? pTabWnd->GetTabName(pPane) : CString();
}

CString CGXTabWndInterface::TabNameAt(CWnd* pPane, int nTab)
{
    CGXTabWnd* pTabWnd = TabWndOfPane(pPane);
    if (pTabWnd == nullptr || nTab < 0 || nTab >= pTabWnd->GetBeam().GetCount())
        return CString();
    return pTabWnd->GetBeam().GetTabInfo(nTab).sLabel;
}

// The tab window.

BEGIN_MESSAGE_MAP(CGXTabWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_NCPAINT()
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_SETCURSOR()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_WININICHANGE()
    ON_MESSAGE(GX_WM_TABCHOSEN, &CGXTabWnd::OnTabChosen)
    ON_MESSAGE(GX_WM_TABRENAME, &CGXTabWnd::OnTabRename)
    ON_MESSAGE(GX_WM_CANCHANGETAB, &CGXTabWnd::OnCanChangeTab)
    ON_MESSAGE(GX_WM_RENAMEACCEPT, &CGXTabWnd::OnRenameAccept)
    ON_MESSAGE(GX_WM_RENAMECANCEL, &CGXTabWnd::OnRenameCancel)
END_MESSAGE_MAP()

CGXTabWnd::CGXTabWnd(CRuntimeClass* pBeamClass)
    : m_bDrawFrame(FALSE),
      m_pBeamClass(pBeamClass != nullptr ? pBeamClass : RUNTIME_CLASS(CGXTabBeam)),
      m_pBeam(nullptr), m_pActivePane(nullptr), m_nBeamWidth(0), m_nLastWidth(0), m_nRatio(0),
      m_nBoxWidth(6), m_bHScroll(TRUE), m_bVScroll(TRUE), m_bCreated(FALSE), m_bDragging(FALSE),
      m_pRenamePopup(nullptr), m_pDeadPopup(nullptr), m_hArrow(::LoadCursor(nullptr, IDC_ARROW))
{
    m_cxVScroll = ::GetSystemMetrics(SM_CXVSCROLL);
    m_cyHScroll = ::GetSystemMetrics(SM_CYHSCROLL);
    m_nStripHeight = m_cyHScroll + 2 * ThreeD();
    m_brFace.CreateSolidBrush(::GetSysColor(COLOR_BTNFACE));
    CGXGridLibraryState& state = GXGetLibraryState();
    if (state.m_gridParentClasses.Find(RUNTIME_CLASS(CGXTabWnd)) == nullptr)
        state.m_gridParentClasses.AddTail(RUNTIME_CLASS(CGXTabWnd));
    if (state.m_pTabWndInterface == nullptr) {
        state.m_pTabWndInterface = new CGXTabWndInterface;
        state.m_pfnReleaseWindowObjects = &GXReleaseWindowObjects;
    }
}

CGXTabWnd::~CGXTabWnd()
{
    SelfCreatedTabWnds().RemoveKey(this);
    if (m_hWnd != nullptr && CWnd::FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
    delete m_pRenamePopup;
    delete m_pDeadPopup;
    delete m_pBeam;
}

int CGXTabWnd::ThreeD() const { return GXGetLibraryState().m_b3dLook1 ? 1 : 0; }

BOOL CGXTabWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style |= WS_CLIPCHILDREN;
    return CWnd::PreCreateWindow(cs);
}

BOOL CGXTabWnd::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    m_bHScroll = (dwStyle & WS_HSCROLL) != 0;
    m_bVScroll = (dwStyle & WS_VSCROLL) != 0;
    dwStyle &= ~(WS_HSCROLL | WS_VSCROLL);
    if (!EnsureFrameClass(AfxGetInstanceHandle()))
        return FALSE;
    if (!CWnd::Create(GX_TABWND_FRAME_CLASS, nullptr, dwStyle | WS_CHILD, CRect(0, 0, 0, 0),
                      pParentWnd, nID))
        return FALSE;
    return CreateChildren();
}

BOOL CGXTabWnd::CreateChildren()
{
    try {
        const CRect rectOne(0, 0, 1, 1);
        if (!m_sbHorz.Create(WS_CHILD | (m_bHScroll ? WS_VISIBLE : 0) | SBS_HORZ, rectOne, this,
                             GX_IDW_HSCROLL))
            AfxThrowResourceException();
        if (!m_sbVert.Create(WS_CHILD | (m_bVScroll ? WS_VISIBLE : 0) | SBS_VERT, rectOne, this,
                             GX_IDW_VSCROLL))
            AfxThrowResourceException();
        if (ThreeD() && (m_bHScroll || m_bVScroll) && GetParentFrame() != nullptr &&
            !m_sbBox.Create(WS_CHILD | WS_VISIBLE | SBS_SIZEBOX, rectOne, this, GX_IDW_SIZEBOX))
            AfxThrowResourceException();
    } catch (CException* e) {
        e->Delete();
        DestroyWindow();
        return FALSE;
    }
    CObject* pObject = m_pBeamClass->CreateObject();
    m_pBeam = pObject != nullptr && pObject->IsKindOf(RUNTIME_CLASS(CGXTabBeam))
        ? static_cast<CGXTabBeam*>(pObject)
        : nullptr;
    if (m_pBeam == nullptr) {
        delete pObject;
        m_pBeam = new CGXTabBeam;
    }
    if (!m_pBeam->Create(WS_VISIBLE, CRect(0, 0, 1, 1), this, GX_IDW_TABBEAM))
        return FALSE;
    m_bCreated = TRUE;
    return TRUE;
}

CView* CGXTabWnd::PaneAsView(CWnd* pPane) const
{
    return pPane != nullptr && pPane->IsKindOf(RUNTIME_CLASS(CView)) ? static_cast<CView*>(pPane)
                                                                     : nullptr;
}

CWnd* CGXTabWnd::AttachWnd(CWnd* pPane, LPCTSTR pszName)
{
    if (!m_bCreated) {
        m_bHScroll = m_bVScroll = TRUE;
        if (!CreateChildren())
            return nullptr;
    }
    pPane->MoveWindow(CalcPaneRect());
    m_pBeam->InsertTab(FALSE, pszName, pPane, FALSE, -1, nullptr);
    const int nTab = m_pBeam->GetCount() - 1;
    pPane->ShowScrollBar(SB_BOTH, FALSE);
    if (m_pActivePane == nullptr) {
        m_pActivePane = pPane;
        pPane->ShowWindow(SW_SHOW);
        if (CView* pView = PaneAsView(pPane))
            if (CFrameWnd* pFrame = GetParentFrame())
                pFrame->SetActiveView(pView);
    } else {
        pPane->ShowWindow(SW_HIDE);
    }
    pPane->SendMessage(GX_WM_PANEATTACHED, (WPARAM)nTab);
    SavePaneScrollInfo(pPane);
    RecalcLayout(nullptr);
    return pPane;
}

CRect CGXTabWnd::CalcPaneRect()
{
    CRect rect;
    GetClientRect(&rect);
    rect.bottom += ThreeD() - m_nStripHeight + 1;
    if (m_bVScroll)
        rect.right += ThreeD() - m_cxVScroll + 1;
    rect.bottom = std::max(rect.bottom, rect.top);
    rect.right = std::max(rect.right, rect.left);
    return rect;
}

CRect CGXTabWnd::GetSizingBoxRect()
{
    CRect rect;
    GetClientRect(&rect);
    return CRect(m_nBeamWidth + 1, rect.bottom - m_nStripHeight, m_nBeamWidth + 1 + m_nBoxWidth,
                 rect.bottom);
}

void CGXTabWnd::PlaceChild(HDWP& hdwp, CWnd* pChild, CRect rect)
{
    if (pChild == nullptr || pChild->GetSafeHwnd() == nullptr)
        return;
    rect.InflateRect(1, 1); // one pixel of overlap on every side
    const BOOL bTiny = rect.Width() < 2 || rect.Height() < 2;
    pChild->ModifyStyle(bTiny ? 0 : WS_BORDER, bTiny ? WS_BORDER : 0);
    CRect rectNow;
    pChild->GetWindowRect(&rectNow);
    ScreenToClient(&rectNow);
    if (rectNow == rect)
        return;
    if (hdwp != nullptr)
        hdwp = ::DeferWindowPos(hdwp, pChild->m_hWnd, nullptr, rect.left, rect.top, rect.Width(),
                                rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    else
        pChild->SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                             SWP_NOZORDER | SWP_NOACTIVATE);
}

void CGXTabWnd::RecalcLayout(CDC* pDC)
{
    if (!m_bCreated) {
        m_bHScroll = m_bVScroll = TRUE;
        if (!CreateChildren())
            return;
    }
    CRect rectClient;
    GetClientRect(&rectClient);
    if (m_nRatio == 0 && rectClient.Width() > 0) {
        m_nBeamWidth = rectClient.Width() / 2;
        m_nRatio = (long long)m_nBeamWidth * 100;
    }
    const CRect rectPane = CalcPaneRect();
    const int yStrip = rectPane.bottom;
    HDWP hdwp = ::BeginDeferWindowPos(5);
    if (m_bHScroll) {
        PlaceChild(
            hdwp, &m_sbHorz,
            CRect(m_nBeamWidth + m_nBoxWidth + 1, yStrip, rectPane.right, rectClient.bottom));
        PlaceChild(hdwp, m_pBeam, CRect(0, yStrip, m_nBeamWidth, rectClient.bottom));
    } else {
        PlaceChild(hdwp, m_pBeam, CRect(0, yStrip, rectPane.right, rectClient.bottom));
    }
    if (m_bVScroll && pDC == nullptr)
        PlaceChild(hdwp, &m_sbVert, CRect(rectPane.right, 0, rectClient.right, rectPane.bottom));
    if (m_sbBox.GetSafeHwnd() != nullptr) {
        CFrameWnd* pFrame = GetParentFrame();
        BOOL bGrip = FALSE;
        if (pFrame != nullptr) {
            CRect rectFrame, rectMine;
            pFrame->GetClientRect(&rectFrame);
            pFrame->ClientToScreen(&rectFrame);
            GetWindowRect(&rectMine);
            bGrip = rectFrame.BottomRight() == rectMine.BottomRight();
        }
        m_sbBox.EnableWindow(bGrip);
        PlaceChild(hdwp, &m_sbBox,
                   CRect(rectPane.right, yStrip, rectClient.right, rectClient.bottom));
    }
    if (m_pActivePane != nullptr && pDC == nullptr)
        PlaceChild(
            hdwp, m_pActivePane,
            CRect(1, 1, std::max(1, rectPane.Width() - 1), std::max(1, rectPane.Height() - 1)));
    if (hdwp != nullptr)
        ::EndDeferWindowPos(hdwp);
    if (m_pActivePane != nullptr && pDC == nullptr)
        m_pActivePane->SendMessage(
            WM_SIZE, SIZE_MAXIMIZED,
            MAKELPARAM(std::max(0, rectPane.Width() - 3), std::max(0, rectPane.Height() - 3)));
}

// Window messages.

void CGXTabWnd::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    CloseRenamePopup();
    if (m_pActivePane != nullptr)
        m_pActivePane->SendMessage(WM_HSCROLL, MAKEWPARAM(nSBCode, nPos),
                                   (LPARAM)(pScrollBar != nullptr ? pScrollBar->m_hWnd : nullptr));
}

void CGXTabWnd::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    CloseRenamePopup();
    if (m_pActivePane != nullptr)
        m_pActivePane->SendMessage(WM_VSCROLL, MAKEWPARAM(nSBCode, nPos),
                                   (LPARAM)(pScrollBar != nullptr ? pScrollBar->m_hWnd : nullptr));
}

void CGXTabWnd::OnSize(UINT nType, int cx, int cy)
{
    CloseRenamePopup();
    if (m_pActivePane != nullptr)
        m_pActivePane->SendMessage(GX_WM_TABWNDRESIZING, 1);
    if (nType != SIZE_MINIMIZED && cx > 0 && cy > 0 && cx < 0x7FFF && cy < 0x7FFF) {
        if (m_nRatio != 0 && m_nBeamWidth != (int)(m_nRatio / 100))
            m_nRatio = (long long)m_nBeamWidth * 100;
        if (m_pBeam != nullptr && m_nLastWidth > 0 && m_nRatio != 0) {
            // Proportional, measured from 20 pixels left of the end of the strip's buttons.
            const long long e = (long long)m_pBeam->GetButtonAreaWidth() * 100 - 2000;
            m_nRatio = (long long)cx * (m_nRatio - e) / m_nLastWidth + e;
        } else if (m_nRatio == 0) {
            m_nRatio = (long long)(cx / 2) * 100;
        }
        m_nBeamWidth = (int)(m_nRatio / 100);
        m_nLastWidth = cx;
        RecalcLayout(nullptr);
    }
    CWnd::OnSize(nType, cx, cy);
    UpdateWindow();
    if (m_pActivePane != nullptr) {
        m_pActivePane->SendMessage(GX_WM_TABWNDRESIZING, 0);
        CRect rect;
        m_pActivePane->GetClientRect(&rect);
        m_pActivePane->SendMessage(WM_SIZE, nType, MAKELPARAM(rect.Width(), rect.Height()));
    }
}

void CGXTabWnd::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (GetSizingBoxRect().PtInRect(point)) {
        SetCapture();
        m_bDragging = TRUE;
        return;
    }
    CWnd::OnLButtonDown(nFlags, point);
}

void CGXTabWnd::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bDragging) {
        if (point.x == m_nBeamWidth || m_pBeam == nullptr)
            return;
        CRect rectClient;
        GetClientRect(&rectClient);
        if (point.x < m_pBeam->GetButtonAreaWidth() + 20 ||
            point.x > rectClient.Width() - 2 * m_nStripHeight)
            return;
        InvalidateRect(GetSizingBoxRect());
        m_pBeam->RepaintFrom(std::min(m_nBeamWidth, (int)point.x));
        m_nBeamWidth = point.x;
        {
            CClientDC dc(this);
            RecalcLayout(&dc);
        }
        UpdateWindow();
        return;
    }
    if (GetSizingBoxRect().PtInRect(point)) {
        HCURSOR hCursor = nullptr;
        if (HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCE(20197), RT_GROUP_CURSOR))
            hCursor = ::LoadCursor(hInst, MAKEINTRESOURCE(20197));
        ::SetCursor(hCursor != nullptr ? hCursor : ::LoadCursor(nullptr, IDC_SIZEWE));
    } else {
        ::SetCursor(m_hArrow);
    }
    CWnd::OnMouseMove(nFlags, point);
}

void CGXTabWnd::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (!m_bDragging) {
        CWnd::OnLButtonUp(nFlags, point);
        return;
    }
    OnMouseMove(nFlags, point);
    m_bDragging = FALSE;
    ::ReleaseCapture();
    if (m_pBeam != nullptr)
        m_pBeam->RepaintFrom(-2);
}

BOOL CGXTabWnd::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (pWnd == this && !m_bDragging)
        return TRUE; // the mouse move set it
    return CWnd::OnSetCursor(pWnd, nHitTest, message);
}

void CGXTabWnd::OnPaint()
{
    CPaintDC dc(this);
    if (!m_bCreated)
        RecalcLayout(nullptr);
    const CRect rectBox = GetSizingBoxRect();
    const COLORREF acr[5] = {RGB(0, 0, 0), ::GetSysColor(COLOR_BTNHIGHLIGHT),
                             ::GetSysColor(COLOR_BTNFACE), ::GetSysColor(COLOR_BTNSHADOW),
                             RGB(0, 0, 0)};
    for (int i = 0; i < 5 && i < rectBox.Width(); ++i)
        dc.FillSolidRect(rectBox.left + i, rectBox.top, 1, rectBox.Height(), acr[i]);
    if (ThreeD())
        dc.FillSolidRect(rectBox.left, rectBox.top, rectBox.Width(), 1, RGB(0, 0, 0));
}

BOOL CGXTabWnd::OnEraseBkgnd(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    rect.left = std::max((int)rect.left, (int)rect.right - m_nStripHeight);
    pDC->FillRect(&rect, &m_brFace);
    return TRUE;
}

void CGXTabWnd::OnNcPaint()
{
    Default();
    GXDrawFrameInParent(this, m_bDrawFrame);
}

void CGXTabWnd::OnSetFocus(CWnd* pOldWnd)
{
    CWnd::OnSetFocus(pOldWnd);
    if (m_pActivePane != nullptr && ::IsWindow(m_pActivePane->m_hWnd))
        m_pActivePane->SetFocus();
}

void CGXTabWnd::OnSysColorChange()
{
    GXGetSysColorCache().Refresh();
    m_brFace.DeleteObject();
    m_brFace.CreateSolidBrush(::GetSysColor(COLOR_BTNFACE));
    CWnd::OnSysColorChange();
}

void CGXTabWnd::OnWinIniChange(LPCTSTR lpszSection)
{
    m_cxVScroll = ::GetSystemMetrics(SM_CXVSCROLL);
    m_cyHScroll = ::GetSystemMetrics(SM_CYHSCROLL);
    m_nStripHeight = m_cyHScroll + 2 * ThreeD();
    RecalcLayout(nullptr);
    CWnd::OnWinIniChange(lpszSection);
}

// The window class.

void CGXTabWnd::PostNcDestroy() { GXDeleteIfSelfCreated(SelfCreatedTabWnds(), this); }

LRESULT CALLBACK CGXTabWnd::SelfCreatingWndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    // The first message of a new window: the library makes its object.
    return GXSelfCreatingWndProc<CGXTabWnd>(SelfCreatedTabWnds(), hWnd, msg, wParam, lParam);
}

BOOL CGXTabWnd::RegisterClass(HINSTANCE hInstance)
{
    return GXRegisterSelfCreatingClass(hInstance, GX_TABWND_CLASS, &CGXTabWnd::SelfCreatingWndProc);
}

void CGXTabWnd::UnregisterClass(HINSTANCE hInstance)
{
    ::UnregisterClassA(GX_TABWND_CLASS, hInstance);
}

void GXRegisterTabWndClasses(HINSTANCE hInstance)
{
    CGXTabWnd::RegisterClass(hInstance);
    CGXTabBeam::RegisterClass(hInstance);
}

void GXUnregisterTabWndClasses(HINSTANCE hInstance)
{
    CGXTabWnd::UnregisterClass(hInstance);
    CGXTabBeam::UnregisterClass(hInstance);
}
