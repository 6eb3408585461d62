// CControlBar: the frame's layout request (WM_SIZEPARENT), idle updates of the bar's
// items, borders and gripper in the non-client area, fly-by help in the message bar,
// and the mouse that starts a drag between docked and floating places.
#include "fw/win.h"

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

namespace {
const int kBorder = 2; // an etched border line on a side with CBRS_BORDER_*
const int kGripper = 8; // room for the gripper's two lines
} // namespace

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
    ON_MESSAGE(WM_SIZEPARENT, &CControlBar::OnSizeParent)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, &CControlBar::OnIdleUpdateCmdUI)
    ON_MESSAGE(WM_MOUSELEAVE, &CControlBar::OnMouseLeave)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEMOVE()
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CControlBar::CControlBar()
    : m_bAutoDelete(FALSE), m_cxLeftBorder(2), m_cxRightBorder(2), m_cyTopBorder(2),
      m_cyBottomBorder(2), m_cxDefaultGap(2), m_nMRUWidth(32767), m_nCount(0), m_dwStyle(0),
      m_dwDockStyle(0), m_pDockSite(nullptr), m_pDockBar(nullptr), m_pDockContext(nullptr),
      m_nStateFlags(0), m_nFlyByID(0)
{ }

CControlBar::~CControlBar()
{
    DestroyWindow();
    if (m_pDockBar != nullptr)
        m_pDockBar->RemoveControlBar(this);
    if (m_pDockSite != nullptr)
        m_pDockSite->RemoveControlBar(this);
    delete m_pDockContext;
    m_pDockContext = nullptr;
}

void CControlBar::SetBarStyle(DWORD dwStyle)
{
    if (m_dwStyle == dwStyle)
        return;
    DWORD dwOld = m_dwStyle;
    m_dwStyle = dwStyle;
    // A toolbar's control shows its own tips; other bars use the window's.
    if (m_hWnd != nullptr && ((dwOld ^ dwStyle) & CBRS_TOOLTIPS) &&
        !IsKindOf(RUNTIME_CLASS(CToolBar)))
        EnableToolTips((dwStyle & CBRS_TOOLTIPS) != 0);
    // Borders and the gripper live in the non-client area: have it measured again.
    if (m_hWnd != nullptr &&
        ((dwOld ^ dwStyle) & (CBRS_BORDER_ANY | CBRS_GRIPPER | CBRS_ALIGN_ANY)))
        SetWindowPos(nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void CControlBar::SetBorders(int cxLeft, int cyTop, int cxRight, int cyBottom)
{
    m_cxLeftBorder = cxLeft;
    m_cyTopBorder = cyTop;
    m_cxRightBorder = cxRight;
    m_cyBottomBorder = cyBottom;
}

void CControlBar::SetBorders(LPCRECT lpRect)
{
    SetBorders(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

CRect CControlBar::GetBorders() const
{
    return CRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder);
}

void CControlBar::EnableDocking(DWORD dwDockStyle)
{
    m_dwDockStyle = dwDockStyle;
    if (m_pDockContext == nullptr && dwDockStyle != 0)
        m_pDockContext = new CDockContext(this);
    if (m_hWnd != nullptr && m_pDockSite != nullptr &&
        m_pDockSite->m_pFloatingFrameClass == nullptr)
        m_pDockSite->m_pFloatingFrameClass = RUNTIME_CLASS(CMiniDockFrameWnd);
}

CFrameWnd* CControlBar::GetDockingFrame() const
{
    if (m_pDockBar != nullptr && m_pDockBar->m_bFloating)
        return m_pDockBar->GetParentFrame();
    if (m_pDockSite != nullptr)
        return m_pDockSite;
    return GetParentFrame();
}

BOOL CControlBar::IsFloating() const { return m_pDockBar != nullptr && m_pDockBar->m_bFloating; }

BOOL CControlBar::IsHorzDocked() const
{
    return !IsFloating() && (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
}

BOOL CControlBar::IsVertDocked() const
{
    return !IsFloating() && (m_dwStyle & CBRS_ORIENT_VERT) != 0;
}

// --- sizes ---------------------------------------------------------------------------------

CRect CControlBar::CalcNcBorders() const
{
    CRect rect(0, 0, 0, 0);
    if (m_dwStyle & CBRS_FLOATING)
        return rect; // the mini frame draws the frame
    if (m_dwStyle & CBRS_BORDER_LEFT)
        rect.left += kBorder;
    if (m_dwStyle & CBRS_BORDER_TOP)
        rect.top += kBorder;
    if (m_dwStyle & CBRS_BORDER_RIGHT)
        rect.right += kBorder;
    if (m_dwStyle & CBRS_BORDER_BOTTOM)
        rect.bottom += kBorder;
    if (m_dwStyle & CBRS_GRIPPER) {
        if (m_dwStyle & CBRS_ORIENT_HORZ)
            rect.left += kGripper;
        else
            rect.top += kGripper;
    }
    return rect;
}

void CControlBar::CalcInsideRect(CRect& rect, BOOL) const
{
    CRect nc = CalcNcBorders();
    rect.left += nc.left + m_cxLeftBorder;
    rect.top += nc.top + m_cyTopBorder;
    rect.right -= nc.right + m_cxRightBorder;
    rect.bottom -= nc.bottom + m_cyBottomBorder;
}

CSize CControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CSize size(bStretch && bHorz ? 32767 : 0, bStretch && !bHorz ? 32767 : 0);
    CRect rect(0, 0, 0, 0);
    CalcInsideRect(rect, bHorz);
    // The bar is as thick as its borders (a bar with no items of its own).
    size.cx -= rect.Width();
    size.cy -= rect.Height();
    return size;
}

CSize CControlBar::CalcDynamicLayout(int, DWORD dwMode)
{
    return CalcFixedLayout((dwMode & LM_STRETCH) != 0, (dwMode & LM_HORZ) != 0);
}

// --- showing -----------------------------------------------------------------------------

void CControlBar::DelayShow(BOOL bShow)
{
    m_nStateFlags &= ~(delayHide | delayShow);
    if (bShow && !(GetStyle() & WS_VISIBLE))
        m_nStateFlags |= delayShow;
    else if (!bShow && (GetStyle() & WS_VISIBLE))
        m_nStateFlags |= delayHide;
}

BOOL CControlBar::IsVisible() const
{
    if (m_nStateFlags & delayHide)
        return FALSE;
    if ((m_nStateFlags & delayShow) || (GetStyle() & WS_VISIBLE))
        return TRUE;
    return FALSE;
}

DWORD CControlBar::RecalcDelayShow(AFX_SIZEPARENTPARAMS* lpLayout)
{
    // A show or hide asked for earlier takes effect with the layout it changes.
    DWORD dwStyle = GetStyle();
    if (m_nStateFlags & (delayHide | delayShow)) {
        BOOL bShow = (m_nStateFlags & delayShow) != 0;
        m_nStateFlags &= ~(delayHide | delayShow);
        if (lpLayout == nullptr || lpLayout->hDWP != nullptr) {
            SetWindowPos(nullptr, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                             (bShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
            dwStyle = GetStyle();
        } else {
            dwStyle = bShow ? (dwStyle | WS_VISIBLE) : (dwStyle & ~WS_VISIBLE);
            m_nStateFlags |= bShow ? delayShow : delayHide; // still to be done
        }
    }
    return dwStyle | m_dwStyle;
}

// --- layout in the frame ------------------------------------------------------------------

LRESULT CControlBar::OnSizeParent(WPARAM, LPARAM lParam)
{
    AFX_SIZEPARENTPARAMS* lpLayout = (AFX_SIZEPARENTPARAMS*)lParam;
    DWORD dwStyle = RecalcDelayShow(lpLayout);
    if (!(dwStyle & WS_VISIBLE) || !(dwStyle & CBRS_ALIGN_ANY))
        return 0;

    CRect rect(lpLayout->rect);
    CSize sizeAvail = rect.Size();
    DWORD dwMode = lpLayout->bStretch ? LM_STRETCH : 0;
    if ((m_dwStyle & CBRS_SIZE_DYNAMIC) && (m_dwStyle & CBRS_FLOATING))
        dwMode |= LM_HORZ | LM_MRUWIDTH;
    else if (dwStyle & CBRS_ORIENT_HORZ)
        dwMode |= LM_HORZ | LM_HORZDOCK;
    else
        dwMode |= LM_VERTDOCK;
    CSize size = CalcDynamicLayout(-1, dwMode);
    size.cx = std::max(0L, std::min(size.cx, sizeAvail.cx));
    size.cy = std::max(0L, std::min(size.cy, sizeAvail.cy));

    if (dwStyle & CBRS_ORIENT_HORZ) {
        lpLayout->sizeTotal.cy += size.cy;
        lpLayout->sizeTotal.cx = std::max(lpLayout->sizeTotal.cx, size.cx);
        if (dwStyle & CBRS_ALIGN_TOP) {
            lpLayout->rect.top += size.cy;
        } else {
            rect.top = rect.bottom - size.cy;
            lpLayout->rect.bottom -= size.cy;
        }
    } else {
        lpLayout->sizeTotal.cx += size.cx;
        lpLayout->sizeTotal.cy = std::max(lpLayout->sizeTotal.cy, size.cy);
        if (dwStyle & CBRS_ALIGN_LEFT) {
            lpLayout->rect.left += size.cx;
        } else {
            rect.left = rect.right - size.cx;
            lpLayout->rect.right -= size.cx;
        }
    }
    rect.right = rect.left + size.cx;
    rect.bottom = rect.top + size.cy;
    if (lpLayout->hDWP != nullptr)
        AfxRepositionWindow(lpLayout, m_hWnd, &rect);
    return 0;
}

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    // Only a bar that shows (in a frame that shows) has anything to update.
    if (!(GetStyle() & WS_VISIBLE))
        return 0;
    CFrameWnd* pTarget = m_pDockSite != nullptr ? m_pDockSite : GetParentFrame();
    if (pTarget != nullptr)
        OnUpdateCmdUI(pTarget, (BOOL)wParam);
    return 0;
}

// --- creation and destruction ---------------------------------------------------------------

BOOL CControlBar::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == nullptr)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                           (HBRUSH)(COLOR_BTNFACE + 1));
    cs.style |= WS_CLIPSIBLINGS; // bars overlap their neighbours while being laid out
    return TRUE;
}

int CControlBar::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    if (m_pDockSite == nullptr) {
        // The frame that lays the bar out: its parent, or the frame above a dock bar.
        CWnd* pParent = GetParent();
        if (pParent != nullptr && pParent->IsFrameWnd())
            m_pDockSite = (CFrameWnd*)pParent;
        else if (pParent != nullptr && pParent->IsKindOf(RUNTIME_CLASS(CControlBar)))
            m_pDockSite = ((CControlBar*)pParent)->m_pDockSite;
        else
            m_pDockSite = GetParentFrame();
        if (m_pDockSite != nullptr)
            m_pDockSite->AddControlBar(this);
    }
    return 0;
}

void CControlBar::OnDestroy()
{
    if (m_pDockContext != nullptr && m_pDockContext->IsTracking())
        m_pDockContext->EndDrag(TRUE);
    if (m_pDockBar != nullptr)
        m_pDockBar->RemoveControlBar(this);
    if (m_pDockSite != nullptr)
        m_pDockSite->RemoveControlBar(this);
    m_pDockSite = nullptr;
    Default();
}

void CControlBar::PostNcDestroy()
{
    if (m_bAutoDelete)
        delete this;
}

// --- painting -----------------------------------------------------------------------------

void CControlBar::OnPaint()
{
    CPaintDC dc(this);
    DoPaint(&dc);
}

void CControlBar::DoPaint(CDC*)
{
    // A plain bar has nothing but its background and borders.
}

BOOL CControlBar::OnEraseBkgnd(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    pDC->FillSolidRect(&rect, ::GetSysColor(COLOR_BTNFACE));
    return TRUE;
}

HBRUSH CControlBar::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    // Static text and check boxes on a bar take the bar's face colour.
    if (nCtlColor == CTLCOLOR_STATIC || nCtlColor == CTLCOLOR_BTN || nCtlColor == CTLCOLOR_DLG) {
        pDC->SetBkColor(::GetSysColor(COLOR_BTNFACE));
        return ::GetSysColorBrush(COLOR_BTNFACE);
    }
    return (HBRUSH)Default();
}

void CControlBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    CRect nc = CalcNcBorders();
    RECT& rc = lpncsp->rgrc[0];
    rc.left += nc.left;
    rc.top += nc.top;
    rc.right = std::max(rc.left, rc.right - nc.right);
    rc.bottom = std::max(rc.top, rc.bottom - nc.bottom);
}

void CControlBar::OnNcPaint()
{
    CWindowDC dc(this);
    CRect rectWindow, rectClient;
    GetWindowRect(&rectWindow);
    GetClientRect(&rectClient);
    ClientToScreen(&rectClient);
    rectClient.OffsetRect(-rectWindow.left, -rectWindow.top);
    rectWindow.OffsetRect(-rectWindow.left, -rectWindow.top);
    dc.ExcludeClipRect(&rectClient);
    dc.FillSolidRect(&rectWindow, ::GetSysColor(COLOR_BTNFACE));
    CRect rect = rectWindow;
    DrawBorders(&dc, rect);
    DrawGripper(&dc, rectWindow);
}

void CControlBar::DrawBorders(CDC* pDC, CRect& rect)
{
    if (m_dwStyle & CBRS_FLOATING)
        return;
    COLORREF clrHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    COLORREF clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    // Each bordered side: an etched line (shadow, then highlight), and the rect shrinks.
    if (m_dwStyle & CBRS_BORDER_TOP) {
        pDC->FillSolidRect(rect.left, rect.top, rect.Width(), 1, clrShadow);
        pDC->FillSolidRect(rect.left, rect.top + 1, rect.Width(), 1, clrHilite);
        rect.top += kBorder;
    }
    if (m_dwStyle & CBRS_BORDER_BOTTOM) {
        pDC->FillSolidRect(rect.left, rect.bottom - 2, rect.Width(), 1, clrShadow);
        pDC->FillSolidRect(rect.left, rect.bottom - 1, rect.Width(), 1, clrHilite);
        rect.bottom -= kBorder;
    }
    if (m_dwStyle & CBRS_BORDER_LEFT) {
        pDC->FillSolidRect(rect.left, rect.top, 1, rect.Height(), clrShadow);
        pDC->FillSolidRect(rect.left + 1, rect.top, 1, rect.Height(), clrHilite);
        rect.left += kBorder;
    }
    if (m_dwStyle & CBRS_BORDER_RIGHT) {
        pDC->FillSolidRect(rect.right - 2, rect.top, 1, rect.Height(), clrShadow);
        pDC->FillSolidRect(rect.right - 1, rect.top, 1, rect.Height(), clrHilite);
        rect.right -= kBorder;
    }
}

void CControlBar::DrawGripper(CDC* pDC, const CRect& rectWindow)
{
    if (!(m_dwStyle & CBRS_GRIPPER) || (m_dwStyle & CBRS_FLOATING))
        return;
    CRect nc = CalcNcBorders();
    COLORREF clrHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    COLORREF clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    if (m_dwStyle & CBRS_ORIENT_HORZ) {
        int x = nc.left - kGripper + 2;
        CRect rect(x, rectWindow.top + nc.top + 2, x + 3, rectWindow.bottom - nc.bottom - 2);
        pDC->Draw3dRect(&rect, clrHilite, clrShadow);
    } else {
        int y = nc.top - kGripper + 2;
        CRect rect(rectWindow.left + nc.left + 2, y, rectWindow.right - nc.right - 2, y + 3);
        pDC->Draw3dRect(&rect, clrHilite, clrShadow);
    }
}

// --- the mouse: fly-by help and dragging ---------------------------------------------------------

int CControlBar::HitTestCommand(CPoint) const { return -1; }

void CControlBar::SetFlyByStatus(UINT nID)
{
    CFrameWnd* pFrame = m_pDockSite;
    if (pFrame == nullptr || pFrame->m_hWnd == nullptr)
        return;
    if (nID != 0) {
        pFrame->SendMessage(WM_SETMESSAGESTRING, nID);
        m_nStateFlags |= statusSet;
    } else if (m_nStateFlags & statusSet) {
        pFrame->SendMessage(WM_POPMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
        m_nStateFlags &= ~statusSet;
    }
    m_nFlyByID = nID;
}

void CControlBar::OnMouseMove(UINT, CPoint point)
{
    if (m_dwStyle & CBRS_FLYBY) {
        int nID = HitTestCommand(point);
        UINT nNew = nID > 0 ? (UINT)nID : 0;
        if (nNew != m_nFlyByID) {
            SetFlyByStatus(nNew);
            if (nNew != 0) {
                // Told when the mouse leaves, to put the idle text back.
                TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, m_hWnd, 0};
                ::TrackMouseEvent(&tme);
            }
        }
    }
    Default();
}

LRESULT CControlBar::OnMouseLeave(WPARAM, LPARAM)
{
    if (m_nFlyByID != 0)
        SetFlyByStatus(0);
    return Default();
}

void CControlBar::OnLButtonDown(UINT, CPoint point)
{
    // A press on the bar itself (not on one of its items) drags it.
    if (m_pDockContext != nullptr && HitTestCommand(point) < 0) {
        ClientToScreen(&point);
        m_pDockContext->StartDrag(point);
        return;
    }
    Default();
}

void CControlBar::OnLButtonDblClk(UINT, CPoint point)
{
    if (m_pDockContext != nullptr && HitTestCommand(point) < 0) {
        m_pDockContext->ToggleDocking();
        return;
    }
    Default();
}

void CControlBar::OnLButtonUp(UINT, CPoint) { Default(); }

void CControlBar::OnCaptureChanged(CWnd*) { Default(); }

LRESULT CControlBar::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    // While a drag runs the bar's capture feeds it, whatever the bar's own control does
    // with the mouse.
    if (m_pDockContext != nullptr && m_pDockContext->IsTracking()) {
        switch (nMsg) {
        case WM_MOUSEMOVE: {
            CPoint pt((short)LOWORD(lParam), (short)HIWORD(lParam));
            ClientToScreen(&pt);
            m_pDockContext->Move(pt);
            return 0;
        }
        case WM_LBUTTONUP:
            m_pDockContext->EndDrag(FALSE);
            return 0;
        case WM_RBUTTONDOWN:
            m_pDockContext->EndDrag(TRUE);
            return 0;
        case WM_KEYDOWN:
            if (wParam == VK_ESCAPE)
                m_pDockContext->EndDrag(TRUE);
            return 0;
        case WM_CAPTURECHANGED:
            if ((HWND)lParam != m_hWnd)
                m_pDockContext->EndDrag(TRUE);
            return 0;
        default:
            break;
        }
    }

    // What the bar's child controls tell their parent goes on to the frame that owns the
    // bar's commands, unless the bar takes it itself.
    switch (nMsg) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM: {
        LRESULT lResult = 0;
        if (OnWndMsg(nMsg, wParam, lParam, &lResult))
            return lResult;
        // The bar's own control's tool tip (a popup, not a child) is the control's.
        if (nMsg == WM_NOTIFY &&
            !(::GetWindowLongA(((NMHDR*)lParam)->hwndFrom, GWL_STYLE) & WS_CHILD))
            return DefWindowProc(nMsg, wParam, lParam);
        CWnd* pOwner = m_pDockSite;
        if (pOwner != nullptr && pOwner->m_hWnd != nullptr && pOwner->m_hWnd != m_hWnd)
            return pOwner->SendMessage(nMsg, wParam, lParam);
        return DefWindowProc(nMsg, wParam, lParam);
    }
    default:
        break;
    }
    return CWnd::WindowProc(nMsg, wParam, lParam);
}
