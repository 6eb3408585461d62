// CView: a document's window inside a frame. It joins its document when created,
// routes commands on to the document, activates itself in its frame when clicked and
// paints through OnDraw.
#include "fw/win.h"

IMPLEMENT_DYNAMIC(CView, CWnd)

BEGIN_MESSAGE_MAP(CView, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_MOUSEACTIVATE()
    ON_MESSAGE(WM_INITIALUPDATE, &CView::OnInitialUpdateMessage)
END_MESSAGE_MAP()

CCreateContext::CCreateContext()
    : m_pNewViewClass(nullptr), m_pCurrentDoc(nullptr), m_pNewDocTemplate(nullptr),
      m_pLastView(nullptr), m_pCurrentFrame(nullptr)
{ }

CView::CView() : m_pDocument(nullptr) { }

CView::~CView()
{
    if (m_pDocument != nullptr)
        m_pDocument->RemoveView(this);
}

BOOL CView::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == nullptr)
        cs.lpszClass =
            AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW,
                                ::LoadCursor(nullptr, IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1));
    cs.style |= WS_CLIPSIBLINGS;
    return TRUE;
}

int CView::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    CCreateContext* pContext = (CCreateContext*)lpcs->lpCreateParams;
    if (pContext != nullptr && pContext->m_pCurrentDoc != nullptr)
        pContext->m_pCurrentDoc->AddView(this);
    return 0;
}

void CView::OnDestroy()
{
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != nullptr && pFrame->GetActiveView() == this)
        pFrame->SetActiveView(nullptr, FALSE); // no notifications while going away
    CWnd::OnDestroy();
}

void CView::PostNcDestroy() { delete this; }

void CView::CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType)
{
    if (nAdjustType != 0) {
        // The scroll bars belong to the view's own area.
        DWORD dwStyle = GetStyle();
        if (dwStyle & WS_VSCROLL)
            lpClientRect->right += ::GetSystemMetrics(SM_CXVSCROLL);
        if (dwStyle & WS_HSCROLL)
            lpClientRect->bottom += ::GetSystemMetrics(SM_CYHSCROLL);
    }
    CWnd::CalcWindowRect(lpClientRect, nAdjustType);
}

BOOL CView::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocument != nullptr && m_pDocument->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CView::OnPaint()
{
    PAINTSTRUCT ps;
    CDC* pDC = BeginPaint(&ps);
    OnPrepareDC(pDC);
    OnDraw(pDC);
    EndPaint(&ps);
}

int CView::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    int nResult = CWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
    if (nResult == MA_NOACTIVATE || nResult == MA_NOACTIVATEANDEAT)
        return nResult;
    // A click makes this the active view of its frame.
    CFrameWnd* pParentFrame = GetParentFrame();
    if (pParentFrame != nullptr && pParentFrame->GetActiveView() != this) {
        pParentFrame->SetActiveView(this);
    } else if (pParentFrame != nullptr && ::GetFocus() != m_hWnd) {
        SetFocus();
    }
    return nResult;
}

LRESULT CView::OnInitialUpdateMessage(WPARAM, LPARAM)
{
    OnInitialUpdate();
    return 0;
}

BOOL CView::IsSelected(const CObject*) const { return FALSE; }

void CView::OnPrepareDC(CDC*, CPrintInfo* pInfo)
{
    // The screen's mapping. A view that does not say how many pages it has prints one.
    if (pInfo != nullptr)
        pInfo->m_bContinuePrinting = pInfo->GetMaxPage() != 0xFFFF || pInfo->m_nCurPage == 1;
}

void CView::OnInitialUpdate() { OnUpdate(nullptr, 0, nullptr); }

void CView::OnActivateView(BOOL bActivate, CView* pActivateView, CView*)
{
    if (bActivate && pActivateView == this) {
        // Take the focus when this view's top-level window is the active one.
        HWND hWndTop = ::GetAncestor(m_hWnd, GA_ROOT);
        if (hWndTop != nullptr && ::GetActiveWindow() == hWndTop && ::GetFocus() != m_hWnd)
            SetFocus();
    }
}

void CView::OnActivateFrame(UINT, CFrameWnd*) { }

void CView::OnUpdate(CView* pSender, LPARAM, CObject*)
{
    if (pSender != this)
        Invalidate(TRUE);
}

BOOL CView::OnScroll(UINT, UINT, BOOL) { return FALSE; }

BOOL CView::OnScrollBy(CSize, BOOL) { return FALSE; }

BOOL CView::OnPreparePrinting(CPrintInfo*) { return TRUE; }

void CView::OnBeginPrinting(CDC*, CPrintInfo*) { }

void CView::OnPrint(CDC* pDC, CPrintInfo*) { OnDraw(pDC); }

void CView::OnEndPrinting(CDC*, CPrintInfo*) { }

CSplitterWnd* PASCAL CView::GetParentSplitter(const CWnd* pWnd, BOOL bAnyState)
{
    CSplitterWnd* pSplitter = (CSplitterWnd*)pWnd->GetParent();
    if (pSplitter == nullptr || !pSplitter->IsKindOf(RUNTIME_CLASS(CSplitterWnd)))
        return nullptr;
    if (!bAnyState) {
        // Only an active (split) splitter counts.
        if (pSplitter->GetRowCount() == 1 && pSplitter->GetColumnCount() == 1)
            return nullptr;
    }
    return pSplitter;
}
