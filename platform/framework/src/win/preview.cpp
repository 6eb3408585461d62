// Print preview: CView's preview command, the frame's hand-over to the preview view and
// back, and CPreviewView, which records each page on the page device once and draws it
// scaled into the frame.
#include "fw/win.h"
#include "fw/preview.h"
#include "frame_bars.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CPreviewView, CView)

BEGIN_MESSAGE_MAP(CPreviewView, CView)
    ON_COMMAND(AFX_ID_PREVIEW_CLOSE, &CPreviewView::OnPreviewClose)
    ON_COMMAND(AFX_ID_PREVIEW_PRINT, &CPreviewView::OnPreviewPrint)
    ON_COMMAND(AFX_ID_PREVIEW_NEXT, &CPreviewView::OnNextPage)
    ON_COMMAND(AFX_ID_PREVIEW_PREV, &CPreviewView::OnPrevPage)
    ON_COMMAND(AFX_ID_PREVIEW_NUMPAGE, &CPreviewView::OnNumPageChange)
    ON_COMMAND(AFX_ID_PREVIEW_ZOOMIN, &CPreviewView::OnZoomIn)
    ON_COMMAND(AFX_ID_PREVIEW_ZOOMOUT, &CPreviewView::OnZoomOut)
    ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_NEXT, &CPreviewView::OnUpdateNextPage)
    ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_PREV, &CPreviewView::OnUpdatePrevPage)
    ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_NUMPAGE, &CPreviewView::OnUpdateNumPageChange)
    ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_ZOOMIN, &CPreviewView::OnUpdateZoomIn)
    ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_ZOOMOUT, &CPreviewView::OnUpdateZoomOut)
    ON_WM_SETCURSOR()
    ON_WM_LBUTTONDOWN()
    ON_WM_KEYDOWN()
    ON_WM_SIZE()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

namespace {

const int kGap = 8; // around and between the pages, in pixels

// Closing the frame while it previews closes the preview instead.
BOOL CALLBACK PreviewCloseProc(CFrameWnd* pFrame)
{
    CWnd* pWnd = pFrame->GetDlgItem(AFX_IDW_PANE_FIRST);
    if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CPreviewView)))
        ((CPreviewView*)pWnd)->OnPreviewClose();
    return FALSE;
}

} // namespace

CPrintPreviewState::CPrintPreviewState()
    : nIDMainPane(AFX_IDW_PANE_FIRST), hMenu(nullptr), dwStates(0), pViewActiveOld(nullptr),
      lpfnCloseProc(PreviewCloseProc), hAccelTable(nullptr)
{ }

// --- the view's side ---------------------------------------------------------------------------

void CView::OnFilePrintPreview()
{
    CPrintPreviewState* pState = new CPrintPreviewState;
    if (!DoPrintPreview(AFX_IDD_PREVIEW_TOOLBAR, this, RUNTIME_CLASS(CPreviewView), pState)) {
        delete pState;
        AfxMessageBox(AFX_IDP_COMMAND_FAILURE);
    }
}

BOOL CView::DoPrintPreview(UINT nIDResource, CView* pPrintView, CRuntimeClass* pPreviewViewClass,
                           CPrintPreviewState* pState)
{
    // The preview takes over the application's main frame (one preview at a time).
    CWnd* pMainWnd = AfxGetMainWnd();
    if (pMainWnd == nullptr || !pMainWnd->IsFrameWnd() || pPrintView == nullptr)
        return FALSE;
    CFrameWnd* pParent = (CFrameWnd*)pMainWnd;
    if (pParent->m_pPreviewState != nullptr)
        return FALSE;
    CObject* pObject = pPreviewViewClass->CreateObject();
    if (pObject == nullptr || !pObject->IsKindOf(RUNTIME_CLASS(CPreviewView))) {
        delete pObject;
        return FALSE;
    }
    CPreviewView* pView = (CPreviewView*)pObject;
    pView->m_pPreviewState = pState;
    pView->m_pOrigView = this;

    CDialogBar* pBar = new CDialogBar;
    if (!pBar->Create(pParent, nIDResource, CBRS_TOP | WS_VISIBLE, AFX_IDW_PREVIEW_BAR)) {
        delete pBar;
        pView->m_pPreviewState = nullptr;
        delete pView;
        return FALSE;
    }
    pBar->m_bAutoDelete = TRUE;
    pView->m_pToolBar = pBar;

    pParent->OnSetPreviewMode(TRUE, pState);
    CCreateContext context;
    context.m_pCurrentFrame = pParent;
    context.m_pLastView = this;
    if (!pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), pParent,
                       AFX_IDW_PANE_FIRST, &context)) {
        pBar->DestroyWindow();
        pParent->OnSetPreviewMode(FALSE, pState);
        pView->m_pPreviewState = nullptr;
        delete pView;
        return FALSE;
    }
    if (!pView->SetPrintView(pPrintView)) {
        // The print view refused (or there is nothing to preview on): back as before.
        pView->m_pPrintView = nullptr;
        pView->OnPreviewClose();
        return TRUE;
    }
    pParent->SetActiveView(pView);
    pParent->RecalcLayout();
    pView->SetFocus();
    pView->UpdateWindow();
    return TRUE;
}

void CView::OnEndPrintPreview(CDC* pDC, CPrintInfo* pInfo, POINT, CPreviewView* pView)
{
    // The print job ends, the frame gets its menu, bars and view back, the preview goes.
    if (pView->m_pPrintView != nullptr)
        pView->m_pPrintView->OnEndPrinting(pDC, pInfo);
    if (pView->m_pToolBar != nullptr) {
        pView->m_pToolBar->DestroyWindow();
        pView->m_pToolBar = nullptr;
    }
    CFrameWnd* pParent = pView->GetParentFrame();
    if (pParent != nullptr)
        pParent->OnSetPreviewMode(FALSE, pView->m_pPreviewState);
    pView->DestroyWindow();
    if (pParent != nullptr) {
        pParent->RecalcLayout();
        // The view that was active before takes the focus again.
        CFrameWnd* pActive = pParent->GetActiveFrame();
        CView* pActiveView = pActive != nullptr ? pActive->GetActiveView() : nullptr;
        if (pActiveView != nullptr)
            pActiveView->SetFocus();
    }
}

// --- the frame's side -----------------------------------------------------------------------------

void CFrameWnd::OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState)
{
    // The frame gives up its menu and bars; with a preview state also its accelerators
    // and its view (or MDI client), which the preview view replaces.
    if (bPreview) {
        m_pPreviewState = pState;
        if (pState != nullptr) {
            pState->hMenu = ::GetMenu(m_hWnd);
            pState->pViewActiveOld = m_pViewActive;
            pState->hAccelTable = m_hAccelTable;
            m_hAccelTable = nullptr;
            HWND hPane = ::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST);
            if (hPane != nullptr) {
                ::ShowWindow(hPane, SW_HIDE);
                ::SetWindowLongPtrA(hPane, GWLP_ID, AFX_IDW_PANE_SAVE);
            }
            pState->nIDMainPane = AFX_IDW_PANE_FIRST;
        }
        ::SetMenu(m_hWnd, nullptr);
    } else {
        m_pPreviewState = nullptr;
        if (pState != nullptr) {
            HWND hPane = ::GetDlgItem(m_hWnd, AFX_IDW_PANE_SAVE);
            if (hPane != nullptr) {
                ::SetWindowLongPtrA(hPane, GWLP_ID, pState->nIDMainPane);
                ::ShowWindow(hPane, SW_SHOW);
            }
            m_hAccelTable = pState->hAccelTable;
            ::SetMenu(m_hWnd, pState->hMenu);
            SetActiveView(pState->pViewActiveOld, FALSE);
        }
        OnUpdateFrameMenu(nullptr);
    }
    fw::HideBarsForPreview(this, bPreview != FALSE);
    RecalcLayout();
}

// --- CPreviewView ------------------------------------------------------------------------------

CPreviewView::CPreviewView()
    : m_pOrigView(nullptr), m_pPrintView(nullptr), m_pPreviewState(nullptr), m_pToolBar(nullptr),
      m_pPreviewInfo(nullptr), m_pPageDevice(nullptr), m_bOwnPageDevice(FALSE), m_nCurrentPage(1),
      m_nPages(1), m_nZoomState(ZOOM_OUT), m_nLastPageFound(0), m_hMagnifyCursor(nullptr)
{
    LPCSTR lpszCursor = MAKEINTRESOURCE(AFX_IDC_MAGNIFY);
    HINSTANCE hInst = AfxFindResourceHandle(lpszCursor, (LPCSTR)RT_GROUP_CURSOR);
    m_hMagnifyCursor = ::LoadCursorA(hInst, lpszCursor);
}

CPreviewView::~CPreviewView()
{
    FreePages();
    if (m_bOwnPageDevice)
        delete m_pPageDevice;
    delete m_pPreviewInfo;
    delete m_pPreviewState;
}

BOOL CPreviewView::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CView::PreCreateWindow(cs))
        return FALSE;
    cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW), nullptr);
    return TRUE;
}

BOOL CPreviewView::SetPrintView(CView* pPrintView)
{
    m_pPrintView = pPrintView;
    m_pPreviewInfo = new CPrintInfo;
    m_pPreviewInfo->m_bPreview = TRUE;
    if (!pPrintView->OnPreparePrinting(m_pPreviewInfo))
        return FALSE;
    if (m_pPreviewInfo->m_pPageDevice != nullptr) {
        m_pPageDevice = m_pPreviewInfo->m_pPageDevice;
    } else if (m_pPreviewInfo->m_pPD->m_pd.hDC != nullptr) {
        // Pages recorded against the printer, laid out as it will print them.
        m_pPageDevice = new CPageDevice(m_pPreviewInfo->m_pPD->m_pd.hDC);
        m_bOwnPageDevice = TRUE;
    } else {
        return FALSE;
    }
    m_pPrintView->OnBeginPrinting(m_pPageDevice, m_pPreviewInfo);

    UINT nPages = m_pPreviewInfo->m_nNumPreviewPages;
    m_nPages = nPages == 2 ? 2 : 1;
    // The view may have said where the preview starts (OnBeginPrinting).
    UINT nStart = m_pPreviewInfo->m_nCurPage;
    if (nStart < m_pPreviewInfo->GetMinPage() || nStart > LastPage())
        nStart = m_pPreviewInfo->GetMinPage();
    m_nCurrentPage = nStart;
    if (m_nPages == 2 && LastPage() == m_pPreviewInfo->GetMinPage())
        m_nPages = 1;
    return TRUE;
}

UINT CPreviewView::LastPage() const
{
    UINT nLast = m_pPreviewInfo != nullptr ? m_pPreviewInfo->GetMaxPage() : 1;
    if (m_nLastPageFound != 0 && m_nLastPageFound < nLast)
        nLast = m_nLastPageFound;
    return nLast;
}

void CPreviewView::FreePages()
{
    for (auto& page : m_pageImages)
        ::DeleteEnhMetaFile(page.second);
    m_pageImages.clear();
}

HENHMETAFILE CPreviewView::GetPageImage(UINT nPage)
{
    auto it = m_pageImages.find(nPage);
    if (it != m_pageImages.end())
        return it->second;
    if (m_pPrintView == nullptr || m_pPageDevice == nullptr ||
        nPage < m_pPreviewInfo->GetMinPage() || nPage > LastPage())
        return nullptr;
    CPrintInfo* pInfo = m_pPreviewInfo;
    CPageDevice* pDC = m_pPageDevice;
    pInfo->m_nCurPage = nPage;
    pInfo->m_bContinuePrinting = TRUE;
    m_pPrintView->OnPrepareDC(pDC, pInfo);
    if (!pInfo->m_bContinuePrinting) {
        // The document ends before this page.
        m_nLastPageFound = std::max(pInfo->GetMinPage(), nPage - 1);
        return nullptr;
    }
    pInfo->m_rectDraw.SetRect(0, 0, pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES));
    pDC->DPtoLP(&pInfo->m_rectDraw);
    pDC->StartPage();
    m_pPrintView->OnPrepareDC(pDC, pInfo);
    m_pPrintView->OnPrint(pDC, pInfo);
    pDC->EndPage();
    HENHMETAFILE hPage = pDC->DetachLastPage();
    m_pageImages[nPage] = hPage;
    return hPage;
}

BOOL CPreviewView::PageExists(UINT nPage)
{
    return nPage <= LastPage() && GetPageImage(nPage) != nullptr;
}

int CPreviewView::ScaleFor(UINT nZoom) const
{
    // Page width in pixels: the whole page fits when zoomed out, actual size when in.
    CRect client;
    GetClientRect(&client);
    CSize page = m_pPageDevice != nullptr ? m_pPageDevice->GetPageSize() : CSize(850, 1100);
    int nFitWidth =
        std::min(client.Width() - 2 * kGap, MulDiv(client.Height() - 2 * kGap, page.cx, page.cy));
    nFitWidth = std::max(nFitWidth, 16);
    if (nZoom == ZOOM_OUT)
        return nFitWidth;
    CClientDC dc(nullptr);
    int nDpiPage = m_pPageDevice != nullptr ? m_pPageDevice->GetDpiX() : 100;
    int nActual = MulDiv(page.cx, dc.GetDeviceCaps(LOGPIXELSX), nDpiPage);
    int nIn = std::max(nActual, nFitWidth * 2);
    return nZoom == ZOOM_IN ? nIn : (nFitWidth + nIn) / 2;
}

CRect CPreviewView::GetPageRect(UINT nIndex) const
{
    if (m_pPageDevice == nullptr)
        return CRect();
    CRect client;
    GetClientRect(&client);
    CSize page = m_pPageDevice->GetPageSize();
    if (m_nZoomState != ZOOM_OUT) {
        if (nIndex != 0)
            return CRect();
        int nWidth = ScaleFor(m_nZoomState);
        int nHeight = MulDiv(nWidth, page.cy, page.cx);
        CPoint topLeft(kGap - m_ptScroll.x, kGap - m_ptScroll.y);
        if (nWidth + 2 * kGap < client.Width())
            topLeft.x = (client.Width() - nWidth) / 2;
        return CRect(topLeft, CSize(nWidth, nHeight));
    }
    if (nIndex >= m_nPages)
        return CRect();
    int nWidth = std::min((client.Width() - (int)(m_nPages + 1) * kGap) / (int)m_nPages,
                          MulDiv(client.Height() - 2 * kGap, page.cx, page.cy));
    nWidth = std::max(nWidth, 8);
    int nHeight = MulDiv(nWidth, page.cy, page.cx);
    int nTotal = (int)m_nPages * nWidth + ((int)m_nPages - 1) * kGap;
    int x = (client.Width() - nTotal) / 2 + (int)nIndex * (nWidth + kGap);
    int y = (client.Height() - nHeight) / 2;
    return CRect(x, y, x + nWidth, y + nHeight);
}

void CPreviewView::OnDraw(CDC* pDC)
{
    CRect client;
    GetClientRect(&client);
    pDC->FillSolidRect(&client, ::GetSysColor(COLOR_APPWORKSPACE));
    UINT nShown = m_nZoomState == ZOOM_OUT ? m_nPages : 1;
    for (UINT i = 0; i < nShown; i++) {
        UINT nPage = m_nCurrentPage + i;
        HENHMETAFILE hPage = GetPageImage(nPage);
        if (hPage == nullptr)
            break;
        CRect rect = GetPageRect(i);
        // Shadow, paper and edge, then the page itself.
        pDC->FillSolidRect(rect.left + 3, rect.top + 3, rect.Width(), rect.Height(),
                           ::GetSysColor(COLOR_3DDKSHADOW));
        pDC->FillSolidRect(&rect, RGB(255, 255, 255));
        CPageDevice::PlayPage(pDC->m_hDC, hPage, rect);
        pDC->Draw3dRect(&rect, RGB(0, 0, 0), RGB(0, 0, 0));
    }
}

BOOL CPreviewView::OnEraseBkgnd(CDC*) { return TRUE; }

void CPreviewView::OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView)
{
    CView::OnActivateView(bActivate, pActivateView, pDeactiveView);
}

void CPreviewView::SetCurrentPage(UINT nPage, BOOL bClearRatios)
{
    UINT nMin = m_pPreviewInfo != nullptr ? m_pPreviewInfo->GetMinPage() : 1;
    if (nPage < nMin)
        nPage = nMin;
    while (nPage > nMin && !PageExists(nPage))
        nPage--;
    m_nCurrentPage = nPage;
    if (m_pPreviewInfo != nullptr)
        m_pPreviewInfo->m_nCurPage = nPage;
    if (bClearRatios)
        m_ptScroll = CPoint(0, 0);
    UpdateScrollBars();
    Invalidate();
}

void CPreviewView::SetZoomState(UINT nNewState, UINT nPage, CPoint point)
{
    if (nNewState > ZOOM_IN)
        return;
    // The point of the page under the click stays under it.
    UINT nIndex = nPage >= m_nCurrentPage ? nPage - m_nCurrentPage : 0;
    CRect before = GetPageRect(m_nZoomState == ZOOM_OUT ? nIndex : 0);
    double fx = 0.5, fy = 0.5;
    if (!before.IsRectEmpty() && before.PtInRect(point)) {
        fx = double(point.x - before.left) / before.Width();
        fy = double(point.y - before.top) / before.Height();
    } else {
        CRect client;
        GetClientRect(&client);
        point = client.CenterPoint();
    }
    m_nZoomState = nNewState;
    m_nCurrentPage = nPage;
    if (m_pPreviewInfo != nullptr)
        m_pPreviewInfo->m_nCurPage = nPage;
    m_ptScroll = CPoint(0, 0);
    if (nNewState != ZOOM_OUT) {
        CRect after = GetPageRect(0);
        ScrollTo(CPoint(after.left + (int)(fx * after.Width()) - point.x,
                        after.top + (int)(fy * after.Height()) - point.y));
    }
    UpdateScrollBars();
    Invalidate();
}

void CPreviewView::ScrollTo(CPoint pt)
{
    CRect client;
    GetClientRect(&client);
    CRect page = m_nZoomState == ZOOM_OUT ? CRect() : GetPageRect(0);
    CSize range(std::max(0, page.Width() + 2 * kGap - client.Width()),
                std::max(0, page.Height() + 2 * kGap - client.Height()));
    m_ptScroll.x = std::clamp((int)(m_ptScroll.x + pt.x), 0, (int)range.cx);
    m_ptScroll.y = std::clamp((int)(m_ptScroll.y + pt.y), 0, (int)range.cy);
}

void CPreviewView::UpdateScrollBars()
{
    if (m_hWnd == nullptr)
        return;
    CRect client;
    GetClientRect(&client);
    BOOL bZoomed = m_nZoomState != ZOOM_OUT;
    CSize content(0, 0);
    if (bZoomed) {
        int nWidth = ScaleFor(m_nZoomState);
        CSize page = m_pPageDevice->GetPageSize();
        content = CSize(nWidth + 2 * kGap, MulDiv(nWidth, page.cy, page.cx) + 2 * kGap);
    }
    SCROLLINFO si = {sizeof si, SIF_ALL | SIF_DISABLENOSCROLL};
    si.nMin = 0;
    si.nMax = bZoomed ? content.cx - 1 : 0;
    si.nPage = (UINT)client.Width();
    si.nPos = m_ptScroll.x;
    ::ShowScrollBar(m_hWnd, SB_HORZ, bZoomed && content.cx > client.Width());
    ::SetScrollInfo(m_hWnd, SB_HORZ, &si, TRUE);
    si.nMax = bZoomed ? content.cy - 1 : 0;
    si.nPage = (UINT)client.Height();
    si.nPos = m_ptScroll.y;
    ::ShowScrollBar(m_hWnd, SB_VERT, bZoomed && content.cy > client.Height());
    ::SetScrollInfo(m_hWnd, SB_VERT, &si, TRUE);
}

namespace {

int ScrollDelta(HWND hWnd, int nBar, UINT nSBCode, int nLine)
{
    SCROLLINFO si = {sizeof si, SIF_ALL};
    ::GetScrollInfo(hWnd, nBar, &si);
    switch (nSBCode) {
    case SB_LINEUP:
        return -nLine;
    case SB_LINEDOWN:
        return nLine;
    case SB_PAGEUP:
        return -(int)si.nPage;
    case SB_PAGEDOWN:
        return (int)si.nPage;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        return si.nTrackPos - si.nPos;
    case SB_TOP:
        return -si.nPos;
    case SB_BOTTOM:
        return si.nMax - si.nPos;
    default:
        return 0;
    }
}

} // namespace

void CPreviewView::OnHScroll(UINT nSBCode, UINT, CScrollBar*)
{
    ScrollTo(CPoint(ScrollDelta(m_hWnd, SB_HORZ, nSBCode, 16), 0));
    UpdateScrollBars();
    Invalidate();
}

void CPreviewView::OnVScroll(UINT nSBCode, UINT, CScrollBar*)
{
    ScrollTo(CPoint(0, ScrollDelta(m_hWnd, SB_VERT, nSBCode, 16)));
    UpdateScrollBars();
    Invalidate();
}

void CPreviewView::OnSize(UINT nType, int cx, int cy)
{
    CView::OnSize(nType, cx, cy);
    ScrollTo(CPoint(0, 0));
    UpdateScrollBars();
    Invalidate();
}

// --- the bar's commands -------------------------------------------------------------------------

void CPreviewView::OnPreviewClose()
{
    CView* pPrintView = m_pPrintView != nullptr ? m_pPrintView : m_pOrigView;
    if (pPrintView != nullptr)
        pPrintView->OnEndPrintPreview(m_pPageDevice, m_pPreviewInfo, CPoint(0, 0), this);
    else
        CView::OnEndPrintPreview(m_pPageDevice, m_pPreviewInfo, CPoint(0, 0), this);
    // This view is gone now.
}

void CPreviewView::OnPreviewPrint()
{
    // Printing starts from the frame once the preview has closed.
    CWnd* pMainWnd = AfxGetMainWnd();
    OnPreviewClose();
    if (pMainWnd != nullptr && ::IsWindow(pMainWnd->m_hWnd))
        pMainWnd->SendMessage(WM_COMMAND, ID_FILE_PRINT);
}

void CPreviewView::OnNextPage()
{
    UINT nShown = m_nZoomState == ZOOM_OUT ? m_nPages : 1;
    if (PageExists(m_nCurrentPage + nShown))
        SetCurrentPage(m_nCurrentPage + 1, TRUE);
}

void CPreviewView::OnPrevPage()
{
    if (m_pPreviewInfo != nullptr && m_nCurrentPage > m_pPreviewInfo->GetMinPage())
        SetCurrentPage(m_nCurrentPage - 1, TRUE);
}

void CPreviewView::OnNumPageChange()
{
    m_nPages = m_nPages == 1 ? 2 : 1;
    if (AfxGetApp() != nullptr)
        AfxGetApp()->m_nNumPreviewPages = m_nPages;
    m_nZoomState = ZOOM_OUT;
    m_ptScroll = CPoint(0, 0);
    UpdateScrollBars();
    Invalidate();
}

void CPreviewView::OnZoomIn()
{
    if (m_nZoomState < ZOOM_IN) {
        CRect client;
        GetClientRect(&client);
        SetZoomState(m_nZoomState + 1, m_nCurrentPage, client.CenterPoint());
    }
}

void CPreviewView::OnZoomOut()
{
    if (m_nZoomState > ZOOM_OUT) {
        CRect client;
        GetClientRect(&client);
        SetZoomState(m_nZoomState - 1, m_nCurrentPage, client.CenterPoint());
    }
}

void CPreviewView::OnUpdateNextPage(CCmdUI* pCmdUI)
{
    UINT nShown = m_nZoomState == ZOOM_OUT ? m_nPages : 1;
    pCmdUI->Enable(PageExists(m_nCurrentPage + nShown));
}

void CPreviewView::OnUpdatePrevPage(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_pPreviewInfo != nullptr && m_nCurrentPage > m_pPreviewInfo->GetMinPage());
}

void CPreviewView::OnUpdateNumPageChange(CCmdUI* pCmdUI)
{
    // The button says what it will show.
    CString strText;
    strText.LoadString(m_nPages == 1 ? AFX_IDS_TWOPAGE : AFX_IDS_ONEPAGE);
    pCmdUI->SetText(strText);
    pCmdUI->Enable(m_nZoomState == ZOOM_OUT && m_pPreviewInfo != nullptr &&
                   LastPage() > m_pPreviewInfo->GetMinPage());
}

void CPreviewView::OnUpdateZoomIn(CCmdUI* pCmdUI) { pCmdUI->Enable(m_nZoomState != ZOOM_IN); }

void CPreviewView::OnUpdateZoomOut(CCmdUI* pCmdUI) { pCmdUI->Enable(m_nZoomState != ZOOM_OUT); }

// --- mouse and keys -----------------------------------------------------------------------------

BOOL CPreviewView::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest == HTCLIENT && m_hMagnifyCursor != nullptr) {
        CPoint point;
        ::GetCursorPos(&point);
        ScreenToClient(&point);
        UINT nShown = m_nZoomState == ZOOM_OUT ? m_nPages : 1;
        for (UINT i = 0; i < nShown; i++) {
            if (GetPageRect(i).PtInRect(point) && m_pageImages.count(m_nCurrentPage + i)) {
                ::SetCursor(m_hMagnifyCursor); // a click zooms here
                return TRUE;
            }
        }
    }
    return CView::OnSetCursor(pWnd, nHitTest, message);
}

void CPreviewView::OnLButtonDown(UINT, CPoint point)
{
    UINT nShown = m_nZoomState == ZOOM_OUT ? m_nPages : 1;
    for (UINT i = 0; i < nShown; i++) {
        if (GetPageRect(i).PtInRect(point) && PageExists(m_nCurrentPage + i)) {
            // Zooms in one step at the page clicked; fully in, a click zooms out.
            UINT nNew = m_nZoomState == ZOOM_IN ? ZOOM_OUT : m_nZoomState + 1;
            SetZoomState(nNew, m_nCurrentPage + i, point);
            return;
        }
    }
}

void CPreviewView::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    switch (nChar) {
    case VK_ESCAPE:
        OnPreviewClose();
        return;
    case VK_NEXT:
        OnNextPage();
        return;
    case VK_PRIOR:
        OnPrevPage();
        return;
    default:
        CView::OnKeyDown(nChar, nRepCnt, nFlags);
    }
}
