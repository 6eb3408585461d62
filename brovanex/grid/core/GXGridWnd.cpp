// CGXGridWnd: the grid in a child window. Every message of interest goes to the core
// first; what it does not handle gets the framework's default handling.
#include "core/GXGridWnd.h"
#include "core/GXDrawingAndFormatting.h"
#include "core/GXGridMessages.h"
#include "core/GXGridParam.h"
#include "core/GXLibraryState.h"
#include "core/GXSelfCreatingWnd.h"
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
    GXDrawFrameInParent(this, m_bDrawFrame);
}

BOOL CGXGridWnd::HandleGridMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& lResult)
{
    return GXHandleGridMessage(this, this, message, wParam, lParam, lResult);
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

void CGXGridWnd::PostNcDestroy() { GXDeleteIfSelfCreated(SelfCreatedGrids(), this); }

LRESULT CALLBACK CGXGridWnd::SelfCreatingWndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    // The first message of a new window: the library makes its object.
    return GXSelfCreatingWndProc<CGXGridWnd>(SelfCreatedGrids(), hWnd, msg, wParam, lParam);
}

BOOL CGXGridWnd::RegisterClass(HINSTANCE hInstance)
{
    return GXRegisterSelfCreatingClass(hInstance, GX_GRIDWND_CLASS,
                                       &CGXGridWnd::SelfCreatingWndProc);
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
