// CGXGridWnd: the grid in a child window. Every message of interest goes to the core
// first; what it does not handle gets the framework's default handling.
#include "core/GXGridWnd.h"
#include "core/GXGridParam.h"
#include "core/GXLibraryState.h"
#include "fw/ctrls.h"
#include "fw/dc.h"
#include "fw/gdi.h"

IMPLEMENT_DYNCREATE(CGXGridWnd, CWnd)

namespace {
// Grid objects the library made itself for windows of class "CGXGridWnd" from dialog
// templates; each is deleted after its window is gone.
CMapPtrToWord& SelfCreatedGrids()
{
    static CMapPtrToWord map;
    return map;
}

UINT FindReplaceMessage()
{
    static const UINT nMsg = ::RegisterWindowMessageA("commdlg_FindReplace");
    return nMsg;
}
} // namespace

BEGIN_MESSAGE_MAP(CGXGridWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_NCPAINT()
END_MESSAGE_MAP()

CGXGridWnd::CGXGridWnd() : CGXGridCore(nullptr, nullptr, FALSE), m_bDrawFrame(FALSE)
{
    m_pWindow = this;
}

CGXGridWnd::~CGXGridWnd()
{
    SelfCreatedGrids().RemoveKey(this);
    // Destroy the window while the grid can still answer its last messages.
    if (m_hWnd != nullptr && CWnd::FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
}

BOOL CGXGridWnd::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(nullptr, nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

void CGXGridWnd::Initialize()
{
    const DWORD dwStyle = GetStyle();
    if (GetGridParentWindow() != nullptr) {
        SetScrollBarPolicy(SB_VERT, GX_SBMODE_LASTUSEFUL | GX_SBMODE_RANGEONLY);
        SetScrollBarPolicy(SB_HORZ, GX_SBMODE_LASTUSEFUL | GX_SBMODE_RANGEONLY);
    } else {
        SetScrollBarPolicy(SB_VERT,
                           (dwStyle & WS_VSCROLL) ? GX_SBMODE_LASTUSEFUL | GX_SBMODE_AUTO : 0);
        SetScrollBarPolicy(SB_HORZ,
                           (dwStyle & WS_HSCROLL) ? GX_SBMODE_LASTUSEFUL | GX_SBMODE_AUTO : 0);
    }
    InitializeGrid();
}

CScrollBar* CGXGridWnd::GetScrollBarCtrl(int nBar) const
{
    if (CScrollBar* pBar = GetGridScrollBarCtrl(nBar))
        return pBar;
    return CWnd::GetScrollBarCtrl(nBar);
}

BOOL CGXGridWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HandleCommand(wParam, lParam))
        return TRUE;
    return CWnd::OnCommand(wParam, lParam);
}

BOOL CGXGridWnd::PreTranslateMessage(MSG* pMsg)
{
    if (HandlePreTranslateMessage(pMsg))
        return TRUE;
    return CWnd::PreTranslateMessage(pMsg);
}

void CGXGridWnd::OnGridBeginPrinting(CDC* pDC, CPrintInfo* pInfo) { OnBeginPrinting(pDC, pInfo); }
void CGXGridWnd::OnGridEndPrinting(CDC* pDC, CPrintInfo* pInfo) { OnEndPrinting(pDC, pInfo); }
void CGXGridWnd::OnGridPrint(CDC* pDC, CPrintInfo* pInfo) { OnPrint(pDC, pInfo); }

void CGXGridWnd::OnPaint()
{
    if (!m_bInitialized) {
        // Nothing to draw yet: validate, so that no further WM_PAINT follows at once.
        ValidateRect(nullptr);
        return;
    }
    CPaintDC dc(this);
    OnPrepareDC(&dc, nullptr);
    PaintGrid(&dc);
}

BOOL CGXGridWnd::OnEraseBkgnd(CDC*) { return TRUE; }

void CGXGridWnd::OnNcPaint()
{
    Default();
    if (!m_bDrawFrame && !(GetStyle() & 0x200))
        return;
    CWnd* pParent = GetParent();
    if (pParent == nullptr)
        return;
    CRect rect;
    GetWindowRect(&rect);
    pParent->ScreenToClient(&rect);
    rect.left -= 2;
    rect.top -= 2;
    rect.right += 3;
    rect.bottom += 3;
    CClientDC dc(pParent);
    ::DrawEdge(dc.GetSafeHdc(), &rect, EDGE_SUNKEN, BF_RECT);
}

void CGXGridWnd::TakeFocusForClick()
{
    HWND hFocus = ::GetFocus();
    if (hFocus != m_hWnd && !::IsChild(m_hWnd, hFocus))
        SetFocus();
}

BOOL CGXGridWnd::HandleGridMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& lResult)
{
    const CPoint pt((short)LOWORD(lParam), (short)HIWORD(lParam));
    const UINT nFlags = (UINT)wParam;
    switch (message) {
    case WM_SIZE:
        return HandleSize((UINT)wParam, (short)LOWORD(lParam), (short)HIWORD(lParam));
    case WM_SETCURSOR:
        if (HandleSetCursor(CWnd::FromHandle((HWND)wParam), LOWORD(lParam), HIWORD(lParam))) {
            lResult = TRUE;
            return TRUE;
        }
        return FALSE;
    case WM_MOUSEMOVE:
        return HandleMouseMove(nFlags, pt);
    case WM_LBUTTONDOWN:
        TakeFocusForClick();
        return HandleLButtonDown(nFlags, pt);
    case WM_LBUTTONUP:
        return HandleLButtonUp(nFlags, pt);
    case WM_LBUTTONDBLCLK:
        return HandleLButtonDblClk(nFlags, pt);
    case WM_RBUTTONDOWN:
        TakeFocusForClick();
        return HandleRButtonDown(nFlags, pt);
    case WM_RBUTTONUP:
        return HandleRButtonUp(nFlags, pt);
    case WM_RBUTTONDBLCLK:
        return HandleRButtonDblClk(nFlags, pt);
    case WM_MBUTTONDOWN:
        TakeFocusForClick();
        return HandleMButtonDown(nFlags, pt);
    case WM_MBUTTONUP:
        return HandleMButtonUp(nFlags, pt);
    case WM_MBUTTONDBLCLK:
        return HandleMButtonDblClk(nFlags, pt);
    case WM_MOUSEACTIVATE:
        return HandleMouseActivate(CWnd::FromHandle((HWND)wParam), LOWORD(lParam), HIWORD(lParam),
                                   lResult);
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_SYSCHAR:
        return DispatchKeyMessage(this, message, (UINT)wParam, LOWORD(lParam), HIWORD(lParam));
    case WM_HSCROLL:
        return HandleHScroll(LOWORD(wParam), HIWORD(wParam),
                             (CScrollBar*)CWnd::FromHandle((HWND)lParam));
    case WM_VSCROLL:
        return HandleVScroll(LOWORD(wParam), HIWORD(wParam),
                             (CScrollBar*)CWnd::FromHandle((HWND)lParam));
    case WM_GETDLGCODE:
        lResult = (LRESULT)HandleGetDlgCode((UINT)DefWindowProc(message, wParam, lParam));
        return TRUE;
    case WM_SETFOCUS:
        lResult = DefWindowProc(message, wParam, lParam);
        HandleSetFocus(CWnd::FromHandle((HWND)wParam));
        return TRUE;
    case WM_KILLFOCUS:
        lResult = DefWindowProc(message, wParam, lParam);
        HandleKillFocus(CWnd::FromHandle((HWND)wParam));
        return TRUE;
    case WM_SHOWWINDOW:
        lResult = DefWindowProc(message, wParam, lParam);
        HandleShowWindow((BOOL)wParam, (UINT)lParam);
        return TRUE;
    case WM_CANCELMODE:
        HandleCancelMode();
        lResult = DefWindowProc(message, wParam, lParam);
        return TRUE;
    case WM_TIMER:
        HandleTimer((UINT_PTR)wParam);
        return FALSE;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: {
        HBRUSH hbr = HandleCtlColor(CDC::FromHandle((HDC)wParam), CWnd::FromHandle((HWND)lParam),
                                    message - WM_CTLCOLORMSGBOX);
        if (hbr == nullptr)
            return FALSE;
        lResult = (LRESULT)hbr;
        return TRUE;
    }
    case WM_DESTROY:
        return CloseGridPopup();
    case WM_SYSCOLORCHANGE:
        HandleSysColorChange();
        return FALSE;
    case WM_WININICHANGE:
        HandleWinIniChange((LPCTSTR)lParam);
        return FALSE;
    case GX_WM_CANRENAMETAB:
        lResult = CanRenameTab();
        return TRUE;
    case GX_WM_TABNAMECHANGED:
        OnTabNameChanged((int)wParam);
        lResult = 0;
        return TRUE;
    case GX_WM_CANCHANGEPANE:
        lResult = !CanChangePane((int)wParam);
        return TRUE;
    case GX_WM_PANEENTERED:
        SetFocus();
        OnPaneEntered((int)wParam);
        lResult = 0;
        return TRUE;
    case GX_WM_TABWNDRESIZING:
        Invalidate();
        lResult = 0;
        return TRUE;
    default:
        if (message == FindReplaceMessage()) {
            lResult = HandleFindReplace(CWnd::FromHandle(((FINDREPLACE*)lParam)->hwndOwner));
            return TRUE;
        }
        return FALSE;
    }
}

LRESULT CGXGridWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (message != WM_PAINT && message != WM_NCDESTROY &&
        DispatchToPlugins(message, wParam, lParam, &lResult))
        return lResult;
    if (m_bInitialized && HandleGridMessage(message, wParam, lParam, lResult))
        return lResult;
    return CWnd::WindowProc(message, wParam, lParam);
}

void CGXGridWnd::PostNcDestroy()
{
    WORD wMark = 0;
    if (SelfCreatedGrids().Lookup(this, wMark)) {
        SelfCreatedGrids().RemoveKey(this);
        delete this;
    }
}

LRESULT CALLBACK CGXGridWnd::SelfCreatingWndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (CWnd::FromHandlePermanent(hWnd) != nullptr)
        return ::DefWindowProcA(hWnd, msg, wParam, lParam);
    // The first message of a new window: the library makes its grid object.
    CGXGridWnd* pGrid = new CGXGridWnd;
    if (!pGrid->SubclassWindow(hWnd)) {
        delete pGrid;
        return ::DefWindowProcA(hWnd, msg, wParam, lParam);
    }
    SelfCreatedGrids().SetAt(pGrid, 1);
    return ::CallWindowProcA(AfxGetAfxWndProc(), hWnd, msg, wParam, lParam);
}

BOOL CGXGridWnd::RegisterClass(HINSTANCE hInstance)
{
    WNDCLASSA wc = {};
    if (::GetClassInfoA(hInstance, GX_GRIDWND_CLASS, &wc))
        return TRUE;
    wc.style = CS_GLOBALCLASS | CS_DBLCLKS;
    wc.lpfnWndProc = &CGXGridWnd::SelfCreatingWndProc;
    wc.hInstance = hInstance;
    wc.lpszClassName = GX_GRIDWND_CLASS;
    if (!AfxRegisterClass(&wc))
        AfxThrowResourceException();
    return TRUE;
}

void CGXGridWnd::UnregisterClass(HINSTANCE hInstance)
{
    ::UnregisterClassA(GX_GRIDWND_CLASS, hInstance);
}

BOOL CGXGridWnd::IsSelfCreated(const CGXGridWnd* pWnd)
{
    WORD wMark = 0;
    return SelfCreatedGrids().Lookup(const_cast<CGXGridWnd*>(pWnd), wMark);
}

int CGXGridWnd::GetSelfCreatedCount() { return (int)SelfCreatedGrids().GetCount(); }
